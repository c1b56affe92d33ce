#include "driver/program.h"

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

#include "driver/batch_encoding.h"
#include "driver/command_line.h"
#include "driver/diagnostics.h"
#include "driver/platform.h"
#include "driver/project.h"
#include "driver/script_builder.h"
#include "driver/script_file.h"
#include "generator/runnable_script.h"

namespace morvex {
namespace {

// Input is read in blocks of this size; only a line longer than a block makes
// memory grow beyond a few of them.
constexpr size_t kBlockSize = 256 * 1024;

// Passes the script's bytes to the file on a thread of its own, so that
// writing them, and waiting for the disk, overlap the making of the next ones.
// Keeps the first failure: after it nothing more is written.
//
// The builder's full buffers are queued as they are, a few at most, and it
// gets back a written one; a large piece (the translation of a long line) is
// written from the caller's thread once the queue is empty, so that it is
// never held twice.
class BackgroundOutput : public ScriptOutput {
 public:
  explicit BackgroundOutput(ScriptFile& file) : file_(file), thread_([this] { Run(); }) {}
  ~BackgroundOutput() { Finish(); }

  void Write(std::string_view bytes) override {
    if (bytes.empty()) return;
    std::unique_lock lock(mutex_);
    if (bytes.size() > kLargePiece) {
      changed_.wait(lock, [this] { return queued_.empty() && !writing_; });
      if (status_.ok()) status_ = file_.Write(bytes);
      return;
    }
    std::string buffer(bytes);
    Queue(buffer, lock);
  }

  void Take(std::string& buffer) override {
    if (buffer.size() > kLargePiece) {
      Write(buffer);
      buffer.clear();
      return;
    }
    std::unique_lock lock(mutex_);
    Queue(buffer, lock);
  }

  bool failed() {
    std::lock_guard lock(mutex_);
    return !status_.ok();
  }

  // Waits until everything queued is written.
  Status Finish() {
    {
      std::lock_guard lock(mutex_);
      finishing_ = true;
      changed_.notify_all();
    }
    if (thread_.joinable()) thread_.join();
    return status_;
  }

 private:
  static constexpr size_t kBuffers = 4;
  static constexpr size_t kLargePiece = 4 << 20;

  // Queues the bytes of `buffer` and leaves it an empty spare one.
  void Queue(std::string& buffer, std::unique_lock<std::mutex>& lock) {
    if (buffer.empty()) return;
    changed_.wait(lock, [this] { return queued_.size() < kBuffers; });
    queued_.push_back(std::move(buffer));
    buffer.clear();
    if (!spare_.empty()) {
      buffer = std::move(spare_.back());
      spare_.pop_back();
    }
    changed_.notify_all();
  }

  void Run() {
    std::unique_lock lock(mutex_);
    for (;;) {
      changed_.wait(lock, [this] { return !queued_.empty() || finishing_; });
      if (queued_.empty()) return;
      std::string buffer = std::move(queued_.front());
      queued_.pop_front();
      writing_ = true;
      const bool failed_before = !status_.ok();
      lock.unlock();
      Status written = failed_before ? Status::Ok() : file_.Write(buffer);
      lock.lock();
      writing_ = false;
      if (status_.ok()) status_ = std::move(written);
      buffer.clear();
      spare_.push_back(std::move(buffer));
      changed_.notify_all();
    }
  }

