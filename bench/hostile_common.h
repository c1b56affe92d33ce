// What the two hostile-input benchmarks share: their options, CPU clocks, the
// growth per doubling, and the child that runs the program and reports its
// CPU time and peak memory.

#ifndef MORVEX_BENCH_HOSTILE_COMMON_H_
#define MORVEX_BENCH_HOSTILE_COMMON_H_

#include <sys/time.h>

#include <string>
#include <vector>

namespace morvex::bench {

// [--check] [--reps N] [--only TEXT] [--binary PATH | --no-binary]
struct HostileOptions {
  bool check = false;
  int reps = 3;
  std::string only;    // patterns whose name holds this
  std::string binary;  // the program to run, or empty for in process only
};

// Reads the options after argv[0]; false on a word it does not know.
bool ParseHostileOptions(int argc, char** argv, HostileOptions* options);

// CPU time of the calling thread: what the conversion costs, whatever else
// the machine is running.
double ThreadSeconds();
double TimevalSeconds(const timeval& tv);

// The factor by which a figure grows per doubling of the input.
double PerDoubling(double from, double to, double doublings);

// Runs `binary` on `path`, with `option` before it unless null, under a CPU
// limit of `cpu_seconds`, and prints "seconds peak_kib exit_status" on
// stdout. The benchmarks start it in a fresh copy of themselves: a child's
// peak resident memory counts the memory of the process it was forked from.
int RunAndReport(const char* binary, const char* option, const char* path, unsigned cpu_seconds);

// Runs this program again with `args` after its name, and returns what it
// printed on stdout; `*status` gets its wait status.
std::string RunSelf(const std::vector<std::string>& args, int* status);

}  // namespace morvex::bench

#endif  // MORVEX_BENCH_HOSTILE_COMMON_H_
