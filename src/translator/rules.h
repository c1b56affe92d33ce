// The translation rules that TranslateLine's dispatch table selects by the
// command word. Every rule has the same shape: it receives the working line
// (which begins with the command word), the command word and the notes, may
// append note lines, and yields the translation.

#ifndef MORVEX_TRANSLATOR_RULES_H_
#define MORVEX_TRANSLATOR_RULES_H_

#include <string>
#include <string_view>
#include <utility>

#include "translator/working_line.h"

namespace morvex {

/// What a rule yields. Most rules yield the whole translation. A rule that
/// carries a command of its own cuts the working line down to that command and
/// yields what stands before the command's translation (`text`) and after it
/// (`closing`); TranslateLine then translates the command with the same notes,
/// so the command's notes follow the ones the rule appended.
struct RuleResult {
  std::string text;
  bool nested = false;
  std::string_view closing;
};

inline RuleResult Done(std::string translation) {
  return {std::move(translation), false, {}};
}
inline RuleResult Nested(std::string opening = {}, std::string_view closing = {}) {
  return {std::move(opening), true, closing};
}

using Rule = RuleResult (*)(WorkingLine& line, std::string_view word, std::string& notes);

/// Appends one note line made of `pieces`, and the LF that ends it.
template <typename... Pieces>
void AppendNote(std::string& notes, const Pieces&... pieces) {
  ((notes += pieces), ...);
  notes += '\n';
}

// File and directory commands.
RuleResult AttribRule(WorkingLine& line, std::string_view word, std::string& notes);
RuleResult CdRule(WorkingLine& line, std::string_view word, std::string& notes);
RuleResult CopyRule(WorkingLine& line, std::string_view word, std::string& notes);
RuleResult DelRule(WorkingLine& line, std::string_view word, std::string& notes);
RuleResult DeltreeRule(WorkingLine& line, std::string_view word, std::string& notes);
RuleResult DirRule(WorkingLine& line, std::string_view word, std::string& notes);
RuleResult MdRule(WorkingLine& line, std::string_view word, std::string& notes);
RuleResult RdRule(WorkingLine& line, std::string_view word, std::string& notes);
RuleResult MoreRule(WorkingLine& line, std::string_view word, std::string& notes);
RuleResult MoveRule(WorkingLine& line, std::string_view word, std::string& notes);
RuleResult TypeRule(WorkingLine& line, std::string_view word, std::string& notes);
RuleResult FindRule(WorkingLine& line, std::string_view word, std::string& notes);

// Conditions and loops.
RuleResult ConditionalRule(WorkingLine& line, std::string_view word, std::string& notes);
RuleResult LoopRule(WorkingLine& line, std::string_view word, std::string& notes);

// Environment and console commands.
RuleResult EchoRule(WorkingLine& line, std::string_view word, std::string& notes);
RuleResult EmptyEchoRule(WorkingLine& line, std::string_view word, std::string& notes);
RuleResult ExitRule(WorkingLine& line, std::string_view word, std::string& notes);
RuleResult RemRule(WorkingLine& line, std::string_view word, std::string& notes);
RuleResult AliasRule(WorkingLine& line, std::string_view word, std::string& notes);
RuleResult SetRule(WorkingLine& line, std::string_view word, std::string& notes);
RuleResult LoadHighRule(WorkingLine& line, std::string_view word, std::string& notes);
RuleResult ShiftRule(WorkingLine& line, std::string_view word, std::string& notes);

}  // namespace morvex

#endif  // MORVEX_TRANSLATOR_RULES_H_
