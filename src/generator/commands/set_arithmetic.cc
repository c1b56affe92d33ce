// set /a: integer arithmetic with C's operators, assignments and commas.
//
// Each comma-separated part becomes sh arithmetic. Variables named in the
// expression are read through _ni, which turns any text into a number as cmd
// does, because dash stops the whole script on a variable that does not hold
// one. A division or remainder by zero would stop it too, so each divisor is
// checked first and gives cmd's message instead.
//
// An expansion written against a name or a number ("count%i%", "1%sec%") makes
// an operand whose text is known only when the command runs. Its parts are put
// together then and checked: a number or a name goes on, anything else stops
// the command with "not translated", since cmd would have read it as more
// than one operand.

#include <algorithm>
#include <cstdint>
#include <map>
#include <optional>
#include <utility>

#include "generator/commands/commands.h"
#include "generator/known_numbers.h"
#include "generator/shell_names.h"
#include "parser/arithmetic.h"

namespace morvex {

using batch::Text;
using Node = batch::ArithmeticNode;

namespace {

// What a value that holds a decimal number without leading zeros, of at most
// nine characters, never matches in a case pattern.
constexpr std::string_view kNotShortNumber = "'' | *[!0-9-]* | ?*-* | - | -0* | 0?* | ??????????*";

constexpr std::string_view kCannotCompute = "set /a with an expression cmd cannot compute";

// Writes expressions as sh arithmetic, and the lines that read their operands
// into the prelude.
class ArithmeticWriter {
 public:
  // `glued_texts` names, for each glued operand, the variable that holds its
  // checked text.
  ArithmeticWriter(Generator& g, const std::map<const Node*, std::string>& glued_texts)
      : g_(g), glued_texts_(glued_texts) {}

  Prelude& prelude() { return prelude_; }

  // The sh arithmetic text of an expression. A unary operator takes its
  // operand in parentheses, "-(-(4))", so that no two operators meet.
  std::string Expression(const Node& node) {
    switch (node.kind) {
      case Node::Kind::kNumber:
        // Octal is written out in decimal: not every shell reads a leading 0
        // as octal (mksh does not).
        if (node.text.size() > 1 && node.text[0] == '0' && (node.text[1] | 0x20) != 'x') {
          return std::to_string(node.value);
        }
        return node.text;
      case Node::Kind::kName:
        return Number(node.text);
      case Node::Kind::kGlued:
        return GluedNumber(node);
      case Node::Kind::kExpansion:
        return Expansion(node);
      case Node::Kind::kUnary:
        return node.text + "(" + Expression(node.operands[0]) + ")";
      case Node::Kind::kGroup:
        return std::string("(").append(Expression(node.operands[0])).append(")");
      case Node::Kind::kChain: {
        std::string text = Expression(node.operands[0]);
        for (size_t i = 0; i < node.operators.size(); ++i) {
          text += " " + node.operators[i] + " " + Expression(node.operands[i + 1]);
        }
        return text;
      }
    }
    return "";
  }

  // A variable named in the expression, read as a number once.
  std::string Number(const std::string& name) {
    const std::string variable = ShellVariableName(name);
    for (const auto& [known, temporary] : numbers_) {
      if (known == variable) return temporary;
    }
    const std::string temporary = g_.Temporary();
    g_.out().Use(Helper::kNi);
    // A value that set /a gave the variable, as its shadow says, is a
    // number and is taken as it is, without a call.
    prelude_.push_back("case :${" + variable + "} in \"${" + KnownNumberShadow(variable) +
                       "-}\") " + temporary + "=${" + variable + "} ;; *) _ni " + temporary +
                       " \"${" + variable + "}\" ;; esac");
    numbers_.emplace_back(variable, temporary);
    return temporary;
  }

  // The number a glued operand stands for when the expression reaches it.
  std::string GluedNumber(const Node& node) {
    const std::string temporary = g_.Temporary();
    g_.out().Use(Helper::kNg);
    prelude_.push_back("_ng " + temporary + " \"${" + glued_texts_.at(&node) + "}\"");
    return temporary;
  }

  // After an assignment the variable's number must be read again.
  void Forget(const std::string& name) {
    const std::string variable = ShellVariableName(name);
    numbers_.erase(std::remove_if(numbers_.begin(), numbers_.end(),
                                  [&](const auto& entry) { return entry.first == variable; }),
                   numbers_.end());
  }

