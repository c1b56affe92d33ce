#include "driver/command_line.h"

#include "translator/text.h"

#ifndef MORVEX_VERSION
#define MORVEX_VERSION "unknown"
#endif

namespace morvex {

const std::string_view kHelpText =
    "Usage: morvex [--runnable] NAME.bat\n"
    "Converts the batch file NAME.bat into the sh script NAME.sh beside it.\n"
    "\n"
    "By default the script is a draft for a person to finish: each line of the\n"
    "batch file as a comment, notes on what has no translation, and the\n"
    "translated command.\n"
    "\n"
    "Options:\n"
    "  --runnable  write a script meant to run as the batch file runs under cmd.exe\n"
    "  --help      show this text and exit\n"
    "  --version   show the version and exit\n"
    "  --          end the options: what follows names the batch file\n"
    "\n"
    "Exit status: 0 when the script was written, 1 when it was not (one line on\n"
    "standard error says why), 2 when no name or an unknown option was given.\n";

std::string VersionText() {
  return "morvex " MORVEX_VERSION "\n";
}

CommandLine ParseCommandLine(std::string_view argument_string) {
  CommandLine result;
  std::string_view rest = Trim(argument_string);
  bool help = false;
  bool version = false;
  while (rest.substr(0, 2) == "--") {
    const std::string_view option = rest.substr(0, rest.find(' '));
    rest = Trim(DropPrefix(rest, option.size()));
    if (option == "--") break;
    if (option == "--runnable") {
      result.runnable = true;
    } else if (option == "--help") {
      help = true;
    } else if (option == "--version") {
      version = true;
    } else {
      result.action = CommandLine::kBadOption;
      result.name = option;
      return result;
    }
  }
  if (help) {
    result.action = CommandLine::kShowHelp;
  } else if (version) {
    result.action = CommandLine::kShowVersion;
  } else if (!rest.empty()) {
    result.action = CommandLine::kConvert;
    result.name = rest;
  }
  return result;
}

}  // namespace morvex
