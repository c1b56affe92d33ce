// End-to-end tests: the real morvex binary, run on files in a temporary folder.

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

struct Outcome {
  int status = -1;     // the exit status
  std::string output;  // what it wrote to standard output
  std::string errors;  // what it wrote to standard error
};

struct Limits {
  mode_t umask = 022;
  rlim_t file_size = RLIM_INFINITY;
};

std::string ReadAll(int fd) {
  std::string text;
  char buffer[4096];
  for (ssize_t got; (got = read(fd, buffer, sizeof buffer)) > 0;) {
    text.append(buffer, static_cast<size_t>(got));
  }
  close(fd);
  return text;
}

class CliTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "morvex-cli-XXXXXX").string();
    ASSERT_NE(nullptr, mkdtemp(pattern.data()));
    dir_ = pattern;
  }
  void TearDown() override { fs::remove_all(dir_); }

  // Runs morvex in the temporary folder with `args` after the program name,
  // under the command `wrapper` when there is one (such as strace). Standard
  // output goes to a file, so that a large output cannot block the run.
  Outcome Morvex(const std::vector<std::string>& args, Limits limits = {},
                 const std::vector<std::string>& wrapper = {}) {
    int pipe_fds[2];
    EXPECT_EQ(0, pipe(pipe_fds));
    const std::string output = (dir_.parent_path() / (dir_.filename().string() + ".out")).string();
    const pid_t pid = fork();
    if (pid == 0) {
      dup2(pipe_fds[1], STDERR_FILENO);
      close(pipe_fds[0]);
      const int out = open(output.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
      dup2(out, STDOUT_FILENO);
      if (chdir(dir_.c_str()) != 0) _exit(125);
      umask(limits.umask);
      const rlimit file_size{limits.file_size, limits.file_size};
      setrlimit(RLIMIT_FSIZE, &file_size);
      signal(SIGXFSZ, SIG_IGN);  // a write past the limit fails instead of killing
      std::vector<char*> argv;
      for (const std::string& word : wrapper) argv.push_back(const_cast<char*>(word.c_str()));
      argv.push_back(const_cast<char*>(MORVEX_BINARY));
      for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
      argv.push_back(nullptr);
      execvp(argv[0], argv.data());
      _exit(126);
    }
    close(pipe_fds[1]);
    Outcome run;
    run.errors = ReadAll(pipe_fds[0]);
    int wait_status = 0;
    waitpid(pid, &wait_status, 0);
    run.status = WIFEXITED(wait_status) ? WEXITSTATUS(wait_status) : -1;
    run.output = ReadAll(open(output.c_str(), O_RDONLY));
    unlink(output.c_str());
    return run;
  }

  fs::path Path(const std::string& name) const { return dir_ / name; }

  void Write(const std::string& name, const std::string& content) const {
    std::ofstream(Path(name), std::ios::binary) << content;
  }

  std::string Read(const std::string& name) const {
    std::ifstream in(Path(name), std::ios::binary);
    std::stringstream content;
    content << in.rdbuf();
    return content.str();
  }

  // Every name in the folder, to show that a failed run created nothing.
  std::vector<std::string> Listing() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir_)) {
      names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
  }

  fs::path dir_;
};

const std::string kUsage =
    "Usage: Morvex Batchfile.ext\n"
    "Batchfile.ext gets translated to Batchfile.sh\n"
    "Batchfile.sh will run under any sh-compatible shell\n";

const std::string kCls = "#!/bin/sh\n\n# DOS: cls\nclear\n\n";

TEST_F(CliTest, WithoutANameShowsUsage) {
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{}, {""}, {"   "}, {" ", " "}, {"--"}, {"--runnable"}}) {
    const Outcome run = Morvex(args);
    EXPECT_EQ(2, run.status);
    EXPECT_EQ(kUsage, run.errors);
    EXPECT_EQ("", run.output);
  }
  EXPECT_TRUE(Listing().empty());
}

