// The Windows platform layer: message boxes up to the call, the files a run
// reads and writes, and the Windows program started with raw command lines.
// Every test works in a temporary folder of its own, which is also the
// current folder.

#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "driver/convert.h"
#include "driver/platform.h"
#include "driver/platform_windows.h"
#include "driver/windows_command_line.h"

namespace morvex {
namespace {

struct MessageBoxCall {
  std::wstring text;
  std::wstring title;
  unsigned int style;
};

std::vector<MessageBoxCall> g_boxes;

int RecordMessageBox(const wchar_t* text, const wchar_t* title, unsigned int style) {
  g_boxes.push_back({text, title, style});
  return IDOK;
}

std::string Utf8(std::wstring_view text) {
  return Utf8FromUtf16(std::u16string(text.begin(), text.end()));
}

const std::string kCls = "#!/bin/sh\n\n# DOS: cls\nclear\n\n";

class WindowsPlatformTest : public ::testing::Test {
 protected:
  void SetUp() override {
    g_boxes.clear();
    previous_box_ = SetMessageBoxFunction(RecordMessageBox);
    wchar_t temp[MAX_PATH + 1];
    ASSERT_NE(0u, GetTempPathW(MAX_PATH + 1, temp));
    wchar_t current[MAX_PATH + 1];
    ASSERT_NE(0u, GetCurrentDirectoryW(MAX_PATH + 1, current));
    previous_folder_ = current;
    for (unsigned attempt = 0; folder_.empty(); ++attempt) {
      ASSERT_LT(attempt, 100u);
      std::wstring folder = std::wstring(temp) + L"morvex-test-" +
                            std::to_wstring(GetCurrentProcessId()) + L"-" +
                            std::to_wstring(GetTickCount64() + attempt);
      if (CreateDirectoryW(folder.c_str(), nullptr)) folder_ = folder;
    }
    ASSERT_TRUE(SetCurrentDirectoryW(folder_.c_str()));
  }

  void TearDown() override {
    SetMessageBoxFunction(previous_box_);
    SetCurrentDirectoryW(previous_folder_.c_str());
    RemoveTree(folder_);
  }

  static void RemoveTree(const std::wstring& folder) {
    WIN32_FIND_DATAW found;
    const HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
      do {
        const std::wstring name = found.cFileName;
        if (name == L"." || name == L"..") continue;
        const std::wstring path = folder + L"\\" + name;
        SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
          RemoveTree(path);
        } else {
          DeleteFileW(path.c_str());
        }
      } while (FindNextFileW(search, &found));
      FindClose(search);
    }
    RemoveDirectoryW(folder.c_str());
  }

  static void Write(const std::wstring& name, const std::string& content) {
    const HANDLE file = CreateFileW(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, file);
    DWORD written = 0;
    EXPECT_TRUE(
        WriteFile(file, content.data(), static_cast<DWORD>(content.size()), &written, nullptr));
    EXPECT_EQ(content.size(), written);
    CloseHandle(file);
  }

  // The file's bytes, or "(missing)".
  static std::string Read(const std::wstring& name) {
    const HANDLE file = CreateFileW(name.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                    OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return "(missing)";
    std::string content;
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0) {
      content.append(buffer, got);
    }
    CloseHandle(file);
    return content;
  }

