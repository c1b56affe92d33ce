// The sh generator: walks the statements of a batch file and writes a script
// for dash that does what cmd does with them. This header is the generator's
// inside, shared by the files that translate each construct and command; the
// library's interface is runnable_script.h.

#ifndef MORVEX_GENERATOR_GENERATOR_H_
#define MORVEX_GENERATOR_GENERATOR_H_

#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "generator/runnable_script.h"
#include "generator/script_writer.h"
#include "parser/syntax.h"

namespace morvex {

/// Lines that must run just before a command: they compute the values of
/// expansions that sh cannot write inline.
using Prelude = std::vector<std::string>;

/// How the words of a command's text are cut.
enum class WordStyle {
  kProgram,  // as a Windows program cuts its command line; backslashes become slashes
  kBuiltin,  // at cmd's separators, quotes removed, backslashes left to the helper
  kCall,     // at cmd's separators, quotes kept, as %1 to %9 receive them
};

class Generator {
 public:
  Generator(const std::vector<std::string_view>& lines, std::string_view script_name,
            const RunnableOptions& options = {});

  /// Translates one statement, in file order.
  void Statement(const batch::Statement& statement);
  /// Writes the whole script through `write`, in pieces.
  void Finish(const std::function<void(std::string_view)>& write);

  // What the command translations use.

  ScriptWriter& out() { return out_; }
  const RunnableOptions& options() const { return options_; }

  /// One sh word whose value is the text's value, computing what needs
  /// computing into `prelude`.
  std::string Value(const batch::Text& text, Prelude* prelude);
  /// The words of a command's text, each one sh word (or, for an expansion
  /// outside quotes, text that splits into words as cmd's would).
  std::vector<std::string> Words(const batch::Text& text, WordStyle style, Prelude* prelude);
  /// Writes the prelude's lines.
  void WritePrelude(const Prelude& prelude);

  /// Writes a note and the call that stops with "not translated" when the
  /// script reaches the command, which then fails with errorlevel 1, and
  /// records the stop under `code`, which names its kind ("stop-shift"), with
  /// `message` or else `why` to say what it is.
  void NotTranslated(const batch::Command& command, std::string_view why, std::string_view code,
                     std::string_view message = {});
  /// Records a stop at `command` for the list that stops() gives.
  void RecordStop(const batch::Command& command, std::string_view code, std::string_view message);
  /// The stops recorded, by line and column, once Finish has run.
  const std::vector<Stop>& stops() const { return stops_; }
  /// The command as written in the batch file, for messages.
  std::string SourceText(const batch::Command& command) const;
  /// Writes a comment line.
  void Note(std::string_view text);

  /// The redirections of a command, as sh text to append to it (with a
  /// leading space), or empty.
  std::string Redirections(const batch::Command& command, Prelude* prelude);

  /// Translates a command line given as text, as "cmd /c" would run it: the
  /// command whose output a for /f loop reads.
  void EmitCommandLine(const batch::Text& text);
  /// Takes the values of the percent expansions (%VAR%, %1) of `text` now,
  /// into `prelude`, as cmd puts them in when it reads the statement: for a
  /// text that is read again as a command line (cmd /c), whose commands
  /// must not see what the ones before them change.
  void KeepPercentValues(const batch::Text& text, Prelude* prelude);

  /// Translates a sequence, and-or list, pipeline or command inside the
  /// current statement.
  void Emit(const batch::Sequence& sequence);
  void Emit(const batch::Command& command);

