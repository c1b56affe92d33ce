#include "driver/program.h"

#include <gtest/gtest.h>

namespace morvex {
namespace {

TEST(OutputNameTest, ExtensionOfTheLastComponentBecomesSh) {
  const struct {
    const char* name;
    const char* script;
  } cases[] = {
      {"Batchfile.ext", "Batchfile.sh"},
      {"run", "run.sh"},
      {"run.", "run.sh"},
      {"x.tar.bat", "x.tar.sh"},
      {"a.b\\run", "a.b\\run.sh"},
      {"c:\\dos\\go.bat", "c:\\dos\\go.sh"},
      // A slash separates directories too, so the script stays beside its
      // batch file instead of landing on "a.sh" in the folder above.
      {"a.b/run", "a.b/run.sh"},
      {"dir.d/sub/x.bat", "dir.d/sub/x.sh"},
      {"x.sh", "x.sh"},
      {"my file.bat", "my file.sh"},
  };
  for (const auto& c : cases) EXPECT_EQ(c.script, OutputName(c.name)) << c.name;
}

// The runnable generator gets what cmd reads.
TEST(BatchTextTest, DropsTheByteOrderMarkAndStopsAtCtrlZ) {
  const struct {
    std::string_view bytes, text;
  } cases[] = {
      {"", ""},
      {"echo a\r\n", "echo a\r\n"},
      {"\xEF\xBB\xBF"
       "echo a",
       "echo a"},
      {"\xEF\xBB"
       "echo a",
       "\xEF\xBB"
       "echo a"},
      {"echo \xEF\xBB\xBF", "echo \xEF\xBB\xBF"},
      {"echo a\r\n\x1a"
       "echo b\x1a",
       "echo a\r\n"},
      {"\xEF\xBB\xBF\x1a", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(c.text, BatchText(c.bytes)) << c.bytes;
}

}  // namespace
}  // namespace morvex
