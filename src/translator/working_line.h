// The text that a line's rules work on, shared by a chain of nested commands.

#ifndef MORVEX_TRANSLATOR_WORKING_LINE_H_
#define MORVEX_TRANSLATOR_WORKING_LINE_H_

#include <span>
#include <string>
#include <string_view>

namespace morvex {

/// TranslateLine's own copy of its line. A rule that carries a command of its
/// own ("if", "for", "lh", "doskey", the "cd\" shorthand) cuts its line down to
/// that command here, and TranslateLine goes on with it: a chain of nested
/// commands is one pass over one text, not a recursion over ever shorter
/// copies. Positions are 0-based from the current front.
///
/// The text is a view of the caller's line until a rule replaces it whole (the
/// loop's rewritten variables, the "cd\" shorthand) or the alias rule cuts an
/// "/insert" out of its middle. Then the part before the cut is kept in a
/// buffer of its own, ending in the one space that joins it to the rest, and
/// the rest stays a view. Cuts happen ever further right, so each byte is
/// copied into that buffer at most once.
///
/// Searches that may run far ahead of the front ("=", the condition keywords,
/// "/insert") remember how far they have looked, so a chain of a hundred
/// thousand conditions scans its line about once for each of them.
class WorkingLine {
 public:
  static constexpr size_t npos = std::string_view::npos;

  explicit WorkingLine(std::string_view line) : tail_(line) {}

  size_t size() const { return HeadSize() + tail_.size(); }
  bool empty() const { return size() == 0; }
  char operator[](size_t pos) const {
    return pos < HeadSize() ? head_[head_begin_ + pos] : tail_[pos - HeadSize()];
  }

  /// The position of the first `c`, or npos.
  size_t Find(char c) { return Search(std::string_view(&c, 1), false); }

  /// The position of the first occurrence of `upper_word`, which is written in
  /// upper case and holds no space, with letters compared ignoring case.
  size_t FindFolded(std::string_view upper_word) { return Search(upper_word, true); }

  /// The position of the first byte that is one of `bytes` (one to three of
  /// them), or npos.
  size_t FindFirstOf(std::string_view bytes) const;

  /// A copy of up to `n` bytes from `pos`.
  std::string Copy(size_t pos, size_t n = npos) const;

  /// The whole text in one piece.
  std::string_view View();

  void RemovePrefix(size_t n);  // everything, when n is past the end
  void TrimFront();
  void TrimBack();
  void Trim() {
    TrimFront();
    TrimBack();
  }

  /// Makes `text` the whole text.
  void Replace(std::string text);

  /// Rewrites the variable references of the whole text, the first time only.
  /// The rewriting leaves no "%" but a lone one at the very end, which it keeps,
  /// so a nested command cut from a rewritten text would come out of it
  /// unchanged, and a chain of loops is rewritten once instead of once a level.
  void RewriteVariables(std::string& notes);

  /// Removes [pos, pos + n) together with the spaces on both sides of it and
  /// puts one space in their place.
  void CutJoining(size_t pos, size_t n);

 private:
  // How far one search has looked: no occurrence starts before `next`, and
  // `found` says whether one starts exactly there.
  struct Memo {
    char needle[15];
    unsigned char size;
    bool folded;
    bool found;
    size_t next;
    std::string_view Needle() const { return std::string_view(needle, size); }
  };

  std::span<Memo> Memos() { return std::span<Memo>(memos_, memo_count_); }
  size_t HeadSize() const { return head_.size() - head_begin_; }
  std::string_view Head() const { return std::string_view(head_).substr(head_begin_); }
  size_t Search(std::string_view needle, bool folded);
  void Own(std::string text);

  std::string head_;  // the part before the latest cut, from head_begin_ on
  size_t head_begin_ = 0;
  std::string_view tail_;  // the rest: a view of the caller's line or of own_
  std::string own_;        // the text, once a rule has replaced it
  // A line searches for a handful of needles; held here, they cost no
  // allocation.
  Memo memos_[8];
  size_t memo_count_ = 0;
  bool variables_rewritten_ = false;
};

}  // namespace morvex

#endif  // MORVEX_TRANSLATOR_WORKING_LINE_H_
