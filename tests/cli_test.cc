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
  std::string errors;  // what it wrote to standard error
};

struct Limits {
  mode_t umask = 022;
  rlim_t file_size = RLIM_INFINITY;
};

class CliTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "morvex-cli-XXXXXX").string();
    ASSERT_NE(nullptr, mkdtemp(pattern.data()));
    dir_ = pattern;
  }
  void TearDown() override { fs::remove_all(dir_); }

  // Runs morvex in the temporary folder with `args` after the program name.
  Outcome Morvex(const std::vector<std::string>& args, Limits limits = {}) {
    int pipe_fds[2];
    EXPECT_EQ(0, pipe(pipe_fds));
    const pid_t pid = fork();
    if (pid == 0) {
      dup2(pipe_fds[1], STDERR_FILENO);
      close(pipe_fds[0]);
      if (chdir(dir_.c_str()) != 0) _exit(125);
      umask(limits.umask);
      const rlimit file_size{limits.file_size, limits.file_size};
      setrlimit(RLIMIT_FSIZE, &file_size);
      signal(SIGXFSZ, SIG_IGN);  // a write past the limit fails instead of killing
      std::vector<char*> argv{const_cast<char*>(MORVEX_BINARY)};
      for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
      argv.push_back(nullptr);
      execv(MORVEX_BINARY, argv.data());
      _exit(126);
    }
    close(pipe_fds[1]);
    Outcome run;
    char buffer[4096];
    for (ssize_t got; (got = read(pipe_fds[0], buffer, sizeof buffer)) > 0;) {
      run.errors.append(buffer, static_cast<size_t>(got));
    }
    close(pipe_fds[0]);
    int wait_status = 0;
    waitpid(pid, &wait_status, 0);
    run.status = WIFEXITED(wait_status) ? WEXITSTATUS(wait_status) : -1;
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

TEST_F(CliTest, WithoutANameShowsUsage) {
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{}, {""}, {"   "}, {" ", " "}}) {
    const Outcome run = Morvex(args);
    EXPECT_EQ(2, run.status);
    EXPECT_EQ(kUsage, run.errors);
  }
  EXPECT_TRUE(Listing().empty());
}

TEST_F(CliTest, ConvertsBesideTheBatchFile) {
  Write("go.bat", "@echo off\r\ncopy a.txt b.txt /y\r\n");
  const Outcome run = Morvex({"go.bat"});
  EXPECT_EQ(0, run.status);
  EXPECT_EQ("", run.errors);
  EXPECT_EQ(
      "#!/bin/sh\n\n"
      "# DOS: @echo off\n# no POSIX equivalent to echo off\n\n"
      "# DOS: copy a.txt b.txt /y\n# switch translation not implemented yet\ncp a.txt b.txt -y\n\n",
      Read("go.sh"));
  EXPECT_EQ((std::vector<std::string>{"go.bat", "go.sh"}), Listing());
}

TEST_F(CliTest, WordsOfTheCommandLineFormOneName) {
  fs::create_directory(Path("sub dir"));
  Write("sub dir/my file.bat", "cls\n");
  EXPECT_EQ(0, Morvex({" sub", "dir/my", "file.bat "}).status);
  EXPECT_EQ("#!/bin/sh\n\n# DOS: cls\nclear\n\n", Read("sub dir/my file.sh"));
}

TEST_F(CliTest, ScriptIsExecutableLessTheUmask) {
  Write("a.bat", "cls\n");
  ASSERT_EQ(0, Morvex({"a.bat"}, {.umask = 022}).status);
  EXPECT_EQ(fs::perms(0755), fs::status(Path("a.sh")).permissions() & fs::perms::all);
  ASSERT_EQ(0, Morvex({"a.bat"}, {.umask = 077}).status);
  EXPECT_EQ(fs::perms(0700), fs::status(Path("a.sh")).permissions() & fs::perms::all);
}

TEST_F(CliTest, ReplacesAnEarlierScript) {
  Write("a.bat", "cls\n");
  Write("a.sh", "old script, much longer than the new one\n");
  ASSERT_EQ(0, Morvex({"a.bat"}).status);
  EXPECT_EQ("#!/bin/sh\n\n# DOS: cls\nclear\n\n", Read("a.sh"));
}

TEST_F(CliTest, InputThatIsNoOrdinaryFileCreatesNothing) {
  fs::create_directory(Path("folder.bat"));
  ASSERT_EQ(0, mkfifo(Path("pipe.bat").c_str(), 0644));
  fs::create_symlink("nowhere.bat", Path("dangling.bat"));
  const std::vector<std::string> before = Listing();
  for (const std::string name : {"missing.bat", "folder.bat", "pipe.bat", "dangling.bat"}) {
    const Outcome run = Morvex({name});
    EXPECT_EQ(1, run.status) << name;
    EXPECT_EQ(0u, run.errors.find("morvex: " + name + ": ")) << run.errors;
    EXPECT_EQ(1, std::count(run.errors.begin(), run.errors.end(), '\n')) << run.errors;
  }
  const Outcome device = Morvex({"/dev/null"});
  EXPECT_EQ(1, device.status);
  EXPECT_EQ("morvex: /dev/null: not an ordinary file\n", device.errors);
  EXPECT_EQ(before, Listing());
}

TEST_F(CliTest, NeverWritesOverTheBatchFileItself) {
  const std::string batch = "echo keep me\n";
  Write("self.sh", batch);
  Write("hard.bat", batch);
  fs::create_hard_link(Path("hard.bat"), Path("hard.sh"));
  Write("soft.bat", batch);
  fs::create_symlink("soft.bat", Path("soft.sh"));
  const std::vector<std::string> before = Listing();
  for (const std::string name : {"self.sh", "hard.bat", "soft.bat"}) {
    const Outcome run = Morvex({name});
    EXPECT_EQ(1, run.status) << name;
    EXPECT_NE(std::string::npos, run.errors.find("is the batch file itself")) << run.errors;
    EXPECT_EQ(batch, Read(name));
  }
  EXPECT_TRUE(fs::is_symlink(Path("soft.sh")));
  EXPECT_EQ(before, Listing());
}

TEST_F(CliTest, ScriptNameTakenByAFolderFails) {
  Write("a.bat", "cls\n");
  fs::create_directory(Path("a.sh"));
  const Outcome run = Morvex({"a.bat"});
  EXPECT_EQ(1, run.status);
  EXPECT_EQ("morvex: a.sh: Is a directory\n", run.errors);
  EXPECT_EQ((std::vector<std::string>{"a.bat", "a.sh"}), Listing());
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

// Two runs on one file at once: whichever renames last wins, and the script
// is always one complete conversion.
TEST_F(CliTest, ConcurrentRunsLeaveOneCompleteScript) {
  std::string batch;
  for (int i = 0; i < 50000; ++i) batch += "del c:\\temp\\" + std::to_string(i) + ".tmp\n";
  Write("two.bat", batch);
  ASSERT_EQ(0, Morvex({"two.bat"}).status);
  const std::string expected = Read("two.sh");
  std::vector<pid_t> children;
  for (int i = 0; i < 2; ++i) {
    const pid_t pid = fork();
    if (pid == 0) _exit(Morvex({"two.bat"}).status);
    children.push_back(pid);
  }
  for (pid_t pid : children) {
    int status = 0;
    waitpid(pid, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  }
  EXPECT_EQ(expected, Read("two.sh"));
  EXPECT_EQ((std::vector<std::string>{"two.bat", "two.sh"}), Listing());
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
