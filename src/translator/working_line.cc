#include "translator/working_line.h"

#include <algorithm>
#include <cstring>

#include "translator/rewriting.h"
#include "translator/text.h"

namespace morvex {
namespace {

// The needles of the far searches, the keywords in lower case. None holds a
// space, so none runs across the space that joins the two parts of a cut text.
constexpr std::string_view kNeedles[WorkingLine::kFarCount] = {"=", "errorlevel", "exist",
                                                               "defined", "/insert"};

// The position of the first of one to three `bytes` in `text`, or npos. On the
// lines of real files the word ends within a few bytes, where comparing each
// byte directly costs less than building a lookup table.
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

size_t FindNeedle(std::string_view text, WorkingLine::Far what, size_t from) {
  if (what == WorkingLine::kEquals) return text.find('=', from);
  return FindFolded(text, kNeedles[what], from);
}

}  // namespace

std::string_view WorkingLine::Needle(Far what) {
  return kNeedles[what];
}

WorkingLine::WorkingLine(std::string_view line)
    : data_(line.data()), gap_begin_(line.size()), gap_end_(line.size()), end_(line.size()) {}

void WorkingLine::Join() {
  if (joined()) return;
  // The smaller part moves, so a cut costs at most the text once more.
  char* const data = own_.data();
  const size_t before_gap = gap_begin_ - front_;
  const size_t after_gap = end_ - gap_end_;
  if (before_gap <= after_gap) {
    std::memmove(data + gap_end_ - before_gap, data + front_, before_gap);
    front_ = gap_end_ - before_gap;
  } else {
    std::memmove(data + gap_begin_, data + gap_end_, after_gap);
    end_ = gap_begin_ + after_gap;
  }
  gap_begin_ = gap_end_ = end_;
}

size_t WorkingLine::Find(Far what) {
  searched_ = true;
  Cursor& cursor = cursors_[what];
  if (cursor.found) return cursor.next;
  const size_t before_gap = gap_begin_ - front_;
  const std::string_view first(data_ + front_, before_gap);
  const std::string_view second(data_ + gap_end_, end_ - gap_end_);
  size_t at = npos;
  if (cursor.next < before_gap) at = FindNeedle(first, what, cursor.next);
  if (at == npos) {
    const size_t in_second =
        FindNeedle(second, what, std::max(cursor.next, before_gap) - before_gap);
    if (in_second != npos) at = before_gap + in_second;
  }
  if (at == npos) {
    cursor.next = size();
    return npos;
  }
  cursor = {at, true};
  return at;
}

size_t WorkingLine::FindFirstOf(std::string_view bytes) const {
  const size_t before_gap = gap_begin_ - front_;
  const size_t in_first = FindAnyOf(std::string_view(data_ + front_, before_gap), bytes);
  if (in_first != npos) return in_first;
  const size_t in_second = FindAnyOf(std::string_view(data_ + gap_end_, end_ - gap_end_), bytes);
  return in_second == npos ? npos : before_gap + in_second;
}

std::string WorkingLine::Copy(size_t pos, size_t n) const {
  pos = std::min(pos, size());
  n = std::min(n, size() - pos);
  std::string out;
  out.reserve(n);
  const size_t before_gap = gap_begin_ - front_;
  if (pos < before_gap) {
    const size_t first = std::min(n, before_gap - pos);
    out.append(data_ + front_ + pos, first);
    pos += first;
    n -= first;
  }
  if (n > 0) out.append(data_ + gap_end_ + (pos - before_gap), n);
  return out;
}

void WorkingLine::RemovePrefix(size_t n) {
  n = std::min(n, size());
  if (n == 0) return;
  const size_t before_gap = gap_begin_ - front_;
  if (n < before_gap) {
    front_ += n;
  } else {
    front_ = gap_end_ + (n - before_gap);
    gap_begin_ = gap_end_ = end_;
  }
  if (!searched_) return;
  for (Cursor& cursor : cursors_) {
    if (cursor.next >= n) {
      cursor.next -= n;
    } else {
      cursor = {};
    }
  }
}

void WorkingLine::TrimFront() {
  if (empty() || (*this)[0] != ' ') return;
  size_t spaces = 0;
  while (spaces < size() && (*this)[spaces] == ' ') ++spaces;
  RemovePrefix(spaces);
}

void WorkingLine::TrimBack() {
  size_t keep = size();
  while (keep > 0 && (*this)[keep - 1] == ' ') --keep;
  const size_t before_gap = gap_begin_ - front_;
  if (keep >= before_gap) {
    end_ = gap_end_ + (keep - before_gap);
  } else {
    end_ = gap_begin_ = gap_end_ = front_ + keep;
  }
  if (!searched_) return;
  for (size_t what = 0; what < kFarCount; ++what) {
    Cursor& cursor = cursors_[what];
    if (cursor.next + kNeedles[what].size() > keep) cursor.found = false;
  }
}

void WorkingLine::Own() {
  if (!owned_) Rebase(Copy(0));
}

void WorkingLine::Rebase(std::string text) {
  own_ = std::move(text);
  owned_ = true;
  data_ = own_.data();
  front_ = 0;
  gap_begin_ = gap_end_ = end_ = own_.size();
}

void WorkingLine::Replace(std::string text) {
  Rebase(std::move(text));
  cursors_ = {};
  searched_ = false;
}

void WorkingLine::RewriteVariables() {
  if (variables_rewritten_) return;
  Join();
  Replace(TranslateVariables(text()));
  variables_rewritten_ = true;
}

void WorkingLine::CutInsert() {
  const size_t at = Find(kInsert);
  if (at == npos) return;
  size_t begin = at;
  size_t end = at + kNeedles[kInsert].size();
  while (begin > 0 && (*this)[begin - 1] == ' ') --begin;
  while (end < size() && (*this)[end] == ' ') ++end;

  // Bring the gap to the cut, moving what lies between them, then widen it
  // over the cut and put the joining space at its start. The cut is at least
  // as long as the word, so the space fits.
  Own();
  char* const data = own_.data();
  const size_t before_gap = gap_begin_ - front_;
  if (before_gap < begin) {
    const size_t moved = begin - before_gap;
    std::memmove(data + gap_begin_, data + gap_end_, moved);
    gap_begin_ += moved;
    gap_end_ += moved;
  } else if (before_gap > end) {
    const size_t moved = before_gap - end;
    std::memmove(data + gap_end_ - moved, data + front_ + end, moved);
    gap_begin_ -= moved;
    gap_end_ -= moved;
  }
  const size_t gap_at = gap_begin_ - front_;  // now within [begin, end]
  gap_end_ += end - gap_at;
  gap_begin_ = front_ + begin;
  data[gap_begin_++] = ' ';

  const size_t removed = end - begin - 1;  // net: one space replaces the cut
  for (size_t what = 0; what < kFarCount; ++what) {
    Cursor& cursor = cursors_[what];
    if (cursor.next < begin) {
      if (cursor.found && cursor.next + kNeedles[what].size() > begin) cursor.found = false;
    } else if (cursor.next < end) {
      cursor = {begin, false};
    } else {
      cursor.next -= removed;
    }
  }
}

}  // namespace morvex
