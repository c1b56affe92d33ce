#include "generator/runnable_script.h"

#include <condition_variable>
#include <deque>
#include <mutex>
#include <set>
#include <thread>
#include <utility>
#include <vector>

#include "generator/generator.h"
#include "generator/runtime_library.h"
#include "parser/parser.h"

namespace morvex {
namespace {

using Batch = std::vector<batch::Statement>;

// Statements go from the reader's thread to the writer's in batches, a few
// at a time in flight, so that reading and writing a large file share the
// machine's cores while memory stays bounded.
class StatementQueue {
 public:
  void Push(Batch statements) {
    std::unique_lock<std::mutex> lock(mutex_);
    room_.wait(lock, [&] { return batches_.size() < kInFlight; });
    batches_.push_back(std::move(statements));
    ready_.notify_one();
  }
  // Adds a batch unless the queue is full.
  void TryPush(Batch statements) {
    std::lock_guard<std::mutex> lock(mutex_);
    if (batches_.size() >= kInFlight) return;
    batches_.push_back(std::move(statements));
    ready_.notify_one();
  }
  void Close() {
    std::lock_guard<std::mutex> lock(mutex_);
    closed_ = true;
    ready_.notify_one();
  }
  // Takes a batch if one is waiting.
  bool TryPop(Batch* statements) {
    std::lock_guard<std::mutex> lock(mutex_);
    if (batches_.empty()) return false;
    *statements = std::move(batches_.front());
    batches_.pop_front();
    room_.notify_one();
    return true;
  }
  // False once the queue is closed and empty.
  bool Pop(Batch* statements) {
    std::unique_lock<std::mutex> lock(mutex_);
    ready_.wait(lock, [&] { return closed_ || !batches_.empty(); });
    if (batches_.empty()) return false;
    *statements = std::move(batches_.front());
    batches_.pop_front();
    room_.notify_one();
    return true;
  }

 private:
  static constexpr size_t kInFlight = 8;
  std::mutex mutex_;
  std::condition_variable ready_;
  std::condition_variable room_;
  std::deque<Batch> batches_;
  bool closed_ = false;
};

// Below this many lines a second thread costs more than it saves.
constexpr size_t kLinesForTwoThreads = 20000;
constexpr size_t kBatchSize = 256;

}  // namespace

void WriteRunnableScript(std::string_view batch, std::string_view script_name,
                         const std::function<void(std::string_view)>& write,
                         const RunnableOptions& options, std::vector<Stop>* stops) {
  const std::vector<std::string_view> lines = batch::SplitLines(batch);
  batch::Parser parser(lines);
  Generator generator(lines, script_name, options);
  if (lines.size() < kLinesForTwoThreads) {
    batch::Statement statement;
    while (parser.Next(&statement)) generator.Statement(statement);
    generator.Finish(write);
    if (stops != nullptr) *stops = generator.stops();
    return;
  }
  // Written batches go back to the reader, which reads the next statements
  // into them: the memory of a statement is taken and given back on the
  // thread that reads it, which the allocator handles far faster than memory
  // passed from thread to thread.
  StatementQueue queue;
  StatementQueue written;
  std::thread reader([&] {
    Batch statements(kBatchSize);
    size_t count = 0;
    while (parser.Next(&statements[count])) {
      if (++count == kBatchSize) {
        Batch next;
        if (!written.TryPop(&next)) next.resize(kBatchSize);
        queue.Push(std::exchange(statements, std::move(next)));
        count = 0;
      }
    }
    statements.resize(count);
    if (count > 0) queue.Push(std::move(statements));
    queue.Close();
  });
  Batch statements;
  while (queue.Pop(&statements)) {
    for (const batch::Statement& statement : statements) generator.Statement(statement);
    // A full return queue means the reader is done or well supplied; the
    // batch is then freed here.
    if (statements.size() == kBatchSize) written.TryPush(std::move(statements));
  }
  reader.join();
  generator.Finish(write);
  if (stops != nullptr) *stops = generator.stops();
}

std::string RuntimeLibrary() {
  std::string text = "# shellcheck shell=sh\n";
  text += "# The runtime helpers of morvex --runnable: the shell functions that converted\n";
  text += "# scripts call. Each script reads this file when it starts; a script that\n";
  text += "# another one calls finds the functions there already, and reads no further.\n";
  text += "[ -n \"${_rtl-}\" ] && return 0\n";
  text += "_rtl=1\n\n";
  std::set<Helper> all;
  for (const RuntimeHelper& helper : RuntimeHelpers()) {
    if (!ReadsTheScriptsPath(helper.id)) all.insert(helper.id);
  }
  return text + HelperDefinitions(all);
}

std::string RunnableScript(std::string_view batch, std::string_view script_name,
                           const RunnableOptions& options) {
  std::string script;
  WriteRunnableScript(
      batch, script_name, [&](std::string_view piece) { script += piece; }, options);
  return script;
}

}  // namespace morvex
