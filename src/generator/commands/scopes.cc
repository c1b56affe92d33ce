// setlocal and endlocal: a scope whose variables and folder are restored when
// it ends, explicitly or at the end of the batch file or call that opened it.

#include "generator/commands/commands.h"
#include "generator/sh_quote.h"

namespace morvex {

void TranslateSetlocal(Generator& g, const batch::Command& command) {
  CommandBuilder(g, Helper::kSetlocal)
      .WordsOf(ArgumentsAfterWord(command), WordStyle::kBuiltin)
      .Write();
}

void TranslateEndlocal(Generator& g, const batch::Command& command) {
  (void)command;
  CommandBuilder(g, Helper::kEndlocal).Write();
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
