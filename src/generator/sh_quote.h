// Quoting for sh: how bytes from a batch file become words that dash reads
// back as the same bytes, with no expansion, splitting or globbing.

#ifndef MORVEX_GENERATOR_SH_QUOTE_H_
#define MORVEX_GENERATOR_SH_QUOTE_H_

#include <string>
#include <string_view>

namespace morvex {

/// One sh word whose value is `text`: the text itself when it holds no
/// character the shell treats specially, otherwise single-quoted. NUL bytes,
/// which no sh word can hold, are left out.
std::string ShellQuote(std::string_view text);

/// `text` escaped for use between double quotes: `\`, `"`, `$` and "`" get a
/// backslash. NUL bytes are left out.
std::string DoubleQuoted(std::string_view text);

/// `text` as it may stand in a comment line: NUL bytes and carriage returns
/// are left out, and a line feed ends the comment's line and starts another.
std::string CommentText(std::string_view text);

}  // namespace morvex

#endif  // MORVEX_GENERATOR_SH_QUOTE_H_
