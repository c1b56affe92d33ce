// Times the runnable mode on batch files built from repeating patterns at 1,
// 2, 4 and 8 MiB, single lines and many lines, and prints how the time and
// the memory grow from one size to the next. A step that rescans the rest of
// a line, copies a block at every level or keeps a table that every line
// searches shows up as a ratio near 4 per doubling instead of 2.
//
//   runnable_hostile [--check] [--reps N] [--only TEXT] [--binary PATH | --no-binary]
//
// Every conversion runs in a child process of its own, so that a crash or a
// hang is reported as such and the next pattern still runs:
//
//   in process   the child reads the batch file and converts it with
//                WriteRunnableScript on a thread whose stack is far smaller
//                than the input, so a parser or generator that recursed
//                once per parenthesis or per command of a chain would crash
//                here. Peak memory is the growth of the child's peak
//                resident memory during the first conversion.
//   program      `morvex --runnable` on the file, with reading and writing;
//                its CPU time and peak resident memory come from wait4.
//
// Times are CPU time (the converting thread's, or the program's user and
// system time), the best of several runs: on a shared two-core machine wall
// time mostly measures the neighbours. In process, a first run that is not
// timed measures the memory and leaves it with the process, so the timed runs
// measure the conversion's own work; the program's figures include the cost
// of fresh memory, reading and writing. A child gets at most a minute of CPU
// time; a size that fails or takes more than 20 s is not followed by the
// larger ones.
//
// --check makes the exit status 1 when a pattern fails to convert, takes more
// than 3 s at 8 MiB, grows by more than 2.5x per doubling from 1 MiB to 8 MiB
// (in time or in memory, by a material amount beyond linear), or needs more
// than 64 bytes of memory per input byte.

#include <malloc.h>
#include <pthread.h>
#include <signal.h>
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
#include <iterator>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

#include "generator/runnable_script.h"

#include "hostile_common.h"

