// The script's layout: a header, then one block per non-blank batch line.

#ifndef MORVEX_DRIVER_BATCH_CONVERTER_H_
#define MORVEX_DRIVER_BATCH_CONVERTER_H_

#include <string>
#include <string_view>

namespace morvex {

/// Turns the bytes of a batch file, fed in blocks of any size split anywhere,
/// into the bytes of its script, appended to an output buffer that the caller
/// may drain between calls.
///
/// LF, CR LF and a lone CR each end a line; a Ctrl-Z byte ends the input; a
/// UTF-8 byte-order mark at the very start is dropped. Every other byte passes
/// through, so each raw line reappears byte for byte in its comment. Memory is
/// bounded by the longest line: only a line that spans two blocks is copied.
class BatchConverter {
 public:
  /// Appends the header to `out`, which must outlive the converter.
  explicit BatchConverter(std::string& out);

  /// Converts every line that `block` completes.
  void Feed(std::string_view block);

  /// Converts the last line, which needs no line end.
  void Finish();

  /// True once a Ctrl-Z has ended the input: what follows is not looked at.
  bool ended() const { return ended_; }

 private:
  void Split(std::string_view block);
  void EndInput();
  void ConvertLine(std::string_view raw);

  std::string& out_;
  std::string partial_;    // the start of a line that the next block completes
  bool at_start_ = true;   // nothing fed yet: a byte-order mark may follow
  bool after_cr_ = false;  // the last line ended in CR: an LF next belongs to it
  bool ended_ = false;
};

/// Converts a whole batch file held in memory.
std::string ConvertBatchText(std::string_view input);

}  // namespace morvex

#endif  // MORVEX_DRIVER_BATCH_CONVERTER_H_
