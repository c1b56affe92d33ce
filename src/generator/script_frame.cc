// The frame of a whole script: its header and settings, the batch file's
// function around the translated statements, the helpers after it and the
// lines that run it.

#include "generator/generator.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <optional>
#include <string>

#include "generator/runtime_library.h"
#include "generator/sh_quote.h"

namespace morvex {

// The drive mapping and the guard, for the helpers that read them. A script
// that another one runs in its shell keeps the settings of the first.
std::string Generator::Settings(const std::set<Helper>& helpers) const {
  if (helpers.count(Helper::kDrive) == 0 && helpers.count(Helper::kGuard) == 0) return "";
  std::string text = "if [ -z \"${_drives+1}\" ]; then\n";
  text += "  _drives=" + ShellQuote(options_.drives) + "\n";
  // The current drive is the one whose folder holds the current folder; the
  // longest folder is tried first.
  std::vector<std::pair<char, std::string>> folders = options_.drive_folders;
  std::stable_sort(folders.begin(), folders.end(),
                   [](const auto& a, const auto& b) { return a.second.size() > b.second.size(); });
  std::string letters;
  for (const auto& [letter, folder] : folders) {
    text += "  _drv_" + std::string(1, letter) + "=" + ShellQuote(folder) + "\n";
    if (!letters.empty()) letters += ' ';
    letters += letter;
  }
  text += "  _dlist=" + ShellQuote(letters) + "\n";
  text += std::string("  _nopr=") + (options_.preserve_root ? "0" : "1") + "\n";
  text += "fi\n";
  return text;
}

namespace {

// The line before the helpers, which says what follows.
std::string RuntimeBanner(const std::string& runtime_file) {
  std::string text =
      "# ----------------------------------------------------------------------------\n";
  if (runtime_file.empty()) {
    text += "# The runtime helpers of morvex: the shell functions that the translation above\n";
    text += "# calls, the same in every converted script.\n";
  } else {
    text += "# The runtime helpers of morvex, the shell functions that the translation\n";
    text += "# above calls, are in " + CommentText(runtime_file) +
            ", found from this script's folder.\n";
  }
  return text + "# ----------------------------------------------------------------------------\n";
}

// The lines that read the helpers from `runtime_file`, a path from the
// script's folder. The folder is the one of the script's own path, $0, or of
// the path that _runbat reads it from when another script calls it.
std::string RuntimeSourcing(const std::string& runtime_file) {
  std::string text = "_rtf=${_self:-$0}\n";
  text += "case $_rtf in\n*/*) _rtf=${_rtf%/*} ;;\n*) _rtf=. ;;\nesac\n";
  text += "_rtf=$_rtf/" + ShellQuote(runtime_file) + "\n";
  text += "if [ ! -f \"$_rtf\" ]; then\n";
  text += "  printf '%s: the runtime helpers are missing: %s\\n' \"$_me\" \"$_rtf\" >&2\n";
  text += "  exit 1\n";
  text += "fi\n";
  text += "# shellcheck disable=SC1090 # the file's name is known when the script runs\n";
  text += ". \"$_rtf\"\n";
  return text;
}

}  // namespace

// The header: what the script is, and the settings its helpers read.
std::string Generator::ScriptHeader(const std::set<Helper>& helpers) const {
  std::string head = "#!/bin/sh\n";
  // A directive right after the first line holds for the whole script.
  head += "# shellcheck disable=SC2317 # the functions run by names held in variables";
  head += " (_fn, _pc), which shellcheck does not follow\n";
  head += "# Converted by morvex --runnable. A command marked \"not translated\" prints a\n";
  head += "# message and fails with errorlevel 1 when the script reaches it.\n";
  if (!echo_turned_off_) {
    head += "# cmd shows each command before it runs while echo is on; this script does not.\n";
  }
  head += "set -f\n";
  head += "_me=" + ShellQuote(script_name_) + "\n";
  head += "_el=${_el:-0}\n";
  if (helpers.count(Helper::kBf) > 0 || helpers.count(Helper::kA0) > 0 ||
      !options_.runtime_file.empty()) {
    head += "_bx=" + ShellQuote("." + options_.extension) + "\n";
  }
  // A script written away from its batch file (a project converted into
  // another folder) knows the batch file's own name for %~f0 and the like,
  // and where the scripts of the batch files it runs are.
  if (!options_.batch_path.empty() &&
      (helpers.count(Helper::kBf) > 0 || helpers.count(Helper::kD0) > 0)) {
    head += "_bfp=" + ShellQuote(options_.batch_path) + "\n";
  }
  if (!options_.script_root.empty() && helpers.count(Helper::kRunbat) > 0) {
    head += "if [ -z \"${_mto+1}\" ]; then\n";
    head += "  _mfrom=" + ShellQuote(options_.batch_root) + "\n";
    head += "  _mto=" + ShellQuote(options_.script_root) + "\n";
    head += "fi\n";
  }
  return head + Settings(helpers);
}

// The body's name is the batch file's own, so that a script that another
// one runs in its shell (call other.bat) does not replace the caller's.
std::string Generator::BodyName() const {
  uint64_t hash = 14695981039346656037ull;  // FNV-1a, 64 bits
  for (std::string_view line : *lines_) {
    for (char c : line) hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ull;
    hash = (hash ^ '\n') * 1099511628211ull;
  }
  char name[32];
  std::snprintf(name, sizeof name, "_b_%016llx", static_cast<unsigned long long>(hash));
  return name;
}

// The lines that open the batch file's function, and with a dispatch loop,
// the loop and the first part's function.
std::string Generator::BodyOpening() const {
  // The translation comes first; sh looks a function up only when it is
  // called, and the body is called at the end, after the helpers below.
  std::string head = "\n# The batch file, translated.\n";
  // The helpers set the temporaries (_e1) and the for variables (_l_i) by the
  // names they are given, through eval, which shellcheck cannot follow. And
  // quotes in a variable's value are text, as they are to cmd: the words of a
  // value that is split where it is used are split at spaces only. A for
  // loop inside another may use its letter, as in cmd.
  head += "# shellcheck disable=SC2154,SC2089,SC2090,SC2165,SC2167 # helpers set _e and _l_";
  head += " variables; quotes in values are text; nested for loops may share a letter\n";
  if (dispatch_) head += "{\n";
  head += body_name_ + "() {\n";
  // %* is the call's line as written when _call hands it over (_ct).
  if (reads_all_arguments_) head += "  _star=${_ct-$*}\n  unset _ct\n";
  if (dispatch_) head += DispatchLoop();
  return head;
}

// What follows the translation: the label lookup, the helpers and the lines
// that run the batch file's function.
std::string Generator::ScriptEnd(const std::set<Helper>& helpers) {
  // The last part ends the file; the group around the parts closes.
  std::string script = "}\n";
  if (dispatch_) {
    script = PartEnd(part_starts_.empty() ? kStartPart : part_starts_.back(), ":eof") + "}\n";
  }
  if (dynamic_jumps_) script.append("\n").append(LabelLookup(body_name_ + "_lab"));
  script.append("\n").append(RuntimeBanner(options_.runtime_file));
  if (options_.runtime_file.empty()) {
    script += HelperDefinitions(out_.used());
  } else {
    script += RuntimeSourcing(options_.runtime_file);
    std::set<Helper> own;
    for (Helper helper : helpers) {
      if (ReadsTheScriptsPath(helper)) own.insert(helper);
    }
    script += HelperDefinitions(own);
  }
  if (helpers.count(Helper::kWinenv) > 0) script += "_winenv\n";
  script += "\n# The end of the script: it runs the batch file's translation above.\n";
  script += "_fn=" + body_name_ + "\n";
  script += "# A batch file that calls this one reads the functions above and runs it.\n";
  // Read through eval, the return is one that shellcheck does not see, so the
  // script ends only at _exit for it. It then leaves the functions, which run
  // by names it does not follow, out of its data-flow analysis. Followed from
  // the script's end, every helper is followed again from each call whose
  // variables differ, which took minutes and gigabytes on long scripts.
  script += "[ -n \"${_sourced-}\" ] && eval return 0\n";
  script += "_pc=_start\n\"$_fn\" \"$@\"\n_exit\n";
  return script;
}

void Generator::Finish(const std::function<void(std::string_view)>& write) {
  Comments(static_cast<int>(lines_->size()) - 1);
  ResolveJumps();
  std::stable_sort(stops_.begin(), stops_.end(), [](const Stop& a, const Stop& b) {
    return std::tie(a.line, a.column) < std::tie(b.line, b.column);
  });
  out_.Use(Helper::kExit);
  if (out_.Contains("${_nl}")) out_.Use(Helper::kNl);
  body_name_ = BodyName();
  const std::set<Helper> helpers = HelpersNeeded(out_.used());
  const std::vector<ScriptWriter::HoleFiller> fillers = {
      nullptr,
      [this](size_t payload, size_t) { return FillArm(payload); },
      [this](size_t payload, size_t line) { return FillGoto(payload, line); },
      [this](size_t payload, size_t) { return FillLeave(payload != 0); },
      [this](size_t payload, size_t) { return FillReturn(payload); },
  };
  // A label's hole is filled with nothing when no jump lands there.
  if (!out_.HasAnyCommand(kArmHole)) out_.Line(":");
  out_.Assemble(ScriptHeader(helpers) + BodyOpening(), fillers, write);
  write(ScriptEnd(helpers));
}

}  // namespace morvex
