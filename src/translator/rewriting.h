// The rewriting steps that the rules share.

#ifndef MORVEX_TRANSLATOR_REWRITING_H_
#define MORVEX_TRANSLATOR_REWRITING_H_

#include <string>
#include <string_view>

#include "translator/notes.h"

namespace morvex {

/// Switches ("/x") become option words (" -x"), backslashes become slashes and
/// drive colons become underscores; notes say so once each.
std::string TranslateArguments(std::string_view text, Notes notes);

/// A statement that shows, clears or sets the search path ("path", "path;",
/// "path c:\dos;c:\bin", or "PATH=..." from a set line) in its sh form.
std::string TranslatePathCommand(std::string_view statement, Notes notes);

/// "%%i", "%1" and "%NAME%" become "$i", "$1" and "$NAME".
std::string TranslateVariables(std::string_view text);

}  // namespace morvex

#endif  // MORVEX_TRANSLATOR_REWRITING_H_
