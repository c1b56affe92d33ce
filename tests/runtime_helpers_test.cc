// The runtime helpers, run by dash: each row calls helpers and compares what
// the snippet prints with what cmd gives for the same expansion.

#include <sys/wait.h>

#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>
#include <vector>

#include "generator/runtime_library.h"

namespace morvex {
namespace {

struct Row {
  std::set<Helper> helpers;
  std::string snippet;   // sh lines that print what is checked
  std::string expected;  // what they print
};

// Runs `snippet` under dash after the helpers' definitions and `set -f`, as a
// script runs them, and gives its standard output.
std::string RunDash(const std::set<Helper>& helpers, const std::string& snippet) {
  char path[] = "/tmp/morvex-helpers-XXXXXX";
  const int fd = mkstemp(path);
  if (fd < 0) return "<no temporary file>";
  const std::string script = "set -f\n_el=0\n" + HelperDefinitions(helpers) + snippet + "\n";
  const bool written =
      write(fd, script.data(), script.size()) == static_cast<ssize_t>(script.size());
  close(fd);
  std::string output;
  if (written) {
    FILE* pipe = popen(("cd /tmp && dash " + std::string(path) + " 2>&1").c_str(), "r");
    char buffer[4096];
    size_t got;
    while (pipe != nullptr && (got = fread(buffer, 1, sizeof buffer, pipe)) > 0) {
      output.append(buffer, got);
    }
    if (pipe != nullptr) pclose(pipe);
  }
  unlink(path);
  return output;
}

void Check(const std::vector<Row>& rows) {
  for (const Row& row : rows) {
    EXPECT_EQ(row.expected, RunDash(row.helpers, row.snippet)) << row.snippet;
  }
}

bool HaveDash() {
  return std::system("command -v dash >/dev/null 2>&1") == 0;
}

class RuntimeHelpersTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!HaveDash()) GTEST_SKIP() << "dash is not installed";
  }
};

TEST_F(RuntimeHelpersTest, SubstringsCountFromEitherEnd) {
  const std::set<Helper> h = {Helper::kSubstr};
  Check({
      {h, "_substr r 'Hello World' 0 5; echo \"[$r]\"", "[Hello]\n"},
      {h, "_substr r 'Hello World' -5; echo \"[$r]\"", "[World]\n"},
      {h, "_substr r 'Hello World' 1 -1; echo \"[$r]\"", "[ello Worl]\n"},
      {h, "_substr r 'abc' 5; echo \"[$r]\"", "[]\n"},
      {h, "_substr r 'abc' -9 2; echo \"[$r]\"", "[ab]\n"},
      {h, "_substr r 'abc' 2 -5; echo \"[$r]\"", "[]\n"},
      {h, "_substr r 'a*c' 1 1; echo \"[$r]\"", "[*]\n"},
  });
}

TEST_F(RuntimeHelpersTest, ArgumentsKeptForTheDispatchLoopComeBackWhole) {
  // What a part of the file that shifts leaves in _av, set back as the loop
  // does, gives the same words: quotes, spaces, patterns, empty words.
  const std::set<Helper> h = {Helper::kSa};
  const std::string back = "; eval \"set -- $_av\"; echo $#; printf '[%s]' \"$@\"; echo";
  Check({
      {h, "_sa" + back, "0\n[]\n"},
      {h, "_sa a 'b c' ''" + back, "3\n[a][b c][]\n"},
      {h, "_sa \"it's\" \"'\" \"''x''\"" + back, "3\n[it's]['][''x'']\n"},
      {h, "_sa '$x' '`ls`' '*' '\\n' 'a\nb'" + back, "5\n[$x][`ls`][*][\\n][a\nb]\n"},
  });
}

TEST_F(RuntimeHelpersTest, LabelNamesAreReadFromAJumpsText) {
  const std::set<Helper> h = {Helper::kLabword};
  const std::string show = "; echo \"[$_lab_c][$_lab_w][$_lab_n]\"";
  Check({
      {h, "_labword Menu" + show, "[][Menu][menu]\n"},
      {h, "_labword ' ,;=:End of it'" + show, "[:][End][end]\n"},
      {h, "_labword '::x'" + show, "[:][][]\n"},
      {h, "_labword 'a+b'" + show, "[][a][a]\n"},
      {h, "_labword 'EOF&'" + show, "[][EOF][eof]\n"},
      {h, "_labword ''" + show, "[][][]\n"},
  });
}

