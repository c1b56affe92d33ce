// Windows' own programs: which of them a script translates, which it stops
// and which run by their names, wherever the batch file names them. What the
// helpers do when they run is checked by the behaviour cases (program-*), and
// that no program of the same name here starts by the safety case
// windows-programs-never-namesakes.

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "generator/commands/commands.h"
#include "generator/runnable_script.h"
#include "generator/runtime_library.h"

namespace morvex {
namespace {

// The body of the script for one batch line: the lines after the helpers.
std::string Body(const std::string& line, const RunnableOptions& options = {}) {
  const std::string script = RunnableScript(line + "\r\n", "x.sh", options);
  const size_t body = script.find("\n_b_");
  return body == std::string::npos ? script : script.substr(body);
}

TEST(WindowsProgramsTest, EachIsTranslatedStoppedOrRunByItsName) {
  const struct {
    std::string line;
    std::string expected;  // a line of the body
  } cases[] = {
      // Translated, by a name in any case, with or without .exe or .com.
      {"ping -n 2 127.0.0.1 >nul", "  _ping -n 2 127.0.0.1 >/dev/null\n"},
      {"PING.EXE /N 2 127.0.0.1", "  _ping /N 2 127.0.0.1\n"},
      {"Sort.Exe /r in.txt", "  _sort /r in.txt\n"},
      {"more +2 in.txt", "  _more +2 in.txt\n"},
      {"fc /b a b", "  _fc /b a b\n"},
      {"tree.com /f /a", "  _tree /f /a\n"},
      {"chcp 65001 >nul", "  _chcp 65001 >/dev/null\n"},
      {"hostname", "  _hostname\n"},
      {"whoami", "  _whoami\n"},
      {"attrib +r x.txt", "  _attrib +r x.txt\n"},
      {"xcopy a b /e", "  _xcopy a b /e\n"},
      {"call sort in.txt", "  _sort in.txt\n"},
      // In Windows' own folders too; in another folder, a program of its own.
      {"%SystemRoot%\\System32\\PING.exe -n 1 127.0.0.1", "  _ping -n 1 127.0.0.1\n"},
      {"C:\\Windows\\SysWOW64\\sort.exe x", "  _sort x\n"},
      {"\"%windir%\\Sysnative\\fc.exe\" a b", "  _fc a b\n"},
      {"tools\\sort.exe x", "  _run tools/sort x\n"},
      // Stopped, whatever the name's case or folder.
      {"convert c: /fs:ntfs", "  _ntp 0 'convert c: /fs:ntfs'\n"},
      {"EXPAND.EXE x.cab y", "  _ntp 0 'EXPAND.EXE x.cab y'\n"},
      {"%SystemRoot%\\system32\\reg.exe query x",
       "  _ntp 0 '%SystemRoot%\\system32\\reg.exe query x'\n"},
      {"shutdown -r -t 00 2>nul", "  _ntp 0 'shutdown -r -t 00 2>nul' 2>/dev/null\n"},
      // Run as they are: their Windows builds take the same options.
      {"curl.exe -o x https://example.com/", "  _run curl -o x https://example.com/\n"},
      {"tar -xf a.tar", "  _run tar -xf a.tar\n"},
      // attrib sets read-only only, and lists nothing.
      {"attrib +H x", "# attrib: only read-only has a counterpart here"},
      {"attrib x-h.txt", "# not translated: attrib without an attribute to set"},
      // whoami's switches name Windows' accounts.
      {"whoami /groups", "# not translated: whoami with arguments: "},
      // A name known only when the script runs is looked up then.
      {"%tool% x", "  _runb 0\n"},
  };
  for (const auto& c : cases) {
    std::string body = Body(c.line);
    // Line numbers are the script's: left out here.
    for (size_t at = body.find("_ntp "); at != std::string::npos; at = body.find("_ntp ", at + 1)) {
      const size_t end = body.find(' ', at + 5);
      body.replace(at + 5, end - at - 5, "0");
    }
    for (size_t at = body.find("_runb "); at != std::string::npos;
         at = body.find("_runb ", at + 1)) {
      const size_t end = body.find('\n', at);
      body.replace(at + 6, end - at - 6, "0");
    }
    EXPECT_NE(std::string::npos, body.find(c.expected)) << c.line << "\n" << body;
  }
}

TEST(WindowsProgramsTest, TheOptionRunsProgramsByTheirNames) {
  RunnableOptions options;
  options.allowed_programs = {"REG", "sort.exe"};
  const struct {
    std::string line, expected;
  } cases[] = {
      {"reg query x", "  _run reg query x\n"},
      {"Reg.exe query x", "  _run Reg query x\n"},
      {"sort /r x", "  _run sort /r x\n"},
      {"wmic os get", "  _ntp "},
      // Names known only when the script runs: the runtime hears of them.
      {"%tool% x", "  _wpa='reg sort.exe'\n"},
  };
  for (const auto& c : cases) {
    EXPECT_NE(std::string::npos, Body(c.line, options).find(c.expected)) << c.line;
  }
  EXPECT_EQ(std::string::npos, Body("%tool% x").find("_wpa="));
}

TEST(WindowsProgramsTest, CmdRunsTheRestInAChild) {
  const struct {
    std::string line;
    std::vector<std::string> expected;  // lines of the body, in order
  } cases[] = {
      // exit alone sets the errorlevel, all of it, with no child.
      {"cmd /c exit 3", {"  _el=3\n", "  [ \"$_el\" = 0 ]\n"}},
      {"cmd /c exit 2 || echo failed", {"  _el=2\n", "  [ \"$_el\" = 0 ]\n", "} || {\n"}},
      {"CMD.EXE /C EXIT /B 300", {"  _el=300\n"}},
      {"%ComSpec% /c exit", {"  _el=0\n"}},
      {"\"%ComSpec%\" /c exit 4", {"  _el=4\n"}},
      {"cmd /c", {"  _el=0\n"}},
      // Anything else runs in a subshell, whose status is the errorlevel.
      {"cmd /c \"set x=1 & exit /b 4\"",
       {"  (\n", "    _cc() {\n", "      export X='1 '\n", "      _el=4\n", "      return\n",
        "    _cc \"$@\"\n", "    _exit\n", "  )\n", "  _cst\n"}},
      // A program cmd cannot find leaves 9009 through the child's status.
      {"cmd /c reg query x", {"      _ntp ", "    [ \"$_el\" != 9009 ] || exit 127\n", "  _cst\n"}},
      // Values are the ones cmd put in when it read the line.
      {"cmd /c \"set x=2& echo %x%\"", {"  _cp1_1=${X}\n", "  (\n", "${_cp1_1}"}},
      // Quotes that stay: two, around a program's name with a blank.
      {"cmd /c \"my tool.bat\" x", {"_run 'my tool.bat' x\n"}},
      {"cmd /s /c \"\"my tool.bat\" x\"", {"_run 'my tool.bat' x\n"}},
      {"cmd /c \"other.bat\" x", {"_run other.bat x\n"}},
      {"cmd /c echo hi >out.txt", {"  ) >out.txt\n"}},
      {"cmd /v:on /c echo x", {"    _dx=1\n", "    _cc() {\n"}},
      {"cmd /k echo x", {"# cmd /k: the new cmd would then wait", "  (\n"}},
      // What a new cmd cannot do, or a script cannot tell.
      {"cmd", {"# not translated: cmd without /c or /k"}},
      {"cmd /q", {"# not translated: cmd without /c or /k"}},
      {"cmd %opts% /c exit", {"# not translated: cmd with switches known only"}},
      {"cmd /c goto x", {"# not translated: cmd /c with a goto or call to a label"}},
      {"cmd /c \"call :x\"", {"# not translated: cmd /c with a goto or call to a label"}},
  };
  for (const auto& c : cases) {
    const std::string body = Body(c.line);
    size_t at = 0;
    for (const std::string& expected : c.expected) {
      at = body.find(expected, at);
      ASSERT_NE(std::string::npos, at) << c.line << ": " << expected << "\n" << body;
    }
  }
}

// The words of the arms of a case in the helper's text that end in `value`.
std::string ArmNames(const std::string& text, const std::string& value) {
  const size_t end = text.find(")\n    _wpk=" + value);
  const size_t begin = text.rfind("  esac\n  case $_wpl in\n", end);
  if (end == std::string::npos || begin == std::string::npos) return "";
  // The arm before this one ends with ";;".
  const size_t previous = text.rfind(";;", end);
  const size_t start = previous != std::string::npos && previous > begin
                           ? previous + 2
                           : begin + std::string("  esac\n  case $_wpl in\n").size();
  std::istringstream words(text.substr(start, end - start));
  std::string names, word;
  while (words >> word) {
    if (word == "|" || word == "\\") continue;
    names += (names.empty() ? "" : " ") + word;
  }
  return names;
}

TEST(WindowsProgramsTest, TheRuntimeKnowsTheSamePrograms) {
  const std::string wprog(RuntimeHelpers()[static_cast<size_t>(Helper::kWprog)].text);
  EXPECT_EQ(WindowsProgramNames(/*stopped=*/true), ArmNames(wprog, "stop"));
  EXPECT_EQ(WindowsProgramNames(/*stopped=*/false), ArmNames(wprog, "rule"));
  EXPECT_EQ(nullptr, FindWindowsProgram("notepad"));
  EXPECT_EQ(nullptr, FindWindowsProgram(".exe"));
  EXPECT_TRUE(IsWindowsProgram("TaskKill.EXE"));
}

}  // namespace
}  // namespace morvex
