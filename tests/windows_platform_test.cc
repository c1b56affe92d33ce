// What only the Windows platform layer does: message boxes up to the call,
// UTF-16 names, devices, hidden and system files, case-blind names, files held
// open by others, and the program started with raw command lines. The
// conversion itself is the shared code, tested end to end on Linux. Every
// test works in a temporary folder of its own, which is also the current
// folder.

#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "driver/command_line.h"
#include "driver/platform_windows.h"
#include "driver/program.h"
#include "driver/utf16.h"

namespace morvex {
namespace {

namespace fs = std::filesystem;

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
    previous_folder_ = fs::current_path();
    folder_ =
        fs::temp_directory_path() / (L"morvex-test-" + std::to_wstring(GetCurrentProcessId()) +
                                     L"-" + std::to_wstring(GetTickCount64()));
    ASSERT_TRUE(fs::create_directory(folder_));
    fs::current_path(folder_);
  }

  void TearDown() override {
    SetMessageBoxFunction(previous_box_);
    fs::current_path(previous_folder_);
    for (const auto& entry : fs::recursive_directory_iterator(folder_)) {
      SetFileAttributesW(entry.path().c_str(), FILE_ATTRIBUTE_NORMAL);
    }
    fs::remove_all(folder_);
  }

  static void Write(const fs::path& name, const std::string& content) {
    std::ofstream(name, std::ios::binary) << content;
  }

  static std::string Read(const fs::path& name) {
    std::ifstream in(name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }

  // Every name in the folder, hidden ones too, to show what a run created.
  std::vector<std::wstring> Listing() const {
    std::vector<std::wstring> names;
    for (const auto& entry : fs::directory_iterator(folder_)) {
      names.push_back(entry.path().filename().wstring());
    }
    std::sort(names.begin(), names.end());
    return names;
  }

  // Runs a failing conversion and checks its one message box, which names the
  // file.
  void ExpectFailure(const std::string& name, const std::string& named) {
    g_boxes.clear();
    EXPECT_EQ(kExitFailure, RunProgram(name)) << name;
    ASSERT_EQ(1u, g_boxes.size()) << name;
    const std::string text = Utf8(g_boxes[0].text);
    EXPECT_EQ(0u, text.find(named + ": ")) << text;
    EXPECT_GT(text.size(), named.size() + 2) << text;
    EXPECT_EQ(std::string::npos, text.find_first_of("\r\n")) << text;
    EXPECT_EQ(L"Morvex", g_boxes[0].title);
    EXPECT_EQ(static_cast<unsigned>(MB_OK | MB_ICONERROR), g_boxes[0].style);
  }

  MessageBoxFunction previous_box_ = nullptr;
  fs::path previous_folder_;
  fs::path folder_;
};

TEST_F(WindowsPlatformTest, UsageHelpAndVersionAreInformationBoxes) {
  EXPECT_EQ(
      L"Usage: Morvex Batchfile.ext\r\n"
      L"Batchfile.ext gets translated to Batchfile.sh\r\n"
      L"Batchfile.sh will run under any sh-compatible shell",
      UsageText());
  const struct {
    const char* arguments;
    int status;
    std::wstring text;
  } cases[] = {
      {"", kExitUsage, UsageText()},
      {"     ", kExitUsage, UsageText()},
      {"--version", kExitSuccess, L"morvex " MORVEX_VERSION_WIDE},
      {"--help", kExitSuccess, L""},
  };
  for (const auto& c : cases) {
    g_boxes.clear();
    EXPECT_EQ(c.status, RunProgram(c.arguments)) << c.arguments;
    ASSERT_EQ(1u, g_boxes.size());
    if (!c.text.empty()) {
      EXPECT_EQ(c.text, g_boxes[0].text);
    }
    EXPECT_EQ(L"Morvex", g_boxes[0].title);
    EXPECT_EQ(static_cast<unsigned>(MB_OK | MB_ICONINFORMATION), g_boxes[0].style);
  }
  // The help's lines end in CR LF, as a box shows them.
  EXPECT_EQ(0u, g_boxes[0].text.find(L"Usage: morvex [--runnable] NAME.bat\r\n"));
  EXPECT_EQ(std::wstring::npos, g_boxes[0].text.find(L"\r\r"));
  EXPECT_TRUE(Listing().empty());
}

TEST_F(WindowsPlatformTest, NamesAreUtf16AndEitherSlashSeparatesFolders) {
  ASSERT_TRUE(CreateDirectoryW(L"sub dir", nullptr));
  const struct {
    std::wstring batch;
    std::string argument;
    std::wstring script;
  } cases[] = {
      {L"sub dir\\a.bat", "sub dir\\a.bat", L"sub dir\\a.sh"},
      {L"sub dir\\b.bat", Utf8(folder_.wstring()) + "/sub dir/b.bat", L"sub dir\\b.sh"},
      {L"\u00fcbersicht \u65e5\u672c \U0001F600.bat",
       "\"\xC3\xBC"
       "bersicht \xE6\x97\xA5\xE6\x9C\xAC \xF0\x9F\x98\x80.bat\"",
       L"\u00fcbersicht \u65e5\u672c \U0001F600.sh"},
  };
  for (const auto& c : cases) {
    Write(c.batch, "cls\n");
    EXPECT_EQ(kExitSuccess, RunProgram(c.argument)) << c.argument;
    EXPECT_EQ(kCls, Read(c.script)) << c.argument;
  }
  EXPECT_TRUE(g_boxes.empty());
}

TEST_F(WindowsPlatformTest, OnlyOrdinaryFilesConvert) {
  const struct {
    const wchar_t* name;
    DWORD attribute;
  } cases[] = {{L"hidden.bat", FILE_ATTRIBUTE_HIDDEN}, {L"system.bat", FILE_ATTRIBUTE_SYSTEM}};
  for (const auto& c : cases) {
    Write(c.name, "cls\n");
    ASSERT_TRUE(SetFileAttributesW(c.name, c.attribute));
  }
  const std::vector<std::wstring> before = Listing();
  for (const char* device : {"NUL", "nul.bat", "CON"}) ExpectFailure(device, device);
  for (const auto& c : cases) {
    const DWORD attributes = GetFileAttributesW(c.name);
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & c.attribute)) {
      ExpectFailure(Utf8(c.name), Utf8(c.name));
    }
  }
  EXPECT_EQ(before, Listing());
}

