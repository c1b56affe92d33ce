#include "driver/script_builder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace morvex {
namespace {

struct StringOutput : ScriptOutput {
  void Write(std::string_view bytes) override {
    text += bytes;
    if (bytes.size() > (size_t{2} << 20)) large.emplace_back(bytes);
  }
  std::string text;
  std::vector<std::string> large;  // the pieces of more than 2 MiB
};

using namespace std::string_literals;

constexpr char kHeader[] = "#!/bin/sh\n\n";

TEST(ScriptBuilderTest, OneBlockPerNonBlankLine) {
  const struct {
    std::string input;
    std::string blocks;  // what follows the header
  } cases[] = {
      {"", ""},
      {"\n   \r\n\n", ""},
      {"cls", "# DOS: cls\nclear\n\n"},
      {"cls\n", "# DOS: cls\nclear\n\n"},
      // The comment keeps the raw line; the translator gets it trimmed of spaces.
      {"   cls\tx \t ", "# DOS:    cls\tx \t \n# can't translate: cls\tx \t\n\n"},
      {"  cls  ", "# DOS:   cls  \nclear\n\n"},
      {"\t\t", "# DOS: \t\t\n# can't translate: \t\t\n\n"},
      {":end", "# DOS: :end\n# no POSIX equivalent to labels\n\n"},
      {"goto:end", "# DOS: goto:end\n# can't translate: goto:end\n\n"},
      {"cls\r\nver\rcls\n\nver",
       "# DOS: cls\nclear\n\n# DOS: ver\nuname -a\n\n# DOS: cls\nclear\n\n# DOS: ver\nuname "
       "-a\n\n"},
      {"cls\r\r\nver", "# DOS: cls\nclear\n\n# DOS: ver\nuname -a\n\n"},
      // Ctrl-Z ends the input; the text before it on its line is still a line.
      {"cls\nver\x1a\ncls\n", "# DOS: cls\nclear\n\n# DOS: ver\nuname -a\n\n"},
      {"\x1a"
       "cls",
       ""},
      // A byte-order mark is dropped only at the very start of the file.
      {"\xEF\xBB\xBF"
       "cls",
       "# DOS: cls\nclear\n\n"},
      {"\xEF\xBB\xBF", ""},
      {"cls\n\xEF\xBB\xBF"
       "x",
       "# DOS: cls\nclear\n\n# DOS: \xEF\xBB\xBFx\n# can't translate: \xEF\xBB\xBFx\n\n"},
      {"\xEF\xBB", "# DOS: \xEF\xBB\n# can't translate: \xEF\xBB\n\n"},
      // Other bytes, NUL and code-page letters included, pass through.
      {"echo a\0b \xE9t\xC3\xA9"s, "# DOS: echo a\0b \xE9t\xC3\xA9\necho a\0b \xE9t\xC3\xA9\n\n"s},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.input);
    EXPECT_EQ(kHeader + c.blocks, BuildScript(c.input));
  }
}

// A block may end anywhere: between CR and LF, inside the byte-order mark,
// inside a line. Every way of cutting the input gives the same script.
TEST(ScriptBuilderTest, BlockBoundariesDoNotChangeTheScript) {
  const std::string input =
      "\xEF\xBB\xBF@echo off\r\ncopy a b\r\rdir /w\n\r\nfor %%i in (a) do echo %%i\r\n\x1a tail";
  const std::string whole = BuildScript(input);
  for (size_t step = 1; step <= 4; ++step) {
    for (size_t first = 0; first <= input.size(); ++first) {
      StringOutput output;
      ScriptBuilder builder(output);
      builder.Feed(std::string_view(input).substr(0, first));
      for (size_t at = first; at < input.size(); at += step) {
        builder.Feed(std::string_view(input).substr(at, step));
      }
      builder.Finish();
      ASSERT_EQ(whole, output.text) << "first block " << first << ", then blocks of " << step;
    }
  }
}

// A line whose notes run to megabytes is passed on as it grows, in pieces of
// about a MiB, and in order; the line itself is passed on as it is, not
// copied into the script's buffer.
TEST(ScriptBuilderTest, LongLinesArePassedOnAsTheyGrow) {
  constexpr int kChain = 750000;  // a 2.25 MB line, 21 MB of notes
  std::string chain;
  for (int i = 0; i < kChain; ++i) chain += "lh ";
  std::string expected = std::string(kHeader) + "# DOS: " + chain + "x\n";
  for (int i = 0; i < kChain; ++i) expected += "# no POSIX equivalent to lh\n";
  expected += "# can't translate: x\n\n# DOS: cls\nclear\n\n";
  StringOutput output;
  ScriptBuilder builder(output);
  builder.Feed(chain + "x\ncls\n");
  builder.Finish();
  EXPECT_TRUE(expected == output.text);
  EXPECT_EQ(std::vector<std::string>{chain + "x"}, output.large);
}

TEST(ScriptBuilderTest, CtrlZStopsReading) {
  StringOutput output;
  ScriptBuilder builder(output);
  builder.Feed("cls\n");
  EXPECT_FALSE(builder.ended());
  builder.Feed("ver\x1a");
  EXPECT_TRUE(builder.ended());
  builder.Feed("cls\n");
  builder.Finish();
  EXPECT_EQ(std::string(kHeader) + "# DOS: cls\nclear\n\n# DOS: ver\nuname -a\n\n", output.text);
}

}  // namespace
}  // namespace morvex
