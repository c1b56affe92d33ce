// Behaviour tests of the runnable mode. Each case is a batch program with
// what cmd did when it ran it: its exit status, its standard output and the
// files it left. A case is a folder beside this file, or, when it needs no
// files of its own, one of several in a topic file (NAME.cases). The test
// converts the program with `morvex --runnable`, runs the script under dash
// in a fresh folder, and compares. The cases are found when the test runs,
// one test each.
//
// MORVEX_SHELL, when set, is the command line of another shell to run the
// scripts with (`bash --posix`, `busybox sh`, `zsh --emulate sh`): its words,
// then the script's name and its arguments. Syntax is still checked with
// `dash -n` and shellcheck.
//
// MORVEX_CHECKED_SCRIPTS, when set, is a folder that keeps a copy of every
// script shellcheck has passed; a script found there unchanged is not checked
// again. Runs under several shells, which convert the same files into the same
// scripts, share it.

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>
#include <thread>
#include <utility>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr std::chrono::seconds kScriptTimeLimit{20};

// Every converted script runs with this environment and nothing else, so that
// it sees the same variables on every machine.
std::vector<std::string> ScriptEnvironment(const fs::path& folder) {
  return {"PATH=/usr/bin:/bin", "HOME=" + folder.string(), "LC_ALL=C"};
}

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteFile(const fs::path& path, std::string_view text) {
  std::ofstream(path, std::ios::binary)
      .write(text.data(), static_cast<std::streamsize>(text.size()));
}

