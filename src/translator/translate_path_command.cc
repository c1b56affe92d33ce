#include <algorithm>

#include "translator/rewriting.h"
#include "translator/text.h"

namespace morvex {

std::string TranslatePathCommand(std::string_view statement, Notes notes) {
  constexpr std::string_view kPath = "path";
  const std::string_view key = Trim(statement);
  if (EqualsFolded(key, kPath)) return "echo $PATH";
  if (EqualsFolded(key, "path ;") || EqualsFolded(key, "path;") || EqualsFolded(key, "path =") ||
      EqualsFolded(key, "path=")) {
    notes.Append("# this is supposed to CLEAR the path");
    return "export PATH=";
  }

  // Without an "=", the value is what follows the four letters of "path".
  const size_t equals = statement.find('=');
  const std::string_view value =
      Trim(equals == std::string_view::npos ? DropPrefix(statement, kPath.size())
                                            : statement.substr(equals + 1));
  std::string translated = TranslateArguments(value, notes);
  // Drive colons are underscores by now, so every ":" is a former ";".
  std::replace(translated.begin(), translated.end(), ';', ':');
  return Concat("export PATH=", translated);
}

}  // namespace morvex
