// Times the conversion of batch files that hold one long line built by
// repeating a pattern, at 256 KiB, 512 KiB, 1 MiB and 8 MiB, and prints how the
// time grows from one size to the next. A rule that rescans, re-cases or
// copies the rest of its line at every step shows up as a ratio near 4 per
// doubling instead of 2.
//
//   hostile [--check] [--reps N] [--only TEXT] [--binary PATH | --no-binary]
//
// Each size is converted in process with a ScriptBuilder, on a thread whose
// stack is far smaller than the line, so a rule that recursed once per
// command of a chain would crash here. The 1 MiB and 8 MiB files are then
// converted by the real program, which adds reading, writing and start-up;
// its peak resident memory is taken from wait4.
//
// Times are CPU time (the thread's, or the program's user and system time),
// the best of several runs, each started with cold caches: on a shared
// two-core machine wall time mostly measures the neighbours.
//
// --check makes the exit status 1 when a pattern takes more than 0.1 s at
// 1 MiB, or grows by more than 2.5x per doubling from 1 MiB to 8 MiB.

#include <malloc.h>
#include <pthread.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

#include "driver/script_builder.h"

#include "hostile_common.h"

namespace {

using namespace morvex::bench;

constexpr size_t kKiB = 1024;
constexpr size_t kMiB = 1024 * kKiB;
constexpr size_t kSizes[] = {256 * kKiB, 512 * kKiB, 1 * kMiB, 8 * kMiB};
constexpr size_t kSizeCount = std::size(kSizes);
constexpr size_t kOneMiB = 2;    // index of 1 MiB in kSizes
constexpr size_t kEightMiB = 3;  // index of 8 MiB in kSizes

constexpr double kLimitAtOneMiB = 0.1;     // seconds
constexpr double kLimitPerDoubling = 2.5;  // time(2n) / time(n)
// A line that converts in a few milliseconds is copied a few times and no
// more: at that scale the caches and the page tables, not the rules, set how
// the time grows, and a linear conversion can show 2.6x per doubling. Growth
// counts as super-linear only when the time beyond linear, t(8 MiB) - 8 t(1 MiB),
// is also more than this. A quadratic rule still fails as soon as it takes
// 0.1 ms at 1 MiB, since it then takes 6.4 ms at 8 MiB.
constexpr double kMaterialExcess = 0.005;  // seconds
constexpr size_t kThreadStack = 512 * kKiB;
constexpr double kNoRepeatAfter = 1.0;  // seconds: a run this slow is not repeated

// One line: `prefix`, then `unit` repeated, then `middle`, then `tail_unit`
// repeated (when there is one, the two repeats share the size equally), then
// `suffix`. The line ends in CR LF.
struct Pattern {
  const char* name;
  std::string_view prefix;
  std::string_view unit;
  std::string_view suffix = {};
  std::string_view middle = {};
  std::string_view tail_unit = {};
};

const std::vector<Pattern>& Patterns() {
  static const std::vector<Pattern> patterns = {
      // Switch, backslash and drive rewriting.
      {"copy + \"/\"", "copy ", "/"},
      {"copy + \" /x\"", "copy", " /x"},
      {"copy + \"\\\"", "copy ", "\\"},
      {"copy + \":\"", "copy ", ":"},
      // Variable rewriting in a loop body.
      {"for..do echo + \"%%\"", "for %%i in (a) do echo ", "%%"},
      {"for..do echo + \" %%\"", "for %%i in (a) do echo ", " %%"},
      {"for..do echo + \"%a\"", "for %%i in (a) do echo ", "%a"},
      {"for..do echo + \"%a%\"", "for %%i in (a) do echo ", "%a%"},
      {"for..do echo + \"ab \" + lone %", "for %%i in (a) do echo ", "ab ", "%"},
      // Chains of commands that carry a command of their own.
      {"\"if exist a \" chain + echo x", "", "if exist a ", "echo x"},
      {"\"if a==b \" chain + echo x", "", "if a==b ", "echo x"},
      {"\"not exist a \" chain + echo x", "", "not exist a ", "echo x"},
      {"\"if errorlevel 1 \" chain + echo x", "", "if errorlevel 1 ", "echo x"},
      {"\"lh \" chain + echo x", "", "lh ", "echo x"},
      {"\"loadhigh \" chain + echo x", "", "loadhigh ", "echo x"},
      {"\"for %%i in (a) do \" chain + echo x", "", "for %%i in (a) do ", "echo x"},
      {"\"doskey a=\" chain + echo x", "", "doskey a=", "echo x"},
      // The splitter.
      {"attrib + \"+r \"", "attrib ", "+r "},
      {"attrib + \"-rhs \"", "attrib ", "-rhs "},
      {"attrib + '\"a b\" '", "attrib ", "\"a b\" "},
      // Search paths, directories, deltree.
      {"path + \"c:\\dos;\"", "path ", "c:\\dos;"},
      {"set PATH= + \"c:\\dos;\"", "set PATH=", "c:\\dos;"},
      {"cd\\ + \"a\\\"", "cd\\", "a\\"},
      {"deltree + \" /y\"", "deltree ", " /y"},
      // Plain text.
      {"echo + letters", "echo ", "abcdefghij"},
      {"spaces ending in x", "", " ", "x"},
      {"\"@\" repeated", "", "@"},
      {"no separator at all", "", "a"},
      // Chains built to defeat the shortcuts that keep the rules linear.
      {"\"doskey a=\" chain, echo x, \" /insert\"s", "", "doskey a=", "", "echo x", " /insert"},
      {"\"doskey a=\" chain, echo x, \" /insert x\"s", "", "doskey a=", "", "echo x", " /insert x"},
      {"\"doskey /insert a=\" chain + echo x", "", "doskey /insert a=", "echo x"},
      {"\"if exist a \" chain, nothing after", "", "if exist a "},
      {"\"lh  \" (two spaces) chain + echo x", "", "lh  ", "echo x"},
      {"\"for %%i in (a) do \" chain, echo, \" %%i\"s", "", "for %%i in (a) do ", "", "echo",
       " %%i"},
      {"\"@if exist a \" chain + echo x", "", "@if exist a ", "echo x"},
      {"\"for..do if exist %%i \" chain + echo %%i", "", "for %%i in (a) do if exist %%i ",
       "echo %%i"},
      {"\"if exist a lh for %%i in (a) do \" + echo x", "", "if exist a lh for %%i in (a) do ",
       "echo x"},
      {"\"if \" chain + a==b echo x", "", "if ", "a==b echo x"},
  };
  return patterns;
}

void AppendRepeated(std::string& out, std::string_view unit, size_t budget) {
  for (size_t n = budget / unit.size(); n > 0; --n) out += unit;
}

// A line of about `size` bytes, line end included, made of whole units.
std::string BuildLine(const Pattern& p, size_t size) {
  const size_t fixed = p.prefix.size() + p.middle.size() + p.suffix.size() + 2;
  const size_t budget = size > fixed ? size - fixed : 0;
  std::string line;
  line.reserve(size);
  line += p.prefix;
  if (p.tail_unit.empty()) {
    AppendRepeated(line, p.unit, budget);
    line += p.middle;
  } else {
    AppendRepeated(line, p.unit, budget / 2);
    line += p.middle;
    AppendRepeated(line, p.tail_unit, budget - budget / 2);
  }
  line += p.suffix;
  line += "\r\n";
  return line;
}

volatile char evicted_sink;  // keeps the writes below from being optimised away

// Writes over more memory than the caches hold, so every run starts cold: a
// 1 MiB line that stayed in the cache from the run before would otherwise be
// compared with an 8 MiB one that never fits.
void EvictCaches() {
  static std::vector<char> scratch(64 * kMiB);
  static char round = 0;
  std::fill(scratch.begin(), scratch.end(), ++round);
  evicted_sink = scratch[size_t(round) * 4099 % scratch.size()];
}

// The best of `reps` in-process conversions of `input`. Aborts when the
// script does not begin with the header and the line's comment, so a broken
// conversion is never timed as a fast one.
// Keeps the beginning of a script and counts the rest, as the program passes
// it on to the file: holding a script of hundreds of MiB would time the
// memory it takes, not the conversion.
class HeadOutput : public morvex::ScriptOutput {
 public:
  explicit HeadOutput(size_t keep) : keep_(keep) {}
  void Write(std::string_view bytes) override {
    head += bytes.substr(0, keep_ - std::min(keep_, head.size()));
    size += bytes.size();
  }
  std::string head;
  size_t size = 0;

