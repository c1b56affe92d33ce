// Redirections: "<file", ">file", ">>file", "2>&1", written before the
// command, among its arguments or after a block.

#include "parser/parser_impl.h"

namespace morvex::batch {

// A redirection starts at "<" or ">", or at a handle digit right before ">"
// that begins a word of its own.
bool Parser::Impl::AtRedirection() const {
  if (Special('<') || Special('>')) return true;
  if (AtLineEnd() || in_quotes_) return false;
  const Cell cell = Current();
  if (cell < '0' || cell > '9' || !SpecialAt(1, '>')) return false;
  if (pos_ == 0) return true;
  return IsSeparatorCell(cells_[pos_ - 1]);
}

Redirection Parser::Impl::ParseRedirection() {
  Redirection redirection;
  int handle = -1;
  if (Current() >= '0' && Current() <= '9') {
    handle = static_cast<int>(Current() - '0');
    ++pos_;
  }
  if (Special('<')) {
    redirection.kind = Redirection::Kind::kRead;
    redirection.handle = handle < 0 ? 0 : handle;
    ++pos_;
  } else {
    redirection.handle = handle < 0 ? 1 : handle;
    ++pos_;
    if (Special('>')) {
      redirection.kind = Redirection::Kind::kAppend;
      ++pos_;
    }
  }
  if (Special('&') && !AtLineEnd() && CellAt(1) >= '0' && CellAt(1) <= '9') {
    redirection.kind = Redirection::Kind::kDuplicate;
    redirection.target = Text(std::string(1, static_cast<char>(CellAt(1))));
    pos_ += 2;
    return redirection;
  }
  SkipBlanks();
  while (!AtLineEnd()) {
    if (!in_quotes_ && (IsSeparatorCell(Current()) || AtOperator())) break;
    TakeCell(&redirection.target);
  }
  if (redirection.target.empty()) Fail("The syntax of the command is incorrect.");
  return redirection;
}

void Parser::Impl::ParseTrailingRedirections(Command* command) {
  while (true) {
    const size_t saved = pos_;
    SkipSeparators();
    if (!AtRedirection()) {
      pos_ = saved;
      return;
    }
    command->redirections.push_back(ParseRedirection());
  }
}

}  // namespace morvex::batch
