// The runnable mode's entry: a whole batch file in, a POSIX sh script out that
// does what cmd.exe does when it runs the file.

#ifndef MORVEX_GENERATOR_RUNNABLE_SCRIPT_H_
#define MORVEX_GENERATOR_RUNNABLE_SCRIPT_H_

#include <functional>
#include <string>
#include <string_view>

namespace morvex {

/// Converts the bytes of a whole batch file into a script for dash.
/// `script_name` is the script's file name without its folder ("build.sh"); the
/// script names itself with it in the messages it prints. Never fails: what has
/// no faithful translation becomes a note and a runtime stop.
std::string RunnableScript(std::string_view batch, std::string_view script_name);

/// The same, written through `write` in pieces as it is put together, so that
/// the script is never held twice.
void WriteRunnableScript(std::string_view batch, std::string_view script_name,
                         const std::function<void(std::string_view)>& write);

}  // namespace morvex

#endif  // MORVEX_GENERATOR_RUNNABLE_SCRIPT_H_
