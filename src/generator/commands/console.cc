// cls, pause, title, ver and rem: the console and remarks.

#include "generator/commands/commands.h"

namespace morvex {

void TranslateCls(Generator& g, const batch::Command& command) {
  CallHelperWithWords(g, command, "_cls");
}

void TranslatePause(Generator& g, const batch::Command& command) {
  CallHelperWithWords(g, command, "_pause");
}

void TranslateTitle(Generator& g, const batch::Command& command) {
  Prelude prelude;
  const std::string title = g.Value(ArgumentsAfterWord(command), &prelude);
  const std::string redirections = g.Redirections(command, &prelude);
  g.out().Use("_title");
  g.WritePrelude(prelude);
  g.out().Line("_title " + title + redirections);
}

void TranslateVer(Generator& g, const batch::Command& command) {
  CallHelperWithWords(g, command, "_ver");
}

void TranslateRem(Generator& g, const batch::Command& command) {
  (void)g;
  (void)command;  // a remark runs nothing; its line is in the script's comments
}

}  // namespace morvex
