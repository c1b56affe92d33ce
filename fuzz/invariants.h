// What every translation and every script must satisfy, whatever the input:
// the fuzz targets check these and stop the run at the first one broken.

#ifndef MORVEX_FUZZ_INVARIANTS_H_
#define MORVEX_FUZZ_INVARIANTS_H_

#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace morvex::fuzz {

/// Stops the run, naming the broken invariant, so that libFuzzer keeps the
/// input that broke it.
inline void Require(bool holds, const char* invariant) {
  if (holds) return;
  std::fprintf(stderr, "broken invariant: %s\n", invariant);
  std::abort();
}

/// Leading and trailing spaces removed; tabs stay. Written here again rather
/// than taken from the translator, so a fault there cannot hide itself.
inline std::string_view TrimSpaces(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return text;
}

/// Notes are whole note lines: each begins with "#", ends with one LF and
/// holds no other LF, so an empty line never appears among them.
inline void RequireNoteLines(std::string_view notes) {
  while (!notes.empty()) {
    const size_t end = notes.find('\n');
    Require(end != std::string_view::npos, "a note line ends with LF");
    Require(end > 0 && notes[0] == '#', "a note line begins with #");
    notes.remove_prefix(end + 1);
  }
}

}  // namespace morvex::fuzz

#endif  // MORVEX_FUZZ_INVARIANTS_H_
