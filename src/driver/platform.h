// What a run needs from the operating system. Each platform implements this
// header in a file of its own (platform_posix.cc, platform_windows.cc); what
// is done with it, the conversion and the way a script is written, is shared.

#ifndef MORVEX_DRIVER_PLATFORM_H_
#define MORVEX_DRIVER_PLATFORM_H_

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "driver/status.h"

namespace morvex {

/// The argument string: everything after the program's own name, not
/// unquoted. On POSIX the words of argv joined by single spaces.
std::string ArgumentString(int argc, char** argv);

/// The file name that the user meant by `name`, the argument string's name.
/// On POSIX the name as given; on Windows a name in double quotes loses them,
/// since no Windows file name holds one.
std::string FileNameFromArgument(std::string_view name);

/// Shows the usage lines to the user.
void ShowUsage();

/// Shows the text that the user asked for (help, version).
void ShowInformation(std::string_view text);

/// Tells the user why the run failed.
void ShowFailure(std::string_view message);

/// What tells two names of one file apart from names of two files.
struct FileIdentity {
  uint64_t volume = 0;
  uint64_t file = 0;
  bool operator==(const FileIdentity&) const = default;
};

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

  const FileIdentity& identity() const { return identity_; }

  struct Native;

 private:
  std::unique_ptr<Native> native_;
  FileIdentity identity_;
};

// The primitives under the one way a script is written (script_file.h). Their
// failures carry the system's reason alone; the caller names the file.

/// What a name stands for in its folder.
struct NameLookUp {
  enum Kind { kNothing, kFolder, kFile };
  Kind kind = kNothing;
  FileIdentity identity;  // of a folder or a file
};

/// Looks `name` up. Only "no such file" counts as nothing: any other failure
/// to look is a failure.
Status LookUpName(const std::string& name, NameLookUp* result);

/// The reason given when a script's name is taken by a folder.
std::string_view FolderReason();

/// The folder part of `name`, with its separator: where the script goes.
/// Empty for the current folder.
std::string FolderOf(const std::string& name);

/// A new file in a folder, written from the start and removed when it is
/// destroyed unless it was renamed. On POSIX it is executable (0777 less the
/// umask) and also removed when the program is interrupted.
class TemporaryFile {
 public:
  TemporaryFile();
  ~TemporaryFile();
  TemporaryFile(const TemporaryFile&) = delete;
  TemporaryFile& operator=(const TemporaryFile&) = delete;

  /// Creates it in `folder` (as FolderOf gives it).
  Status Create(const std::string& folder);
  Status Write(std::string_view bytes);
  /// Waits until what was written is on disk.
  Status FlushToDisk();
  Status Close();
  /// Puts it in place of `name`, replacing a file of that name.
  Status RenameTo(const std::string& name);

  struct Native;

 private:
  std::unique_ptr<Native> native_;
};

/// Waits until the names in `folder` (as FolderOf gives it) are on disk.
Status FlushFolderToDisk(const std::string& folder);

// What projects, filters, diagnostics and code pages need.

/// One name in a folder.
struct FolderEntry {
  enum Kind { kFile, kFolder, kOther };
  std::string name;
  Kind kind = kOther;  // a symbolic link to a folder is not a folder: no cycle is walked
};

/// The names in `folder`, without "." and "..", in no particular order.
Status ListFolder(const std::string& folder, std::vector<FolderEntry>* entries);

/// Creates `folder` and the folders above it that are missing.
Status MakeFolders(const std::string& folder);

/// `name` as an absolute name, against the current folder, with symbolic
/// links resolved where it exists; `name` itself when that fails.
std::string AbsoluteName(const std::string& name);

/// All of standard input.
Status ReadStandardInput(std::string* bytes);

/// Writes to standard output.
Status WriteStandardOutput(std::string_view bytes);

/// Writes a line of its own (a warning, a progress line) to standard error
/// as it is; a progress line ends in a carriage return rather than a line end.
void ShowLine(std::string_view line);

/// True when standard error is a terminal, where a progress line may be shown.
bool ErrorsOnTerminal();

/// Converts `bytes`, text in the Windows code page `code_page`, into UTF-8.
/// When a byte cannot be mapped, `*bad_byte` is its offset and the status a
/// failure; a code page the system cannot convert fails with `*bad_byte` set
/// to npos.
Status Utf8FromCodePage(std::string_view bytes, unsigned code_page, std::string* utf8,
                        size_t* bad_byte);

}  // namespace morvex

#endif  // MORVEX_DRIVER_PLATFORM_H_
