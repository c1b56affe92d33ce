// for: a command run once for each word, file, folder or number of a set.

#include "generator/generator.h"
#include "generator/sh_quote.h"
#include "generator/shell_names.h"

namespace morvex {

using batch::Piece;
using batch::Text;

namespace {

bool IsSetSeparator(char c) {
  return c == ' ' || c == '\t' || c == ',' || c == ';' || c == '=';
}

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
      if (!quoted && IsSetSeparator(c)) {
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
  const std::string literal = item.LiteralPart();
  return literal.find_first_of("*?") != std::string::npos;
}

}  // namespace

void Generator::EmitFor(const batch::Command& command) {
  const batch::ForCommand& loop = command.for_command;
  using Kind = batch::ForCommand::Kind;
  if (loop.kind == Kind::kRecursive || loop.kind == Kind::kLines) {
    NotTranslated(command, loop.kind == Kind::kRecursive ? "for /r" : "for /f");
    return;
  }
  const std::string variable = LoopVariableName(loop.variable);
  Prelude prelude;
  std::vector<std::string> head;
  std::vector<std::string> tail;   // lines after the body, inside the loop
  std::vector<std::string> after;  // lines after the loop

  if (loop.kind == Kind::kNumbers) {
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
      out_.Use("_ni");
      const std::string temporary = Temporary();
      prelude.push_back("_ni " + temporary + " " + Value(item, &prelude));
      numbers[i] = "$" + temporary;
    }
    const std::string& start = numbers[0];
    const std::string& step = numbers[1];
    const std::string& end = numbers[2];
    std::string test;
    if (step[0] == '$') {
      test = "[ $((" + step + " >= 0 ? " + variable + " <= " + end + " : " + variable +
             " >= " + end + ")) -ne 0 ]";
    } else {
      test = "[ \"$" + variable + "\" " + (step[0] == '-' ? "-ge " : "-le ") + end + " ]";
    }
    prelude.push_back(variable + "=" + start);
    head.push_back("while " + test + "; do");
    tail.push_back(variable + "=$((" + variable + " + " + step + "))");
  } else {
    const std::vector<Text> items = SetItems(loop.set);
    bool plain = loop.kind == Kind::kPlain;
    for (const Text& item : items) plain = plain && item.IsLiteral() && !HasWildcard(item);
    if (plain) {
      if (items.empty()) return;  // an empty set runs nothing
      std::string line = "for " + variable + " in";
      for (const Text& item : items) line += " " + ShellQuote(item.LiteralPart());
      head.push_back(line + "; do");
    } else {
      // Wildcards name files (or, with /d, folders) found when the loop
      // starts; the items come one per line in _r.
      out_.Use("_forset");
      out_.Use("_nl");
      out_.Use("_ifs");
      std::string line =
          std::string("_forset ") + (loop.kind == Kind::kDirectories ? "dirs" : "files");
      for (const std::string& word : Words(loop.set, WordStyle::kCall, &prelude))
        line += " " + word;
      prelude.push_back(line);
      prelude.push_back("IFS=$_nl");
      head.push_back("for " + variable + " in $_r; do");
      head.push_back("  IFS=$_ifs");
      after.push_back("IFS=$_ifs");
    }
  }

  WritePrelude(prelude);
  for (const std::string& line : head) out_.Line(line);
  out_.Indent();
  loop_letters_.push_back(loop.variable);
  EnterLoop();
  const std::string body = Capture([&] { Emit(loop.body); });
  LeaveLoop();
  loop_letters_.pop_back();
  out_.Lines(body);
  for (const std::string& line : tail) out_.Line(line);
  if (tail.empty() && !ScriptWriter::HasCommand(body)) out_.Line(":");
  out_.Dedent();
  out_.Line("done");
  for (const std::string& line : after) out_.Line(line);
}

}  // namespace morvex
