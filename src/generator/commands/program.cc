// Programs run by name, and other batch files, which run as the scripts
// converted from them.

#include <algorithm>

#include "generator/commands/commands.h"
#include "generator/sh_quote.h"

namespace morvex {

using batch::Text;

namespace {

bool EndsWith(std::string_view text, std::string_view tail) {
  return text.size() >= tail.size() && text.substr(text.size() - tail.size()) == tail;
}

}  // namespace

void TranslateProgram(Generator& g, const batch::Command& command, bool called) {
  Prelude prelude;
  const Text& name = command.simple.name;
  std::string literal;
  if (name.IsLiteral()) {
    literal = name.LiteralPart();
    literal.erase(std::remove(literal.begin(), literal.end(), '"'), literal.end());
  }
  // A drive's name alone changes to that drive, at its root here.
  if (literal.size() == 2 && literal[1] == ':' && (literal[0] | 0x20) >= 'a' &&
      (literal[0] | 0x20) <= 'z' && command.simple.arguments.empty()) {
    const std::string redirections = g.Redirections(command, &prelude);
    g.out().Use("_cd");
    g.WritePrelude(prelude);
    g.out().Line("_cd " + ShellQuote(literal) + redirections);
    return;
  }
  const std::string lower = Lower(literal);
  const bool batch_file = EndsWith(lower, ".bat") || EndsWith(lower, ".cmd");
  const bool windows_program = EndsWith(lower, ".exe") || EndsWith(lower, ".com");
  const std::string_view tool =
      ToolHelper(windows_program ? lower.substr(0, lower.size() - 4) : lower);
  if (!tool.empty()) {
    CallHelperWithWords(g, command, tool, command.simple.arguments);
    return;
  }
  const Text& text = command.simple.arguments;
  if (literal.empty() && name.pieces().size() == 1) {
    // The whole command comes from a value ("%CMD%"), which cmd reads when
    // it runs: its name may be a built-in's, or nothing at all.
    Text line = name;
    line.Append(text);
    prelude.push_back("_rl=" + g.Value(line, &prelude));
    const std::string redirections = g.Redirections(command, &prelude);
    g.out().Use("_cargs");
    g.out().Use("_argv");
    g.out().Use("_runb");
    g.WritePrelude(prelude);
    g.out().Line("_runb " + ScriptWriter::LineNumberHole() + redirections);
    if (!called) g.out().Line("[ -z \"$_rb\" ] || return");
    return;
  }
  // Values that may hold blanks or quotes leave the words to be cut when the
  // command runs, as cmd cuts them: for a batch file, quotes kept. A
  // program's words change with any value, even one in quotes: a backslash
  // that ends it escapes the quote after it.
  std::string arguments;
  // %* stands for the script's own arguments, already cut.
  const bool only_all_arguments =
      std::all_of(text.pieces().begin(), text.pieces().end(), [](const batch::Piece& piece) {
        return piece.kind == batch::Piece::Kind::kLiteral ||
               piece.kind == batch::Piece::Kind::kAllArguments;
      });
  if (!only_all_arguments && (batch_file ? HasUnquotedExpansion(text) : !text.IsLiteral())) {
    g.out().Use("_cargs");
    g.out().Use("_argv");
    prelude.push_back("_rl=" + g.Value(text, &prelude));
  } else {
    for (const std::string& word :
         g.Words(text, batch_file ? WordStyle::kCall : WordStyle::kProgram, &prelude)) {
      arguments += " " + word;
    }
  }
  const std::string redirections = g.Redirections(command, &prelude);

  if (batch_file) {
    std::string path = literal;
    std::replace(path.begin(), path.end(), '\\', '/');
    const std::string base = path.substr(path.rfind('/') + 1);
    g.Note("runs " + base.substr(0, base.size() - 4) + ".sh, the script converted from " + base +
           ", in this shell: the variables it sets stay set");
    g.out().Use("_run");
    g.WritePrelude(prelude);
    g.out().Line("_run " + ShellQuote(path) + arguments + redirections);
    if (!called) {
      // Without call, the other batch file takes this one's place: when it
      // ends, so does this one.
      g.out().Line("return");
    }
    return;
  }

  std::string program;
  if (!literal.empty()) {
    // A Windows program's name without its ".exe" is the name of its
    // counterpart here.
    if (windows_program) literal.resize(literal.size() - 4);
    const std::vector<std::string> words = g.Words(Text(literal), WordStyle::kProgram, &prelude);
    program = words.empty() ? "''" : words[0];
  } else {
    const std::vector<std::string> words = g.Words(name, WordStyle::kProgram, &prelude);
    for (const std::string& word : words) program += (program.empty() ? "" : " ") + word;
    if (program.empty()) program = "''";
  }
  g.out().Use("_run");
  g.WritePrelude(prelude);
  g.out().Line("_run " + program + arguments + redirections);
  if (!called && literal.empty()) {
    // A name known only now may be a batch file's, which then takes this
    // one's place.
    g.out().Line("[ -z \"$_rb\" ] || return");
  }
}

}  // namespace morvex
