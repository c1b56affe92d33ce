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

// Fillers of the holes the generator leaves in the script's body.
constexpr int kArmHole = 1;
constexpr int kGotoHole = 2;

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

// Calls `visit` on every text of a command and of the commands inside it.
void ForEachText(const Sequence& sequence, const std::function<void(const Text&)>& visit);

void ForEachText(const Command& command, const std::function<void(const Text&)>& visit) {
  for (const batch::Redirection& redirection : command.redirections) visit(redirection.target);
  switch (command.kind) {
    case Command::Kind::kSimple:
      visit(command.simple.name);
      visit(command.simple.arguments);
      break;
    case Command::Kind::kBlock:
      for (const Sequence& line : command.block->lines) ForEachText(line, visit);
      break;
    case Command::Kind::kIf:
      visit(command.if_command->condition.left);
      visit(command.if_command->condition.right);
      ForEachText(command.if_command->then_branch, visit);
      if (command.if_command->else_branch) ForEachText(*command.if_command->else_branch, visit);
      break;
    case Command::Kind::kFor:
      visit(command.for_command->root);
      visit(command.for_command->options);
      visit(command.for_command->set);
      ForEachText(command.for_command->body, visit);
      break;
    case Command::Kind::kUnreadable:
      break;
  }
}

void ForEachText(const Sequence& sequence, const std::function<void(const Text&)>& visit) {
  for (const batch::AndOr& list : sequence.items) {
    for (const batch::Pipeline& pipeline : list.pipelines) {
      for (const batch::CommandPtr& command : pipeline.commands) ForEachText(*command, visit);
    }
  }
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
  if (command.kind == Command::Kind::kSimple) return true;
  if (command.kind != Command::Kind::kIf) return false;
  const batch::IfCommand& branch = *command.if_command;
  auto simple = [](const Sequence& s) {
    return s.items.size() == 1 && s.items[0].pipelines.size() == 1 &&
           s.items[0].pipelines[0].commands.size() == 1 &&
           s.items[0].pipelines[0].commands[0]->kind == Command::Kind::kSimple;
  };
  return simple(branch.then_branch) && (!branch.else_branch || simple(*branch.else_branch));
}

}  // namespace

// Calls `visit` on every command of a sequence, and on those inside them.
void ForEachCommand(const batch::Sequence& sequence,
                    const std::function<void(const Command&)>& visit) {
  for (const batch::AndOr& list : sequence.items) {
    for (const batch::Pipeline& pipeline : list.pipelines) {
      for (const batch::CommandPtr& command : pipeline.commands) {
        visit(*command);
        switch (command->kind) {
          case Command::Kind::kBlock:
            for (const Sequence& line : command->block->lines) ForEachCommand(line, visit);
            break;
          case Command::Kind::kIf:
            ForEachCommand(command->if_command->then_branch, visit);
            if (command->if_command->else_branch) {
              ForEachCommand(*command->if_command->else_branch, visit);
            }
            break;
          case Command::Kind::kFor:
            ForEachCommand(command->for_command->body, visit);
            break;
          case Command::Kind::kSimple:
          case Command::Kind::kUnreadable:
            break;
        }
      }
    }
  }
}