namespace {

using namespace morvex::bench;

constexpr size_t kKiB = 1024;
constexpr size_t kMiB = 1024 * kKiB;
constexpr size_t kSizes[] = {1 * kMiB, 2 * kMiB, 4 * kMiB, 8 * kMiB};
constexpr size_t kSizeCount = std::size(kSizes);

constexpr double kLimitAtEightMiB = 3.0;   // seconds
constexpr double kLimitPerDoubling = 2.5;  // growth(2n) / growth(n)
// Growth counts as super-linear only when the excess over linear,
// t(8 MiB) - 8 t(1 MiB), is also this large: a conversion of a few
// milliseconds is ruled by caches and page faults, not by its algorithm.
constexpr double kMaterialSeconds = 0.02;
constexpr double kMaterialKiB = 32 * 1024;
constexpr double kMaxBytesPerInputByte = 64;
constexpr size_t kThreadStack = 512 * kKiB;
constexpr unsigned kChildSeconds = 60;
constexpr double kNoRepeatAfter = 1.0;  // seconds: a run this slow is not repeated
constexpr double kGiveUpSeconds = 20;   // a size this slow is not followed by a larger one

// A batch file: `head` once, then `unit` repeated, then `middle`, then
// `tail_unit` repeated (when there is one, the two repeats share the size
// equally), then `end`. In a unit, "$N" stands for the repeat's number and
// "$M" for the next one, so that labels and variables differ.
struct Pattern {
  const char* name;
  std::string_view head;
  std::string_view unit;
  std::string_view middle = {};
  std::string_view tail_unit = {};
  std::string_view end = "\r\n";
};

constexpr std::string_view kDelayed = "@setlocal enabledelayedexpansion\r\n";
constexpr std::string_view kDelayedEcho = "@setlocal enabledelayedexpansion\r\necho ";

const std::vector<Pattern>& Patterns() {
  static const std::vector<Pattern> patterns = {
      // One line of one character, alone and after echo.
      {"line of /", "", "/"},
      {"echo + /", "echo ", "/"},
      {"line of %%", "", "%%"},
      {"echo + %%", "echo ", "%%"},
      {"line of %", "", "%"},
      {"echo + %", "echo ", "%"},
      {"line of ^", "", "^"},
      {"echo + ^", "echo ", "^"},
      {"line of \"", "", "\""},
      {"echo + \"", "echo ", "\""},
      {"echo + (", "echo ", "("},
      {"echo + )", "echo ", ")"},
      {"line of ! (delayed)", kDelayed, "!"},
      {"echo + ! (delayed)", kDelayedEcho, "!"},
      {"echo + !x! (delayed)", kDelayedEcho, "!x!"},
      // Expansions and quotes.
      {"echo + %x%", "echo ", "%x%"},
      {"echo + %x$N%", "echo ", "%x$N%"},
      {"echo + %~dp0", "echo ", "%~dp0"},
      {"echo + %x:~1,2%", "echo ", "%x:~1,2%"},
      {"echo + %x:a=b%", "echo ", "%x:a=b%"},
      {"echo + \"a b\" ", "echo ", "\"a b\" "},
      // Operators and redirections.
      {"\"echo a&\" chain", "", "echo a&", "echo a"},
      {"\"echo a|\" chain", "", "echo a|", "more"},
      {"\"echo a&&echo b||\" chain", "", "echo a&&echo b||", "echo c"},
      {"line of &", "", "&"},
      {"line of |", "", "|"},
      {"echo a + \" >f\"", "echo a", " >f"},
      {"echo a + \" 2>&1\"", "echo a", " 2>&1"},
      {"\">f \" + echo a", "", ">f ", "echo a"},
      {"type a + \" <f\"", "type a", " <f"},
      // Chains of commands that carry a command.
      {"\"if 1==1 \" chain", "", "if 1==1 ", "echo x"},
      {"\"if not exist a \" chain", "", "if not exist a ", "echo x"},
      {"\"if 1==1 (echo a) else \" chain", "", "if 1==1 (echo a) else ", "echo b"},
      {"\"for %%i in (a) do \" chain", "", "for %%i in (a) do ", "echo %%i"},
      // set /a.
      {"set /a x=1 + \"+1\"", "set /a x=1", "+1"},
      {"set /a \"x=1 + \"+1\"", "set /a \"x=1", "+1", "\""},
      {"set /a x= + deep ( )", "set /a x=", "(", "1", ")"},
      // Parentheses over one line.
      {"( nested ) on one line", "", "(", "echo x", ")"},
      {"( unclosed on one line", "", "("},
      {") unopened on one line", "", ")"},
      {"(echo a) chain on one line", "", "(echo a)"},
      // Parentheses over many lines.
      {"( nested ) over lines", "", "(\r\n", "echo x\r\n", ")\r\n", ""},
      {"( unclosed over lines", "", "(\r\n", "", "", ""},
      {") unopened over lines", "", ")\r\n", "", "", ""},
      {"if 1==1 ( nested ) over lines", "", "if 1==1 (\r\n", "echo x\r\n", ")\r\n", ""},
      {"one block of echo lines", "(\r\n", "echo a\r\n", "", "", ")\r\n"},
      {"one block of set x=%x%a lines", "(\r\n", "set x$N=%x$N%a\r\n", "", "", ")\r\n"},
      {"if ( ) else ( ) blocks", "", "if 1==1 (\r\necho a\r\n) else (\r\necho b\r\n)\r\n", "", "",
       ""},
      {"echo a ^ continued lines", "", "echo a ^\r\n", "", "", "\r\n"},
      // Labels and gotos.
      {"labels, goto the next", "", ":l$N\r\ngoto l$M\r\n", "", "", ""},
      {"labels, goto the first", ":l0\r\n", ":l$N\r\nif 1==0 goto l0\r\n", "", "", ""},
      {"one label again and again, goto it", "", ":l\r\ngoto l\r\n", "", "", ""},
      {"gotos to no label", "", "goto nowhere$N\r\n", "", "", ""},
      {"labels, call the next", "", ":l$N\r\ncall :l$M x\r\n", "", "", ""},
      {"goto in a block in a loop", "",
       "for %%i in (a b) do (\r\n  echo %%i\r\n  goto l$N\r\n)\r\n:l$N\r\n", "", "", ""},
      {"labels and gotos in one block", "(\r\n", ":l$N\r\ngoto l$N\r\n", "", "", ")\r\n"},
      {"labels, goto one known when it runs", "", ":l$N\r\ngoto %x%\r\n", "", "", ""},
      {"one label again and again, call it by value", "", ":l\r\ncall :%x%\r\n", "", "", ""},
      {"set /a x=1 + \"%y%\" glued", "set /a x=1", "%y%"},
      {"set /a lines, glued names", "", "set /a x%i%$N=%y%$N+1\r\n", "", "", ""},
      // A baseline.
      {"echo lines", "", "echo hello world\r\n", "", "", ""},
  };
  return patterns;
}

// Appends `unit` with its numbers filled in.
void AppendUnit(std::string& out, std::string_view unit, size_t number) {
  for (size_t i = 0; i < unit.size(); ++i) {
    if (unit[i] == '$' && i + 1 < unit.size() && (unit[i + 1] == 'N' || unit[i + 1] == 'M')) {
      out += std::to_string(unit[i + 1] == 'N' ? number : number + 1);
      ++i;
    } else {
      out += unit[i];
    }
  }
}

void AppendRepeated(std::string& out, std::string_view unit, size_t budget) {
  if (unit.find('$') == std::string_view::npos) {
    for (size_t n = budget / unit.size(); n > 0; --n) out += unit;
    return;
  }
  const size_t limit = out.size() + budget;
  for (size_t number = 1; out.size() < limit; ++number) AppendUnit(out, unit, number);
}

std::string BuildInput(const Pattern& p, size_t size) {
  const size_t fixed = p.head.size() + p.middle.size() + p.end.size();
  const size_t budget = size > fixed ? size - fixed : 0;
  std::string batch;
  batch.reserve(size + 64);
  batch += p.head;
  if (p.tail_unit.empty()) {
    AppendRepeated(batch, p.unit, budget);
    batch += p.middle;
  } else if (p.unit.empty()) {
    batch += p.middle;
    AppendRepeated(batch, p.tail_unit, budget);
  } else {
    AppendRepeated(batch, p.unit, budget / 2);
    batch += p.middle;
    AppendRepeated(batch, p.tail_unit, budget - budget / 2);
  }
  batch += p.end;
  return batch;
}

// A field of /proc/self/status in KiB ("VmHWM", "VmRSS"), or -1.
long StatusKiB(const char* field) {
  std::ifstream status("/proc/self/status");
  std::string line;
  const size_t length = std::strlen(field);
  while (std::getline(status, line)) {
    if (line.compare(0, length, field) == 0 && line.size() > length && line[length] == ':') {
      return std::atol(line.c_str() + length + 1);
    }
  }
  return -1;
}

// Makes the peak resident memory start again from the current one.
bool ResetPeakMemory() {
  std::ofstream clear("/proc/self/clear_refs");
  clear << "5";
  clear.flush();
  return bool(clear);
}

// --- The child that converts in process ------------------------------------------

struct Conversion {
  std::string_view batch;
  int reps = 1;
  double best_seconds = INFINITY;
  long peak_kib = -1;
  size_t script_bytes = 0;
  std::string fault;
};

// The script's first lines and its size, without holding the rest.
// The start of a script, and its first "# DOS: " comment wherever it stands
// (the helpers and a label lookup come before it).
struct ScriptSample {
  std::string head;
  std::string comment;  // from "# DOS: " to the line end, once found
  bool comment_done = false;
  std::string carry;  // the end of the last piece, for a mark cut in two
  size_t size = 0;
  void Add(std::string_view piece) {
    constexpr size_t kKeep = 256 * kKiB;
    constexpr std::string_view kMark = "# DOS: ";
    head += piece.substr(0, kKeep - std::min(kKeep, head.size()));
    size += piece.size();
    if (comment_done) return;
    if (comment.empty()) {
      const std::string window = carry + std::string(piece.substr(0, kMark.size()));
      size_t at = window.find(kMark);
      if (at != std::string::npos) {
        comment = window.substr(at);
        piece.remove_prefix(std::min(piece.size(), kMark.size()));
      } else if ((at = piece.find(kMark)) != std::string_view::npos) {
        piece.remove_prefix(at);
        comment = std::string(piece.substr(0, kMark.size()));
        piece.remove_prefix(kMark.size());
      } else {
        carry = std::string(piece.substr(piece.size() - std::min(piece.size(), kMark.size() - 1)));
        return;
      }
    }
    const size_t end = piece.find('\n');
    comment += piece.substr(0, std::min(end, size_t{256}));
    comment_done = end != std::string_view::npos || comment.size() > 256;
  }
};

// The first non-blank line's comment, at most 200 bytes of it.
std::string FirstComment(std::string_view batch) {
  while (!batch.empty()) {
    const size_t end = batch.find('\n');
    const std::string_view line = batch.substr(0, end);
    batch.remove_prefix(end == std::string_view::npos ? batch.size() : end + 1);
    if (line.find_first_not_of(" \t\r\x0B\x0C,;=") == std::string_view::npos) continue;
    std::string comment = "# DOS: ";
    for (char c : line.substr(0, 200)) {
      if (c != '\r' && c != '\0') comment += c;
    }
    return comment;
  }
  return "";
}

void* Convert(void* arg) {
  Conversion& job = *static_cast<Conversion*>(arg);
  const std::string comment = FirstComment(job.batch);
  // The first run measures the memory, and leaves what it took with the
  // process; the timed runs after it reuse that memory.
  for (int r = 0; r <= job.reps; ++r) {
    const bool measure_memory = r == 0 && ResetPeakMemory();
    const long before = measure_memory ? StatusKiB("VmRSS") : -1;
    ScriptSample script;
    const double start = ThreadSeconds();
    morvex::WriteRunnableScript(job.batch, "line.sh",
                                [&](std::string_view piece) { script.Add(piece); });
    const double seconds = ThreadSeconds() - start;
    if (measure_memory && before >= 0) job.peak_kib = std::max(0L, StatusKiB("VmHWM") - before);
    if (r > 0) job.best_seconds = std::min(job.best_seconds, seconds);
    job.script_bytes = script.size;
    if (script.head.compare(0, 10, "#!/bin/sh\n") != 0) {
      job.fault = "the script does not start with #!/bin/sh";
    } else if (script.comment.compare(0, comment.size(), comment) != 0) {
      job.fault = "the script's first comment is not the first line";
    }
    if (!job.fault.empty() || (r > 0 && seconds > kNoRepeatAfter)) break;
  }
  return nullptr;
}

// Reads `path`, converts it once and then `reps` times on a small stack, and
// prints "seconds peak_kib script_bytes" on stdout.
int ConvertInProcess(const char* path, int reps) {
  // Memory that a conversion frees stays with the process for the next one,
  // so the timed runs time the conversion rather than the kernel handing out
  // fresh pages for it: a page fault costs microseconds on a virtual machine,
  // and the larger sizes would pay more of them than the smaller ones.
  mallopt(M_ARENA_MAX, 1);
  mallopt(M_MMAP_MAX, 0);
  mallopt(M_TRIM_THRESHOLD, std::numeric_limits<int>::max());
  const rlimit cpu{kChildSeconds, kChildSeconds + 10};
  setrlimit(RLIMIT_CPU, &cpu);
  alarm(5 * kChildSeconds);  // in case it waits for something
  std::ifstream file(path, std::ios::binary);
  const std::string batch((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  Conversion job;
  job.batch = batch;
  job.reps = reps;
  pthread_attr_t attr;
  pthread_attr_init(&attr);
  pthread_attr_setstacksize(&attr, kThreadStack);
  pthread_t thread;
  if (pthread_create(&thread, &attr, Convert, &job) != 0) return 2;
  pthread_join(thread, nullptr);
  pthread_attr_destroy(&attr);
  if (!job.fault.empty()) {
    std::fprintf(stderr, "%s\n", job.fault.c_str());
    return 3;
  }
  std::printf("%.6f %ld %zu\n", job.best_seconds, job.peak_kib, job.script_bytes);
  return 0;
}

// --- The parent ---------------------------------------------------------------

// Runs this program again with `args` and returns what it printed, or an
// empty string with `*failure` set.
std::string RunChild(const std::vector<std::string>& args, std::string* failure) {
  int status = 0;
  const std::string out = RunSelf(args, &status);
  if (WIFSIGNALED(status)) {
    const int number = WTERMSIG(status);
    *failure = number == SIGXCPU   ? "over " + std::to_string(kChildSeconds) + " s"
               : number == SIGALRM ? "stuck"
                                   : std::string("crashed: ") + strsignal(number);
    return "";
  }
  if (WEXITSTATUS(status) != 0) {
    *failure = "exit status " + std::to_string(WEXITSTATUS(status));
    return "";
  }
  return out;
}

struct Measure {
  double seconds = NAN;
  double peak_kib = NAN;
  std::string failure;  // empty when the conversion ran
  bool ran() const { return failure.empty() && !std::isnan(seconds); }
};

Measure MeasureInProcess(const std::string& path, int reps) {
  Measure m;
  const std::string out = RunChild({"--in-process", path, std::to_string(reps)}, &m.failure);
  if (!m.failure.empty()) return m;
  long peak = 0;
  size_t script = 0;
  if (std::sscanf(out.c_str(), "%lf %ld %zu", &m.seconds, &peak, &script) != 3) {
    m.failure = "no report";
  }
  m.peak_kib = peak >= 0 ? double(peak) : NAN;
  return m;
}

Measure MeasureProgram(const std::string& binary, const std::string& path, int reps) {
  Measure best;
  const std::string script = path.substr(0, path.size() - 4) + ".sh";
  for (int r = 0; r < reps; ++r) {
    Measure m;
    const std::string out = RunChild({"--run-and-report", binary, path}, &m.failure);
    long peak = 0;
    int status = -1;
    if (m.failure.empty() &&
        std::sscanf(out.c_str(), "%lf %ld %d", &m.seconds, &peak, &status) != 3) {
      m.failure = "no report";
    } else if (m.failure.empty() && status != 0) {
      m.failure = status == 128 + SIGXCPU ? "over " + std::to_string(kChildSeconds) + " s"
                  : status > 128          ? std::string("crashed: ") + strsignal(status - 128)
                                          : "exit status " + std::to_string(status);
    }
    std::remove(script.c_str());
    if (!m.failure.empty()) return m;
    m.peak_kib = double(peak);
    if (!(best.seconds <= m.seconds)) best.seconds = m.seconds;
    if (!(best.peak_kib >= m.peak_kib)) best.peak_kib = m.peak_kib;
    if (m.seconds > kNoRepeatAfter) break;
  }
  return best;
}

// Growth from 1 MiB to 8 MiB faster than the limit, by a material amount.
bool SuperLinear(double one, double eight, double material) {
  return PerDoubling(one, eight, 3) > kLimitPerDoubling && eight - 8 * one > material;
}

struct Series {
  Measure at[kSizeCount];
};

// Checks one series; appends what is wrong to `why`.
void Judge(const Series& s, const char* mode, std::string* why) {
  for (const Measure& m : s.at) {
    if (!m.failure.empty()) {
      *why += std::string(" ") + mode + " " + m.failure + ";";
      return;
    }
  }
  const Measure& one = s.at[0];
  const Measure& eight = s.at[kSizeCount - 1];
  if (!eight.ran()) {
    *why += std::string(" ") + mode + " too slow to go on to 8 MiB;";
    return;
  }
  if (eight.seconds > kLimitAtEightMiB) *why += std::string(" ") + mode + " slow;";
  if (SuperLinear(one.seconds, eight.seconds, kMaterialSeconds)) {
    *why += std::string(" ") + mode + " time super-linear;";
  }
  if (!std::isnan(eight.peak_kib)) {
    if (SuperLinear(std::max(one.peak_kib, 1.0), eight.peak_kib, kMaterialKiB)) {
      *why += std::string(" ") + mode + " memory super-linear;";
    }
    if (eight.peak_kib * 1024 > kMaxBytesPerInputByte * double(kSizes[kSizeCount - 1])) {
      *why += std::string(" ") + mode + " memory over " +
              std::to_string(int(kMaxBytesPerInputByte)) + "x;";
    }
  }
}

std::string Cell(const Measure& m, double value, double scale, const char* format) {
  if (!m.failure.empty()) return "fail";
  if (!m.ran() || std::isnan(value)) return "-";
  char text[32];
  std::snprintf(text, sizeof text, format, value * scale);
  return text;
}

void PrintSeries(const Series& s) {
  for (const Measure& m : s.at) std::printf(" %7s", Cell(m, m.seconds, 1e3, "%.1f").c_str());
  const Measure& one = s.at[0];
  const Measure& eight = s.at[kSizeCount - 1];
  const bool both = one.ran() && eight.ran();
  std::printf(
      " %5s",
      both ? Cell(eight, PerDoubling(one.seconds, eight.seconds, 3), 1, "%.2f").c_str() : "-");
  std::printf(" %7s", Cell(eight, eight.peak_kib, 1.0 / 1024, "%.1f").c_str());
  std::printf(
      " %5s",
      both ? Cell(eight, PerDoubling(std::max(one.peak_kib, 1.0), eight.peak_kib, 3), 1, "%.2f")
                 .c_str()
           : "-");
}

int Usage() {
  std::fprintf(stderr,
               "usage: runnable_hostile [--check] [--reps N] [--only TEXT] [--binary PATH | "
               "--no-binary]\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 4 && std::string_view(argv[1]) == "--in-process") {
    return ConvertInProcess(argv[2], std::max(1, std::atoi(argv[3])));
  }
  if (argc == 4 && std::string_view(argv[1]) == "--run-and-report") {
    return RunAndReport(argv[2], "--runnable", argv[3], kChildSeconds);
  }
  HostileOptions options;
  options.binary = MORVEX_BINARY;
  if (!ParseHostileOptions(argc, argv, &options)) return Usage();

  char dir_template[] = "/tmp/morvex-runnable-hostile.XXXXXX";
  const char* dir = mkdtemp(dir_template);
  if (dir == nullptr) {
    std::perror("runnable_hostile: mkdtemp");
    return 2;
  }
  const std::string path = std::string(dir) + "/line.bat";

  std::printf(
      "CPU time to convert, in ms (the best of %d runs; in process, after a first one that "
      "takes the memory),\nits growth per doubling from 1 MiB to 8 MiB, the peak memory at "
      "8 MiB in MiB and its growth per doubling;\nin process on a %zu KiB stack, and through "
      "morvex --runnable\n",
      options.reps, kThreadStack / kKiB);
  std::printf("%-36s %7s %7s %7s %7s %5s %7s %5s |%7s %7s %7s %7s %5s %7s %5s\n", "pattern", "1M",
              "2M", "4M", "8M", "x", "MiB", "x", "prog 1M", "2M", "4M", "8M", "x", "RSS", "x");
  std::fflush(stdout);
  int flagged = 0;
  int measured = 0;
  for (const Pattern& p : Patterns()) {
    if (std::string_view(p.name).find(options.only) == std::string_view::npos) continue;
    ++measured;
    Series in_process;
    Series program;
    bool in_process_stopped = false;
    bool program_stopped = false;
    for (size_t s = 0; s < kSizeCount; ++s) {
      {
        const std::string batch = BuildInput(p, kSizes[s]);
        std::ofstream file(path, std::ios::binary | std::ios::trunc);
        file.write(batch.data(), std::streamsize(batch.size()));
        if (!file) {
          std::perror(path.c_str());
          return 2;
        }
      }
      if (!in_process_stopped) {
        in_process.at[s] = MeasureInProcess(path, options.reps);
        in_process_stopped = !in_process.at[s].ran() || in_process.at[s].seconds > kGiveUpSeconds;
      }
      if (!options.binary.empty() && !program_stopped) {
        program.at[s] = MeasureProgram(options.binary, path, options.reps);
        program_stopped = !program.at[s].ran() || program.at[s].seconds > kGiveUpSeconds;
      }
    }
    std::remove(path.c_str());

    std::printf("%-36s", p.name);
    PrintSeries(in_process);
    std::printf(" |");
    std::string why;
    Judge(in_process, "in process", &why);
    if (!options.binary.empty()) {
      PrintSeries(program);
      Judge(program, "program", &why);
    }
    if (!why.empty()) {
      ++flagged;
      std::printf("  <<%s", why.c_str());
    }
    std::printf("\n");
    std::fflush(stdout);
  }
  rmdir(dir);
  std::printf(
      "%d of %d patterns over the limits: a failure; %.0f s at 8 MiB; %.1fx per doubling from "
      "1 MiB to 8 MiB with more than %.0f ms or %.0f MiB beyond linear; %.0f bytes of memory per "
      "input byte\n",
      flagged, measured, kLimitAtEightMiB, kLimitPerDoubling, kMaterialSeconds * 1e3,
      kMaterialKiB / 1024, kMaxBytesPerInputByte);
  return options.check && flagged > 0 ? 1 : 0;
}