  /// The code of a goto to `label` (lower case, with a leading colon when one
  /// was written) from the current place; ":eof" is the end of the file.
  std::string Goto(const std::string& label);
  /// The code that leaves the batch file (goto :eof, exit /b): with the
  /// errorlevel as its status when `with_errorlevel`.
  std::string LeaveBatch(bool with_errorlevel);
  /// Records that the current statement shifts the arguments.
  void NoteShift();
  /// The code of `call :label`; `arguments` are its %0 and the rest, sh words
  /// each after a space.
  std::string CallLabel(const std::string& label, const std::string& arguments);
  /// The code of a goto or `call :label` whose label is known only when the
  /// script runs: `target` is the sh value of what follows the word and
  /// `written` the same as the batch line writes it, `source` the command as
  /// written, for its message.
  std::string DynamicJump(const std::string& target, const batch::Text& written, bool is_call,
                          const std::string& arguments, const std::string& source);
  /// The number of sh loops around the current place.
  int loop_depth() const { return loop_depth_; }
  /// True while the commands written go into text that is placed later (a
  /// pipe's side, a part of an && list, a for /f command).
  bool InCapture() const { return captures_ > 0; }
  void EnterLoop() { ++loop_depth_; }
  void LeaveLoop() { --loop_depth_; }

  /// The for-loop variables in scope, innermost last.
  std::vector<char>& loop_letters() { return loop_letters_; }

  /// Counts a temporary variable for a prelude: "_e1", "_e2", ...
  std::string Temporary();

  std::string_view script_name() const { return script_name_; }
  /// Records that the batch file turns echo off, so that the script need not
  /// say that it does not show commands as cmd does while echo is on.
  void EchoTurnedOff() { echo_turned_off_ = true; }

 private:
  void Comments(int through_line);
  void Snapshot(const batch::Statement& statement, std::string_view prefix);
  std::string ShapeChecks(const batch::Sequence& body, std::string_view prefix);
  std::string OperandValue(const batch::Text& operand, Prelude* prelude);
  std::string PieceValue(const batch::Piece& piece, Prelude* prelude, bool convert_slashes);
  std::string ExpansionValue(const batch::Piece& piece, Prelude* prelude);
  // Runs `helper` into a new temporary before the command; the value reads it.
  std::string ComputedValue(Helper helper, const std::string& arguments, Prelude* prelude);
  // A variable read with ! when delayed expansion is on, and as `otherwise` when it is off.
  std::string DelayedOrNotValue(const batch::Piece& piece,
                                const std::vector<batch::Piece>& otherwise, Prelude* prelude);
  // A %name% or !name! value, with its substring or replacement applied.
  std::string VariableValue(const batch::Piece& piece, Prelude* prelude);
  // A %0 to %9 value, with its ~ modifiers applied.
  std::string ArgumentValue(const batch::Piece& piece, Prelude* prelude);
  void EmitAndOr(const batch::AndOr& list);
  void EmitPipeline(const batch::Pipeline& pipeline);
  // Writes the captured parts of an and-or list or a pipeline joined by
  // their operators ("&&", "||", "|"): on one line when each part is one
  // line, else each in a group of its own. A pipeline's last part runs in a
  // subshell.
  void WriteJoined(const std::vector<std::string>& parts,
                   const std::vector<std::string_view>& operators, bool last_in_subshell);
  void EmitIf(const batch::IfCommand& statement);
  void EmitFor(const batch::Command& command, const batch::ForCommand& loop);
  void EmitForLines(const batch::Command& command, const batch::ForCommand& loop);
  // The head of "for /l": a while loop that counts from start by step to end.
  void CountingLoopHead(const batch::ForCommand& loop, const std::string& variable,
                        Prelude* prelude, std::vector<std::string>* head,
                        std::vector<std::string>* tail);
  // The head of a loop over the files or folders that wildcards (or /r) find.
  void FoundItemsLoopHead(const batch::ForCommand& loop, const std::string& variable,
                          Prelude* prelude, std::vector<std::string>* head,
                          std::vector<std::string>* after);
  void EmitLoopBody(const batch::ForCommand& loop, int variables,
                    const std::vector<std::string>& head, const std::vector<std::string>& tail,
                    const std::vector<std::string>& after);
  void EmitBlock(const batch::Command& command, const batch::Block& block);
  void EmitUnreadable(const batch::Command& command, const batch::Unreadable& unreadable);
  std::string Capture(const std::function<void()>& body);
  // Writes `body` one level in, with ":" when it writes no command.
  void EmitIndented(const std::function<void()>& body);
  std::string Condition(const batch::Condition& condition, Prelude* prelude);
  // The test of "if [/i] a==b": equal text, in any case with /i.
  std::string EqualTextTest(const batch::Condition& condition, const std::string& left,
                            const std::string& right, Prelude* prelude);
  // The test of "if a equ b" and the other comparisons, as numbers when both are numbers.
  std::string CompareTest(const batch::Condition& condition, const std::string& left,
                          const std::string& right, Prelude* prelude);
  // The test of "if errorlevel n": the last exit status is n or more.
  std::string ErrorlevelTest(const batch::Condition& condition, Prelude* prelude);

