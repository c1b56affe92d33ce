// Which rule translates each of cmd's built-in commands. A built-in missing
// here has no translation: the script stops on it with a message.

#include <string_view>
#include <utility>

#include "generator/commands/commands.h"
#include "generator/generator.h"

namespace morvex {

CommandRule FindCommandRule(std::string_view word) {
  static constexpr std::pair<std::string_view, CommandRule> kRules[] = {
      {"call", TranslateCall},
      {"cd", TranslateCd},
      {"chdir", TranslateCd},
      {"cls", TranslateCls},
      {"copy", TranslateCopy},
      {"dir", TranslateDir},
      {"del", TranslateDel},
      {"echo", TranslateEcho},
      {"endlocal", TranslateEndlocal},
      {"erase", TranslateDel},
      {"exit", TranslateExit},
      {"goto", TranslateGoto},
      {"md", TranslateMd},
      {"mkdir", TranslateMd},
      {"move", TranslateMove},
      {"path", TranslatePath},
      {"pause", TranslatePause},
      {"popd", TranslatePopd},
      {"pushd", TranslatePushd},
      {"rd", TranslateRd},
      {"rem", TranslateRem},
      {"ren", TranslateRen},
      {"rename", TranslateRen},
      {"rmdir", TranslateRd},
      {"set", TranslateSet},
      {"setlocal", TranslateSetlocal},
      {"shift", TranslateShift},
      {"start", TranslateStart},
      {"title", TranslateTitle},
      {"type", TranslateType},
      {"ver", TranslateVer},
  };
  for (const auto& [name, rule] : kRules) {
    if (name == word) return rule;
  }
  return nullptr;
}

}  // namespace morvex
