// setlocal and endlocal: a scope whose variables and folder are restored when
// it ends, explicitly or at the end of the batch file or call that opened it.

#include "generator/commands/commands.h"
#include "generator/sh_quote.h"

namespace morvex {

void TranslateSetlocal(Generator& g, const batch::Command& command) {
  std::string line = "_setlocal";
  Prelude prelude;
  for (const std::string& word :
       g.Words(ArgumentsAfterWord(command), WordStyle::kBuiltin, &prelude)) {
    line += ' ' + word;
  }
  g.out().Use("_setlocal");
  g.WritePrelude(prelude);
  g.out().Line(line);
}

void TranslateEndlocal(Generator& g, const batch::Command& command) {
  (void)command;
  g.out().Use("_endlocal");
  g.out().Line("_endlocal");
}

std::string KeepForEndlocal(Generator& g, const std::string& variable) {
  // Nothing is kept outside a scope, and the test for one is all that runs
  // there: most changes happen outside any scope, many of them in loops.
  g.out().Use("_jr");
  return "[ -z \"${_jc-}\" ] || _jr " + variable;
}

}  // namespace morvex
