// What a run needs from the operating system. Each platform implements this
// header in a file of its own (platform_posix.cc, platform_windows.cc); the
// conversion itself is shared.

#ifndef MORVEX_DRIVER_PLATFORM_H_
#define MORVEX_DRIVER_PLATFORM_H_

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

#include "driver/status.h"

namespace morvex {

/// The argument string: everything after the program's own name, not
/// unquoted. On POSIX the words of argv joined by single spaces.
std::string ArgumentString(int argc, char** argv);

/// Shows the usage lines to the user.
void ShowUsage();

/// Tells the user why the run failed.
void ShowFailure(std::string_view message);

/// A batch file open for reading. Only an ordinary file opens: a directory, a
/// device, a pipe or a missing name gives a failure that names the file.
class InputFile {
 public:
  InputFile();
  ~InputFile();
  InputFile(const InputFile&) = delete;
  InputFile& operator=(const InputFile&) = delete;

  Status Open(const std::string& name);

  /// Reads up to `capacity` bytes; `*size` is 0 at the end of the file.
  Status Read(char* buffer, size_t capacity, size_t* size);

  struct Native;

 private:
  friend class OutputFile;
  std::unique_ptr<Native> native_;
};

/// A script being written beside its batch file. The bytes go to a new
/// temporary file in the script's folder, which replaces `name` only in Commit,
/// once it is complete and on disk. Until then an existing script of that name
/// stays as it was, and a file not committed is removed.
class OutputFile {
 public:
  OutputFile();
  ~OutputFile();
  OutputFile(const OutputFile&) = delete;
  OutputFile& operator=(const OutputFile&) = delete;

  /// Fails when `name` is another name of `input`'s own file.
  Status Create(const std::string& name, const InputFile& input);
  Status Write(std::string_view bytes);
  Status Commit();

  struct Native;

 private:
  std::unique_ptr<Native> native_;
};

}  // namespace morvex

#endif  // MORVEX_DRIVER_PLATFORM_H_
