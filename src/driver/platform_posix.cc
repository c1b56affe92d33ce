// The platform layer on POSIX systems: a console program whose messages go to
// standard error.

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>

#include "driver/convert.h"
#include "driver/platform.h"

namespace morvex {
namespace {

Status Failure(const std::string& name, std::string_view reason) {
  return Status::Failure(name + ": " + std::string(reason));
}

Status ErrnoFailure(const std::string& name) {
  return Failure(name, std::strerror(errno));
}

// The temporary file being written, removed if the run is interrupted. A
// signal handler may only read a plain buffer.
char g_temporary[4096];

void RemoveTemporaryAndDie(int signal_number) {
  if (g_temporary[0] != '\0') unlink(g_temporary);
  std::signal(signal_number, SIG_DFL);
  std::raise(signal_number);
}

}  // namespace

std::string ArgumentString(int argc, char** argv) {
  std::string argument;
  for (int i = 1; i < argc; ++i) {
    if (i > 1) argument += ' ';
    argument += argv[i];
  }
  return argument;
}

void ShowUsage() {
  for (std::string_view line : kUsageLines) {
    std::fwrite(line.data(), 1, line.size(), stderr);
    std::fputc('\n', stderr);
  }
}

void ShowFailure(std::string_view message) {
  std::fprintf(stderr, "morvex: %.*s\n", static_cast<int>(message.size()), message.data());
}

struct InputFile::Native {
  int fd = -1;
  struct stat info = {};
  std::string name;
};

InputFile::InputFile() : native_(std::make_unique<Native>()) {}

InputFile::~InputFile() {
  if (native_->fd >= 0) close(native_->fd);
}

Status InputFile::Open(const std::string& name) {
  native_->name = name;
  // Without O_NONBLOCK, opening a pipe would wait for a writer before the
  // check below could refuse it.
  native_->fd = open(name.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
  if (native_->fd < 0) return ErrnoFailure(name);
  if (fstat(native_->fd, &native_->info) != 0) return ErrnoFailure(name);
  if (S_ISDIR(native_->info.st_mode)) return Failure(name, std::strerror(EISDIR));
  if (!S_ISREG(native_->info.st_mode)) return Failure(name, "not an ordinary file");
  const int flags = fcntl(native_->fd, F_GETFL);
  if (flags < 0 || fcntl(native_->fd, F_SETFL, flags & ~O_NONBLOCK) != 0) {
    return ErrnoFailure(name);
  }
  return Status::Ok();
}

Status InputFile::Read(char* buffer, size_t capacity, size_t* size) {
  ssize_t got;
  do {
    got = read(native_->fd, buffer, capacity);
  } while (got < 0 && errno == EINTR);
  if (got < 0) return ErrnoFailure(native_->name);
  *size = static_cast<size_t>(got);
  return Status::Ok();
}

struct OutputFile::Native {
  int fd = -1;
  std::string name;
  std::string temporary;
  bool replacing = false;  // a file of that name exists
  bool committed = false;
};

OutputFile::OutputFile() : native_(std::make_unique<Native>()) {}

OutputFile::~OutputFile() {
  if (native_->fd >= 0) close(native_->fd);
  if (!native_->temporary.empty() && !native_->committed) {
    unlink(native_->temporary.c_str());
    g_temporary[0] = '\0';
  }
}

Status OutputFile::Create(const std::string& name, const InputFile& input) {
  native_->name = name;
  struct stat existing;
  if (stat(name.c_str(), &existing) == 0) {
    // Judged by identity, not by spelling: "x.sh" itself, a link to the batch
    // file, or any other name of it.
    if (existing.st_dev == input.native_->info.st_dev &&
        existing.st_ino == input.native_->info.st_ino) {
      return Failure(name, "is the batch file itself; it is left as it is");
    }
    if (S_ISDIR(existing.st_mode)) return Failure(name, std::strerror(EISDIR));
    native_->replacing = true;
  }

  const size_t slash = name.rfind('/');
  native_->temporary =
      (slash == std::string::npos ? std::string() : name.substr(0, slash + 1)) + ".morvex-XXXXXX";
  if (native_->temporary.size() >= sizeof g_temporary) {
    native_->temporary.clear();
    return Failure(name, std::strerror(ENAMETOOLONG));
  }
  native_->fd = mkostemp(native_->temporary.data(), O_CLOEXEC);
  if (native_->fd < 0) {
    const Status failure = ErrnoFailure(name);
    native_->temporary.clear();
    return failure;
  }
  std::memcpy(g_temporary, native_->temporary.c_str(), native_->temporary.size() + 1);
  std::signal(SIGINT, RemoveTemporaryAndDie);
  std::signal(SIGTERM, RemoveTemporaryAndDie);
  std::signal(SIGHUP, RemoveTemporaryAndDie);

  // Executable, as a compiler makes its output: 0777 less the umask.
  const mode_t mask = umask(0);
  umask(mask);
  if (fchmod(native_->fd, 0777 & ~mask) != 0) return ErrnoFailure(name);
  return Status::Ok();
}

Status OutputFile::Write(std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = write(native_->fd, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return ErrnoFailure(native_->name);
    }
    bytes.remove_prefix(static_cast<size_t>(written));
  }
  return Status::Ok();
}

Status OutputFile::Commit() {
  // Before an earlier script is replaced, the new one must be on disk: a crash
  // just after the rename must not leave an empty file where the earlier one
  // was. A new name has nothing to lose, and is spared the wait.
  if (native_->replacing && fsync(native_->fd) != 0) return ErrnoFailure(native_->name);
  const int fd = std::exchange(native_->fd, -1);
  if (close(fd) != 0) return ErrnoFailure(native_->name);
  if (rename(native_->temporary.c_str(), native_->name.c_str()) != 0) {
    return ErrnoFailure(native_->name);
  }
  native_->committed = true;
  g_temporary[0] = '\0';
  return Status::Ok();
}

}  // namespace morvex