// Each argument list, what the run prints and the script it writes.
TEST_F(CliTest, OptionsAreLeadingDoubleDashWords) {
  for (const std::string name : {"-x.bat", "my file.bat", "--odd.bat", "r.bat"}) {
    Write(name, "cls\n");
  }
  const struct {
    std::vector<std::string> args;
    int status;
    std::string output;  // its beginning
    std::string errors;
    std::string script;  // written, or "" for none
  } cases[] = {
      {{"--help"}, 0, "Usage: morvex [--runnable] NAME.bat\n", "", ""},
      {{"--version", "x.bat"}, 0, "morvex " MORVEX_VERSION "\n", "", ""},
      {{"--bogus", "r.bat"},
       2,
       "",
       "morvex: --bogus: unknown option (morvex --help lists the options)\n",
       ""},
      {{"--drives=/w", "r.bat"},
       2,
       "",
       "morvex: --runnable: missing: the drive mapping and the guard are options of the "
       "runnable mode (morvex --help lists the options)\n",
       ""},
      {{"--runnable", "--drive=C:", "r.bat"},
       2,
       "",
       "morvex: --drive=C:: the folder must be absolute (morvex --help lists the options)\n",
       ""},
      {{"--runnable", "--help"}, 0, "Usage: morvex", "", ""},
      // Without a leading "--" the words name the file, as they always did.
      {{"-x.bat"}, 0, "", "", "-x.sh"},
      {{"my", "file.bat"}, 0, "", "", "my file.sh"},
      {{"--", "--odd.bat"}, 0, "", "", "--odd.sh"},
      {{"--runnable", "missing.bat"},
       1,
       "",
       "morvex: missing.bat: No such file or directory\n",
       ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.args.at(0));
    const Outcome run = Morvex(c.args);
    EXPECT_EQ(c.status, run.status);
    EXPECT_EQ(0u, run.output.find(c.output)) << run.output;
    if (c.output.empty()) {
      EXPECT_EQ("", run.output);
    }
    EXPECT_EQ(c.errors, run.errors);
    if (!c.script.empty()) {
      EXPECT_EQ(kCls, Read(c.script));
      fs::remove(Path(c.script));
    }
  }
  EXPECT_EQ((std::vector<std::string>{"--odd.bat", "-x.bat", "my file.bat", "r.bat"}), Listing());
}

// The runnable script is written beside the batch file, executable, in place
// of an earlier one, like the default one.
TEST_F(CliTest, RunnableScriptIsWrittenLikeTheDefaultOne) {
  Write("r.bat", "\xEF\xBB\xBF@echo off\r\necho hi\r\n\x1a");
  Write("r.sh", "earlier\n");
  const Outcome run = Morvex({"--runnable", "r.bat"}, {.umask = 027});
  EXPECT_EQ(0, run.status);
  EXPECT_EQ("", run.errors);
  EXPECT_EQ(0u, Read("r.sh").find("#!/bin/sh\n"));
  EXPECT_EQ(fs::perms(0750), fs::status(Path("r.sh")).permissions() & fs::perms::all);
  EXPECT_EQ((std::vector<std::string>{"r.bat", "r.sh"}), Listing());
}

TEST_F(CliTest, ConvertsBesideTheBatchFile) {
  fs::create_directory(Path("sub dir"));
  Write("sub dir/my file.bat", "@echo off\r\ncopy a.txt b.txt /y\r\n");
  Write("sub dir/my file.sh", "old script, much longer than the new one\n");
  const Outcome run = Morvex({" sub", "dir/my", "file.bat "}, {.umask = 077});
  EXPECT_EQ(0, run.status);
  EXPECT_EQ("", run.errors);
  EXPECT_EQ(
      "#!/bin/sh\n\n"
      "# DOS: @echo off\n# no POSIX equivalent to echo off\n\n"
      "# DOS: copy a.txt b.txt /y\n# switch translation not implemented yet\ncp a.txt b.txt -y\n\n",
      Read("sub dir/my file.sh"));
  // Executable, as a compiler makes its output: 0777 less the umask.
  EXPECT_EQ(fs::perms(0700), fs::status(Path("sub dir/my file.sh")).permissions() & fs::perms::all);
}

