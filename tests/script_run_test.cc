// Scripts run where a recording of cmd cannot show what they must do: drive
// paths, the guard, and jumps that cannot be followed. Each case converts a
// batch file with its options, runs the script under dash in a fresh
// temporary folder whose drives lie inside it, and compares what it prints.
// Every path a case names maps into that folder, so a case that goes wrong
// stays there.

#include <gtest/gtest.h>

#include <stdlib.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "generator/runnable_script.h"

namespace morvex {
namespace {

class ScriptRunTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (std::system("command -v dash >/dev/null 2>&1") != 0) GTEST_SKIP() << "no dash";
    char folder[] = "/tmp/morvex-drives-XXXXXX";
    ASSERT_NE(nullptr, mkdtemp(folder));
    root_ = folder;
    ASSERT_EQ(0, std::system(("mkdir -p '" + root_ + "/run' '" + root_ + "/home' '" + root_ +
                              "/drv/c' '" + root_ + "/drv/d'")
                                 .c_str()));
  }
  void TearDown() override {
    if (root_.empty()) return;
    const int removed = std::system(("rm -rf '" + root_ + "'").c_str());
    EXPECT_EQ(0, removed);
  }

  // Converts `batch` (lines joined with CR LF), runs it in run/ with the
  // home folder home/, and gives what it prints on both outputs, with the
  // temporary folder written as "T".
  std::string Run(const std::vector<std::string>& batch, RunnableOptions options) {
    std::string text;
    for (const std::string& line : batch) text += line + "\r\n";
    const std::string script = root_ + "/run/case.sh";
    std::ofstream(script) << RunnableScript(text, "case.sh", options);
    const std::string command = "cd '" + root_ + "/run' && HOME='" + root_ +
                                "/home' XDG_CONFIG_HOME= XDG_DATA_HOME= dash case.sh 2>&1";
    std::string output;
    FILE* pipe = popen(command.c_str(), "r");
    char buffer[4096];
    size_t got;
    while (pipe != nullptr && (got = fread(buffer, 1, sizeof buffer, pipe)) > 0) {
      output.append(buffer, got);
    }
    if (pipe != nullptr) pclose(pipe);
    for (size_t at; (at = output.find(root_)) != std::string::npos;) {
      output.replace(at, root_.size(), "T");
    }
    return output;
  }

  RunnableOptions Drives() const {
    RunnableOptions options;
    options.drives = root_ + "/drv";
    return options;
  }

  std::string root_;
};

