#include "parser/percent_phase.h"

#include <string>

#include "parser/characters.h"

namespace morvex::batch {
namespace {

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// An optional minus sign and digits; `allow_empty` accepts no digits at all.
bool IsInteger(std::string_view text, bool allow_empty) {
  if (!text.empty() && text.front() == '-') text.remove_prefix(1);
  if (text.empty()) return allow_empty;
  for (char c : text) {
    if (!IsDigit(c)) return false;
  }
  return true;
}

}  // namespace

// The part of "%VAR:edit%" after the colon: "~start[,length]" or
// "[*]old=new". Anything else is no edit at all, and cmd drops "%VAR:".
bool ParseEdit(std::string_view text, VariableEdit* edit) {
  if (!text.empty() && text.front() == '~') {
    text.remove_prefix(1);
    const size_t comma = text.find(',');
    const std::string_view start = text.substr(0, comma);
    if (!IsInteger(start, /*allow_empty=*/true)) return false;
    Substring substring;
    substring.start = start.empty() ? "0" : std::string(start);
    if (comma != std::string_view::npos) {
      const std::string_view length = text.substr(comma + 1);
      if (!IsInteger(length, /*allow_empty=*/false)) return false;
      substring.length = std::string(length);
    }
    *edit = std::move(substring);
    return true;
  }
  const size_t equals = text.find('=');
  if (equals == std::string_view::npos) return false;
  Replacement replacement;
  std::string_view search = text.substr(0, equals);
  if (!search.empty() && search.front() == '*') {
    replacement.star = true;
    search.remove_prefix(1);
  }
  if (search.empty()) return false;
  replacement.old_text = std::string(search);
  replacement.new_text = std::string(text.substr(equals + 1));
  *edit = std::move(replacement);
  return true;
}

namespace {

Cell AddExpansion(Piece piece, std::vector<Piece>* expansions) {
  expansions->push_back(std::move(piece));
  return kExpansion + static_cast<Cell>(expansions->size() - 1);
}

}  // namespace

bool IsPathModifier(char c) {
  switch (ToLower(c)) {
    case 'f':
    case 'd':
    case 'p':
    case 'n':
    case 'x':
    case 's':
    case 'a':
    case 't':
    case 'z':
      return true;
    default:
      return false;
  }
}

namespace {

// Reads "%~" with path modifiers and an argument's digit ("%~dp0") from the
// "%" at line[i]. Returns where reading goes on.
size_t ReadModifiedArgument(std::string_view line, size_t i, std::vector<Cell>* cells,
                            std::vector<Piece>* expansions, PercentProblem* problem) {
  const size_t n = line.size();
  size_t j = i + 2;
  while (j < n && IsPathModifier(line[j])) ++j;
  // "$NAME:" searches the folders of a variable; it comes last.
  if (j < n && line[j] == '$') {
    const size_t colon = line.find(':', j);
    if (colon != std::string_view::npos) j = colon + 1;
  }
  if (j < n && IsDigit(line[j])) {
    Piece piece;
    piece.kind = Piece::Kind::kArgument;
    piece.index = line[j] - '0';
    piece.mutable_details().modifiers = std::string(line.substr(i + 1, j - i - 1));
    cells->push_back(AddExpansion(std::move(piece), expansions));
    return j + 1;
  }
  problem->invalid_path_operator = true;
  return i + 1;
}

// Reads "%name%" or "%name:edit%" from the "%" at line[i]. Returns where
// reading goes on.
size_t ReadVariable(std::string_view line, size_t i, std::vector<Cell>* cells,
                    std::vector<Piece>* expansions) {
  const size_t n = line.size();
  // A variable: its name runs to the next "%", or to a ":" that starts an
  // edit. Without either, the "%" is dropped.
  size_t j = i + 1;
  while (j < n && line[j] != '%' && line[j] != ':') ++j;
  if (j == n) return i + 1;
  Piece piece;
  piece.kind = Piece::Kind::kVariable;
  piece.text = std::string(line.substr(i + 1, j - i - 1));
  if (line[j] == '%') {
    cells->push_back(AddExpansion(std::move(piece), expansions));
    return j + 1;
  }
  const size_t close = line.find('%', j + 1);
  if (close == std::string_view::npos) return i + 1;
  if (ParseEdit(line.substr(j + 1, close - j - 1), &piece.mutable_details().edit)) {
    cells->push_back(AddExpansion(std::move(piece), expansions));
    return close + 1;
  }
  return j + 1;  // "%VAR:" with no valid edit after it is dropped
}

}  // namespace

void ApplyPercentPhase(std::string_view line, std::vector<Cell>* cells,
                       std::vector<Piece>* expansions, PercentProblem* problem,
                       std::vector<uint32_t>* offsets, uint32_t base) {
  const size_t n = line.size();
  size_t i = 0;
  // The cells that one turn of the loop adds start at byte `from`: an
  // expansion or a "%%" is one cell, a run of bytes one cell a byte, so the
  // k-th cell of a turn starts at byte from + k.
  size_t filled = cells->size();
  size_t from = 0;
  auto note_offsets = [&]() {
    if (offsets == nullptr) return;
    const size_t start = offsets->size();
    offsets->resize(start + cells->size() - filled);
    for (size_t k = start; k < offsets->size(); ++k) {
      (*offsets)[k] = base + static_cast<uint32_t>(from + (k - start));
    }
    filled = cells->size();
  };
  while (i < n) {
    note_offsets();
    from = i;
    const char c = line[i];
    if (c == '\r') {
      ++i;
      continue;
    }
    if (c != '%') {
      // The bytes up to the next "%" or carriage return, in one go.
      size_t end = i + 1;
      while (end < n && line[end] != '%' && line[end] != '\r') ++end;
      cells->insert(cells->end(), reinterpret_cast<const unsigned char*>(line.data() + i),
                    reinterpret_cast<const unsigned char*>(line.data() + end));
      i = end;
      continue;
    }
    if (i + 1 == n) break;  // a lone "%" at the end of the line is dropped
    const char next = line[i + 1];
    if (next == '%') {
      cells->push_back(kDoublePercent);
      i += 2;
      continue;
    }
    if (next == '*') {
      Piece piece;
      piece.kind = Piece::Kind::kAllArguments;
      cells->push_back(AddExpansion(std::move(piece), expansions));
      i += 2;
      continue;
    }
    if (IsDigit(next)) {
      Piece piece;
      piece.kind = Piece::Kind::kArgument;
      piece.index = next - '0';
      cells->push_back(AddExpansion(std::move(piece), expansions));
      i += 2;
      continue;
    }
    if (next == '~') {
      i = ReadModifiedArgument(line, i, cells, expansions, problem);
      continue;
    }
    i = ReadVariable(line, i, cells, expansions);
  }
  note_offsets();
}

}  // namespace morvex::batch