std::string PieceKey(const Piece& piece) {
  std::string key(1, static_cast<char>('0' + static_cast<int>(piece.kind)));
  key += std::to_string(piece.index);
  for (const std::string* part :
       {&piece.text, &piece.modifiers(), &piece.edit().first, &piece.edit().second}) {
    key += '\0';
    key += *part;
  }
  key += static_cast<char>('0' + static_cast<int>(piece.edit().kind));
  key += piece.edit().star ? '*' : '-';
  key += piece.edit().has_length ? 'l' : '-';
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
  ForEachCommand(statement.body, [&](const Command& command) {
    calls = calls || (command.kind == Command::Kind::kSimple &&
                      (command.simple.word.empty() || command.simple.word == "call"));
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
  body();
  while (out_.indent() < indent) out_.Indent();
  return std::exchange(out_.text(), std::move(saved));
}

void Generator::EmitAndOr(const batch::AndOr& list) {
  if (list.pipelines.size() == 1) {
    EmitPipeline(list.pipelines[0]);
    return;
  }
  std::vector<std::string> parts;
  bool all_single = true;
  for (const batch::Pipeline& pipeline : list.pipelines) {
    parts.push_back(Capture([&] { EmitPipeline(pipeline); }));
    all_single = all_single && IsSingleLine(parts.back());
  }
  if (all_single) {
    std::string line = Trimmed(parts[0]);
    for (size_t i = 1; i < parts.size(); ++i) {
      line += list.and_before[i - 1] ? " && " : " || ";
      line += Trimmed(parts[i]);
    }
    out_.Line(line);
    return;
  }
  for (size_t i = 0; i < parts.size(); ++i) {
    out_.Line(i == 0 ? std::string("{")
                     : std::string(list.and_before[i - 1] ? "} && {" : "} || {"));
    out_.Indent();
    out_.Lines(parts[i]);
    if (!HasCommand(parts[i])) out_.Line(":");
    out_.Dedent();
  }
  out_.Line("}");
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
  bool all_single = true;
  for (const batch::CommandPtr& command : pipeline.commands) {
    parts.push_back(Capture([&] { Emit(*command); }));
    // A redirection of a side's output belongs inside it: "{ a >f; } | b".
    if (IsSingleLine(parts.back()) && !command->redirections.empty() &&
        &command != &pipeline.commands.back()) {
      parts.back() = "{ " + Trimmed(parts.back()) + "; }\n";
    }
    all_single = all_single && IsSingleLine(parts.back());
  }
  if (all_single) {
    std::string line;
    for (size_t i = 0; i + 1 < parts.size(); ++i) line += Trimmed(parts[i]) + " | ";
    out_.Line(line + "(" + Trimmed(parts.back()) + ")");
  } else {
    for (size_t i = 0; i < parts.size(); ++i) {
      const bool last = i + 1 == parts.size();
      out_.Line(i == 0 ? "{" : last ? "} | (" : "} | {");
      out_.Indent();
      out_.Lines(parts[i]);
      if (!HasCommand(parts[i])) out_.Line(":");
      out_.Dedent();
    }
    out_.Line(")");
  }
  const Command& last = *pipeline.commands.back();
  if (last.kind == Command::Kind::kSimple && last.simple.word.empty()) {
    out_.Use("_st");
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
      if (piece.edit().kind != batch::VariableEdit::Kind::kNone || !piece.inner().empty()) {
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
  if (morvex::HasDelayedChoice(command.simple.name) ||
      morvex::HasDelayedChoice(command.simple.arguments)) {
    return true;
  }
  for (const batch::Redirection& redirection : command.redirections) {
    if (morvex::HasDelayedChoice(redirection.target)) return true;
  }
  return false;
}

Command Generator::DelayedReading(const Command& command, bool on) {
  Command reading;
  reading.kind = command.kind;
  reading.line = command.line;
  reading.start_line = command.start_line;
  reading.column = command.column;
  reading.delayed = on ? batch::Delayed::kOn : batch::Delayed::kOff;
  reading.simple = command.simple;
  reading.simple.name = morvex::DelayedReading(command.simple.name, on);
  reading.simple.arguments = morvex::DelayedReading(command.simple.arguments, on);
  reading.redirections = command.redirections;
  for (batch::Redirection& redirection : reading.redirections) {
    redirection.target = morvex::DelayedReading(redirection.target, on);
  }
  return reading;
}

// Commands.

void Generator::Emit(const Command& command) {
  Comments(command.line);
  const Command* outer = std::exchange(current_command_, &command);
  // A loop's bound stays in its temporary while its body runs: the commands
  // inside take the next ones, and the ones after it take the same again.
  const int temporaries = temporaries_;
  switch (command.kind) {
    case Command::Kind::kSimple:
      if (command.delayed == batch::Delayed::kUnknown && HasDelayedChoice(command)) {
        // Only the run knows whether delayed expansion reads its marks: the
        // script holds both readings and takes one.
        out_.Line("if [ \"${_dx:-0}\" = 1 ]; then");
        EmitIndented([&] { Emit(DelayedReading(command, true)); });
        out_.Line("else");
        EmitIndented([&] { Emit(DelayedReading(command, false)); });
        out_.Line("fi");
      } else if (command.simple.word.empty()) {
        TranslateProgram(*this, command);
      } else if (CommandRule rule = FindCommandRule(command.simple.word)) {
        rule(*this, command);
      } else {
        NotTranslated(command, command.simple.word + " has no counterpart here",
                      "stop-" + command.simple.word, command.simple.word);
      }
      break;
    case Command::Kind::kBlock:
      EmitBlock(command);
      break;
    case Command::Kind::kIf:
      EmitIf(command);
      break;
    case Command::Kind::kFor:
      EmitFor(command);
      break;
    case Command::Kind::kUnreadable:
      Note("not translated: " + command.unreadable->reason + "; cmd stops the batch file here");
      RecordStop(command, "stop-syntax", command.unreadable->reason);
      out_.Use("_nt");
      out_.Line("_nt " + ScriptWriter::LineNumberHole() + " " +
                ShellQuote(command.unreadable->text));
      out_.Line("exit 255");
      break;
  }
  temporaries_ = temporaries;
  current_command_ = outer;
}

void Generator::EmitBlock(const Command& command) {
  Prelude prelude;
  const std::string redirections = Redirections(command, &prelude);
  WritePrelude(prelude);
  if (redirections.empty()) {
    for (const Sequence& line : command.block->lines) Emit(line);
    return;
  }
  out_.Line("{");
  EmitIndented([&] {
    for (const Sequence& line : command.block->lines) Emit(line);
  });
  out_.Line("}" + redirections);
}

void Generator::EmitIndented(const std::function<void()>& body) {
  out_.Indent();
  const size_t mark = out_.text().size();
  body();
  if (!HasCommand(std::string_view(out_.text()).substr(mark))) out_.Line(":");
  out_.Dedent();
}

void Generator::EmitIf(const Command& command) {
  const batch::IfCommand& statement = *command.if_command;
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

std::string Generator::Condition(const batch::Condition& condition, Prelude* prelude) {
  using Kind = batch::Condition::Kind;
  std::string test;
  switch (condition.kind) {
    case Kind::kCompare: {
      const std::string left = OperandValue(condition.left, prelude);
      const std::string right = OperandValue(condition.right, prelude);
      if (condition.compare == batch::Condition::Compare::kEqualText) {
        if (condition.ignore_case && (condition.left.IsLiteral() || condition.right.IsLiteral())) {
          // Text written in the file becomes a pattern that matches it in
          // any case, so no helper runs.
          const bool left_literal = condition.left.IsLiteral();
          test = "case " + (left_literal ? right : left) + " in " +
                 AnyCasePattern((left_literal ? condition.left : condition.right).LiteralPart()) +
                 ") true ;; *) false ;; esac";
        } else if (condition.ignore_case) {
          out_.Use("_ieq");
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
        break;
      }
      static constexpr std::string_view kNames[] = {"", "equ", "neq", "lss", "leq", "gtr", "geq"};
      static constexpr std::string_view kTests[] = {"", "-eq", "-ne", "-lt", "-le", "-gt", "-ge"};
      const int compare = static_cast<int>(condition.compare);
      out_.Use("_cmp");
      test = "_cmp " + std::string(kNames[compare]) + " " + left + " " + right +
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
      break;
    }
    case Kind::kErrorlevel: {
      const std::string number = condition.left.LiteralPart();
      const bool plain = condition.left.IsLiteral() && !number.empty() &&
                         number.find_first_not_of("0123456789") == std::string::npos &&
                         number.size() < 10;
      if (plain) {
        test = "[ \"$_el\" -ge " + number + " ]";
      } else {
        out_.Use("_ni");
        const std::string level = Temporary();
        prelude->push_back("_ni " + level + " " + OperandValue(condition.left, prelude));
        test = "[ \"$_el\" -ge \"$" + level + "\" ]";
      }
      break;
    }
    case Kind::kExist:
      out_.Use("_exist");
      test = "_exist " + OperandValue(condition.left, prelude);
      break;
    case Kind::kDefined:
      if (condition.left.IsLiteral()) {
        const std::string name = ShellVariableName(condition.left.LiteralPart());
        if (WindowsFolderVariable(name)) out_.Use("_winenv");
        test =
            AlwaysDefined(condition.left.LiteralPart()) ? "true" : "[ -n \"${" + name + "+set}\" ]";
      } else {
        out_.Use("_defined");
        test = "_defined " + OperandValue(condition.left, prelude);
      }
      break;
    case Kind::kCmdExtVersion:
      out_.Use("_ni");
      const std::string version = Temporary();
      prelude->push_back("_ni " + version + " " + Value(condition.left, prelude));
      test = "[ 2 -ge \"$" + version + "\" ]";
      break;
  }
  return condition.negated ? "! " + test : test;
}

// Labels, goto and call.

std::string Generator::Goto(const std::string& label) {
  if (label == ":eof") return "return \"$_el\"";
  goto_sites_.push_back({label, statement_index_ - 1, loop_depth_, false, "",
                         current_command_ ? StopPosition(*current_command_)
                                          : std::pair<int, int>(statement_line_ + 1, 1)});
  return ScriptWriter::Hole(kGotoHole, goto_sites_.size() - 1);
}

std::string Generator::CallLabel(const std::string& label, const std::string& arguments) {
  goto_sites_.push_back({label, statement_index_ - 1, loop_depth_, true, arguments,
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

std::string Generator::FillArm(size_t statement_index) {
  if (!arm_used_[statement_index]) return "";
  const std::string arm = ArmName(statement_index);
  return "  _pc=" + arm + "\n  ;;\n" + arm + ")\n";
}

std::string Generator::FillGoto(size_t site_index, size_t line) {
  const GotoSite& site = goto_sites_[site_index];
  const std::string name = LabelOf(site);
  const std::optional<size_t> target = ResolveLabel(site);
  if (!target) {
    // cmd looks for the label's line anywhere in the file; one inside a block
    // or a continued line is a place this script cannot jump to.
    if (LabelLines().count(name) > 0 && !name.empty()) {
      const std::string command = (site.is_call ? "call :" : "goto :") + name;
      return "_nt " + std::to_string(line) + " " + ShellQuote(command);
    }
    return (site.is_call ? "_nolabel call " : "_nolabel goto ") + ShellQuote(name);
  }
  const std::string arm = ArmName(*target);
  if (site.is_call) return "_call " + arm + site.arguments;
  // The dispatch loop is one loop out; each for loop around the goto is one more.
  if (site.loop_depth == 0) return "_pc=" + arm + " && continue";
  return "_pc=" + arm + " && continue " + std::to_string(site.loop_depth + 1);
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
// stands where the script cannot jump to, ":eof" for the end of the file.
std::string Generator::DynamicJump(const std::string& target, const batch::Text& written,
                                   bool is_call, const std::string& arguments,
                                   const std::string& source) {
  dynamic_jumps_ = true;
  NoteJumpName(written);
  for (const char* helper : {"_lower", "_nolabel", "_nt", "_exit"}) out_.Use(helper);
  if (is_call) out_.Use("_call");
  std::string code =
      "\"${_fn}_lab\" " + std::to_string(statement_index_ - 1) + " " + target + "\ncase $_r in\n";
  if (is_call) {
    code += "'' | :eof) _nolabel call \"$_lab_n\" ;;\n";
  } else {
    code += "'') _nolabel goto \"$_lab_n\" ;;\n:eof) return \"$_el\" ;;\n";
  }
  code += "'?') _nt " + ScriptWriter::LineNumberHole() + " " + ShellQuote(source) + " ;;\n";
  if (is_call) {
    code += "*) _call \"$_r\" \":$_lab_w\"" + arguments + " ;;\n";
  } else {
    code += "*) _pc=$_r && continue";
    if (loop_depth_ > 0) code += " " + std::to_string(loop_depth_ + 1);
    code += " ;;\n";
  }
  return code + "esac";
}

// The separators the run-time label lookup passes over, and the bytes that
// end a label's name there: the ones a shell pattern holds in any locale, so
// vertical tab, form feed and 0xFF, which cmd also skips, are not among them.
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
  name.start = Lower(known.substr(0, end));
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
  std::string code = "# shellcheck disable=SC2154 # _lab_n is set by _lower, through eval\n";
  code += name + "() {\n";
  code += "  _lab_t=$2\n";
  code += "  while :; do\n";
  code += "    case $_lab_t in\n";
  code += "    ['" + std::string(kLookupSeparators) + "']*) _lab_t=${_lab_t#?} ;;\n";
  code += "    *) break ;;\n";
  code += "    esac\n";
  code += "  done\n";
  code += "  _lab_c=\n";
  code += "  case $_lab_t in\n";
  code += "  :*) _lab_c=: _lab_t=${_lab_t#:} ;;\n";
  code += "  esac\n";
  code += "  _lab_w=${_lab_t%%['" + std::string(kLookupNameEnds) + "']*}\n";
  code += "  _lower _lab_n \"$_lab_w\"\n";
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
  out_.Use("_nt");
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
  if (command.kind == Command::Kind::kSimple && command.simple.name.IsLiteral()) {
    needle = Lower(command.simple.name.LiteralPart());
  } else if (command.kind == Command::Kind::kIf) {
    needle = "if";
  } else if (command.kind == Command::Kind::kFor) {
    needle = "for";
  } else if (command.kind == Command::Kind::kBlock) {
    needle = "(";
  }
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

// The whole script.

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

// The drive mapping and the guard, for the helpers that read them. A script
// that another one runs in its shell keeps the settings of the first.
std::string Generator::Settings(const std::set<std::string_view>& helpers) const {
  if (helpers.count("_drive") == 0 && helpers.count("_guard") == 0) return "";
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
      if (site.is_call) out_.Use("_call");
    } else {
      out_.Use("_nolabel");
      out_.Use("_nt");
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
  out_.Use("_exit");
  if (out_.Contains("${_nl}")) out_.Use("_nl");
  if (dynamic_jumps_) {
    for (const auto& [label, statements] : labels_) {
      if (!JumpCanName(label)) continue;
      for (size_t statement : statements) arm_used_[statement] = true;
    }
  }
  const bool dispatch =
      dynamic_jumps_ || std::find(arm_used_.begin(), arm_used_.end(), true) != arm_used_.end();

  std::string head = "#!/bin/sh\n";
  head += "# Converted by morvex --runnable. A command marked \"not translated\" prints a\n";
  head += "# message and fails with errorlevel 1 when the script reaches it.\n";
  if (!echo_turned_off_) {
    head += "# cmd shows each command before it runs while echo is on; this script does not.\n";
  }
  head += "set -f\n";
  head += "_me=" + ShellQuote(script_name_) + "\n";
  head += "_el=${_el:-0}\n";
  const std::set<std::string_view> helpers = HelpersNeeded(out_.used());
  if (helpers.count("_bf") > 0 || helpers.count("_a0") > 0 || !options_.runtime_file.empty()) {
    head += "_bx=" + ShellQuote("." + options_.extension) + "\n";
  }
  // A script written away from its batch file (a project converted into
  // another folder) knows the batch file's own name for %~f0 and the like,
  // and where the scripts of the batch files it runs are.
  if (!options_.batch_path.empty() && (helpers.count("_bf") > 0 || helpers.count("_d0") > 0)) {
    head += "_bfp=" + ShellQuote(options_.batch_path) + "\n";
  }
  if (!options_.script_root.empty() && helpers.count("_runbat") > 0) {
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
  const std::string body_name = name;
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
  head += body_name + "() {\n";
  // %* is the call's line as written when _call hands it over (_ct).
  if (out_.Uses("_star")) head += "  _star=${_ct-$*}\n  unset _ct\n";
  if (dispatch) head += "while :; do\ncase $_pc in\n_start)\n";

  const std::vector<ScriptWriter::HoleFiller> fillers = {
      nullptr,
      [this](size_t payload, size_t) { return FillArm(payload); },
      [this](size_t payload, size_t line) { return FillGoto(payload, line); },
  };
  if (!out_.HasAnyCommand()) out_.Line(":");
  out_.Assemble(head, fillers, write);
  std::string script;
  if (dispatch) {
    script += "  return \"$_el\"\n  ;;\nesac\ndone\n";
  }
  script += "}\n";
  if (dynamic_jumps_) script += "\n" + LabelLookup(body_name + "_lab");
  script += "\n" + RuntimeBanner(options_.runtime_file);
  if (options_.runtime_file.empty()) {
    script += HelperDefinitions(out_.used());
  } else {
    script += RuntimeSourcing(options_.runtime_file);
    std::vector<std::string> own;
    for (std::string_view helper : helpers) {
      if (ReadsTheScriptsPath(helper)) own.emplace_back(helper);
    }
    script += HelperDefinitions(own);
  }
  if (helpers.count("_winenv") > 0) script += "_winenv\n";
  script += "\n# The end of the script: it runs the batch file's translation above.\n";
  script += "_fn=" + body_name + "\n";
  script += "# A batch file that calls this one reads the functions above and runs it.\n";
  script += "[ -n \"${_sourced-}\" ] && return 0\n";
  script += "_pc=_start\n\"$_fn\" \"$@\"\n_exit\n";
  write(script);
}

}  // namespace morvex
