// The script's layout: a header, then one block per non-blank batch line.

#ifndef MORVEX_DRIVER_SCRIPT_BUILDER_H_
#define MORVEX_DRIVER_SCRIPT_BUILDER_H_

#include <string>
#include <string_view>

#include "translator/notes.h"

namespace morvex {

/// A UTF-8 byte-order mark: dropped at the start of a batch file.
inline constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

/// Ctrl-Z: MS-DOS text files end with it, and cmd stops reading there.
inline constexpr char kEndOfFile = 26;

/// Where the bytes of a script go, in order.
class ScriptOutput {
 public:
  virtual void Write(std::string_view bytes) = 0;

  /// Writes `buffer` and leaves it empty; an output may keep the string itself
  /// and give back another in its place.
  virtual void Take(std::string& buffer) {
    Write(buffer);
    buffer.clear();
  }

 protected:
  ~ScriptOutput() = default;
};

/// Turns the bytes of a batch file, fed in blocks of any size split anywhere,
/// into the bytes of its script, which go to an output as they are made.
///
/// LF, CR LF and a lone CR each end a line; a Ctrl-Z byte ends the input; a
/// UTF-8 byte-order mark at the very start is dropped. Every other byte passes
/// through, so each raw line reappears byte for byte in its comment.
///
/// Memory is bounded by the longest line, whatever the size of the script:
/// only a line that spans two blocks is copied, small pieces of the script
/// gather in a buffer of about a MiB, and a large piece (the comment or the
/// translation of a long line) goes to the output directly.
class ScriptBuilder : private NoteDrain {
 public:
  /// Writes the header to `output`, which must outlive the builder.
  explicit ScriptBuilder(ScriptOutput& output);

  /// Converts every line that `block` completes.
  void Feed(std::string_view block);

  /// Converts the last line, which needs no line end, and passes on what is
  /// left in the buffer.
  void Finish();

  /// True once a Ctrl-Z has ended the input: what follows is not looked at.
  bool ended() const { return ended_; }

 private:
  void Split(std::string_view block);
  void EndInput();
  void AppendBlock(std::string_view raw);
  void Append(std::string_view piece);
  void Drain(std::string& text) override;

  ScriptOutput& output_;
  std::string buffer_;     // script bytes not yet passed on
  std::string partial_;    // the start of a line that the next block completes
  bool at_start_ = true;   // nothing fed yet: a byte-order mark may follow
  bool after_cr_ = false;  // the last line ended in CR: an LF next belongs to it
  bool ended_ = false;
};

/// The script of a whole batch file held in memory.
std::string BuildScript(std::string_view batch);

}  // namespace morvex

#endif  // MORVEX_DRIVER_SCRIPT_BUILDER_H_
