#include <algorithm>

#include "translator/rewriting.h"
#include "translator/rules.h"
#include "translator/text.h"
#include "translator/translate_line.h"

namespace morvex {

std::string TranslateArguments(std::string_view text, Notes notes) {
  std::string out;
  out.reserve(text.size() + 8);

  // Every "/" is a switch: the text before it, trimmed, is followed by " -"
  // and the characters after the "/". Built left to right, with the front of
  // the text before the latest switch trimmed as it goes: `begin` skips the
  // leading spaces that each trim removes, so a line of slashes stays linear.
  size_t begin = 0;
  bool switched = false;
  for (char c : text) {
    if (c != '/') {
      out.push_back(c);
      continue;
    }
    switched = true;
    while (out.size() > begin && out.back() == ' ') out.pop_back();
    while (begin < out.size() && out[begin] == ' ') ++begin;
    out += " -";
  }
  if (switched) {
    NoteNotImplemented(notes, "switch translation");
    out.erase(0, begin);
  }

  std::replace(out.begin(), out.end(), '\\', '/');

  if (out.find(':') != std::string::npos) {
    notes.Append("# drive letters need to be reconciled to their proper mount points");
    std::replace(out.begin(), out.end(), ':', '_');
  }
  return out;
}

}  // namespace morvex
