// set: assigns, removes or shows variables; "set /a" computes and "set /p"
// asks. path: sets or shows the search path.

#include "generator/commands/commands.h"
#include "generator/sh_quote.h"
#include "generator/shell_names.h"

namespace morvex {

using batch::Piece;
using batch::Text;

namespace {

// The position of the first literal `c` in `text`: the piece and the byte.
struct Position {
  size_t piece = 0;
  size_t byte = 0;
  bool found = false;
};

Position Find(const Text& text, char c, bool last) {
  Position position;
  for (size_t i = 0; i < text.pieces().size(); ++i) {
    const Piece& piece = text.pieces()[i];
    if (piece.kind != Piece::Kind::kLiteral) continue;
    const size_t at = last ? piece.text.rfind(c) : piece.text.find(c);
    if (at == std::string::npos) continue;
    position = {i, at, true};
    if (!last) break;
  }
  return position;
}

// The parts of `text` before and after `at`, which is left out.
std::pair<Text, Text> SplitAt(const Text& text, Position at) {
  Text before, after;
  for (size_t i = 0; i < text.pieces().size(); ++i) {
    const Piece& piece = text.pieces()[i];
    if (i < at.piece) {
      before.Append(piece);
    } else if (i > at.piece) {
      after.Append(piece);
    } else {
      before.Append(std::string_view(piece.text).substr(0, at.byte));
      after.Append(std::string_view(piece.text).substr(at.byte + 1));
    }
  }
  return {before, after};
}

// "/a" or "/p" at the front of the text, in any case.
bool StartsWithSwitch(const Text& text, char letter) {
  if (text.empty() || text.pieces()[0].kind != Piece::Kind::kLiteral) return false;
  const std::string& first = text.pieces()[0].text;
  return first.size() >= 2 && first[0] == '/' && batch::ToLower(first[1]) == letter;
}

Text DropSwitch(const Text& text) {
  Text rest;
  bool first = true;
  for (const Piece& piece : text.pieces()) {
    if (first) {
      rest.Append(std::string_view(piece.text).substr(2));
    } else {
      rest.Append(piece);
    }
    first = false;
  }
  return rest;
}

// set "name=value" takes what lies between the first quote and the last.
Text WithoutOuterQuotes(const Text& text) {
  if (text.empty() || text.pieces()[0].kind != Piece::Kind::kLiteral ||
      text.pieces()[0].text[0] != '"') {
    return text;
  }
  const Text inner = SplitAt(text, {0, 0, true}).second;
  const Position last = Find(inner, '"', true);
  return last.found ? SplitAt(inner, last).first : inner;
}

void Assign(Generator& g, const batch::Command& command, const Text& name, const Text& value) {
  CommandBuilder set(g);
  set.Redirect(command);
  if (!name.IsLiteral()) {
    // A name known only when the script runs is mapped to its sh name then.
    // The value's temporaries come before the name's.
    const std::string text = set.Value(value);
    set.Call(Helper::kSetvar).WordOf(name).Word(text).Write();
    return;
  }
  const std::string variable = ShellVariableName(name.LiteralPart());
  if (variable == "PATH" && !value.empty()) {
    // The folders of PATH are separated by ";" in cmd and by ":" here.
    set.Call(Helper::kSetpath).WordOf(value).AfterPrelude(KeepForEndlocal(g, "PATH")).Write();
    return;
  }
  set.AfterPrelude(KeepForEndlocal(g, variable));
  if (value.empty()) {
    set.Append("unset " + variable).Write();
  } else if (value.IsLiteral()) {
    set.Append("export " + variable + "=" + set.Value(value)).Write();
  } else {
    // An expansion may turn out empty, and "set x=" removes x.
    set.Call(Helper::kSet).Word(variable).WordOf(value).Write();
  }
}

// In a .cmd file, a set or path that succeeds clears the errorlevel.
void ClearErrorlevelInCmdFile(Generator& g) {
  if (Lower(g.options().extension) == "cmd") g.out().Line("_el=0");
}

}  // namespace

void TranslateSet(Generator& g, const batch::Command& command) {
  const Text text = SkipBlanks(ArgumentsAfterWord(command));
  if (StartsWithSwitch(text, 'a')) {
    TranslateSetArithmetic(g, command, DropSwitch(text));
    return;
  }
  if (StartsWithSwitch(text, 'p')) {
    Text rest = SkipBlanks(DropSwitch(text));
    rest = WithoutOuterQuotes(rest);
    const Position equals = Find(rest, '=', false);
    if (!equals.found) {
      g.NotTranslated(command, "set /p needs a variable and an equals sign", "stop-set-prompt");
      return;
    }
    auto [name, prompt] = SplitAt(rest, equals);
    if (!name.IsLiteral()) {
      g.NotTranslated(command, "set /p with a variable name known only when it runs",
                      "stop-set-prompt-at-run-time");
      return;
    }
    const std::string variable = ShellVariableName(name.LiteralPart());
    CommandBuilder(g, Helper::kSetp)
        .Redirect(command)
        .Word(variable)
        .WordOf(prompt)
        .AfterPrelude(KeepForEndlocal(g, variable))
        .Write();
    return;
  }
  const Text content = WithoutOuterQuotes(text);
  const Position equals = Find(content, '=', false);
  if (!equals.found) {
    // Without "=", set shows the variables whose names start with the text.
    CommandBuilder(g, Helper::kSetshow).Redirect(command).WordOf(TrimBlanks(content)).Write();
    return;
  }
  auto [name, value] = SplitAt(content, equals);
  if (name.empty()) {
    g.NotTranslated(command, "set without a variable name is a syntax error in cmd",
                    "stop-set-name");
    return;
  }
  Assign(g, command, name, value);
  ClearErrorlevelInCmdFile(g);
}

void TranslatePath(Generator& g, const batch::Command& command) {
  const Text text = TrimBlanks(ArgumentsAfterWord(command));
  if (text.empty()) {
    CommandBuilder(g, "printf 'PATH=%s\\n' \"$PATH\"").Redirect(command).Write();
    return;
  }
  if (text.IsLiteral() && text.LiteralPart() == ";") {
    CommandBuilder(g, "unset PATH")
        .Redirect(command)
        .AfterPrelude(KeepForEndlocal(g, "PATH"))
        .Write();
    return;
  }
  Assign(g, command, Text("PATH"), text);
  ClearErrorlevelInCmdFile(g);
}

}  // namespace morvex
