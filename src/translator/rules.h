// The translation rules that TranslateLine's dispatch table selects by the
// command word. Every rule has the same shape: it receives the working line
// (which begins with the command word), the command word and the notes, may
// append note lines, and yields the translation.

#ifndef MORVEX_TRANSLATOR_RULES_H_
#define MORVEX_TRANSLATOR_RULES_H_

#include <string>
#include <string_view>
#include <utility>

#include "translator/notes.h"
#include "translator/working_line.h"

namespace morvex {

/// What a rule that carries a command puts after that command's translation.
enum class Closing : unsigned char {
  kNone,
  kDone,   // "done", on a line of its own, after a loop's body
  kQuote,  // the quote that closes an alias's body
};

/// The text of `closing`.
std::string_view ClosingText(Closing closing);

/// What a rule yields. Most rules yield the whole translation. A rule that
/// carries a command of its own cuts the working line down to that command and
/// yields what stands before the command's translation (`text`) and after it
/// (`closing`); TranslateLine then translates the command with the same notes,
/// so the command's notes follow the ones the rule appended.
struct RuleResult {
  std::string text;
  bool nested = false;
  Closing closing = Closing::kNone;
};

inline RuleResult Done(std::string translation) {
  return {std::move(translation), false, Closing::kNone};
}
inline RuleResult Nested(std::string opening = {}, Closing closing = Closing::kNone) {
  return {std::move(opening), true, closing};
}

using Rule = RuleResult (*)(WorkingLine& line, std::string_view word, Notes notes);

/// Append the notes NotImplemented(word) and NoPosixEquivalent(word), without
/// building them first.
inline void NoteNotImplemented(Notes notes, std::string_view word) {
  notes.Append("# ", word, " not implemented yet");
}
inline void NoteNoPosixEquivalent(Notes notes, std::string_view word) {
  notes.Append("# no POSIX equivalent to ", word);
}

// File and directory commands.
RuleResult AttribRule(WorkingLine& line, std::string_view word, Notes notes);
RuleResult CdRule(WorkingLine& line, std::string_view word, Notes notes);
RuleResult CopyRule(WorkingLine& line, std::string_view word, Notes notes);
RuleResult DelRule(WorkingLine& line, std::string_view word, Notes notes);
RuleResult DeltreeRule(WorkingLine& line, std::string_view word, Notes notes);
RuleResult DirRule(WorkingLine& line, std::string_view word, Notes notes);
RuleResult MdRule(WorkingLine& line, std::string_view word, Notes notes);
RuleResult RdRule(WorkingLine& line, std::string_view word, Notes notes);
RuleResult MoreRule(WorkingLine& line, std::string_view word, Notes notes);
RuleResult MoveRule(WorkingLine& line, std::string_view word, Notes notes);
RuleResult TypeRule(WorkingLine& line, std::string_view word, Notes notes);
RuleResult FindRule(WorkingLine& line, std::string_view word, Notes notes);

// Conditions and loops. Both carry a command of their own.
RuleResult ConditionalRule(WorkingLine& line, std::string_view word, Notes notes);
RuleResult LoopRule(WorkingLine& line, std::string_view word, Notes notes);

// Environment and console commands. The alias and load-high rules carry a
// command of their own.
RuleResult EchoRule(WorkingLine& line, std::string_view word, Notes notes);
RuleResult EchoDotRule(WorkingLine& line, std::string_view word, Notes notes);
RuleResult ExitRule(WorkingLine& line, std::string_view word, Notes notes);
RuleResult RemRule(WorkingLine& line, std::string_view word, Notes notes);
RuleResult AliasRule(WorkingLine& line, std::string_view word, Notes notes);
RuleResult SetRule(WorkingLine& line, std::string_view word, Notes notes);
RuleResult LoadHighRule(WorkingLine& line, std::string_view word, Notes notes);
RuleResult ShiftRule(WorkingLine& line, std::string_view word, Notes notes);

}  // namespace morvex

#endif  // MORVEX_TRANSLATOR_RULES_H_
