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

namespace morvex {

using batch::Piece;
using batch::Text;

namespace {

struct Token {
  enum class Kind { kNumber, kName, kOperator, kExpansion, kGlued };
  Kind kind;
  std::string text;              // the number, the name or the operator
  const Piece* piece = nullptr;  // for kExpansion, in the command's text
  Text parts;                    // for kGlued: expansions and the text written against them
};

// Makes the last token, a name, number or expansion, take in what is written
// against it.
void Glue(Token& token) {
  if (token.kind == Token::Kind::kGlued) return;
  if (token.kind == Token::Kind::kExpansion) {
    token.parts.Append(*token.piece);
  } else {
    token.parts.Append(token.text);
  }
  token.kind = Token::Kind::kGlued;
}

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
  return token.kind == Token::Kind::kOperator && token.text.back() == '=';
}
bool IsBinary(std::string_view op) {
  return op == "*" || op == "/" || op == "%" || op == "+" || op == "-" || op == "<<" ||
         op == ">>" || op == "&" || op == "^" || op == "|";
}
bool IsUnary(std::string_view op) {
  return op == "!" || op == "~" || op == "-" || op == "+";
}

// A number cmd accepts: decimal up to 2147483647, or up to 32 bits written
// in hexadecimal or octal.
bool ValidNumber(std::string_view text) {
  if (text.size() > 2 && text[0] == '0' && (text[1] | 0x20) == 'x') {
    return text.size() <= 10 && std::all_of(text.begin() + 2, text.end(), [](char c) {
             return (c >= '0' && c <= '9') || ((c | 0x20) >= 'a' && (c | 0x20) <= 'f');
           });
  }
  if (text[0] == '0') {
    return (text.size() < 12 || (text.size() == 12 && text[1] <= '3')) &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '7'; });
  }
  return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }) &&
         (text.size() < 10 || (text.size() == 10 && text <= "2147483647"));
}

// Cuts the expression into tokens; nullopt with a reason when it holds
// what cmd would refuse.
std::optional<std::vector<Token>> Tokenize(const Text& expression, std::string* why) {
  std::vector<Token> tokens;
  bool glued_allowed = true;  // the previous token allows an expansion next to it
  for (const Piece& piece : expression.pieces()) {
    if (piece.kind != Piece::Kind::kLiteral) {
      if (!glued_allowed) {
        Glue(tokens.back());
        tokens.back().parts.Append(piece);
      } else {
        tokens.push_back({Token::Kind::kExpansion, "", &piece, {}});
      }
      glued_allowed = false;
      continue;
    }
    const std::string& text = piece.text;
    size_t i = 0;
    while (i < text.size()) {
      const char c = text[i];
      if (IsSpace(c) || c == '"') {
        ++i;
        glued_allowed = true;
        continue;
      }
      const bool glued = !glued_allowed && !tokens.empty() && !IsOperatorByte(c) &&
                         (tokens.back().kind == Token::Kind::kExpansion ||
                          tokens.back().kind == Token::Kind::kGlued);
      if (IsOperatorByte(c)) {
        bool matched = false;
        for (std::string_view op : kOperators) {
          if (text.compare(i, op.size(), op) == 0) {
            tokens.push_back({Token::Kind::kOperator, std::string(op), nullptr, {}});
            i += op.size();
            matched = true;
            break;
          }
        }
        if (!matched) {
          *why = "set /a with an operator cmd does not know";  // a lone "<" or ">"
          return std::nullopt;
        }
        glued_allowed = true;
        continue;
      }
      size_t end = i;
      while (end < text.size() && !IsSpace(text[end]) && !IsOperatorByte(text[end]) &&
             text[end] != '"') {
        ++end;
      }
      const std::string word = text.substr(i, end - i);
      if (glued) {
        Glue(tokens.back());
        tokens.back().parts.Append(word);
      } else if (word[0] >= '0' && word[0] <= '9') {
        tokens.push_back({Token::Kind::kNumber, word, nullptr, {}});
      } else {
        tokens.push_back({Token::Kind::kName, word, nullptr, {}});
      }
      i = end;
      glued_allowed = false;
    }
  }
  // An expansion that is assigned to ("set /a %~1=0") names its variable when
  // the script runs, as a glued name does.
  for (size_t i = 0; i + 1 < tokens.size(); ++i) {
    if (tokens[i].kind == Token::Kind::kExpansion && IsAssignment(tokens[i + 1])) Glue(tokens[i]);
  }
  // A number is whole only once what may be glued to it is known.
  for (const Token& token : tokens) {
    if (token.kind == Token::Kind::kNumber && !ValidNumber(token.text)) {
      *why = "set /a with the invalid number " + token.text;
      return std::nullopt;
    }
  }
  return tokens;
}

