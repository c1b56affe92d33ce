// The syntax tree of a batch file as cmd.exe reads it: every node type in one
// place. The parser builds it one statement at a time; the generator walks it.
//
// Text keeps what cmd has already decided when it reads a line (carets are
// gone, quotes stay, operators and redirections are taken out) and marks what
// it can only know when the line runs: the values of %VAR%, %1, %%i and !VAR!.

#ifndef MORVEX_PARSER_SYNTAX_H_
#define MORVEX_PARSER_SYNTAX_H_

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace morvex::batch {

/// %VAR:~start,length%: the part of the value from `start` (counted from
/// the end when negative), `length` characters long (up to that many from
/// the end when negative), or to its end when no length is given.
struct Substring {
  std::string start;  // an integer as written, "0" when left out
  std::optional<std::string> length;

  bool operator==(const Substring&) const = default;
};

/// %VAR:old=new%: each `old` in the value, in any case, becomes `new`; with
/// a star (%VAR:*old=new%) only the first, with all before it.
struct Replacement {
  std::string old_text;  // never empty
  std::string new_text;
  bool star = false;

  bool operator==(const Replacement&) const = default;
};

/// What a %VAR% or !VAR! reference does with the value before it is used:
/// nothing, a substring or a replacement.
using VariableEdit = std::variant<std::monostate, Substring, Replacement>;

/// The edit as written after the colon ("~2,3", "*old=new"), or empty.
std::string SourceForm(const VariableEdit& edit);

struct PieceDetails;

/// One run of text whose value is either written in the file or comes from an
/// expansion when the command runs. Kept small, since a long line holds
/// millions: what only some expansions have lives in shared details.
struct Piece {
  enum class Kind : uint8_t {
    kLiteral,          // `text` is the bytes themselves
    kVariable,         // %name%, read when the line is read; `text` is the name
    kDelayedVariable,  // !name!, read when the command runs
    kArgument,         // %0..%9, or %~mods0..9; `index` and `modifiers`
    kAllArguments,     // %*
    kLoopVariable,     // %%x inside a for body; `text` is the letter, with `modifiers`
  };
  Kind kind = Kind::kLiteral;
  int index = 0;
  std::string text;

  static Piece Literal(std::string bytes) {
    Piece piece;
    piece.text = std::move(bytes);
    return piece;
  }

  /// "~" and the modifier letters as written ("~dp"), or empty.
  const std::string& modifiers() const;
  const VariableEdit& edit() const;
  /// A !name! whose name comes in part from an expansion ("!item%i%!"): what
  /// lies between the marks, edit and all, to be read when the command runs.
  const std::vector<Piece>& inner() const;
  /// For a !name! read only if delayed expansion is on when the command runs:
  /// what it stands for otherwise, marks and all. Null for the others.
  const std::vector<Piece>* if_not_delayed() const;
  /// The details, for filling in; a piece's copies keep theirs.
  PieceDetails& mutable_details();

  bool operator==(const Piece& other) const;

 private:
  std::shared_ptr<PieceDetails> details_;
};

struct PieceDetails {
  std::string modifiers;
  VariableEdit edit;
  std::vector<Piece> inner;
  /// A !name! read where delayed expansion may be on or off: it is the
  /// variable only when delayed expansion is on as the command runs, and the
  /// pieces of `otherwise`, marks and all, when it is off. An empty name
  /// stands for a mark without a partner, which delayed expansion drops.
  bool if_delayed = false;
  std::vector<Piece> otherwise;
};

/// A run of pieces; adjacent literal bytes always share one piece.
class Text {
 public:
  Text() = default;
  explicit Text(std::string literal) { Append(std::move(literal)); }

  void Append(std::string_view literal);
  void Append(char byte) { Append(std::string_view(&byte, 1)); }
  void Append(Piece piece);
  void Append(const Text& other);
  /// Drops the last byte; the text must end in a literal.
  void RemoveLastByte();

  const std::vector<Piece>& pieces() const { return pieces_; }
  bool empty() const { return pieces_.empty(); }
  /// True when nothing in it depends on the time the script runs.
  bool IsLiteral() const;
  /// The bytes of a literal text; expansions are left out.
  std::string LiteralPart() const;

  bool operator==(const Text&) const = default;

 private:
  std::vector<Piece> pieces_;
};

/// A redirection of one of the command's handles: `2>nul`, `>>log.txt`, `<in`,
/// `2>&1`.
struct Redirection {
  enum class Kind { kWrite, kAppend, kRead, kDuplicate };
  int handle = 1;
  Kind kind = Kind::kWrite;
  Text target;  // a file name, or the handle's digit for kDuplicate
};

struct Command;
using CommandPtr = std::unique_ptr<Command>;

/// Commands joined by `|`.
struct Pipeline {
  std::vector<CommandPtr> commands;
};

/// Pipelines joined by `&&` and `||`, which bind equally and from the left.
struct AndOr {
  std::vector<Pipeline> pipelines;
  std::vector<bool> and_before;  // and_before[i]: pipelines[i + 1] follows `&&`
};

/// AndOr lists joined by `&` or by the line ends inside a block.
struct Sequence {
  std::vector<AndOr> items;
};

/// A command word with its text: a built-in or a program.
struct SimpleCommand {
  Text name;           // as written, quotes kept
  std::string word;    // the built-in's name in lower case, or empty for a program
  Text arguments;      // everything after the name, the separating character included
  bool quiet = false;  // written after `@`
};

/// `if [/i] [not] condition body [else body]`.
struct Condition {
  enum class Kind { kCompare, kErrorlevel, kExist, kDefined, kCmdExtVersion };
  enum class Compare { kEqualText, kEqu, kNeq, kLss, kLeq, kGtr, kGeq };
  Kind kind = Kind::kCompare;
  Compare compare = Compare::kEqualText;
  bool negated = false;
  bool ignore_case = false;
  Text left;   // the first operand, the errorlevel, the path or the name
  Text right;  // the second operand of a comparison
};

struct IfCommand {
  Condition condition;
  Sequence then_branch;
  std::optional<Sequence> else_branch;
};

/// `for [/d | /r [root] | /l | /f ["options"]] %%x in (set) do body`.
struct ForCommand {
  enum class Kind { kPlain, kDirectories, kRecursive, kNumbers, kLines };
  Kind kind = Kind::kPlain;
  Text root;     // the root folder of /r, empty for the current one
  Text options;  // the options of /f, quotes removed
  char variable = 0;
  Text set;  // what the parentheses hold, as written
  Sequence body;
};

/// A parenthesised block: one sequence per line it holds.
struct Block {
  std::vector<Sequence> lines;
};

/// A command the parser could not make sense of, kept as written: the script
/// stops there with a message instead of guessing.
struct Unreadable {
  std::string text;    // its first line as written, with " ..." when it has more
  std::string reason;  // what is wrong with it, for the note
};

/// Whether delayed expansion is on for a command: known from the batch file
/// alone, or only when the command runs (after a label, in a file that another
/// one calls, after a setlocal or endlocal that only some runs reach).
enum class Delayed : uint8_t { kOff, kOn, kUnknown };

/// Picks the lambda that takes the alternative, for std::visit: a visit that
/// leaves a kind out does not compile.
template <typename... Lambdas>
struct Overloaded : Lambdas... {
  using Lambdas::operator()...;
};
template <typename... Lambdas>
Overloaded(Lambdas...) -> Overloaded<Lambdas...>;

struct Command {
  /// What the command is, one of a closed set of kinds.
  using Node = std::variant<SimpleCommand, Block, IfCommand, ForCommand, Unreadable>;

  int line = 0;  // the physical line, from 0, where the command's logical line starts
  // Where the command itself begins, which a caret at a line's end may put on
  // a later line: the physical line, from 0, and the byte column in it, from
  // 1, of its name (after "@" and any redirections before it), of a block's
  // "(", or of an unreadable statement's first word.
  int start_line = 0;
  int column = 1;
  Delayed delayed = Delayed::kOff;
  std::vector<Redirection> redirections;
  Node node;

  template <typename Kind>
  bool Is() const {
    return std::holds_alternative<Kind>(node);
  }
  /// The command as that kind, or null when it is another.
  template <typename Kind>
  const Kind* As() const {
    return std::get_if<Kind>(&node);
  }
  template <typename Kind>
  Kind* As() {
    return std::get_if<Kind>(&node);
  }
  /// The parts of a command known to be simple, as a built-in's rule knows
  /// its command is.
  const SimpleCommand& simple() const { return std::get<SimpleCommand>(node); }
  SimpleCommand& simple() { return std::get<SimpleCommand>(node); }
};

/// One unit cmd reads before it runs any of it: a line, with the lines its
/// open parentheses or trailing carets pull in.
struct Statement {
  enum class Kind {
    kCommands,  // `body` holds what runs
    kLabel,     // `:name`; `label` is the name as written
    kEmpty,     // a blank line, a `::` comment or a `rem`-only line handled as nothing
  };
  Kind kind = Kind::kEmpty;
  int first_line = 0;  // physical lines, from 0, that the statement spans
  int last_line = 0;
  std::string label;
  Sequence body;
};

/// Calls `visit` on every command of `sequence` and on the commands inside
/// them (in blocks, branches and loop bodies), each before those inside it.
void ForEachCommand(const Sequence& sequence, const std::function<void(const Command&)>& visit);

/// Calls `visit` on the texts of `command` itself, not on those of the
/// commands inside it: its redirections' targets, then its name and
/// arguments, an if's two operands, or a for's root, options and set.
void ForEachOwnText(const Command& command, const std::function<void(const Text&)>& visit);
void ForEachOwnText(Command& command, const std::function<void(Text&)>& visit);

/// The tree written back in a compact form that shows what the parser
/// decided, for tests and for reading: "echo[ a] 1>out", "if <{%x}> == <1>
/// {prog:a.exe[]}", "for/f <tokens=1> %i in(f) {...}". Expansions are in
/// braces ("{%name}", "{!name}", "{%~dp1}", "{%%~ni}"), a program's name
/// follows "prog:", a built-in's arguments are in brackets.
std::string Outline(const Text& text);
std::string Outline(const Sequence& sequence);
std::string Outline(const Statement& statement);

}  // namespace morvex::batch

#endif  // MORVEX_PARSER_SYNTAX_H_