 private:
  // cmd puts the value's text into the expression, so "3+4" stays a sum;
  // anything that is no arithmetic counts as its leading number. The
  // command's expansions all have their values before it runs, so one that
  // comes again is read once.
  std::string Expansion(const Node& node) {
    const std::string key = PieceKey(node.parts.pieces()[0]);
    for (const auto& [known, temporary] : expansions_) {
      if (known == key) return "${" + temporary + "}";
    }
    const std::string temporary = g_.Temporary();
    expansions_.emplace_back(key, temporary);
    g_.out().Use(Helper::kNx);
    // A plain number, the usual value, is taken as it is, without a call.
    const std::string value = g_.Value(node.parts, &prelude_);
    prelude_.push_back("case " + value + " in " + std::string(kNotShortNumber) + ") _nx " +
                       temporary + " " + value + " ;; *) " + temporary + "=" + value + " ;; esac");
    return "${" + temporary + "}";
  }

  Generator& g_;
  const std::map<const Node*, std::string>& glued_texts_;
  Prelude prelude_;
  std::vector<std::pair<std::string, std::string>> numbers_;
  std::vector<std::pair<std::string, std::string>> expansions_;  // piece key, temporary
};

// Calls `visit` on each glued operand, in the order they are written.
template <typename Visit>
void ForEachGlued(const Node& node, const Visit& visit) {
  if (node.kind == Node::Kind::kGlued) visit(node);
  for (const Node& operand : node.operands) ForEachGlued(operand, visit);
}

// The translation of one set /a command.
class SetArithmetic {
 public:
  SetArithmetic(Generator& g, const batch::Command& command)
      : g_(g), command_(command), writer_(g, glued_texts_) {}

  void Emit(const batch::Arithmetic& arithmetic) {
    const bool checked = OpenGluedChecks(arithmetic);
    for (const batch::ArithmeticPart& part : arithmetic.parts) EmitPart(part);
    CloseDivisionChecks();
    if (!arithmetic.complete) {
      g_.NotTranslated(command_, kCannotCompute, "stop-set-arithmetic");
      return;
    }
    if (checked) {
      g_.out().Dedent();
      g_.out().Line("else");
      g_.out().Indent();
      g_.NotTranslated(command_,
                       "set /a with an expansion glued to a name or a number that is no "
                       "single operand when the script runs",
                       "stop-set-arithmetic-operand");
      g_.out().Dedent();
      g_.out().Line("fi");
    }
  }

 private:
  // The text of each glued operand is checked before anything runs: a target
  // must be a name, an operand a name or a number. Names are looked up, and
  // targets assigned, as the expression reaches them. True when the checks
  // were opened.
  bool OpenGluedChecks(const batch::Arithmetic& arithmetic) {
    Prelude prelude;
    std::string checks;
    auto check = [&](const Node& node, bool target) {
      const std::string text = g_.Temporary();
      g_.out().Use(Helper::kGt);
      checks += (checks.empty() ? "" : " && ") + std::string("_gt ") + text + " " +
                g_.Value(node.parts, &prelude);
      glued_texts_[&node] = text;
      if (!target) return;
      const std::string name = g_.Temporary();
      g_.out().Use(Helper::kGn);
      checks += " && _gn " + name + " \"${" + text + "}\"";
      glued_names_[&node] = name;
    };
    for (const batch::ArithmeticPart& part : arithmetic.parts) {
      for (const auto& target : part.targets)
        ForEachGlued(target.name, [&](const Node& node) { check(node, true); });
      ForEachGlued(part.value, [&](const Node& node) { check(node, false); });
    }
    if (checks.empty()) return false;
    g_.WritePrelude(prelude);
    g_.out().Line("if " + checks + "; then");
    g_.out().Indent();
    return true;
  }

  // One part: "name op= name op= ... expression", assigned from the right,
  // or an expression whose value is not kept.
  void EmitPart(const batch::ArithmeticPart& part) {
    std::vector<std::string> divisors;
    CollectDivisors(part.value, &divisors);
    const std::string value = writer_.Expression(part.value);
    // Each target's sh variable, and the number it holds before anything is
    // assigned when its operator needs it.
    std::vector<std::pair<std::string, std::string>> variables;
    for (const auto& [target, op] : part.targets) {
      const bool glued = target.kind == Node::Kind::kGlued;
      std::string variable = glued ? glued_names_.at(&target) : ShellVariableName(target.text);
      std::string number;
      if (!op.empty()) number = glued ? writer_.GluedNumber(target) : writer_.Number(target.text);
      variables.emplace_back(std::move(variable), std::move(number));
    }
    g_.WritePrelude(writer_.prelude());
    writer_.prelude().clear();
    if (!divisors.empty()) OpenDivisionCheck(divisors);
    if (part.targets.empty()) g_.out().Line(": $((" + value + "))");
    Assign(part, value, variables);
  }

