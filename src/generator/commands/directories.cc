// cd, pushd, popd, md and rd: the current folder and the folders on disk.

#include "generator/commands/commands.h"

namespace morvex {

using batch::Text;

void TranslateCd(Generator& g, const batch::Command& command) {
  // "/d" also changes the drive, which has no counterpart here.
  const Text text = batch::ReadFolder(command.simple().arguments, /*drive_switch=*/true);
  CommandBuilder cd(g, Helper::kCd);
  cd.Redirect(command);
  // cd takes the rest of the line as one folder name, spaces and all; without
  // one it shows the current folder.
  cd.Word(text.empty() ? "''" : cd.Value(text)).Write();
}

void TranslatePushd(Generator& g, const batch::Command& command) {
  const Text text = batch::ReadFolder(command.simple().arguments, /*drive_switch=*/false);
  CommandBuilder pushd(g, Helper::kPushd);
  pushd.Redirect(command);
  if (!text.empty()) pushd.WordOf(text);
  pushd.Write();
}

void TranslatePopd(Generator& g, const batch::Command& command) {
  CommandBuilder(g, Helper::kPopd).Redirect(command).Write();
}

void TranslateMd(Generator& g, const batch::Command& command) {
  CallHelperWithWords(g, command, Helper::kMd, command.simple().arguments);
}

void TranslateRd(Generator& g, const batch::Command& command) {
  CallHelperWithWords(g, command, Helper::kRd, command.simple().arguments);
}

}  // namespace morvex
