// The reader of statements: lines, carets, blocks, operators, commands and
// their arguments, and delayed expansion as setlocal leaves it. Conditions,
// loops and redirections have files of their own.

#include <algorithm>
#include <utility>

#include "parser/delayed_phase.h"
#include "parser/parser_impl.h"

namespace morvex::batch {
namespace {

// The commands cmd runs itself, in sorted order. A word is one of them only
// when it is written plainly, without quotes or expansions.
constexpr std::string_view kBuiltins[] = {
    "assoc",  "break", "call", "cd",       "chdir",  "cls",    "color",  "copy",  "date",
    "del",    "dir",   "echo", "endlocal", "erase",  "exit",   "for",    "ftype", "goto",
    "if",     "keys",  "md",   "mkdir",    "mklink", "move",   "path",   "pause", "popd",
    "prompt", "pushd", "rd",   "rem",      "ren",    "rename", "rmdir",  "set",   "setlocal",
    "shift",  "start", "time", "title",    "type",   "ver",    "verify", "vol",
};

bool IsBuiltin(std::string_view word) {
  return std::binary_search(std::begin(kBuiltins), std::end(kBuiltins), word);
}
static_assert(std::is_sorted(std::begin(kBuiltins), std::end(kBuiltins)));

// An operator that no caret escaped, taking ")" as one whether a block is
// open or not.
bool IsOperatorCell(Cell cell) {
  return IsPlainByte(cell) && IsOperator(static_cast<char>(cell), /*in_block=*/true);
}

// A built-in's name ends at these even when no separator follows: "echo.",
// "cd\", "echo(" and "echo:" all run the built-in.
bool EndsBuiltinName(char c) {
  switch (c) {
    case '.':
    case '/':
    case '\\':
    case ':':
    case '+':
    case '[':
    case ']':
    case '(':
      return true;
    default:
      return IsSeparator(c);
  }
}

// A label's name ends at these.
bool EndsLabelName(char c) {
  return c == '+' || c == ':' || c == '\r' || IsSeparator(c) || IsOperator(c, /*in_block=*/false);
}

bool IsPlain(Cell cell, char c) {
  return cell == static_cast<unsigned char>(c);
}

// "rem" followed by more than one word.
bool IsRemarkOfSeveralWords(const std::vector<Cell>& cells) {
  size_t i = 0;
  auto separator = [&](size_t at) { return IsSeparatorCell(cells[at]); };
  while (i < cells.size() && (separator(i) || IsPlain(cells[i], '@'))) ++i;
  if (cells.size() - i < 3) return false;
  for (size_t k = 0; k < 3; ++k) {
    if (!IsPlainByte(cells[i + k]) || ToLower(static_cast<char>(cells[i + k])) != "rem"[k]) {
      return false;
    }
  }
  i += 3;
  if (i == cells.size() || !separator(i)) return false;
  while (i < cells.size() && separator(i)) ++i;
  while (i < cells.size() && !separator(i)) ++i;
  while (i < cells.size() && separator(i)) ++i;
  return i < cells.size();
}

}  // namespace

std::vector<std::string_view> SplitLines(std::string_view batch) {
  std::vector<std::string_view> lines;
  lines.reserve(batch.size() / 32);
  // Most files hold no Ctrl-Z, and a search for one byte is much faster.
  const bool has_end_of_file = batch.find('\x1A') != std::string_view::npos;
  size_t begin = 0;
  while (begin < batch.size()) {
    const size_t end =
        has_end_of_file ? batch.find_first_of("\n\x1A", begin) : batch.find('\n', begin);
    if (end == std::string_view::npos) {
      lines.push_back(batch.substr(begin));
      break;
    }
    lines.push_back(batch.substr(begin, end - begin));
    begin = end + 1;
  }
  return lines;
}

bool IsLabelLine(std::string_view line, std::string_view* after_colon) {
  size_t i = 0;
  while (i < line.size() && IsSeparator(line[i])) ++i;
  if (i == line.size() || line[i] != ':') return false;
  *after_colon = line.substr(i + 1);
  return true;
}

std::string LabelName(std::string_view after_colon) {
  std::string name;
  for (char c : after_colon) {
    if (EndsLabelName(c)) break;
    name += ToLower(c);
  }
  return name;
}

std::string SourceForm(const Text& text) {
  std::string source;
  for (const Piece& piece : text.pieces()) {
    switch (piece.kind) {
      case Piece::Kind::kLiteral:
        for (char c : piece.text) {
          source += c;
          if (c == '%') source += '%';
        }
        break;
      case Piece::Kind::kVariable:
      case Piece::Kind::kDelayedVariable: {
        const char mark = piece.kind == Piece::Kind::kVariable ? '%' : '!';
        source += mark + piece.text;
        const std::string edit = SourceForm(piece.edit());
        source += (edit.empty() ? "" : ":" + edit) + mark;
        break;
      }
      case Piece::Kind::kArgument:
        source += "%" + piece.modifiers() + std::to_string(piece.index);
        break;
      case Piece::Kind::kAllArguments:
        source += "%*";
        break;
      case Piece::Kind::kLoopVariable:
        source += "%%" + piece.modifiers() + piece.text;
        break;
    }
  }
  return source;
}

// Statements.

bool Parser::Impl::Next(Statement* statement) {
  *statement = Statement();
  while (next_line_ < lines_.size()) {
    const std::string_view line = lines_[next_line_];
    const int index = static_cast<int>(next_line_);
    std::string_view after_colon;
    if (IsLabelLine(line, &after_colon)) {
      ++next_line_;
      statement->first_line = statement->last_line = index;
      if (!after_colon.empty() && after_colon.front() == ':') {
        statement->kind = Statement::Kind::kEmpty;  // "::" comments
      } else {
        statement->kind = Statement::Kind::kLabel;
        statement->label = LabelName(after_colon);
        // A goto or a call may land here from anywhere.
        delayed_ = DelayedState{Delayed::kUnknown, {}, false};
      }
      return true;
    }
    if (IsBlankLine(line)) {
      ++next_line_;  // blank lines are no statement at all
      continue;
    }
    statement_line_ = index;
    statement->first_line = index;
    statement->kind = Statement::Kind::kCommands;
    expansions_.clear();
    loop_variables_ = outer_loop_variables_;
    depth_ = 0;
    open_blocks_ = 0;
    label_in_block_ = 0;
    percent_problem_ = PercentProblem();
    LoadLogicalLine();
    try {
      statement->body = ParseSequence(nullptr);
      if (!AtLineEnd()) Fail(Unexpected());
      if (percent_problem_.invalid_path_operator) {
        Fail("the usage of %~ is invalid, and cmd stops the batch file here");
      }
    } catch (const SyntaxError& error) {
      Recover(statement, error);
    }
    statement->last_line = static_cast<int>(next_line_) - 1;
    return true;
  }
  return false;
}

// Gives up on the statement: skips what is left of its blocks and keeps its
// lines as the text of one unreadable command.
std::string Parser::Impl::Unexpected() {
  if (AtLineEnd()) return "The syntax of the command is incorrect.";
  std::string token;
  if (IsPlainByte(Current()) && !IsSeparatorCell(Current())) {
    token = static_cast<char>(Current());  // an operator or a parenthesis
    if (!IsOperatorCell(Current()) && Current() != '(') token = SourceForm(ReadToken(false));
  } else {
    Text text;
    TakeCell(&text);
    token = SourceForm(text);
  }
  return token + " was unexpected at this time.";
}

void Parser::Impl::Recover(Statement* statement, const SyntaxError& error) {
  int open = open_blocks_;
  auto count_parentheses = [&]() {
    bool quoted = false;
    for (; pos_ < cells_.size(); ++pos_) {
      const Cell cell = cells_[pos_];
      if (cell == '"') quoted = !quoted;
      if (quoted) continue;
      if (cell == '(') ++open;
      if (cell == ')' && open > 0) --open;
    }
  };
  count_parentheses();
  // A label ends the skipping: cmd would have given up on this statement,
  // but a goto elsewhere can still land on the label.
  while (open > 0 && next_line_ < lines_.size()) {
    std::string_view after_colon;
    if (IsLabelLine(lines_[next_line_], &after_colon) &&
        !(after_colon.size() > 0 && after_colon[0] == ':')) {
      break;
    }
    LoadLogicalLine();
    count_parentheses();
  }
  auto command = std::make_unique<Command>();
  Unreadable& unreadable = command->node.emplace<Unreadable>();
  command->line = command->start_line = statement_line_;
  // The first line stands for the statement in messages.
  std::string_view line = lines_[static_cast<size_t>(statement_line_)];
  const size_t first = line.find_first_not_of(" \t@");
  command->column = static_cast<int>(first == std::string_view::npos ? 0 : first) + 1;
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  unreadable.text = std::string(line);
  if (next_line_ > static_cast<size_t>(statement_line_) + 1) unreadable.text += " ...";
  unreadable.reason = error.reason;
  statement->body = Sequence();
  statement->body.items.emplace_back();
  statement->body.items.back().pipelines.emplace_back();
  statement->body.items.back().pipelines.back().commands.push_back(std::move(command));
}

// Lines.

bool Parser::Impl::LoadLogicalLine() {
  if (next_line_ >= lines_.size()) return false;
  cells_.clear();
  offsets_.clear();
  line_starts_.clear();
  pos_ = 0;
  in_quotes_ = false;
  logical_line_ = static_cast<int>(next_line_);
  LoadPhysicalLine(next_line_++);
  // cmd reads a rem line no further than the word after "rem", so only a
  // caret that ends that word carries the remark on to the next line.
  if (IsRemarkOfSeveralWords(cells_)) return true;
  ResolveCarets();
  return true;
}

void Parser::Impl::LoadPhysicalLine(size_t index) {
  uint32_t start = 0;
  if (!line_starts_.empty()) {
    const auto& [previous, line] = line_starts_.back();
    start = previous + static_cast<uint32_t>(lines_[static_cast<size_t>(line)].size()) + 1;
  }
  line_starts_.emplace_back(start, static_cast<int>(index));
  ApplyPercentPhase(lines_[index], &cells_, &expansions_, &percent_problem_, &offsets_, start);
}

// The physical line and column of the cell at the current place, or of the
// logical line's end.
void Parser::Impl::SetPosition(Command* command) const {
  uint32_t offset = 0;
  if (pos_ < offsets_.size()) {
    offset = offsets_[pos_];
  } else if (!offsets_.empty()) {
    offset = offsets_.back() + 1;
  }
  auto after = std::upper_bound(
      line_starts_.begin(), line_starts_.end(), offset,
      [](uint32_t value, const std::pair<uint32_t, int>& start) { return value < start.first; });
  if (after == line_starts_.begin()) {
    command->start_line = logical_line_;
    command->column = 1;
    return;
  }
  --after;
  command->start_line = after->second;
  command->column = static_cast<int>(offset - after->first) + 1;
}

// Takes the escaping carets out of the cells from `from` on, marking the
// character each one escapes. A caret at the very end joins the next line,
// whose first character it escapes; when that line is empty, the caret
// escapes its line end instead, which becomes part of the text.
void Parser::Impl::ResolveCarets() {
  if (std::find(cells_.begin(), cells_.end(), static_cast<Cell>('^')) == cells_.end()) return;
  size_t out = 0;
  bool quoted = false;
  bool escape_next = false;
  for (size_t in = 0; in < cells_.size(); ++in) {
    Cell cell = cells_[in];
    if (escape_next) {
      escape_next = false;
      offsets_[out] = offsets_[in];
      cells_[out++] = cell | kEscaped;
      continue;
    }
    if (cell == '"') quoted = !quoted;
    if (!quoted && cell == '^') {
      if (in + 1 < cells_.size()) {
        escape_next = true;
        continue;
      }
      // The caret ends the line: the next line carries on this one.
      cells_.resize(out);
      offsets_.resize(out);
      if (next_line_ >= lines_.size()) return;
      const size_t joined = cells_.size();
      LoadPhysicalLine(next_line_++);
      if (cells_.size() == joined) {
        cells_.push_back('\n' | kEscaped);
        offsets_.push_back(line_starts_.back().first);
        if (next_line_ < lines_.size()) LoadPhysicalLine(next_line_++);
        out = joined + 1;
        in = joined;  // the loop's increment moves past the line end
        continue;
      }
      out = joined;
      in = joined - 1;
      escape_next = true;
      continue;
    }
    offsets_[out] = offsets_[in];
    cells_[out++] = cell;
  }
  cells_.resize(out);
  offsets_.resize(out);
}

// Cells.

bool Parser::Impl::AtOperator() const {
  if (AtLineEnd() || in_quotes_) return false;
  const Cell cell = Current();
  return IsPlainByte(cell) && IsOperator(static_cast<char>(cell), open_blocks_ > 0);
}

void Parser::Impl::Advance() {
  if (Current() == '"') in_quotes_ = !in_quotes_;
  ++pos_;
}

void Parser::Impl::SkipSeparators() {
  while (AtSeparator()) ++pos_;
}

void Parser::Impl::SkipBlanksAndCommas() {
  while (AtSeparator() && Current() != '=') ++pos_;
}

void Parser::Impl::SkipBlanks() {
  while (!AtLineEnd() && !in_quotes_ && (Current() == ' ' || Current() == '\t')) ++pos_;
}

// Appends the current cell to `text` and moves past it: a byte, an expansion,
// or a loop variable that starts with a "%" written "%%".
void Parser::Impl::TakeCell(Text* text) {
  const Cell cell = Current();
  if ((cell & ~kEscaped) == kDoublePercent) {
    if (TakeLoopVariable(text)) return;
    text->Append('%');
  } else if (IsExpansion(cell)) {
    text->Append(expansions_[ExpansionIndex(cell)]);
  } else {
    text->Append(static_cast<char>(cell & 0xFF));
  }
  Advance();
}

// "%x" or "%~modifiers x" where x is the variable of a loop being read. The
// modifiers are taken greedily, giving back letters until what follows is a
// loop variable, since the variable may itself be a modifier letter.
bool Parser::Impl::TakeLoopVariable(Text* text) {
  if (loop_variables_.empty()) return false;
  auto is_variable = [&](size_t offset) {
    const Cell cell = CellAt(offset);
    return IsPlainByte(cell) && std::find(loop_variables_.begin(), loop_variables_.end(),
                                          static_cast<char>(cell)) != loop_variables_.end();
  };
  Piece piece;
  piece.kind = Piece::Kind::kLoopVariable;
  size_t end = 0;
  if (CellAt(1) == '~') {
    size_t last = 2;
    while (IsPlainByte(CellAt(last)) && IsPathModifier(static_cast<char>(CellAt(last)))) ++last;
    if (CellAt(last) == '$') {
      size_t colon = last;
      while (IsPlainByte(CellAt(colon)) && CellAt(colon) != ':') ++colon;
      if (CellAt(colon) == ':') last = colon + 1;
    }
    for (size_t variable = last; variable >= 2 && end == 0; --variable) {
      if (is_variable(variable)) end = variable;
    }
    if (end == 0) return false;
    for (size_t i = 1; i < end; ++i)
      piece.mutable_details().modifiers += static_cast<char>(CellAt(i));
  } else if (is_variable(1)) {
    end = 1;
  } else {
    return false;
  }
  piece.text = std::string(1, static_cast<char>(CellAt(end)));
  text->Append(std::move(piece));
  pos_ += end + 1;
  return true;
}

// Consumes `lower_word` when the cells spell it, in any case, and a separator,
// an operator, a parenthesis or the line end follows.
bool Parser::Impl::ConsumeWord(std::string_view lower_word) {
  if (in_quotes_) return false;
  for (size_t i = 0; i < lower_word.size(); ++i) {
    // An escaped letter is still the letter: a caret that ends a line
    // escapes the first one of the next ("... ^" then "do ...").
    Cell cell = CellAt(i);
    const Cell plain = cell & ~kEscaped;
    if (IsByte(plain) && IsLetter(static_cast<char>(plain))) cell = plain;
    if (!IsPlainByte(cell) || ToLower(static_cast<char>(cell)) != lower_word[i]) return false;
  }
  const Cell after = CellAt(lower_word.size());
  const bool ends = pos_ + lower_word.size() == cells_.size() || IsSeparatorCell(after) ||
                    IsOperatorCell(after) || after == '(';
  if (!ends) return false;
  pos_ += lower_word.size();
  return true;
}

// One word: up to a separator or an operator outside quotes. `stop_at_equals`
// ends it at "=" too, as the operands of a comparison end.
Text Parser::Impl::ReadToken(bool stop_at_equals) {
  Text token;
  while (!AtLineEnd()) {
    if (!in_quotes_ && IsPlainByte(Current())) {
      const Cell cell = Current();
      if (cell == '=' ? stop_at_equals : IsSeparatorCell(cell)) break;
      if (AtOperator()) break;
    }
    TakeCell(&token);
  }
  return token;
}

// The grammar.

Sequence Parser::Impl::ParseSequence(CommandPtr first) {
  Sequence sequence;
  while (true) {
    if (!first) {
      SkipSeparators();
      if (AtLineEnd() || (Special(')') && open_blocks_ > 0)) break;
    }
    sequence.items.push_back(ParseAndOr(std::move(first)));
    SkipSeparators();  // what a block leaves before an operator
    if (Special('&') && !SpecialAt(1, '&')) {
      Advance();
      continue;
    }
    break;
  }
  return sequence;
}

AndOr Parser::Impl::ParseAndOr(CommandPtr first) {
  AndOr list;
  list.pipelines.push_back(ParsePipeline(std::move(first)));
  while (true) {
    SkipSeparators();
    if (Special('&') && SpecialAt(1, '&')) {
      list.and_before.push_back(true);
    } else if (Special('|') && SpecialAt(1, '|')) {
      list.and_before.push_back(false);
    } else {
      break;
    }
    pos_ += 2;
    SkipSeparators();
    if (AtLineEnd() && open_blocks_ > 0) {
      // Inside a block an operator at the end of a line joins the next line.
      if (!LoadLogicalLine()) Fail("The syntax of the command is incorrect.");
      SkipSeparators();
    }
    const DelayedState before = delayed_;
    list.pipelines.push_back(ParsePipeline(nullptr));
    const Pipeline& part = list.pipelines.back();
    JoinPart(before, part.commands.size() == 1 && EndsInJump(*part.commands[0]));
  }
  return list;
}

Pipeline Parser::Impl::ParsePipeline(CommandPtr first) {
  Pipeline pipeline;
  pipeline.commands.push_back(first ? std::move(first) : ParseCommand());
  SkipSeparators();
  while (Special('|') && !SpecialAt(1, '|')) {
    Advance();
    pipeline.commands.push_back(ParseCommand());
    SkipSeparators();
  }
  return pipeline;
}

void Parser::Impl::EnterNesting() {
  if (++depth_ > kMaxDepth) Fail("blocks, conditions and loops nest too deeply");
}

bool Parser::Impl::ParseRemark(Command* command, bool quiet) {
  // A command that starts with a colon is a label: cmd ignores it, with the
  // rest of its line and its redirections ("&:: remark", "<# : header").
  if (Special(':')) {
    pos_ = cells_.size();
    command->redirections.clear();
    command->simple().word = "rem";
    command->simple().quiet = true;
    return true;
  }
  // Where a command should start and no block is open, a ")" standing alone
  // makes the rest of the line a remark.
  if (command->redirections.empty() && open_blocks_ == 0 && Special(')')) {
    const Cell next = CellAt(1);
    if (pos_ + 1 >= cells_.size() || IsSeparatorCell(next) || IsOperatorCell(next) || next == '(') {
      pos_ = cells_.size();
      command->simple().word = "rem";
      command->simple().quiet = quiet;
      return true;
    }
  }
  return false;
}

void Parser::Impl::ParseCommandWord(Command* command) {
  // A built-in when its plain leading letters name one.
  const size_t start = pos_;
  size_t cut = start;
  while (cut < cells_.size() && IsPlainByte(cells_[cut]) &&
         !EndsBuiltinName(static_cast<char>(cells_[cut])) && cells_[cut] != '"' &&
         !IsOperatorCell(cells_[cut])) {
    ++cut;
  }
  std::string word;
  for (size_t i = start; i < cut; ++i) word += ToLower(static_cast<char>(cells_[i]));
  const bool word_ends =
      cut == cells_.size() ||
      (IsPlainByte(cells_[cut]) && (EndsBuiltinName(static_cast<char>(cells_[cut])) ||
                                    IsOperator(static_cast<char>(cells_[cut]), open_blocks_ > 0)));
  if (word_ends && IsBuiltin(word)) {
    command->simple().word = word;
    Text name;
    while (pos_ < cut) TakeCell(&name);
    command->simple().name = std::move(name);
  } else {
    while (!AtLineEnd()) {
      if (!in_quotes_ && (IsSeparatorCell(Current()) || AtOperator() || Current() == '(')) {
        break;
      }
      TakeCell(&command->simple().name);
    }
  }
}

CommandPtr Parser::Impl::ParseCommand() {
  auto command = std::make_unique<Command>();
  command->line = logical_line_;
  SkipSeparators();
  // Redirections may come first: ">log.txt echo done".
  while (AtRedirection()) {
    command->redirections.push_back(ParseRedirection());
    SkipSeparators();
  }
  bool quiet = false;
  while (Special('@')) {
    quiet = true;
    Advance();
    SkipSeparators();
  }
  SetPosition(command.get());
  if (ParseRemark(command.get(), quiet)) return command;
  if (AtLineEnd() || AtOperator()) {
    if (command->redirections.empty()) {
      if (AtLineEnd()) Fail("The syntax of the command is incorrect.");
      Fail(Unexpected());
    }
    // Only redirections: files are opened and nothing runs.
    command->simple().word = "rem";
    return command;
  }
  if (Special('(')) {
    CommandPtr block = ParseBlock();
    for (Redirection& redirection : command->redirections) {
      block->redirections.insert(block->redirections.begin(), std::move(redirection));
    }
    block->line = command->line;
    return block;
  }

  ParseCommandWord(command.get());
  command->simple().quiet = quiet;

  if (command->simple().word == "rem") {
    pos_ = cells_.size();  // the rest of the line is the remark
    return command;
  }
  if (command->simple().word == "if") {
    ParseIf(command.get());
    return command;
  }
  if (command->simple().word == "for") {
    ParseFor(command.get());
    return command;
  }
  ParseArguments(command.get());
  ApplyDelayed(command.get());
  TrackSetlocal(*command);
  return command;
}

// With delayed expansion on, each text of the command gets its !VAR! forms.
void Parser::Impl::ApplyDelayed(Command* command) {
  command->delayed = delayed_.value;
  if (delayed_.value == Delayed::kOff) return;
  // Most texts hold no mark and are left as they are, without a copy.
  const bool certain = delayed_.value == Delayed::kOn;
  // A for's options are read before the delayed expansion.
  const ForCommand* loop = command->As<ForCommand>();
  const Text* options = loop != nullptr ? &loop->options : nullptr;
  ForEachOwnText(*command, [&](Text& text) {
    if (&text != options && HasDelayedMark(text)) text = ApplyDelayedPhase(text, certain);
  });
}

// setlocal may turn delayed expansion on or off for the commands after it,
// until its endlocal.
void Parser::Impl::TrackSetlocal(const Command& command) {
  if (command.simple().word == "endlocal") {
    if (!delayed_.scopes.empty()) {
      delayed_.value = delayed_.scopes.back();
      delayed_.scopes.pop_back();
    } else if (!delayed_.scopes_known) {
      delayed_.value = Delayed::kUnknown;
    }
    return;
  }
  if (command.simple().word != "setlocal") return;
  delayed_.scopes.push_back(delayed_.value);
  if (!command.simple().arguments.IsLiteral()) {
    delayed_.value = Delayed::kUnknown;
    return;
  }
  const std::string options = Lower(command.simple().arguments.LiteralPart());
  if (options.find("enabledelayedexpansion") != std::string::npos) delayed_.value = Delayed::kOn;
  if (options.find("disabledelayedexpansion") != std::string::npos) delayed_.value = Delayed::kOff;
}

Parser::Impl::DelayedState Parser::Impl::Join(const DelayedState& a, const DelayedState& b) {
  DelayedState joined = a;
  if (a.value != b.value) joined.value = Delayed::kUnknown;
  if (a.scopes != b.scopes || a.scopes_known != b.scopes_known) {
    joined.scopes.clear();
    joined.scopes_known = false;
  }
  return joined;
}

void Parser::Impl::JoinPart(const DelayedState& before, bool jumps) {
  delayed_ = jumps ? before : Join(before, delayed_);
}

// True when the last thing a sequence or command does is a goto or an exit,
// so that nothing after it follows on from it.
bool Parser::Impl::EndsInJump(const Sequence& sequence) {
  if (sequence.items.empty()) return false;
  const AndOr& list = sequence.items.back();
  return list.pipelines.size() == 1 && list.pipelines[0].commands.size() == 1 &&
         EndsInJump(*list.pipelines[0].commands[0]);
}

bool Parser::Impl::EndsInJump(const Command& command) {
  const Command* last = &command;
  // Blocks nest as deep as the input: walk down them without recursion.
  while (const Block* block = last->As<Block>()) {
    if (block->lines.empty() || block->lines.back().items.empty()) return false;
    const AndOr& list = block->lines.back().items.back();
    if (list.pipelines.size() != 1 || list.pipelines[0].commands.size() != 1) return false;
    last = list.pipelines[0].commands[0].get();
  }
  const SimpleCommand* simple = last->As<SimpleCommand>();
  return simple != nullptr && (simple->word == "goto" || simple->word == "exit");
}

// The text after the command word, up to the next operator, with the
// redirections taken out of it and the spaces around them left in.
void Parser::Impl::ParseArguments(Command* command) {
  Text& arguments = command->simple().arguments;
  std::string run;
  while (!AtLineEnd()) {
    TakePlainRun(&run);
    arguments.Append(run);
    if (AtLineEnd()) break;
    if (AtRedirection()) {
      command->redirections.push_back(ParseRedirection());
      continue;
    }
    if (AtOperator()) break;
    TakeCell(&arguments);
  }
}

// Moves past the bytes from here that mean nothing special, collecting them
// in `run`: most of a line, taken in one go rather than cell by cell.
void Parser::Impl::TakePlainRun(std::string* run) {
  run->clear();
  const size_t size = cells_.size();
  while (pos_ < size) {
    const Cell cell = cells_[pos_];
    if (!IsPlainByte(cell)) {
      if (!IsByte(cell)) return;  // an expansion or a "%%"
      *run += static_cast<char>(cell & 0xFF);
      ++pos_;
      continue;
    }
    if (cell == '"') {
      in_quotes_ = !in_quotes_;
    } else if (!in_quotes_) {
      if (IsOperator(static_cast<char>(cell), open_blocks_ > 0)) return;
      if (cell >= '0' && cell <= '9' && pos_ + 1 < size && cells_[pos_ + 1] == '>') return;
    }
    *run += static_cast<char>(cell);
    ++pos_;
  }
}

CommandPtr Parser::Impl::ParseBlock() {
  EnterNesting();
  auto command = std::make_unique<Command>();
  Block& block = command->node.emplace<Block>();
  command->line = logical_line_;
  SetPosition(command.get());
  Advance();  // the "("
  ++open_blocks_;
  while (true) {
    Sequence line = ParseSequence(nullptr);
    if (!line.items.empty()) block.lines.push_back(std::move(line));
    if (Special(')')) {
      Advance();
      break;
    }
    if (!AtLineEnd()) Fail("The syntax of the command is incorrect.");
    // The block goes on over the next lines; labels and blank lines in it
    // are passed over.
    while (true) {
      if (next_line_ >= lines_.size()) {
        // Give back the lines from the first label on, which a goto may
        // still reach.
        if (label_in_block_ > 0) {
          next_line_ = label_in_block_;
          cells_.clear();
          pos_ = 0;
        }
        Fail("a block is opened and never closed");
      }
      std::string_view after_colon;
      const std::string_view line_text = lines_[next_line_];
      if (IsLabelLine(line_text, &after_colon) && label_in_block_ == 0 &&
          !(!after_colon.empty() && after_colon[0] == ':')) {
        label_in_block_ = next_line_;
      }
      if (IsLabelLine(line_text, &after_colon) || IsBlankLine(line_text)) {
        ++next_line_;
        continue;
      }
      break;
    }
    LoadLogicalLine();
  }
  --open_blocks_;
  LeaveNesting();
  ParseTrailingRedirections(command.get());
  ApplyDelayed(command.get());
  return command;
}

// The body of a condition or a loop runs to the end of the line, "&" and all.
// When it starts with a block, what follows the block goes on in the body.
Sequence Parser::Impl::ParseBody() {
  SkipSeparators();
  // The command may start with its redirections: "if 1==1 >nul echo x".
  if (AtLineEnd() || (AtOperator() && !Special('<') && !Special('>'))) {
    Fail("The syntax of the command is incorrect.");
  }
  return ParseSequence(nullptr);
}

Parser::Parser(const std::vector<std::string_view>& lines, std::vector<char> loop_variables)
    : impl_(std::make_unique<Impl>(lines, std::move(loop_variables))) {}
Parser::~Parser() = default;
bool Parser::Next(Statement* statement) {
  return impl_->Next(statement);
}

}  // namespace morvex::batch
