// Turning one batch line into its sh translation and the notes about what has
// no translation.

#ifndef MORVEX_TRANSLATOR_TRANSLATE_LINE_H_
#define MORVEX_TRANSLATOR_TRANSLATE_LINE_H_

#include <string>
#include <string_view>

namespace morvex {

/// Translates one batch line, already trimmed of spaces by the caller, and
/// returns the translation (possibly empty; several lines joined by LF only for
/// a loop). Whatever has no translation becomes note lines appended to `notes`:
/// each begins with "#" and ends in one LF. Every line is accepted, and the same
/// line always gives the same result.
std::string TranslateLine(std::string_view line, std::string& notes);

/// "# no POSIX equivalent to " followed by `word`, without LF.
std::string NoPosixEquivalent(std::string_view word);

/// "# ", `word` and " not implemented yet", without LF.
std::string NotImplemented(std::string_view word);

/// The rewriting steps the rules share. Each returns the rewritten text and may
/// append note lines to `notes`.

/// Switches ("/x") become option words (" -x"), backslashes become slashes and
/// drive colons become underscores; notes say so once each.
std::string TranslateArguments(std::string_view text, std::string& notes);

/// A statement that shows, clears or sets the search path ("path", "path;",
/// "path c:\dos;c:\bin", or "PATH=..." from a set line) in its sh form.
std::string TranslatePathCommand(std::string_view statement, std::string& notes);

/// "%%i", "%1" and "%NAME%" become "$i", "$1" and "$NAME". Appends no note.
std::string TranslateVariables(std::string_view text, std::string& notes);

}  // namespace morvex

#endif  // MORVEX_TRANSLATOR_TRANSLATE_LINE_H_
