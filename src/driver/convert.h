// One run of the program: the argument string in, a script beside the batch
// file and an exit status out.

#ifndef MORVEX_DRIVER_CONVERT_H_
#define MORVEX_DRIVER_CONVERT_H_

#include <string>
#include <string_view>

#include "driver/status.h"

namespace morvex {

/// The three lines shown when no batch file is named.
inline constexpr std::string_view kUsageLines[3] = {
    "Usage: Morvex Batchfile.ext",
    "Batchfile.ext gets translated to Batchfile.sh",
    "Batchfile.sh will run under any sh-compatible shell",
};

/// Exit statuses.
inline constexpr int kExitSuccess = 0;
inline constexpr int kExitFailure = 1;
inline constexpr int kExitUsage = 2;

/// The script's name: the extension after the last dot of the last path
/// component becomes "sh", and a name without one gets ".sh".
std::string OutputName(std::string_view name);

/// Converts the batch file `name` into the script beside it. The script
/// replaces an existing one of that name only once it is complete; on failure
/// nothing is created or changed, and the status says why.
Status ConvertBatchFile(const std::string& name);

/// Runs the program on its argument string: shows the usage text when it is
/// empty (after trimming spaces), else converts the file it names and reports a
/// failure. Returns the exit status.
int Main(std::string_view argument);

}  // namespace morvex

#endif  // MORVEX_DRIVER_CONVERT_H_
