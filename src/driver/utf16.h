// UTF-16 text, as Windows names files, and UTF-8, as the shared code holds
// them, converted both ways without loss.

#ifndef MORVEX_DRIVER_UTF16_H_
#define MORVEX_DRIVER_UTF16_H_

#include <string>
#include <string_view>

namespace morvex {

/// UTF-16 text as UTF-8 for the shared code. A surrogate without its partner,
/// which Windows allows in file names, becomes the three bytes that encode its
/// value, so that Utf16FromUtf8 gives it back and every such name still works.
std::string Utf8FromUtf16(std::u16string_view text);

/// The reverse of Utf8FromUtf16. A byte that starts no valid sequence becomes
/// U+FFFD; text that came from Utf8FromUtf16 always converts back unchanged.
std::u16string Utf16FromUtf8(std::string_view text);

}  // namespace morvex

#endif  // MORVEX_DRIVER_UTF16_H_
