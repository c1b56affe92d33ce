#include "generator/generator.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <optional>
#include <utility>

#include "generator/commands/commands.h"
#include "generator/known_numbers.h"
#include "generator/runtime_library.h"
#include "generator/sh_quote.h"
#include "generator/shell_names.h"
#include "parser/parser.h"

namespace morvex {
namespace {

using batch::Command;
using batch::Piece;
using batch::Sequence;
using batch::Text;

bool HasCommand(std::string_view text) {
  return ScriptWriter::HasCommand(text);
}

bool IsSingleLine(std::string_view text) {
  return !text.empty() && text.find('\n') == text.size() - 1 && HasCommand(text);
}

std::string Trimmed(std::string_view line) {
  const size_t first = line.find_first_not_of(' ');
  if (first == std::string_view::npos) return "";
  std::string trimmed(line.substr(first));
  if (!trimmed.empty() && trimmed.back() == '\n') trimmed.pop_back();
  return trimmed;
}

bool ReadWhenLineIsRead(const Piece& piece) {
  return piece.kind == Piece::Kind::kVariable || piece.kind == Piece::Kind::kArgument;
}

// Calls `visit` on every text of a sequence's commands and of the commands
// inside them.
void ForEachText(const Sequence& sequence, const std::function<void(const Text&)>& visit) {
  batch::ForEachCommand(sequence,
                        [&](const Command& command) { batch::ForEachOwnText(command, visit); });
}

// A single simple command, alone or as the only command of an if's branches:
// nothing in the statement can change a variable between the time cmd reads
// the line and the time the command uses it.
bool IsSingleCommand(const Sequence& sequence) {
  if (sequence.items.size() != 1 || sequence.items[0].pipelines.size() != 1 ||
      sequence.items[0].pipelines[0].commands.size() != 1) {
    return false;
  }
  const Command& command = *sequence.items[0].pipelines[0].commands[0];
  if (command.Is<batch::SimpleCommand>()) return true;
  const batch::IfCommand* branch = command.As<batch::IfCommand>();
  if (branch == nullptr) return false;
  auto simple = [](const Sequence& s) {
    return s.items.size() == 1 && s.items[0].pipelines.size() == 1 &&
           s.items[0].pipelines[0].commands.size() == 1 &&
           s.items[0].pipelines[0].commands[0]->Is<batch::SimpleCommand>();
  };
  return simple(branch->then_branch) && (!branch->else_branch || simple(*branch->else_branch));
}

}  // namespace

std::string PieceKey(const Piece& piece) {
  std::string key(1, static_cast<char>('0' + static_cast<int>(piece.kind)));
  key += std::to_string(piece.index);
  for (const std::string& part : {piece.text, piece.modifiers(), batch::SourceForm(piece.edit())}) {
    key += '\0';
    key += part;
  }
  return key;
}

Generator::Generator(const std::vector<std::string_view>& lines, std::string_view script_name,
                     const RunnableOptions& options)
    : lines_(&lines), script_name_(script_name), options_(options), file_lines_(&lines) {
  out_.Indent();
}

// Statements.

void Generator::Statement(const batch::Statement& statement) {
  const size_t index = static_cast<size_t>(statement_index_++);
  switch (statement.kind) {
    case batch::Statement::Kind::kEmpty:
      Comments(statement.last_line);
      out_.Seal();
      return;
    case batch::Statement::Kind::kLabel:
      labels_[statement.label].push_back(index);
      out_.text() += ScriptWriter::Hole(kArmHole, index);
      Comments(statement.last_line);
      out_.Seal();
      return;
    case batch::Statement::Kind::kCommands:
      break;
  }
  statement_line_ = statement.first_line;
  Comments(statement.first_line);
  snapshot_.clear();
  checked_operands_.clear();
  // A call inside the statement runs other statements, which take values of
  // their own: then this one's names must be its own. Otherwise all share a
  // few names, which keeps long scripts small for the tools that read them.
  bool calls = false;
  batch::ForEachCommand(statement.body, [&](const Command& command) {
    const batch::SimpleCommand* simple = command.As<batch::SimpleCommand>();
    calls = calls || (simple != nullptr && (simple->word.empty() || simple->word == "call"));
  });
  const std::string own = calls ? std::to_string(statement_line_ + 1) + "_" : "";
  Snapshot(statement, "_s" + own);
  const std::string shape = ShapeChecks(statement.body, "_o" + own);
  if (shape.empty()) {
    Emit(statement.body);
  } else {
    out_.Line("if " + shape + "; then");
    EmitIndented([&] { Emit(statement.body); });
    out_.Line("fi");
  }
  Comments(statement.last_line);
  out_.Seal();
}

void Generator::Comments(int through_line) {
  if (!comments_) return;
  for (int line = commented_through_ + 1; line <= through_line; ++line) {
    std::string_view text = (*lines_)[static_cast<size_t>(line)];
    if (batch::IsBlankLine(text)) continue;
    out_.Comment("# DOS: ", text);
  }
  commented_through_ = std::max(commented_through_, through_line);
}

// cmd puts the values of %VAR% and %1 in place when it reads the statement,
// before any of it runs. When something in the statement could change them
// first (a set, a call, an endlocal, a loop's next round), their values are
// taken here.
void Generator::Snapshot(const batch::Statement& statement, std::string_view prefix) {
  if (IsSingleCommand(statement.body)) return;
  int count = 0;
  Prelude prelude;
  ForEachText(statement.body, [&](const Text& text) {
    for (const Piece& piece : text.pieces()) {
      if (!ReadWhenLineIsRead(piece)) continue;
      const std::string key = PieceKey(piece);
      if (snapshot_.count(key) > 0) continue;
      const std::string name = std::string(prefix) + std::to_string(++count);
      prelude.push_back(name + "=" + ExpansionValue(piece, &prelude));
      snapshot_[key] = name;
    }
  });
  WritePrelude(prelude);
}

void Generator::EmitCommandLine(const batch::Text& text) {
  const std::string source = batch::SourceForm(text);
  const std::vector<std::string_view> lines = batch::SplitLines(source);
  batch::Parser parser(lines, loop_letters_);
  const std::pair<int, int> outer_start = command_line_start_;
  command_line_start_ = current_command_ ? StopPosition(*current_command_)
                                         : std::pair<int, int>(statement_line_ + 1, 1);
  const std::vector<std::string_view>* outer_lines = std::exchange(lines_, &lines);
  const bool outer_comments = std::exchange(comments_, false);
  batch::Statement statement;
  while (parser.Next(&statement)) {
    if (statement.kind == batch::Statement::Kind::kCommands) Emit(statement.body);
  }
  comments_ = outer_comments;
  lines_ = outer_lines;
  command_line_start_ = outer_start;
}

// Sequences and lists.

void Generator::Emit(const Sequence& sequence) {
  for (const batch::AndOr& list : sequence.items) EmitAndOr(list);
}

std::string Generator::Capture(const std::function<void()>& body) {
  std::string saved = std::exchange(out_.text(), std::string());
  const int indent = out_.indent();
  while (out_.indent() > 0) out_.Dedent();
  ++captures_;
  body();
  --captures_;
  while (out_.indent() < indent) out_.Indent();
  return std::exchange(out_.text(), std::move(saved));
}

void Generator::EmitAndOr(const batch::AndOr& list) {
  if (list.pipelines.size() == 1) {
    EmitPipeline(list.pipelines[0]);
    return;
  }
  std::vector<std::string> parts;
  std::vector<std::string_view> operators;
  for (const batch::Pipeline& pipeline : list.pipelines) {
    if (!parts.empty()) operators.push_back(list.and_before[parts.size() - 1] ? "&&" : "||");
    parts.push_back(Capture([&] { EmitPipeline(pipeline); }));
  }
  WriteJoined(parts, operators, /*last_in_subshell=*/false);
}

void Generator::WriteJoined(const std::vector<std::string>& parts,
                            const std::vector<std::string_view>& operators, bool last_in_subshell) {
  const bool all_single = std::all_of(parts.begin(), parts.end(), IsSingleLine);
  auto last = [&](size_t i) { return last_in_subshell && i + 1 == parts.size(); };
  if (all_single) {
    std::string line = Trimmed(parts[0]);
    for (size_t i = 1; i < parts.size(); ++i) {
      line += " " + std::string(operators[i - 1]) + " ";
      line += last(i) ? "(" + Trimmed(parts[i]) + ")" : Trimmed(parts[i]);
    }
    out_.Line(line);
    return;
  }
  for (size_t i = 0; i < parts.size(); ++i) {
    out_.Line(i == 0 ? std::string("{")
                     : "} " + std::string(operators[i - 1]) + (last(i) ? " (" : " {"));
    out_.Indent();
    out_.Lines(parts[i]);
    if (!HasCommand(parts[i])) out_.Line(":");
    out_.Dedent();
  }
  out_.Line(last_in_subshell ? ")" : "}");
}

void Generator::EmitPipeline(const batch::Pipeline& pipeline) {
  if (pipeline.commands.size() == 1) {
    Emit(*pipeline.commands[0]);
    return;
  }
  // Each side of a pipe runs in a shell of its own, as each runs in a cmd of
  // its own; the errorlevel afterwards is the last program's exit status.
  // The last side is put in a subshell of its own: some shells (ksh) run it
  // in the script's, where a set would stay.
  std::vector<std::string> parts;
  for (const batch::CommandPtr& command : pipeline.commands) {
    parts.push_back(Capture([&] { Emit(*command); }));
    // A redirection of a side's output belongs inside it: "{ a >f; } | b".
    if (IsSingleLine(parts.back()) && !command->redirections.empty() &&
        &command != &pipeline.commands.back()) {
      parts.back() = "{ " + Trimmed(parts.back()) + "; }\n";
    }
  }
  WriteJoined(parts, std::vector<std::string_view>(parts.size() - 1, "|"),
              /*last_in_subshell=*/true);
  const batch::SimpleCommand* last = pipeline.commands.back()->As<batch::SimpleCommand>();
  if (last != nullptr && last->word.empty()) {
    out_.Use(Helper::kSt);
    out_.Line("_st");
  }
}

// Delayed expansion decided when the script runs.

namespace {

// Whether a text holds a !name! that is read only if delayed expansion is on.
bool HasDelayedChoice(const batch::Text& text) {
  for (const batch::Piece& piece : text.pieces()) {
    if (piece.if_not_delayed() != nullptr) return true;
  }
  return false;
}

// The text as it reads with delayed expansion on, or off.
batch::Text DelayedReading(const batch::Text& text, bool on) {
  batch::Text reading;
  for (const batch::Piece& piece : text.pieces()) {
    const std::vector<batch::Piece>* otherwise = piece.if_not_delayed();
    if (otherwise == nullptr) {
      reading.Append(piece);
    } else if (!on) {
      for (const batch::Piece& part : *otherwise) reading.Append(part);
    } else if (!piece.text.empty() || !piece.inner().empty()) {
      // A piece of its own, without the reading it no longer needs.
      batch::Piece variable;
      variable.kind = piece.kind;
      variable.text = piece.text;
      if (!std::holds_alternative<std::monostate>(piece.edit()) || !piece.inner().empty()) {
        batch::PieceDetails& details = variable.mutable_details();
        details.edit = piece.edit();
        details.inner = piece.inner();
      }
      reading.Append(std::move(variable));
    }
  }
  return reading;
}

}  // namespace

bool Generator::HasDelayedChoice(const Command& command) {
  bool choice = false;
  batch::ForEachOwnText(
      command, [&](const Text& text) { choice = choice || morvex::HasDelayedChoice(text); });
  return choice;
}

Command Generator::DelayedReading(const Command& command, bool on) {
  Command reading;
  reading.line = command.line;
  reading.start_line = command.start_line;
  reading.column = command.column;
  reading.delayed = on ? batch::Delayed::kOn : batch::Delayed::kOff;
  reading.node = command.simple();
  reading.redirections = command.redirections;
  batch::ForEachOwnText(reading, [on](Text& text) { text = morvex::DelayedReading(text, on); });
  return reading;
}

// Commands.

void Generator::Emit(const Command& command) {
  Comments(command.line);
  const Command* outer = std::exchange(current_command_, &command);
  // A loop's bound stays in its temporary while its body runs: the commands
  // inside take the next ones, and the ones after it take the same again.
  const int temporaries = temporaries_;
  std::visit(batch::Overloaded{
                 [&](const batch::SimpleCommand& simple) {
                   if (command.delayed == batch::Delayed::kUnknown && HasDelayedChoice(command)) {
                     // Only the run knows whether delayed expansion reads its
                     // marks: the script holds both readings and takes one.
                     out_.Line("if [ \"${_dx:-0}\" = 1 ]; then");
                     EmitIndented([&] { Emit(DelayedReading(command, true)); });
                     out_.Line("else");
                     EmitIndented([&] { Emit(DelayedReading(command, false)); });
                     out_.Line("fi");
                   } else if (simple.word.empty()) {
                     TranslateProgram(*this, command);
                   } else if (CommandRule rule = FindCommandRule(simple.word)) {
                     rule(*this, command);
                   } else {
                     NotTranslated(command, simple.word + " has no counterpart here",
                                   "stop-" + simple.word, simple.word);
                   }
                 },
                 [&](const batch::Block& block) { EmitBlock(command, block); },
                 [&](const batch::IfCommand& branch) { EmitIf(branch); },
                 [&](const batch::ForCommand& loop) { EmitFor(command, loop); },
                 [&](const batch::Unreadable& unreadable) { EmitUnreadable(command, unreadable); },
             },
             command.node);
  temporaries_ = temporaries;
  current_command_ = outer;
}

void Generator::EmitBlock(const Command& command, const batch::Block& block) {
  Prelude prelude;
  const std::string redirections = Redirections(command, &prelude);
  WritePrelude(prelude);
  if (redirections.empty()) {
    for (const Sequence& line : block.lines) Emit(line);
    return;
  }
  out_.Line("{");
  EmitIndented([&] {
    for (const Sequence& line : block.lines) Emit(line);
  });
  out_.Line("}" + redirections);
}

// cmd stops the batch file at a statement it cannot read.
void Generator::EmitUnreadable(const Command& command, const batch::Unreadable& unreadable) {
  Note("not translated: " + unreadable.reason + "; cmd stops the batch file here");
  RecordStop(command, "stop-syntax", unreadable.reason);
  out_.Use(Helper::kNt);
  out_.Line("_nt " + ScriptWriter::LineNumberHole() + " " + ShellQuote(unreadable.text));
  out_.Line("exit 255");
}

void Generator::EmitIndented(const std::function<void()>& body) {
  out_.Indent();
  const size_t mark = out_.text().size();
  body();
  if (!HasCommand(std::string_view(out_.text()).substr(mark))) out_.Line(":");
  out_.Dedent();
}

void Generator::EmitIf(const batch::IfCommand& statement) {
  Prelude prelude;
  const std::string condition = Condition(statement.condition, &prelude);
  WritePrelude(prelude);
  out_.Line("if " + condition + "; then");
  EmitIndented([&] { Emit(statement.then_branch); });
  if (statement.else_branch) {
    out_.Line("else");
    EmitIndented([&] { Emit(*statement.else_branch); });
  }
  out_.Line("fi");
}

namespace {

// Whether the text that two operands write at their start, or at their end,
// already differs, so that they can never be equal.
bool NeverEqual(const batch::Text& a, const batch::Text& b) {
  auto edge = [](const batch::Text& text, bool front) {
    if (text.pieces().empty()) return std::string();
    const batch::Piece& piece = front ? text.pieces().front() : text.pieces().back();
    return piece.kind == batch::Piece::Kind::kLiteral ? piece.text : std::string();
  };
  const std::string a_front = edge(a, true);
  const std::string b_front = edge(b, true);
  const size_t n = std::min(a_front.size(), b_front.size());
  if (a_front.compare(0, n, b_front, 0, n) != 0) return true;
  const std::string a_back = edge(a, false);
  const std::string b_back = edge(b, false);
  const size_t m = std::min(a_back.size(), b_back.size());
  return a_back.compare(a_back.size() - m, m, b_back, b_back.size() - m, m) != 0;
}

// True for text written in the file that is a number as set /a writes one, of
// at most nine digits.
bool ShortNumber(const batch::Text& text) {
  if (!text.IsLiteral()) return false;
  const std::string number = text.LiteralPart();
  const size_t digits = number.compare(0, 1, "-") == 0 ? 1 : 0;
  return number.size() > digits && number.size() <= 9 &&
         number.find_first_not_of("0123456789", digits) == std::string::npos &&
         (number[digits] != '0' || number == "0");
}

// Whether what the text writes itself leaves room for a plain number: a quote
// or a letter in it never makes one ("%VERSION%" in quotes).
bool MayBeShortNumber(const batch::Text& text) {
  for (const batch::Piece& piece : text.pieces()) {
    if (piece.kind == batch::Piece::Kind::kLiteral &&
        piece.text.find_first_not_of("0123456789-") != std::string::npos) {
      return false;
    }
  }
  return true;
}

// What a value that holds a decimal number without leading zeros, of at most
// nine characters, never matches in a case pattern.
constexpr std::string_view kNotShortNumber = "'' | *[!0-9-]* | ?*-* | - | -0* | 0?* | ??????????*";

// A case pattern that matches `text` with its ASCII letters in any case,
// as "if /i" compares: [aA] for a letter, anything else quoted.
std::string AnyCasePattern(std::string_view text) {
  std::string pattern;
  std::string quoted;
  auto flush = [&] {
    if (!quoted.empty()) pattern += ShellQuote(quoted);
    quoted.clear();
  };
  for (const char c : text) {
    if (batch::IsLetter(c)) {
      flush();
      pattern += std::string("[") + batch::ToLower(c) + batch::ToUpper(c) + "]";
    } else {
      quoted += c;
    }
  }
  flush();
  return pattern.empty() ? "''" : pattern;
}

// The shadow of the variable that text made of one expansion reads (see
// known_numbers.h), or empty.
std::string ShadowOf(const batch::Text& text) {
  if (text.pieces().size() != 1) return "";
  const batch::Piece& piece = text.pieces().front();
  if (piece.kind != batch::Piece::Kind::kVariable &&
      piece.kind != batch::Piece::Kind::kDelayedVariable) {
    return "";
  }
  return KnownNumberShadow(ShellVariableName(piece.text));
}

}  // namespace

std::string Generator::EqualTextTest(const batch::Condition& condition, const std::string& left,
                                     const std::string& right, Prelude* prelude) {
  std::string test;
  if (condition.ignore_case && (condition.left.IsLiteral() || condition.right.IsLiteral())) {
    // Text written in the file becomes a pattern that matches it in
    // any case, so no helper runs.
    const bool left_literal = condition.left.IsLiteral();
    test = "case " + (left_literal ? right : left) + " in " +
           AnyCasePattern((left_literal ? condition.left : condition.right).LiteralPart()) +
           ") true ;; *) false ;; esac";
  } else if (condition.ignore_case) {
    out_.Use(Helper::kIeq);
    test = "_ieq " + left + " " + right;
  } else {
    test = "[ " + left + " = " + right + " ]";
    if (NeverEqual(condition.left, condition.right)) {
      prelude->push_back(
          "# shellcheck disable=SC2193 # cmd compares the words as written, quotes and all");
    }
  }
  if (condition.left.IsLiteral() && condition.right.IsLiteral()) {
    prelude->push_back(
        "# shellcheck disable=SC2050,SC2194 # the batch file compares two words it writes");
  }
  return test;
}

std::string Generator::CompareTest(const batch::Condition& condition, const std::string& left,
                                   const std::string& right, Prelude* prelude) {
  static constexpr std::string_view kNames[] = {"", "equ", "neq", "lss", "leq", "gtr", "geq"};
  static constexpr std::string_view kTests[] = {"", "-eq", "-ne", "-lt", "-le", "-gt", "-ge"};
  const int compare = static_cast<int>(condition.compare);
  out_.Use(Helper::kCmp);
  std::string test = "_cmp " + std::string(kNames[compare]) + " " + left + " " + right +
                     (condition.ignore_case ? " i" : "");
  // A number written in the file against a value that set /a wrote (the
  // usual loop test, see known_numbers.h) is compared at once; any other
  // value goes to _cmp.
  // Any other value is looked at by a pattern first.
  const bool left_number = ShortNumber(condition.left);
  if (left_number != ShortNumber(condition.right) &&
      !(condition.left.IsLiteral() && condition.right.IsLiteral()) &&
      MayBeShortNumber(left_number ? condition.right : condition.left)) {
    const std::string& value = left_number ? right : left;
    const std::string shadow = ShadowOf(left_number ? condition.right : condition.left);
    const std::string numbers =
        "[ " + left + " " + std::string(kTests[compare]) + " " + right + " ]";
    if (shadow.empty()) {
      if ((left_number ? condition.right : condition.left).pieces().size() > 1) {
        // Text written around the value rules out some of the forms.
        prelude->push_back(
            "# shellcheck disable=SC2195 # the pattern lists every form that is no number");
      }
      test = "case " + value + " in " + std::string(kNotShortNumber) + ") " + test + " ;; *) " +
             numbers + " ;; esac";
    } else {
      test = "case :" + value + " in \"${" + shadow + "-}\") " + numbers + " ;; *) " + test +
             " ;; esac";
    }
  }
  return test;
}

std::string Generator::ErrorlevelTest(const batch::Condition& condition, Prelude* prelude) {
  const std::string number = condition.left.LiteralPart();
  const bool plain = condition.left.IsLiteral() && !number.empty() &&
                     number.find_first_not_of("0123456789") == std::string::npos &&
                     number.size() < 10;
  if (plain) return "[ \"$_el\" -ge " + number + " ]";
  out_.Use(Helper::kNi);
  const std::string level = Temporary();
  prelude->push_back("_ni " + level + " " + OperandValue(condition.left, prelude));
  return "[ \"$_el\" -ge \"$" + level + "\" ]";
}

std::string Generator::Condition(const batch::Condition& condition, Prelude* prelude) {
  using Kind = batch::Condition::Kind;
  std::string test;
  switch (condition.kind) {
    case Kind::kCompare: {
      const std::string left = OperandValue(condition.left, prelude);
      const std::string right = OperandValue(condition.right, prelude);
      test = condition.compare == batch::Condition::Compare::kEqualText
                 ? EqualTextTest(condition, left, right, prelude)
                 : CompareTest(condition, left, right, prelude);
      break;
    }
    case Kind::kErrorlevel:
      test = ErrorlevelTest(condition, prelude);
      break;
    case Kind::kExist:
      out_.Use(Helper::kExist);
      test = "_exist " + OperandValue(condition.left, prelude);
      break;
    case Kind::kDefined:
      if (condition.left.IsLiteral()) {
        const std::string name = ShellVariableName(condition.left.LiteralPart());
        if (WindowsFolderVariable(name)) out_.Use(Helper::kWinenv);
        test =
            AlwaysDefined(condition.left.LiteralPart()) ? "true" : "[ -n \"${" + name + "+set}\" ]";
      } else {
        out_.Use(Helper::kDefined);
        test = "_defined " + OperandValue(condition.left, prelude);
      }
      break;
    case Kind::kCmdExtVersion:
      out_.Use(Helper::kNi);
      const std::string version = Temporary();
      prelude->push_back("_ni " + version + " " + Value(condition.left, prelude));
      test = "[ 2 -ge \"$" + version + "\" ]";
      break;
  }
  return condition.negated ? "! " + test : test;
}

// Notes and messages.

void Generator::Note(std::string_view text) {
  out_.Line("# " + CommentText(text));
}

std::string Generator::SourceText(const Command& command) const {
  std::string_view line = (*lines_)[static_cast<size_t>(command.line)];
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  const size_t first = line.find_first_not_of(" \t");
  return first == std::string_view::npos ? std::string() : std::string(line.substr(first));
}

void Generator::NotTranslated(const Command& command, std::string_view why, std::string_view code,
                              std::string_view message) {
  Note("not translated: " + std::string(why));
  RecordStop(command, code, message.empty() ? why : message);
  out_.Use(Helper::kNt);
  out_.Line("_nt " + ScriptWriter::LineNumberHole() + " " + ShellQuote(SourceText(command)));
}

// A command of a command line given as text (cmd /c, for /f) stands in the
// line of the command that runs the text, no earlier than its own column in
// the text counted from that command's: the text starts after the command's
// name, and carets that the line holds and the text lacks only move it on.
// Its name is looked for from there, and no further than kNameSearch bytes
// on, so that many stops on one long line cost no more than their count; a
// name that is not found, not written in the text, or too long to look for
// leaves it at the command that runs the text.
std::pair<int, int> Generator::StopPosition(const Command& command) const {
  if (lines_ == file_lines_) return {command.start_line + 1, command.column};
  constexpr size_t kNameSearch = 4096;
  constexpr size_t kLongestName = 64;
  const auto [line, column] = command_line_start_;
  std::string needle;
  std::visit(batch::Overloaded{
                 [&](const batch::SimpleCommand& simple) {
                   if (simple.name.IsLiteral()) needle = Lower(simple.name.LiteralPart());
                 },
                 [&](const batch::IfCommand&) { needle = "if"; },
                 [&](const batch::ForCommand&) { needle = "for"; },
                 [&](const batch::Block&) { needle = "("; },
                 [](const batch::Unreadable&) {},
             },
             command.node);
  if (needle.empty() || needle.size() > kLongestName) return {line, column};
  if (lowered_line_ != line) {
    lowered_line_ = line;
    lowered_text_ = Lower((*file_lines_)[static_cast<size_t>(line - 1)]);
  }
  const size_t earliest = static_cast<size_t>(column + command.column - 2);
  if (earliest >= lowered_text_.size()) return {line, column};
  const std::string_view window =
      std::string_view(lowered_text_).substr(earliest, kNameSearch + needle.size());
  const size_t found = window.find(needle);
  if (found == std::string_view::npos) return {line, column};
  return {line, static_cast<int>(earliest + found) + 1};
}

void Generator::AddStop(std::pair<int, int> position, std::string_view code,
                        std::string_view message) {
  // A command that the script holds in two readings is one stop.
  if (!stop_keys_.emplace(position.first, position.second, std::string(code)).second) return;
  stops_.push_back({position.first, position.second, std::string(code), std::string(message)});
}

void Generator::RecordStop(const Command& command, std::string_view code,
                           std::string_view message) {
  AddStop(StopPosition(command), code, message);
}

std::string Generator::Temporary() {
  return "_e" + std::to_string(++temporaries_);
}

void Generator::WritePrelude(const Prelude& prelude) {
  for (const std::string& line : prelude) out_.Line(line);
}

}  // namespace morvex