TEST_F(RuntimeHelpersTest, ReplacementsIgnoreCase) {
  const std::set<Helper> h = {Helper::kReplace};
  Check({
      {h, "_replace r 'Hello World' o 0; echo \"[$r]\"", "[Hell0 W0rld]\n"},
      {h, "_replace r 'Hello World' WORLD There; echo \"[$r]\"", "[Hello There]\n"},
      {h, "_replace r 'Hello World' W w '*'; echo \"[$r]\"", "[world]\n"},
      {h, "_replace r 'a.b.c' . ''; echo \"[$r]\"", "[abc]\n"},
      {h, "_replace r 'a*b' '*' x; echo \"[$r]\"", "[axb]\n"},
      {h, "_replace r 'abc' z y; echo \"[$r]\"", "[abc]\n"},
  });
}

TEST_F(RuntimeHelpersTest, NumbersAreReadAsCmdReadsThem) {
  const std::set<Helper> h = {Helper::kNi, Helper::kNx};
  Check({
      {h, "_ni r 42; echo $r", "42\n"},
      {h, "_ni r 010; echo $r", "8\n"},
      {h, "_ni r 0x1F; echo $r", "31\n"},
      {h, "_ni r ' -7abc'; echo $r", "-7\n"},
      {h, "_ni r abc; echo $r", "0\n"},
      {h, "_ni r ''; echo $r", "0\n"},
      {h, "_ni r 09; echo $r", "0\n"},
      {h, "_nx r '3+4'; echo $((r2=${r}*2))", "11\n"},
      {h, "_nx r '3+'; echo \"$r\"", "3\n"},
      {h, "_nx r 'x+1'; echo \"$r\"", "0\n"},
      {h, "_nx r '$(echo 5)'; echo \"$r\"", "0\n"},
  });
}

TEST_F(RuntimeHelpersTest, VariableNamesAreMappedAsTheConverterMapsThem) {
  const std::set<Helper> h = {Helper::kVn};
  Check({
      {h, "_vn path; echo $_r", "PATH\n"},
      {h, "_vn My_Var2; echo $_r", "MY_VAR2\n"},
      {h, "_vn 'my-var'; echo $_r", "xMY_2dVAR\n"},
      {h, "_vn 'a b'; echo $_r", "xA_20B\n"},
      {h, "_vn ifs; echo $_r", "xIFS\n"},
      {h, "_vn 2x; echo $_r", "x2X\n"},
  });
}

TEST_F(RuntimeHelpersTest, ForFTokensCutLines) {
  const std::set<Helper> h = {Helper::kFsplit};
  Check({
      {h, "_fsplit ' \t' ';' '1 2' '  a b c' x y && echo \"[$x][$y]\"", "[a][b]\n"},
      {h, "_fsplit ',' ';' '2 *' 'a,,b,c d' x y && echo \"[$x][$y]\"", "[b][c d]\n"},
      {h, "_fsplit ' ' ';' '1' '; a' x || echo skipped", "skipped\n"},
      {h, "_fsplit ' ' ';' '3' 'a b' x || echo skipped", "skipped\n"},
      {h, "_fsplit ' ' ';' '1 3' 'a b' x y && echo \"[$x][$y]\"", "[a][]\n"},
      {h, "_fsplit '' ';' '1' ' a b ' x && echo \"[$x]\"", "[ a b ]\n"},
      {h, "_fsplit ' ' '' '*' ' a b ' x && echo \"[$x]\"", "[a b ]\n"},
  });
}

TEST_F(RuntimeHelpersTest, DelayedExpansionOfValues) {
  const std::set<Helper> h = {Helper::kDx, Helper::kDvar};
  Check({
      {h, "_dx r 'wow!'; echo \"[$r]\"", "[wow]\n"},
      {h, "V=1; export V; _dx r 'a!v!b'; echo \"[$r]\"", "[a1b]\n"},
      {h, "_dx r 'a^!b'; echo \"[$r]\"", "[a!b]\n"},
      {h, "_dx r 'no marks ^'; echo \"[$r]\"", "[no marks ^]\n"},
      {h, "S='Hello World'; _dvar r 's:~0,5'; echo \"[$r]\"", "[Hello]\n"},
      {h, "S='Hello World'; _dvar r 's:*W=w'; echo \"[$r]\"", "[world]\n"},
      {h, "_dvar r 'undefined'; echo \"[$r]\"", "[]\n"},
  });
}

