// dir and start. The Windows tools that batch files call (xcopy, find...)
// are in the table of Windows' own programs, windows_programs.cc.

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "generator/commands/commands.h"

namespace morvex {

void TranslateDir(Generator& g, const batch::Command& command) {
  CallHelperWithWords(g, command, Helper::kDir, command.simple().arguments);
}

void TranslateStart(Generator& g, const batch::Command& command) {
  // The first word in quotes before the program is the title of its window,
  // which has no counterpart here: it is left out. The words cut with their
  // quotes kept tell which one that is.
  CommandBuilder start(g, Helper::kStart);
  std::vector<std::string> words =
      g.Words(command.simple().arguments, WordStyle::kBuiltin, start.prelude());
  Prelude unused;
  const std::vector<std::string> quoted =
      g.Words(command.simple().arguments, WordStyle::kCall, &unused);
  if (quoted.size() == words.size()) {
    for (size_t i = 0; i < words.size(); ++i) {
      if (quoted[i].rfind("'\"", 0) == 0) {
        words.erase(words.begin() + static_cast<std::ptrdiff_t>(i));
        break;
      }
      if (words[i].empty() || words[i][0] != '/') break;
      if (Lower(words[i]) == "/d") ++i;  // its folder
    }
  }
  for (const std::string& word : words) start.Word(word);
  start.Redirect(command).Write();
}

}  // namespace morvex
