// The first thing cmd does with a line it reads: the percent forms. cmd puts
// the values in place at once; the parser cannot know them, so each form
// becomes an expansion cell that the rest of the parser treats as opaque text.

#ifndef MORVEX_PARSER_PERCENT_PHASE_H_
#define MORVEX_PARSER_PERCENT_PHASE_H_

#include <cstdint>
#include <string_view>
#include <vector>

#include "parser/syntax.h"

namespace morvex::batch {

/// One unit of a line after the percent phase: a byte (0 to 255), a "%" that
/// was written "%%" (which a for loop may still turn into its variable), or an
/// expansion. The parser later marks cells that a caret escaped.
using Cell = uint32_t;

inline constexpr Cell kDoublePercent = 0x100;
inline constexpr Cell kExpansion = 0x200;  // kExpansion + i: expansions[i]
inline constexpr Cell kEscaped = 0x80000000u;

/// A byte, escaped by a caret or not.
inline bool IsByte(Cell cell) {
  return (cell & ~kEscaped) < 0x100;
}
/// A byte that no caret escaped: the only kind that may mean something to cmd.
inline bool IsPlainByte(Cell cell) {
  return cell < 0x100;
}
inline bool IsExpansion(Cell cell) {
  return (cell & ~kEscaped) >= kExpansion;
}
inline uint32_t ExpansionIndex(Cell cell) {
  return (cell & ~kEscaped) - kExpansion;
}

/// What the percent phase found wrong, if anything: a "%~" without a valid
/// argument after its modifiers makes cmd stop the batch file.
struct PercentProblem {
  bool invalid_path_operator = false;
};

/// Appends the cells of one physical line (without its line end) to `cells`
/// and the expansions they refer to to `expansions`. Carriage returns are
/// dropped, as cmd drops them. With `offsets`, appends for each cell `base`
/// plus the offset in the line of the byte it starts at.
void ApplyPercentPhase(std::string_view line, std::vector<Cell>* cells,
                       std::vector<Piece>* expansions, PercentProblem* problem,
                       std::vector<uint32_t>* offsets = nullptr, uint32_t base = 0);

/// Reads the edit after the colon of "%VAR:edit%" ("~1,2", "old=new",
/// "*old=new"); false when it is no edit.
bool ParseEdit(std::string_view text, VariableEdit* edit);

/// True for the modifier letters of "%~" forms.
bool IsPathModifier(char c);

}  // namespace morvex::batch

#endif  // MORVEX_PARSER_PERCENT_PHASE_H_
