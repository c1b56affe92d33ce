// Turning one batch line into its sh translation and the notes about what has
// no translation.

#ifndef MORVEX_TRANSLATOR_TRANSLATE_LINE_H_
#define MORVEX_TRANSLATOR_TRANSLATE_LINE_H_

#include <string>
#include <string_view>

#include "translator/notes.h"

namespace morvex {

/// Translates one batch line, already trimmed of spaces by the caller, and
/// returns the translation (possibly empty; several lines joined by LF only for
/// a loop). Whatever has no translation becomes note lines appended to `notes`:
/// each begins with "#" and ends in one LF. Every line is accepted, and the same
/// line always gives the same result.
std::string TranslateLine(std::string_view line, Notes notes);

/// "# no POSIX equivalent to " followed by `word`, without LF.
std::string NoPosixEquivalent(std::string_view word);

/// "# ", `word` and " not implemented yet", without LF.
std::string NotImplemented(std::string_view word);

}  // namespace morvex

#endif  // MORVEX_TRANSLATOR_TRANSLATE_LINE_H_
