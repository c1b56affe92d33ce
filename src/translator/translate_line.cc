#include "translator/translate_line.h"

#include <array>
#include <vector>

#include "translator/rules.h"
#include "translator/text.h"

namespace morvex {

std::string NoPosixEquivalent(std::string_view word) {
  return Concat("# no POSIX equivalent to ", word);
}

std::string NotImplemented(std::string_view word) {
  return Concat("# ", word, " not implemented yet");
}

namespace {

constexpr std::string_view kDeviceNote =
    "# drive letters need to be reconciled to their proper devices";

// Rules that replace a command by a fixed one, or by a note only. Their
// arguments are dropped: "chkdsk c: /f" is just "fsck".

RuleResult NotImplementedRule(WorkingLine&, std::string_view word, std::string& notes) {
  AppendNote(notes, NotImplemented(word));
  return Done("");
}

RuleResult NoPosixEquivalentRule(WorkingLine&, std::string_view word, std::string& notes) {
  AppendNote(notes, NoPosixEquivalent(word));
  return Done("");
}

RuleResult DiskCheckRule(WorkingLine&, std::string_view, std::string& notes) {
  AppendNote(notes, kDeviceNote);
  return Done("fsck");
}

RuleResult PartitionRule(WorkingLine&, std::string_view, std::string& notes) {
  AppendNote(notes, kDeviceNote);
  return Done("cfdisk");
}

RuleResult FormatRule(WorkingLine&, std::string_view, std::string& notes) {
  AppendNote(notes, kDeviceNote);
  return Done("mkfs");
}

RuleResult ClsRule(WorkingLine&, std::string_view, std::string&) {
  return Done("clear");
}

RuleResult VerRule(WorkingLine&, std::string_view, std::string&) {
  return Done("uname -a");
}

// The bare word shows the date; anything after it would set it.
RuleResult DateRule(WorkingLine& line, std::string_view, std::string& notes) {
  if (Trim(line.View()).size() == 4) return Done("date");
  AppendNote(notes, NotImplemented("date/time editing"));
  return Done("");
}

RuleResult NetRule(WorkingLine&, std::string_view, std::string& notes) {
  AppendNote(notes, NotImplemented("net commands"));
  return Done("");
}

RuleResult PromptRule(WorkingLine&, std::string_view, std::string& notes) {
  AppendNote(notes, NotImplemented("prompt editing"));
  return Done("");
}

RuleResult LocalEnvironmentRule(WorkingLine&, std::string_view, std::string& notes) {
  AppendNote(notes, NotImplemented("local environment"));
  return Done("");
}

RuleResult PathRule(WorkingLine& line, std::string_view, std::string& notes) {
  return Done(TranslatePathCommand(line.View(), notes));
}

// A word that matches no row: the "cd\" shorthand, labels and "::" comments,
// and otherwise a note that quotes the line as written.
RuleResult FallbackRule(WorkingLine& line, std::string_view, std::string& notes) {
  if (EqualsFolded(line.Copy(0, 3), "cd\\")) {
    // "cd\dos" is "cd \dos", with the case of what follows "cd" kept.
    line.Replace(Concat("cd ", line.Copy(2)));
    return Nested();
  }
  if (!line.empty() && line[0] == ':') {
    if (line.size() >= 2 && line[1] == ':') {
      AppendNote(notes, "# comment: ", Trim(line.Copy(2)));
    } else {
      AppendNote(notes, NoPosixEquivalent("labels"));
    }
    return Done("");
  }
  AppendNote(notes, "# can't translate: ", line.View());
  return Done("");
}

struct Row {
  std::string_view words;  // separated by spaces
  Rule rule;
};

// The dispatch table. A command word selects the row that lists it, compared
// exactly, case included: "ECHO" and "Cls" match no row.
constexpr Row kDispatchTable[] = {
    {"attrib", AttribRule},
    {"call", NotImplementedRule},
    {"cd chdir", CdRule},
    {"choice", NotImplementedRule},
    {"chkdsk scandisk", DiskCheckRule},
    {"cls", ClsRule},
    {"copy", CopyRule},
    {"date time", DateRule},
    {"del erase", DelRule},
    {"deltree", DeltreeRule},
    {"dir", DirRule},
    {"doskey", AliasRule},
    {"if else not", ConditionalRule},
    {"echo", EchoRule},
    {"echo.", EmptyEchoRule},
    {"exit", ExitRule},
    {"fc", NotImplementedRule},
    {"fdisk", PartitionRule},
    {"find", FindRule},
    {"for", LoopRule},
    {"format", FormatRule},
    {"lh loadhigh", LoadHighRule},
    {"md mkdir", MdRule},
    {"more", MoreRule},
    {"move ren rename replace", MoveRule},
    {"net", NetRule},
    {"path path;", PathRule},
    {"pause", NotImplementedRule},
    {"prompt", PromptRule},
    {"rd rmdir", RdRule},
    {"rem", RemRule},
    {"set", SetRule},
    {"setlocal endlocal", LocalEnvironmentRule},
    {"shift", ShiftRule},
    {"sort", NotImplementedRule},
    {"tree", NotImplementedRule},
    {"type", TypeRule},
    {"undelete", NotImplementedRule},
    {"ver", VerRule},
    {"xcopy xcopy32", NotImplementedRule},
    {"break goto graftabl keys label mem mode mscdex recover start subst verify vol",
     NoPosixEquivalentRule},
};

// The rule for `word`: the fallback when no row lists it. The words are
// grouped by their first byte, so a look-up compares a handful of them.
Rule RuleFor(std::string_view word) {
  struct Entry {
    std::string_view word;
    Rule rule;
  };
  using Index = std::array<std::vector<Entry>, 256>;
  static const Index* const index = [] {
    auto* entries = new Index();
    for (const Row& row : kDispatchTable) {
      std::string_view words = row.words;
      while (!words.empty()) {
        const std::string_view one = words.substr(0, words.find(' '));
        (*entries)[static_cast<unsigned char>(one[0])].push_back({one, row.rule});
        words = From(words, one.size() + 1);
      }
    }
    return entries;
  }();
  if (word.empty()) return FallbackRule;
  for (const Entry& entry : (*index)[static_cast<unsigned char>(word[0])]) {
    if (entry.word == word) return entry.rule;
  }
  return FallbackRule;
}

// The command word runs up to the first space, "/" or "=". A separator that
// stands first on the line does not end it, and neither does any later
// occurrence of that same character: "/x y" has the word "/x". The word is a
// copy: rules cut the line while they still use the word.
std::string CommandWord(const WorkingLine& line) {
  std::string separators = " /=";
  if (!line.empty() && separators.find(line[0]) != std::string::npos) {
    separators.erase(separators.find(line[0]), 1);
  }
  const std::string word = line.Copy(0, line.FindFirstOf(separators));
  return std::string(Trim(word));
}

}  // namespace

std::string TranslateLine(std::string_view text, std::string& notes) {
  WorkingLine line(text);
  std::string translation;
  // What rules put after the translation of their nested command, innermost
  // last: the "done" of a loop, the closing quote of an alias.
  std::vector<std::string_view> closings;
  for (;;) {
    if (!line.empty() && line[0] == '@') line.RemovePrefix(1);  // only one "@"
    const std::string word = CommandWord(line);
    const Rule rule = RuleFor(word);
    // Spaces left after the "@" belong to no word: rules cut their arguments
    // at fixed offsets from the word, and "@ copy" must not give "cp y". The
    // fallback quotes the line as written.
    if (rule != FallbackRule) line.TrimFront();
    RuleResult result = rule(line, word, notes);
    if (translation.empty()) {
      translation = std::move(result.text);
    } else {
      translation += result.text;
    }
    if (!result.nested) break;
    if (!result.closing.empty()) closings.push_back(result.closing);
  }
  for (auto closing = closings.rbegin(); closing != closings.rend(); ++closing) {
    translation += *closing;
  }
  return translation;
}

}  // namespace morvex
