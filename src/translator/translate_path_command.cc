#include <algorithm>

#include "translator/text.h"
#include "translator/translate_line.h"

namespace morvex {

std::string TranslatePathCommand(std::string_view statement, std::string& notes) {
  const std::string key = ToLowerAscii(Trim(statement));
  if (key == "path") return "echo $PATH";
  if (key == "path ;" || key == "path;" || key == "path =" || key == "path=") {
    notes += "# this is supposed to CLEAR the path\n";
    return "export PATH=";
  }

  // Without an "=", the value is what follows the four letters of "path".
  const size_t equals = statement.find('=');
  const std::string_view value =
      Trim(equals == std::string_view::npos ? From(statement, 4) : statement.substr(equals + 1));
  std::string translated = TranslateArguments(value, notes);
  // Drive colons are underscores by now, so every ":" is a former ";".
  std::replace(translated.begin(), translated.end(), ';', ':');
  return Concat("export PATH=", translated);
}

}  // namespace morvex
