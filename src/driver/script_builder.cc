#include "driver/script_builder.h"

#include <algorithm>
#include <utility>

#include "translator/text.h"
#include "translator/translate_line.h"

namespace morvex {

ScriptBuilder::ScriptBuilder(ScriptOutput& output) : output_(output) {
  buffer_ += "#!/bin/sh\n\n";
}

void ScriptBuilder::Feed(std::string_view block) {
  if (at_start_) {
    // A byte-order mark counts only at the very start, so the first bytes
    // wait until there are enough of them to tell.
    if (partial_.size() + block.size() < kByteOrderMark.size()) {
      partial_ += block;
      return;
    }
    at_start_ = false;
    std::string start = std::exchange(partial_, {});
    const size_t taken = kByteOrderMark.size() - start.size();
    start += block.substr(0, taken);
    block.remove_prefix(taken);
    if (start != kByteOrderMark) Split(start);
  }
  Split(block);
}

void ScriptBuilder::Finish() {
  if (at_start_) {
    at_start_ = false;
    Split(std::exchange(partial_, {}));  // too short to be a byte-order mark
  }
  EndInput();
  output_.Take(buffer_);
}

void ScriptBuilder::Split(std::string_view block) {
  if (ended_) return;
  const size_t end_of_file = block.find(kEndOfFile);
  if (end_of_file != std::string_view::npos) block = block.substr(0, end_of_file);

  // The next LF and the next CR are each looked up once and kept until the
  // scan passes them, so a file with only one kind of line end is not searched
  // again for the other at every line.
  size_t next_lf = block.find('\n');
  size_t next_cr = block.find('\r');
  size_t begin = 0;
  if (after_cr_ && !block.empty()) {
    after_cr_ = false;
    if (block.front() == '\n') {
      begin = 1;
      next_lf = block.find('\n', 1);
    }
  }
  while (begin < block.size()) {
    const size_t end = std::min(next_lf, next_cr);
    if (end == std::string_view::npos) {
      partial_ += block.substr(begin);
      break;
    }
    const std::string_view line = block.substr(begin, end - begin);
    if (partial_.empty()) {
      AppendBlock(line);
    } else {
      partial_ += line;
      AppendBlock(partial_);
      partial_.clear();
    }
    begin = end + 1;
    if (block[end] == '\r') {
      if (begin == block.size()) {
        after_cr_ = true;  // an LF at the start of the next block belongs here
      } else if (block[begin] == '\n') {
        ++begin;
      }
      next_cr = block.find('\r', begin);
    }
    if (next_lf < begin) next_lf = block.find('\n', begin);
  }
  if (end_of_file != std::string_view::npos) EndInput();
}

void ScriptBuilder::EndInput() {
  if (ended_) return;
  if (!partial_.empty()) AppendBlock(partial_);  // a last line needs no line end
  partial_.clear();
  ended_ = true;
}

void ScriptBuilder::AppendBlock(std::string_view raw) {
  const std::string_view trimmed = Trim(raw);
  if (trimmed.empty()) return;  // blank lines leave no trace
  Append("# DOS: ");
  Append(raw);
  buffer_ += '\n';
  // The notes follow the comment in the script, and rules only ever append
  // to them, so the script's buffer serves as the notes buffer.
  const std::string translation = TranslateLine(trimmed, Notes(buffer_, *this));
  if (!translation.empty()) {
    Append(translation);
    buffer_ += '\n';
  }
  buffer_ += '\n';
  if (buffer_.size() >= Notes::kDrainAt) Drain(buffer_);
}

void ScriptBuilder::Append(std::string_view piece) {
  if (piece.size() < Notes::kDrainAt) {
    buffer_ += piece;
    return;
  }
  Drain(buffer_);
  output_.Write(piece);
}

void ScriptBuilder::Drain(std::string& text) {
  output_.Take(text);
  // A huge note grew the buffer: give the memory back for the lines to come.
  if (text.capacity() > 8 * Notes::kDrainAt) std::string().swap(text);
}

namespace {

class StringOutput : public ScriptOutput {
 public:
  void Write(std::string_view bytes) override { text += bytes; }
  std::string text;
};

}  // namespace

std::string BuildScript(std::string_view batch) {
  StringOutput output;
  ScriptBuilder builder(output);
  builder.Feed(batch);
  builder.Finish();
  return std::move(output.text);
}

}  // namespace morvex
