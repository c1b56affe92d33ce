#include "generator/sh_quote.h"

namespace morvex {
namespace {

bool IsPlain(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' ||
         c == '-' || c == '.' || c == '/' || c == '+' || c == ',' || c == ':' || c == '@' ||
         c == '%';
}

// The shell's reserved words, which a reader (and shellcheck) takes for
// syntax even where they are plain arguments.
bool IsReservedWord(std::string_view text) {
  for (std::string_view word : {"case", "do", "done", "elif", "else", "esac", "fi", "for", "if",
                                "in", "then", "until", "while"}) {
    if (text == word) return true;
  }
  return false;
}

}  // namespace

std::string ShellQuote(std::string_view text) {
  bool plain = !text.empty() && !IsReservedWord(text);
  for (char c : text) plain = plain && IsPlain(c);
  // A word may not start like an assignment or an option to the shell itself
  // only in contexts the generator never uses, so plain words stay bare.
  if (plain) return std::string(text);
  std::string quoted;
  quoted.reserve(text.size() + 2);
  quoted += '\'';
  for (char c : text) {
    if (c == '\0') continue;
    if (c == '\'') {
      quoted += "'\\''";
    } else if (c == '\n') {
      quoted += "'\"${_nl}\"'";  // a script line never holds a line feed
    } else {
      quoted += c;
    }
  }
  quoted += '\'';
  return quoted;
}

std::string DoubleQuoted(std::string_view text) {
  std::string escaped;
  escaped.reserve(text.size());
  for (char c : text) {
    if (c == '\0') continue;
    if (c == '\\' || c == '"' || c == '$' || c == '`') escaped += '\\';
    escaped += c;
  }
  return escaped;
}

std::string CommentText(std::string_view text) {
  std::string comment;
  for (char c : text) {
    if (c == '\0' || c == '\r') continue;
    comment += c;
    if (c == '\n') comment += "# ";
  }
  return comment;
}

}  // namespace morvex
