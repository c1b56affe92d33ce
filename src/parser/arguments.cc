#include "parser/arguments.h"

#include <string>
#include <string_view>

#include "parser/characters.h"
#include "parser/parser.h"

namespace morvex::batch {

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

bool StartsWithLiteral(const Text& text) {
  return !text.empty() && text.pieces()[0].kind == Piece::Kind::kLiteral;
}

// `text` without the bytes at its front that `skip` takes.
Text SkipLeading(const Text& text, bool (*skip)(char)) {
  if (!StartsWithLiteral(text)) return text;
  const std::string& first = text.pieces()[0].text;
  size_t count = 0;
  while (count < first.size() && skip(first[count])) ++count;
  return DropFront(text, count);
}

// The place of the first literal `c` in a text: the piece and the byte.
struct Position {
  size_t piece = 0;
  size_t byte = 0;
  bool found = false;
};

Position Find(const Text& text, char c, bool last) {
  Position position;
  for (size_t i = 0; i < text.pieces().size(); ++i) {
    const Piece& piece = text.pieces()[i];
    if (piece.kind != Piece::Kind::kLiteral) continue;
    const size_t at = last ? piece.text.rfind(c) : piece.text.find(c);
    if (at == std::string::npos) continue;
    position = {i, at, true};
    if (!last) break;
  }
  return position;
}

// The parts of `text` before and after `at`, which is left out.
std::pair<Text, Text> SplitAt(const Text& text, Position at) {
  Text before, after;
  for (size_t i = 0; i < text.pieces().size(); ++i) {
    const Piece& piece = text.pieces()[i];
    if (i < at.piece) {
      before.Append(piece);
    } else if (i > at.piece) {
      after.Append(piece);
    } else {
      before.Append(std::string_view(piece.text).substr(0, at.byte));
      after.Append(std::string_view(piece.text).substr(at.byte + 1));
    }
  }
  return {before, after};
}

// "/a" or "/p" at the front of the text, in any case.
bool StartsWithSwitch(const Text& text, char letter) {
  if (!StartsWithLiteral(text)) return false;
  const std::string& first = text.pieces()[0].text;
  return first.size() >= 2 && first[0] == '/' && ToLower(first[1]) == letter;
}

// set "name=value" takes what lies between the first quote and the last.
Text WithoutOuterQuotes(const Text& text) {
  if (!StartsWithLiteral(text) || text.pieces()[0].text[0] != '"') return text;
  const Text inner = DropFront(text, 1);
  const Position last = Find(inner, '"', true);
  return last.found ? SplitAt(inner, last).first : inner;
}

}  // namespace

Text ArgumentsAfterWord(const Text& arguments) {
  // "exit/b" and "cd\" keep what ends the word; a separator goes.
  if (!StartsWithLiteral(arguments) || !IsSeparator(arguments.pieces()[0].text[0])) {
    return arguments;
  }
  return DropFront(arguments, 1);
}

Text AfterFirstCharacter(const Text& text) {
  return StartsWithLiteral(text) ? DropFront(text, 1) : text;
}

Text SkipBlanks(const Text& text) {
  return SkipLeading(text, IsBlank);
}

Text TrimBlanks(const Text& text) {
  Text trimmed = SkipBlanks(text);
  while (!trimmed.empty() && trimmed.pieces().back().kind == Piece::Kind::kLiteral &&
         IsBlank(trimmed.pieces().back().text.back())) {
    trimmed.RemoveLastByte();
  }
  return trimmed;
}

Text SkipSeparators(const Text& text) {
  return SkipLeading(text, IsSeparator);
}

std::pair<Text, Text> SplitFirstWord(const Text& text) {
  Text word, rest;
  bool in_rest = false;
  bool quoted = false;
  for (const Piece& piece : text.pieces()) {
    if (in_rest || piece.kind != Piece::Kind::kLiteral) {
      (in_rest ? rest : word).Append(piece);
      continue;
    }
    for (size_t i = 0; i < piece.text.size(); ++i) {
      const char c = piece.text[i];
      if (c == '"') quoted = !quoted;
      if (!quoted && IsSeparator(c)) {
        in_rest = true;
        rest.Append(std::string_view(piece.text).substr(i));
        break;
      }
      word.Append(c);
    }
  }
  return {word, rest};
}

SetForm ReadSet(const Text& after_word) {
  const Text text = SkipBlanks(after_word);
  if (StartsWithSwitch(text, 'a')) return SetArithmetic{DropFront(text, 2)};
  if (StartsWithSwitch(text, 'p')) {
    const Text rest = WithoutOuterQuotes(SkipBlanks(DropFront(text, 2)));
    const Position equals = Find(rest, '=', false);
    if (!equals.found) return SetMistake::kPromptWithoutEquals;
    auto [name, prompt] = SplitAt(rest, equals);
    return SetPrompt{std::move(name), std::move(prompt)};
  }
  const Text content = WithoutOuterQuotes(text);
  const Position equals = Find(content, '=', false);
  if (!equals.found) return SetShow{TrimBlanks(content)};
  auto [name, value] = SplitAt(content, equals);
  if (name.empty()) return SetMistake::kWithoutName;
  return SetAssign{std::move(name), std::move(value)};
}

CallForm ReadCall(const Text& after_word) {
  const Text text = SkipSeparators(after_word);
  auto [word, rest] = SplitFirstWord(text);
  if (StartsWithLiteral(text) && text.pieces()[0].text[0] == ':') {
    return CallLabel{std::move(word), std::move(rest)};
  }
  if (word.empty()) return CallNothing{};
  return CallCommand{std::move(word), std::move(rest)};
}

GotoForm ReadGoto(const Text& arguments) {
  const Text target = SkipSeparators(arguments);
  if (target.empty()) return GotoNothing{};
  if (!target.IsLiteral()) return GotoComputed{target};
  std::string_view text = target.pieces()[0].text;
  const bool colon = text[0] == ':';
  if (colon) text.remove_prefix(1);
  GotoLabel label;
  if (colon) label.name = ":";
  label.name += LabelName(text);
  return label;
}

ExitForm ReadExit(const Text& after_word) {
  ExitForm exit;
  Text text = TrimBlanks(after_word);
  // "/b" is a word of its own: "/bye" is the code.
  if (StartsWithSwitch(text, 'b') &&
      (text.pieces()[0].text.size() == 2 || IsSeparator(text.pieces()[0].text[2]))) {
    exit.batch_only = true;
    text = SkipSeparators(DropFront(text, 2));  // the word that follows is cut at separators
  }
  exit.code = SplitFirstWord(text).first;
  return exit;
}

Text ReadFolder(const Text& arguments, bool drive_switch) {
  const Text folder = TrimBlanks(ArgumentsAfterWord(arguments));
  if (drive_switch && StartsWithSwitch(folder, 'd')) return TrimBlanks(DropFront(folder, 2));
  return folder;
}

}  // namespace morvex::batch
