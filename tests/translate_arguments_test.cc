// Rewriting argument text: switches, backslashes and drive colons.

#include "translation_cases.h"

namespace morvex {
namespace {

TEST(TranslateArguments, SwitchesSlashesAndColonsAreRewrittenWithOneNoteEach) {
  const std::vector<Case> cases = {
      {"", "", ""},
      {" \"%1\";a+b", " \"%1\";a+b", ""},
      {"/w", " -w", kSwitch},
      {" /w", " -w", kSwitch},
      {"a  /b", "a -b", kSwitch},
      {" a b /Y", "a b -Y", kSwitch},
      {"a /b  /c", "a -b -c", kSwitch},
      {"/a/b", "-a -b", kSwitch},
      {"//", "- -", kSwitch},
      // Only spaces are trimmed before a switch; a tab stays.
      {"a\t/b", "a\t -b", kSwitch},
      {"cd \\windows", "cd /windows", ""},
      {"a:b:c d:", "a_b_c d_", kDrive},
      {"del /q c:\\temp\\old.txt", "del -q c_/temp/old.txt", kSwitch + kDrive},
      {"x /y:z", "x -y_z", kSwitch + kDrive},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line);
    std::string notes = "# earlier\n";
    EXPECT_EQ(TranslateArguments(c.line, notes), c.translation);
    EXPECT_EQ(notes, "# earlier\n" + c.notes);
  }
}

}  // namespace
}  // namespace morvex
