// An if whose operands come from values: cmd puts the values in place before
// it reads the statement, so a value that is empty, or that holds blanks,
// commas, semicolons or equal signs outside quotes, gives cmd another
// statement to read. The script checks the operands before the statement
// runs, and stops as cmd does.

#include <optional>

#include "generator/commands/commands.h"
#include "generator/generator.h"
#include "generator/sh_quote.h"

namespace morvex {

using batch::Command;
using batch::Piece;
using batch::Text;

namespace {

// Whether every value in the text is one that cmd puts in place when it reads
// the line (%VAR%, %1), so that the script knows it before the statement
// runs. Loop variables and !VAR! come later and never cut words anew.
bool KnownWhenRead(const Text& text) {
  for (const Piece& piece : text.pieces()) {
    if (piece.kind != Piece::Kind::kLiteral && piece.kind != Piece::Kind::kVariable &&
        piece.kind != Piece::Kind::kArgument) {
      return false;
    }
  }
  return true;
}

// Whether the text is only a value that cmd makes itself and is never blank
// nor holds a blank: %ERRORLEVEL% and %RANDOM%, unedited.
bool AlwaysOneWord(const Text& text) {
  if (text.pieces().size() != 1 || text.pieces()[0].kind != Piece::Kind::kVariable ||
      !std::holds_alternative<std::monostate>(text.pieces()[0].edit())) {
    return false;
  }
  const std::string name = Lower(text.pieces()[0].text);
  return name == "errorlevel" || name == "random";
}

// What follows the command word of the if's command, when the script can
// tell before the statement runs whether it is blank: then cmd, finding the
// operand's value empty, takes the command word as the operand and is left
// without a command. A block counts as a word alone.
std::optional<Text> RestOfCommand(const batch::Sequence& branch) {
  if (branch.items.size() != 1 || branch.items[0].pipelines.size() != 1 ||
      branch.items[0].pipelines[0].commands.size() != 1) {
    return std::nullopt;
  }
  const Command& command = *branch.items[0].pipelines[0].commands[0];
  if (command.Is<batch::Block>()) return Text();
  const batch::SimpleCommand* simple = command.As<batch::SimpleCommand>();
  if (simple == nullptr || !command.redirections.empty() || !KnownWhenRead(simple->arguments)) {
    return std::nullopt;
  }
  return simple->arguments;
}

}  // namespace

std::string Generator::ShapeChecks(const batch::Sequence& body, std::string_view prefix) {
  std::string checks;
  batch::ForEachCommand(body, [&](const Command& command) {
    const batch::IfCommand* statement = command.As<batch::IfCommand>();
    if (statement == nullptr) return;
    const batch::Condition& condition = statement->condition;
    auto check = [&](const Text& operand, std::string_view how, const Text& rest) {
      if (!HasUnquotedExpansion(operand) || !KnownWhenRead(operand) || AlwaysOneWord(operand)) {
        return;
      }
      Prelude prelude;
      const std::string name = std::string(prefix) + std::to_string(checked_operands_.size() + 1);
      prelude.push_back(name + "=" + Value(operand, &prelude));
      std::string call = "_shape " + std::string(how) + " " + name + " " +
                         ScriptWriter::LineNumberHole() + " " + ShellQuote(SourceText(command));
      if (how == "short") call.append(" ").append(Value(rest, &prelude));
      // Only a value that holds a separator or a quote, or none at all, needs
      // a closer look.
      const std::string test =
          "case $" + name + " in '' | *[[:blank:],\\;=\\\"]*) " + call + " ;; esac";
      out_.Use(Helper::kShape);
      checked_operands_[&operand] = name;
      if (how == "stop") {
        prelude.push_back(test);
      } else {
        checks += (checks.empty() ? "" : " && ") + test;
      }
      WritePrelude(prelude);
    };
    // The first operand of a comparison: without it, or cut in two, cmd
    // finds no operator where it needs one.
    const bool compare = condition.kind == batch::Condition::Kind::kCompare;
    if (compare) check(condition.left, "stop", Text());
    // The last operand: empty, cmd takes the command's first word in its
    // place; cut, the rest goes to the command.
    const std::optional<Text> rest = RestOfCommand(statement->then_branch);
    check(compare ? condition.right : condition.left, rest ? "short" : "run",
          rest.value_or(Text()));
  });
  return checks;
}

std::string Generator::OperandValue(const Text& operand, Prelude* prelude) {
  const auto checked = checked_operands_.find(&operand);
  if (checked == checked_operands_.end()) return Value(operand, prelude);
  return "\"$" + checked->second + "\"";
}

}  // namespace morvex
