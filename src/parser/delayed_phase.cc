#include "parser/delayed_phase.h"

#include "parser/percent_phase.h"

namespace morvex::batch {
namespace {

// A character of a literal piece, or a whole expansion.
struct Unit {
  const Piece* piece;  // for an expansion
  char c;
};

std::vector<Unit> Units(const Text& text) {
  std::vector<Unit> units;
  for (const Piece& piece : text.pieces()) {
    if (piece.kind != Piece::Kind::kLiteral) {
      units.push_back({&piece, 0});
      continue;
    }
    for (char c : piece.text) units.push_back({nullptr, c});
  }
  return units;
}

}  // namespace

bool HasDelayedMark(const Text& text) {
  for (const Piece& piece : text.pieces()) {
    if (piece.kind == Piece::Kind::kLiteral && piece.text.find('!') != std::string::npos) {
      return true;
    }
  }
  return false;
}

namespace {

// The variable that "!inner!" names.
Piece DelayedVariable(const std::vector<Unit>& units, size_t begin, size_t end) {
  Piece variable;
  variable.kind = Piece::Kind::kDelayedVariable;
  bool literal = true;
  for (size_t i = begin; i < end; ++i) literal = literal && units[i].piece == nullptr;
  if (!literal) {
    Text inner;
    for (size_t i = begin; i < end; ++i) {
      if (units[i].piece != nullptr) {
        inner.Append(*units[i].piece);
      } else {
        inner.Append(units[i].c);
      }
    }
    variable.mutable_details().inner = inner.pieces();
    return variable;
  }
  std::string text;
  for (size_t i = begin; i < end; ++i) text += units[i].c;
  const size_t colon = text.find(':');
  variable.text = text.substr(0, colon);
  if (colon != std::string::npos &&
      !ParseEdit(std::string_view(text).substr(colon + 1), &variable.mutable_details().edit)) {
    variable.text = text;  // no variable has that name, so it reads as empty
    variable.mutable_details().edit = VariableEdit();
  }
  return variable;
}

// `variable` read only when delayed expansion is on; units [begin, end) are
// what it stands for when delayed expansion turns out off.
Piece IfDelayed(Piece variable, const std::vector<Unit>& units, size_t begin, size_t end) {
  Text written;
  for (size_t i = begin; i < end; ++i) {
    if (units[i].piece != nullptr) {
      written.Append(*units[i].piece);
    } else {
      written.Append(units[i].c);
    }
  }
  PieceDetails& details = variable.mutable_details();
  details.if_delayed = true;
  details.otherwise = written.pieces();
  return variable;
}

}  // namespace

Text ApplyDelayedPhase(const Text& text, bool certain) {
  if (!HasDelayedMark(text)) return text;
  const std::vector<Unit> units = Units(text);
  Text result;
  // Marks that vanish when delayed expansion is on ("!!", a mark without a
  // partner) and stand for themselves when it is off: a run of them is one
  // piece, so that a line of marks stays small.
  std::string vanishing;
  auto flush = [&] {
    if (vanishing.empty()) return;
    Piece marks;
    marks.kind = Piece::Kind::kDelayedVariable;
    PieceDetails& details = marks.mutable_details();
    details.if_delayed = true;
    details.otherwise.push_back(Piece::Literal(std::move(vanishing)));
    vanishing.clear();
    result.Append(std::move(marks));
  };
  size_t i = 0;
  while (i < units.size()) {
    const Unit& unit = units[i];
    if (unit.piece != nullptr) {
      flush();
      result.Append(*unit.piece);
      ++i;
      continue;
    }
    if (unit.c == '^' && certain) {
      if (i + 1 < units.size()) {
        if (units[i + 1].piece != nullptr) {
          result.Append(*units[i + 1].piece);
        } else {
          result.Append(units[i + 1].c);
        }
      }
      i += 2;
      continue;
    }
    if (unit.c != '!') {
      flush();
      result.Append(unit.c);
      ++i;
      continue;
    }
    size_t close = i + 1;
    while (close < units.size() && !(units[close].piece == nullptr && units[close].c == '!')) {
      ++close;
    }
    if (close == units.size()) {
      // A mark without a partner is dropped.
      if (!certain) vanishing += '!';
      ++i;
      continue;
    }
    if (close > i + 1) {
      flush();
      Piece variable = DelayedVariable(units, i + 1, close);
      result.Append(certain ? variable : IfDelayed(variable, units, i, close + 1));
    } else if (!certain) {
      vanishing += "!!";  // "!!" is nothing
    }
    i = close + 1;
  }
  flush();
  return result;
}

}  // namespace morvex::batch
