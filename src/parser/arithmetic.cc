// set /a: the text is cut into tokens, then read with one function per level
// of precedence, from the comma down to the parentheses.
//
// An expansion written against a name or a number ("count%i%", "1%sec%") is
// glued to it: one operand whose text is known only when the command runs.

#include "parser/arithmetic.h"

#include <algorithm>
#include <initializer_list>
#include <string_view>
#include <utility>

namespace morvex::batch {

namespace {

using Node = ArithmeticNode;

// An operator, or an operand: a number, a name, an expansion or a glued
// operand. Kept small, as a long line holds millions.
struct Token {
  std::string_view op;  // the operator, in kOperators; empty for an operand
  Node::Kind kind = Node::Kind::kNumber;
  std::string text;  // the number or the name
  Text parts;        // the expansion, or the glued parts

  bool is_operator() const { return !op.empty(); }
};

// Makes an operand take in what is written against it.
void Glue(Token& operand) {
  if (operand.kind == Node::Kind::kGlued) return;
  if (operand.kind != Node::Kind::kExpansion) operand.parts.Append(operand.text);
  operand.kind = Node::Kind::kGlued;
}

// The leaf node of an operand.
Node Leaf(Token&& token, int64_t value) {
  Node node;
  node.kind = token.kind;
  node.text = std::move(token.text);
  node.value = value;
  node.parts = std::move(token.parts);
  return node;
}

// Longer operators first, so that "<<=" is not read as "<<" and "=".
constexpr std::string_view kOperators[] = {
    "<<=", ">>=", "*=", "/=", "%=", "+=", "-=", "&=", "^=", "|=", "<<", ">>", "(",
    ")",   "!",   "~",  "-",  "+",  "*",  "/",  "%",  "&",  "^",  "|",  "=",  ",",
};

bool IsOperatorByte(char c) {
  return std::string_view("()!~-+*/%&^|=,<>").find(c) != std::string_view::npos;
}
bool IsSpace(char c) {
  return c == ' ' || c == '\t';
}
// Every assignment operator ends in "=", and no other operator does.
bool IsAssignment(const Token& token) {
  return token.is_operator() && token.op.back() == '=';
}
bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}
bool IsHexDigit(char c) {
  return IsDigit(c) || ((c | 0x20) >= 'a' && (c | 0x20) <= 'f');
}
bool IsOctalDigit(char c) {
  return c >= '0' && c <= '7';
}

// The value of a number cmd accepts: decimal up to 2147483647, or up to 32
// bits written in hexadecimal or octal; nullopt for any other.
std::optional<int64_t> NumberValue(std::string_view text) {
  int base = 10;
  std::string_view digits = text;
  if (text.size() > 2 && text[0] == '0' && (text[1] | 0x20) == 'x') {
    digits.remove_prefix(2);
    if (digits.size() > 8 || !std::all_of(digits.begin(), digits.end(), IsHexDigit)) return {};
    base = 16;
  } else if (text[0] == '0') {
    if (text.size() > 12 || (text.size() == 12 && text[1] > '3') ||
        !std::all_of(text.begin(), text.end(), IsOctalDigit)) {
      return {};
    }
    base = 8;
  } else if (!std::all_of(text.begin(), text.end(), IsDigit) ||
             (text.size() > 10 || (text.size() == 10 && text > "2147483647"))) {
    return {};
  }
  int64_t value = 0;
  for (char c : digits) value = value * base + (IsDigit(c) ? c - '0' : (c | 0x20) - 'a' + 10);
  return value;
}

class Tokenizer {
 public:
  // Cuts the expression into tokens; nullopt with a reason when it holds
  // what cmd would refuse.
  std::optional<std::vector<Token>> Tokens(const Text& expression, std::string* why) {
    for (const Piece& piece : expression.pieces()) {
      if (piece.kind != Piece::Kind::kLiteral) {
        Expansion(piece);
      } else if (!Literal(piece.text)) {
        *why = "set /a with an operator cmd does not know";  // a lone "<" or ">"
        return std::nullopt;
      }
    }
    // An expansion that is assigned to ("set /a %~1=0") names its variable
    // when the script runs, as a glued name does.
    for (size_t i = 0; i + 1 < tokens_.size(); ++i) {
      Token& operand = tokens_[i];
      if (operand.kind == Node::Kind::kExpansion && IsAssignment(tokens_[i + 1])) Glue(operand);
    }
    // A number is whole only once what may be glued to it is known.
    for (const Token& token : tokens_) {
      if (token.is_operator() || token.kind != Node::Kind::kNumber) continue;
      if (!NumberValue(token.text)) {
        *why = "set /a with the invalid number " + token.text;
        return std::nullopt;
      }
    }
    return std::move(tokens_);
  }