// Each refused run prints one line that names the file, or the folder, and
// creates or changes nothing, in either mode.
TEST_F(CliTest, RefusedRunsCreateNothing) {
  fs::create_directory(Path("folder.bat"));
  ASSERT_EQ(0, mkfifo(Path("pipe.bat").c_str(), 0644));
  fs::create_symlink("nowhere.bat", Path("dangling.bat"));
  const std::string batch = "echo keep me\n";
  for (const char* name : {"self.sh", "hard.bat", "soft.bat", "a.bat", "loop.bat"}) {
    Write(name, batch);
  }
  fs::create_hard_link(Path("hard.bat"), Path("hard.sh"));
  fs::create_symlink("soft.bat", Path("soft.sh"));
  fs::create_directory(Path("a.sh"));
  fs::create_symlink("loop.sh", Path("loop.sh"));  // cannot be looked up
  const std::vector<std::string> before = Listing();
  const struct {
    std::string name;
    std::string errors;  // their beginning, after "morvex: "
  } cases[] = {
      {"missing.bat", "missing.bat: No such file or directory"},
      {"folder.bat", "folder.bat: Is a directory"},
      {"pipe.bat", "pipe.bat: not an ordinary file"},
      {"dangling.bat", "dangling.bat: No such file or directory"},
      {"/dev/null", "/dev/null: not an ordinary file"},
      {"self.sh", "self.sh: is the batch file itself; it is left as it is"},
      {"hard.bat", "hard.sh: is the batch file itself"},
      {"soft.bat", "soft.sh: is the batch file itself"},
      {"a.bat", "a.sh: Is a directory"},
      {"loop.bat", "loop.sh: Too many levels of symbolic links"},
      // No file can be made in /proc.
      {"/proc/version", "/proc: cannot create a temporary file: "},
  };
  for (const auto& c : cases) {
    for (const bool runnable : {false, true}) {
      SCOPED_TRACE(c.name + (runnable ? " --runnable" : ""));
      const Outcome run = Morvex(runnable ? std::vector<std::string>{"--runnable", c.name}
                                          : std::vector<std::string>{c.name});
      EXPECT_EQ(1, run.status);
      EXPECT_EQ(0u, run.errors.find("morvex: " + c.errors)) << run.errors;
      EXPECT_EQ(1, std::count(run.errors.begin(), run.errors.end(), '\n')) << run.errors;
    }
  }
  for (const char* name : {"self.sh", "hard.bat", "soft.bat"}) EXPECT_EQ(batch, Read(name));
  EXPECT_EQ(before, Listing());
}

// When the script cannot be completed, the earlier one stays byte for byte and
// no temporary file is left behind.
TEST_F(CliTest, IncompleteScriptLeavesTheEarlierOneAlone) {
  std::string batch;
  for (int i = 0; i < 20000; ++i)
    batch += "copy c:\\data\\file" + std::to_string(i) + ".txt a:\\\n";
  Write("big.bat", batch);
  Write("big.sh", "#!/bin/sh\necho earlier\n");
  const Outcome run = Morvex({"big.bat"}, {.file_size = 64 * 1024});
  EXPECT_EQ(1, run.status);
  EXPECT_EQ("morvex: big.sh: File too large\n", run.errors);
  EXPECT_EQ("#!/bin/sh\necho earlier\n", Read("big.sh"));
  EXPECT_EQ((std::vector<std::string>{"big.bat", "big.sh"}), Listing());
}

// The calls that make a script durable, in the order strace sees them: the
// script is flushed to disk, takes its name, and the folder is flushed after
// it; and a failure of any of them fails the run. strace also injects the
// failures.
class DurableWriteTest : public CliTest {
 protected:
  void SetUp() override {
    if (std::system("strace -V >/dev/null 2>&1") != 0) GTEST_SKIP() << "strace is not installed";
    CliTest::SetUp();
    log_ = (dir_.parent_path() / (dir_.filename().string() + ".strace")).string();
  }
  void TearDown() override {
    CliTest::TearDown();
    std::remove(log_.c_str());
  }

