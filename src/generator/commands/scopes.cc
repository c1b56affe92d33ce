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

}  // namespace morvex
