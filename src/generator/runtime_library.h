// The shell functions that generated scripts call, embedded from the files in
// src/generator/runtime/ when the program is built. A script holds only the
// ones it uses, with the ones those need.

#ifndef MORVEX_GENERATOR_RUNTIME_LIBRARY_H_
#define MORVEX_GENERATOR_RUNTIME_LIBRARY_H_

#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "generator/helper_names.h"

namespace morvex {

struct RuntimeHelper {
  Helper id;
  std::string_view name;      // the function's name, "_copy"
  std::vector<Helper> needs;  // the helpers it calls
  std::string_view text;      // its definition, comments included
};

/// Every helper, in the order of their names, which is the order of `Helper`.
const std::vector<RuntimeHelper>& RuntimeHelpers();

/// The helper's name in a script, "_copy".
std::string_view HelperName(Helper helper);

/// Whether the helper is code that runs where the script starts and reads the
/// script's own path (%0, %~dp0), not a function or a constant: a script
/// that reads the others from a shared file still holds these itself.
bool ReadsTheScriptsPath(Helper helper);

/// `used` and every helper they need, each once.
std::set<Helper> HelpersNeeded(const std::set<Helper>& used);

/// The definitions of `used` and of every helper they need, each once, in the
/// order of their names, so that a script's helpers do not depend on the order
/// in which its commands asked for them.
std::string HelperDefinitions(const std::set<Helper>& used);

}  // namespace morvex

#endif  // MORVEX_GENERATOR_RUNTIME_LIBRARY_H_
