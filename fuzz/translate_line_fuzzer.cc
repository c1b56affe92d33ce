// TranslateLine on one line: the input cut where the driver would end the
// line (the first CR, LF or Ctrl-Z) and trimmed of spaces, as the driver
// passes it. Checks that the notes are whole note lines, that the result
// depends on the line alone, and that rewriting variable references is
// idempotent, which the loop rule relies on when it rewrites a chain of loops
// once instead of once a level.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz/invariants.h"
#include "translator/rewriting.h"
#include "translator/translate_line.h"

using morvex::fuzz::Require;
using morvex::fuzz::RequireNoteLines;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const std::string_view line =
      morvex::fuzz::TrimSpaces(input.substr(0, input.find_first_of("\r\n\x1a")));
  if (line.empty()) return 0;  // blank lines never reach the translator

  std::string notes;
  const std::string translation = morvex::TranslateLine(line, notes);
  RequireNoteLines(notes);
  Require(notes.find('\r') == std::string::npos, "notes hold no CR");
  Require(translation.find('\r') == std::string::npos, "the translation holds no CR");

  // Notes are appended: what the buffer held stays in front, untouched.
  std::string again = "# earlier\n";
  Require(morvex::TranslateLine(line, again) == translation, "the same line, the same translation");
  Require(again == "# earlier\n" + notes, "the same line, the same notes, appended");

  // Rewriting references twice changes nothing more than rewriting once, on
  // the line and on any text at all.
  for (const std::string_view text : {line, input}) {
    const std::string once = morvex::TranslateVariables(text);
    Require(morvex::TranslateVariables(once) == once,
            "TranslateVariables(TranslateVariables(x)) == TranslateVariables(x)");
  }

  // The rewriting steps that rules share append whole note lines too.
  std::string argument_notes;
  morvex::TranslateArguments(line, argument_notes);
  RequireNoteLines(argument_notes);
  std::string path_notes;
  morvex::TranslatePathCommand(line, path_notes);
  RequireNoteLines(path_notes);
  return 0;
}
