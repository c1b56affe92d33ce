#include "translator/translate_line.h"

#include <array>
#include <vector>

#include "translator/rewriting.h"
#include "translator/rules.h"
#include "translator/text.h"

namespace morvex {

std::string NoPosixEquivalent(std::string_view word) {
  return Concat("# no POSIX equivalent to ", word);
}

std::string NotImplemented(std::string_view word) {
  return Concat("# ", word, " not implemented yet");
}

std::string_view ClosingText(Closing closing) {
  switch (closing) {
    case Closing::kDone:
      return "\ndone";
    case Closing::kQuote:
      return "'";
    case Closing::kNone:
      break;
  }
  return {};
}

namespace {

constexpr std::string_view kDeviceNote =
    "# drive letters need to be reconciled to their proper devices";

// Rules that replace a command by a fixed one, or by a note only. Their
// arguments are dropped: "chkdsk c: /f" is just "fsck".

RuleResult NotImplementedRule(WorkingLine&, std::string_view word, Notes notes) {
  NoteNotImplemented(notes, word);
  return Done("");
}

RuleResult NoPosixEquivalentRule(WorkingLine&, std::string_view word, Notes notes) {
  NoteNoPosixEquivalent(notes, word);
  return Done("");
}

RuleResult DiskCheckRule(WorkingLine&, std::string_view, Notes notes) {
  notes.Append(kDeviceNote);
  return Done("fsck");
}

RuleResult PartitionRule(WorkingLine&, std::string_view, Notes notes) {
  notes.Append(kDeviceNote);
  return Done("cfdisk");
}

RuleResult FormatRule(WorkingLine&, std::string_view, Notes notes) {
  notes.Append(kDeviceNote);
  return Done("mkfs");
}

RuleResult ClsRule(WorkingLine&, std::string_view, Notes) {
  return Done("clear");
}

RuleResult VerRule(WorkingLine&, std::string_view, Notes) {
  return Done("uname -a");
}

// The bare word shows the date; anything after it would set it.
RuleResult DateRule(WorkingLine& line, std::string_view word, Notes notes) {
  if (Trim(line.text()).size() == word.size()) return Done("date");
  NoteNotImplemented(notes, "date/time editing");
  return Done("");
}

RuleResult NetRule(WorkingLine&, std::string_view, Notes notes) {
  NoteNotImplemented(notes, "net commands");
  return Done("");
}

RuleResult PromptRule(WorkingLine&, std::string_view, Notes notes) {
  NoteNotImplemented(notes, "prompt editing");
  return Done("");
}

RuleResult LocalEnvironmentRule(WorkingLine&, std::string_view, Notes notes) {
  NoteNotImplemented(notes, "local environment");
  return Done("");
}

RuleResult PathRule(WorkingLine& line, std::string_view, Notes notes) {
  return Done(TranslatePathCommand(line.text(), notes));
}

// A word that matches no row: the "cd\" shorthand, labels and "::" comments,
// and otherwise a note that quotes the line as written.
RuleResult FallbackRule(WorkingLine& line, std::string_view, Notes notes) {
  constexpr std::string_view kCdBackslash = "cd\\";
  const std::string_view text = line.text();
  if (EqualsFolded(text.substr(0, kCdBackslash.size()), kCdBackslash)) {
    // "cd\dos" is "cd \dos", with the case of what follows "cd" kept.
    line.Replace(Concat("cd ", text.substr(kCdBackslash.size() - 1)));
    return Nested();
  }
  if (!text.empty() && text[0] == ':') {
    if (text.size() >= 2 && text[1] == ':') {
      notes.Append("# comment: ", Trim(text.substr(2)));
    } else {
      NoteNoPosixEquivalent(notes, "labels");
    }
    return Done("");
  }
  notes.Append("# can't translate: ", text);
  return Done("");
}

// Whether a rule cuts its line down to a command of its own and reads it only
// through the working line's own searches, or reads the text whole.
enum class Reads { kWhole, kThroughSearches };

struct Row {
  std::string_view words;  // separated by spaces
  Rule rule;
  Reads reads = Reads::kWhole;
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
    {"doskey", AliasRule, Reads::kThroughSearches},
    {"if else not", ConditionalRule, Reads::kThroughSearches},
    {"echo", EchoRule},
    {"echo.", EchoDotRule},
    {"exit", ExitRule},
    {"fc", NotImplementedRule},
    {"fdisk", PartitionRule},
    {"find", FindRule},
    {"for", LoopRule, Reads::kThroughSearches},
    {"format", FormatRule},
    {"lh loadhigh", LoadHighRule, Reads::kThroughSearches},
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

constexpr Row kFallbackRow = {"", FallbackRule};

// A word of the table with its row; the word lives in the table, so a rule
// that cuts its line can go on using it.
struct Entry {
  std::string_view word;
  const Row* row;
};

// The entry for `word`, the fallback's when no row lists it. The words are
// grouped by their first byte, so a look-up compares a handful of them.
Entry EntryFor(std::string_view word) {
  using Index = std::array<std::vector<Entry>, 256>;
  static const Index* const index = [] {
    auto* entries = new Index();
    for (const Row& row : kDispatchTable) {
      std::string_view words = row.words;
      while (!words.empty()) {
        const std::string_view one = words.substr(0, words.find(' '));
        (*entries)[static_cast<unsigned char>(one[0])].push_back({one, &row});
        words = DropPrefix(words, one.size() + 1);
      }
    }
    return entries;
  }();
  if (!word.empty()) {
    for (const Entry& entry : (*index)[static_cast<unsigned char>(word[0])]) {
      if (entry.word == word) return entry;
    }
  }
  return {{}, &kFallbackRow};
}

// The command word runs up to the first space, "/" or "=". A separator that
// stands first on the line does not end it, and neither does any later
// occurrence of that same character: "/x y" has the word "/x".
std::string_view CommandWord(const WorkingLine& line, std::string& buffer) {
  // Each separator's bit, looked up by byte: every line goes through here.
  static constexpr auto kSeparator = [] {
    std::array<unsigned char, 256> bits{};
    bits[' '] = 1;
    bits['/'] = 2;
    bits['='] = 4;
    return bits;
  }();
  if (line.empty()) return {};
  const auto bit = [](char c) { return kSeparator[static_cast<unsigned char>(c)]; };
  const unsigned char ends = 7 & ~bit(line[0]);
  if (!line.joined()) {
    size_t end = 0;
    while (end < line.size() && !(bit(line[end]) & ends)) ++end;
    buffer = line.Copy(0, end);
    return Trim(buffer);
  }
  const std::string_view text = line.text();
  size_t end = 0;
  while (end < text.size() && !(bit(text[end]) & ends)) ++end;
  return Trim(text.substr(0, end));
}

}  // namespace

std::string TranslateLine(std::string_view line, Notes notes) {
  WorkingLine working(line);
  std::string translation;
  std::string word_buffer;
  // What rules put after the translation of their nested command, innermost
  // last.
  std::vector<Closing> closings;
  for (;;) {
    if (!working.empty() && working[0] == '@') working.RemovePrefix(1);  // only one "@"
    const Entry entry = EntryFor(CommandWord(working, word_buffer));
    const Row& row = *entry.row;
    // Spaces left after the "@" belong to no word: rules cut their arguments
    // at fixed offsets from the word, and "@ copy" must not give "cp y". The
    // fallback quotes the line as written.
    if (row.rule != FallbackRule) working.TrimFront();
    if (row.reads == Reads::kWhole) working.Join();
    RuleResult result = row.rule(working, entry.word, notes);
    if (translation.empty()) {
      translation = std::move(result.text);
    } else {
      translation += result.text;
    }
    if (!result.nested) break;
    if (result.closing != Closing::kNone) closings.push_back(result.closing);
  }
  for (auto closing = closings.rbegin(); closing != closings.rend(); ++closing) {
    translation += ClosingText(*closing);
  }
  return translation;
}

}  // namespace morvex
