// Small helpers for text that is treated as bytes: a byte is a character, and
// only the ASCII letters have a case, so UTF-8 and code-page text pass through
// every helper unchanged.

#ifndef MORVEX_TRANSLATOR_TEXT_H_
#define MORVEX_TRANSLATOR_TEXT_H_

#include <string>
#include <string_view>

namespace morvex {

/// Removes leading and trailing spaces. Tabs and every other byte stay.
inline std::string_view Trim(std::string_view text) {
  const size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

/// Removes trailing spaces.
inline std::string_view TrimEnd(std::string_view text) {
  const size_t last = text.find_last_not_of(' ');
  return last == std::string_view::npos ? std::string_view() : text.substr(0, last + 1);
}

/// The pieces joined, built with one allocation.
template <typename... Pieces>
std::string Concat(const Pieces&... pieces) {
  std::string out;
  out.reserve((std::string_view(pieces).size() + ...));
  ((out += pieces), ...);
  return out;
}

// Case is ignored one way throughout: letters are folded to lower case, and
// the text compared with is written in lower case.

inline char ToLowerAscii(char c) {
  return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c;
}

inline std::string ToLowerAscii(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = ToLowerAscii(c);
  return out;
}

/// True when `text` equals `lower`, which is written in lower case, with the
/// letters of `text` compared ignoring their case.
inline bool EqualsFolded(std::string_view text, std::string_view lower) {
  if (text.size() != lower.size()) return false;
  for (size_t i = 0; i < text.size(); ++i) {
    if (ToLowerAscii(text[i]) != lower[i]) return false;
  }
  return true;
}

/// The position of the first occurrence of `lower`, which is written in lower
/// case, at or after `from`, with the letters of `text` compared ignoring their
/// case; npos when there is none.
inline size_t FindFolded(std::string_view text, std::string_view lower, size_t from = 0) {
  if (lower.empty()) return from <= text.size() ? from : std::string_view::npos;
  const char first = lower[0];
  for (size_t i = from; i + lower.size() <= text.size(); ++i) {
    if (ToLowerAscii(text[i]) != first) continue;
    size_t j = 1;
    while (j < lower.size() && ToLowerAscii(text[i + j]) == lower[j]) ++j;
    if (j == lower.size()) return i;
  }
  return std::string_view::npos;
}

/// `text` without its first `n` bytes: empty when it has no more than `n`.
inline std::string_view DropPrefix(std::string_view text, size_t n) {
  return n < text.size() ? text.substr(n) : std::string_view();
}

/// The text from its first space on, that space included; empty without one.
inline std::string_view FromFirstSpace(std::string_view text) {
  const size_t space = text.find(' ');
  return space == std::string_view::npos ? std::string_view() : text.substr(space);
}

}  // namespace morvex

#endif  // MORVEX_TRANSLATOR_TEXT_H_
