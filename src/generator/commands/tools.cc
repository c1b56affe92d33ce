// The Windows tools that batch files call most. Each has a runtime helper that
// does what the tool does, since the programs of the same name here, where
// there are any, do something else (find searches folders, not text).

#include <string_view>
#include <utility>

#include "generator/commands/commands.h"

namespace morvex {

std::string_view ToolHelper(std::string_view lower_name) {
  static constexpr std::pair<std::string_view, std::string_view> kTools[] = {
      {"choice", "_choice"},     {"find", "_find"},       {"findstr", "_findstr"},
      {"robocopy", "_robocopy"}, {"timeout", "_timeout"}, {"where", "_where"},
      {"xcopy", "_xcopy"},
  };
  for (const auto& [tool, helper] : kTools) {
    if (tool == lower_name) return helper;
  }
  return {};
}

void TranslateDir(Generator& g, const batch::Command& command) {
  CallHelperWithWords(g, command, "_dir");
}

void TranslateStart(Generator& g, const batch::Command& command) {
  CallHelperWithWords(g, command, "_start");
}

}  // namespace morvex
