// The expressions of "set /a" as cmd reads them: C's integer operators,
// assignments and commas, over numbers, variable names and expansions.

#ifndef MORVEX_PARSER_ARITHMETIC_H_
#define MORVEX_PARSER_ARITHMETIC_H_

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "parser/syntax.h"

namespace morvex::batch {

/// One node of an expression. Operands come in the order they are written.
struct ArithmeticNode {
  enum class Kind {
    kNumber,     // `text` as written (decimal, 0x hexadecimal or 0 octal) and its `value`
    kName,       // a variable read as a number; `text` is its name
    kExpansion,  // an expansion standing alone, whose value's text joins the
                 // expression when it runs; `parts` holds it
    kGlued,      // expansions and the text written against them ("count%i%"),
                 // which must make one name or number when it runs; `parts`
    kUnary,      // `text` (! ~ - +) applied to the one operand
    kGroup,      // parentheses around the one operand
    kChain,      // operands joined from the left by operators of one precedence
  };
  Kind kind = Kind::kNumber;
  std::string text;
  int64_t value = 0;
  Text parts;
  std::vector<ArithmeticNode> operands;
  std::vector<std::string> operators;  // kChain: operators[i] joins operands[i] and [i + 1]
};

/// "a = b += value": the targets are assigned from the right, each with its
/// operator less the "=" ("" for a plain "=", "<<" for "<<=").
struct ArithmeticPart {
  struct Target {
    ArithmeticNode name;  // a kName, or a kGlued that gives the name when it runs
    std::string op;
  };
  std::vector<Target> targets;
  ArithmeticNode value;
};

/// An expression cut at its commas. cmd computes the parts in turn and stops
/// at one it cannot read, after the parts before it have taken effect.
struct Arithmetic {
  std::vector<ArithmeticPart> parts;
  bool complete = true;  // false: after `parts` comes one cmd cannot compute
  bool glued = false;    // some operand or target is a kGlued
};

/// How deep parentheses and unary operators may nest in one expression. Each
/// level passes through every precedence level's function, about 4.4 KB of
/// stack in an optimised build: 64 levels stay under 300 KB, inside a thread's
/// 512 KiB and Windows' 1 MiB main stack. No real batch file nests so deep.
inline constexpr int kMaxArithmeticDepth = 64;

/// Reads the text after "set /a". nullopt, with the reason in `*why`, when
/// the text holds what cmd refuses before computing anything (an operator it
/// does not know, an invalid number) or nests deeper than kMaxArithmeticDepth.
std::optional<Arithmetic> ParseArithmetic(const Text& expression, std::string* why);

}  // namespace morvex::batch

#endif  // MORVEX_PARSER_ARITHMETIC_H_
