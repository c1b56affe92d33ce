// The Windows tools that batch files call most. Each has a runtime helper that
// does what the tool does, since the programs of the same name here, where
// there are any, do something else (find searches folders, not text).

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "generator/commands/commands.h"

namespace morvex {

std::string_view ToolHelper(std::string_view lower_name) {
  static constexpr std::pair<std::string_view, std::string_view> kTools[] = {
      {"choice", "_choice"},     {"find", "_find"},       {"findstr", "_findstr"},
      {"robocopy", "_robocopy"}, {"timeout", "_timeout"}, {"where", "_where"},
      {"xcopy", "_xcopy"},
  };
  for (const auto& [tool, helper] : kTools) {
    if (tool == lower_name) return helper;
  }
  return {};
}

void TranslateDir(Generator& g, const batch::Command& command) {
  CallHelperWithWords(g, command, "_dir", command.simple.arguments);
}

void TranslateStart(Generator& g, const batch::Command& command) {
  // A first word in quotes is the title of the program's window, which has
  // no counterpart here: it is left out.
  batch::Text text = command.simple.arguments;
  if (!text.empty() && text.pieces()[0].kind == batch::Piece::Kind::kLiteral &&
      std::string_view(" \t,;=").find(text.pieces()[0].text[0]) != std::string_view::npos) {
    text = ArgumentsAfterWord(command);
  }
  text = SkipBlanks(text);
  const bool titled = !text.empty() && text.pieces()[0].kind == batch::Piece::Kind::kLiteral &&
                      text.pieces()[0].text[0] == '"';
  Prelude prelude;
  std::vector<std::string> words = g.Words(text, WordStyle::kBuiltin, &prelude);
  if (titled && !words.empty()) words.erase(words.begin());
  std::string line = "_start";
  for (const std::string& word : words) line += ' ' + word;
  line += g.Redirections(command, &prelude);
  g.out().Use("_start");
  g.WritePrelude(prelude);
  g.out().Line(line);
}

}  // namespace morvex