 private:
  size_t keep_;
};

double TimeInProcess(const std::string& input, int reps) {
  const std::string_view raw(input.data(), input.size() - 2);
  double best = INFINITY;
  for (int r = 0; r < reps; ++r) {
    EvictCaches();
    const std::string_view head = "#!/bin/sh\n\n# DOS: ";
    HeadOutput output(head.size() + raw.size() + 1);
    const double start = ThreadSeconds();
    morvex::ScriptBuilder builder(output);
    builder.Feed(input);
    builder.Finish();
    const double seconds = ThreadSeconds() - start;
    best = std::min(best, seconds);
    const std::string& script = output.head;
    if (script.compare(0, head.size(), head) != 0 ||
        script.compare(head.size(), raw.size(), raw) != 0 ||
        output.size <= head.size() + raw.size() || script[head.size() + raw.size()] != '\n') {
      std::fprintf(stderr, "hostile: the script does not begin with the line's comment\n");
      std::abort();
    }
    if (seconds > kNoRepeatAfter) break;
  }
  return best;
}

struct Run {
  double seconds = INFINITY;
  long max_rss_kib = 0;
};

// Runs the program on `bat` and returns its CPU time and peak memory. The
// program is started by a fresh copy of this benchmark (RunAndReport), not by
// this process itself: a child's peak resident memory counts the memory of
// the process it was forked from, which here holds hundreds of MiB of lines
// and scripts.
Run RunProgramOnce(const std::string& binary, const std::string& bat) {
  int status = 0;
  const std::string out = RunSelf({"--run-and-report", binary, bat}, &status);
  const char* report = out.c_str();
  Run run;
  int program_status = -1;
  if (std::sscanf(report, "%lf %ld %d", &run.seconds, &run.max_rss_kib, &program_status) != 3 ||
      program_status != 0) {
    std::fprintf(stderr, "hostile: %s failed on %s (%s)\n", binary.c_str(), bat.c_str(), report);
    std::exit(2);
  }
  return run;
}

// The best of `reps` runs of the program on `input`, written to `dir`.
Run TimeBinary(const std::string& binary, const std::string& dir, const std::string& input,
               int reps) {
  const std::string bat = dir + "/line.bat";
  const std::string sh = dir + "/line.sh";
  {
    std::ofstream file(bat, std::ios::binary | std::ios::trunc);
    file.write(input.data(), std::streamsize(input.size()));
    if (!file) {
      std::perror(bat.c_str());
      std::exit(2);
    }
  }
  Run best;
  for (int r = 0; r < reps; ++r) {
    const Run run = RunProgramOnce(binary, bat);
    best.seconds = std::min(best.seconds, run.seconds);
    best.max_rss_kib = std::max(best.max_rss_kib, run.max_rss_kib);
    if (run.seconds > kNoRepeatAfter) break;
  }
  std::remove(bat.c_str());
  std::remove(sh.c_str());
  return best;
}

struct Result {
  double in_process[kSizeCount] = {};
  Run binary[2];  // 1 MiB and 8 MiB
  bool ran_binary = false;
};

// Whether the time from 1 MiB to 8 MiB grows faster than the limit allows.
bool SuperLinear(double one_mib, double eight_mib) {
  return PerDoubling(one_mib, eight_mib, 3) > kLimitPerDoubling &&
         eight_mib - 8 * one_mib > kMaterialExcess;
}

struct Job {
  const HostileOptions* options;
  const std::vector<const Pattern*>* patterns;
  std::vector<Result>* results;
};

void* MeasureInProcess(void* arg) {
  const Job& job = *static_cast<Job*>(arg);
  for (size_t i = 0; i < job.patterns->size(); ++i) {
    const Pattern& p = *(*job.patterns)[i];
    for (size_t s = 0; s < kSizeCount; ++s) {
      const std::string input = BuildLine(p, kSizes[s]);
      // Small sizes are cheap and their times short, so they get more runs.
      const int reps = kSizes[s] > kMiB ? job.options->reps : 3 * job.options->reps;
      (*job.results)[i].in_process[s] = TimeInProcess(input, reps);
    }
    std::fprintf(stderr, ".");
  }
  std::fprintf(stderr, "\n");
  return nullptr;
}

int Usage() {
  std::fprintf(stderr,
               "usage: hostile [--check] [--reps N] [--only TEXT] [--binary PATH | --no-binary]\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 4 && std::string_view(argv[1]) == "--run-and-report") {
    return RunAndReport(argv[2], nullptr, argv[3], 60);
  }
  HostileOptions options;
  options.binary = MORVEX_BINARY;
  if (!ParseHostileOptions(argc, argv, &options)) return Usage();

  std::vector<const Pattern*> patterns;
  for (const Pattern& p : Patterns()) {
    if (std::string_view(p.name).find(options.only) != std::string_view::npos) {
      patterns.push_back(&p);
    }
  }
  std::vector<Result> results(patterns.size());

  // Memory that a conversion frees stays with the process for the next one,
  // so the best of several runs times the conversion rather than the kernel
  // handing out fresh pages for a 50 MiB script each time.
  mallopt(M_ARENA_MAX, 1);
  mallopt(M_MMAP_MAX, 0);
  mallopt(M_TRIM_THRESHOLD, std::numeric_limits<int>::max());

  // In process, on a thread with a small stack.
  Job job{&options, &patterns, &results};
  pthread_attr_t attr;
  pthread_attr_init(&attr);
  pthread_attr_setstacksize(&attr, kThreadStack);
  pthread_t thread;
  if (pthread_create(&thread, &attr, MeasureInProcess, &job) != 0) {
    std::fprintf(stderr, "hostile: cannot start the measuring thread\n");
    return 2;
  }
  pthread_join(thread, nullptr);
  pthread_attr_destroy(&attr);

  // Through the program.
  if (!options.binary.empty()) {
    char dir_template[] = "/tmp/morvex-hostile.XXXXXX";
    const char* dir = mkdtemp(dir_template);
    if (dir == nullptr) {
      std::perror("hostile: mkdtemp");
      return 2;
    }
    for (size_t i = 0; i < patterns.size(); ++i) {
      const int reps = options.reps;
      results[i].binary[0] =
          TimeBinary(options.binary, dir, BuildLine(*patterns[i], kSizes[kOneMiB]), reps);
      results[i].binary[1] =
          TimeBinary(options.binary, dir, BuildLine(*patterns[i], kSizes[kEightMiB]), reps);
      results[i].ran_binary = true;
      std::fprintf(stderr, ".");
    }
    std::fprintf(stderr, "\n");
    rmdir(dir);
  }

  std::printf(
      "CPU time to convert one line, in ms (best of %d runs up to 1 MiB, of %d at 8 MiB and for "
      "the program),\nits growth per doubling of the size, and the program's peak resident "
      "memory\n",
      3 * options.reps, options.reps);
  std::printf("%-44s %8s %8s %8s %8s | %5s %5s %7s | %8s %8s %7s %8s\n", "pattern", "256K", "512K",
              "1M", "8M", "x256K", "x512K", "x1M-8M", "prog 1M", "prog 8M", "x1M-8M", "RSS 8M");
  int flagged = 0;
  for (size_t i = 0; i < patterns.size(); ++i) {
    const Result& r = results[i];
    const double* t = r.in_process;
    const double per_doubling = PerDoubling(t[kOneMiB], t[kEightMiB], 3);
    std::printf("%-44s %8.2f %8.2f %8.2f %8.2f | %5.2f %5.2f %7.2f |", patterns[i]->name,
                t[0] * 1e3, t[1] * 1e3, t[2] * 1e3, t[3] * 1e3, t[1] / t[0], t[2] / t[1],
                per_doubling);
    std::string why;
    if (t[kOneMiB] > kLimitAtOneMiB) why += " slow at 1 MiB;";
    if (SuperLinear(t[kOneMiB], t[kEightMiB])) why += " super-linear;";
    if (r.ran_binary) {
      const double program_doubling = PerDoubling(r.binary[0].seconds, r.binary[1].seconds, 3);
      std::printf(" %8.2f %8.2f %7.2f %6ldMi", r.binary[0].seconds * 1e3, r.binary[1].seconds * 1e3,
                  program_doubling, r.binary[1].max_rss_kib / 1024);
      if (r.binary[0].seconds > kLimitAtOneMiB) why += " program slow at 1 MiB;";
      if (SuperLinear(r.binary[0].seconds, r.binary[1].seconds)) {
        why += " program super-linear;";
      }
    }
    if (!why.empty()) {
      ++flagged;
      std::printf("  <<%s", why.c_str());
    }
    std::printf("\n");
  }
  std::printf(
      "%d of %zu patterns over the limits: %.1f s at 1 MiB; %.1fx per doubling from 1 MiB to 8 MiB "
      "with more than %.0f ms beyond linear\n",
      flagged, patterns.size(), kLimitAtOneMiB, kLimitPerDoubling, kMaterialExcess * 1e3);
  return options.check && flagged > 0 ? 1 : 0;
}