TEST_F(RuntimeHelpersTest, CallReadsPercentFormsAgain) {
  const std::set<Helper> h = {Helper::kPct};
  Check({
      {h, "INNER=value; _pct r '[%inner%]'; echo \"$r\"", "[value]\n"},
      {h, "_pct r '100%%'; echo \"$r\"", "100%\n"},
      {h, "set -- a b; _pct r '%1-%2' \"$@\"; echo \"$r\"", "a-b\n"},
      {h, "X=abc; _pct r '%x:~1%'; echo \"$r\"", "bc\n"},
      {h, "_pct r 'lone % sign'; echo \"$r\"", "lone  sign\n"},
  });
}

TEST_F(RuntimeHelpersTest, PathModifiers) {
  const std::set<Helper> h = {Helper::kArgmod};
  Check({
      {h, "_argmod r '~nx' 'dir\\file.tar.gz'; echo \"$r\"", "file.tar.gz\n"},
      {h, "_argmod r '~n' 'dir\\file.tar.gz'; echo \"$r\"", "file.tar\n"},
      {h, "_argmod r '~x' '\"dir\\file.tar.gz\"'; echo \"$r\"", ".gz\n"},
      {h, "_argmod r '~dp' '/a/b/../c/f'; echo \"$r\"", "/a/c/\n"},
      {h, "_argmod r '~f' 'x/./y'; echo \"$r\"", "/tmp/x/y\n"},
      {h, "_argmod r '~n' ''; echo \"[$r]\"", "[]\n"},
  });
}

TEST_F(RuntimeHelpersTest, ComparisonsAreNumericOnlyForNumbers) {
  const std::set<Helper> h = {Helper::kCmp, Helper::kIeq};
  Check({
      {h, "_cmp lss 9 10 && echo yes", "yes\n"},
      {h, "_cmp lss a9 a10 || echo no", "no\n"},
      {h, "_cmp equ 010 8 && echo yes", "yes\n"},
      {h, "_cmp equ 0x10 16 && echo yes", "yes\n"},
      {h, "_cmp geq -1 -2 && echo yes", "yes\n"},
      {h, "_cmp neq ABC abc i || echo equal", "equal\n"},
      {h, "_ieq Hello hELLO && echo same", "same\n"},
      {h, "_ieq a b || echo different", "different\n"},
  });
}

TEST_F(RuntimeHelpersTest, PathSeparatorsAndExitStatuses) {
  Check({
      {{Helper::kSetpath},
       "_drives=/mnt; _setpath '/usr/bin;\"C:\\Program Files\\x\\\";;tools\\;'; echo \"$PATH\"",
       "/usr/bin:/mnt/c/Program Files/x/:tools/\n"},
      {{Helper::kBs}, "_bs r 'a\\b\\\\c'; echo \"$r\"", "a/b//c\n"},
      {{Helper::kUnq},
       "_unq r '\"a b\"'; echo \"[$r]\"; _unq r '\"a'; echo \"[$r]\"",
       "[a b]\n[a]\n"},
      {{Helper::kExit},
       "(_el=256; _exit); echo $?; (_el=3; _exit); echo $?; (_el=-1; _exit); echo $?",
       "1\n3\n255\n"},
  });
}

TEST(RuntimeLibraryTest, DefinitionsHoldWhatTheHelpersNeedOnce) {
  const std::string copy = HelperDefinitions({Helper::kCopy});
  EXPECT_NE(std::string::npos, copy.find("_bs() {"));
  EXPECT_EQ(copy.find("_bs() {"), copy.rfind("_bs() {"));
  EXPECT_EQ(std::string::npos, copy.find("_xcopy() {"));
  EXPECT_EQ(HelperDefinitions({Helper::kCopy, Helper::kBs}),
            HelperDefinitions({Helper::kBs, Helper::kCopy}));
}

}  // namespace
}  // namespace morvex
