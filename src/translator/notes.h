// Where the rules put their note lines.

#ifndef MORVEX_TRANSLATOR_NOTES_H_
#define MORVEX_TRANSLATOR_NOTES_H_

#include <cstddef>
#include <string>
#include <string_view>

namespace morvex {

/// Takes the text out of a buffer that has grown large, and leaves it empty:
/// the driver writes it to the script.
class NoteDrain {
 public:
  virtual void Drain(std::string& text) = 0;

 protected:
  ~NoteDrain() = default;
};

/// A handle on the notes buffer, passed by value. Each note line is appended
/// to a string. With a drain, the string is handed to it whenever it passes
/// kDrainAt bytes, so a line whose notes run to gigabytes needs no more memory
/// than its longest note.
class Notes {
 public:
  static constexpr size_t kDrainAt = 1 << 20;

  /// Notes kept in `text`, after what it already holds.
  Notes(std::string& text) : text_(&text) {}  // NOLINT: a string is a notes buffer
  Notes(std::string& text, NoteDrain& drain) : text_(&text), drain_(&drain) {}

  /// Appends one note line made of `pieces`, and the LF that ends it.
  template <typename... Pieces>
  void Append(const Pieces&... pieces) {
    ((*text_ += pieces), ...);
    *text_ += '\n';
    if (drain_ != nullptr && text_->size() >= kDrainAt) drain_->Drain(*text_);
  }

 private:
  std::string* text_;
  NoteDrain* drain_ = nullptr;
};

}  // namespace morvex

#endif  // MORVEX_TRANSLATOR_NOTES_H_