// Operands and operators must alternate, with unary operators before
// operands and parentheses that match.
bool WellFormed(const std::vector<Token>& tokens, size_t begin, size_t end) {
  bool expect_operand = true;
  int depth = 0;
  for (size_t i = begin; i < end; ++i) {
    const Token& token = tokens[i];
    if (token.kind != Token::Kind::kOperator) {
      if (!expect_operand) return false;
      expect_operand = false;
      continue;
    }
    const std::string& op = token.text;
    if (expect_operand) {
      if (op == "(") {
        ++depth;
      } else if (!IsUnary(op)) {
        return false;
      }
    } else if (op == ")") {
      if (--depth < 0) return false;
    } else if (IsBinary(op)) {
      expect_operand = true;
    } else {
      return false;
    }
  }
  return !expect_operand && depth == 0;
}

// The end of the comma-separated part that starts at `begin`.
size_t PartEnd(const std::vector<Token>& tokens, size_t begin) {
  size_t end = begin;
  while (end < tokens.size() &&
         !(tokens[end].kind == Token::Kind::kOperator && tokens[end].text == ",")) {
    ++end;
  }
  return end;
}

// Where the value of a part starts: after "name op= name op= ...".
size_t ValueBegin(const std::vector<Token>& tokens, size_t begin, size_t end) {
  while (end - begin >= 2 &&
         (tokens[begin].kind == Token::Kind::kName || tokens[begin].kind == Token::Kind::kGlued) &&
         IsAssignment(tokens[begin + 1])) {
    begin += 2;
  }
  return begin;
}

// True when every part has a value and the value is well formed.
bool WellFormedParts(const std::vector<Token>& tokens) {
  for (size_t begin = 0;;) {
    const size_t end = PartEnd(tokens, begin);
    const size_t value_begin = ValueBegin(tokens, begin, end);
    if (value_begin == end || !WellFormed(tokens, value_begin, end)) return false;
    if (end == tokens.size()) return true;
    begin = end + 1;
  }
}

// The end of the operand that starts at `i`: unary operators, then a number,
// a name, an expansion or a parenthesised expression.
size_t OperandEnd(const std::vector<Token>& tokens, size_t i) {
  while (i < tokens.size() && tokens[i].kind == Token::Kind::kOperator && IsUnary(tokens[i].text)) {
    ++i;
  }
  if (i < tokens.size() && tokens[i].kind == Token::Kind::kOperator && tokens[i].text == "(") {
    int depth = 0;
    for (; i < tokens.size(); ++i) {
      if (tokens[i].kind != Token::Kind::kOperator) continue;
      if (tokens[i].text == "(") ++depth;
      if (tokens[i].text == ")" && --depth == 0) return i + 1;
    }
    return tokens.size();
  }
  return std::min(i + 1, tokens.size());
}

// What a value that holds a decimal number without leading zeros, of at most
// nine characters, never matches in a case pattern.
constexpr std::string_view kNotShortNumber = "'' | *[!0-9-]* | ?*-* | - | -0* | 0?* | ??????????*";

class ArithmeticWriter {
 public:
  // `glued_texts` names, for each glued token, the variable that holds its
  // checked text.
  ArithmeticWriter(Generator& g, Prelude* prelude,
                   const std::map<const Token*, std::string>& glued_texts)
      : g_(g), prelude_(prelude), glued_texts_(glued_texts) {}

  // The sh arithmetic text of tokens [begin, end). A unary operator takes
  // its operand in parentheses, "-(-(4))", so that no two operators meet.
  std::string Expression(const std::vector<Token>& tokens, size_t begin, size_t end) {
    std::string text;
    std::vector<int> unclosed = {0};  // unary operators waiting, per parenthesis
    bool expect_operand = true;
    for (size_t i = begin; i < end; ++i) {
      const Token& token = tokens[i];
      if (token.kind != Token::Kind::kOperator) {
        text += Operand(token);
        text.append(static_cast<size_t>(std::exchange(unclosed.back(), 0)), ')');
        expect_operand = false;
      } else if (expect_operand && token.text == "(") {
        text += '(';
        unclosed.push_back(0);
      } else if (expect_operand) {
        text += token.text + "(";
        ++unclosed.back();
      } else if (token.text == ")") {
        text += ')';
        if (unclosed.size() > 1) unclosed.pop_back();
        text.append(static_cast<size_t>(std::exchange(unclosed.back(), 0)), ')');
      } else {
        text += " " + token.text + " ";
        expect_operand = true;
      }
    }
    return text;
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
    prelude_->push_back("case :${" + variable + "} in \"${" + KnownNumberShadow(variable) +
                        "-}\") " + temporary + "=${" + variable + "} ;; *) _ni " + temporary +
                        " \"${" + variable + "}\" ;; esac");
    numbers_.emplace_back(variable, temporary);
    return temporary;
  }

