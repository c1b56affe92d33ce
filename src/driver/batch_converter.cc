#include "driver/batch_converter.h"

#include <algorithm>
#include <utility>

#include "translator/text.h"
#include "translator/translate_line.h"

namespace morvex {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr char kEndOfFile = 26;  // Ctrl-Z: MS-DOS text files end with it

}  // namespace

BatchConverter::BatchConverter(std::string& out) : out_(out) {
  out_ += "#!/bin/sh\n\n";
}

void BatchConverter::Feed(std::string_view block) {
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

void BatchConverter::Finish() {
  if (at_start_) {
    at_start_ = false;
    Split(std::exchange(partial_, {}));  // too short to be a byte-order mark
  }
  EndInput();
}

void BatchConverter::Split(std::string_view block) {
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
      ConvertLine(line);
    } else {
      partial_ += line;
      ConvertLine(partial_);
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

void BatchConverter::EndInput() {
  if (ended_) return;
  if (!partial_.empty()) ConvertLine(partial_);  // a last line needs no line end
  partial_.clear();
  ended_ = true;
}

void BatchConverter::ConvertLine(std::string_view raw) {
  const std::string_view trimmed = Trim(raw);
  if (trimmed.empty()) return;  // blank lines leave no trace
  out_ += "# DOS: ";
  out_ += raw;
  out_ += '\n';
  // The notes follow the comment in the script, and rules only ever append
  // to them, so the script itself serves as the notes buffer: a line whose
  // notes are large is not held twice.
  const std::string translation = TranslateLine(trimmed, out_);
  if (!translation.empty()) {
    out_ += translation;
    out_ += '\n';
  }
  out_ += '\n';
}

std::string ConvertBatchText(std::string_view input) {
  std::string out;
  BatchConverter converter(out);
  converter.Feed(input);
  converter.Finish();
  return out;
}

}  // namespace morvex
