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

RuleResult ConditionalRule(WorkingLine& line, std::string_view, Notes notes) {
  NoteNotImplemented(notes, "POSIX if");

  // Where the condition's last operand begins: after "==" (the "=" and the
  // character after it), or after the keyword, wherever they stand in the line.
  size_t operand = npos;
  if (const size_t equals = line.Find(WorkingLine::kEquals); equals != npos) {
    operand = equals + 2;
  } else {
    for (const WorkingLine::Far keyword :
         {WorkingLine::kErrorlevel, WorkingLine::kExist, WorkingLine::kDefined}) {
      if (const size_t at = line.Find(keyword); at != npos) {
        operand = at + WorkingLine::Needle(keyword).size();
        break;
      }
    }
  }
  if (operand == npos) {
    // A command whose condition cannot even be read is not run at all.
    notes.Append("# unrecognized DOS 'if' statement");
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

RuleResult LoopRule(WorkingLine& line, std::string_view word, Notes notes) {
  constexpr std::string_view kDo = "do ";
  line.RewriteVariables();
  line.RemovePrefix(word.size());
  line.Trim();

  const size_t open = line.FindFirstOf("(");
  if (open == npos) {
    notes.Append("# invalid DOS 'for' statement: no '(' found");
    return Done("");
  }
  if (open == 0) {
    notes.Append("# invalid DOS 'for' statement: no loop variable found");
    return Done("");
  }
  // The variable part leaves out its first character, the "$" that was the
  // loop variable's "%": "$i in " gives "i in ".
  std::string head = Concat("for ", line.Copy(1, open - 1));
  line.RemovePrefix(open + 1);

  const size_t close = line.FindFirstOf(")");
  if (close == npos) {
    notes.Append("# invalid DOS 'for' statement: no ')' found");
    return Done(head);
  }
  head += line.Copy(0, close);  // the list, as written
  line.RemovePrefix(close + 1);
  line.Trim();

  if (!EqualsFolded(line.Copy(0, kDo.size()), kDo)) {
    notes.Append("# invalid DOS 'for' statement: no 'do' found");
    return Done(head);
  }
  line.RemovePrefix(kDo.size());  // the body keeps any further spaces
  head += "; do\n";
  return Nested(std::move(head), Closing::kDone);
}

}  // namespace morvex
