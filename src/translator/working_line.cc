#include "translator/working_line.h"

#include <algorithm>

#include "translator/text.h"
#include "translator/translate_line.h"

namespace morvex {
namespace {

size_t FindIn(std::string_view hay, std::string_view needle, bool folded, size_t from) {
  if (!folded) return hay.find(needle, from);
  if (needle.empty()) return from <= hay.size() ? from : WorkingLine::npos;
  for (size_t i = from; i + needle.size() <= hay.size(); ++i) {
    size_t j = 0;
    while (j < needle.size() && ToUpperAscii(hay[i + j]) == needle[j]) ++j;
    if (j == needle.size()) return i;
  }
  return WorkingLine::npos;
}

// The position of the first of one to three `bytes` in `text`, or npos. The
// scan stops at the first byte found, so it costs what the text up to there
// costs, and it compares each byte directly: on the lines of real files the
// word ends within a few bytes, where a lookup table would cost more to build
// than the scan.
size_t FindAnyOf(std::string_view text, std::string_view bytes) {
  if (bytes.size() == 1) return text.find(bytes[0]);
  const char first = bytes[0];
  const char second = bytes[1];
  const char third = bytes.size() > 2 ? bytes[2] : second;
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == first || c == second || c == third) return i;
  }
  return WorkingLine::npos;
}

}  // namespace

size_t WorkingLine::FindFirstOf(std::string_view bytes) const {
  const size_t in_head = FindAnyOf(Head(), bytes);
  if (in_head != npos) return in_head;
  const size_t in_tail = FindAnyOf(tail_, bytes);
  return in_tail == npos ? npos : HeadSize() + in_tail;
}

std::string WorkingLine::Copy(size_t pos, size_t n) const {
  std::string out;
  pos = std::min(pos, size());
  const size_t end = pos + std::min(n, size() - pos);
  const size_t head_size = HeadSize();
  if (pos < head_size) out.append(Head().substr(pos, std::min(end, head_size) - pos));
  if (end > head_size) {
    const size_t from = std::max(pos, head_size) - head_size;
    out.append(tail_.substr(from, end - head_size - from));
  }
  return out;
}

std::string_view WorkingLine::View() {
  if (HeadSize() > 0) {
    std::string joined;
    joined.reserve(size());
    joined.append(Head()).append(tail_);
    Own(std::move(joined));  // the text is the same, so what searches found stays true
  }
  return tail_;
}

void WorkingLine::RemovePrefix(size_t n) {
  n = std::min(n, size());
  const size_t head_size = HeadSize();
  if (n < head_size) {
    head_begin_ += n;
  } else {
    tail_.remove_prefix(n - head_size);
    head_.clear();
    head_begin_ = 0;
  }
  for (Memo& memo : Memos()) {
    if (memo.next >= n) {
      memo.next -= n;
    } else {
      memo.next = 0;
      memo.found = false;
    }
  }
}

void WorkingLine::TrimFront() {
  size_t spaces = 0;
  while (spaces < size() && (*this)[spaces] == ' ') ++spaces;
  RemovePrefix(spaces);
}

void WorkingLine::TrimBack() {
  size_t keep = size();
  while (keep > 0 && (*this)[keep - 1] == ' ') --keep;
  const size_t head_size = HeadSize();
  if (keep >= head_size) {
    tail_.remove_suffix(tail_.size() - (keep - head_size));
  } else {
    tail_ = {};
    head_.resize(head_begin_ + keep);
  }
  for (Memo& memo : Memos()) {
    if (memo.next + memo.size > keep) memo.found = false;
  }
}

void WorkingLine::Own(std::string text) {
  own_ = std::move(text);
  tail_ = own_;
  head_.clear();
  head_begin_ = 0;
}

void WorkingLine::Replace(std::string text) {
  Own(std::move(text));
  memo_count_ = 0;
}

void WorkingLine::RewriteVariables(std::string& notes) {
  if (variables_rewritten_) return;
  Replace(TranslateVariables(View(), notes));
  variables_rewritten_ = true;
}

void WorkingLine::CutJoining(size_t pos, size_t n) {
  size_t begin = std::min(pos, size());
  size_t end = std::min(size() - begin, n) + begin;
  while (begin > 0 && (*this)[begin - 1] == ' ') --begin;
  while (end < size() && (*this)[end] == ' ') ++end;

  // A cut that lies wholly inside the kept part never happens in a chain (the
  // kept part holds nothing that is cut), but stays correct: join first.
  if (end < HeadSize()) View();
  const size_t head_size = HeadSize();
  if (begin >= head_size) {
    // What was cut off the front is dropped once it outweighs what is kept,
    // so each byte is moved a bounded number of times however long the chain.
    if (head_begin_ > head_size) {
      head_.erase(0, head_begin_);
      head_begin_ = 0;
    }
    head_.append(tail_.substr(0, begin - head_size));
  } else {
    head_.resize(head_begin_ + begin);
  }
  head_ += ' ';
  tail_.remove_prefix(end - head_size);

  const size_t removed = end - begin - 1;  // net: one space replaces the cut
  for (Memo& memo : Memos()) {
    if (memo.Needle().find(' ') != std::string_view::npos) {
      memo.next = 0;
      memo.found = false;
    } else if (memo.next < begin) {
      if (memo.found && memo.next + memo.size > begin) memo.found = false;
    } else if (memo.next < end) {
      memo.next = begin;
      memo.found = false;
    } else {
      memo.next -= removed;
    }
  }
}

size_t WorkingLine::Search(std::string_view needle, bool folded) {
  Memo* memo = std::find_if(memos_, memos_ + memo_count_, [&](const Memo& m) {
    return m.folded == folded && m.Needle() == needle;
  });
  Memo fresh{};
  if (memo == memos_ + memo_count_) {
    if (memo_count_ == std::size(memos_) || needle.size() > sizeof fresh.needle) {
      memo = &fresh;  // not remembered: searched from the front
    } else {
      ++memo_count_;
    }
    needle.copy(fresh.needle, needle.size());
    fresh.size = static_cast<unsigned char>(needle.size());
    fresh.folded = folded;
    *memo = fresh;
  }
  if (memo->found) return memo->next;

  // Needles hold no space and the kept part ends in the space that joins it
  // to the rest, so no occurrence runs from one into the other.
  size_t at = npos;
  const size_t head_size = HeadSize();
  size_t from = memo->next;
  if (from < head_size) {
    at = FindIn(Head(), needle, folded, from);
    from = head_size;
  }
  if (at == npos) {
    const size_t in_tail = FindIn(tail_, needle, folded, from - head_size);
    if (in_tail != npos) at = head_size + in_tail;
  }
  if (at == npos) {
    memo->next = size();
    return npos;
  }
  memo->next = at;
  memo->found = true;
  return at;
}

}  // namespace morvex
