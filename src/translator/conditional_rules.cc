// Conditions and loops. The condition of an "if" is not translated: the
// command after it is, and a note tells the reader that it now runs
// unconditionally. A "for" loop becomes an sh loop around its translated body.

#include "translator/rules.h"
#include "translator/text.h"
#include "translator/translate_line.h"

namespace morvex {
namespace {

constexpr size_t npos = WorkingLine::npos;

}  // namespace

RuleResult ConditionalRule(WorkingLine& line, std::string_view, std::string& notes) {
  AppendNote(notes, NotImplemented("POSIX if"));

  // Where the condition's last operand begins: after "==" (the "=" and the
  // character after it), or after the keyword, wherever they stand in the line.
  size_t operand;
  if (const size_t equals = line.Find('='); equals != npos) {
    operand = equals + 2;
  } else if (const size_t errorlevel = line.FindFolded("ERRORLEVEL"); errorlevel != npos) {
    operand = errorlevel + 10;
  } else if (const size_t exist = line.FindFolded("EXIST"); exist != npos) {
    operand = exist + 5;
  } else if (const size_t defined = line.FindFolded("DEFINED"); defined != npos) {
    operand = defined + 7;
  } else {
    // A command whose condition cannot even be read is not run at all.
    AppendNote(notes, "# unrecognized DOS 'if' statement");
    return Done("");
  }
  line.RemovePrefix(operand);
  line.Trim();

  // The operand is one word; the command follows its first space.
  if (const size_t space = line.FindFirstOf(" "); space != npos) {
    line.RemovePrefix(space + 1);
    line.Trim();
  }
  return Nested();
}

RuleResult LoopRule(WorkingLine& line, std::string_view, std::string& notes) {
  line.RewriteVariables(notes);
  line.RemovePrefix(3);  // "for"
  line.Trim();

  const size_t open = line.FindFirstOf("(");
  if (open == npos) {
    AppendNote(notes, "# invalid DOS 'for' statement: no '(' found");
    return Done("");
  }
  if (open == 0) {
    AppendNote(notes, "# invalid DOS 'for' statement: no loop variable found");
    return Done("");
  }
  // The variable part leaves out its first character, the "$" that was the
  // loop variable's "%": "$i in " gives "i in ".
  std::string head = Concat("for ", line.Copy(1, open - 1));
  line.RemovePrefix(open + 1);

  const size_t close = line.FindFirstOf(")");
  if (close == npos) {
    AppendNote(notes, "# invalid DOS 'for' statement: no ')' found");
    return Done(head);
  }
  head += line.Copy(0, close);  // the list, as written
  line.RemovePrefix(close + 1);
  line.Trim();

  if (!EqualsFolded(line.Copy(0, 3), "do ")) {
    AppendNote(notes, "# invalid DOS 'for' statement: no 'do' found");
    return Done(head);
  }
  line.RemovePrefix(3);  // the body keeps any further spaces
  head += "; do\n";
  return Nested(std::move(head), "\ndone");
}

}  // namespace morvex