  ScriptFile& file_;
  std::mutex mutex_;
  std::condition_variable changed_;
  std::deque<std::string> queued_;  // oldest first
  std::vector<std::string> spare_;  // written, kept for their memory
  bool writing_ = false;
  bool finishing_ = false;
  Status status_ = Status::Ok();
  std::thread thread_;  // last: it starts once the rest is ready
};

Status WriteDraft(InputFile& input, ScriptFile& script) {
  BackgroundOutput output(script);
  ScriptBuilder builder(output);
  std::vector<char> block(kBlockSize);
  while (!builder.ended() && !output.failed()) {
    size_t size = 0;
    if (Status status = input.Read(block.data(), block.size(), &size); !status.ok()) return status;
    if (size == 0) break;
    builder.Feed(std::string_view(block.data(), size));
  }
  builder.Finish();
  return output.Finish();
}

Status ReadAll(InputFile& input, std::string* bytes) {
  for (;;) {
    const size_t old_size = bytes->size();
    bytes->resize(old_size + kBlockSize);
    size_t size = 0;
    if (Status status = input.Read(bytes->data() + old_size, kBlockSize, &size); !status.ok()) {
      return status;
    }
    bytes->resize(old_size + size);
    if (size == 0) return Status::Ok();
  }
}

// The extension of the batch file's name as written, for %0 and for what a
// .cmd file does differently.
void TakeExtension(const std::string& name, RunnableOptions* options) {
  const size_t dot = name.rfind('.');
  if (dot != std::string::npos && dot + 1 < name.size() &&
      name.find_first_of("\\/", dot) == std::string::npos) {
    options->extension = name.substr(dot + 1);
  }
}

// Converts the bytes of the batch file `name` into a script that calls
// itself `file_name`, written through `write` in pieces.
Status GenerateRunnable(std::string bytes, const std::string& name, std::string_view file_name,
                        RunnableRun* run, const std::function<Status(std::string_view)>& write) {
  if (Status status = DecodeBatchText(name, run->code_page, &bytes); !status.ok()) return status;
  RunnableOptions options = run->options;
  TakeExtension(name, &options);
  // The script goes out in pieces as it is put together; the first failure
  // to write is the one reported.
  Status status = Status::Ok();
  std::string pending;
  auto flush = [&] {
    if (status.ok() && !pending.empty()) status = write(pending);
    pending.clear();
  };
  WriteRunnableScript(
      RunnableText(bytes), file_name,
      [&](std::string_view piece) {
        pending += piece;
        if (pending.size() >= kBlockSize) flush();
      },
      options, &run->stops);
  flush();
  return status;
}

std::string_view FileNameOf(const std::string& name) {
  return std::string_view(name).substr(FolderOf(name).size());
}

}  // namespace

std::string_view RunnableText(std::string_view bytes) {
  if (bytes.substr(0, kByteOrderMark.size()) == kByteOrderMark) {
    bytes.remove_prefix(kByteOrderMark.size());
  }
  return bytes;  // cmd reads a Ctrl-Z as a line end, and the parser does too
}

std::string_view BatchText(std::string_view bytes) {
  if (bytes.substr(0, kByteOrderMark.size()) == kByteOrderMark) {
    bytes.remove_prefix(kByteOrderMark.size());
  }
  return bytes.substr(0, bytes.find(kEndOfFile));
}

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

Status ConvertBatchFile(const std::string& name, ScriptKind kind, const RunnableOptions& options) {
  if (kind == ScriptKind::kRunnable) {
    RunnableRun run;
    run.options = options;
    return ConvertRunnable(name, OutputName(name), &run);
  }
  InputFile input;
  if (Status status = input.Open(name); !status.ok()) return status;
  ScriptFile script;
  if (Status status = script.Create(OutputName(name), input); !status.ok()) return status;
  if (Status written = WriteDraft(input, script); !written.ok()) return written;
  return script.Commit();
}

Status WriteRuntimeFile(const std::string& name, const std::string& batch_name) {
  InputFile input;
  if (Status status = input.Open(batch_name); !status.ok()) return status;
  ScriptFile file;
  if (Status status = file.Create(name, input); !status.ok()) return status;
  if (Status status = file.Write(RuntimeLibrary()); !status.ok()) return status;
  return file.Commit();
}

Status ConvertRunnable(const std::string& name, const std::string& script_name, RunnableRun* run) {
  InputFile input;
  if (Status status = input.Open(name); !status.ok()) return status;
  ScriptFile script;
  if (Status status = script.Create(script_name, input); !status.ok()) return status;
  std::string bytes;
  if (Status status = ReadAll(input, &bytes); !status.ok()) return status;
  const Status written =
      GenerateRunnable(std::move(bytes), name, FileNameOf(script_name), run,
                       [&](std::string_view piece) { return script.Write(piece); });
  if (!written.ok()) return written;
  return script.Commit();
}

Status ConvertRunnableToOutput(const std::string& name, bool from_stdin, RunnableRun* run) {
  std::string bytes;
  if (from_stdin) {
    if (Status status = ReadStandardInput(&bytes); !status.ok()) return status;
  } else {
    InputFile input;
    if (Status status = input.Open(name); !status.ok()) return status;
    if (Status status = ReadAll(input, &bytes); !status.ok()) return status;
  }
  // Nothing goes out before the whole script is made, so that a batch file
  // that cannot be read leaves standard output empty.
  std::string script;
  const std::string script_name = OutputName(name);
  const Status made = GenerateRunnable(std::move(bytes), name, FileNameOf(script_name), run,
                                       [&](std::string_view piece) {
                                         script += piece;
                                         return Status::Ok();
                                       });
  if (!made.ok()) return made;
  return WriteStandardOutput(script);
}

void ReportStops(CommandLine::Diagnostics form, std::string_view file,
                 const std::vector<Stop>& stops) {
  for (const Stop& stop : stops) {
    switch (form) {
      case CommandLine::Diagnostics::kText:
        ShowLine(WarningLine(file, stop));
        break;
      case CommandLine::Diagnostics::kJson:
        ShowLine(JsonLine(file, stop));
        break;
      case CommandLine::Diagnostics::kNone:
        break;
    }
  }
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
      ShowFailure(command.name + ": " + command.problem + " (morvex --help lists the options)");
      return kExitUsage;
    case CommandLine::kConvert:
      break;
  }
  if (!command.runnable) {
    const Status status = ConvertBatchFile(FileNameFromArgument(command.name));
    if (!status.ok()) {
      ShowFailure(status.message());
      return kExitFailure;
    }
    return kExitSuccess;
  }
  if (command.folder) return ConvertProject(command);
  RunnableRun run;
  run.options = command.runnable_options;
  run.code_page = command.code_page;
  const std::string name =
      command.from_stdin ? command.stdin_name : FileNameFromArgument(command.name);
  const Status status = command.to_stdout ? ConvertRunnableToOutput(name, command.from_stdin, &run)
                                          : ConvertRunnable(name, OutputName(name), &run);
  if (!status.ok()) {
    ShowFailure(status.message());
    return kExitFailure;
  }
  if (!run.options.runtime_file.empty()) {
    const std::string runtime = FolderOf(OutputName(name)) + run.options.runtime_file;
    if (Status written = WriteRuntimeFile(runtime, name); !written.ok()) {
      ShowFailure(written.message());
      return kExitFailure;
    }
  }
  ReportStops(command.diagnostics, name, run.stops);
  return command.fail_on_stop && !run.stops.empty() ? kExitStops : kExitSuccess;
}

}  // namespace morvex
