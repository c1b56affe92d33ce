// The argument string: leading "--" words are options, the rest is the name.

#include "driver/command_line.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

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

TEST(ParseCommandLineTest, DriveMappingAndGuardOptions) {
  using C = CommandLine;
  using Folders = std::vector<std::pair<char, std::string>>;
  const struct {
    const char* arguments;
    C::Action action;
    const char* name;  // the name, or the bad option
    std::string drives;
    Folders folders;
    bool preserve_root;
  } cases[] = {
      {"--runnable x.bat", C::kConvert, "x.bat", "/mnt", {}, true},
      {"--runnable --drives=/srv/win x.bat", C::kConvert, "x.bat", "/srv/win", {}, true},
      {"--drives=/w --runnable x.bat", C::kConvert, "x.bat", "/w", {}, true},
      {"--runnable --drive=C:/ --drive=d:/data/d x.bat",
       C::kConvert,
       "x.bat",
       "/mnt",
       {{'c', "/"}, {'d', "/data/d"}},
       true},
      // A letter given again takes the later folder.
      {"--runnable --drive=e:/a --drive=E:/b x", C::kConvert, "x", "/mnt", {{'e', "/b"}}, true},
      {"--runnable --no-preserve-root x.bat", C::kConvert, "x.bat", "/mnt", {}, false},
      // Folders are absolute, drives are letters.
      {"--runnable --drives=mnt x.bat", C::kBadOption, "--drives=mnt", "mnt", {}, true},
      {"--runnable --drives= x.bat", C::kBadOption, "--drives=", "", {}, true},
      {"--runnable --drive=C: x.bat", C::kBadOption, "--drive=C:", "/mnt", {}, true},
      {"--runnable --drive=C:x x.bat", C::kBadOption, "--drive=C:x", "/mnt", {}, true},
      {"--runnable --drive=1:/x x.bat", C::kBadOption, "--drive=1:/x", "/mnt", {}, true},
      {"--runnable --drive=/x x.bat", C::kBadOption, "--drive=/x", "/mnt", {}, true},
      {"--runnable --drive x.bat", C::kBadOption, "--drive", "/mnt", {}, true},
      // They belong to the runnable mode.
      {"--no-preserve-root x.bat", C::kBadOption, "--runnable", "/mnt", {}, false},
      {"--drives=/w --help", C::kShowHelp, "", "/w", {}, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.arguments);
    const CommandLine command = ParseCommandLine(c.arguments);
    EXPECT_EQ(c.action, command.action);
    EXPECT_EQ(c.name, command.name);
    if (c.action == C::kBadOption) {
      EXPECT_FALSE(command.problem.empty());
      continue;
    }
    EXPECT_EQ(c.drives, command.runnable_options.drives);
    EXPECT_EQ(c.folders, command.runnable_options.drive_folders);
    EXPECT_EQ(c.preserve_root, command.runnable_options.preserve_root);
  }
}

TEST(ParseCommandLineTest, SharedRuntime) {
  const struct {
    const char* arguments;
    CommandLine::Action action;
    const char* runtime_file;
  } cases[] = {
      {"--runnable x.bat", CommandLine::kConvert, ""},
      {"--runnable --shared-runtime x.bat", CommandLine::kConvert, "morvex-runtime.sh"},
      {"--shared-runtime --runnable x.bat", CommandLine::kConvert, "morvex-runtime.sh"},
      // It belongs to the runnable mode.
      {"--shared-runtime x.bat", CommandLine::kBadOption, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.arguments);
    const CommandLine command = ParseCommandLine(c.arguments);
    EXPECT_EQ(c.action, command.action);
    if (c.action == CommandLine::kConvert) {
      EXPECT_EQ(c.runtime_file, command.runnable_options.runtime_file);
    }
  }
}

