#include "hostile_common.h"

#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <vector>

namespace morvex::bench {

bool ParseHostileOptions(int argc, char** argv, HostileOptions* options) {
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "--check") {
      options->check = true;
    } else if (arg == "--reps" && i + 1 < argc) {
      options->reps = std::max(1, std::atoi(argv[++i]));
    } else if (arg == "--only" && i + 1 < argc) {
      options->only = argv[++i];
    } else if (arg == "--binary" && i + 1 < argc) {
      options->binary = argv[++i];
    } else if (arg == "--no-binary") {
      options->binary.clear();
    } else {
      return false;
    }
  }
  return true;
}

double ThreadSeconds() {
  timespec ts{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
  return double(ts.tv_sec) + double(ts.tv_nsec) * 1e-9;
}

double TimevalSeconds(const timeval& tv) {
  return double(tv.tv_sec) + double(tv.tv_usec) * 1e-6;
}

double PerDoubling(double from, double to, double doublings) {
  return std::pow(to / from, 1.0 / doublings);
}

int RunAndReport(const char* binary, const char* option, const char* path, unsigned cpu_seconds) {
  const pid_t pid = fork();
  if (pid == 0) {
    const rlimit cpu{cpu_seconds, cpu_seconds + 10};
    setrlimit(RLIMIT_CPU, &cpu);
    if (option != nullptr) {
      execl(binary, binary, option, path, static_cast<char*>(nullptr));
    } else {
      execl(binary, binary, path, static_cast<char*>(nullptr));
    }
    _exit(127);
  }
  int status = 0;
  rusage usage{};
  if (pid < 0 || wait4(pid, &status, 0, &usage) != pid) return 2;
  const double seconds = TimevalSeconds(usage.ru_utime) + TimevalSeconds(usage.ru_stime);
  const int exit_status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  std::printf("%.6f %ld %d\n", seconds, usage.ru_maxrss, exit_status);
  return 0;
}

std::string RunSelf(const std::vector<std::string>& args, int* status) {
  int pipe_fds[2];
  if (pipe(pipe_fds) != 0) {
    std::perror("pipe");
    std::exit(2);
  }
  const pid_t pid = fork();
  if (pid == 0) {
    dup2(pipe_fds[1], STDOUT_FILENO);
    close(pipe_fds[0]);
    close(pipe_fds[1]);
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>("bench"));
    for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    execv("/proc/self/exe", argv.data());
    _exit(127);
  }
  close(pipe_fds[1]);
  std::string out;
  char buffer[256];
  for (ssize_t n; (n = read(pipe_fds[0], buffer, sizeof buffer)) > 0;)
    out.append(buffer, size_t(n));
  close(pipe_fds[0]);
  *status = 0;
  waitpid(pid, status, 0);
  return out;
}

}  // namespace morvex::bench
