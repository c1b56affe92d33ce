#include "driver/program.h"

#include <vector>

#include "driver/command_line.h"
#include "driver/platform.h"
#include "driver/script_builder.h"
#include "driver/script_file.h"
#include "generator/runnable_script.h"

namespace morvex {
namespace {

// Input is read in blocks of this size; only a line longer than a block makes
// memory grow beyond a few of them.
constexpr size_t kBlockSize = 256 * 1024;

// Passes the script's bytes to the file, and keeps the first failure: after
// it nothing more is written.
class FileOutput : public ScriptOutput {
 public:
  explicit FileOutput(ScriptFile& file) : file_(file) {}
  void Write(std::string_view bytes) override {
    if (status_.ok() && !bytes.empty()) status_ = file_.Write(bytes);
  }
  const Status& status() const { return status_; }

 private:
  ScriptFile& file_;
  Status status_ = Status::Ok();
};

Status WriteDraft(InputFile& input, ScriptFile& script) {
  FileOutput output(script);
  ScriptBuilder builder(output);
  std::vector<char> block(kBlockSize);
  while (!builder.ended() && output.status().ok()) {
    size_t size = 0;
    if (Status status = input.Read(block.data(), block.size(), &size); !status.ok()) return status;
    if (size == 0) break;
    builder.Feed(std::string_view(block.data(), size));
  }
  builder.Finish();
  return output.status();
}

// The batch text as cmd reads it: without a byte-order mark, and up to the
// first Ctrl-Z.
std::string_view BatchText(std::string_view bytes) {
  if (bytes.substr(0, kByteOrderMark.size()) == kByteOrderMark) {
    bytes.remove_prefix(kByteOrderMark.size());
  }
  return bytes.substr(0, bytes.find(kEndOfFile));
}

Status WriteRunnable(InputFile& input, ScriptFile& script, const std::string& script_name) {
  std::string bytes;
  for (;;) {
    const size_t old_size = bytes.size();
    bytes.resize(old_size + kBlockSize);
    size_t size = 0;
    if (Status status = input.Read(bytes.data() + old_size, kBlockSize, &size); !status.ok()) {
      return status;
    }
    bytes.resize(old_size + size);
    if (size == 0) break;
  }
  const std::string_view file_name =
      std::string_view(script_name).substr(FolderOf(script_name).size());
  return script.Write(RunnableScript(BatchText(bytes), file_name));
}

}  // namespace

std::string OutputName(std::string_view name) {
  // Both separators end a directory: "a.b/run" gives "a.b/run.sh", beside the
  // batch file, never "a.sh" outside its folder.
  const size_t dot = name.rfind('.');
  const size_t separator = name.find_last_of("\\/");
  if (dot != std::string_view::npos && (separator == std::string_view::npos || dot > separator)) {
    return std::string(name.substr(0, dot + 1)) + "sh";
  }
  return std::string(name) + ".sh";
}

Status ConvertBatchFile(const std::string& name, ScriptKind kind) {
  InputFile input;
  if (Status status = input.Open(name); !status.ok()) return status;
  const std::string script_name = OutputName(name);
  ScriptFile script;
  if (Status status = script.Create(script_name, input); !status.ok()) return status;
  const Status written = kind == ScriptKind::kDraft ? WriteDraft(input, script)
                                                    : WriteRunnable(input, script, script_name);
  if (!written.ok()) return written;
  return script.Commit();
}

int RunProgram(std::string_view argument_string) {
  const CommandLine command = ParseCommandLine(argument_string);
  switch (command.action) {
    case CommandLine::kShowUsage:
      ShowUsage();
      return kExitUsage;
    case CommandLine::kShowHelp:
      ShowInformation(kHelpText);
      return kExitSuccess;
    case CommandLine::kShowVersion:
      ShowInformation(VersionText());
      return kExitSuccess;
    case CommandLine::kBadOption:
      ShowFailure(command.name + ": unknown option (morvex --help lists the options)");
      return kExitUsage;
    case CommandLine::kConvert:
      break;
  }
  const ScriptKind kind = command.runnable ? ScriptKind::kRunnable : ScriptKind::kDraft;
  const Status status = ConvertBatchFile(FileNameFromArgument(command.name), kind);
  if (!status.ok()) {
    ShowFailure(status.message());
    return kExitFailure;
  }
  return kExitSuccess;
}

}  // namespace morvex
