// The argument string: leading "--" words are options, the rest is the name.

#include "driver/command_line.h"

#include <gtest/gtest.h>

namespace morvex {
namespace {

TEST(ParseCommandLineTest, LeadingDoubleDashWordsAreOptions) {
  using C = CommandLine;
  const struct {
    const char* arguments;
    C::Action action;
    bool runnable;
    const char* name;  // the name, or the bad option
  } cases[] = {
      {"", C::kShowUsage, false, ""},
      {"   ", C::kShowUsage, false, ""},
      {"x.bat", C::kConvert, false, "x.bat"},
      {"  my file.bat ", C::kConvert, false, "my file.bat"},
      // Anything that does not begin with "--" is a name, as without options.
      {"-x.bat", C::kConvert, false, "-x.bat"},
      {"x.bat --runnable", C::kConvert, false, "x.bat --runnable"},
      {"--runnable x.bat", C::kConvert, true, "x.bat"},
      {" --runnable   my file.bat", C::kConvert, true, "my file.bat"},
      {"--runnable --runnable x.bat", C::kConvert, true, "x.bat"},
      {"--runnable", C::kShowUsage, true, ""},
      // "--" ends the options.
      {"-- --runnable.bat", C::kConvert, false, "--runnable.bat"},
      {"--runnable -- --help", C::kConvert, true, "--help"},
      {"--", C::kShowUsage, false, ""},
      {"--help", C::kShowHelp, false, ""},
      {"--version x.bat", C::kShowVersion, false, ""},
      {"--version --help", C::kShowHelp, false, ""},
      // An option is a whole word.
      {"--runnablex.bat", C::kBadOption, false, "--runnablex.bat"},
      {"--help=1", C::kBadOption, false, "--help=1"},
      {"--help --bogus", C::kBadOption, false, "--bogus"},
      {"--x.bat", C::kBadOption, false, "--x.bat"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.arguments);
    const CommandLine command = ParseCommandLine(c.arguments);
    EXPECT_EQ(c.action, command.action);
    EXPECT_EQ(c.runnable, command.runnable);
    EXPECT_EQ(c.name, command.name);
  }
}

}  // namespace
}  // namespace morvex