  // Fillers of the holes the generator leaves in the script's body, by
  // number (0 is the script's line number).
  static constexpr int kArmHole = 1;
  static constexpr int kGotoHole = 2;
  static constexpr int kLeaveHole = 3;
  static constexpr int kReturnHole = 4;

  struct GotoSite {
    std::string label;
    int statement = 0;
    bool is_call = false;
    std::string arguments;
    std::pair<int, int> position;  // of the command in the batch file, for a stop
    // Outside any loop and any captured text (a pipe's side, an && list), so
    // `continue` reaches the loop of the part the jump stands in.
    bool plain = false;
  };
  // The line and column, from 1, where `command` stands in the batch file.
  std::pair<int, int> StopPosition(const batch::Command& command) const;
  void AddStop(std::pair<int, int> position, std::string_view code, std::string_view message);
  std::string FillGoto(size_t site, size_t line);
  static std::string LabelOf(const GotoSite& site);
  std::optional<size_t> ResolveLabel(const GotoSite& site) const;
  std::string FillArm(size_t statement_index);
  std::string FillReturn(size_t statement) const;
  bool GoesRoundItsPart(const GotoSite& site, size_t target) const;
  std::string PartEnd(size_t part, const std::string& next) const;
  std::string FillLeave(bool with_errorlevel) const;
  size_t PartOf(size_t statement) const;
  std::string PartName(size_t part) const;
  std::string DispatchLoop() const;
  void ResolveJumps();
  // The frame of the whole script.
  std::string ScriptHeader(const std::set<Helper>& helpers) const;
  std::string BodyName() const;
  std::string BodyOpening() const;
  std::string ScriptEnd(const std::set<Helper>& helpers);
  std::string ArmName(size_t label_statement) const;
  const std::set<std::string>& LabelLines();
  std::string LabelLookup(const std::string& name);
  void NoteJumpName(const batch::Text& written);
  bool JumpCanName(const std::string& label) const;
  std::string Settings(const std::set<Helper>& helpers) const;
  // A simple command whose delayed expansion only the run decides, and its
  // readings with it on and off.
  static bool HasDelayedChoice(const batch::Command& command);
  static batch::Command DelayedReading(const batch::Command& command, bool on);

  const std::vector<std::string_view>* lines_;  // the batch file's, or a command line's
  bool comments_ = true;  // off while a command line given as text is translated
  std::string script_name_;
  RunnableOptions options_;
  ScriptWriter out_;
  int commented_through_ = -1;  // the last physical line written as a comment
  int statement_index_ = 0;
  int statement_line_ = 0;
  const batch::Command* current_command_ = nullptr;
  int loop_depth_ = 0;
  int captures_ = 0;  // how deep in Capture()
  std::vector<char> loop_letters_;
  int temporaries_ = 0;
  bool echo_turned_off_ = false;
  bool reads_all_arguments_ = false;  // %*, which the body keeps as it starts

  // The values of the statement's percent expansions, taken when it is read.
  std::map<std::string, std::string> snapshot_;
  // The if operands of the statement that were read and checked when it was
  // read: the variable that holds each one's word.
  std::map<const batch::Text*, std::string> checked_operands_;

