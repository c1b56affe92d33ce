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

#include "driver/command_line.h"
#include "driver/platform.h"
#include "driver/platform_windows.h"
#include "driver/utf16.h"
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

FileIdentity IdentityOf(const BY_HANDLE_FILE_INFORMATION& info) {
  return {info.dwVolumeSerialNumber,
          (uint64_t{info.nFileIndexHigh} << 32) | uint64_t{info.nFileIndexLow}};
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

std::string FileNameFromArgument(std::string_view name) {
  return std::string(UnquotedName(name));
}

void ShowUsage() {
  g_message_box(UsageText().c_str(), kTitle, MB_OK | MB_ICONINFORMATION);
}

void ShowInformation(std::string_view text) {
  std::wstring shown;
  for (const wchar_t c : Wide(text)) {
    if (c == L'\n') shown += L'\r';
    shown += c;
  }
  while (!shown.empty() && (shown.back() == L'\n' || shown.back() == L'\r')) shown.pop_back();
  g_message_box(shown.c_str(), kTitle, MB_OK | MB_ICONINFORMATION);
}

void ShowFailure(std::string_view message) {
  g_message_box(Wide(message).c_str(), kTitle, MB_OK | MB_ICONERROR);
}

struct InputFile::Native {
  HANDLE handle = INVALID_HANDLE_VALUE;
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
  BY_HANDLE_FILE_INFORMATION info;
  if (!GetFileInformationByHandle(native_->handle, &info)) return LastErrorFailure(name);
  identity_ = IdentityOf(info);
  // The file opened, not only the name looked up, must be an ordinary file.
  return OrdinaryFile(name, info.dwFileAttributes);
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

Status LookUpName(const std::string& name, NameLookUp* result) {
  // Opening for no access at all works whatever the file's sharing, and opens
  // a folder too.
  const HANDLE existing =
      CreateFileW(Wide(name).c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                  nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (existing == INVALID_HANDLE_VALUE) {
    const DWORD error = GetLastError();
    if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) {
      *result = {};
      return Status::Ok();
    }
    return Status::Failure(ErrorText(error));
  }
  BY_HANDLE_FILE_INFORMATION info;
  const bool known = GetFileInformationByHandle(existing, &info);
  const DWORD error = GetLastError();
  CloseHandle(existing);
  if (!known) return Status::Failure(ErrorText(error));
  result->kind =
      (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) ? NameLookUp::kFolder : NameLookUp::kFile;
  result->identity = IdentityOf(info);
  return Status::Ok();
}

std::string_view FolderReason() {
  return "is a folder";
}

// The folder part of `name` with its separator, or a bare drive ("c:"), so
// that the temporary file lands where the script will.
std::string FolderOf(const std::string& name) {
  const size_t separator = name.find_last_of("\\/");
  if (separator != std::string::npos) return name.substr(0, separator + 1);
  const char drive = name.empty() ? '\0' : static_cast<char>(name[0] | 0x20);
  if (name.size() >= 2 && name[1] == ':' && drive >= 'a' && drive <= 'z') return name.substr(0, 2);
  return std::string();
}

struct TemporaryFile::Native {
  HANDLE handle = INVALID_HANDLE_VALUE;
  std::wstring name;
  bool renamed = false;
};

TemporaryFile::TemporaryFile() : native_(std::make_unique<Native>()) {}

TemporaryFile::~TemporaryFile() {
  if (native_->handle != INVALID_HANDLE_VALUE) CloseHandle(native_->handle);
  if (!native_->name.empty() && !native_->renamed) DeleteFileW(native_->name.c_str());
}

Status TemporaryFile::Create(const std::string& folder) {
  // A new name in the folder, tried until one is free.
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  const std::wstring stem = Wide(folder) + L".morvex-" + Hex(GetCurrentProcessId()) + L"-";
  for (unsigned long long attempt = 0; attempt < 100; ++attempt) {
    std::wstring name = stem + Hex(static_cast<unsigned long long>(now.QuadPart) + attempt);
    native_->handle = CreateFileW(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
    if (native_->handle != INVALID_HANDLE_VALUE) {
      native_->name = std::move(name);
      return Status::Ok();
    }
    const DWORD error = GetLastError();
    if (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS) {
      return Status::Failure(ErrorText(error));
    }
  }
  return Status::Failure(ErrorText(ERROR_FILE_EXISTS));
}

Status TemporaryFile::Write(std::string_view bytes) {
  while (!bytes.empty()) {
    DWORD written = 0;
    const DWORD wanted = static_cast<DWORD>(std::min(bytes.size(), kLargestTransfer));
    if (!WriteFile(native_->handle, bytes.data(), wanted, &written, nullptr)) {
      return Status::Failure(ErrorText(GetLastError()));
    }
    bytes.remove_prefix(written);
  }
  return Status::Ok();
}

Status TemporaryFile::FlushToDisk() {
  if (!FlushFileBuffers(native_->handle)) return Status::Failure(ErrorText(GetLastError()));
  return Status::Ok();
}

Status TemporaryFile::Close() {
  if (!CloseHandle(std::exchange(native_->handle, INVALID_HANDLE_VALUE))) {
    return Status::Failure(ErrorText(GetLastError()));
  }
  return Status::Ok();
}

Status TemporaryFile::RenameTo(const std::string& name) {
  // Written through: the new name is on disk when the call returns.
  if (!MoveFileExW(native_->name.c_str(), Wide(name).c_str(),
                   MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    return Status::Failure(ErrorText(GetLastError()));
  }
  native_->renamed = true;
  return Status::Ok();
}

// MoveFileExW wrote the rename through already.
Status FlushFolderToDisk(const std::string&) {
  return Status::Ok();
}

// Projects, filters, diagnostics and code pages.

Status ListFolder(const std::string& folder, std::vector<FolderEntry>* entries) {
  entries->clear();
  const std::string pattern =
      folder + (folder.back() == '/' || folder.back() == '\\' ? "*" : "\\*");
  WIN32_FIND_DATAW data;
  HANDLE find = FindFirstFileW(Wide(pattern).c_str(), &data);
  if (find == INVALID_HANDLE_VALUE) return LastErrorFailure(folder);
  do {
    const std::string name = Narrow(data.cFileName);
    if (name == "." || name == "..") continue;
    FolderEntry entry;
    entry.name = name;
    // A reparse point (a link, a junction) to a folder is not walked.
    if ((data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
      if ((data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) == 0) {
        entry.kind = FolderEntry::kFolder;
      }
    } else if ((data.dwFileAttributes & FILE_ATTRIBUTE_DEVICE) == 0) {
      entry.kind = FolderEntry::kFile;
    }
    entries->push_back(std::move(entry));
  } while (FindNextFileW(find, &data));
  const DWORD error = GetLastError();
  FindClose(find);
  if (error != ERROR_NO_MORE_FILES) return Failure(folder, ErrorText(error));
  return Status::Ok();
}

Status MakeFolders(const std::string& folder) {
  for (size_t end = 1; end <= folder.size(); ++end) {
    if (end < folder.size() && folder[end] != '/' && folder[end] != '\\') continue;
    const std::string part = folder.substr(0, end);
    if (part.size() == 2 && part[1] == ':') continue;  // a drive
    if (!CreateDirectoryW(Wide(part).c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS) {
      return LastErrorFailure(part);
    }
  }
  const DWORD attributes = GetFileAttributesW(Wide(folder).c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return LastErrorFailure(folder);
  if ((attributes & FILE_ATTRIBUTE_DIRECTORY) == 0) return Failure(folder, "is not a folder");
  return Status::Ok();
}

std::string AbsoluteName(const std::string& name) {
  const std::wstring wide = Wide(name.empty() ? "." : name);
  const DWORD size = GetFullPathNameW(wide.c_str(), 0, nullptr, nullptr);
  if (size == 0) return name;
  std::wstring full(size, L'\0');
  const DWORD written = GetFullPathNameW(wide.c_str(), size, full.data(), nullptr);
  if (written == 0 || written >= size) return name;
  full.resize(written);
  return Narrow(full);
}

Status ReadStandardInput(std::string* bytes) {
  bytes->clear();
  HANDLE input = GetStdHandle(STD_INPUT_HANDLE);
  if (input == nullptr || input == INVALID_HANDLE_VALUE) return Status::Ok();
  char block[65536];
  for (;;) {
    DWORD size = 0;
    if (!ReadFile(input, block, sizeof block, &size, nullptr)) {
      if (GetLastError() == ERROR_BROKEN_PIPE) return Status::Ok();
      return LastErrorFailure("standard input");
    }
    if (size == 0) return Status::Ok();
    bytes->append(block, size);
  }
}

Status WriteStandardOutput(std::string_view bytes) {
  HANDLE output = GetStdHandle(STD_OUTPUT_HANDLE);
  if (output == nullptr || output == INVALID_HANDLE_VALUE) {
    return Failure("standard output", "there is none");
  }
  while (!bytes.empty()) {
    DWORD size = 0;
    const DWORD request = static_cast<DWORD>(std::min(bytes.size(), kLargestTransfer));
    if (!WriteFile(output, bytes.data(), request, &size, nullptr)) {
      return LastErrorFailure("standard output");
    }
    bytes.remove_prefix(size);
  }
  return Status::Ok();
}

void ShowLine(std::string_view line) {
  HANDLE errors = GetStdHandle(STD_ERROR_HANDLE);
  if (errors == nullptr || errors == INVALID_HANDLE_VALUE) return;
  DWORD size = 0;
  WriteFile(errors, line.data(), static_cast<DWORD>(std::min(line.size(), kLargestTransfer)), &size,
            nullptr);
}

bool ErrorsOnTerminal() {
  return false;  // a desktop program has no console of its own to show progress in
}

Status Utf8FromCodePage(std::string_view bytes, unsigned code_page, std::string* utf8,
                        size_t* bad_byte) {
  *bad_byte = std::string_view::npos;
  utf8->clear();
  if (!IsValidCodePage(code_page)) {
    return Status::Failure("code page " + std::to_string(code_page) +
                           " is not one this system converts");
  }
  // Character by character, a lead byte and its trail byte together, so that
  // the byte that fails is known.
  std::wstring wide;
  wchar_t units[4];
  for (size_t i = 0; i < bytes.size();) {
    const size_t length =
        i + 1 < bytes.size() && IsDBCSLeadByteEx(code_page, static_cast<BYTE>(bytes[i])) ? 2 : 1;
    const int count = MultiByteToWideChar(code_page, MB_ERR_INVALID_CHARS, bytes.data() + i,
                                          static_cast<int>(length), units, 4);
    if (count <= 0) {
      *bad_byte = i;
      return Status::Failure("no character in code page " + std::to_string(code_page));
    }
    wide.append(units, static_cast<size_t>(count));
    i += length;
  }
  *utf8 = Narrow(wide);
  return Status::Ok();
}

}  // namespace morvex