TEST(ParseCommandLineTest, AllowedPrograms) {
  using C = CommandLine;
  const struct {
    const char* arguments;
    C::Action action;
    const char* name;  // the name, or the bad option
    std::vector<std::string> allowed;
  } cases[] = {
      {"--runnable x.bat", C::kConvert, "x.bat", {}},
      {"--runnable --allow-program=reg x.bat", C::kConvert, "x.bat", {"reg"}},
      // Names in any case, with .exe, several at once or one option each.
      {"--runnable --allow-program=REG.EXE,wmic --allow-program=Sort x",
       C::kConvert,
       "x",
       {"REG.EXE", "wmic", "Sort"}},
      // Only Windows' own programs, which the script would translate or stop.
      {"--runnable --allow-program=notepad x.bat", C::kBadOption, "--allow-program=notepad", {}},
      {"--runnable --allow-program=reg,,wmic x.bat",
       C::kBadOption,
       "--allow-program=reg,,wmic",
       {}},
      {"--runnable --allow-program= x.bat", C::kBadOption, "--allow-program=", {}},
      {"--allow-program=reg x.bat", C::kBadOption, "--runnable", {"reg"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.arguments);
    const CommandLine command = ParseCommandLine(c.arguments);
    EXPECT_EQ(c.action, command.action);
    EXPECT_EQ(c.name, command.name);
    if (c.action == C::kBadOption) {
      EXPECT_FALSE(command.problem.empty());
      continue;
    }
    EXPECT_EQ(c.allowed, command.runnable_options.allowed_programs);
  }
}

// Projects, filters, diagnostics and code pages: each a word of its own, so
// that what follows the options is still one name.
TEST(ParseCommandLineTest, ProjectFilterAndDiagnosticOptions) {
  using C = CommandLine;
  using D = CommandLine::Diagnostics;
  const struct {
    const char* arguments;
    C::Action action;
    const char* name;  // the name, or the bad option
    bool folder = false;
    const char* output = "";
    bool from_stdin = false;
    bool to_stdout = false;
    const char* stdin_name = "stdin.bat";
    D diagnostics = D::kText;
    bool fail_on_stop = false;
    const char* code_page = "";
  } cases[] = {
      {"--runnable my file.bat", C::kConvert, "my file.bat"},
      {"--runnable --folder my project", C::kConvert, "my project", true},
      {"--runnable --folder --output=out proj", C::kConvert, "proj", true, "out"},
      {"--runnable --folder --output=/tmp/out --fail-on-stop proj", C::kConvert, "proj", true,
       "/tmp/out", false, false, "stdin.bat", D::kText, true},
      // --stdin takes no name, and writes to standard output.
      {"--runnable --stdin", C::kConvert, "", false, "", true, true},
      {"--runnable --stdin --stdout --name=deploy.bat", C::kConvert, "", false, "", true, true,
       "deploy.bat"},
      {"--runnable --stdout x.bat", C::kConvert, "x.bat", false, "", false, true},
      {"--runnable --diagnostics=json x.bat", C::kConvert, "x.bat", false, "", false, false,
       "stdin.bat", D::kJson},
      {"--runnable --diagnostics=none --diagnostics=text x.bat", C::kConvert, "x.bat"},
      {"--runnable --diagnostics=none x.bat", C::kConvert, "x.bat", false, "", false, false,
       "stdin.bat", D::kNone},
      {"--runnable --code-page=866 x.bat", C::kConvert, "x.bat", false, "", false, false,
       "stdin.bat", D::kText, false, "866"},
      // The runnable mode's alone.
      {"--folder proj", C::kBadOption, "--runnable"},
      {"--stdin", C::kBadOption, "--runnable"},
      {"--code-page=866 x.bat", C::kBadOption, "--runnable"},
      {"--fail-on-stop x.bat", C::kBadOption, "--runnable"},
      // Values and combinations that make no sense.
      {"--runnable --stdin x.bat", C::kBadOption, "--stdin"},
      {"--runnable --name=x.bat y.bat", C::kBadOption, "--name"},
      {"--runnable --output=out proj", C::kBadOption, "--output"},
      {"--runnable --folder --stdout proj", C::kBadOption, "--folder"},
      {"--runnable --folder --stdin", C::kBadOption, "--folder"},
      {"--runnable --output= --folder proj", C::kBadOption, "--output="},
      {"--runnable --diagnostics=sarif x.bat", C::kBadOption, "--diagnostics=sarif"},
      {"--runnable --code-page=cp866 x.bat", C::kBadOption, "--code-page=cp866"},
      {"--runnable --code-page= x.bat", C::kBadOption, "--code-page="},
      {"--runnable --folderx proj", C::kBadOption, "--folderx"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.arguments);
    const CommandLine command = ParseCommandLine(c.arguments);
    EXPECT_EQ(c.action, command.action);
    EXPECT_EQ(c.name, command.name);
    if (c.action == C::kBadOption) {
      EXPECT_FALSE(command.problem.empty());
      continue;
    }
    EXPECT_EQ(c.folder, command.folder);
    EXPECT_EQ(c.output, command.output);
    EXPECT_EQ(c.from_stdin, command.from_stdin);
    EXPECT_EQ(c.to_stdout, command.to_stdout);
    EXPECT_EQ(c.stdin_name, command.stdin_name);
    EXPECT_EQ(c.diagnostics, command.diagnostics);
    EXPECT_EQ(c.fail_on_stop, command.fail_on_stop);
    EXPECT_EQ(c.code_page, command.code_page);
  }
}

// The help fits one screen of a terminal: 24 lines of 80 columns.
TEST(HelpTextTest, FitsOneScreen) {
  size_t lines = 0;
  std::string_view rest = kHelpText;
  while (!rest.empty()) {
    const size_t end = rest.find('\n');
    ASSERT_NE(std::string_view::npos, end);
    EXPECT_LT(end, 80u) << rest.substr(0, end);
    rest.remove_prefix(end + 1);
    ++lines;
  }
  EXPECT_LE(lines, 24u);
}

}  // namespace
}  // namespace morvex
