// The programs that Windows ships and batch files call, and what a script
// does with each. Programs of the same name here, where there are any, do
// something else (ping -n numbers its output and never ends, sort reads a
// file named /r, convert edits pictures), so none of them runs by its name:
// each is translated into a runtime helper, run as a program whose Windows
// build reads the same options, or stopped.

#include <algorithm>
#include <iterator>
#include <string>
#include <string_view>

#include "generator/commands/commands.h"
#include "generator/runnable_script.h"

namespace morvex {

namespace {

using Kind = WindowsProgram::Kind;

// Sorted by name, for the lookup.
constexpr WindowsProgram kPrograms[] = {
    {"attrib", Kind::kHelper, Helper::kAttrib},
    {"bitsadmin", Kind::kStopped},
    {"cacls", Kind::kStopped},
    {"certutil", Kind::kStopped},
    {"chcp", Kind::kHelper, Helper::kChcp},
    {"choice", Kind::kHelper, Helper::kChoice},
    {"cmd", Kind::kCmd},
    {"convert", Kind::kStopped},
    {"cscript", Kind::kStopped},
    {"curl", Kind::kAsIs},
    {"diskpart", Kind::kStopped},
    {"dism", Kind::kStopped},
    {"expand", Kind::kStopped},
    {"explorer", Kind::kStopped},
    {"fc", Kind::kHelper, Helper::kFc},
    {"find", Kind::kHelper, Helper::kFind},
    {"findstr", Kind::kHelper, Helper::kFindstr},
    {"format", Kind::kStopped},
    {"fsutil", Kind::kStopped},
    {"gpupdate", Kind::kStopped},
    {"hostname", Kind::kHelper, Helper::kHostname},
    {"icacls", Kind::kStopped},
    {"ipconfig", Kind::kStopped},
    {"label", Kind::kStopped},
    {"manage-bde", Kind::kStopped},
    {"mode", Kind::kStopped},
    {"more", Kind::kHelper, Helper::kMore},
    {"mshta", Kind::kStopped},
    {"msiexec", Kind::kStopped},
    {"net", Kind::kStopped},
    {"netsh", Kind::kStopped},
    {"ping", Kind::kHelper, Helper::kPing},
    {"powercfg", Kind::kStopped},
    {"powershell", Kind::kPowershell, Helper::kPwsh},
    {"reg", Kind::kStopped},
    {"robocopy", Kind::kHelper, Helper::kRobocopy},
    {"runas", Kind::kStopped},
    {"rundll32", Kind::kStopped},
    {"sc", Kind::kStopped},
    {"schtasks", Kind::kStopped},
    {"shutdown", Kind::kStopped},
    {"sort", Kind::kHelper, Helper::kSort},
    {"subst", Kind::kStopped},
    {"takeown", Kind::kStopped},
    {"tar", Kind::kAsIs},
    {"taskkill", Kind::kStopped},
    {"tasklist", Kind::kStopped},
    {"timeout", Kind::kHelper, Helper::kTimeout},
    {"tree", Kind::kHelper, Helper::kTree},
    {"vssadmin", Kind::kStopped},
    {"where", Kind::kHelper, Helper::kWhere},
    {"whoami", Kind::kWithoutArguments, Helper::kWhoami},
    {"wmic", Kind::kStopped},
    {"wscript", Kind::kStopped},
    {"xcopy", Kind::kHelper, Helper::kXcopy},
};

static_assert(std::is_sorted(std::begin(kPrograms), std::end(kPrograms),
                             [](const WindowsProgram& a, const WindowsProgram& b) {
                               return a.name < b.name;
                             }));

// The name without a trailing ".exe" or ".com", in any case.
std::string_view WithoutExtension(std::string_view name) {
  if (name.size() > 4) {
    const std::string_view tail = name.substr(name.size() - 4);
    if (batch::EqualsIgnoringCase(tail, ".exe") || batch::EqualsIgnoringCase(tail, ".com")) {
      name.remove_suffix(4);
    }
  }
  return name;
}

}  // namespace

const WindowsProgram* FindWindowsProgram(std::string_view name) {
  name = WithoutExtension(name);
  const std::string lower = Lower(name);
  const auto found = std::lower_bound(
      std::begin(kPrograms), std::end(kPrograms), lower,
      [](const WindowsProgram& program, const std::string& key) { return program.name < key; });
  if (found == std::end(kPrograms) || found->name != lower) return nullptr;
  return found;
}

const WindowsProgram* FindWindowsProgram(std::string_view name, const RunnableOptions& options) {
  const WindowsProgram* program = FindWindowsProgram(name);
  if (program == nullptr) return nullptr;
  for (const std::string& allowed : options.allowed_programs) {
    if (batch::EqualsIgnoringCase(WithoutExtension(allowed), program->name)) return nullptr;
  }
  return program;
}

std::string WindowsProgramNames(bool stopped) {
  std::string names;
  for (const WindowsProgram& program : kPrograms) {
    if (program.kind == Kind::kAsIs || (program.kind == Kind::kStopped) != stopped) continue;
    if (!names.empty()) names += ' ';
    names += program.name;
  }
  return names;
}

bool IsWindowsProgram(std::string_view name) {
  return FindWindowsProgram(name) != nullptr;
}

}  // namespace morvex