  // The divisors of the expression's divisions and remainders, in the order
  // they are written, except that the divisors inside a divisor come before
  // it: the checks stop at the first that is 0, and a divisor is worked out
  // only once those inside it are known not to be. A number other than 0
  // written in the file needs no check.
  void CollectDivisors(const Node& node, std::vector<std::string>* divisors) {
    for (size_t i = 0; i < node.operands.size(); ++i) {
      const Node& operand = node.operands[i];
      CollectDivisors(operand, divisors);
      const bool divisor = node.kind == Node::Kind::kChain && i > 0 &&
                           (node.operators[i - 1] == "/" || node.operators[i - 1] == "%");
      if (divisor && !(operand.kind == Node::Kind::kNumber && operand.value != 0)) {
        divisors->push_back(writer_.Expression(operand));
      }
    }
  }

  // a=b+=5 gives b its new value first, then a the same.
  void Assign(const batch::ArithmeticPart& part, const std::string& value,
              const std::vector<std::pair<std::string, std::string>>& variables) {
    std::string assigned = value;
    for (size_t i = part.targets.size(); i-- > 0;) {
      const auto& [target, op] = part.targets[i];
      const auto& [variable, number] = variables[i];
      std::string result = assigned;
      if (!op.empty()) {
        if (op == "/" || op == "%") OpenDivisionCheck({"(" + assigned + ")"});
        result = number + " " + op + " (" + assigned + ")";
      }
      // cmd computes with 32 bits: what overflows wraps around. A number
      // alone is worked out here.
      const std::string wrapped = "$((((" + result + ") + 2147483648 & 4294967295) - 2147483648))";
      if (target.kind == Node::Kind::kGlued) {
        const std::string temporary = g_.Temporary();
        g_.out().Line(temporary + "=" + wrapped);
        g_.out().Line(KeepForEndlocal(g_, "\"${" + variable + "}\""));
        g_.out().Line("export \"${" + variable + "}=${" + temporary + "}\"");
        assigned = temporary;
        continue;
      }
      g_.out().Line(KeepForEndlocal(g_, variable));
      if (op.empty() && part.value.kind == Node::Kind::kNumber && i + 1 == part.targets.size() &&
          part.value.text.size() <= 9) {
        g_.out().Line(
            "export " + variable + "=" +
            std::to_string(static_cast<int32_t>(static_cast<uint32_t>(part.value.value))));
      } else {
        g_.out().Line("export " + variable + "=" + wrapped);
      }
      g_.out().Line(KnownNumberShadow(variable) + "=:$" + variable);
      writer_.Forget(target.text);
      assigned = variable;
    }
  }

  // Later parts may divide by what earlier ones assign, so each check comes
  // right before its part, and the rest of the command only runs when it
  // passes.
  void OpenDivisionCheck(const std::vector<std::string>& divisors) {
    std::string check;
    for (const std::string& divisor : divisors) {
      if (!check.empty()) check += " || ";
      check += "[ $((" + divisor + ")) -eq 0 ]";
    }
    g_.out().Use(Helper::kDivzero);
    g_.out().Line("if " + check + "; then");
    g_.out().Indent();
    g_.out().Line("_divzero");
    g_.out().Dedent();
    g_.out().Line("else");
    g_.out().Indent();
    ++open_checks_;
  }

  void CloseDivisionChecks() {
    for (; open_checks_ > 0; --open_checks_) {
      g_.out().Dedent();
      g_.out().Line("fi");
    }
  }

  Generator& g_;
  const batch::Command& command_;
  std::map<const Node*, std::string> glued_texts_;  // the checked text of each glued operand
  std::map<const Node*, std::string> glued_names_;  // the name each glued target gives
  ArithmeticWriter writer_;
  int open_checks_ = 0;
};

}  // namespace

void TranslateSetArithmetic(Generator& g, const batch::Command& command, const Text& expression) {
  std::string why;
  const std::optional<batch::Arithmetic> arithmetic = batch::ParseArithmetic(expression, &why);
  if (!arithmetic) {
    g.NotTranslated(command, why, "stop-set-arithmetic");
    return;
  }
  // Glued operands are checked before any part runs, so every part must be
  // one cmd can compute.
  if (arithmetic->glued && !arithmetic->complete) {
    g.NotTranslated(command, kCannotCompute, "stop-set-arithmetic");
    return;
  }
  SetArithmetic(g, command).Emit(*arithmetic);
}

}  // namespace morvex
