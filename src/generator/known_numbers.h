// Numbers that set /a gave a variable, known as such when the script runs.
//
// Each set /a that assigns a variable by its name also sets the variable's
// shadow to ":" and the number: "export N=$((...))" is followed by
// "_kN=:$N". Where the script needs a variable's value as a number (an
// operand of set /a, a side of "if ... LSS 10"), a value equal to the shadow
// after the colon is one set /a wrote, a decimal number of 32 bits, and is
// used as it is; any other value is read the long way. The test is sound
// whatever else assigns the variable (set, for /f, endlocal, another batch
// file): it compares the value itself, and a shadow only ever holds what set
// /a wrote. Shadows are not exported, and an unset one matches no value.

#ifndef MORVEX_GENERATOR_KNOWN_NUMBERS_H_
#define MORVEX_GENERATOR_KNOWN_NUMBERS_H_

#include <string>

namespace morvex {

/// The sh variable that shadows the sh variable `variable` ("N" -> "_kN").
inline std::string KnownNumberShadow(const std::string& variable) {
  return "_k" + variable;
}

}  // namespace morvex

#endif  // MORVEX_GENERATOR_KNOWN_NUMBERS_H_
