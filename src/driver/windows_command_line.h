// What the Windows program does with its raw command line and its UTF-16 text,
// kept free of Windows headers so that every platform builds and tests it.

#ifndef MORVEX_DRIVER_WINDOWS_COMMAND_LINE_H_
#define MORVEX_DRIVER_WINDOWS_COMMAND_LINE_H_

#include <string>
#include <string_view>

namespace morvex {

/// The argument string of a raw Windows command line: what follows the
/// program's own name, trimmed of spaces and not unquoted.
///
/// The program name is skipped as Windows quotes it: one that starts with a
/// quote runs to the next quote (a backslash escapes nothing, and without a
/// closing quote the whole line is the name); any other runs to the first space
/// or tab. The spaces and tabs that separate it from the argument string are
/// skipped, then trailing spaces are removed. Quotes in the argument string
/// stay, and so do the spaces inside it.
std::u16string_view ArgumentsAfterProgramName(std::u16string_view command_line);

/// UTF-16 text as UTF-8 for the shared code. A surrogate without its partner,
/// which Windows allows in file names, becomes the three bytes that encode its
/// value, so that Utf16FromUtf8 gives it back and every such name still works.
std::string Utf8FromUtf16(std::u16string_view text);

/// The reverse of Utf8FromUtf16. A byte that starts no valid sequence becomes
/// U+FFFD; text that came from Utf8FromUtf16 always converts back unchanged.
std::u16string Utf16FromUtf8(std::string_view text);

}  // namespace morvex

#endif  // MORVEX_DRIVER_WINDOWS_COMMAND_LINE_H_
