#include "translator/rewriting.h"

namespace morvex {

std::string TranslateVariables(std::string_view text) {
  // A space followed by a run of percent signs keeps one of them: " %%i" is a
  // loop variable written for a batch file, the same as " %i".
  std::string collapsed;
  collapsed.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    collapsed.push_back(text[i]);
    if (text[i] == ' ' && i + 1 < text.size() && text[i + 1] == '%') {
      collapsed.push_back('%');
      ++i;
      while (i + 1 < text.size() && text[i + 1] == '%') ++i;
    }
  }

  // Each "%" opens a reference that runs to the next space, "=" or "%"; a
  // closing "%" is dropped, a space or "=" stays as ordinary text.
  std::string out;
  out.reserve(collapsed.size());
  std::string_view rest = collapsed;
  for (;;) {
    const size_t percent = rest.find('%');
    if (percent == std::string_view::npos || percent + 1 == rest.size()) {
      // A "%" with nothing after it names nothing and stays as it is.
      out += rest;
      return out;
    }
    out += rest.substr(0, percent);
    out += '$';
    const size_t stop = rest.find_first_of(" =%", percent + 1);
    if (stop == std::string_view::npos) {
      out += rest.substr(percent + 1);
      return out;
    }
    out += rest.substr(percent + 1, stop - percent - 1);
    rest.remove_prefix(rest[stop] == '%' ? stop + 1 : stop);
  }
}

}  // namespace morvex