 private:
  void Expansion(const Piece& piece) {
    if (!glued_allowed_) {
      Glue(tokens_.back());
    } else {
      tokens_.emplace_back();
      tokens_.back().kind = Node::Kind::kExpansion;
    }
    tokens_.back().parts.Append(piece);
    glued_allowed_ = false;
  }

  // False at an operator cmd does not know.
  bool Literal(const std::string& text) {
    for (size_t i = 0; i < text.size();) {
      const char c = text[i];
      if (IsSpace(c) || c == '"') {
        ++i;
        glued_allowed_ = true;
      } else if (IsOperatorByte(c)) {
        const auto op =
            std::find_if(std::begin(kOperators), std::end(kOperators),
                         [&](std::string_view op) { return text.compare(i, op.size(), op) == 0; });
        if (op == std::end(kOperators)) return false;
        tokens_.emplace_back();
        tokens_.back().op = *op;
        i += op->size();
        glued_allowed_ = true;
      } else {
        i = Word(text, i);
      }
    }
    return true;
  }

  // Reads the name or number that starts at `i`; returns its end.
  size_t Word(const std::string& text, size_t i) {
    size_t end = i;
    while (end < text.size() && !IsSpace(text[end]) && !IsOperatorByte(text[end]) &&
           text[end] != '"') {
      ++end;
    }
    const std::string_view word = std::string_view(text).substr(i, end - i);
    const bool glued = !glued_allowed_ && !tokens_.empty() &&
                       (tokens_.back().kind == Node::Kind::kExpansion ||
                        tokens_.back().kind == Node::Kind::kGlued);
    if (glued) {
      Glue(tokens_.back());
      tokens_.back().parts.Append(word);
    } else {
      tokens_.emplace_back();
      Token& operand = tokens_.back();
      operand.kind = IsDigit(word[0]) ? Node::Kind::kNumber : Node::Kind::kName;
      operand.text = std::string(word);
    }
    glued_allowed_ = false;
    return end;
  }

  std::vector<Token> tokens_;
  bool glued_allowed_ = true;  // the previous token allows an expansion next to it
};

// Reads the parts of an expression from its tokens. Inside a part, operands
// and operators alternate, with unary operators before operands and
// parentheses that match; assignments come only at the front of a part.
class Reader {
 public:
  explicit Reader(std::vector<Token> tokens) : tokens_(std::move(tokens)) {}

  Arithmetic Parts() {
    Arithmetic arithmetic;
    arithmetic.glued = std::any_of(tokens_.begin(), tokens_.end(), [](const Token& token) {
      return !token.is_operator() && token.kind == Node::Kind::kGlued;
    });
    while (true) {
      std::optional<ArithmeticPart> part = Part();
      if (!part || !(at_end() || At({","}))) {
        arithmetic.complete = false;
        break;
      }
      arithmetic.parts.push_back(std::move(*part));
      if (at_end()) break;
      ++next_;
    }
    return arithmetic;
  }

  bool too_deep() const { return too_deep_; }

 private:
  bool at_end() const { return next_ == tokens_.size(); }

  // True when the next token is one of the operators.
  bool At(std::initializer_list<std::string_view> ops) const {
    if (at_end() || !tokens_[next_].is_operator()) return false;
    return std::find(ops.begin(), ops.end(), tokens_[next_].op) != ops.end();
  }

