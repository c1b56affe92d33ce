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
  g.out().Use(Helper::kSetlocal);
  g.WritePrelude(prelude);
  g.out().Line(line);
}

void TranslateEndlocal(Generator& g, const batch::Command& command) {
  (void)command;
  g.out().Use(Helper::kEndlocal);
  g.out().Line("_endlocal");
}

std::string KeepForEndlocal(Generator& g, const std::string& variable) {
  g.out().Use(Helper::kJr);
  // A name is kept once a scope: its mark names the scope it was kept for,
  // and outside any scope both are empty. So the test is all that runs for
  // most changes, many of which happen in loops.
  const bool named = variable.find('$') == std::string::npos;
  if (named)
    return "case ${_jm_" + variable + "-} in \"${_jc-}\") ;; *) _jr " + variable + " ;; esac";
  return "[ -z \"${_jc-}\" ] || _jr " + variable;
}

}  // namespace morvex
