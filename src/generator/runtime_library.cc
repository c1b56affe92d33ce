#include "generator/runtime_library.h"

#include <algorithm>
#include <set>

namespace morvex {

namespace {

const RuntimeHelper* Find(std::string_view name) {
  const std::vector<RuntimeHelper>& helpers = RuntimeHelpers();
  auto it = std::lower_bound(helpers.begin(), helpers.end(), name,
                             [](const RuntimeHelper& h, std::string_view n) { return h.name < n; });
  return it != helpers.end() && it->name == name ? &*it : nullptr;
}

}  // namespace

bool ReadsTheScriptsPath(std::string_view name) {
  const RuntimeHelper* helper = Find(name);
  return helper != nullptr && helper->text.find("_self") != std::string_view::npos &&
         helper->text.find("() {") == std::string_view::npos;
}

std::set<std::string_view> HelpersNeeded(const std::vector<std::string>& used) {
  std::set<std::string_view> wanted;
  std::vector<std::string_view> pending(used.begin(), used.end());
  while (!pending.empty()) {
    const std::string_view name = pending.back();
    pending.pop_back();
    const RuntimeHelper* helper = Find(name);
    if (helper == nullptr || !wanted.insert(helper->name).second) continue;
    std::string_view needs = helper->needs;
    while (!needs.empty()) {
      const size_t space = needs.find(' ');
      const std::string_view need = needs.substr(0, space);
      if (!need.empty()) pending.push_back(need);
      if (space == std::string_view::npos) break;
      needs.remove_prefix(space + 1);
    }
  }
  return wanted;
}

std::string HelperDefinitions(const std::vector<std::string>& used) {
  std::string text;
  for (std::string_view name : HelpersNeeded(used)) {
    text += Find(name)->text;
    text += '\n';
  }
  return text;
}

}  // namespace morvex
