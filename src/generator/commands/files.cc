// del, copy, move, ren and type: files, named with cmd's wildcards, which
// the runtime helpers expand the way cmd does.

#include "generator/commands/commands.h"

namespace morvex {

void TranslateDel(Generator& g, const batch::Command& command) {
  CallHelperWithWords(g, command, "_del");
}

void TranslateCopy(Generator& g, const batch::Command& command) {
  CallHelperWithWords(g, command, "_copy");
}

void TranslateMove(Generator& g, const batch::Command& command) {
  CallHelperWithWords(g, command, "_move");
}

void TranslateRen(Generator& g, const batch::Command& command) {
  CallHelperWithWords(g, command, "_ren");
}

void TranslateType(Generator& g, const batch::Command& command) {
  CallHelperWithWords(g, command, "_type");
}

}  // namespace morvex
