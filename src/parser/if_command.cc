// if: its condition (a comparison, errorlevel, exist, defined,
// cmdextversion, with /i and not) and its branches.

#include "parser/parser_impl.h"

namespace morvex::batch {

void Parser::Impl::ParseIf(Command* command) {
  EnterNesting();
  IfCommand& statement = command->node.emplace<IfCommand>();
  statement.condition = ParseCondition();
  ApplyDelayed(command);
  SkipSeparators();
  if (AtLineEnd()) Fail("The syntax of the command is incorrect.");
  // Each branch starts from the state before the condition; after the if,
  // the state is one that a branch which does not jump away leaves.
  const DelayedState before = delayed_;
  if (Special('(')) {
    CommandPtr block = ParseBlock();
    const size_t saved = pos_;
    SkipSeparators();
    if (ConsumeWord("else")) {
      statement.then_branch.items.emplace_back();
      statement.then_branch.items.back().pipelines.emplace_back();
      statement.then_branch.items.back().pipelines.back().commands.push_back(std::move(block));
      const DelayedState after_then = delayed_;
      delayed_ = before;
      statement.else_branch = ParseBody();
      const bool then_jumps = EndsInJump(statement.then_branch);
      const bool else_jumps = EndsInJump(*statement.else_branch);
      if (then_jumps && else_jumps) {
        delayed_ = before;
      } else if (then_jumps) {
        // the else branch's state stands
      } else if (else_jumps) {
        delayed_ = after_then;
      } else {
        delayed_ = Join(after_then, delayed_);
      }
      LeaveNesting();
      return;
    }
    pos_ = saved;
    statement.then_branch = ParseSequence(std::move(block));
  } else {
    statement.then_branch = ParseBody();
  }
  JoinPart(before, EndsInJump(statement.then_branch));
  LeaveNesting();
}

Condition Parser::Impl::ParseCondition() {
  Condition condition;
  while (true) {
    SkipSeparators();
    if (!condition.ignore_case && ConsumeWord("/i")) {
      condition.ignore_case = true;
    } else if (!condition.negated && ConsumeWord("not")) {
      condition.negated = true;
    } else {
      break;
    }
  }
  SkipSeparators();
  using Kind = Condition::Kind;
  Text first = ReadToken(/*stop_at_equals=*/true);
  if (first.empty()) {
    if (AtLineEnd()) Fail("The syntax of the command is incorrect.");
    Fail(Unexpected());
  }
  const size_t after_first = pos_;
  SkipBlanksAndCommas();
  // "errorlevel==1" is the old way to write "errorlevel 1": the equal signs
  // only separate the number from the word.
  const std::string first_word = first.IsLiteral() ? Lower(first.LiteralPart()) : std::string();
  const bool comparison = Special('=') && SpecialAt(1, '=') && first_word != "errorlevel";
  pos_ = after_first;
  if (!comparison && first.IsLiteral()) {
    const std::string keyword = Lower(first.LiteralPart());
    const bool has_quote = keyword.find('"') != std::string::npos;
    std::optional<Kind> kind;
    if (!has_quote && keyword == "errorlevel") kind = Kind::kErrorlevel;
    if (!has_quote && keyword == "exist") kind = Kind::kExist;
    if (!has_quote && keyword == "defined") kind = Kind::kDefined;
    if (!has_quote && keyword == "cmdextversion") kind = Kind::kCmdExtVersion;
    if (kind) {
      condition.kind = *kind;
      SkipSeparators();
      condition.left = ReadToken(/*stop_at_equals=*/false);
      if (condition.left.empty()) Fail("The syntax of the command is incorrect.");
      return condition;
    }
  }
  condition.kind = Kind::kCompare;
  condition.left = std::move(first);
  SkipBlanksAndCommas();
  if (Special('=') && SpecialAt(1, '=')) {
    pos_ += 2;
    condition.compare = Condition::Compare::kEqualText;
  } else {
    static constexpr std::pair<std::string_view, Condition::Compare> kOperators[] = {
        {"equ", Condition::Compare::kEqu}, {"neq", Condition::Compare::kNeq},
        {"lss", Condition::Compare::kLss}, {"leq", Condition::Compare::kLeq},
        {"gtr", Condition::Compare::kGtr}, {"geq", Condition::Compare::kGeq},
    };
    bool found = false;
    for (const auto& [name, compare] : kOperators) {
      if (ConsumeWord(name)) {
        condition.compare = compare;
        found = true;
        break;
      }
    }
    if (!found) {
      const std::string unexpected = ReadToken(false).LiteralPart();
      if (unexpected.empty()) Fail("The syntax of the command is incorrect.");
      Fail(unexpected + " was unexpected at this time.");
    }
  }
  SkipSeparators();
  condition.right = ReadToken(/*stop_at_equals=*/false);
  if (condition.right.empty()) Fail("The syntax of the command is incorrect.");
  return condition;
}

}  // namespace morvex::batch
