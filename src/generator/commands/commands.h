// The translations of cmd's built-in commands, each in the file named after
// the commands it covers. Every rule has the same shape: it writes the sh
// lines of one command, whose exit status is the command's success, and
// updates the errorlevel (_el) exactly when cmd would.

#ifndef MORVEX_GENERATOR_COMMANDS_COMMANDS_H_
#define MORVEX_GENERATOR_COMMANDS_COMMANDS_H_

#include <optional>
#include <string>
#include <string_view>

#include "generator/command_builder.h"
#include "generator/generator.h"
#include "parser/arguments.h"
#include "parser/characters.h"
#include "parser/syntax.h"

namespace morvex {

// echo.cc
void TranslateEcho(Generator& g, const batch::Command& command);
// set.cc
void TranslateSet(Generator& g, const batch::Command& command);
void TranslatePath(Generator& g, const batch::Command& command);
// set_arithmetic.cc: the text after "set /a".
void TranslateSetArithmetic(Generator& g, const batch::Command& command,
                            const batch::Text& expression);
// jumps.cc
void TranslateGoto(Generator& g, const batch::Command& command);
void TranslateCall(Generator& g, const batch::Command& command);
void TranslateExit(Generator& g, const batch::Command& command);
/// The errorlevel an exit command sets, as an sh value, or empty when it
/// names none; `batch_only` tells whether it is "exit /b".
std::string ExitCode(Generator& g, const batch::Command& command, bool* batch_only,
                     Prelude* prelude);
void TranslateShift(Generator& g, const batch::Command& command);
// scopes.cc
void TranslateSetlocal(Generator& g, const batch::Command& command);
void TranslateEndlocal(Generator& g, const batch::Command& command);
/// The line written before a batch variable changes: while a setlocal's scope
/// is open, it keeps the variable's value for the endlocal. `variable` is the
/// sh name, or a quoted sh word that gives it when the script runs.
std::string KeepForEndlocal(Generator& g, const std::string& variable);
// directories.cc
void TranslateCd(Generator& g, const batch::Command& command);
void TranslatePushd(Generator& g, const batch::Command& command);
void TranslatePopd(Generator& g, const batch::Command& command);
void TranslateMd(Generator& g, const batch::Command& command);
void TranslateRd(Generator& g, const batch::Command& command);
// files.cc
void TranslateDel(Generator& g, const batch::Command& command);
void TranslateCopy(Generator& g, const batch::Command& command);
void TranslateMove(Generator& g, const batch::Command& command);
void TranslateRen(Generator& g, const batch::Command& command);
void TranslateType(Generator& g, const batch::Command& command);
// tools.cc
void TranslateDir(Generator& g, const batch::Command& command);
void TranslateStart(Generator& g, const batch::Command& command);
// windows_programs.cc: what a script does with each of Windows' own programs.
struct WindowsProgram {
  enum class Kind {
    kHelper,            // a runtime helper does what the program does
    kWithoutArguments,  // the same, but only without arguments; otherwise a stop
    kCmd,               // cmd /c and cmd /k: the rest runs as a statement in a child
    kPowershell,        // runs as pwsh where pwsh is found, and stops otherwise
    kAsIs,              // its Windows build reads the same options as the program here
    kStopped,           // no counterpart here: stops with errorlevel 9009
  };
  std::string_view name;  // lower case, without ".exe"
  Kind kind;
  std::optional<Helper> helper{};  // for kHelper, kWithoutArguments and kPowershell
};
/// The entry for a program's name without a folder ("PING.EXE", "sort"), or
/// nullptr for a program that runs by its name.
const WindowsProgram* FindWindowsProgram(std::string_view name);
/// The same, but nullptr also for a program the options say to run anyway.
const WindowsProgram* FindWindowsProgram(std::string_view name, const RunnableOptions& options);
/// The names of the stopped programs (or, when `stopped` is false, of those
/// translated), in order, separated by spaces: the runtime's _wprog holds the
/// same lists.
std::string WindowsProgramNames(bool stopped);
/// program.cc: cmd /c and cmd /k.
void TranslateCmd(Generator& g, const batch::Command& command, const batch::Text& arguments);
// console.cc
void TranslateCls(Generator& g, const batch::Command& command);
void TranslatePause(Generator& g, const batch::Command& command);
void TranslateTitle(Generator& g, const batch::Command& command);
void TranslateVer(Generator& g, const batch::Command& command);
void TranslateRem(Generator& g, const batch::Command& command);

// Shared by the rules.

/// The command's arguments without the one separator between them and the
/// command word.
batch::Text ArgumentsAfterWord(const batch::Command& command);
using batch::Lower;
using batch::SkipBlanks;
using batch::TrimBlanks;
/// Writes a helper call for a command that takes words: `helper word...`
/// and the command's redirections.
void CallHelperWithWords(Generator& g, const batch::Command& command, Helper helper);
/// The same for a text that is not the command's own arguments.
void CallHelperWithWords(Generator& g, const batch::Command& command, Helper helper,
                         const batch::Text& arguments);

}  // namespace morvex

#endif  // MORVEX_GENERATOR_COMMANDS_COMMANDS_H_
