// Rules for the commands that work on files, directories and file contents.
// None of them rewrites "%" references.

#include <vector>

#include "textsplit/text_split.h"
#include "translator/rules.h"
#include "translator/text.h"
#include "translator/translate_line.h"

namespace morvex {

// "+r" makes a file read-only and "-r" writable; the other attributes have no
// counterpart. File names are not carried over.
RuleResult AttribRule(WorkingLine& line, std::string_view, std::string& notes) {
  std::string translation = "chmod";
  std::vector<std::string> words;
  std::vector<std::string> letters;
  SplitQuoted(line.View(), words, " ");
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
          AppendNote(notes, "# no POSIX equivalent to attribute: ", sign, letter);
          break;
        case 'r':
          translation += sign == "+" ? " a-w" : " a+w";
          break;
        default:
          AppendNote(notes, "# unrecognized attribute: ", sign, letter);
      }
    }
  }
  return Done(translation);
}

RuleResult CdRule(WorkingLine& line, std::string_view word, std::string& notes) {
  std::string_view text = line.View();
  std::string cd;
  if (word == "chdir") {
    cd = Concat("cd ", Trim(From(text, 5)));
    text = Trim(cd);
  }
  if (text.size() == 2) return Done("pwd");  // a bare "cd"
  return Done(TranslateArguments(text, notes));
}

RuleResult CopyRule(WorkingLine& line, std::string_view, std::string& notes) {
  const std::string arguments = TranslateArguments(From(line.View(), 4), notes);
  if (arguments.empty() || arguments[0] == ' ') return Done(Concat("cp", arguments));
  return Done(Concat("cp ", arguments));
}

RuleResult DelRule(WorkingLine& line, std::string_view, std::string& notes) {
  const std::string rewritten = TranslateArguments(line.View(), notes);
  return Done(Concat("rm", TrimEnd(FromFirstSpace(rewritten))));  // "rm" starts it: trimmed
}

// The arguments are not rewritten. The first "/Y" (in any case) becomes the
// "f" of "rm -rf"; a switch written directly after the word is lost.
RuleResult DeltreeRule(WorkingLine& line, std::string_view, std::string&) {
  std::string arguments(Trim(FromFirstSpace(line.View())));
  const size_t yes = ToLowerAscii(arguments).find("/y");
  if (yes == std::string::npos) return Done(Concat("rm -r ", arguments));
  const std::string_view all = arguments;
  const std::string joined =
      std::string(Trim(all.substr(0, yes))) + " " + std::string(Trim(all.substr(yes + 2)));
  return Done(Concat("rm -rf ", Trim(joined)));
}

RuleResult DirRule(WorkingLine& line, std::string_view, std::string& notes) {
  const std::string_view text = line.View();
  if (text.find('/') != std::string_view::npos) {
    AppendNote(notes, NotImplemented("dir switch translation"));
  }
  return Done(Concat("ls ", TranslateArguments(From(text, 3), notes)));
}

RuleResult MdRule(WorkingLine& line, std::string_view word, std::string& notes) {
  const std::string_view text = line.View();
  if (word != "md") return Done(TranslateArguments(text, notes));
  return Done(TranslateArguments(Concat("mkdir", From(text, 2)), notes));
}

RuleResult RdRule(WorkingLine& line, std::string_view word, std::string& notes) {
  const std::string_view text = line.View();
  if (word != "rd") return Done(TranslateArguments(text, notes));
  return Done(TranslateArguments(Concat("rmdir", From(text, 2)), notes));
}

RuleResult MoreRule(WorkingLine& line, std::string_view, std::string&) {
  return Done(Concat("more", From(line.View(), 4)));
}

// Arguments are copied as written, from the first space on.
RuleResult MoveRule(WorkingLine& line, std::string_view, std::string&) {
  return Done(Concat("mv", FromFirstSpace(line.View())));
}

RuleResult TypeRule(WorkingLine& line, std::string_view, std::string&) {
  const std::string_view files = Trim(From(line.View(), 4));
  return Done(files.empty() ? "cat" : Concat("cat ", files));
}

// The search string and the switches are not carried over to grep's syntax.
RuleResult FindRule(WorkingLine& line, std::string_view word, std::string& notes) {
  AppendNote(notes, NotImplemented(word));
  const std::string_view arguments = Trim(From(line.View(), 4));
  return Done(arguments.empty() ? "grep" : Concat("grep ", arguments));
}

}  // namespace morvex
