// skyrig-cli as a user runs it: argument handling, messages and exit codes of every subcommand
// (0 success, 1 the data stopped the work, 2 a bad command line, script or project file).
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

struct Outcome {
  int exitCode = -1;
  std::string out;
  std::string err;
};

class Cli : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = fs::temp_directory_path() / ("skyrig-cli-test-" + std::to_string(::getpid()) + "-" +
                                       ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir);
    fs::create_directories(dir);
  }
  void TearDown() override { fs::remove_all(dir); }

  static std::string slurp(const fs::path& file) {
    std::ifstream in(file);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
  }

  // Runs skyrig-cli with the arguments (a shell word list) in the test folder.
  Outcome run(const std::string& args) const {
    const std::string command = "cd '" + dir.string() + "' && '" SKYRIG_CLI "' " + args +
                                " >stdout.txt 2>stderr.txt";
    const int status = std::system(command.c_str());
    Outcome o;
    o.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    o.out = slurp(dir / "stdout.txt");
    o.err = slurp(dir / "stderr.txt");
    return o;
  }

  void write(const std::string& name, const std::string& text) const {
    fs::create_directories((dir / name).parent_path());
    std::ofstream(dir / name) << text;
  }

  fs::path dir;
};

TEST_F(Cli, HelpAndVersion) {
  const Outcome help = run("--help");
  EXPECT_EQ(help.exitCode, 0);
  for (const char* word : {"run", "summary", "solve", "plan", "--version", "Exit codes: 0"})
    EXPECT_NE(help.out.find(word), std::string::npos) << word;
  for (const char* sub : {"run", "summary", "solve", "plan"}) {
    const Outcome o = run(std::string(sub) + " --help");
    EXPECT_EQ(o.exitCode, 0) << sub;
    EXPECT_NE(o.out.find("Exit codes: 0 success"), std::string::npos) << sub;
  }
  EXPECT_NE(run("run --help").out.find("--root"), std::string::npos);
  EXPECT_NE(run("solve --help").out.find("ITERLOG"), std::string::npos);

  const Outcome version = run("--version");
  EXPECT_EQ(version.exitCode, 0);
  EXPECT_EQ(version.out, "skyrig-cli " SKYRIG_VERSION "\n");
}

TEST_F(Cli, BadCommandLinesExitWithTwo) {
  EXPECT_EQ(run("").exitCode, 2);
  EXPECT_EQ(run("frobnicate").exitCode, 2);
  EXPECT_EQ(run("plan").exitCode, 2);
  EXPECT_EQ(run("plan a b").exitCode, 2);
  EXPECT_EQ(run("solve a b c").exitCode, 2);
  EXPECT_EQ(run("summary extra").exitCode, 2);
  EXPECT_EQ(run("run --root").exitCode, 2);

  // A folder that does not exist, a folder given as the script, a missing script.
  write("script.txt", "# nothing\n");
  const Outcome noRoot = run("run --root no-such-folder script.txt");
  EXPECT_EQ(noRoot.exitCode, 2);
  EXPECT_NE(noRoot.err.find("no-such-folder"), std::string::npos) << noRoot.err;
  EXPECT_EQ(run("summary --root no-such-folder").exitCode, 2);
  fs::create_directories(dir / "folder");
  const Outcome folder = run("run folder");
  EXPECT_EQ(folder.exitCode, 2);
  EXPECT_NE(folder.err.find("directory"), std::string::npos) << folder.err;
  EXPECT_EQ(run("run missing.txt").exitCode, 2);
  EXPECT_EQ(run("plan no-such-project").exitCode, 2);

  EXPECT_EQ(run("run --root . script.txt").exitCode, 0);
  write("bad.txt", "command No > Such Command\n");
  const Outcome script = run("run bad.txt");
  EXPECT_EQ(script.exitCode, 2);
  EXPECT_NE(script.err.find("bad.txt:1: script error"), std::string::npos) << script.err;
}

TEST_F(Cli, BadProjectFileExitsWithTwoNamingKeyAndLine) {
  write("project/skyrig.json",
        "{\n  \"cableSystems\": {\n    \"2\": {\"maxIntSupports\": 21}\n  }\n}\n");
  const Outcome o = run("plan project");
  EXPECT_EQ(o.exitCode, 2);
  EXPECT_NE(o.err.find("cableSystems.2.maxIntSupports (line 3): must be a number between 0 and 20"),
            std::string::npos)
      << o.err;
  write("project/skyrig.json", "{\"runs\": {}, \"runs\": {}}");
  EXPECT_NE(run("plan project").err.find("appears twice"), std::string::npos);
}

TEST_F(Cli, MissingDataExitsWithOne) {
  // An empty project folder: the terrain model cannot be read.
  fs::create_directories(dir / "empty");
  const Outcome plan = run("plan empty");
  EXPECT_EQ(plan.exitCode, 1);
  EXPECT_NE(plan.err.find("the terrain model could not be read"), std::string::npos) << plan.err;
  const Outcome summary = run("summary --root empty");
  EXPECT_EQ(summary.exitCode, 1);
  EXPECT_NE(summary.out.find("message"), std::string::npos);
  EXPECT_EQ(run("solve none.txt none.txt path.txt \"\"").exitCode, 1);
}

TEST_F(Cli, SolveFailsWhenItsOutputsCannotBeWritten) {
  write("links.txt", "C1R1 L1 1.0 10.0\nL1 SuperExit 2.0 5.0\nC1R1 SuperExit 9.0 0.0\n");
  write("sales.txt", "C1R1 SuperExit 4.0 1\n");
  const Outcome ok = run("solve links.txt sales.txt path.txt log.txt");
  EXPECT_EQ(ok.exitCode, 0) << ok.err;
  EXPECT_NE(ok.out.find("best total "), std::string::npos) << ok.out;
  EXPECT_TRUE(fs::exists(dir / "path.txt"));
  EXPECT_EQ(run("solve links.txt sales.txt path2.txt \"\"").exitCode, 0);

  // Missing folders are made; a folder in the file's place or a file in the folder's cannot be.
  fs::create_directories(dir / "folder");
  const Outcome noPath = run("solve links.txt sales.txt folder log.txt");
  EXPECT_EQ(noPath.exitCode, 1);
  EXPECT_NE(noPath.err.find("an output file was not written"), std::string::npos) << noPath.err;
  EXPECT_EQ(run("solve links.txt sales.txt path.txt links.txt/log.txt").exitCode, 1);

  write("badsales.txt", "C9R9 SuperExit 4.0 1\n");  // an entry that is no node
  EXPECT_EQ(run("solve links.txt badsales.txt path.txt \"\"").exitCode, 1);
}

}  // namespace
