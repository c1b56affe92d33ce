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

}  // namespace

size_t WorkingLine::FindFirstOf(std::string_view bytes) const {
  const size_t in_head = Head().find_first_of(bytes);
  if (in_head != npos) return in_head;
  const size_t in_tail = tail_.find_first_of(bytes);
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
  for (Memo& memo : memos_) {
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
  for (Memo& memo : memos_) {
    if (memo.next + memo.needle.size() > keep) memo.found = false;
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
  memos_.clear();
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
    if (head_begin_ > 0) {
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
  for (Memo& memo : memos_) {
    if (memo.needle.find(' ') != std::string::npos) {
      memo.next = 0;
      memo.found = false;
    } else if (memo.next < begin) {
      if (memo.found && memo.next + memo.needle.size() > begin) memo.found = false;
    } else if (memo.next < end) {
      memo.next = begin;
      memo.found = false;
    } else {
      memo.next -= removed;
    }
  }
}

size_t WorkingLine::Search(std::string_view needle, bool folded) {
  auto memo = std::find_if(memos_.begin(), memos_.end(),
                           [&](const Memo& m) { return m.folded == folded && m.needle == needle; });
  if (memo == memos_.end()) {
    memos_.push_back(Memo{std::string(needle), folded, 0, false});
    memo = memos_.end() - 1;
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
