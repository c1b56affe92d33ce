// The generator: the words and names it writes, and the shape of the script
// around them. What the scripts do when they run is checked by the behaviour
// cases under tests/behaviour/.

#include "generator/runnable_script.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "generator/sh_quote.h"
#include "generator/shell_names.h"

namespace morvex {
namespace {

TEST(ShellQuoteTest, QuotesOnlyWhatTheShellWouldRead) {
  const struct {
    std::string text, quoted;
  } cases[] = {
      {"plain-word_1.txt", "plain-word_1.txt"},
      {"", "''"},
      {"a b", "'a b'"},
      {"it's", "'it'\\''s'"},
      {"$HOME `x` *?", "'$HOME `x` *?'"},
      {"a=b", "'a=b'"},
      {"~x", "'~x'"},
      {std::string("a\0b", 3), "'ab'"},
      {"a\nb", "'a'\"${_nl}\"'b'"},
  };
  for (const auto& c : cases) EXPECT_EQ(c.quoted, ShellQuote(c.text)) << c.text;
  EXPECT_EQ("a\\\"b\\$c\\`d\\\\e", DoubleQuoted("a\"b$c`d\\e"));
}

TEST(ShellNamesTest, BatchNamesIgnoreCaseAndNeverMeetTheShells) {
  const struct {
    std::string name, sh;
  } cases[] = {
      {"path", "PATH"}, {"My_Var", "MY_VAR"},    {"my-var", "xMY_2dVAR"}, {"arr[1]", "xARR_5b1_5d"},
      {"ifs", "xIFS"},  {"PWD", "xPWD"},         {"1st", "x1ST"},         {"_", "x_5f"},
      {"", "x"},        {"\xC3\xA9", "x_c3_a9"},
  };
  for (const auto& c : cases) EXPECT_EQ(c.sh, ShellVariableName(c.name)) << c.name;
  EXPECT_EQ("_l_i", LoopVariableName('i'));
  EXPECT_EQ("_l_I", LoopVariableName('I'));
  EXPECT_EQ("_l_23", LoopVariableName('#'));
}

std::vector<std::string> LinesOf(const std::string& text) {
  std::vector<std::string> lines;
  size_t begin = 0;
  while (begin < text.size()) {
    const size_t end = text.find('\n', begin);
    lines.push_back(text.substr(begin, end - begin));
    if (end == std::string::npos) break;
    begin = end + 1;
  }
  return lines;
}

// Every "_nt N" call in `script` names the script line it stands on; returns
// how many there are.
int CheckNotTranslatedLines(const std::string& script) {
  const std::vector<std::string> lines = LinesOf(script);
  int calls = 0;
  for (size_t i = 0; i < lines.size(); ++i) {
    const size_t at = lines[i].find("_nt ");
    if (at == std::string::npos || lines[i].find("() {") != std::string::npos ||
        lines[i][0] == '#') {
      continue;
    }
    ++calls;
    EXPECT_EQ(std::to_string(i + 1), lines[i].substr(at + 4, lines[i].find(' ', at + 4) - at - 4))
        << lines[i];
  }
  return calls;
}

TEST(RunnableScriptTest, NotTranslatedNamesItsOwnLine) {
  const std::string script = RunnableScript(
      "@echo off\r\ncolor 1f\r\ngoto nowhere_in_a_block\r\n(\r\n:nowhere_in_a_block\r\n)\r\n",
      "x.sh");
  EXPECT_EQ(2, CheckNotTranslatedLines(script));
}

TEST(RunnableScriptTest, EveryLineIsACommentInOrder) {
  const std::string batch =
      "@echo off\r\nif 1==1 (\r\n  echo a\r\n) else (\r\n  echo b\r\n)\r\n\r\n  rem x\r\n";
  const std::string script = RunnableScript(batch, "x.sh");
  size_t at = 0;
  for (const char* line :
       {"@echo off", "if 1==1 (", "  echo a", ") else (", "  echo b", ")", "  rem x"}) {
    at = script.find(std::string("# DOS: ") + line + "\n", at);
    ASSERT_NE(std::string::npos, at) << line;
  }
}

// sh refuses a function without a command; a label no jump lands on adds
// none.
TEST(RunnableScriptTest, ABodyWithNothingToRunStillHoldsACommand) {
  for (const char* batch : {"", "rem x\r\n", ":start\r\n", "@rem a\r\n:start\r\n:: b\r\n"}) {
    const std::string script = RunnableScript(batch, "x.sh");
    const size_t body = script.find("() {\n", script.find("# The batch file, translated."));
    ASSERT_NE(std::string::npos, body) << batch;
    const size_t end = script.find("\n}\n", body);
    std::string_view lines = std::string_view(script).substr(body + 5, end - body - 5);
    bool command = false;
    while (!lines.empty() && !command) {
      const std::string_view line = lines.substr(0, lines.find('\n'));
      command = line.find_first_not_of(' ') != std::string_view::npos &&
                line[line.find_first_not_of(' ')] != '#';
      lines.remove_prefix(std::min(lines.size(), line.size() + 1));
    }
    EXPECT_TRUE(command) << batch;
  }
}

TEST(RunnableScriptTest, OnlyTheHelpersInUse) {
  const std::string echo = RunnableScript("echo hi\r\n", "x.sh");
  EXPECT_EQ(std::string::npos, echo.find("_copy() {"));
  EXPECT_EQ(std::string::npos, echo.find("case $_pc in"));
  const std::string copy = RunnableScript("copy a b\r\n", "x.sh");
  EXPECT_NE(std::string::npos, copy.find("_copy() {"));
  EXPECT_NE(std::string::npos, copy.find("_bs() {"));
}

// The temporaries (_e1, _e2...) that a script line reads ("${_e1}") but
// that no line before it sets: a name written bare is set there, by a
// helper given it as its first word or by an assignment.
std::vector<std::string> TemporariesReadBeforeSet(const std::string& script) {
  std::vector<std::string> unset;
  std::vector<std::string> set;
  size_t begin = 0;
  while (begin < script.size()) {
    const size_t end = std::min(script.find('\n', begin), script.size());
    const std::string line = script.substr(begin, end - begin);
    begin = end + 1;
    const size_t first = line.find_first_not_of(' ');
    if (first == std::string::npos || line[first] == '#') continue;
    std::vector<std::string> defined;
    for (size_t at = line.find("_e"); at != std::string::npos; at = line.find("_e", at + 1)) {
      size_t digits = at + 2;
      while (digits < line.size() && line[digits] >= '0' && line[digits] <= '9') ++digits;
      if (digits == at + 2 ||
          (at > 0 && line[at - 1] != '$' && line[at - 1] != '{' && line[at - 1] != ' ')) {
        continue;
      }
      const std::string name = line.substr(at, digits - at);
      const bool read = at > 0 && (line[at - 1] == '$' || line[at - 1] == '{');
      if (!read) {
        defined.push_back(name);
      } else if (std::find(set.begin(), set.end(), name) == set.end()) {
        unset.push_back(name + " in: " + line);
      }
    }
    set.insert(set.end(), defined.begin(), defined.end());
  }
  return unset;
}

// Every rule that writes a command computes its values first: a line never
// reads a temporary before the lines that set it.
TEST(RunnableScriptTest, ValuesAreComputedBeforeTheCommandThatReadsThem) {
  const char* const lines[] = {
      "cd %x:~1% >%y:~1%",
      "pushd %x:~1% >%y:~1%",
      "popd >%y:~1%",
      "title %x:~1% >%y:~1%",
      "start \"\" %x:~1% >%y:~1%",
      "setlocal %x:~1%",
      "echo %x:~1% >%y:~1%",
      "echo %x:~1%x >%y:~1%",
      "echo, >%y:~1%",
      "echo off >%y:~1%",
      "set %x:~1%=%y:~1% >%z:~1%",
      "set PATH=%x:~1% >%y:~1%",
      "set y=%x:~1% >%y:~1%",
      "set y= >%y:~1%",
      "set /p y=%x:~1% >%y:~1%",
      "set %x:~1% >%y:~1%",
      "path >%y:~1%",
      "path ; >%y:~1%",
      "copy %x:~1% %y:~1% >%z:~1%",
      "ping %x:~1% >%y:~1%",
      "mode %x:~1% >%y:~1%",
      "%x:~1% a >%y:~1%",
      "c:\\other.bat %x:~1% >%y:~1%",
      "prog.exe %x:~1% >%y:~1%",
      "powershell %x:~1% >%y:~1%",
      "call :sub %x:~1% >%y:~1%",
      "call :sub a;%x:~1% >%y:~1%",
      "call :%x:~1% a >%y:~1%",
      "call %x:~1% a >%y:~1%",
      "call echo %%x%% >%y:~1%",
      "call set y=%%x%% >%y:~1%",
      "goto %x:~1%",
      "exit /b %x:~1%",
      "cmd /c exit %x:~1%",
      "cmd /c echo %x:~1% >%y:~1%",
      "a %x:~1% | b %y:~1% >%z:~1%",
      "a %x:~1% && b %y:~1% || c %z:~1%",
  };
  for (const char* line : lines) {
    const std::string script = RunnableScript(std::string(line) + "\r\n:sub\r\n", "x.sh");
    ASSERT_NE(std::string::npos, script.find("_e1")) << line;
    EXPECT_EQ(std::vector<std::string>(), TemporariesReadBeforeSet(script)) << line;
  }
}

// A goto reaches its label through the dispatch loop, or, when the label
// begins the part the goto stands in, round a loop inside the part; not from
// inside a for loop or a pipe's side, where continue would not reach it.
TEST(RunnableScriptTest, JumpsGoThroughTheDispatchLoopOrRoundTheirPart) {
  const struct {
    const char* batch;
    const char* jump;  // "" for a script without the dispatch loop
  } kCases[] = {
      {":top\r\ngoto top\r\n", "  continue\n"},
      {":top\r\nif 1==1 goto top\r\n", "    continue\n"},
      {":top\r\nfor %%a in (1) do goto top\r\n", "_pc=_l0 && return"},
      {":top\r\nver | goto top\r\n", "_pc=_l0 && return"},
      {":a\r\ngoto b\r\n:b\r\ngoto a\r\n", "_pc=_l2 && return"},
      {":a\r\ngoto b\r\n:b\r\ngoto a\r\n", "_pc=_l0 && return"},
      {"goto :eof\r\n", ""},
  };
  for (const auto& c : kCases) {
    const std::string script = RunnableScript(c.batch, "x.sh");
    const bool loop = script.find("  while [ \"$_pc\" != :eof ]; do\n") != std::string::npos;
    EXPECT_EQ(*c.jump != '\0', loop) << c.batch;
    if (*c.jump != '\0') {
      EXPECT_NE(std::string::npos, script.find(c.jump)) << c.batch;
    }
  }
}

TEST(RunnableScriptTest, TheBodyIsNamedAfterTheBatchFile) {
  const std::string a = RunnableScript("echo a\r\n", "x.sh");
  const std::string b = RunnableScript("echo b\r\n", "x.sh");
  auto name = [](const std::string& script) {
    const size_t at = script.find("\n_fn=");
    return script.substr(at + 5, script.find('\n', at + 1) - at - 5);
  };
  EXPECT_NE(name(a), name(b));
  EXPECT_EQ(name(a), name(RunnableScript("echo a\r\n", "other.sh")));
}

TEST(RunnableScriptTest, ArithmeticCmdCannotComputeStops) {
  for (const char* line :
       {"set /a \"+<\"", "set /a \"=<\"", "set /a \"(<\"", "set /a x=1+", "set /a x=(1",
        "set /a x=099", "set /a x=2147483648", "set /a x=1+y%i%=5"}) {
    const std::string script = RunnableScript(std::string(line) + "\r\n", "x.sh");
    EXPECT_NE(std::string::npos, script.find("# not translated: set /a")) << line;
  }
  EXPECT_EQ(std::string::npos,
            RunnableScript("set /a x=0x7fffffff\r\n", "x.sh").find("# not translated:"));
}

TEST(RunnableScriptTest, GluedOperandsAreCheckedWhenTheScriptRuns) {
  // An expansion written against a name or a number makes one operand whose
  // text is checked before the command runs; it stops only when the check
  // fails.
  for (const char* line : {"set /a arr%i%=1", "set /a s=1%sec% - 100", "set /a z=0x%i%f",
                           "set /a m_%p%+=5, n=m_%p%*2", "set /a %~1=0"}) {
    const std::string script = RunnableScript(std::string(line) + "\r\n", "x.sh");
    const size_t check = script.find("  if _gt ");
    const size_t stop = script.find("    _nt ");
    ASSERT_NE(std::string::npos, check) << line;
    ASSERT_NE(std::string::npos, stop) << line;
    EXPECT_LT(script.find("export ", check), script.find("  else\n", check)) << line;
    EXPECT_LT(script.find("  else\n", check), stop) << line;
  }
}

TEST(RunnableScriptTest, ALabelKnownOnlyWhenTheScriptRunsHasArmsOnlyForWhatItCanName) {
  // Statements: the jump (0), then the labels menu_a (1), menu_ab (3),
  // other (5) and Menu (7).
  struct Case {
    const char* jump;
    std::vector<int> arms;
  };
  const Case cases[] = {
      {"goto %x%", {1, 3, 5, 7}},    // nothing known: every label
      {"goto :%x%", {1, 3, 5, 7}},   // only the colon
      {"goto , :MENU_%x%", {1, 3}},  // separators and a colon go; any case
      {"goto menu_a%x%", {1, 3}},    // a longer start
      {"goto menu %x%", {7}},        // the name ends before the expansion
      {"goto menu_a:%x%", {1}},      // so does it at a colon
      {"goto zz%x%", {}},            // no label starts so
      {"call :menu_ab%x% 1", {3}},
  };
  for (const Case& c : cases) {
    const std::string script = RunnableScript(
        std::string(c.jump) +
            "\r\n:menu_a\r\necho 1\r\n:menu_ab\r\necho 2\r\n:other\r\necho 3\r\n:Menu\r\n",
        "x.sh");
    for (int label : {1, 3, 5, 7}) {
      const bool arm = std::find(c.arms.begin(), c.arms.end(), label) != c.arms.end();
      const std::string name = "_l" + std::to_string(label);
      EXPECT_EQ(arm, script.find(name + "() {\n") != std::string::npos) << c.jump << " " << name;
      EXPECT_EQ(arm, script.find(") _r=" + name + " ;;") != std::string::npos)
          << c.jump << " " << name;
    }
  }
}

TEST(RunnableScriptTest, ALargeFileComesOutInOrder) {
  // Large files are read on a thread of their own, and their scripts are
  // built in pieces; the script keeps the statements' order, the jumps
  // between them and its line numbers.
  std::string batch = ":top\r\ncolor 1f\r\n";
  for (int i = 0; i < 30000; ++i) batch += "echo " + std::to_string(i) + "\r\n";
  batch += "color 1f\r\ngoto top\r\n";
  const std::string script = RunnableScript(batch, "x.sh");
  size_t at = 0;
  for (int i = 0; i < 30000; ++i) {
    at = script.find("printf '%s\\n' " + std::to_string(i) + "\n", at);
    ASSERT_NE(std::string::npos, at) << i;
  }
  EXPECT_NE(std::string::npos, script.find("  continue\n", at));
  EXPECT_EQ(2, CheckNotTranslatedLines(script));
  EXPECT_GT(script.size(), size_t{1} << 20);  // more than one piece
  EXPECT_EQ(script, RunnableScript(batch, "x.sh"));
}

}  // namespace
}  // namespace morvex

