// Labels, the jumps to them, and the parts of the file they begin: where a
// goto or call lands, the dispatch loop that runs the parts, and the lookup
// of a label known only when the script runs.

#include "generator/generator.h"

#include <algorithm>
#include <optional>
#include <string>

#include "generator/sh_quote.h"
#include "parser/characters.h"
#include "parser/parser.h"

namespace morvex {

std::string Generator::Goto(const std::string& label) {
  if (label == ":eof") return LeaveBatch(true);
  goto_sites_.push_back({label, statement_index_ - 1, false, "",
                         current_command_ ? StopPosition(*current_command_)
                                          : std::pair<int, int>(statement_line_ + 1, 1),
                         loop_depth_ == 0 && captures_ == 0});
  return ScriptWriter::Hole(kGotoHole, goto_sites_.size() - 1);
}

std::string Generator::CallLabel(const std::string& label, const std::string& arguments) {
  goto_sites_.push_back({label, statement_index_ - 1, true, arguments,
                         current_command_ ? StopPosition(*current_command_)
                                          : std::pair<int, int>(statement_line_ + 1, 1)});
  return ScriptWriter::Hole(kGotoHole, goto_sites_.size() - 1);
}

std::string Generator::LabelOf(const GotoSite& site) {
  return site.label[0] == ':' ? site.label.substr(1) : site.label;
}

std::string Generator::ArmName(size_t label_statement) const {
  return "_l" + std::to_string(label_statement);
}

std::string Generator::LeaveBatch(bool with_errorlevel) {
  return ScriptWriter::Hole(kLeaveHole, with_errorlevel ? 1 : 0);
}

void Generator::NoteShift() {
  shift_statements_.push_back(static_cast<size_t>(statement_index_ - 1));
}

// The part of the file a statement is in: the last label at or before it
// that a jump lands on, or the start (kStartPart).
size_t Generator::PartOf(size_t statement) const {
  const auto after = std::upper_bound(part_starts_.begin(), part_starts_.end(), statement);
  return after == part_starts_.begin() ? kStartPart : *(after - 1);
}

std::string Generator::PartName(size_t part) const {
  return body_name_ + (part == kStartPart ? std::string("_start") : ArmName(part));
}

// How a part of the file hands control back to the dispatch loop. A part that
// shifts the arguments hands them back too, since a function's shift does
// not reach its caller's.
std::string Generator::FillReturn(size_t statement) const {
  return shifting_parts_.count(PartOf(statement)) > 0 ? "_sa \"$@\" && return" : "return";
}

std::string Generator::FillLeave(bool with_errorlevel) const {
  if (!dispatch_) return with_errorlevel ? "return \"$_el\"" : "return";
  return "_pc=:eof && return";
}

// A goto to the label that begins the part it stands in goes round a loop
// inside the part instead of through the dispatch loop: a loop of gotos then
// costs no function call a round.
bool Generator::GoesRoundItsPart(const GotoSite& site, size_t target) const {
  return site.plain && !site.is_call && PartOf(static_cast<size_t>(site.statement)) == target;
}

// The lines that end a part, which then hands control to `next`.
std::string Generator::PartEnd(size_t part, const std::string& next) const {
  std::string code;
  if (shifting_parts_.count(part) > 0) code += "  _sa \"$@\"\n";
  code += "  _pc=" + next + "\n";
  if (looping_parts_.count(part) > 0) code += "  return\n  done\n";
  return code + "}\n";
}

// Each part of the file is a function of its own, called by the dispatch
// loop.
std::string Generator::FillArm(size_t statement_index) {
  if (!arm_used_[statement_index]) return "";
  const size_t ending = statement_index == 0 ? kStartPart : PartOf(statement_index - 1);
  std::string code = PartEnd(ending, ArmName(statement_index)) + "\n";
  code += PartName(statement_index) + "() {\n";
  if (looping_parts_.count(statement_index) > 0) {
    code += "  # A goto to this part's label goes round this loop.\n  while :; do\n";
  }
  return code;
}

std::string Generator::FillGoto(size_t site_index, size_t line) {
  const GotoSite& site = goto_sites_[site_index];
  const std::string name = LabelOf(site);
  const std::optional<size_t> target = ResolveLabel(site);
  if (!target) {
    // cmd looks for the label's line anywhere in the file; one inside a block
    // or a continued line is a place this script cannot jump to. A call that
    // cannot go there fails; a goto ends the script, which must not run on
    // from the goto as if cmd had.
    if (LabelLines().count(name) > 0 && !name.empty()) {
      const std::string stop = "_nt " + std::to_string(line) + " " +
                               ShellQuote((site.is_call ? "call :" : "goto :") + name);
      return site.is_call ? stop : stop + "; _exit";
    }
    return (site.is_call ? "_nolabel call " : "_nolabel goto ") + ShellQuote(name);
  }
  const std::string arm = ArmName(*target);
  if (site.is_call) return "_call " + arm + site.arguments;
  if (GoesRoundItsPart(site, *target)) return "continue";
  return "_pc=" + arm + " && " + FillReturn(static_cast<size_t>(site.statement));
}

const std::set<std::string>& Generator::LabelLines() {
  if (label_lines_.empty()) {
    for (std::string_view text : *lines_) {
      std::string_view after_colon;
      if (batch::IsLabelLine(text, &after_colon)) {
        label_lines_.insert(batch::LabelName(after_colon));
      }
    }
    label_lines_.insert("");  // the set has been filled
  }
  return label_lines_;
}

// A jump whose label is known only when it runs asks the script's label
// lookup for its arm: "" when there is no such label, "?" when the label
// stands where the script cannot jump to (a goto there ends the script), and
// ":eof" for the end of the file.
std::string Generator::DynamicJump(const std::string& target, const batch::Text& written,
                                   bool is_call, const std::string& arguments,
                                   const std::string& source) {
  dynamic_jumps_ = true;
  NoteJumpName(written);
  out_.Use({Helper::kLabword, Helper::kNolabel, Helper::kNt, Helper::kExit});
  if (is_call) out_.Use(Helper::kCall);
  std::string code =
      "\"${_fn}_lab\" " + std::to_string(statement_index_ - 1) + " " + target + "\ncase $_r in\n";
  if (is_call) {
    code += "'' | :eof) _nolabel call \"$_lab_n\" ;;\n";
  } else {
    code += "'') _nolabel goto \"$_lab_n\" ;;\n:eof) " + LeaveBatch(true) + " ;;\n";
  }
  code += "'?') _nt " + ScriptWriter::LineNumberHole() + " " + ShellQuote(source) +
          (is_call ? "" : "; _exit") + " ;;\n";
  if (is_call) {
    code += "*) _call \"$_r\" \":$_lab_w\"" + arguments + " ;;\n";
  } else {
    code += "*) _pc=$_r && " +
            ScriptWriter::Hole(kReturnHole, static_cast<size_t>(statement_index_ - 1)) + " ;;\n";
  }
  return code + "esac";
}

// The separators the run-time label lookup (_labword) passes over, and the
// bytes that end a label's name there: the ones a shell pattern holds in any
// locale, so vertical tab, form feed and 0xFF, which cmd also skips, are not
// among them.
constexpr std::string_view kLookupSeparators = " \t,;=";
constexpr std::string_view kLookupNameEnds = " \t,;=+:&|<>";

// What a run-time jump can name follows from the literal text before its
// first expansion, cut as the label lookup below cuts it: separators and one
// colon go, and the name ends at the first byte that ends a label's name.
// Only the labels it can name get an arm of the dispatch, which keeps the
// script small where a file of many labels jumps to "menu_%choice%".
void Generator::NoteJumpName(const batch::Text& written) {
  std::string known;
  for (const batch::Piece& piece : written.pieces()) {
    if (piece.kind != batch::Piece::Kind::kLiteral) break;
    known += piece.text;
  }
  const size_t first = known.find_first_not_of(kLookupSeparators);
  if (first == std::string::npos) {
    jumps_name_any_label_ = true;
    return;
  }
  known.erase(0, first);
  if (known[0] == ':') known.erase(0, 1);
  const size_t end = known.find_first_of(kLookupNameEnds);
  JumpName name;
  name.whole = end != std::string::npos;
  name.start = batch::Lower(known.substr(0, end));
  if (name.start.empty() && !name.whole) {
    jumps_name_any_label_ = true;
    return;
  }
  jump_names_.insert(std::move(name));
}

bool Generator::JumpCanName(const std::string& label) const {
  if (jumps_name_any_label_) return true;
  for (const JumpName& name : jump_names_) {
    if (name.whole ? label == name.start : label.compare(0, name.start.size(), name.start) == 0) {
      return true;
    }
  }
  return false;
}

// The function that finds a label's arm when the script runs, as cmd finds
// the label: its name is the first word after separators and one colon, in
// any case, and the first label after the jump wins, or else the first one.
std::string Generator::LabelLookup(const std::string& name) {
  std::string code = "# shellcheck disable=SC2154 # _labword sets _lab_n, through eval\n";
  code += name + "() {\n";
  code += "  _labword \"$2\"\n";
  code += "  _r=\n";
  code += "  [ \"$_lab_c$_lab_n\" = :eof ] && _r=:eof && return\n";
  code += "  case $_lab_n in\n";
  for (const auto& [label, statements] : labels_) {
    if (label.empty() || !JumpCanName(label)) continue;
    code += "  " + ShellQuote(label) + ") ";
    if (statements.size() == 1) {
      code += "_r=" + ArmName(statements[0]) + " ;;\n";
      continue;
    }
    for (size_t i = 0; i < statements.size(); ++i) {
      code += (i == 0 ? "if" : "elif");
      code += " [ \"$1\" -lt " + std::to_string(statements[i]) + " ]; then _r=";
      code += ArmName(statements[i]) + "; ";
    }
    code += "else _r=" + ArmName(statements[0]) + "; fi ;;\n";
  }
  for (const std::string& label : LabelLines()) {
    if (label.empty() || labels_.count(label) > 0 || !JumpCanName(label)) continue;
    code += "  " + ShellQuote(label) + ") _r='?' ;;\n";
  }
  code += "  esac\n";
  code += "}\n";
  return code;
}

std::optional<size_t> Generator::ResolveLabel(const GotoSite& site) const {
  const auto found = labels_.find(LabelOf(site));
  if (found == labels_.end()) return std::nullopt;
  // cmd searches from the line after the jump to the end of the file, then
  // from the top.
  // The statements of one label are in file order.
  const std::vector<size_t>& statements = found->second;
  const auto after =
      std::upper_bound(statements.begin(), statements.end(), static_cast<size_t>(site.statement));
  return after != statements.end() ? *after : statements.front();
}

// The batch file's function when a jump can land on a label: a loop that runs
// the part of the file that _pc names until a part sets it to :eof. The
// parts are functions, one from the start and one from each label a jump
// lands on, in file order after the loop, each called by the name _pc
// gives.
std::string Generator::DispatchLoop() const {
  std::string code = "  while [ \"$_pc\" != :eof ]; do\n";
  code += "    \"" + body_name_ + "$_pc\" \"$@\"\n";
  if (!shifting_parts_.empty())
    code += "    [ -z \"${_av+1}\" ] || { eval \"set -- $_av\"; unset _av; }\n";
  code += "  done\n  return \"$_el\"\n}\n\n";
  return code + PartName(kStartPart) + "() {\n";
}

// Where each goto and call lands, and so which labels begin parts of the
// file and which parts shift the arguments. A jump that lands nowhere it can
// is a stop.
void Generator::ResolveJumps() {
  arm_used_.assign(static_cast<size_t>(statement_index_), false);
  for (const GotoSite& site : goto_sites_) {
    if (std::optional<size_t> target = ResolveLabel(site)) {
      arm_used_[*target] = true;
      if (site.is_call) out_.Use(Helper::kCall);
    } else {
      out_.Use({Helper::kNolabel, Helper::kNt, Helper::kExit});
      const std::string name = LabelOf(site);
      if (!name.empty() && LabelLines().count(name) > 0) {
        AddStop(site.position, "stop-jump-into-block",
                (site.is_call ? "call :" : "goto :") + name + ", a label inside a block");
      }
    }
  }
  if (dynamic_jumps_) {
    for (const auto& [label, statements] : labels_) {
      if (!JumpCanName(label)) continue;
      for (size_t statement : statements) arm_used_[statement] = true;
    }
  }
  for (size_t statement = 0; statement < arm_used_.size(); ++statement) {
    if (arm_used_[statement]) part_starts_.push_back(statement);
  }
  dispatch_ = dynamic_jumps_ || !part_starts_.empty();
  if (dispatch_) {
    for (size_t statement : shift_statements_) shifting_parts_.insert(PartOf(statement));
    if (!shifting_parts_.empty()) out_.Use(Helper::kSa);
    for (const GotoSite& site : goto_sites_) {
      const std::optional<size_t> target = ResolveLabel(site);
      if (target && GoesRoundItsPart(site, *target)) looping_parts_.insert(*target);
    }
  }
}

}  // namespace morvex
