// cls, pause, title, ver and rem: the console and remarks.

#include "generator/commands/commands.h"

namespace morvex {

void TranslateCls(Generator& g, const batch::Command& command) {
  CallHelperWithWords(g, command, Helper::kCls);
}

void TranslatePause(Generator& g, const batch::Command& command) {
  CallHelperWithWords(g, command, Helper::kPause);
}

void TranslateTitle(Generator& g, const batch::Command& command) {
  CommandBuilder(g, Helper::kTitle).WordOf(ArgumentsAfterWord(command)).Redirect(command).Write();
}

void TranslateVer(Generator& g, const batch::Command& command) {
  CallHelperWithWords(g, command, Helper::kVer);
}

void TranslateRem(Generator& g, const batch::Command& command) {
  (void)g;
  (void)command;  // a remark runs nothing; its line is in the script's comments
}

}  // namespace morvex
