// End-to-end tests of what the runnable mode does beyond one file: a project
// converted with --folder in both layouts and run, the filters, the warnings
// and the gate's exit status, and code pages. The real morvex binary runs in
// a temporary folder, and the scripts under dash.

#include <sys/wait.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace fs = std::filesystem;

namespace {

struct Outcome {
  int status = -1;
  std::string output;
  std::string errors;
};

std::string Read(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

void Write(const fs::path& path, const std::string& bytes) {
  fs::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary) << bytes;
}

class ProjectTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "morvex-project-XXXXXX").string();
    ASSERT_NE(nullptr, mkdtemp(pattern.data()));
    dir_ = pattern;
  }
  void TearDown() override { fs::remove_all(dir_); }

  // Runs `command` with sh in `folder` (under the temporary one), with
  // `morvex` standing for the program, and standard input from `input`.
  Outcome Run(const std::string& command, const std::string& folder = ".",
              const std::string& input = "") {
    Write(dir_ / ".in", input);
    const std::string line = "cd '" + (dir_ / folder).string() + "' && morvex() { '" +
                             MORVEX_BINARY + "' \"$@\"; } && { " + command + "; } <'" +
                             (dir_ / ".in").string() + "' >'" + (dir_ / ".out").string() + "' 2>'" +
                             (dir_ / ".err").string() + "'";
    const int status = std::system(line.c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, Read(dir_ / ".out"), Read(dir_ / ".err")};
  }

  // A project whose files call each other by name, by a folder, by %~dp0
  // and with .. in it, and read a data file beside them.
  void WriteProject() {
    Write(dir_ / "proj/build.bat",
          "@echo off\r\n"
          "call tools\\setenv.bat one\r\n"
          "echo main: %ENVVAL%\r\n"
          "call \"%~dp0lib\\deep\\Helper.CMD\" two\r\n"
          "echo back: %errorlevel%\r\n"
          "type \"%~dp0data.txt\"\r\n"
          "call COUNT\r\n");
    Write(dir_ / "proj/tools/setenv.bat", "@echo off\r\nset ENVVAL=set-by-%1\r\n");
    Write(dir_ / "proj/lib/deep/Helper.CMD",
          "@echo off\r\n"
          "echo helper %1 in %~nx0\r\n"
          "call \"%~dp0..\\..\\tools\\setenv.bat\" three\r\n"
          "echo %ENVVAL%\r\n"
          "exit /b 4\r\n");
    Write(dir_ / "proj/COUNT.BAT", "@echo off\r\nset /a n=6*7\r\necho count: %n%\r\n");
    Write(dir_ / "proj/data.txt", "data line\n");
    Write(dir_ / "proj/readme.txt", "not a batch file\n");
  }

  fs::path dir_;
};

constexpr const char* kProjectOutput =
    "main: set-by-one\n"
    "helper two in Helper.CMD\n"
    "set-by-three\n"
    "back: 4\n"
    "data line\n"
    "count: 42\n";

TEST_F(ProjectTest, AProjectBesideItsBatchFiles) {
  WriteProject();
  const Outcome converted = Run("morvex --runnable --folder proj");
  EXPECT_EQ(0, converted.status) << converted.errors;
  EXPECT_EQ("morvex: 4 files converted, 0 failed, 0 constructs not translated\n", converted.errors);
  for (const char* script : {"build.sh", "tools/setenv.sh", "lib/deep/Helper.sh", "COUNT.sh"}) {
    EXPECT_TRUE(fs::is_regular_file(dir_ / "proj" / script)) << script;
  }
  EXPECT_FALSE(fs::exists(dir_ / "proj/readme.sh"));
  const Outcome run = Run("dash ./build.sh", "proj");
  EXPECT_EQ(kProjectOutput, run.output) << run.errors;

  // The same scripts as when each file is converted on its own.
  const std::string build = Read(dir_ / "proj/build.sh");
  EXPECT_EQ(0, Run("morvex --runnable build.bat", "proj").status);
  EXPECT_EQ(build, Read(dir_ / "proj/build.sh"));
}

TEST_F(ProjectTest, AProjectMirroredUnderAnotherFolder) {
  WriteProject();
  const Outcome converted = Run("morvex --runnable --folder --output=out/scripts ./proj/");
  EXPECT_EQ(0, converted.status) << converted.errors;
  for (const char* script : {"build.sh", "tools/setenv.sh", "lib/deep/Helper.sh", "COUNT.sh"}) {
    EXPECT_TRUE(fs::is_regular_file(dir_ / "out/scripts" / script)) << script;
    EXPECT_FALSE(fs::exists(dir_ / "proj" / script)) << script;
  }
  // Run from the batch files' folder, as cmd would run them: the calls find
  // the scripts, and %~dp0 is the batch file's folder.
  const Outcome in_project = Run("dash ../out/scripts/build.sh", "proj");
  EXPECT_EQ(kProjectOutput, in_project.output) << in_project.errors;
}