  // Every name in the folder, hidden ones too, to show what a run created.
  std::vector<std::wstring> Listing() const {
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW found;
    const HANDLE search = FindFirstFileW((folder_ + L"\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
      const std::wstring name = found.cFileName;
      if (name != L"." && name != L"..") names.push_back(name);
    } while (FindNextFileW(search, &found));
    FindClose(search);
    std::sort(names.begin(), names.end());
    return names;
  }

  // Runs a failing conversion and checks its one message box, which names the
  // file.
  void ExpectFailure(const std::string& name, const std::string& named) {
    g_boxes.clear();
    EXPECT_EQ(kExitFailure, Main(name)) << name;
    ASSERT_EQ(1u, g_boxes.size()) << name;
    const std::string text = Utf8(g_boxes[0].text);
    EXPECT_EQ(0u, text.find(named + ": ")) << text;
    EXPECT_GT(text.size(), named.size() + 2) << text;
    EXPECT_EQ(std::string::npos, text.find_first_of("\r\n")) << text;
    EXPECT_EQ(L"Morvex", g_boxes[0].title);
    EXPECT_EQ(static_cast<unsigned>(MB_OK | MB_ICONERROR), g_boxes[0].style);
  }

  MessageBoxFunction previous_box_ = nullptr;
  std::wstring previous_folder_;
  std::wstring folder_;
};

TEST_F(WindowsPlatformTest, UsageIsOneInformationBoxWithThreeLines) {
  EXPECT_EQ(
      L"Usage: Morvex Batchfile.ext\r\n"
      L"Batchfile.ext gets translated to Batchfile.sh\r\n"
      L"Batchfile.sh will run under any sh-compatible shell",
      UsageText());
  for (const char* argument : {"", " ", "     "}) {
    g_boxes.clear();
    EXPECT_EQ(kExitUsage, Main(argument));
    ASSERT_EQ(1u, g_boxes.size());
    EXPECT_EQ(UsageText(), g_boxes[0].text);
    EXPECT_EQ(L"Morvex", g_boxes[0].title);
    EXPECT_EQ(static_cast<unsigned>(MB_OK | MB_ICONINFORMATION), g_boxes[0].style);
  }
  EXPECT_TRUE(Listing().empty());
}

TEST_F(WindowsPlatformTest, ConvertsBesideTheBatchFileWithoutABox) {
  Write(L"go.bat", "@echo off\r\ncopy a.txt b.txt /y\r\n");
  EXPECT_EQ(kExitSuccess, Main("go.bat"));
  EXPECT_TRUE(g_boxes.empty());
  EXPECT_EQ(
      "#!/bin/sh\n\n"
      "# DOS: @echo off\n# no POSIX equivalent to echo off\n\n"
      "# DOS: copy a.txt b.txt /y\n# switch translation not implemented yet\ncp a.txt b.txt -y\n\n",
      Read(L"go.sh"));
  EXPECT_EQ((std::vector<std::wstring>{L"go.bat", L"go.sh"}), Listing());
}

TEST_F(WindowsPlatformTest, FoldersAreSeparatedByEitherSlash) {
  ASSERT_TRUE(CreateDirectoryW(L"sub dir", nullptr));
  Write(L"sub dir\\a.bat", "cls\n");
  Write(L"sub dir\\b.bat", "cls\n");
  EXPECT_EQ(kExitSuccess, Main("sub dir\\a.bat"));
  EXPECT_EQ(kExitSuccess, Main((Utf8(folder_) + "/sub dir/b.bat")));
  EXPECT_EQ(kCls, Read(L"sub dir\\a.sh"));
  EXPECT_EQ(kCls, Read(L"sub dir\\b.sh"));
  EXPECT_EQ((std::vector<std::wstring>{L"sub dir"}), Listing());
  EXPECT_TRUE(g_boxes.empty());
}

TEST_F(WindowsPlatformTest, NamesAreUtf16) {
  const std::wstring batch = L"\u00fcbersicht \u65e5\u672c \U0001F600.bat";
  Write(batch, "ver\r\n");
  EXPECT_EQ(kExitSuccess, Main(Utf8(batch)));
  EXPECT_EQ("#!/bin/sh\n\n# DOS: ver\nuname -a\n\n",
            Read(L"\u00fcbersicht \u65e5\u672c \U0001F600.sh"));
  EXPECT_TRUE(g_boxes.empty());
}

TEST_F(WindowsPlatformTest, ReplacesAnEarlierScript) {
  Write(L"a.bat", "cls\n");
  Write(L"a.sh", "old script, much longer than the new one\n");
  EXPECT_EQ(kExitSuccess, Main("a.bat"));
  EXPECT_EQ(kCls, Read(L"a.sh"));
  EXPECT_EQ((std::vector<std::wstring>{L"a.bat", L"a.sh"}), Listing());
}

TEST_F(WindowsPlatformTest, MissingFileAndFolderCreateNothing) {
  ASSERT_TRUE(CreateDirectoryW(L"folder.bat", nullptr));
  const std::vector<std::wstring> before = Listing();
  ExpectFailure("missing.bat", "missing.bat");
  ExpectFailure("folder.bat", "folder.bat");
  ExpectFailure("nowhere\\x.bat", "nowhere\\x.bat");
  EXPECT_EQ(before, Listing());
}

TEST_F(WindowsPlatformTest, DevicesAreNoOrdinaryFiles) {
  for (const char* device : {"NUL", "nul.bat", "CON"}) ExpectFailure(device, device);
  EXPECT_TRUE(Listing().empty());
}

TEST_F(WindowsPlatformTest, HiddenAndSystemFilesDoNotMatch) {
  const struct {
    const wchar_t* name;
    DWORD attribute;
  } cases[] = {{L"hidden.bat", FILE_ATTRIBUTE_HIDDEN}, {L"system.bat", FILE_ATTRIBUTE_SYSTEM}};
  for (const auto& c : cases) {
    Write(c.name, "cls\n");
    ASSERT_TRUE(SetFileAttributesW(c.name, c.attribute));
    const DWORD attributes = GetFileAttributesW(c.name);
    if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & c.attribute)) {
      GTEST_SKIP() << "this file system keeps no such attribute";
    }
    const std::vector<std::wstring> before = Listing();
    ExpectFailure(Utf8(c.name), Utf8(c.name));
    EXPECT_EQ(before, Listing());
  }
}

