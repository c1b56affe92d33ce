#include "generator/runtime_library.h"

namespace morvex {

namespace {

const RuntimeHelper& Find(Helper helper) {
  return RuntimeHelpers()[static_cast<size_t>(helper)];
}

}  // namespace

std::string_view HelperName(Helper helper) {
  return Find(helper).name;
}

bool ReadsTheScriptsPath(Helper helper) {
  const std::string_view text = Find(helper).text;
  return text.find("_self") != std::string_view::npos &&
         text.find("() {") == std::string_view::npos;
}

std::set<Helper> HelpersNeeded(const std::set<Helper>& used) {
  std::set<Helper> wanted;
  std::vector<Helper> pending(used.begin(), used.end());
  while (!pending.empty()) {
    const Helper helper = pending.back();
    pending.pop_back();
    if (!wanted.insert(helper).second) continue;
    const std::vector<Helper>& needs = Find(helper).needs;
    pending.insert(pending.end(), needs.begin(), needs.end());
  }
  return wanted;
}

std::string HelperDefinitions(const std::set<Helper>& used) {
  std::string text;
  for (const Helper helper : HelpersNeeded(used)) {
    text += Find(helper).text;
    text += '\n';
  }
  return text;
}

}  // namespace morvex
