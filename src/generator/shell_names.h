// The sh names of batch variables. cmd ignores the case of a variable's name,
// so every name is upper-cased; a name that sh cannot hold, or that means
// something to the shell itself, is spelt out in a form that no other name
// can take. The generator's own variables and functions start with "_" and a
// lower-case letter, which no batch variable's name can become.

#ifndef MORVEX_GENERATOR_SHELL_NAMES_H_
#define MORVEX_GENERATOR_SHELL_NAMES_H_

#include <string>
#include <string_view>

namespace morvex {

/// The sh variable that holds the batch variable `name`: "path" gives "PATH",
/// "my-var" gives "xMY_2dVAR". Bytes other than letters and digits become "_"
/// and two lower-case hex digits after a leading "x"; the runtime helper _vn
/// does the same for names known only when the script runs.
std::string ShellVariableName(std::string_view name);

/// The sh variable of a for loop's variable: "%%i" gives "_l_i", "%%I" gives
/// "_l_I" (loop variables keep their case), "%%#" gives "_l_23".
std::string LoopVariableName(char letter);

}  // namespace morvex

#endif  // MORVEX_GENERATOR_SHELL_NAMES_H_
