#include "driver/command_line.h"

#include <algorithm>

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
    "With --runnable:\n"
    "  --drives=DIR        the folder that holds a folder per drive letter, in lower\n"
    "                      case: C:\\x is DIR/c/x (default /mnt, as WSL mounts drives)\n"
    "  --drive=L:DIR       drive L: is the folder DIR (--drive=C:/ makes C:\\ the root)\n"
    "  --no-preserve-root  let del, rd, move, ren, copy, xcopy and robocopy remove or\n"
    "                      overwrite the root, what is directly in it, the home\n"
    "                      folder, the system's folders and a drive's folder, which\n"
    "                      they refuse by default\n"
    "  --allow-program=NAME,...  run Windows' NAME (reg, sort...) by its name as is\n"
    "  --shared-runtime    read the helpers from morvex-runtime.sh, written beside it\n"
    "\n"
    "Exit status: 0 when the script was written, 1 when it was not (one line on\n"
    "standard error says why), 2 when no name or an unknown option was given.\n";

std::string VersionText() {
  return "morvex " MORVEX_VERSION "\n";
}

namespace {

// Reads an option that sets something of the runnable mode; false when
// `option` is none of them. A bad value is set in `result` as a bad option.
bool ParseRunnableOption(std::string_view option, CommandLine* result) {
  RunnableOptions& options = result->runnable_options;
  auto bad = [&](std::string_view problem) {
    if (result->action == CommandLine::kBadOption) return;
    result->action = CommandLine::kBadOption;
    result->name = option;
    result->problem = problem;
  };
  if (option == "--no-preserve-root") {
    options.preserve_root = false;
  } else if (option == "--shared-runtime") {
    options.runtime_file = kRuntimeFileName;
  } else if (option.substr(0, 16) == "--allow-program=") {
    // Names, separated by commas, of Windows' own programs to run by their names.
    std::string_view names = option.substr(16);
    if (names.empty()) bad("the value must name a program (--allow-program=reg)");
    while (!names.empty()) {
      const std::string_view name = names.substr(0, names.find(','));
      names.remove_prefix(std::min(names.size(), name.size() + 1));
      if (!IsWindowsProgram(name)) {
        bad("not one of Windows' programs that the script translates or stops: " +
            std::string(name));
        break;
      }
      options.allowed_programs.emplace_back(name);
    }
  } else if (option.substr(0, 9) == "--drives=") {
    options.drives = option.substr(9);
    if (options.drives.empty() || options.drives[0] != '/') bad("the folder must be absolute");
  } else if (option.substr(0, 8) == "--drive=") {
    const std::string_view value = option.substr(8);
    const char letter = value.empty() ? '\0' : static_cast<char>(value[0] | 0x20);
    if (letter < 'a' || letter > 'z' || value.substr(1, 1) != ":") {
      bad("the value must be a drive letter, a colon and a folder (--drive=C:/srv/c)");
    } else if (value.substr(2, 1) != "/") {
      bad("the folder must be absolute");
    } else {
      auto& folders = options.drive_folders;
      folders.erase(std::remove_if(folders.begin(), folders.end(),
                                   [&](const auto& entry) { return entry.first == letter; }),
                    folders.end());
      folders.emplace_back(letter, std::string(value.substr(2)));
    }
  } else {
    return false;
  }
  return true;
}

}  // namespace

CommandLine ParseCommandLine(std::string_view argument_string) {
  CommandLine result;
  bool runnable_option = false;
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
    } else if (ParseRunnableOption(option, &result)) {
      runnable_option = true;
    } else {
      result.action = CommandLine::kBadOption;
      result.name = option;
      result.problem = "unknown option";
      return result;
    }
  }
  if (result.action == CommandLine::kBadOption) return result;
  if (runnable_option && !result.runnable && !help && !version) {
    result.action = CommandLine::kBadOption;
    result.name = "--runnable";
    result.problem = "missing: the drive mapping and the guard are options of the runnable mode";
    return result;
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