  // The number a glued operand stands for when the expression reaches it.
  std::string GluedNumber(const Token& token) {
    const std::string temporary = g_.Temporary();
    g_.out().Use(Helper::kNg);
    prelude_->push_back("_ng " + temporary + " \"${" + glued_texts_.at(&token) + "}\"");
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
  std::string Operand(const Token& token) {
    switch (token.kind) {
      case Token::Kind::kNumber:
        // Octal is written out in decimal: not every shell reads a leading 0
        // as octal (mksh does not).
        if (token.text.size() > 1 && token.text[0] == '0' && (token.text[1] | 0x20) != 'x') {
          return std::to_string(std::stoll(token.text, nullptr, 8));
        }
        return token.text;
      case Token::Kind::kOperator:
        return token.text;
      case Token::Kind::kName:
        return Number(token.text);
      case Token::Kind::kGlued:
        return GluedNumber(token);
      case Token::Kind::kExpansion: {
        // cmd puts the value's text into the expression, so "3+4" stays a
        // sum; anything that is no arithmetic counts as its leading number.
        // The command's expansions all have their values before it runs, so
        // one that comes again is read once.
        const std::string key = PieceKey(*token.piece);
        for (const auto& [known, temporary] : expansions_) {
          if (known == key) return "${" + temporary + "}";
        }
        const std::string temporary = g_.Temporary();
        expansions_.emplace_back(key, temporary);
        g_.out().Use(Helper::kNx);
        Text text;
        text.Append(*token.piece);
        // A plain number, the usual value, is taken as it is, without a call.
        const std::string value = g_.Value(text, prelude_);
        prelude_->push_back("case " + value + " in " + std::string(kNotShortNumber) + ") _nx " +
                            temporary + " " + value + " ;; *) " + temporary + "=" + value +
                            " ;; esac");
        return "${" + temporary + "}";
      }
    }
    return "";
  }

  Generator& g_;
  Prelude* prelude_;
  const std::map<const Token*, std::string>& glued_texts_;
  std::vector<std::pair<std::string, std::string>> numbers_;
  std::vector<std::pair<std::string, std::string>> expansions_;  // piece key, temporary
};

}  // namespace

