// Console output, leaving the script, comments, aliases, environment
// variables, upper memory and parameter shifting. None of these rules rewrites
// "%" references: "echo %PATH%" stays as it is.

#include "translator/rewriting.h"
#include "translator/rules.h"
#include "translator/text.h"
#include "translator/translate_line.h"

namespace morvex {

// Turning echo on or off, or asking for its state, has no counterpart. Any
// other echo keeps the text from its first space on, exactly as written; a
// switch written directly after the word is dropped.
RuleResult EchoRule(WorkingLine& line, std::string_view, Notes notes) {
  const std::string_view text = line.text();
  if (EqualsFolded(text, "echo") || EqualsFolded(text, "echo on") ||
      EqualsFolded(text, "echo off")) {
    NoteNoPosixEquivalent(notes, text);
    return Done("");
  }
  return Done(Concat("echo", FromFirstSpace(text)));
}

// "echo." shows an empty line; "echo. Hello" too, the text after it dropped.
RuleResult EchoDotRule(WorkingLine&, std::string_view, Notes) {
  return Done("echo");
}

RuleResult ExitRule(WorkingLine& line, std::string_view, Notes notes) {
  const std::string_view text = line.text();
  if (EqualsFolded(text, "exit")) return Done("exit");
  if (EqualsFolded(text, "exit/b") || EqualsFolded(text, "exit /b")) {
    notes.Append("# exiting a script via exit not fully understood by Telm");
    return Done("exit");
  }
  return Done(Concat("exit", FromFirstSpace(text)));
}

RuleResult RemRule(WorkingLine& line, std::string_view word, Notes notes) {
  notes.Append("# comment: ", Trim(DropPrefix(line.text(), word.size())));
  return Done("");
}

// A macro definition "doskey name=body" becomes "alias name='body'" with the
// body translated as a command of its own.
RuleResult AliasRule(WorkingLine& line, std::string_view, Notes notes) {
  notes.Append("# doskey: command history is built into most *nix shells");
  if (line.Find(WorkingLine::kInsert) != WorkingLine::npos) {
    notes.Append("# /insert not supported");
    // The switch and the spaces around it give way to one space.
    line.Trim();
    line.CutInsert();
  }
  const size_t equals = line.Find(WorkingLine::kEquals);
  if (equals == WorkingLine::npos) return Done("");
  size_t name = equals;  // the name runs back to the last space before the "="
  while (name > 0 && line[name - 1] != ' ') --name;
  std::string opening = Concat("alias ", line.Copy(name, equals - name), "='");
  line.RemovePrefix(equals + 1);  // the body, untrimmed
  return Nested(std::move(opening), Closing::kQuote);
}

RuleResult SetRule(WorkingLine& line, std::string_view word, Notes notes) {
  const std::string_view text = line.text();
  const size_t equals = text.find('=');
  // A bare "set", or "set NAME" without a value, lists variables.
  if (text.size() <= word.size() || equals == std::string_view::npos) {
    NoteNotImplemented(notes, "displaying environment variables");
    return Done("");
  }
  // The name starts after "set" and its one separating character.
  const size_t name_begin = word.size() + 1;
  if (equals < name_begin) {
    notes.Append("# can't translate: ", text);
    return Done("");
  }
  const std::string_view name = Trim(text.substr(name_begin, equals - name_begin));
  if (EqualsFolded(name, "path")) {
    return Done(TranslatePathCommand(Trim(DropPrefix(text, word.size())), notes));
  }
  if (EqualsFolded(name, "temp") || EqualsFolded(name, "tmp")) {
    return Done(Concat("export TEMP=", TranslateArguments(Trim(text.substr(equals + 1)), notes)));
  }
  return Done(Concat("export", DropPrefix(text, word.size())));
}

// Loading into upper memory has no counterpart; the program loaded is
// translated on its own, switches of "lh" itself included.
RuleResult LoadHighRule(WorkingLine& line, std::string_view word, Notes notes) {
  NoteNoPosixEquivalent(notes, word);
  if (const size_t space = line.FindFirstOf(" "); space != WorkingLine::npos) {
    line.RemovePrefix(space + 1);
  } else {
    line.RemovePrefix(word.size());
    line.Trim();
  }
  return Nested();
}

RuleResult ShiftRule(WorkingLine& line, std::string_view, Notes) {
  return Done(ToLowerAscii(line.text()));
}

}  // namespace morvex
