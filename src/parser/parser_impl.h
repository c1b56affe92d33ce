// The parser's insides, shared by the files that read each construct:
// parser.cc (statements, lines, commands), if_command.cc, for_command.cc and
// redirections.cc.

#ifndef MORVEX_PARSER_PARSER_IMPL_H_
#define MORVEX_PARSER_PARSER_IMPL_H_

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "parser/characters.h"
#include "parser/parser.h"
#include "parser/percent_phase.h"

namespace morvex::batch {

// A separator that no caret escaped.
inline bool IsSeparatorCell(Cell cell) {
  return IsPlainByte(cell) && IsSeparator(static_cast<char>(cell));
}

// A syntax error: the statement is given up and comes back unreadable.
struct SyntaxError {
  std::string reason;
};

class Parser::Impl {
 public:
  Impl(const std::vector<std::string_view>& lines, std::vector<char> loop_variables)
      : lines_(lines), outer_loop_variables_(std::move(loop_variables)) {}

  bool Next(Statement* statement);

 private:
  // Lines and cells.
  bool LoadLogicalLine();
  void LoadPhysicalLine(size_t index);
  void ResolveCarets();
  void SetPosition(Command* command) const;
  bool AtLineEnd() const { return pos_ >= cells_.size(); }
  Cell Current() const { return cells_[pos_]; }
  Cell CellAt(size_t offset) const {
    return pos_ + offset < cells_.size() ? cells_[pos_ + offset] : kEscaped;
  }
  // True when the current cell is `c`, unescaped and outside quotes: the only
  // way a character has a meaning of its own.
  bool Special(char c) const {
    return !AtLineEnd() && !in_quotes_ && Current() == static_cast<unsigned char>(c);
  }
  bool SpecialAt(size_t offset, char c) const {
    return !in_quotes_ && CellAt(offset) == static_cast<unsigned char>(c);
  }
  bool AtSeparator() const { return !AtLineEnd() && !in_quotes_ && IsSeparatorCell(Current()); }
  bool AtOperator() const;
  void Advance();
  void SkipSeparators();
  void SkipBlanks();
  void SkipBlanksAndCommas();
  void TakeCell(Text* text);
  void TakePlainRun(std::string* run);
  bool TakeLoopVariable(Text* text);
  bool ConsumeWord(std::string_view lower_word);
  Text ReadToken(bool stop_at_equals);

  // The grammar, from the widest construct to the narrowest.
  Sequence ParseSequence(CommandPtr first);
  AndOr ParseAndOr(CommandPtr first);
  Pipeline ParsePipeline(CommandPtr first);
  CommandPtr ParseCommand();
  // Ignores a label or a stray ")" where a command starts, with the rest of
  // its line; false when the command is neither.
  bool ParseRemark(Command* command, bool quiet);
  // Reads the command's name: a built-in's word, or a program's name.
  void ParseCommandWord(Command* command);
  CommandPtr ParseBlock();
  void ParseTrailingRedirections(Command* command);
  bool AtRedirection() const;
  Redirection ParseRedirection();
  void ParseIf(Command* command);
  Condition ParseCondition();
  void ParseFor(Command* command);
  void ReadForSet(Text* set);
  void ParseArguments(Command* command);
  Sequence ParseBody();

  void EnterNesting();
  void LeaveNesting() { --depth_; }
  [[noreturn]] void Fail(std::string reason) { throw SyntaxError{std::move(reason)}; }
  // cmd's message for what stands at the current place.
  std::string Unexpected();
  void Recover(Statement* statement, const SyntaxError& error);
  void ApplyDelayed(Command* command);
  void TrackSetlocal(const Command& command);
  static bool EndsInJump(const Sequence& sequence);
  static bool EndsInJump(const Command& command);

  const std::vector<std::string_view>& lines_;
  size_t next_line_ = 0;     // the next physical line to read
  int logical_line_ = 0;     // the first physical line of the cells being read
  std::vector<Cell> cells_;  // the logical line being read
  // Where each cell starts: an offset from the logical line's start, counted
  // over the bytes of its physical lines as if they were one; and each
  // physical line's first offset, with its index.
  std::vector<uint32_t> offsets_;
  std::vector<std::pair<uint32_t, int>> line_starts_;
  size_t pos_ = 0;
  bool in_quotes_ = false;
  std::vector<Piece> expansions_;  // what the cells' expansions stand for
  PercentProblem percent_problem_;
  std::vector<char> loop_variables_;        // the variables of the loops being read
  std::vector<char> outer_loop_variables_;  // those of loops around the whole text
  // Delayed expansion as the commands being read will find it: what
  // setlocal and endlocal make of it, unknown where the file may be entered
  // (its start, a label) or after a part of a statement that only some runs
  // reach; and the states that each open setlocal will give back.
  struct DelayedState {
    Delayed value = Delayed::kUnknown;
    std::vector<Delayed> scopes;
    bool scopes_known = true;  // false: setlocals opened before this point may be open too
    bool operator==(const DelayedState&) const = default;
  };
  static DelayedState Join(const DelayedState& a, const DelayedState& b);
  // After a part that only some runs reach: the state after it is the one
  // `before` it, or the one it leaves unless it `jumps` away.
  void JoinPart(const DelayedState& before, bool jumps);
  DelayedState delayed_;
  int depth_ = 0;        // blocks, conditions and loops being read, for the limit
  int open_blocks_ = 0;  // parentheses being read: only then does ")" end a command
  int statement_line_ = 0;
  size_t label_in_block_ = 0;  // the first label line met inside a block, or 0
};

}  // namespace morvex::batch

#endif  // MORVEX_PARSER_PARSER_IMPL_H_