  // The stops, and the line and column of the command that runs the command
  // line being translated, if any.
  std::vector<Stop> stops_;
  std::set<std::tuple<int, int, std::string>> stop_keys_;
  std::pair<int, int> command_line_start_;
  // The statement's line in lower case, where the commands of a command
  // line given as text are looked for.
  mutable int lowered_line_ = 0;
  mutable std::string lowered_text_;
  const std::vector<std::string_view>* file_lines_;

  // Labels: the statement index of each label statement by name, in file
  // order, and where the gotos and calls go.
  std::map<std::string, std::vector<size_t>> labels_;
  std::vector<bool> arm_used_;
  std::vector<GotoSite> goto_sites_;
  // With a dispatch loop, the file runs in parts: one function from the start
  // and one from each label a jump lands on (by statement index, in order).
  static constexpr size_t kStartPart = static_cast<size_t>(-1);
  bool dispatch_ = false;
  std::string body_name_;
  std::vector<size_t> part_starts_;
  std::vector<size_t> shift_statements_;
  std::set<size_t> shifting_parts_;    // parts that shift the arguments
  std::set<size_t> looping_parts_;     // parts a goto in them starts again
  std::set<std::string> label_lines_;  // the names of all label lines, filled when needed
  bool dynamic_jumps_ = false;         // a goto or call whose label is known when the script runs
  // What the run-time jumps can name: the known start of each one's label
  // name (the whole name when `whole`), or any label when one has none.
  struct JumpName {
    std::string start;
    bool whole = false;
    bool operator<(const JumpName& other) const {
      return start != other.start ? start < other.start : whole < other.whole;
    }
  };
  std::set<JumpName> jump_names_;
  bool jumps_name_any_label_ = false;
};

/// The value of a variable that cmd makes up or that Windows sets, given its
/// upper-case name ("RANDOM", "USERPROFILE"), as sh text for inside double
/// quotes; `compute` adds a helper's call to the prelude and gives its
/// result. Empty for an ordinary variable.
std::string DynamicValue(std::string_view upper_name,
                         const std::function<std::string(Helper)>& compute);
/// True for the variables Windows always sets and that have a stand-in here;
/// `name` as the batch file writes it, in any case.
bool AlwaysDefined(std::string_view name);
/// True when `text` holds an expansion outside quotes, whose value may hold
/// blanks or quotes that cut the words anew when the command runs.
bool HasUnquotedExpansion(const batch::Text& text);
/// True for the sh names of the variables that name Windows' own folders
/// ("WINDIR", "xPROGRAMFILES_28X86_29"), which the script defines when they
/// are not set.
bool WindowsFolderVariable(std::string_view shell_name);

/// A key that tells expansions apart, for a statement's table of the values
/// it takes when cmd reads it.
std::string PieceKey(const batch::Piece& piece);

inline void Generator::KeepPercentValues(const batch::Text& text, Prelude* prelude) {
  for (const batch::Piece& piece : text.pieces()) {
    if (piece.kind != batch::Piece::Kind::kVariable &&
        piece.kind != batch::Piece::Kind::kArgument) {
      continue;
    }
    const std::string key = PieceKey(piece);
    if (snapshot_.count(key) > 0) continue;
    const std::string name =
        "_cp" + std::to_string(statement_line_ + 1) + "_" + std::to_string(snapshot_.size() + 1);
    prelude->push_back(name + "=" + ExpansionValue(piece, prelude));
    snapshot_[key] = name;
  }
}

/// A built-in command's translation. Each lives in the file named after the
/// commands it translates, under commands/.
using CommandRule = void (*)(Generator& generator, const batch::Command& command);

/// The rule for a built-in's lower-case name, or nullptr for a command that
/// has no translation.
CommandRule FindCommandRule(std::string_view word);

/// A program run by name: a batch file's converted script, or any other
/// program. `called` is set for "call name": a batch file run without call
/// takes the place of the one that runs it.
void TranslateProgram(Generator& generator, const batch::Command& command, bool called = false);

}  // namespace morvex

#endif  // MORVEX_GENERATOR_GENERATOR_H_
