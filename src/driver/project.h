// A whole project at once: every batch file under a folder, each script
// beside its batch file or at the same place under another folder.

#ifndef MORVEX_DRIVER_PROJECT_H_
#define MORVEX_DRIVER_PROJECT_H_

#include <string>
#include <vector>

#include "driver/command_line.h"
#include "driver/status.h"

namespace morvex {

/// The batch files (".bat" and ".cmd", in any case) under `folder` and the
/// folders in it, by their names from `folder` on ("tools/setenv.bat"), in
/// byte order. A folder inside that cannot be listed is put in `failures`.
/// Symbolic links to folders are not followed.
Status FindBatchFiles(const std::string& folder, std::vector<std::string>* names,
                      std::vector<std::string>* failures);

/// `name`, absolute, without "." and ".." parts or doubled slashes.
std::string CleanAbsoluteName(const std::string& name);

/// Converts the project that `command` names (--folder, and --output) and
/// returns the exit status: one line on standard error for each file that
/// fails, the warnings of the others, and a summary.
int ConvertProject(const CommandLine& command);

}  // namespace morvex

#endif  // MORVEX_DRIVER_PROJECT_H_
