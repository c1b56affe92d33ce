// for: a command run once for each word, file, folder, number or line of a
// set.

#include <optional>

#include "generator/commands/commands.h"
#include "generator/generator.h"
#include "generator/sh_quote.h"
#include "generator/shell_names.h"
#include "parser/for_options.h"

namespace morvex {

using batch::Piece;
using batch::Text;

namespace {

// The items of a set as written: cut at separators outside quotes, quotes
// kept, as cmd cuts them.
std::vector<Text> SetItems(const Text& set) {
  std::vector<Text> items;
  Text item;
  bool quoted = false;
  for (const Piece& piece : set.pieces()) {
    if (piece.kind != Piece::Kind::kLiteral) {
      item.Append(piece);
      continue;
    }
    for (char c : piece.text) {
      if (c == '"') quoted = !quoted;
      if (!quoted && batch::IsSeparator(c)) {
        if (!item.empty()) items.push_back(std::move(item));
        item = Text();
        continue;
      }
      item.Append(c);
    }
  }
  if (!item.empty()) items.push_back(std::move(item));
  return items;
}

bool HasWildcard(const Text& item) {
  return item.LiteralPart().find_first_of("*?") != std::string::npos;
}

// The delimiters as the inside of an sh bracket expression: "]" first, "-"
// last, and no "!" or "^" at the front, where they would negate it.
std::string BracketSet(std::string_view delims) {
  std::string set;
  if (delims.find(']') != std::string_view::npos) set += ']';
  for (char c : delims) {
    if (c == ']' || c == '-' || c == '!' || c == '^') continue;
    if (c == '\\') set += '\\';
    if (set.find(c) == std::string::npos) set += c;
  }
  if (delims.find('!') != std::string_view::npos) set += '!';
  if (delims.find('^') != std::string_view::npos) set += '^';
  if (delims.find('-') != std::string_view::npos) set += '-';
  return set;
}

// The text inside the quotes that mark a for /f source, or nullopt when the
// text is not so quoted.
std::optional<Text> Unquoted(const Text& text, char quote) {
  const std::vector<Piece>& pieces = text.pieces();
  if (pieces.empty() || pieces.front().kind != Piece::Kind::kLiteral ||
      pieces.back().kind != Piece::Kind::kLiteral || pieces.front().text[0] != quote) {
    return std::nullopt;
  }
  const std::string& last = pieces.back().text;
  const size_t close = last.rfind(quote);
  if (close == std::string::npos || (pieces.size() == 1 && close == 0)) return std::nullopt;
  Text inner;
  for (size_t i = 0; i < pieces.size(); ++i) {
    std::string_view part = pieces[i].text;
    if (pieces[i].kind != Piece::Kind::kLiteral) {
      inner.Append(pieces[i]);
      continue;
    }
    if (i == pieces.size() - 1) part = part.substr(0, close);
    if (i == 0) part.remove_prefix(1);
    inner.Append(part);
  }
  return inner;
}

}  // namespace

void Generator::CountingLoopHead(const batch::ForCommand& loop, const std::string& variable,
                                 Prelude* prelude, std::vector<std::string>* head,
                                 std::vector<std::string>* tail) {
  // (start,step,end); a missing number counts as 0.
  std::vector<Text> items = SetItems(loop.set);
  items.resize(3, Text("0"));
  std::string numbers[3];
  for (int i = 0; i < 3; ++i) {
    const Text& item = items[static_cast<size_t>(i)];
    const std::string literal = item.LiteralPart();
    const bool plain = item.IsLiteral() && !literal.empty() && literal.size() < 10 &&
                       literal.find_first_not_of("-0123456789") == std::string::npos &&
                       literal.find('-', 1) == std::string::npos && literal != "-";
    if (plain) {
      numbers[i] = std::to_string(std::stol(literal));
      continue;
    }
    out_.Use(Helper::kNi);
    const std::string temporary = Temporary();
    prelude->push_back("_ni " + temporary + " " + Value(item, prelude));
    numbers[i] = "$" + temporary;
  }
  const std::string& start = numbers[0];
  const std::string& step = numbers[1];
  const std::string& end = numbers[2];
  std::string test;
  if (step[0] == '$') {
    test = "[ $((" + step + " >= 0 ? " + variable + " <= " + end + " : " + variable + " >= " + end +
           ")) -ne 0 ]";
  } else {
    test = "[ \"$" + variable + "\" " + (step[0] == '-' ? "-ge " : "-le ") + end + " ]";
  }
  prelude->push_back(variable + "=" + start);
  head->push_back("while " + test + "; do");
  tail->push_back(variable + "=$((" + variable + " + " + step + "))");
}

void Generator::FoundItemsLoopHead(const batch::ForCommand& loop, const std::string& variable,
                                   Prelude* prelude, std::vector<std::string>* head,
                                   std::vector<std::string>* after) {
  using Kind = batch::ForCommand::Kind;
  // Wildcards name files (or, with /d, folders) found when the loop
  // starts, and /r looks in every folder below its root; the items come
  // one per line in _r.
  out_.Use(Helper::kNl);
  out_.Use(Helper::kIfs);
  std::string line;
  if (loop.kind == Kind::kRecursive) {
    out_.Use(Helper::kForr);
    line = "_forr " + (loop.root.empty() ? std::string("''") : Value(loop.root, prelude));
  } else {
    out_.Use(Helper::kForset);
    line = std::string("_forset ") + (loop.kind == Kind::kDirectories ? "dirs" : "files");
  }
  for (const std::string& word : Words(loop.set, WordStyle::kCall, prelude)) {
    line += " " + word;
  }
  prelude->push_back(line);
  prelude->push_back("IFS=$_nl");
  head->push_back("for " + variable + " in $_r; do");
  head->push_back("  IFS=$_ifs");
  after->push_back("IFS=$_ifs");
}

void Generator::EmitFor(const batch::Command& command, const batch::ForCommand& loop) {
  using Kind = batch::ForCommand::Kind;
  if (loop.kind == Kind::kLines) {
    EmitForLines(command, loop);
    return;
  }
  const std::string variable = LoopVariableName(loop.variable);
  Prelude prelude;
  std::vector<std::string> head;
  std::vector<std::string> tail;   // lines after the body, inside the loop
  std::vector<std::string> after;  // lines after the loop

  if (loop.kind == Kind::kNumbers) {
    CountingLoopHead(loop, variable, &prelude, &head, &tail);
  } else {
    const std::vector<Text> items = SetItems(loop.set);
    bool plain = loop.kind == Kind::kPlain;
    for (const Text& item : items) plain = plain && item.IsLiteral() && !HasWildcard(item);
    if (plain) {
      if (items.empty()) return;  // an empty set runs nothing
      std::string line = "for " + variable + " in";
      for (const Text& item : items) {
        line += ' ';
        line += ShellQuote(item.LiteralPart());
      }
      if (items.size() == 1) {
        head.push_back("# shellcheck disable=SC2041,SC2043 # the batch file's set holds one item");
      }
      head.push_back(line + "; do");
    } else {
      FoundItemsLoopHead(loop, variable, &prelude, &head, &after);
    }
  }
  WritePrelude(prelude);
  EmitLoopBody(loop, 1, head, tail, after);
}

void Generator::EmitLoopBody(const batch::ForCommand& loop, int variables,
                             const std::vector<std::string>& head,
                             const std::vector<std::string>& tail,
                             const std::vector<std::string>& after) {
  for (const std::string& line : head) out_.Line(line);
  for (int i = 0; i < variables; ++i) {
    loop_letters_.push_back(static_cast<char>(loop.variable + i));
  }
  EnterLoop();
  EmitIndented([&] {
    Emit(loop.body);
    for (const std::string& line : tail) out_.Line(line);
  });
  LeaveLoop();
  loop_letters_.resize(loop_letters_.size() - static_cast<size_t>(variables));
  out_.Line("done");
  for (const std::string& line : after) out_.Line(line);
}

// for /f: the lines of files, of a string or of a command's output, each cut
// into tokens.
void Generator::EmitForLines(const batch::Command& command, const batch::ForCommand& loop) {
  if (!loop.options.IsLiteral()) {
    NotTranslated(command, "for /f with options known only when it runs",
                  "stop-for-options-at-run-time");
    return;
  }
  const std::optional<batch::ForOptions> options =
      batch::ParseForOptions(loop.options.LiteralPart());
  if (!options) {
    NotTranslated(command, "for /f with options cmd does not accept", "stop-for-options");
    return;
  }
  const int variables = static_cast<int>(options->tokens.size()) + (options->rest ? 1 : 0);
  if (static_cast<unsigned char>(loop.variable) + variables - 1 > 0xFF) {
    NotTranslated(command, "for /f with more tokens than variables after its own",
                  "stop-for-tokens");
    return;
  }
  // Each loop level has its own text and line, so loops nest.
  const std::string level = std::to_string(loop_depth() + 1);
  const std::string text = "_fo" + level;
  const std::string line = "_fl" + level;
  Prelude prelude;
  const Text set = TrimBlanks(loop.set);
  const std::optional<Text> command_text = Unquoted(set, options->usebackq ? '`' : '\'');
  const std::optional<Text> string_text =
      options->usebackq ? Unquoted(set, '\'') : Unquoted(set, '"');
  out_.Use(Helper::kNl);
  out_.Use(Helper::kIfs);
  out_.Use(Helper::kFsplit);
  if (command_text) {
    // The command's output, as cmd /c gives it.
    const std::string code = Capture([&] { EmitCommandLine(*command_text); });
    out_.Line(text + "=$(");
    out_.Indent();
    out_.Lines(code);
    if (!ScriptWriter::HasCommand(code)) out_.Line(":");
    out_.Dedent();
    out_.Line(")");
  } else if (string_text) {
    const std::string value = Value(*string_text, &prelude);
    WritePrelude(prelude);
    out_.Line(text + "=" + value);
  } else {
    out_.Use(Helper::kFread);
    std::string read = "_fread " + text;
    for (const std::string& word : Words(set, WordStyle::kBuiltin, &prelude)) read += " " + word;
    WritePrelude(prelude);
    out_.Line(read);
  }
  prelude.clear();
  std::string tokens;
  for (int token : options->tokens) {
    if (!tokens.empty()) tokens += ' ';
    tokens += std::to_string(token);
  }
  if (options->rest) tokens += tokens.empty() ? "*" : " *";
  std::string split = "_fsplit " + ShellQuote(BracketSet(options->delims)) + " " +
                      ShellQuote(options->eol) + " " + ShellQuote(tokens) + " \"$" + line + "\"";
  for (int i = 0; i < variables; ++i) {
    split += ' ';
    split += LoopVariableName(static_cast<char>(loop.variable + i));
  }
  std::vector<std::string> head = {"IFS=$_nl", "for " + line + " in $" + text + "; do",
                                   "  IFS=$_ifs"};
  if (options->skip > 0) {
    out_.Line("_fk" + level + "=" + std::to_string(options->skip));
    head.push_back("  if [ \"$_fk" + level + "\" -gt 0 ]; then");
    head.push_back("    _fk" + level + "=$((_fk" + level + " - 1))");
    head.push_back("    continue");
    head.push_back("  fi");
  }
  head.push_back("  " + split + " || continue");
  EmitLoopBody(loop, variables, head, {}, {"IFS=$_ifs"});
}

}  // namespace morvex
