// cmd's character classes and its case folding, for the parser and the
// generator alike. Text is bytes: only the ASCII letters have a case, and
// every other byte stands for itself.

#ifndef MORVEX_PARSER_CHARACTERS_H_
#define MORVEX_PARSER_CHARACTERS_H_

#include <string>
#include <string_view>

namespace morvex::batch {

/// The bytes that separate words on a command line, wherever cmd cuts one:
/// space, tab, ",", ";", "=", vertical tab, form feed and 0xFF (the
/// non-breaking space of the OEM code pages).
constexpr bool IsSeparator(char c) {
  switch (static_cast<unsigned char>(c)) {
    case ' ':
    case '\t':
    case ',':
    case ';':
    case '=':
    case 0x0B:
    case 0x0C:
    case 0xFF:
      return true;
    default:
      return false;
  }
}

/// Space and tab: what a Windows program's command line is cut at, and what
/// cmd trims around a built-in's text.
constexpr bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

/// A line of nothing but separators and carriage returns, which cmd passes
/// over as if it were not there.
constexpr bool IsBlankLine(std::string_view line) {
  for (const char c : line) {
    if (c != '\r' && !IsSeparator(c)) return false;
  }
  return true;
}

/// The bytes that end a command outside quotes: "&", "|", "<" and ">", and
/// ")" while a block is open.
constexpr bool IsOperator(char c, bool in_block) {
  return c == '&' || c == '|' || c == '<' || c == '>' || (c == ')' && in_block);
}

constexpr bool IsLetter(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

constexpr char ToLower(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

constexpr char ToUpper(char c) {
  return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

inline std::string Lower(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) c = ToLower(c);
  return lower;
}

inline std::string Upper(std::string_view text) {
  std::string upper(text);
  for (char& c : upper) c = ToUpper(c);
  return upper;
}

/// True when the texts are the same but for the case of their letters.
constexpr bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (ToLower(a[i]) != ToLower(b[i])) return false;
  }
  return true;
}

}  // namespace morvex::batch

#endif  // MORVEX_PARSER_CHARACTERS_H_
