// Splitting text into fields at delimiter characters, with double-quoted
// fields kept whole, or into its single characters.

#ifndef MORVEX_TEXTSPLIT_TEXT_SPLIT_H_
#define MORVEX_TEXTSPLIT_TEXT_SPLIT_H_

#include <string>
#include <string_view>
#include <vector>

namespace morvex {

/// Replaces `result` with the fields of `text`. Every character of
/// `delimiters` ends a field and belongs to none; a field that begins with a
/// double quote runs to the next double quote (without either quote), and the
/// next field begins directly after that closing quote. An empty `delimiters`
/// splits into single characters, quotes included. A non-empty `delimiters`
/// always yields at least one field.
void SplitQuoted(std::string_view text, std::vector<std::string>& result,
                 std::string_view delimiters);

/// Replaces `result` with the characters of `text`, one string each; an empty
/// text gives an empty result.
void SplitChars(std::string_view text, std::vector<std::string>& result);

}  // namespace morvex

#endif  // MORVEX_TEXTSPLIT_TEXT_SPLIT_H_
