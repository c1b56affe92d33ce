// The text of a script as the generator builds it: lines at an indentation,
// the runtime helpers they call, and holes for what is known only once the
// whole batch file has been read (the script's line numbers and where each
// goto lands).

#ifndef MORVEX_GENERATOR_SCRIPT_WRITER_H_
#define MORVEX_GENERATOR_SCRIPT_WRITER_H_

#include <functional>
#include <initializer_list>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "generator/helper_names.h"

namespace morvex {

class ScriptWriter {
 public:
  /// Fills a hole: `line` is the script's line number where the hole stands,
  /// and the text it gives replaces it (it may span lines).
  using HoleFiller = std::function<std::string(size_t payload, size_t line)>;

  /// Appends one line at the current indentation. `text` must hold no NUL.
  void Line(std::string_view text);
  /// Appends a comment line: `prefix`, then `text` with NUL bytes and
  /// carriage returns left out and each line feed starting another comment.
  void Comment(std::string_view prefix, std::string_view text);
  /// Appends lines exactly as given, each at the current indentation.
  void Lines(std::string_view text);
  void Indent() { indent_ += 2; }
  void Dedent() { indent_ -= 2; }
  int indent() const { return indent_; }

  /// A hole for a filler, to be written into a line: a NUL byte, the
  /// filler's number and the payload's, and a ";".
  static std::string Hole(int filler, size_t payload);
  /// A hole that becomes the number of the script line it ends up on.
  static std::string LineNumberHole() { return Hole(kLineNumber, 0); }

  /// Records that the script calls a runtime helper (or reads a variable that
  /// a runtime file sets up).
  void Use(Helper helper) { used_.insert(helper); }
  void Use(std::initializer_list<Helper> helpers) { used_.insert(helpers); }
  const std::set<Helper>& used() const { return used_; }

  /// Writes `head`, which holds no holes, and then the body with every hole
  /// filled, through `write`; `fillers[i]` fills the holes of filler i.
  void Assemble(std::string_view head, const std::vector<HoleFiller>& fillers,
                const std::function<void(std::string_view)>& write) const;

  /// The text written since the last sealed piece: what the generator may
  /// look back on or take away within one statement.
  std::string& text() { return text_; }
  /// Between statements: sets what is written so far aside once it is large,
  /// so that a long script grows in pieces instead of being copied whenever
  /// one string outgrows its memory. Holes never span pieces.
  void Seal();
  /// True when the whole script so far holds `needle` within a line.
  bool Contains(std::string_view needle) const;
  /// True when the whole script so far holds a line that is not a comment.
  /// Holes of the filler `vanishing`, which may be filled with nothing, do
  /// not count as commands at a line's start.
  bool HasAnyCommand(int vanishing) const;

  static constexpr int kLineNumber = 0;

  /// True when `text` holds a line that is not a comment: an sh group or
  /// branch must hold at least one command. Holes of the filler `vanishing`
  /// at a line's start are passed over.
  static bool HasCommand(std::string_view text, int vanishing = -1);

 private:
  static constexpr size_t kPieceSize = size_t{1} << 20;

  std::vector<std::string> sealed_;
  std::string text_;
  int indent_ = 0;
  std::set<Helper> used_;
};

}  // namespace morvex

#endif  // MORVEX_GENERATOR_SCRIPT_WRITER_H_
