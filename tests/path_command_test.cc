// Showing, clearing and setting the search path from "path" and "set PATH=" lines.

#include "translation_cases.h"

namespace morvex {
namespace {

const std::string kClear = "# this is supposed to CLEAR the path\n";

TEST(PathCommand, ShowsClearsOrSetsThePath) {
  const std::vector<Case> cases = {
      {"path", "echo $PATH", ""},
      {"PATH =", "export PATH=", kClear},
      {"path;", "export PATH=", kClear},
      {"Path ;", "export PATH=", kClear},
      {"path=", "export PATH=", kClear},
      // Two spaces make the ";" a value, not a clearing form.
      {"path  ;", "export PATH=:", ""},
      {"PATH = c:\\dos", "export PATH=c_/dos", kDrive},
      {"path C:\\DOS;C:\\WIN", "export PATH=C_/DOS:C_/WIN", kDrive},
      {"Path=%PATH%;c:\\bin", "export PATH=%PATH%:c_/bin", kDrive},
      {"path a;b=c", "export PATH=c", ""},
      {"path=/usr/bin;/bin", "export PATH=-usr -bin: -bin",
       "# switch translation not implemented yet\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line);
    std::string notes;
    EXPECT_EQ(TranslatePathCommand(c.line, notes), c.translation);
    EXPECT_EQ(notes, c.notes);
  }
}

TEST(PathCommand, IsReachedFromPathAndSetLines) {
  ExpectTranslations({
      {"@path", "echo $PATH", ""},
      {"path;", "export PATH=", kClear},
      {"path=c:\\dos", "export PATH=c_/dos", kDrive},
      {"path;c:\\dos", "", "# can't translate: path;c:\\dos\n"},
      {"PATH c:\\dos", "", "# can't translate: PATH c:\\dos\n"},
      {"set PATH=", "export PATH=", kClear},
      {"set path = c:\\dos;x", "export PATH=c_/dos:x", kDrive},
  });
}

}  // namespace
}  // namespace morvex
