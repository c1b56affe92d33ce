// Helpers shared by the command rules for picking a command's text apart.

#include "generator/commands/commands.h"

namespace morvex {

using batch::Text;

Text ArgumentsAfterWord(const batch::Command& command) {
  return batch::ArgumentsAfterWord(command.simple().arguments);
}

void CallHelperWithWords(Generator& g, const batch::Command& command, Helper helper) {
  CallHelperWithWords(g, command, helper, ArgumentsAfterWord(command));
}

void CallHelperWithWords(Generator& g, const batch::Command& command, Helper helper,
                         const Text& arguments) {
  CommandBuilder(g, helper).WordsOf(arguments, WordStyle::kBuiltin).Redirect(command).Write();
}

}  // namespace morvex
