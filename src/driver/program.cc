#include "driver/program.h"

#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>
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

Status WriteRunnable(InputFile& input, ScriptFile& script, const std::string& script_name,
                     const RunnableOptions& options) {
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
  // The script goes out in pieces as it is put together; the first failure
  // to write is the one reported.
  Status status = Status::Ok();
  std::string pending;
  auto flush = [&] {
    if (status.ok() && !pending.empty()) status = script.Write(pending);
    pending.clear();
  };
  WriteRunnableScript(
      RunnableText(bytes), file_name,
      [&](std::string_view piece) {
        pending += piece;
        if (pending.size() >= kBlockSize) flush();
      },
      options);
  flush();
  return status;
}

}  // namespace

namespace {

// Writes the runtime helpers that scripts share, as a script is written.
Status WriteRuntimeFile(const std::string& name, const InputFile& input) {
  ScriptFile file;
  if (Status status = file.Create(name, input); !status.ok()) return status;
  if (Status status = file.Write(RuntimeLibrary()); !status.ok()) return status;
  return file.Commit();
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
  InputFile input;
  if (Status status = input.Open(name); !status.ok()) return status;
  const std::string script_name = OutputName(name);
  ScriptFile script;
  if (Status status = script.Create(script_name, input); !status.ok()) return status;
  RunnableOptions runnable = options;
  const size_t dot = name.rfind('.');
  if (dot != std::string::npos && dot + 1 < name.size() &&
      name.find_first_of("\\/", dot) == std::string::npos) {
    runnable.extension = name.substr(dot + 1);
  }
  const Status written = kind == ScriptKind::kDraft
                             ? WriteDraft(input, script)
                             : WriteRunnable(input, script, script_name, runnable);
  if (!written.ok()) return written;
  if (Status status = script.Commit(); !status.ok()) return status;
  if (kind == ScriptKind::kDraft || runnable.runtime_file.empty()) return Status::Ok();
  return WriteRuntimeFile(FolderOf(script_name) + runnable.runtime_file, input);
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
  const ScriptKind kind = command.runnable ? ScriptKind::kRunnable : ScriptKind::kDraft;
  const Status status =
      ConvertBatchFile(FileNameFromArgument(command.name), kind, command.runnable_options);
  if (!status.ok()) {
    ShowFailure(status.message());
    return kExitFailure;
  }
  return kExitSuccess;
}

}  // namespace morvex
