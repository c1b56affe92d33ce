// Delayed expansion, the last thing cmd does with a command's text before it
// runs it, when "setlocal enabledelayedexpansion" has turned it on: carets
// escape once more, and !VAR! stands for the variable's value at that moment.

#ifndef MORVEX_PARSER_DELAYED_PHASE_H_
#define MORVEX_PARSER_DELAYED_PHASE_H_

#include "parser/syntax.h"

namespace morvex::batch {

/// The text with its !VAR! forms made delayed variables. Only a text that
/// holds a "!" changes: a caret escapes the character after it, a pair of
/// marks with a name between them becomes the variable, and a mark without a
/// partner is dropped. What expansions put into the text is not seen here;
/// the generator has it read again when the command runs.
///
/// Where only the run knows whether delayed expansion is on (`certain` is
/// false), each pair of marks, and each mark without a partner, becomes a
/// variable read only if it is on, which otherwise stands for itself; carets
/// are then left as they are.
Text ApplyDelayedPhase(const Text& text, bool certain = true);

/// True when `text` holds a "!" that delayed expansion would read.
bool HasDelayedMark(const Text& text);

}  // namespace morvex::batch

#endif  // MORVEX_PARSER_DELAYED_PHASE_H_
