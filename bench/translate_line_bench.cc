// Nanoseconds per line for the kinds of line that real batch files are made
// of, to see what the throughput of a whole file is made of.

#include <benchmark/benchmark.h>

#include <string>
#include <string_view>

#include "driver/script_builder.h"
#include "translator/translate_line.h"

namespace {

struct Line {
  const char* name;
  std::string_view text;
};

constexpr Line kLines[] = {
    {"echo_off", "@echo off"},
    {"echo_text", "echo Installing the drivers, please wait..."},
    {"rem", "rem Copies the configuration files to the backup folder"},
    {"label", ":end"},
    {"set", "set CONFIG=release"},
    {"set_path", "set PATH=c:\\dos;c:\\windows;c:\\tools\\bin"},
    {"copy_switch", "copy C:\\DATA\\*.TXT A:\\ /V"},
    {"cd", "cd \\windows\\system32"},
    {"if_errorlevel", "if errorlevel 1 goto failed"},
    {"if_exist_del", "if exist %TEMP%\\build.log del %TEMP%\\build.log"},
    {"if_equals", "if \"%1\"==\"\" goto usage"},
    {"for_copy", "for %%f in (src\\*.txt) do copy %%f out\\%%f.bak"},
    {"attrib", "attrib +r -h -s \"c:\\program files\\app\\app.ini\""},
    {"unknown", "reg add HKLM\\Software\\Policies /v Disable /t REG_DWORD /d 1 /f"},
};

void BM_TranslateLine(benchmark::State& state, std::string_view line) {
  std::string notes;
  for (auto _ : state) {
    notes.clear();
    std::string translation = morvex::TranslateLine(line, notes);
    benchmark::DoNotOptimize(translation);
    benchmark::DoNotOptimize(notes);
  }
  state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(line.size()));
}

// All the lines above as one file, CR LF line ends: the driver's share of the
// work (splitting, trimming, the script's layout) on top of the translation.
void BM_BuildScript(benchmark::State& state) {
  std::string file;
  for (const Line& line : kLines) {
    file += line.text;
    file += "\r\n";
  }
  for (auto _ : state) {
    std::string script = morvex::BuildScript(file);
    benchmark::DoNotOptimize(script);
  }
  state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(file.size()));
  state.SetItemsProcessed(int64_t(state.iterations()) * int64_t(std::size(kLines)));
}

int RegisterAll() {
  for (const Line& line : kLines) {
    benchmark::RegisterBenchmark((std::string("BM_TranslateLine/") + line.name).c_str(),
                                 BM_TranslateLine, line.text);
  }
  benchmark::RegisterBenchmark("BM_BuildScript/all_lines", BM_BuildScript);
  return 0;
}

const int registered = RegisterAll();

}  // namespace

BENCHMARK_MAIN();
