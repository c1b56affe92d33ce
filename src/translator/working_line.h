// The text that a line's rules work on, shared by a chain of nested commands.

#ifndef MORVEX_TRANSLATOR_WORKING_LINE_H_
#define MORVEX_TRANSLATOR_WORKING_LINE_H_

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace morvex {

/// TranslateLine's working copy of its line. A rule that carries a command of
/// its own ("if", "for", "lh", "doskey", the "cd\" shorthand) cuts its line
/// down to that command here, and TranslateLine goes on with it: a chain of
/// nested commands is one pass over one text, not a recursion over ever
/// shorter copies. Positions are 0-based from the current front.
///
/// The text lies in one buffer: the caller's line, until a rule rewrites the
/// text (the loop's variables, the "cd\" shorthand) or cuts an "/insert" out of
/// it; from then on a copy of its own. Dropping the front only moves an
/// offset. A cut leaves a gap in the buffer: the text is the part before the
/// gap, which ends in the space that replaced the cut, and the part after it.
/// A later cut, further right, moves only the bytes between the two cuts, so a
/// chain of cuts moves each byte once. `Join` closes the gap for the rules
/// that read the text whole.
///
/// The few searches that may run far ahead of the front remember how far they
/// have looked, so a chain of a hundred thousand conditions scans its line
/// about once for each of them.
class WorkingLine {
 public:
  static constexpr size_t npos = std::string_view::npos;

  /// The far searches: "=", and the keywords, compared ignoring case.
  enum Far { kEquals, kErrorlevel, kExist, kDefined, kInsert, kFarCount };

  /// What the search `what` looks for; letters in lower case.
  static std::string_view Needle(Far what);

  explicit WorkingLine(std::string_view line);
  WorkingLine(const WorkingLine&) = delete;
  WorkingLine& operator=(const WorkingLine&) = delete;

  size_t size() const { return (gap_begin_ - front_) + (end_ - gap_end_); }
  bool empty() const { return size() == 0; }
  char operator[](size_t pos) const { return data_[Index(pos)]; }

  /// True while the text lies in one piece: always, but between a cut and
  /// `Join`.
  bool joined() const { return gap_begin_ == gap_end_; }

  /// The whole text. Only while `joined()`.
  std::string_view text() const { return std::string_view(data_ + front_, end_ - front_); }

  /// Makes the text one piece again.
  void Join();

  /// The position of the first occurrence of `what`, or npos.
  size_t Find(Far what);

  /// The position of the first byte that is one of `bytes` (one to three of
  /// them), or npos. The scan stops at the first byte found.
  size_t FindFirstOf(std::string_view bytes) const;

  /// A copy of up to `n` bytes from `pos`.
  std::string Copy(size_t pos, size_t n = npos) const;

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
  void RewriteVariables();

  /// Removes the first "/insert" (in any case), and the spaces on both sides
  /// of it, and puts one space in their place. Does nothing without one.
  void CutInsert();

 private:
  // Where the far search `what` has got to: no occurrence starts before
  // `next`, and `found` says whether one starts exactly there.
  struct Cursor {
    size_t next = 0;
    bool found = false;
  };

  size_t Index(size_t pos) const {
    const size_t before_gap = gap_begin_ - front_;
    return pos < before_gap ? front_ + pos : gap_end_ + (pos - before_gap);
  }
  // Makes the buffer this object's own, so that it can be written.
  void Own();
  void Rebase(std::string text);

  // The text is data_[front_, gap_begin_) followed by data_[gap_end_, end_).
  const char* data_;
  size_t front_ = 0;
  size_t gap_begin_;
  size_t gap_end_;
  size_t end_;
  std::string own_;  // the buffer, once the text is no longer the caller's line
  bool owned_ = false;
  std::array<Cursor, kFarCount> cursors_ = {};
  bool searched_ = false;  // whether any cursor has moved
  bool variables_rewritten_ = false;
};

}  // namespace morvex

#endif  // MORVEX_TRANSLATOR_WORKING_LINE_H_
