// The platform layer on Windows: a desktop program without a window of its
// own, which speaks to the user only through message boxes. File names are
// UTF-16 here and UTF-8 in the shared code.

#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <algorithm>
#include <cwchar>
#include <string>
#include <utility>

#include "driver/convert.h"
#include "driver/platform.h"
#include "driver/platform_windows.h"
#include "driver/windows_command_line.h"

namespace morvex {
namespace {

constexpr wchar_t kTitle[] = L"Morvex";

// ReadFile and WriteFile take a 32-bit count; larger requests go in pieces.
constexpr size_t kLargestTransfer = size_t{1} << 30;

std::wstring Wide(std::string_view utf8) {
  const std::u16string units = Utf16FromUtf8(utf8);
  return std::wstring(units.begin(), units.end());
}

std::string Narrow(std::wstring_view wide) {
  return Utf8FromUtf16(std::u16string(wide.begin(), wide.end()));
}

// The system's own text for an error code, such as "The system cannot find
// the file specified.", without the line end that FormatMessageW adds.
std::string ErrorText(DWORD code) {
  wchar_t* buffer = nullptr;
  const DWORD length = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, code, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
  std::wstring text;
  if (length != 0 && buffer != nullptr) text.assign(buffer, length);
  LocalFree(buffer);
  while (!text.empty() && (text.back() == L'\r' || text.back() == L'\n' || text.back() == L' ')) {
    text.pop_back();
  }
  if (text.empty()) return "system error " + std::to_string(code);
  return Narrow(text);
}

Status Failure(const std::string& name, std::string_view reason) {
  return Status::Failure(name + ": " + std::string(reason));
}

// Must be called straight after the call that failed, before anything can
// change the thread's last error.
Status LastErrorFailure(const std::string& name) {
  return Failure(name, ErrorText(GetLastError()));
}

// The existence test: only an ordinary file matches. Folders, hidden and
// system files, and devices do not.
Status OrdinaryFile(const std::string& name, DWORD attributes) {
  if (attributes & FILE_ATTRIBUTE_DIRECTORY) return Failure(name, "is a folder");
  if (attributes & FILE_ATTRIBUTE_HIDDEN) return Failure(name, "is a hidden file");
  if (attributes & FILE_ATTRIBUTE_SYSTEM) return Failure(name, "is a system file");
  if (attributes & FILE_ATTRIBUTE_DEVICE) return Failure(name, "not an ordinary file");
  return Status::Ok();
}

bool SameFile(const BY_HANDLE_FILE_INFORMATION& a, const BY_HANDLE_FILE_INFORMATION& b) {
  return a.dwVolumeSerialNumber == b.dwVolumeSerialNumber && a.nFileIndexHigh == b.nFileIndexHigh &&
         a.nFileIndexLow == b.nFileIndexLow;
}

// The folder part of `name` with its separator, or a bare drive ("c:"), so
// that the temporary file lands where the script will.
std::wstring FolderOf(const std::wstring& name) {
  const size_t separator = name.find_last_of(L"\\/");
  if (separator != std::wstring::npos) return name.substr(0, separator + 1);
  const wchar_t drive = name.empty() ? L'\0' : (name[0] | 0x20);
  if (name.size() >= 2 && name[1] == L':' && drive >= L'a' && drive <= L'z')
    return name.substr(0, 2);
  return std::wstring();
}

std::wstring Hex(unsigned long long value) {
  std::wstring digits;
  do {
    digits.insert(digits.begin(), L"0123456789abcdef"[value % 16]);
    value /= 16;
  } while (value != 0);
  return digits;
}

int CallMessageBoxW(const wchar_t* text, const wchar_t* title, unsigned int style) {
  return MessageBoxW(nullptr, text, title, style);
}

MessageBoxFunction g_message_box = CallMessageBoxW;

}  // namespace

MessageBoxFunction SetMessageBoxFunction(MessageBoxFunction function) {
  return std::exchange(g_message_box, function);
}

std::wstring UsageText() {
  std::wstring text;
  for (std::string_view line : kUsageLines) {
    if (!text.empty()) text += L"\r\n";
    text += Wide(line);
  }
  return text;
}

// argv holds the command line already split and unquoted, in the ANSI code
// page; the raw UTF-16 line is what names the file.
std::string ArgumentString(int, char**) {
  const wchar_t* line = GetCommandLineW();
  const std::u16string units(line, line + std::wcslen(line));
  return Utf8FromUtf16(ArgumentsAfterProgramName(units));
}

void ShowUsage() {
  g_message_box(UsageText().c_str(), kTitle, MB_OK | MB_ICONINFORMATION);
}

void ShowFailure(std::string_view message) {
  g_message_box(Wide(message).c_str(), kTitle, MB_OK | MB_ICONERROR);
}

struct InputFile::Native {
  HANDLE handle = INVALID_HANDLE_VALUE;
  BY_HANDLE_FILE_INFORMATION info = {};
  std::string name;
};

InputFile::InputFile() : native_(std::make_unique<Native>()) {}

InputFile::~InputFile() {
  if (native_->handle != INVALID_HANDLE_VALUE) CloseHandle(native_->handle);
}

Status InputFile::Open(const std::string& name) {
  native_->name = name;
  const std::wstring path = Wide(name);
  const DWORD attributes = GetFileAttributesW(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return LastErrorFailure(name);
  if (Status status = OrdinaryFile(name, attributes); !status.ok()) return status;

  // Others may go on reading and writing it, but nobody may delete it or
  // rename a file over it while it is read.
  native_->handle = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                nullptr, OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
  if (native_->handle == INVALID_HANDLE_VALUE) return LastErrorFailure(name);
  // A device name such as NUL or COM1 passes the look-up but opens no file.
  if (GetFileType(native_->handle) != FILE_TYPE_DISK) return Failure(name, "not an ordinary file");
  if (!GetFileInformationByHandle(native_->handle, &native_->info)) return LastErrorFailure(name);
  // The file opened, not only the name looked up, must be an ordinary file.
  return OrdinaryFile(name, native_->info.dwFileAttributes);
}

Status InputFile::Read(char* buffer, size_t capacity, size_t* size) {
  DWORD got = 0;
  const DWORD wanted = static_cast<DWORD>(std::min(capacity, kLargestTransfer));
  if (!ReadFile(native_->handle, buffer, wanted, &got, nullptr)) {
    return LastErrorFailure(native_->name);
  }
  *size = got;
  return Status::Ok();
}

struct OutputFile::Native {
  HANDLE handle = INVALID_HANDLE_VALUE;
  std::string name;
  std::wstring path;
  std::wstring temporary;
  bool replacing = false;  // a file of that name exists
  bool committed = false;
};

OutputFile::OutputFile() : native_(std::make_unique<Native>()) {}

OutputFile::~OutputFile() {
  if (native_->handle != INVALID_HANDLE_VALUE) CloseHandle(native_->handle);
  if (!native_->temporary.empty() && !native_->committed) DeleteFileW(native_->temporary.c_str());
}

Status OutputFile::Create(const std::string& name, const InputFile& input) {
  native_->name = name;
  native_->path = Wide(name);

  // Judged by identity, not by spelling: "x.sh" itself, another case or short
  // name of it, or a hard link to the batch file. Opening for no access at all
  // works whatever the file's sharing, and opens a folder too.
  const HANDLE existing =
      CreateFileW(native_->path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                  nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (existing != INVALID_HANDLE_VALUE) {
    BY_HANDLE_FILE_INFORMATION info;
    const bool known = GetFileInformationByHandle(existing, &info);
    CloseHandle(existing);
    if (known && SameFile(info, input.native_->info)) {
      return Failure(name, "is the batch file itself; it is left as it is");
    }
    if (known && (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
      return Failure(name, "is a folder");
    }
    native_->replacing = true;
  }

  // A new name in the script's folder, tried until one is free.
  const std::wstring folder = FolderOf(native_->path);
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  const std::wstring stem = folder + L".morvex-" + Hex(GetCurrentProcessId()) + L"-";
  for (unsigned long long attempt = 0; attempt < 100; ++attempt) {
    std::wstring temporary = stem + Hex(static_cast<unsigned long long>(now.QuadPart) + attempt);
    native_->handle = CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
    if (native_->handle != INVALID_HANDLE_VALUE) {
      native_->temporary = std::move(temporary);
      return Status::Ok();
    }
    const DWORD error = GetLastError();
    if (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS) {
      return Failure(name, ErrorText(error));
    }
  }
  return Failure(name, ErrorText(ERROR_FILE_EXISTS));
}

Status OutputFile::Write(std::string_view bytes) {
  while (!bytes.empty()) {
    DWORD written = 0;
    const DWORD wanted = static_cast<DWORD>(std::min(bytes.size(), kLargestTransfer));
    if (!WriteFile(native_->handle, bytes.data(), wanted, &written, nullptr)) {
      return LastErrorFailure(native_->name);
    }
    bytes.remove_prefix(written);
  }
  return Status::Ok();
}

Status OutputFile::Commit() {
  // As on POSIX: an earlier script is replaced only by one that is on disk.
  if (native_->replacing && !FlushFileBuffers(native_->handle)) {
    return LastErrorFailure(native_->name);
  }
  const HANDLE handle = std::exchange(native_->handle, INVALID_HANDLE_VALUE);
  if (!CloseHandle(handle)) return LastErrorFailure(native_->name);
  if (!MoveFileExW(native_->temporary.c_str(), native_->path.c_str(),
                   MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    return LastErrorFailure(native_->name);
  }
  native_->committed = true;
  return Status::Ok();
}

}  // namespace morvex
