// One run of the program: the argument string in, a script beside the batch
// file and an exit status out.

#ifndef MORVEX_DRIVER_PROGRAM_H_
#define MORVEX_DRIVER_PROGRAM_H_

#include <string>
#include <string_view>
#include <vector>

#include "driver/command_line.h"
#include "driver/status.h"
#include "generator/runnable_script.h"

namespace morvex {

/// What kind of script to write.
enum class ScriptKind {
  kDraft,     // the default: comments, notes and translated commands
  kRunnable,  // --runnable
};

/// The script's name: the extension after the last dot of the last path
/// component becomes "sh", and a name without one gets ".sh".
std::string OutputName(std::string_view name);

/// The part of a batch file's bytes that the draft translates: without a
/// leading UTF-8 byte-order mark, and up to the first Ctrl-Z.
std::string_view BatchText(std::string_view bytes);

/// The part that the runnable mode reads: without a leading UTF-8 byte-order
/// mark. cmd reads on past a Ctrl-Z, taking it for a line end.
std::string_view RunnableText(std::string_view bytes);

/// Converts the batch file `name` into the script beside it. The script
/// replaces an existing one of that name only once it is complete and on
/// disk; on failure nothing is created or changed, and the status says why.
Status ConvertBatchFile(const std::string& name, ScriptKind kind = ScriptKind::kDraft,
                        const RunnableOptions& options = {});

/// A conversion in the runnable mode: its choices, and the constructs that
/// the script stops at, which it finds.
struct RunnableRun {
  RunnableOptions options;
  std::string code_page;    // the batch file's, or empty for bytes as they are
  std::vector<Stop> stops;  // filled by the conversion
};

/// Converts the batch file `name` into the script `script_name`, written as
/// ConvertBatchFile writes it.
Status ConvertRunnable(const std::string& name, const std::string& script_name, RunnableRun* run);

/// Writes the runtime helpers that the scripts of a project share into the
/// file `name`, as a script is written; `batch_name` is a batch file of the
/// project, which the file must not replace.
Status WriteRuntimeFile(const std::string& name, const std::string& batch_name);

/// Converts the batch file `name`, or standard input (which `name` then
/// names), and writes the script to standard output, once it is complete.
Status ConvertRunnableToOutput(const std::string& name, bool from_stdin, RunnableRun* run);

/// Shows the stops of the batch file `file` on standard error, one line each,
/// in the form asked for.
void ReportStops(CommandLine::Diagnostics form, std::string_view file,
                 const std::vector<Stop>& stops);

/// Runs the program on its argument string and returns the exit status.
int RunProgram(std::string_view argument_string);

}  // namespace morvex

#endif  // MORVEX_DRIVER_PROGRAM_H_
