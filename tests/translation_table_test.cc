// Every case of translations.txt: a line, what it becomes, its notes.

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "translator/rewriting.h"
#include "translator/translate_line.h"

namespace morvex {
namespace {

struct Case {
  std::string function;  // from the group's heading
  int line_number = 0;   // of its "line:" field in the file
  std::string line, translation, notes;
  int out_lines = 0;
};

// A value with its {HH} escapes decoded.
std::string Decode(const std::string& value) {
  std::string bytes;
  for (size_t i = 0; i < value.size(); ++i) {
    if (value[i] == '{' && i + 3 < value.size() && value[i + 3] == '}') {
      bytes += static_cast<char>(std::stoi(value.substr(i + 1, 2), nullptr, 16));
      i += 3;
    } else {
      bytes += value[i];
    }
  }
  return bytes;
}

std::vector<Case> ReadCases(const char* path) {
  std::vector<Case> cases;
  std::ifstream file(path);
  int number = 0;
  std::string function;
  for (std::string text; std::getline(file, text);) {
    ++number;
    if (text.empty() || text.rfind("//", 0) == 0) continue;
    if (text.rfind("== ", 0) == 0) {
      function = text.substr(3, text.find(':') - 3);
      continue;
    }
    const size_t colon = text.find(':');
    const std::string key = text.substr(0, colon);
    const std::string value = colon + 2 <= text.size() ? Decode(text.substr(colon + 2)) : "";
    if (key == "line") {
      cases.push_back({function, number, value, "", "", 0});
    } else if (key == "out" && !cases.empty()) {
      Case& last = cases.back();
      if (last.out_lines++ > 0) last.translation += '\n';
      last.translation += value;
    } else if (key == "note" && !cases.empty()) {
      cases.back().notes += value + "\n";
    } else {
      ADD_FAILURE() << path << ":" << number << ": not a field: " << text;
    }
  }
  return cases;
}

std::string Translate(const Case& c, std::string& notes) {
  if (c.function == "TranslateLine") return TranslateLine(c.line, notes);
  if (c.function == "TranslateArguments") return TranslateArguments(c.line, notes);
  if (c.function == "TranslatePathCommand") return TranslatePathCommand(c.line, notes);
  if (c.function == "TranslateVariables") return TranslateVariables(c.line);
  ADD_FAILURE() << "no function " << c.function;
  return {};
}

TEST(TranslationTable, EveryLineGivesItsResultAndNotes) {
  const std::vector<Case> cases = ReadCases(MORVEX_TRANSLATIONS);
  ASSERT_GT(cases.size(), 200u);
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string("translations.txt:") + std::to_string(c.line_number) + ": " + c.line);
    std::string notes;
    EXPECT_EQ(c.translation, Translate(c, notes));
    EXPECT_EQ(c.notes, notes);
  }
}

TEST(TranslationTable, NotesAreAppendedAfterWhatTheBufferHolds) {
  std::string notes = "# earlier\n";
  EXPECT_EQ(TranslateLine("lh goto x", notes), "");
  EXPECT_EQ(notes, "# earlier\n# no POSIX equivalent to lh\n# no POSIX equivalent to goto\n");
}

TEST(NoteMakers, UseTheWordUnchangedAndAddNoLineFeed) {
  EXPECT_EQ(NoPosixEquivalent(" Mem "), "# no POSIX equivalent to  Mem ");
  EXPECT_EQ(NotImplemented("net commands"), "# net commands not implemented yet");
}

}  // namespace
}  // namespace morvex
