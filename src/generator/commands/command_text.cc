// Helpers shared by the command rules for picking a command's text apart.

#include "generator/commands/commands.h"

namespace morvex {

using batch::Piece;
using batch::Text;

namespace {

// `text` with `count` bytes dropped from the front of its first piece, which
// must be literal.
Text DropFront(const Text& text, size_t count) {
  Text rest;
  bool first = true;
  for (const Piece& piece : text.pieces()) {
    if (first && piece.kind == Piece::Kind::kLiteral) {
      rest.Append(std::string_view(piece.text).substr(std::min(count, piece.text.size())));
    } else {
      rest.Append(piece);
    }
    first = false;
  }
  return rest;
}

}  // namespace

Text ArgumentsAfterWord(const batch::Command& command) {
  const Text& arguments = command.simple().arguments;
  if (arguments.empty() || arguments.pieces()[0].kind != Piece::Kind::kLiteral) return arguments;
  // "exit/b" and "cd\" keep what ends the word; a separator goes.
  const char first = arguments.pieces()[0].text[0];
  return batch::IsSeparator(first) ? DropFront(arguments, 1) : arguments;
}

Text TextAfterFirstCharacter(const Text& text) {
  if (text.empty() || text.pieces()[0].kind != Piece::Kind::kLiteral) return text;
  return DropFront(text, 1);
}

Text SkipBlanks(const Text& text) {
  if (text.empty() || text.pieces()[0].kind != Piece::Kind::kLiteral) return text;
  const std::string& first = text.pieces()[0].text;
  size_t blanks = 0;
  while (blanks < first.size() && batch::IsBlank(first[blanks])) ++blanks;
  return DropFront(text, blanks);
}

Text TrimBlanks(const Text& text) {
  Text trimmed = SkipBlanks(text);
  while (!trimmed.empty() && trimmed.pieces().back().kind == Piece::Kind::kLiteral &&
         batch::IsBlank(trimmed.pieces().back().text.back())) {
    trimmed.RemoveLastByte();
  }
  return trimmed;
}

void CallHelperWithWords(Generator& g, const batch::Command& command, Helper helper) {
  CallHelperWithWords(g, command, helper, ArgumentsAfterWord(command));
}

void CallHelperWithWords(Generator& g, const batch::Command& command, Helper helper,
                         const Text& arguments) {
  CommandBuilder(g, helper).WordsOf(arguments, WordStyle::kBuiltin).Redirect(command).Write();
}

}  // namespace morvex
