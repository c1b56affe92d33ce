// del, copy, move, ren and type: files, named with cmd's wildcards, which
// the runtime helpers expand the way cmd does. Each gets its words whole:
// "del/q x" has the switch /q, as in cmd.

#include "generator/commands/commands.h"

namespace morvex {

void TranslateDel(Generator& g, const batch::Command& command) {
  CallHelperWithWords(g, command, Helper::kDel, command.simple().arguments);
}

void TranslateCopy(Generator& g, const batch::Command& command) {
  CallHelperWithWords(g, command, Helper::kCopy, command.simple().arguments);
}

void TranslateMove(Generator& g, const batch::Command& command) {
  CallHelperWithWords(g, command, Helper::kMove, command.simple().arguments);
}

void TranslateRen(Generator& g, const batch::Command& command) {
  CallHelperWithWords(g, command, Helper::kRen, command.simple().arguments);
}

void TranslateType(Generator& g, const batch::Command& command) {
  CallHelperWithWords(g, command, Helper::kType, command.simple().arguments);
}

}  // namespace morvex