// The lines of a text file, each without its line end (LF or CR LF).
std::vector<std::string> ReadLines(const fs::path& path) {
  std::vector<std::string> lines;
  std::ifstream in(path, std::ios::binary);
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

// The full name of `program` found in this process's PATH, if any.
std::optional<fs::path> FindProgram(std::string_view program) {
  const char* path = std::getenv("PATH");
  std::string_view rest = path != nullptr ? path : "/usr/bin:/bin";
  while (true) {
    const size_t colon = rest.find(':');
    const fs::path candidate = fs::path(rest.substr(0, colon)) / program;
    if (access(candidate.c_str(), X_OK) == 0) return candidate;
    if (colon == std::string_view::npos) return std::nullopt;
    rest.remove_prefix(colon + 1);
  }
}

// The command line of the shell that runs the scripts: MORVEX_SHELL split at
// blanks, or dash. Its first word is looked up in PATH unless it holds a "/".
// Empty when that program cannot be found.
std::vector<std::string> ScriptShell() {
  const char* setting = std::getenv("MORVEX_SHELL");
  std::string_view rest = setting != nullptr ? setting : "";
  std::vector<std::string> words;
  while (true) {
    const size_t start = rest.find_first_not_of(" \t");
    if (start == std::string_view::npos) break;
    rest.remove_prefix(start);
    const size_t end = std::min(rest.find_first_of(" \t"), rest.size());
    words.emplace_back(rest.substr(0, end));
    rest.remove_prefix(end);
  }
  if (words.empty()) words.emplace_back("dash");
  if (words.front().find('/') == std::string::npos) {
    const std::optional<fs::path> program = FindProgram(words.front());
    if (!program) return {};
    words.front() = program->string();
  }
  return words;
}

// The shell's command line as the user wrote it, its program by name alone.
std::string ShellLabel(const std::vector<std::string>& shell) {
  std::string label = fs::path(shell.front()).filename().string();
  for (size_t i = 1; i < shell.size(); ++i) label += " " + shell[i];
  return label;
}

struct Command {
  Command(std::vector<std::string> words, fs::path where)
      : argv(std::move(words)), folder(std::move(where)) {}

  std::vector<std::string> argv;                        // argv[0] is a full path
  fs::path folder;                                      // where it runs
  fs::path input = "/dev/null";                         // its standard input
  fs::path output;                                      // its standard output
  fs::path errors;                                      // its standard error
  std::optional<std::vector<std::string>> environment;  // this process's when unset
  std::chrono::milliseconds time_limit = std::chrono::minutes(2);
};

struct Outcome {
  int status = -1;  // the exit status, or 128 plus the signal that ended it
  bool timed_out = false;
};

// Runs a command in a process group of its own. The whole group is killed when
// the time limit passes, and once the command has ended, so that nothing it
// started in the background outlives it.
Outcome RunCommand(const Command& command) {
  std::vector<char*> argv;
  for (const std::string& word : command.argv) argv.push_back(const_cast<char*>(word.c_str()));
  argv.push_back(nullptr);
  std::vector<char*> envp;
  if (command.environment) {
    for (const std::string& entry : *command.environment) {
      envp.push_back(const_cast<char*>(entry.c_str()));
    }
    envp.push_back(nullptr);
  }

  const pid_t pid = fork();
  if (pid < 0) return {};
  if (pid == 0) {
    setpgid(0, 0);
    const int in = open(command.input.c_str(), O_RDONLY);
    const int out = open(command.output.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    const int err = open(command.errors.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (in < 0 || out < 0 || err < 0 || chdir(command.folder.c_str()) != 0) _exit(125);
    dup2(in, STDIN_FILENO);
    dup2(out, STDOUT_FILENO);
    dup2(err, STDERR_FILENO);
    if (command.environment) {
      execve(argv[0], argv.data(), envp.data());
    } else {
      execv(argv[0], argv.data());
    }
    _exit(127);
  }
  setpgid(pid, pid);  // also here, so that the group exists before any kill

  Outcome outcome;
  const auto deadline = std::chrono::steady_clock::now() + command.time_limit;
  int wait_status = 0;
  while (true) {
    const pid_t done = waitpid(pid, &wait_status, WNOHANG);
    if (done == pid) break;
    if (done < 0) return outcome;
    if (std::chrono::steady_clock::now() >= deadline) {
      outcome.timed_out = true;
      kill(-pid, SIGKILL);
      waitpid(pid, &wait_status, 0);
      break;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  kill(-pid, SIGKILL);
  if (WIFEXITED(wait_status)) outcome.status = WEXITSTATUS(wait_status);
  if (WIFSIGNALED(wait_status)) outcome.status = 128 + WTERMSIG(wait_status);
  return outcome;
}

// A text in the recording's form: CR LF becomes LF, each line is written after
// a "|", and a last line without its line end is followed by a marker.
std::string DescribeText(std::string_view text) {
  std::string lines;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    const bool ended = end != std::string_view::npos;
    if (!ended) end = text.size();
    std::string_view line = text.substr(start, end - start);
    if (ended && !line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines += '|';
    lines += line;
    lines += '\n';
    if (!ended) lines += "\\ no newline at end\n";
    start = end + 1;
  }
  return lines;
}

// A batch file's extension, in any case: ".bat" or ".cmd".
bool IsBatchFile(const fs::path& path) {
  std::string extension = path.extension().string();
  for (char& c : extension) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return extension == ".bat" || extension == ".cmd";
}

bool IsProgramFile(const fs::path& path) {
  return IsBatchFile(path) || path.extension() == ".sh";
}

// The recording of one run: its exit status, its standard output, and every
// folder and file it left, batch files and scripts aside, in byte order.
std::string DescribeRun(int status, std::string_view output, const fs::path& folder) {
  std::string description = "status " + std::to_string(status) + "\nstdout\n";
  description += DescribeText(output);
  std::vector<std::string> paths;
  for (const fs::directory_entry& entry : fs::recursive_directory_iterator(folder)) {
    if (!IsProgramFile(entry.path())) {
      paths.push_back(entry.path().lexically_relative(folder).generic_string());
    }
  }
  std::sort(paths.begin(), paths.end());
  for (const std::string& path : paths) {
    const fs::path full = folder / path;
    if (fs::is_directory(fs::symlink_status(full))) {
      description += "dir " + path + "\n";
    } else {
      description += "file " + path + "\n";
      description += DescribeText(ReadFile(full));
    }
  }
  return description;
}

// The stored recording without its leading comment lines.
std::string ExpectedRun(const std::string& text) {
  size_t start = 0;
  while (start < text.size() && text[start] == '#') {
    const size_t end = text.find('\n', start);
    start = end == std::string::npos ? text.size() : end + 1;
  }
  return text.substr(start);
}

// A case: a folder with main.bat, its recording and the optional files, or
// the batch text and recording of a case in a topic file.
struct CaseSource {
  std::string name;
  fs::path folder;       // empty for a case in a topic file
  std::string main_bat;  // a topic file's case: the batch file, with CR LF
  std::string expected;  // a topic file's case: the recording
};

// The cases of a topic file:
//   === NAME
//   # comment lines, any number
//   --- main.bat
//   the batch file's lines, each given CR LF
//   --- expected
//   the recording, up to the next "===" line; blank lines at its end go
std::vector<CaseSource> ReadTopicFile(const fs::path& path) {
  std::vector<CaseSource> cases;
  enum class Part { kNone, kBatch, kExpected } part = Part::kNone;
  for (const std::string& line : ReadLines(path)) {
    if (line.rfind("=== ", 0) == 0) {
      cases.push_back({line.substr(4), {}, {}, {}});
      part = Part::kNone;
    } else if (cases.empty()) {
      continue;  // the topic's own comment
    } else if (line == "--- main.bat") {
      part = Part::kBatch;
    } else if (line == "--- expected") {
      part = Part::kExpected;
    } else if (part == Part::kBatch) {
      cases.back().main_bat += line + "\r\n";
    } else if (part == Part::kExpected) {
      cases.back().expected += line + "\n";
    }
  }
  for (CaseSource& source : cases) {
    while (source.expected.size() >= 2 && source.expected.ends_with("\n\n")) {
      source.expected.pop_back();
    }
  }
  return cases;
}

class BehaviourCase : public testing::Test {
 public:
  explicit BehaviourCase(CaseSource source) : case_(std::move(source)) {}

  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "morvex-behaviour-XXXXXX").string();
    ASSERT_NE(nullptr, mkdtemp(pattern.data()));
    scratch_ = pattern;
    folder_ = scratch_ / "run";
    fs::create_directory(folder_);
  }

  void TearDown() override {
    if (!scratch_.empty()) fs::remove_all(scratch_);
  }

  void TestBody() override {
    if (case_.folder.empty()) {
      ASSERT_FALSE(case_.expected.empty()) << case_.name << " has no recording";
      WriteFile(folder_ / "main.bat", case_.main_bat);
    } else {
      ASSERT_TRUE(fs::exists(case_.folder / "expected")) << case_.folder << " has no recording";
      fs::copy_file(case_.folder / "main.bat", folder_ / "main.bat");
    }
    if (!case_.folder.empty() && fs::is_directory(case_.folder / "files")) {
      fs::copy(case_.folder / "files", folder_, fs::copy_options::recursive);
    }
    ConvertEveryBatchFile();
    if (HasFatalFailure() || HasNonfatalFailure()) return;

    std::vector<std::string> shell = ScriptShell();
    ASSERT_FALSE(shell.empty())
        << "the shell to run the scripts with (MORVEX_SHELL, or dash) is not installed";
    const std::string label = ShellLabel(shell);
    shell.emplace_back("main.sh");
    Command script{std::move(shell), folder_};
    if (!case_.folder.empty() && fs::exists(case_.folder / "args")) {
      for (const std::string& arg : ReadLines(case_.folder / "args")) script.argv.push_back(arg);
    }
    if (!case_.folder.empty() && fs::exists(case_.folder / "stdin"))
      script.input = case_.folder / "stdin";
    script.output = scratch_ / "stdout";
    script.errors = scratch_ / "stderr";
    script.environment = ScriptEnvironment(folder_);
    script.time_limit = kScriptTimeLimit;
    const Outcome outcome = RunCommand(script);
    ASSERT_FALSE(outcome.timed_out)
        << "main.sh ran longer than " << kScriptTimeLimit.count() << " seconds under " << label;

    const std::string expected =
        ExpectedRun(case_.folder.empty() ? case_.expected : ReadFile(case_.folder / "expected"));
    const std::string actual = DescribeRun(outcome.status, ReadFile(script.output), folder_);
    if (expected != actual) {
      ADD_FAILURE() << "the script's run under " << label << " differs from cmd's:\n"
                    << Difference(expected, actual, label) << "what main.sh wrote on stderr:\n"
                    << ReadFile(script.errors);
    }
  }

 private:
  // Converts every batch file in the run folder, and checks each script's
  // syntax with dash and, when it is installed, shellcheck.
  void ConvertEveryBatchFile() {
    std::vector<fs::path> batches;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(folder_)) {
      if (IsBatchFile(entry.path())) batches.push_back(entry.path());
    }
    std::sort(batches.begin(), batches.end());
    const std::optional<fs::path> dash = FindProgram("dash");
    const std::optional<fs::path> shellcheck = FindProgram("shellcheck");
    ASSERT_TRUE(dash) << "dash is not installed";
    for (const fs::path& batch : batches) {
      const std::string name = batch.filename().string();
      const fs::path script = fs::path(batch).replace_extension(".sh");
      const std::string where = batch.lexically_relative(folder_).generic_string();
      Checked(ConvertCommand(name), batch.parent_path(), "morvex --runnable " + where);
      if (!fs::exists(script)) continue;
      Checked({dash->string(), "-n", script.filename().string()}, batch.parent_path(),
              "dash -n on the script of " + where);
      if (shellcheck) {
        const std::string text = ReadFile(script);
        const std::optional<fs::path> copy = CheckedCopy(text);
        if (copy && ReadFile(*copy) == text) continue;
        if (Checked({shellcheck->string(), "-s", "sh", "-S", "warning", script.filename().string()},
                    batch.parent_path(), "shellcheck on the script of " + where) &&
            copy) {
          // Written whole under another name first, as other tests may read it.
          const fs::path part = copy->string() + "." + std::to_string(getpid());
          WriteFile(part, text);
          fs::rename(part, *copy);
        }
      }
    }
  }

  // Runs a command that must succeed, and reports what it printed otherwise.
  // The command that converts a batch file: the case's options, one a line
  // in its file "options", come after --runnable.
  std::vector<std::string> ConvertCommand(const std::string& name) const {
    std::vector<std::string> argv = {MORVEX_BINARY, "--runnable"};
    if (!case_.folder.empty() && fs::exists(case_.folder / "options")) {
      for (const std::string& option : ReadLines(case_.folder / "options")) argv.push_back(option);
    }
    argv.push_back(name);
    return argv;
  }

  bool Checked(std::vector<std::string> argv, const fs::path& folder, const std::string& what) {
    Command command{std::move(argv), folder};
    command.output = scratch_ / "check-output";
    command.errors = command.output;
    const Outcome outcome = RunCommand(command);
    if (outcome.status != 0) {
      ADD_FAILURE() << what << " failed with status " << outcome.status << ":\n"
                    << ReadFile(command.output);
    }
    return outcome.status == 0;
  }

  // Where MORVEX_CHECKED_SCRIPTS keeps a script with this text once
  // shellcheck has passed it; none when it is not set.
  static std::optional<fs::path> CheckedCopy(std::string_view text) {
    const char* folder = std::getenv("MORVEX_CHECKED_SCRIPTS");
    if (folder == nullptr || *folder == '\0') return std::nullopt;
    fs::create_directories(folder);
    return fs::path(folder) / (std::to_string(std::hash<std::string_view>{}(text)) + ".sh");
  }

  // A unified diff of two recordings, made by diff(1).
  std::string Difference(const std::string& expected, const std::string& actual,
                         const std::string& shell) {
    WriteFile(scratch_ / "expected", expected);
    WriteFile(scratch_ / "actual", actual);
    const std::optional<fs::path> diff = FindProgram("diff");
    if (!diff) return "expected:\n" + expected + "actual:\n" + actual;
    Command command{{diff->string(), "-u", "--label", "expected (cmd)", "--label",
                     "actual (" + shell + ")", "expected", "actual"},
                    scratch_};
    command.output = scratch_ / "difference";
    command.errors = command.output;
    RunCommand(command);
    return ReadFile(command.output);
  }

  CaseSource case_;
  fs::path scratch_;
  fs::path folder_;
};

// Every folder with a main.bat is a case, and so is every case of a topic
// file; its test is named after it, with "_" for "-", which a test filter
// would read as a negative pattern.
void RegisterCases(const fs::path& root) {
  std::vector<CaseSource> cases;
  for (const fs::directory_entry& entry : fs::directory_iterator(root)) {
    if (fs::exists(entry.path() / "main.bat")) {
      cases.push_back({entry.path().filename().string(), entry.path(), {}, {}});
    } else if (entry.path().extension() == ".cases") {
      for (CaseSource& source : ReadTopicFile(entry.path())) cases.push_back(std::move(source));
    }
  }
  std::sort(cases.begin(), cases.end(),
            [](const CaseSource& a, const CaseSource& b) { return a.name < b.name; });
  for (const CaseSource& source : cases) {
    std::string name = source.name;
    std::replace(name.begin(), name.end(), '-', '_');
    testing::RegisterTest("Behaviour", name.c_str(), nullptr, nullptr, __FILE__, __LINE__,
                          [source]() -> testing::Test* { return new BehaviourCase(source); });
  }
}

}  // namespace

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  RegisterCases(BEHAVIOUR_CASES);
  return RUN_ALL_TESTS();
}
