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
    letters += (letters.empty() ? "" : " ") + std::string(1, letter);
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

void Generator::Finish(const std::function<void(std::string_view)>& write) {
  Comments(static_cast<int>(lines_->size()) - 1);
  arm_used_.assign(static_cast<size_t>(statement_index_), false);
  for (const GotoSite& site : goto_sites_) {
    if (std::optional<size_t> target = ResolveLabel(site)) {
      arm_used_[*target] = true;
      if (site.is_call) out_.Use(Helper::kCall);
    } else {
      out_.Use(Helper::kNolabel);
      out_.Use(Helper::kNt);
      const std::string name = LabelOf(site);
      if (!name.empty() && LabelLines().count(name) > 0) {
        AddStop(site.position, "stop-jump-into-block",
                (site.is_call ? "call :" : "goto :") + name + ", a label inside a block");
      }
    }
  }
  std::stable_sort(stops_.begin(), stops_.end(), [](const Stop& a, const Stop& b) {
    return std::tie(a.line, a.column) < std::tie(b.line, b.column);
  });
  out_.Use(Helper::kExit);
  if (out_.Contains("${_nl}")) out_.Use(Helper::kNl);
  if (dynamic_jumps_) {
    for (const auto& [label, statements] : labels_) {
      if (!JumpCanName(label)) continue;
      for (size_t statement : statements) arm_used_[statement] = true;
    }
  }
  dispatch_ =
      dynamic_jumps_ || std::find(arm_used_.begin(), arm_used_.end(), true) != arm_used_.end();
  const bool dispatch = dispatch_;
  for (size_t statement = 0; statement < arm_used_.size(); ++statement) {
    if (arm_used_[statement]) part_starts_.push_back(statement);
  }
  if (dispatch) {
    for (size_t statement : shift_statements_) shifting_parts_.insert(PartOf(statement));
    if (!shifting_parts_.empty()) out_.Use(Helper::kSa);
  }

  std::string head = "#!/bin/sh\n";
  head += "# Converted by morvex --runnable. A command marked \"not translated\" prints a\n";
  head += "# message and fails with errorlevel 1 when the script reaches it.\n";
  if (!echo_turned_off_) {
    head += "# cmd shows each command before it runs while echo is on; this script does not.\n";
  }
  head += "set -f\n";
  head += "_me=" + ShellQuote(script_name_) + "\n";
  head += "_el=${_el:-0}\n";
  const std::set<Helper> helpers = HelpersNeeded(out_.used());
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
  head += Settings(helpers);
  // The body's name is the batch file's own, so that a script that another
  // one runs in its shell (call other.bat) does not replace the caller's.
  uint64_t hash = 14695981039346656037ull;
  for (std::string_view line : *lines_) {
    for (char c : line) hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ull;
    hash = (hash ^ '\n') * 1099511628211ull;
  }
  char name[32];
  std::snprintf(name, sizeof name, "_b_%016llx", static_cast<unsigned long long>(hash));
  body_name_ = name;
  const std::string& body_name = body_name_;
  // The translation comes first; sh looks a function up only when it is
  // called, and the body is called at the end, after the helpers below.
  head += "\n# The batch file, translated.\n";
  // The helpers set the temporaries (_e1) and the for variables (_l_i) by the
  // names they are given, through eval, which shellcheck cannot follow. And
  // quotes in a variable's value are text, as they are to cmd: the words of a
  // value that is split where it is used are split at spaces only. A for
  // loop inside another may use its letter, as in cmd.
  head += "# shellcheck disable=SC2154,SC2089,SC2090,SC2165,SC2167 # helpers set _e and _l_";
  head += " variables; quotes in values are text; nested for loops may share a letter\n";
  if (dispatch) head += "{\n";
  head += body_name + "() {\n";
  // %* is the call's line as written when _call hands it over (_ct).
  if (reads_all_arguments_) head += "  _star=${_ct-$*}\n  unset _ct\n";
  if (dispatch) head += DispatchLoop();

  const std::vector<ScriptWriter::HoleFiller> fillers = {
      nullptr,
      [this](size_t payload, size_t) { return FillArm(payload); },
      [this](size_t payload, size_t line) { return FillGoto(payload, line); },
      [this](size_t payload, size_t) { return FillLeave(payload != 0); },
      [this](size_t payload, size_t) { return FillReturn(payload); },
  };
  if (!out_.HasAnyCommand()) out_.Line(":");
  out_.Assemble(head, fillers, write);
  std::string script;
  // The last part ends the file; the group around the parts closes.
  script += dispatch ? "  _pc=:eof\n}\n}\n" : "}\n";
  if (dynamic_jumps_) script += "\n" + LabelLookup(body_name + "_lab");
  script += "\n" + RuntimeBanner(options_.runtime_file);
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
  script += "_fn=" + body_name + "\n";
  script += "# A batch file that calls this one reads the functions above and runs it.\n";
  script += "[ -n \"${_sourced-}\" ] && return 0\n";
  script += "_pc=_start\n\"$_fn\" \"$@\"\n_exit\n";
  write(script);
}

}  // namespace morvex
