// for: its switches, its variable, its set and its body.

#include "parser/parser_impl.h"

namespace morvex::batch {

void Parser::Impl::ParseFor(Command* command) {
  EnterNesting();
  ForCommand& loop = command->node.emplace<ForCommand>();
  using Kind = ForCommand::Kind;
  while (true) {
    SkipSeparators();
    if (ConsumeWord("/d")) {
      if (loop.kind == Kind::kPlain) loop.kind = Kind::kDirectories;
    } else if (ConsumeWord("/r")) {
      loop.kind = Kind::kRecursive;
      SkipSeparators();
      if (!AtLineEnd() && (Current() & ~kEscaped) != kDoublePercent) {
        loop.root = ReadToken(false);
      }
    } else if (ConsumeWord("/l")) {
      loop.kind = Kind::kNumbers;
    } else if (ConsumeWord("/f")) {
      loop.kind = Kind::kLines;
      SkipSeparators();
      if (!AtLineEnd() && (Current() & ~kEscaped) != kDoublePercent) {
        Text options = ReadToken(false);
        // The options are one quoted word; the quotes are not part of them.
        for (const Piece& piece : options.pieces()) {
          if (piece.kind != Piece::Kind::kLiteral) {
            loop.options.Append(piece);
            continue;
          }
          std::string bytes = piece.text;
          bytes.erase(std::remove(bytes.begin(), bytes.end(), '"'), bytes.end());
          loop.options.Append(bytes);
        }
      }
    } else {
      break;
    }
  }
  SkipSeparators();
  if (AtLineEnd() || (Current() & ~kEscaped) != kDoublePercent || !IsPlainByte(CellAt(1))) {
    Fail("a for loop needs its variable written %%x");
  }
  loop.variable = static_cast<char>(CellAt(1));
  pos_ += 2;
  SkipSeparators();
  if (!ConsumeWord("in")) Fail("a for loop needs \"in\" after its variable");
  SkipSeparators();
  if (!Special('(')) Fail("a for loop needs its set in parentheses");
  Advance();
  ReadForSet(&loop.set);
  ApplyDelayed(command);
  SkipSeparators();
  if (!ConsumeWord("do")) Fail("a for loop needs \"do\" after its set");
  // For /f the variable is the first of the tokens' consecutive letters.
  // Letters past the ones its tokens fill are told apart by the generator.
  const int count = loop.kind == Kind::kLines ? 26 : 1;
  const size_t outer = loop_variables_.size();
  for (int i = 0; i < count; ++i) {
    const int letter = static_cast<unsigned char>(loop.variable) + i;
    if (letter > 0xFF) break;
    loop_variables_.push_back(static_cast<char>(letter));
  }
  // The body may run any number of times.
  const DelayedState before = delayed_;
  loop.body = ParseBody();
  JoinPart(before, EndsInJump(loop.body));
  loop_variables_.resize(outer);
  LeaveNesting();
}

// The set runs to the first ")" outside quotes, over several lines if need be;
// each line end in it counts as a separator.
void Parser::Impl::ReadForSet(Text* set) {
  while (true) {
    while (!AtLineEnd()) {
      if (Special(')')) {
        Advance();
        return;
      }
      TakeCell(set);
    }
    if (!LoadLogicalLine()) Fail("a for loop's set is opened and never closed");
    set->Append(' ');
  }
}

}  // namespace morvex::batch
