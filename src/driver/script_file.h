// The one way a script is written, on every platform.

#ifndef MORVEX_DRIVER_SCRIPT_FILE_H_
#define MORVEX_DRIVER_SCRIPT_FILE_H_

#include <string>
#include <string_view>

#include "driver/platform.h"
#include "driver/status.h"

namespace morvex {

/// A script being written beside its batch file. The bytes go to a new
/// temporary file in the script's folder, which replaces `name` only in
/// Commit, once it is complete and on disk, and the folder is then flushed so
/// that the new name is on disk too. Until then an existing script of that
/// name stays as it was, and a temporary file not committed is removed.
///
/// It refuses to write over the batch file itself (under any of its names) and
/// over a folder. Every failure names the file it concerns: the script, or
/// its folder when the temporary file cannot be made there.
class ScriptFile {
 public:
  Status Create(const std::string& name, const InputFile& input);
  Status Write(std::string_view bytes);
  Status Commit();

 private:
  Status Failure(std::string_view reason) const;

  std::string name_;
  std::string folder_;
  TemporaryFile temporary_;
};

}  // namespace morvex

#endif  // MORVEX_DRIVER_SCRIPT_FILE_H_