TEST_F(WindowsPlatformTest, NeverWritesOverTheBatchFileUnderAnotherCase) {
  const std::string batch = "echo keep me\r\n";
  Write(L"Upper.sh", batch);
  const std::vector<std::wstring> before = Listing();
  ExpectFailure("UPPER.SH", "UPPER.sh");
  EXPECT_NE(std::string::npos, Utf8(g_boxes.at(0).text).find("is the batch file itself"));
  EXPECT_EQ(batch, Read(L"Upper.sh"));
  EXPECT_EQ(before, Listing());
}

// A script that cannot replace the earlier one leaves it byte for byte, and
// no temporary file behind.
TEST_F(WindowsPlatformTest, ScriptHeldOpenByAnotherStaysAsItWas) {
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
      {L"\"C:\\Program Files\\Morvex\\morvex.exe\"   my file.bat   ", L"my file.bat",
       L"my file.sh"},
      {L"\"morvex\"b.bat", L"b.bat", L"b.sh"},
      {L"morvex\tc.bat", L"c.bat", L"c.sh"},
      // Explorer quotes a dropped file whose name holds a space.
      {L"morvex \"C:\\dropped here\\d.bat\"", nullptr, L"d.sh"},
      {L"morvex -- \"\u00e9t\u00e9 e.bat\"", L"\u00e9t\u00e9 e.bat", L"\u00e9t\u00e9 e.sh"},
      {L"morvex --runnable f.bat", L"f.bat", L"f.sh"},
  };
  ASSERT_TRUE(CreateDirectoryW(L"dropped here", nullptr));
  Write(L"dropped here\\d.bat", "cls\r\n");
  for (const auto& c : cases) {
    std::wstring command_line = c.command_line;
    std::wstring script = c.script;
    if (c.batch != nullptr) {
      Write(c.batch, "cls\r\n");
    } else {
      // The dropped file lies in a folder of the temporary one.
      const size_t drive = command_line.find(L"C:\\");
      command_line.replace(drive, 2, folder_.wstring());
      script = L"dropped here\\" + script;
    }
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    ASSERT_TRUE(CreateProcessW(program.c_str(), command_line.data(), nullptr, nullptr, FALSE, 0,
                               nullptr, folder_.wstring().c_str(), &startup, &process))
        << Utf8(c.command_line);
    ASSERT_EQ(WAIT_OBJECT_0, WaitForSingleObject(process.hProcess, 60000));
    DWORD status = 99;
    GetExitCodeProcess(process.hProcess, &status);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    EXPECT_EQ(static_cast<DWORD>(kExitSuccess), status) << Utf8(c.command_line);
    if (c.batch != nullptr &&
        std::wstring(c.command_line).find(L"--runnable") != std::wstring::npos) {
      EXPECT_EQ(0u, Read(script).find("#!/bin/sh\n")) << Utf8(c.command_line);
    } else {
      EXPECT_EQ(kCls, Read(script)) << Utf8(c.command_line);
    }
  }
}

}  // namespace
}  // namespace morvex
