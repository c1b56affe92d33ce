#include "driver/command_line.h"

#include <algorithm>
#include <optional>

#include "translator/text.h"

#ifndef MORVEX_VERSION
#define MORVEX_VERSION "unknown"
#endif

namespace morvex {

const std::string_view kHelpText =
    "Usage: morvex [--runnable] NAME.bat\n"
    "Converts the batch file NAME.bat into the sh script NAME.sh beside it: by\n"
    "default a draft for a person to finish, with --runnable a script that runs.\n"
    "  --help, --version, --   this text; the version; the end of the options\n"
    "With --runnable (man morvex tells more):\n"
    "  --folder                NAME is a folder: convert its .bat and .cmd files\n"
    "  --output=DIR            with --folder: scripts go to the same places in DIR\n"
    "  --stdin, --stdout       read the batch file from standard input (named by\n"
    "  --name=NAME.bat         --name, else stdin.bat); write the script to output\n"
    "  --code-page=N           the batch file is in code page N (437, 866, 1252...)\n"
    "                          and the script in UTF-8; UTF-16 with a BOM is read\n"
    "  --diagnostics=json      a not-translated warning as a JSON line, not as\n"
    "                          FILE:LINE:COLUMN: warning: ... [CODE]; =none: silent\n"
    "  --fail-on-stop          exit status 3 when a construct is not translated\n"
    "  --drives=DIR            drive C: is DIR/c (default /mnt)\n"
    "  --drive=L:DIR           drive L: is DIR (--drive=C:/ makes C:\\ the root)\n"
    "  --no-preserve-root      let del, rd, move, copy... touch /, the home and\n"
    "                          system folders and a drive's folder\n"
    "  --allow-program=NAME,.. run Windows' NAME (reg, sort...) by its name as is\n"
    "  --shared-runtime        the scripts read their helpers from morvex-runtime.sh\n"
    "Exit status: 0 written; 1 not written (or, with --folder, a file failed);\n"
    "2 no name or a bad option; 3 written, but --fail-on-stop and a stop.\n";

std::string VersionText() {
  return "morvex " MORVEX_VERSION "\n";
}

namespace {

// Reads an option of projects, filters, diagnostics and code pages; false
// when `option` is none of them.
bool ParseProjectOption(std::string_view option, CommandLine* result) {
  auto bad = [&](std::string_view problem) {
    if (result->action == CommandLine::kBadOption) return;
    result->action = CommandLine::kBadOption;
    result->name = option;
    result->problem = problem;
  };
  using Diagnostics = CommandLine::Diagnostics;
  const auto value = [&](std::string_view prefix) -> std::optional<std::string_view> {
    if (option.substr(0, prefix.size()) != prefix) return std::nullopt;
    return option.substr(prefix.size());
  };
  if (option == "--folder") {
    result->folder = true;
  } else if (option == "--stdin") {
    result->from_stdin = true;
  } else if (option == "--stdout") {
    result->to_stdout = true;
  } else if (option == "--fail-on-stop") {
    result->fail_on_stop = true;
  } else if (const auto output = value("--output=")) {
    result->output = *output;
    if (output->empty()) bad("the value must name a folder (--output=out)");
  } else if (const auto name = value("--name=")) {
    result->stdin_name = *name;
    if (name->empty()) bad("the value must be a batch file's name (--name=build.bat)");
  } else if (const auto form = value("--diagnostics=")) {
    if (*form == "text") {
      result->diagnostics = Diagnostics::kText;
    } else if (*form == "json") {
      result->diagnostics = Diagnostics::kJson;
    } else if (*form == "none") {
      result->diagnostics = Diagnostics::kNone;
    } else {
      bad("the value must be text, json or none");
    }
  } else if (const auto page = value("--code-page=")) {
    result->code_page = *page;
    if (page->empty() || page->size() > 5 ||
        page->find_first_not_of("0123456789") != std::string_view::npos) {
      bad("the value must be a code page's number (--code-page=866)");
    }
  } else {
    return false;
  }
  return true;
}

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
  std::string_view project_option;  // the first option of projects, filters...
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
    } else if (ParseProjectOption(option, &result)) {
      if (project_option.empty()) project_option = option;
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
  if (!project_option.empty() && !result.runnable && !help && !version) {
    result.action = CommandLine::kBadOption;
    result.name = "--runnable";
    result.problem =
        "missing: " + std::string(project_option) + " is an option of the runnable mode";
    return result;
  }
  if (!help && !version) {
    // What the options of projects and filters cannot be given with.
    auto conflict = [&](std::string_view option, std::string_view problem) {
      result.action = CommandLine::kBadOption;
      result.name = option;
      result.problem = problem;
    };
    if (result.folder && (result.from_stdin || result.to_stdout)) {
      conflict("--folder", "converts files into files: --stdin and --stdout do not go with it");
    } else if (!result.runnable_options.runtime_file.empty() &&
               (result.from_stdin || result.to_stdout)) {
      conflict("--shared-runtime",
               "writes a file beside the script: --stdin and --stdout do "
               "not go with it");
    } else if (!result.output.empty() && !result.folder) {
      conflict("--output", "goes with --folder");
    } else if (result.stdin_name != "stdin.bat" && !result.from_stdin) {
      conflict("--name", "goes with --stdin");
    } else if (result.from_stdin && !rest.empty()) {
      conflict("--stdin", "reads standard input: no name goes with it");
    } else if (result.from_stdin) {
      result.action = CommandLine::kConvert;
      result.to_stdout = true;
      return result;
    }
    if (result.action == CommandLine::kBadOption) return result;
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