// With --shared-runtime, the helpers are written once, at the top of the
// tree that holds the scripts, and every script finds them from its own
// folder, whatever the current folder is.
TEST_F(ProjectTest, ASharedHelperFileAtTheTopOfEitherLayout) {
  WriteProject();
  for (const std::string layout : {"", " --output=out"}) {
    const std::string top = layout.empty() ? "proj" : "out";
    const Outcome converted = Run("morvex --runnable --shared-runtime --folder" + layout + " proj");
    EXPECT_EQ(0, converted.status) << layout << converted.errors;
    EXPECT_TRUE(fs::is_regular_file(dir_ / top / "morvex-runtime.sh")) << layout;
    for (const char* folder : {"tools", "lib", "lib/deep"}) {
      EXPECT_FALSE(fs::exists(dir_ / top / folder / "morvex-runtime.sh")) << layout << folder;
    }
    EXPECT_EQ(std::string::npos, Read(dir_ / top / "lib/deep/Helper.sh").find("_runbat() {"));
    const Outcome run = Run("dash ../" + top + "/build.sh", "proj");
    EXPECT_EQ(kProjectOutput, run.output) << layout << run.errors;
  }
}

TEST_F(ProjectTest, AFileThatFailsIsReportedAndTheOthersConverted) {
  WriteProject();
  fs::create_directories(dir_ / "proj/tools/setenv.sh");  // a folder takes the script's name
  Write(dir_ / "proj/stops.bat", "@echo off\r\ncolor 0a\r\nreg query x\r\n");
  const Outcome converted = Run("morvex --runnable --folder --fail-on-stop proj");
  EXPECT_EQ(1, converted.status);
  EXPECT_EQ(
      "proj/stops.bat:2:1: warning: not translated: color [stop-color]\n"
      "proj/stops.bat:3:1: warning: not translated: reg, a Windows program "
      "[stop-windows-program]\n"
      "morvex: proj/tools/setenv.sh: Is a directory\n"
      "morvex: 4 files converted, 1 failed, 2 constructs not translated\n",
      converted.errors);
  EXPECT_TRUE(fs::is_regular_file(dir_ / "proj/stops.sh"));
  EXPECT_TRUE(fs::is_regular_file(dir_ / "proj/build.sh"));

  fs::remove(dir_ / "proj/tools/setenv.sh");
  EXPECT_EQ(3, Run("morvex --runnable --folder --fail-on-stop proj").status);
  EXPECT_EQ(0, Run("morvex --runnable --folder proj").status);
  const Outcome quiet = Run("morvex --runnable --folder --diagnostics=none --fail-on-stop proj");
  EXPECT_EQ(3, quiet.status);
  EXPECT_EQ("morvex: 5 files converted, 0 failed, 2 constructs not translated\n", quiet.errors);
}

