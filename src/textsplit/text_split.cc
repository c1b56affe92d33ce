#include "textsplit/text_split.h"

#include <algorithm>

namespace morvex {

void SplitChars(std::string_view text, std::vector<std::string>& result) {
  result.clear();
  result.reserve(text.size());
  for (char c : text) result.emplace_back(1, c);
}

// Fields are taken off the front of the text one at a time and appended in
// order, so a line of many fields is split in one pass.
void SplitQuoted(std::string_view text, std::vector<std::string>& result,
                 std::string_view delimiters) {
  if (delimiters.empty()) {
    SplitChars(text, result);
    return;
  }
  result.clear();
  // One field per delimiter at most, and one more: reserved at once, a long
  // line's fields are not moved again and again as the array grows.
  size_t found = 0;
  for (const char delimiter : delimiters) {
    found += static_cast<size_t>(std::count(text.begin(), text.end(), delimiter));
  }
  result.reserve(found + 1);
  for (;;) {
    if (!text.empty() && text.front() == '"') {
      const size_t closing = text.find('"', 1);
      if (closing == std::string_view::npos) {
        // An unclosed quote runs to the end; delimiters after it do not split.
        result.emplace_back(text.substr(1));
        return;
      }
      result.emplace_back(text.substr(1, closing - 1));
      // The next field begins directly after the closing quote, so the
      // delimiter that normally follows yields an empty field of its own.
      text.remove_prefix(closing + 1);
      continue;
    }
    const size_t delimiter = text.find_first_of(delimiters);
    if (delimiter == std::string_view::npos) {
      result.emplace_back(text);
      return;
    }
    result.emplace_back(text.substr(0, delimiter));
    text.remove_prefix(delimiter + 1);
  }
}

}  // namespace morvex