TEST_F(ScriptRunTest, DrivePathsLieInTheirFolders) {
  const struct {
    std::vector<std::string> batch;
    std::string output;
  } cases[] = {
      // C: is the current drive while the current folder is on no drive.
      {{"@echo off", "md c:\\p\\out", "echo hi> C:\\p\\out\\x.txt", "type \\p\\out\\x.txt",
        "if exist c:/p/out/x.txt echo found", "cat.exe c:\\p\\out\\x.txt"},
       "hi\nfound\nhi\n"},
      // "c:x" is in the current folder on the current drive, at the root on
      // another.
      {{"@echo off", "echo a> c:here.txt", "echo b> d:there.txt", "if exist here.txt echo here",
        "if exist \\there.txt echo wrong", "if exist d:\\there.txt echo there"},
       "here\nthere\n"},
      // A drive's folder holds the current folder: its root is "\".
      {{"@echo off", "cd /d D:\\", "md sub", "cd sub", "echo x> \\top.txt", "cd",
        "if exist d:\\top.txt echo on d", "c:", "cd"},
       "T/drv/d/sub\non d\nT/drv/c\n"},
      // Paths this system made stay as they are; network paths are left alone.
      {{"@echo off", "echo x> \"%CD%\\made.txt\"", "if exist made.txt echo kept",
        "if exist \\\\server\\share\\x echo wrong"},
       "kept\n"},
      // Windows' folders lie on C:, the user's in the XDG folders.
      {{"@echo off", "echo %ProgramFiles%;%ProgramFiles(x86)%;%SystemRoot%;%SystemDrive%",
        "echo %APPDATA%;%LOCALAPPDATA%;%HOMEDRIVE%%HOMEPATH%", "if defined WINDIR echo defined",
        "set WINDIR=mine", "echo %WINDIR%"},
       "T/drv/c/Program Files;T/drv/c/Program Files (x86);T/drv/c/Windows;C:\n"
       "T/home/.config;T/home/.local/share;C:\\Users\\USERNAME_\ndefined\nmine\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.batch[1]);
    std::string output = Run(c.batch, Drives());
    // The user's name is the machine's.
    const size_t users = output.find("C:\\Users\\");
    if (users != std::string::npos) {
      const size_t end = output.find('\n', users);
      output.replace(users + 9, end - users - 9, "USERNAME_");
    }
    EXPECT_EQ(c.output, output);
  }
}

TEST_F(ScriptRunTest, AFolderGivenForADriveWinsAndTheLongestHoldsTheCurrentFolder) {
  RunnableOptions options = Drives();
  options.drive_folders = {{'c', root_ + "/drv"}, {'e', root_ + "/drv/d"}};
  EXPECT_EQ("T/drv/p\nT/drv/d/q\n", Run({"@echo off", "md c:\\p", "cd /d c:\\p", "cd", "cd /d e:\\",
                                         "md \\q", "cd q", "cd"},
                                        options));
}

TEST_F(ScriptRunTest, TheGuardRefusesTheHomeFolderAndADrivesFolder) {
  EXPECT_EQ(
      "case.sh: rd: refused: T/home: the home folder\n1\n"
      "case.sh: rd: refused: T/drv/c: the folder of drive c:\n1\n"
      "case.sh: del: refused: T/drv/d: the folder of drive d:\n"
      "case.sh: robocopy: refused: T/drv/c: the folder of drive c:\n16\n"
      "case.sh: move: refused: T/home: the home folder\n1\nall kept\n",
      Run({"@echo off", "echo x> \\kept.txt", "echo x> d:\\kept.txt", "md src",
           "rd /s /q %USERPROFILE%", "echo %errorlevel%", "rd /s /q \\", "echo %errorlevel%",
           "del /q d:\\", "robocopy src %NOPE%\\ /mir >nul", "echo %errorlevel%",
           "move %USERPROFILE% elsewhere", "echo %errorlevel%",
           "if exist %USERPROFILE% if exist c:\\kept.txt if exist d:\\kept.txt echo all kept"},
          Drives()));
}

TEST_F(ScriptRunTest, NoPreserveRootLiftsTheGuard) {
  RunnableOptions options = Drives();
  options.preserve_root = false;
  EXPECT_EQ("gone\n",
            Run({"@echo off", "echo x> d:\\a.txt", "rd /s /q d:\\", "if not exist d:\\ echo gone"},
                options));
}

// cmd runs on from a label inside a block; a script cannot jump there, and
// must not run on from the goto instead: it ends. A call that cannot be
// followed fails, as a command with no translation does.
TEST_F(ScriptRunTest, AJumpIntoABlockStopsTheScriptOrTheCall) {
  const std::vector<std::string> block = {"exit /b", "(", ":inner", "echo in", ")"};
  for (const char* jump : {"goto inner", "goto %x%", "call :inner", "call :%x%"}) {
    std::vector<std::string> batch = {"@echo off", "set x=inner", jump, "echo after %errorlevel%"};
    batch.insert(batch.end(), block.begin(), block.end());
    const std::string output = Run(batch, Drives());
    const bool call = std::string_view(jump).substr(0, 4) == "call";
    EXPECT_EQ(call ? "after 1\n" : "", output.substr(output.find('\n') + 1)) << jump;
    EXPECT_NE(std::string::npos, output.find(": not translated: ")) << jump;
  }
}

}  // namespace
}  // namespace morvex