TEST_F(ProjectTest, TheGateAndTheWarningsOfOneFile) {
  Write(dir_ / "clean.bat", "@echo off\r\necho fine\r\n");
  Write(dir_ / "deploy.bat", "@echo off\r\n\r\necho x & color 0a\r\n");
  const struct {
    const char* command;
    int status;
    const char* errors;
  } cases[] = {
      {"morvex --runnable clean.bat", 0, ""},
      {"morvex --runnable --fail-on-stop clean.bat", 0, ""},
      {"morvex --runnable deploy.bat", 0,
       "deploy.bat:3:10: warning: not translated: color [stop-color]\n"},
      {"morvex --runnable --fail-on-stop deploy.bat", 3,
       "deploy.bat:3:10: warning: not translated: color [stop-color]\n"},
      {"morvex --runnable --diagnostics=none --fail-on-stop deploy.bat", 3, ""},
      {"morvex --runnable --diagnostics=json deploy.bat", 0,
       "{\"file\":\"deploy.bat\",\"line\":3,\"column\":10,\"severity\":\"warning\","
       "\"code\":\"stop-color\",\"message\":\"not translated: color\"}\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.command);
    fs::remove(dir_ / "deploy.sh");
    const Outcome outcome = Run(c.command);
    EXPECT_EQ(c.status, outcome.status);
    EXPECT_EQ(c.errors, outcome.errors);
    EXPECT_EQ("", outcome.output);
  }
  EXPECT_TRUE(fs::is_regular_file(dir_ / "deploy.sh"));  // written under the gate too
}

TEST_F(ProjectTest, FiltersGiveTheScriptOfTheFileMode) {
  const std::string batch = "@echo off\r\necho %~nx0 %~x0\r\ncolor 0a\r\n";
  Write(dir_ / "deploy.bat", batch);
  ASSERT_EQ(0, Run("morvex --runnable --diagnostics=none deploy.bat").status);
  const std::string script = Read(dir_ / "deploy.sh");
  fs::remove(dir_ / "deploy.sh");

  const Outcome filtered = Run("morvex --runnable --stdin --stdout --name=deploy.bat", ".", batch);
  EXPECT_EQ(0, filtered.status);
  EXPECT_EQ(script, filtered.output);
  EXPECT_EQ("deploy.bat:3:1: warning: not translated: color [stop-color]\n", filtered.errors);
  const Outcome from_file = Run("morvex --runnable --stdout deploy.bat");
  EXPECT_EQ(script, from_file.output);
  EXPECT_FALSE(fs::exists(dir_ / "deploy.sh"));

  // Without --name the batch file is stdin.bat.
  const Outcome unnamed = Run("morvex --runnable --stdin --diagnostics=none", ".", batch);
  EXPECT_NE(std::string::npos, unnamed.output.find("_me=stdin.sh\n"));

  // A batch file that cannot be read leaves standard output empty.
  const Outcome missing = Run("morvex --runnable --stdout nope.bat");
  EXPECT_EQ(1, missing.status);
  EXPECT_EQ("", missing.output);
}

// A progress line only on a terminal, and only for a large folder.
TEST_F(ProjectTest, AProgressLineOnATerminal) {
  if (std::system("command -v script >/dev/null 2>&1") != 0) GTEST_SKIP() << "no script(1)";
  for (int i = 0; i < 320; ++i)
    Write(dir_ / "many" / ("f" + std::to_string(i) + ".bat"), "echo x\r\n");
  for (int i = 0; i < 20; ++i)
    Write(dir_ / "few" / ("f" + std::to_string(i) + ".bat"), "echo x\r\n");
  // script(1) runs the program on a terminal of its own.
  const auto on_terminal = [&](const std::string& folder) {
    return Run("script -qec \"'" + std::string(MORVEX_BINARY) + "' --runnable --folder " + folder +
               "\" /dev/null");
  };
  const Outcome many = on_terminal("many");
  EXPECT_NE(std::string::npos, many.output.find("morvex: 16 of 320 files\r")) << many.output;
  EXPECT_NE(std::string::npos, many.output.find("morvex: 320 files converted"));
  const Outcome few = on_terminal("few");
  EXPECT_EQ(std::string::npos, few.output.find(" files\r")) << few.output;
  const Outcome piped = Run("morvex --runnable --folder many");
  EXPECT_EQ("morvex: 320 files converted, 0 failed, 0 constructs not translated\n", piped.errors);
}

TEST_F(ProjectTest, CodePagesPrintTheirText) {
  // Lines of CP866 and CP1252 files of the corpus: the script prints what
  // iconv -f CP866 (or CP1252) -t UTF-8 gives for them.
  const struct {
    const char* code_page;
    std::string batch;
    std::string printed;
  } cases[] = {
      {"866",
       "@ECHO OFF\r\nrem \x84\xE0\xA0\xA9\xA2\xA5\xE0 \xAC\xEB\xE8\xA8\r\n"
       "echo \x93\xE1\xE2\xA0\xAD\xA0\xA2\xAB\xA8\xA2\xA0\xA5\xAC \xAF\xE3\xE2\xEC\r\n",
       "\xD0\xA3\xD1\x81\xD1\x82\xD0\xB0\xD0\xBD\xD0\xB0\xD0\xB2\xD0\xBB\xD0\xB8\xD0\xB2\xD0\xB0"
       "\xD0\xB5\xD0\xBC \xD0\xBF\xD1\x83\xD1\x82\xD1\x8C\n"},
      {"1252",
       "@echo off\r\necho puede que falle o funcione o perciba un ambiente extra\xF1o...\r\n",
       "puede que falle o funcione o perciba un ambiente extra\xC3\xB1o...\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.code_page);
    Write(dir_ / "text.bat", c.batch);
    const Outcome converted =
        Run(std::string("morvex --runnable --code-page=") + c.code_page + " text.bat");
    EXPECT_EQ(0, converted.status) << converted.errors;
    EXPECT_EQ(c.printed, Run("dash ./text.sh").output);
  }

  // A byte the code page cannot map: nothing is written.
  Write(dir_ / "bad.bat", "@echo off\r\necho Verf\x81gbar\r\n");
  const Outcome bad = Run("morvex --runnable --code-page=1252 bad.bat");
  EXPECT_EQ(1, bad.status);
  EXPECT_EQ(
      "morvex: bad.bat:2:10: byte 0x81 has no character in code page 1252; "
      "no script was written\n",
      bad.errors);
  EXPECT_FALSE(fs::exists(dir_ / "bad.sh"));
}

}  // namespace
