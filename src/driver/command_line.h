// What the argument string asks for: options first, then one batch file name.

#ifndef MORVEX_DRIVER_COMMAND_LINE_H_
#define MORVEX_DRIVER_COMMAND_LINE_H_

#include <string>
#include <string_view>

#include "generator/runnable_script.h"

namespace morvex {

/// The three lines shown when no batch file is named.
inline constexpr std::string_view kUsageLines[3] = {
    "Usage: Morvex Batchfile.ext",
    "Batchfile.ext gets translated to Batchfile.sh",
    "Batchfile.sh will run under any sh-compatible shell",
};

/// What --help shows.
extern const std::string_view kHelpText;

/// What --version shows: the program's name and version, and a line end.
std::string VersionText();

/// Exit statuses.
inline constexpr int kExitSuccess = 0;
inline constexpr int kExitFailure = 1;
inline constexpr int kExitUsage = 2;
inline constexpr int kExitStops = 3;  // --fail-on-stop, and a construct was not translated

struct CommandLine {
  enum Action {
    kShowUsage,    // no name
    kShowHelp,     // --help
    kShowVersion,  // --version
    kConvert,      // a name
    kBadOption,    // an option that does not exist or cannot be used, in `name`
  };
  Action action = kShowUsage;
  bool runnable = false;             // --runnable
  std::string name;                  // the batch file's name, or the bad option
  std::string problem;               // what is wrong with the bad option
  RunnableOptions runnable_options;  // --drives=, --drive=, --no-preserve-root

  // Projects, filters, diagnostics and code pages, with --runnable only.
  enum class Diagnostics { kText, kJson, kNone };
  bool folder = false;      // --folder: the name is a folder whose batch files are converted
  std::string output;       // --output=DIR: their scripts go to the same places under DIR
  bool from_stdin = false;  // --stdin: the batch file is standard input
  bool to_stdout = false;   // --stdout (and --stdin): the script goes to standard output
  std::string stdin_name = "stdin.bat";          // --name=: the batch file's name with --stdin
  Diagnostics diagnostics = Diagnostics::kText;  // --diagnostics=text|json|none
  bool fail_on_stop = false;                     // --fail-on-stop: exit status 3 on a stop
  std::string code_page;                         // --code-page=N: the batch file's code page
};

/// Reads the argument string. Options are the leading words, separated by
/// spaces, that begin with "--"; the word "--" ends them. What follows them,
/// trimmed of spaces, is the name, so every argument string that begins with
/// no "--" names a file exactly as without options. An unknown option is an
/// error wherever it stands among them; otherwise --help, then --version, win
/// over a name.
CommandLine ParseCommandLine(std::string_view argument_string);

}  // namespace morvex

#endif  // MORVEX_DRIVER_COMMAND_LINE_H_