  // "name op= name op= ... value".
  std::optional<ArithmeticPart> Part() {
    ArithmeticPart part;
    while (
        next_ + 1 < tokens_.size() && !tokens_[next_].is_operator() &&
        (tokens_[next_].kind == Node::Kind::kName || tokens_[next_].kind == Node::Kind::kGlued) &&
        IsAssignment(tokens_[next_ + 1])) {
      std::string_view op = tokens_[next_ + 1].op;
      op.remove_suffix(1);
      part.targets.push_back({Leaf(std::move(tokens_[next_]), 0), std::string(op)});
      next_ += 2;
    }
    std::optional<Node> value = Or();
    if (!value) return std::nullopt;
    part.value = std::move(*value);
    return part;
  }

  // The binary operators, loosest first, each level joining the next.
  std::optional<Node> Or() { return Chain(&Reader::Xor, {"|"}); }
  std::optional<Node> Xor() { return Chain(&Reader::And, {"^"}); }
  std::optional<Node> And() { return Chain(&Reader::Shift, {"&"}); }
  std::optional<Node> Shift() { return Chain(&Reader::Additive, {"<<", ">>"}); }
  std::optional<Node> Additive() { return Chain(&Reader::Multiplicative, {"+", "-"}); }
  std::optional<Node> Multiplicative() { return Chain(&Reader::Unary, {"*", "/", "%"}); }

  // Operands of the next level joined by `ops`, in a loop, so that a long
  // chain does not nest.
  std::optional<Node> Chain(std::optional<Node> (Reader::*operand)(),
                            std::initializer_list<std::string_view> ops) {
    std::optional<Node> first = (this->*operand)();
    if (!first || !At(ops)) return first;
    Node chain;
    chain.kind = Node::Kind::kChain;
    chain.operands.push_back(std::move(*first));
    while (At(ops)) {
      chain.operators.emplace_back(tokens_[next_++].op);
      std::optional<Node> next = (this->*operand)();
      if (!next) return std::nullopt;
      chain.operands.push_back(std::move(*next));
    }
    return chain;
  }

  std::optional<Node> Unary() {
    if (!At({"!", "~", "-", "+"})) return Primary();
    Node unary;
    unary.kind = Node::Kind::kUnary;
    unary.text = std::string(tokens_[next_++].op);
    std::optional<Node> operand = Nested(&Reader::Unary);
    if (!operand) return std::nullopt;
    unary.operands.push_back(std::move(*operand));
    return unary;
  }

  // A number, a name, an expansion, or an expression in parentheses.
  std::optional<Node> Primary() {
    if (at_end()) return std::nullopt;
    if (!tokens_[next_].is_operator()) {
      Token& operand = tokens_[next_++];
      const int64_t value = operand.kind == Node::Kind::kNumber ? *NumberValue(operand.text) : 0;
      return Leaf(std::move(operand), value);
    }
    if (!At({"("})) return std::nullopt;
    ++next_;
    Node group;
    group.kind = Node::Kind::kGroup;
    std::optional<Node> inner = Nested(&Reader::Or);
    if (!inner || !At({")"})) return std::nullopt;
    ++next_;
    group.operands.push_back(std::move(*inner));
    return group;
  }

  // Reads one level deeper, unless that is deeper than the limit.
  std::optional<Node> Nested(std::optional<Node> (Reader::*read)()) {
    if (depth_ == kMaxArithmeticDepth) {
      too_deep_ = true;
      return std::nullopt;
    }
    ++depth_;
    std::optional<Node> node = (this->*read)();
    --depth_;
    return node;
  }

  std::vector<Token> tokens_;
  size_t next_ = 0;
  int depth_ = 0;
  bool too_deep_ = false;
};

}  // namespace

std::optional<Arithmetic> ParseArithmetic(const Text& expression, std::string* why) {
  std::optional<std::vector<Token>> tokens = Tokenizer().Tokens(expression, why);
  if (!tokens) return std::nullopt;
  Reader reader(std::move(*tokens));
  Arithmetic arithmetic = reader.Parts();
  if (reader.too_deep()) {
    *why = "set /a with parentheses and unary operators nested too deep";
    return std::nullopt;
  }
  return arithmetic;
}

}  // namespace morvex::batch
