// The runnable mode's entry: a whole batch file in, a POSIX sh script out that
// does what cmd.exe does when it runs the file.

#ifndef MORVEX_GENERATOR_RUNNABLE_SCRIPT_H_
#define MORVEX_GENERATOR_RUNNABLE_SCRIPT_H_

#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace morvex {

/// Choices that hold for the whole script.
struct RunnableOptions {
  /// The folder that holds a folder per drive letter, in lower case: C: is
  /// "/mnt/c", as WSL mounts drives.
  std::string drives = "/mnt";
  /// Drives given a folder of their own: the letter in lower case, and the
  /// folder. These win over `drives`.
  std::vector<std::pair<char, std::string>> drive_folders;
  /// Whether commands that remove, move or overwrite refuse the top of the
  /// system (the root, what is directly in it, the home folder, the system's
  /// folders, a drive's folder).
  bool preserve_root = true;
  /// The batch file's extension as its name writes it ("bat", "CMD"): %0
  /// names the file with it, and in a .cmd file a set that succeeds clears
  /// the errorlevel.
  std::string extension = "bat";
  /// Windows' own programs that run by their names, as programs that are
  /// not Windows' own do, instead of being translated or stopped.
  std::vector<std::string> allowed_programs;
  /// Where the script reads the runtime helpers from: a path from the
  /// script's own folder ("morvex-runtime.sh", "../morvex-runtime.sh"), of a
  /// file that holds RuntimeLibrary(). Empty: the script holds the helpers it
  /// uses.
  std::string runtime_file;
  /// For a script written away from its batch file, in a folder that mirrors
  /// the batch files' (morvex --runnable --folder --output=DIR): the batch
  /// file's absolute name, which %~f0 and the like read, and the two
  /// folders, absolute, where the batch files and their scripts stand. A
  /// batch file that the script runs from under `batch_root` runs as the
  /// script at the same place under `script_root`.
  std::string batch_path;
  std::string batch_root;
  std::string script_root;
};

/// A construct that the script stops at as not translated.
struct Stop {
  int line = 0;         // in the batch file, from 1
  int column = 0;       // the byte of the line where the construct starts, from 1
  std::string code;     // names the kind of stop and never changes: "stop-color"
  std::string message;  // what is not translated: "color"
};

/// The file name of the shared runtime helpers.
inline constexpr std::string_view kRuntimeFileName = "morvex-runtime.sh";

/// Every runtime helper, for the file named by RunnableOptions::runtime_file
/// that the scripts of a project share.
std::string RuntimeLibrary();

/// True for the names (in any case, with or without ".exe") of Windows' own
/// programs, which the script translates or stops unless they are allowed.
bool IsWindowsProgram(std::string_view name);

/// Converts the bytes of a whole batch file into a script for dash.
/// `script_name` is the script's file name without its folder ("build.sh"); the
/// script names itself with it in the messages it prints. Never fails: what has
/// no faithful translation becomes a note and a runtime stop.
std::string RunnableScript(std::string_view batch, std::string_view script_name,
                           const RunnableOptions& options = {});

/// The same, written through `write` in pieces as it is put together, so that
/// the script is never held twice. When `stops` is given it receives the
/// constructs the script stops at, in the order of the batch file.
void WriteRunnableScript(std::string_view batch, std::string_view script_name,
                         const std::function<void(std::string_view)>& write,
                         const RunnableOptions& options = {}, std::vector<Stop>* stops = nullptr);

}  // namespace morvex

#endif  // MORVEX_GENERATOR_RUNNABLE_SCRIPT_H_