namespace morvex {
namespace {

std::string StopList(std::string_view batch) {
  std::vector<Stop> stops;
  WriteRunnableScript(
      batch, "x.sh", [](std::string_view) {}, {}, &stops);
  std::string list;
  for (const Stop& stop : stops) {
    list += std::to_string(stop.line) + ":" + std::to_string(stop.column) + " " + stop.code + " " +
            stop.message + "\n";
  }
  return list;
}

// Each stop is listed once, where its command starts, with the code of its kind.
TEST(RunnableStopsTest, EachStopWithItsPlaceAndCode) {
  const struct {
    const char* batch;
    const char* stops;
  } cases[] = {
      {"@echo off\r\necho hi\r\n", ""},
      {"color 0a\r\n", "1:1 stop-color color\n"},
      {"  @prompt $g\r\n", "1:4 stop-prompt prompt\n"},
      // Two on a line, each at its own name.
      {"color 0a & COLOR 1f\r\n", "1:1 stop-color color\n1:12 stop-color color\n"},
      {"echo x\r\nreg query hklm\\x\r\n", "2:1 stop-windows-program reg, a Windows program\n"},
      {"shift /9\r\n", "1:1 stop-shift shift with /9\n"},
      {"goto\r\n", "1:1 stop-goto-label goto without a label\n"},
      {"set /p\r\n", "1:1 stop-set-prompt set /p needs a variable and an equals sign\n"},
      {"for /f \"%opts%\" %%a in (x) do echo %%a\r\n",
       "1:1 stop-for-options-at-run-time for /f with options known only when it runs\n"},
      {"for /f \"bogus=1\" %%a in (x) do echo %%a\r\n",
       "1:1 stop-for-options for /f with options cmd does not accept\n"},
      {"if x==x (\r\n  echo a\r\n  mklink a b\r\n)\r\n", "3:3 stop-mklink mklink\n"},
      {"cmd\r\n", "1:1 stop-cmd-interactive cmd without /c or /k reads commands from its input\n"},
      {"cmd /c reg add x\r\n", "1:8 stop-windows-program reg, a Windows program\n"},
      {"goto inside\r\n(\r\n:inside\r\n)\r\n",
       "1:1 stop-jump-into-block goto :inside, a label inside a block\n"},
      // A command that the script holds in two readings, for delayed
      // expansion on and off, is one stop.
      {":top\r\ncolor !x!\r\n", "2:1 stop-color color\n"},
      // A name that comes from a value does not move the ones after it.
      {"set c=color\r\n%c% 0a & color\r\n", "2:10 stop-color color\n"},
      {"if 1==1 (color 0a) else color\r\n", "1:10 stop-color color\n1:25 stop-color color\n"},
      // A command that a caret carries on to the next line stands there.
      {"for %%a in (x) ^\r\ndo color 0a\r\n", "2:4 stop-color color\n"},
      {"echo %x% %%y & color\r\n", "1:16 stop-color color\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.batch);
    EXPECT_EQ(c.stops, StopList(c.batch));
  }
}

// Every stop leaves a note in the script: the two lists agree.
TEST(RunnableStopsTest, OneStopPerNote) {
  const std::string batch =
      "@echo off\r\ncolor 0a\r\nprompt x & assoc .x=y\r\nwmic os get x\r\nset /a x=1/\r\n"
      "verify on\r\nif 1==1 (vol) else (break)\r\n";
  std::vector<Stop> stops;
  std::string script;
  WriteRunnableScript(
      batch, "x.sh", [&](std::string_view piece) { script += piece; }, {}, &stops);
  size_t notes = 0;
  for (size_t at = 0; (at = script.find("# not translated:", at)) != std::string::npos; ++at) {
    ++notes;
  }
  EXPECT_EQ(8u, stops.size());
  EXPECT_EQ(notes, stops.size());
}

}  // namespace
}  // namespace morvex