TEST_F(WindowsPlatformTest, NeverWritesOverTheBatchFileItself) {
  const std::string batch = "echo keep me\r\n";
  Write(L"self.sh", batch);
  Write(L"Upper.sh", batch);
  std::vector<std::string> names = {"self.sh", "UPPER.SH"};
  Write(L"hard.bat", batch);
  if (CreateHardLinkW(L"hard.sh", L"hard.bat", nullptr)) names.push_back("hard.bat");
  const std::vector<std::wstring> before = Listing();
  for (const std::string& name : names) {
    ExpectFailure(name, OutputName(name));
    EXPECT_NE(std::string::npos, Utf8(g_boxes.at(0).text).find("is the batch file itself"));
    EXPECT_EQ(batch, Read(std::wstring(name.begin(), name.end())));
  }
  EXPECT_EQ(before, Listing());
}

TEST_F(WindowsPlatformTest, ScriptNameTakenByAFolderFails) {
  Write(L"a.bat", "cls\n");
  ASSERT_TRUE(CreateDirectoryW(L"a.sh", nullptr));
  ExpectFailure("a.bat", "a.sh");
  EXPECT_EQ(L"a.sh: is a folder", g_boxes.at(0).text);
  EXPECT_EQ((std::vector<std::wstring>{L"a.bat", L"a.sh"}), Listing());
}

// A script that cannot replace the earlier one leaves it byte for byte, and
// no temporary file behind.
TEST_F(WindowsPlatformTest, ScriptThatCannotBeReplacedStaysAsItWas) {
  Write(L"a.bat", "cls\n");
  Write(L"a.sh", "echo earlier\n");
  // Held open without delete sharing, a.sh cannot be renamed over.
  const HANDLE held =
      CreateFileW(L"a.sh", GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(INVALID_HANDLE_VALUE, held);
  ExpectFailure("a.bat", "a.sh");
  CloseHandle(held);
  EXPECT_EQ("echo earlier\n", Read(L"a.sh"));
  EXPECT_EQ((std::vector<std::wstring>{L"a.bat", L"a.sh"}), Listing());
}

TEST_F(WindowsPlatformTest, InputIsReadInBlocks) {
  std::string batch;
  std::string script = "#!/bin/sh\n\n";
  for (int i = 0; i < 40000; ++i) {
    const std::string n = std::to_string(i);
    batch += "del c:\\temp\\" + n + ".tmp\r\n";
    script += "# DOS: del c:\\temp\\" + n +
              ".tmp\n"
              "# drive letters need to be reconciled to their proper mount points\n"
              "rm c_/temp/" +
              n + ".tmp\n\n";
  }
  Write(L"big.bat", batch);
  EXPECT_EQ(kExitSuccess, Main("big.bat"));
  EXPECT_EQ(script, Read(L"big.sh"));
}

// The real program, started with a raw command line whose program name is
// given in each of the ways Windows allows. Only runs that succeed are made:
// a failing one would show a box that nobody can dismiss.
TEST_F(WindowsPlatformTest, ProgramTakesItsNameFromTheRawCommandLine) {
  std::wstring program;
  for (const char* c = MORVEX_BINARY; *c != '\0'; ++c) program += *c == '/' ? L'\\' : wchar_t(*c);
  // A path from the build machine under Wine lies on the drive that maps its
  // root.
  if (program.front() == L'\\') program = L"Z:" + program;
  ASSERT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesW(program.c_str())) << Utf8(program);

  const struct {
    const wchar_t* command_line;
    const wchar_t* batch;
    const wchar_t* script;
  } cases[] = {
      {L"morvex a.bat", L"a.bat", L"a.sh"},
      {L"\"C:\\Program Files\\Morvex\\morvex.exe\"   my file.bat   ", L"my file.bat",
       L"my file.sh"},
      {L"\"morvex\"b.bat", L"b.bat", L"b.sh"},
      {L"morvex\tc.bat", L"c.bat", L"c.sh"},
      {L"morvex two  spaces.bat", L"two  spaces.bat", L"two  spaces.sh"},
      {L"morvex \u00e9t\u00e9.bat", L"\u00e9t\u00e9.bat", L"\u00e9t\u00e9.sh"},
  };
  for (const auto& c : cases) {
    Write(c.batch, "cls\r\n");
    std::wstring command_line = c.command_line;
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    ASSERT_TRUE(CreateProcessW(program.c_str(), command_line.data(), nullptr, nullptr, FALSE, 0,
                               nullptr, folder_.c_str(), &startup, &process))
        << Utf8(c.command_line);
    ASSERT_EQ(WAIT_OBJECT_0, WaitForSingleObject(process.hProcess, 60000));
    DWORD status = 99;
    GetExitCodeProcess(process.hProcess, &status);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    EXPECT_EQ(static_cast<DWORD>(kExitSuccess), status) << Utf8(c.command_line);
    EXPECT_EQ(kCls, Read(c.script)) << Utf8(c.command_line);
  }
}

}  // namespace
}  // namespace morvex
