#include "generator/shell_names.h"

#include <algorithm>

namespace morvex {
namespace {

// Variables that the shell itself sets or obeys, in POSIX or in one of the
// shells a script may run under (bash, busybox sh, ksh, mksh, yash, zsh): a
// batch file that sets one of them must not change how the script runs, and
// must read back what it set.
constexpr std::string_view kShellOwned[] = {
    "ARGC",         "BASHOPTS",
    "BASHPID",      "BASH_ARGV0",
    "BASH_COMPAT",  "BASH_ENV",
    "CDPATH",       "COMMAND_NOT_FOUND_HANDLER",
    "ECHO_STYLE",   "EGID",
    "ENV",          "EPOCHREALTIME",
    "EPOCHSECONDS", "ERRNO",
    "EUID",         "FCEDIT",
    "FPATH",        "FUNCNAME",
    "GID",          "GLOBIGNORE",
    "GROUPS",       "HISTCMD",
    "HISTFILE",     "HISTSIZE",
    "IFS",          "KSHEGID",
    "KSHGID",       "KSHUID",
    "LINENO",       "MAIL",
    "MAILCHECK",    "MAILPATH",
    "OLDPWD",       "OPTARG",
    "OPTIND",       "PGRP",
    "PIPESTATUS",   "POSIXLY_CORRECT",
    "PPID",         "PS1",
    "PS2",          "PS4",
    "PWD",          "RANDOM",
    "SECONDS",      "SHELLOPTS",
    "SRANDOM",      "TMOUT",
    "TTYIDLE",      "UID",
    "USERNAME",     "USER_ID",
};

bool IsUpperOrDigit(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

void AppendHex(unsigned char byte, std::string* out) {
  static constexpr char kDigits[] = "0123456789abcdef";
  *out += '_';
  *out += kDigits[byte >> 4];
  *out += kDigits[byte & 15];
}

}  // namespace

std::string ShellVariableName(std::string_view name) {
  std::string upper(name);
  for (char& c : upper) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  const bool valid =
      !upper.empty() && !(upper[0] >= '0' && upper[0] <= '9') && upper != "_" &&
      std::all_of(upper.begin(), upper.end(), [](char c) { return IsUpperOrDigit(c) || c == '_'; });
  if (valid &&
      std::find(std::begin(kShellOwned), std::end(kShellOwned), upper) == std::end(kShellOwned)) {
    return upper;
  }
  std::string encoded = "x";
  for (char c : upper) {
    if (IsUpperOrDigit(c)) {
      encoded += c;
    } else {
      AppendHex(static_cast<unsigned char>(c), &encoded);
    }
  }
  return encoded;
}

std::string LoopVariableName(char letter) {
  std::string name = "_l_";
  if ((letter >= 'a' && letter <= 'z') || (letter >= 'A' && letter <= 'Z') ||
      (letter >= '0' && letter <= '9')) {
    name += letter;
  } else {
    AppendHex(static_cast<unsigned char>(letter), &name);
    name.erase(3, 1);  // "_l_" and the two digits
  }
  return name;
}

}  // namespace morvex
