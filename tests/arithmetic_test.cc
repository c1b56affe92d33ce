// The expressions of set /a, read into nodes and written back as an outline
// that shows their structure: [a + b] for operators of one precedence joined
// from the left, op{x} for a unary operator, (x) for parentheses, <...> for an
// operand glued together from expansions, "?" for a part cmd cannot compute.

#include "parser/arithmetic.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "parser/parser.h"

namespace morvex::batch {
namespace {

std::string Outline(const ArithmeticNode& node) {
  using Kind = ArithmeticNode::Kind;
  switch (node.kind) {
    case Kind::kNumber:
      return std::to_string(node.value);
    case Kind::kName:
      return node.text;
    case Kind::kExpansion:
      return SourceForm(node.parts);
    case Kind::kGlued:
      return "<" + SourceForm(node.parts) + ">";
    case Kind::kUnary:
      return node.text + "{" + Outline(node.operands[0]) + "}";
    case Kind::kGroup:
      return "(" + Outline(node.operands[0]) + ")";
    case Kind::kChain: {
      std::string out = "[" + Outline(node.operands[0]);
      for (size_t i = 0; i < node.operators.size(); ++i) {
        out += " " + node.operators[i] + " " + Outline(node.operands[i + 1]);
      }
      return out + "]";
    }
  }
  return "";
}

std::string Outline(const Arithmetic& arithmetic) {
  std::string out;
  for (const ArithmeticPart& part : arithmetic.parts) {
    if (!out.empty()) out += " , ";
    for (const auto& [name, op] : part.targets) out += Outline(name) + " " + op + "= ";
    out += Outline(part.value);
  }
  if (!arithmetic.complete) out += out.empty() ? "?" : " , ?";
  return out;
}

// The text after "set /a" on a batch line, as the parser reads it.
Text Expression(const std::string& expression) {
  const std::string line = "set /a " + expression + "\n";
  const std::vector<std::string_view> lines = SplitLines(line);
  Parser parser(lines);
  Statement statement;
  EXPECT_TRUE(parser.Next(&statement));
  Text text;
  bool first = true;
  for (const Piece& piece :
       statement.body.items[0].pipelines[0].commands[0]->simple().arguments.pieces()) {
    if (first) {
      text.Append(std::string_view(piece.text).substr(3));  // " /a"
    } else {
      text.Append(piece);
    }
    first = false;
  }
  return text;
}

// The outline, or "error: " and the reason the whole expression is refused.
std::string Parse(const Text& expression) {
  std::string why;
  const std::optional<Arithmetic> arithmetic = ParseArithmetic(expression, &why);
  return arithmetic ? Outline(*arithmetic) : "error: " + why;
}
std::string Parse(const std::string& expression) {
  return Parse(Expression(expression));
}

struct Row {
  const char* expression;
  const char* outline;
};

TEST(Arithmetic, Precedence) {
  const Row rows[] = {
      {"1+2*3", "[1 + [2 * 3]]"},
      {"1*2+3", "[[1 * 2] + 3]"},
      {"\"1|2^3&4\"", "[1 | [2 ^ [3 & 4]]]"},
      {"\"1&2^3|4\"", "[[[1 & 2] ^ 3] | 4]"},
      {"\"1+2<<3\"", "[[1 + 2] << 3]"},
      {"\"1<<2&3\"", "[[1 << 2] & 3]"},
      {"2*3%%4/5", "[2 * 3 % 4 / 5]"},
      {"10-4-3+2", "[10 - 4 - 3 + 2]"},
      {"(1+2)*3", "[([1 + 2]) * 3]"},
      {"3*-2", "[3 * -{2}]"},
      {"-(-3)", "-{(-{3})}"},
      {"--4", "-{-{4}}"},
      {"-(a+b)*c", "[-{([a + b])} * c]"},
      {"\"g = 3 * ( 2 + 1 )\"", "g = [3 * ([2 + 1])]"},
      {"a  +  b", "[a + b]"},
  };
  for (const Row& row : rows) EXPECT_EQ(row.outline, Parse(row.expression)) << row.expression;
  EXPECT_EQ("!{~{+{-{x}}}}", Parse(Text("!~+-x")));  // "!" would be read as delayed expansion
}

TEST(Arithmetic, AssignmentsAndParts) {
  const Row rows[] = {
      {"a=b=c=5", "a = b = c = 5"},
      {"x+=y-=1", "x += y -= 1"},
      {"\"x<<=3\", \"y>>=1\"", "x <<= 3 , y >>= 1"},
      {"\"x*=2,x/=3,x%%=4,x&=5,x^=6,x|=7\"", "x *= 2 , x /= 3 , x %= 4 , x &= 5 , x ^= 6 , x |= 7"},
      {"5+5", "[5 + 5]"},
      // cmd computes the parts before one it cannot read.
      {"x=1,", "x = 1 , ?"},
      {"x=1,y=,z=3", "x = 1 , ?"},
      {"x=1 2", "?"},
      {"", "?"},
      {"x=", "?"},
      {"x=(1", "?"},
      {"x=1)", "?"},
      {"x=()", "?"},
      {"(1,2)", "?"},
      {"x=(y=3)", "?"},
      {"5=3", "?"},
      {"x==3", "?"},
      {"x=1*", "?"},
  };
  for (const Row& row : rows) EXPECT_EQ(row.outline, Parse(row.expression)) << row.expression;
}

TEST(Arithmetic, Numbers) {
  const Row rows[] = {
      {"x=010", "x = 8"},
      {"x=0x1f", "x = 31"},
      {"x=0X0A", "x = 10"},
      {"x=00", "x = 0"},
      {"x=0", "x = 0"},
      {"x=2147483647", "x = 2147483647"},
      {"x=0xFFFFFFFF", "x = 4294967295"},
      {"x=037777777777", "x = 4294967295"},
      {"x=08", "error: set /a with the invalid number 08"},
      {"x=2147483648", "error: set /a with the invalid number 2147483648"},
      {"x=0x123456789", "error: set /a with the invalid number 0x123456789"},
      {"x=047777777777", "error: set /a with the invalid number 047777777777"},
      {"x=0x", "error: set /a with the invalid number 0x"},
      {"x=1abc", "error: set /a with the invalid number 1abc"},
      // A bad number anywhere refuses the whole command.
      {"x=1,y=09", "error: set /a with the invalid number 09"},
      {"\"x=1<2\"", "error: set /a with an operator cmd does not know"},
      {"\"x=1<<2>3\"", "error: set /a with an operator cmd does not know"},
  };
  for (const Row& row : rows) EXPECT_EQ(row.outline, Parse(row.expression)) << row.expression;
}

TEST(Arithmetic, Expansions) {
  const Row rows[] = {
      {"%x%*2", "[%x% * 2]"},       {"1%sec%-100", "[<1%sec%> - 100]"},
      {"%~1=0", "<%~1> = 0"},       {"x%i%=7, y=x%i%*2", "<x%i%> = 7 , y = [<x%i%> * 2]"},
      {"z=0x%i%f", "z = <0x%i%f>"}, {"z=%a%%b%", "z = <%a%%b%>"},
      {"z=%a% %b%", "?"},           {"z=\"%a%\"%b%", "?"},
  };
  for (const Row& row : rows) EXPECT_EQ(row.outline, Parse(row.expression)) << row.expression;
  std::string why;
  EXPECT_TRUE(ParseArithmetic(Expression("a=x%i%"), &why)->glued);
  EXPECT_FALSE(ParseArithmetic(Expression("a=%i%"), &why)->glued);
}

TEST(Arithmetic, NestingIsBounded) {
  const std::string deepest =
      std::string(kMaxArithmeticDepth, '(') + "1" + std::string(kMaxArithmeticDepth, ')');
  EXPECT_EQ("x = " + deepest, Parse(Text("x=" + deepest)));
  const std::string too_deep = "error: set /a with parentheses and unary operators nested too deep";
  EXPECT_EQ(too_deep, Parse(Text("x=(" + deepest + ")")));
  EXPECT_EQ(too_deep, Parse(Text("x=1,y=" + std::string(kMaxArithmeticDepth + 1, '-') + "1")));
  // A long line of one character needs no stack that grows with it: a
  // reader that recursed once per character would overflow here.
  for (char c : {'(', '-'}) {
    EXPECT_EQ(too_deep, Parse(Text("x=" + std::string(1 << 18, c)))) << c;
  }
  // A long chain of one precedence is one node, not a tree as deep as it is long.
  std::string sum = "x=1";
  for (int i = 0; i < (1 << 12); ++i) sum += "+1";
  std::string why;
  const std::optional<Arithmetic> chain = ParseArithmetic(Text(sum), &why);
  ASSERT_TRUE(chain);
  EXPECT_EQ((1u << 12) + 1, chain->parts[0].value.operands.size());
}

}  // namespace
}  // namespace morvex::batch