void TranslateSetArithmetic(Generator& g, const batch::Command& command, const Text& expression) {
  std::string why;
  const std::optional<std::vector<Token>> tokens = Tokenize(expression, &why);
  if (!tokens) {
    g.NotTranslated(command, why, "stop-set-arithmetic");
    return;
  }
  // The text of each glued token is checked before anything runs: a target
  // must be a name, an operand a name or a number. Names are looked up, and
  // targets assigned, as the expression reaches them.
  const bool glued = std::any_of(tokens->begin(), tokens->end(), [](const Token& token) {
    return token.kind == Token::Kind::kGlued;
  });
  if (glued && !WellFormedParts(*tokens)) {
    g.NotTranslated(command, "set /a with an expression cmd cannot compute", "stop-set-arithmetic");
    return;
  }
  Prelude check_prelude;
  std::string checks;
  std::map<const Token*, std::string> glued_texts;
  std::map<const Token*, std::string> glued_names;
  for (size_t i = 0; i < tokens->size(); ++i) {
    const Token& token = (*tokens)[i];
    if (token.kind != Token::Kind::kGlued) continue;
    const bool target = i + 1 < tokens->size() && IsAssignment((*tokens)[i + 1]);
    const std::string text = g.Temporary();
    g.out().Use(Helper::kGt);
    checks += (checks.empty() ? "" : " && ") + std::string("_gt ") + text + " " +
              g.Value(token.parts, &check_prelude);
    glued_texts[&token] = text;
    if (target) {
      const std::string name = g.Temporary();
      g.out().Use(Helper::kGn);
      checks += " && _gn " + name + " \"${" + text + "}\"";
      glued_names[&token] = name;
    }
  }
  if (!checks.empty()) {
    g.WritePrelude(check_prelude);
    g.out().Line("if " + checks + "; then");
    g.out().Indent();
  }
  Prelude prelude;
  ArithmeticWriter writer(g, &prelude, glued_texts);
  int open_checks = 0;
  size_t begin = 0;
  while (true) {
    // One part: "name op= name op= ... expression", assigned from the right,
    // or an expression whose value is not kept.
    const size_t end = PartEnd(*tokens, begin);
    const size_t value_begin = ValueBegin(*tokens, begin, end);
    std::vector<std::pair<const Token*, std::string>> targets;  // name, operator
    for (size_t i = begin; i < value_begin; i += 2) {
      std::string op = (*tokens)[i + 1].text;
      op.pop_back();
      targets.emplace_back(&(*tokens)[i], op);
    }
    if (value_begin == end || !WellFormed(*tokens, value_begin, end)) {
      while (open_checks-- > 0) {
        g.out().Dedent();
        g.out().Line("fi");
      }
      g.NotTranslated(command, "set /a with an expression cmd cannot compute",
                      "stop-set-arithmetic");
      return;
    }
    std::vector<std::string> divisors;
    for (size_t i = value_begin; i < end; ++i) {
      const Token& token = (*tokens)[i];
      if (token.kind == Token::Kind::kOperator && (token.text == "/" || token.text == "%")) {
        // A number other than 0 written in the file needs no check.
        const size_t operand_end = OperandEnd(*tokens, i + 1);
        const Token& next = (*tokens)[std::min(i + 1, tokens->size() - 1)];
        if (operand_end == i + 2 && next.kind == Token::Kind::kNumber &&
            std::stoll(next.text, nullptr, 0) != 0) {
          continue;
        }
        divisors.push_back(writer.Expression(*tokens, i + 1, operand_end));
      }
    }
    const std::string value = writer.Expression(*tokens, value_begin, end);
    // Each target's sh variable, and the number it holds before anything is
    // assigned when its operator needs it.
    std::vector<std::pair<std::string, std::string>> variables;
    for (const auto& [target, op] : targets) {
      const bool glued = target->kind == Token::Kind::kGlued;
      std::string variable = glued ? glued_names.at(target) : ShellVariableName(target->text);
      std::string number;
      if (!op.empty()) number = glued ? writer.GluedNumber(*target) : writer.Number(target->text);
      variables.emplace_back(std::move(variable), std::move(number));
    }
    g.WritePrelude(prelude);
    prelude.clear();
    auto open_check = [&](const std::vector<std::string>& checked) {
      // Later parts may divide by what earlier ones assign, so each check
      // comes right before its part, and the rest of the command only runs
      // when it passes.
      std::string check;
      for (const std::string& divisor : checked) {
        if (!check.empty()) check += " || ";
        check += "[ $((" + divisor + ")) -eq 0 ]";
      }
      g.out().Use(Helper::kDivzero);
      g.out().Line("if " + check + "; then");
      g.out().Indent();
      g.out().Line("_divzero");
      g.out().Dedent();
      g.out().Line("else");
      g.out().Indent();
      ++open_checks;
    };
    if (!divisors.empty()) open_check(divisors);
    if (targets.empty()) {
      g.out().Line(": $((" + value + "))");
    }
    // a=b+=5 gives b its new value first, then a the same.
    std::string assigned = value;
    for (size_t i = targets.size(); i-- > 0;) {
      const Token& target = *targets[i].first;
      const std::string& op = targets[i].second;
      const auto& [variable, number] = variables[i];
      std::string result = assigned;
      if (!op.empty()) {
        if (op == "/" || op == "%") open_check({"(" + assigned + ")"});
        result = number + " " + op + " (" + assigned + ")";
      }
      // cmd computes with 32 bits: what overflows wraps around. A number
      // alone is worked out here.
      const std::string wrapped = "$((((" + result + ") + 2147483648 & 4294967295) - 2147483648))";
      if (target.kind == Token::Kind::kGlued) {
        const std::string temporary = g.Temporary();
        g.out().Line(temporary + "=" + wrapped);
        g.out().Line(KeepForEndlocal(g, "\"${" + variable + "}\""));
        g.out().Line("export \"${" + variable + "}=${" + temporary + "}\"");
        assigned = temporary;
        continue;
      }
      if (op.empty() && value_begin + 1 == end &&
          (*tokens)[value_begin].kind == Token::Kind::kNumber && i + 1 == targets.size() &&
          (*tokens)[value_begin].text.size() <= 9) {
        g.out().Line(KeepForEndlocal(g, variable));
        const long long number = std::stoll((*tokens)[value_begin].text, nullptr, 0);
        g.out().Line("export " + variable + "=" +
                     std::to_string(static_cast<int32_t>(static_cast<uint32_t>(number))));
      } else {
        g.out().Line(KeepForEndlocal(g, variable));
        g.out().Line("export " + variable + "=" + wrapped);
      }
      g.out().Line(KnownNumberShadow(variable) + "=:$" + variable);
      writer.Forget(target.text);
      assigned = variable;
    }
    if (end == tokens->size()) break;
    begin = end + 1;
  }
  while (open_checks-- > 0) {
    g.out().Dedent();
    g.out().Line("fi");
  }
  if (!checks.empty()) {
    g.out().Dedent();
    g.out().Line("else");
    g.out().Indent();
    g.NotTranslated(command,
                    "set /a with an expansion glued to a name or a number that is no "
                    "single operand when the script runs",
                    "stop-set-arithmetic-operand");
    g.out().Dedent();
    g.out().Line("fi");
  }
}

}  // namespace morvex