  // The file calls of a run of morvex on a.bat, one word each.
  Outcome Trace(const std::string& inject, std::string* calls) {
    // The leak checker of a sanitized build cannot work under strace.
    std::vector<std::string> strace = {"env",
                                       "ASAN_OPTIONS=detect_leaks=0",
                                       "strace",
                                       "-o",
                                       log_,
                                       "-e",
                                       "trace=openat,fsync,rename,renameat,renameat2"};
    if (!inject.empty()) strace.insert(strace.end(), {"-e", "inject=" + inject});
    const Outcome run = Morvex({"a.bat"}, {}, strace);
    std::ifstream log(log_);
    std::string temporary_fd = "?", folder_fd = "?";
    for (std::string line; std::getline(log, line);) {
      const std::string result = line.substr(line.rfind("= ") + 2);
      if (line.find("openat(AT_FDCWD, \".morvex-") == 0) {
        *calls += "create ";
        temporary_fd = result;
      } else if (line.find("O_DIRECTORY") != std::string::npos) {
        *calls += "open-folder ";
        folder_fd = result;
      } else if (line.find("fsync(" + temporary_fd + ")") == 0) {
        *calls += "flush-script ";
      } else if (line.find("fsync(" + folder_fd + ")") == 0) {
        *calls += "flush-folder ";
      } else if (line.find("rename") == 0) {
        *calls += "rename ";
        temporary_fd = "?";  // closed before the rename
      }
    }
    return run;
  }

  std::string log_;
};

TEST_F(DurableWriteTest, ScriptAndFolderAreFlushedAroundTheRename) {
  Write("a.bat", "cls\n");
  for (int run = 0; run < 2; ++run) {  // a new name, then an earlier script
    std::string calls;
    EXPECT_EQ(0, Trace("", &calls).status);
    EXPECT_EQ("create flush-script rename open-folder flush-folder ", calls);
    EXPECT_EQ(kCls, Read("a.sh"));
  }
}

TEST_F(DurableWriteTest, EachFailingStepFailsTheRun) {
  const struct {
    std::string inject;
    std::string errors;
    bool replaced;  // whether the new script took the name before the failure
  } cases[] = {
      {"fsync:error=EIO:when=1", "morvex: a.sh: Input/output error\n", false},
      {"rename:error=EXDEV", "morvex: a.sh: Invalid cross-device link\n", false},
      {"fsync:error=EIO:when=2", "morvex: .: Input/output error\n", true},
  };
  Write("a.bat", "cls\n");
  for (const auto& c : cases) {
    SCOPED_TRACE(c.inject);
    Write("a.sh", "earlier\n");
    std::string calls;
    const Outcome run = Trace(c.inject, &calls);
    EXPECT_EQ(1, run.status);
    EXPECT_EQ(c.errors, run.errors);
    EXPECT_EQ(c.replaced ? kCls : "earlier\n", Read("a.sh"));
    EXPECT_EQ((std::vector<std::string>{"a.bat", "a.sh"}), Listing());
  }
}

// The bundled examples convert to the scripts stored beside them.
TEST_F(CliTest, ExamplesConvertToTheirStoredScripts) {
  int examples = 0;
  for (const auto& entry : fs::directory_iterator(MORVEX_EXAMPLES)) {
    if (entry.path().extension() != ".bat") continue;
    ++examples;
    const std::string name = entry.path().filename().string();
    fs::copy_file(entry.path(), Path(name));
    ASSERT_EQ(0, Morvex({name}).status) << name;
    std::ifstream stored(fs::path(entry.path()).replace_extension(".sh"), std::ios::binary);
    std::stringstream expected;
    expected << stored.rdbuf();
    EXPECT_EQ(expected.str(), Read(fs::path(name).replace_extension(".sh").string())) << name;
  }
  EXPECT_GE(examples, 2);
}

}  // namespace
