#include "driver/windows_command_line.h"

namespace morvex {
namespace {

constexpr char16_t kQuote = u'"';
constexpr char16_t kSpace = u' ';
constexpr char16_t kTab = u'\t';

}  // namespace

std::u16string_view ArgumentsAfterProgramName(std::u16string_view command_line) {
  size_t rest;
  if (!command_line.empty() && command_line.front() == kQuote) {
    const size_t closing = command_line.find(kQuote, 1);
    rest = closing == std::u16string_view::npos ? command_line.size() : closing + 1;
  } else {
    rest = command_line.find_first_of(u" \t");
    if (rest == std::u16string_view::npos) rest = command_line.size();
  }
  while (rest < command_line.size() &&
         (command_line[rest] == kSpace || command_line[rest] == kTab)) {
    ++rest;
  }
  std::u16string_view arguments = command_line.substr(rest);
  while (!arguments.empty() && arguments.back() == kSpace) arguments.remove_suffix(1);
  return arguments;
}

std::string_view UnquotedName(std::string_view name) {
  if (name.size() >= 2 && name.front() == '"' && name.back() == '"') {
    name.remove_prefix(1);
    name.remove_suffix(1);
  }
  return name;
}

}  // namespace morvex
