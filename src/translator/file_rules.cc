// Rules for the commands that work on files, directories and file contents.
// None of them rewrites "%" references.

#include <vector>

#include "textsplit/text_split.h"
#include "translator/rewriting.h"
#include "translator/rules.h"
#include "translator/text.h"
#include "translator/translate_line.h"

namespace morvex {

// "+r" makes a file read-only and "-r" writable; the other attributes have no
// counterpart. File names are not carried over.
RuleResult AttribRule(WorkingLine& line, std::string_view, Notes notes) {
  std::string translation = "chmod";
  std::vector<std::string> words;
  std::vector<std::string> letters;
  SplitQuoted(line.text(), words, " ");
  for (size_t w = 1; w < words.size(); ++w) {
    const std::string& word = words[w];
    if (word.empty() || (word[0] != '+' && word[0] != '-')) continue;
    const std::string sign(1, word[0]);
    SplitQuoted(word, letters, "");
    for (size_t c = 1; c < letters.size(); ++c) {
      const std::string& letter = letters[c];
      switch (ToLowerAscii(letter[0])) {
        case 'a':
        case 's':
        case 'h':
          notes.Append("# no POSIX equivalent to attribute: ", sign, letter);
          break;
        case 'r':
          translation += sign == "+" ? " a-w" : " a+w";
          break;
        default:
          notes.Append("# unrecognized attribute: ", sign, letter);
      }
    }
  }
  return Done(translation);
}

RuleResult CdRule(WorkingLine& line, std::string_view word, Notes notes) {
  std::string_view text = line.text();
  std::string cd;
  if (word == "chdir") {
    cd = Concat("cd ", Trim(DropPrefix(text, word.size())));
    text = Trim(cd);
  }
  if (text.size() == 2) return Done("pwd");  // a bare "cd"
  return Done(TranslateArguments(text, notes));
}

RuleResult CopyRule(WorkingLine& line, std::string_view word, Notes notes) {
  // The arguments of a long line are as long as the line: "cp" goes in front
  // of them in place, where the rewriting left room for it.
  std::string translation = TranslateArguments(DropPrefix(line.text(), word.size()), notes);
  translation.insert(0, translation.empty() || translation[0] == ' ' ? "cp" : "cp ");
  return Done(std::move(translation));
}

RuleResult DelRule(WorkingLine& line, std::string_view, Notes notes) {
  const std::string rewritten = TranslateArguments(line.text(), notes);
  return Done(Concat("rm", TrimEnd(FromFirstSpace(rewritten))));  // "rm" starts it: trimmed
}

// The arguments are not rewritten. The first "/Y" (in any case) becomes the
// "f" of "rm -rf"; a switch written directly after the word is lost.
RuleResult DeltreeRule(WorkingLine& line, std::string_view, Notes) {
  constexpr std::string_view kYes = "/y";
  const std::string_view arguments = Trim(FromFirstSpace(line.text()));
  const size_t yes = FindFolded(arguments, kYes);
  if (yes == std::string_view::npos) return Done(Concat("rm -r ", arguments));
  const std::string joined =
      Concat(Trim(arguments.substr(0, yes)), " ", Trim(arguments.substr(yes + kYes.size())));
  return Done(Concat("rm -rf ", Trim(joined)));
}

RuleResult DirRule(WorkingLine& line, std::string_view word, Notes notes) {
  const std::string_view text = line.text();
  if (text.find('/') != std::string_view::npos) {
    NoteNotImplemented(notes, "dir switch translation");
  }
  return Done(Concat("ls ", TranslateArguments(DropPrefix(text, word.size()), notes)));
}

RuleResult MdRule(WorkingLine& line, std::string_view word, Notes notes) {
  const std::string_view text = line.text();
  if (word != "md") return Done(TranslateArguments(text, notes));
  return Done(TranslateArguments(Concat("mkdir", DropPrefix(text, word.size())), notes));
}

RuleResult RdRule(WorkingLine& line, std::string_view word, Notes notes) {
  const std::string_view text = line.text();
  if (word != "rd") return Done(TranslateArguments(text, notes));
  return Done(TranslateArguments(Concat("rmdir", DropPrefix(text, word.size())), notes));
}

RuleResult MoreRule(WorkingLine& line, std::string_view word, Notes) {
  return Done(Concat("more", DropPrefix(line.text(), word.size())));
}

// Arguments are copied as written, from the first space on.
RuleResult MoveRule(WorkingLine& line, std::string_view, Notes) {
  return Done(Concat("mv", FromFirstSpace(line.text())));
}

RuleResult TypeRule(WorkingLine& line, std::string_view word, Notes) {
  const std::string_view files = Trim(DropPrefix(line.text(), word.size()));
  return Done(files.empty() ? "cat" : Concat("cat ", files));
}

// The search string and the switches are not carried over to grep's syntax.
RuleResult FindRule(WorkingLine& line, std::string_view word, Notes notes) {
  NoteNotImplemented(notes, word);
  const std::string_view arguments = Trim(DropPrefix(line.text(), word.size()));
  return Done(arguments.empty() ? "grep" : Concat("grep ", arguments));
}

}  // namespace morvex
