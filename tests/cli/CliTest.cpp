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

TEST_F(Cli, SolveImproveKeepsTheHeuristicsPlanOnBadInputAndNeverReportsAFalseBound) {
  // Two entries share the trunk B-Z: the heuristic may pay for two trunks, the improvement not.
  write("links.txt",
        "A B 1.0 10.0\nC B 1.0 10.0\nB Z 1.0 100.0\nA Z 2.0 70.0\nC Z 2.0 70.0\n");
  write("sales.txt", "A Z 4.0 1\nC Z 4.0 1\n");
  const auto line = [](const Outcome& o) { return o.out.substr(0, o.out.find('\n')); };
  const auto figure = [](const std::string& text, const std::string& key) {
    const auto at = text.find(key + " ");
    return at == std::string::npos ? std::string() : text.substr(at + key.size() + 1, text.find(' ', at + key.size() + 1) - at - key.size() - 1);
  };

  const Outcome good = run("solve --improve --time-limit 10 links.txt sales.txt path.txt log.txt");
  ASSERT_EQ(good.exitCode, 0) << good.err;
  const std::string goodLine = line(good);
  ASSERT_NE(figure(goodLine, "bound"), "-") << goodLine;
  EXPECT_LE(std::stod(figure(goodLine, "improved")), std::stod(figure(goodLine, "heuristic")));
  EXPECT_LE(std::stod(figure(goodLine, "bound")), std::stod(figure(goodLine, "improved")) + 1e-6);
  // Both over B: 8 x 2 per m3 + 10 + 10 + 100 = 136; both direct 156; mixed 196.
  EXPECT_NEAR(std::stod(figure(goodLine, "improved")), 136.0, 1e-6);
  EXPECT_NEAR(std::stod(figure(goodLine, "bound")), 136.0, 1e-3);

  // A time limit of zero: refused, the heuristic's path file kept and its total reported.
  const Outcome zero = run("solve --improve --time-limit 0 links.txt sales.txt zero.txt \"\"");
  EXPECT_EQ(zero.exitCode, 1);
  EXPECT_NE(zero.err.find("the time limit must be above 0 seconds"), std::string::npos) << zero.err;
  EXPECT_NE(zero.err.find("The heuristic's solution is kept in zero.txt"), std::string::npos);
  EXPECT_EQ(figure(line(zero), "bound"), "-");
  EXPECT_EQ(figure(line(zero), "heuristic"), figure(line(zero), "improved"));
  EXPECT_FALSE(slurp(dir / "zero.txt").empty());

  // A sale no link leads from (disconnected), a sale without volume, a negative cost: each
  // named, no bound given.
  write("apart.txt", "A Z 4.0 1\nQ Y 4.0 1\n");
  write("apartlinks.txt", "A Z 1.0 10.0\nQ W 1.0 10.0\nY W 1.0 1.0\n");
  write("empty.txt", "A Z 4.0 1\nC Z 0.0 1\n");
  write("negative.txt", "A B 1.0 10.0\nC B 1.0 10.0\nB Z 1.0 100.0\nA Z -2.0 70.0\nC Z 2.0 70.0\n");
  struct Case {
    const char* args;
    const char* says;
  };
  for (const Case& c : {Case{"apartlinks.txt apart.txt", "cannot reach its destination"},
                        Case{"links.txt empty.txt", "no volume"},
                        Case{"negative.txt sales.txt", "negative"}}) {
    const Outcome o = run(std::string("solve --improve --time-limit 5 ") + c.args + " p.txt \"\"");
    EXPECT_NE(o.exitCode, 0) << c.args;
    EXPECT_NE(o.err.find(c.says), std::string::npos) << c.args << ": " << o.err;
    if (!o.out.empty()) {
      EXPECT_EQ(figure(line(o), "bound"), "-") << c.args;
    }
  }

  // Duplicate links: the first of each is costed, as the path file readers do, and said so.
  write("twice.txt",
        "A B 1.0 10.0\nC B 1.0 10.0\nB Z 1.0 100.0\nB Z 0.5 1.0\nA Z 2.0 70.0\nC Z 2.0 70.0\n");
  const Outcome twice = run("solve --improve --time-limit 10 twice.txt sales.txt twice-path.txt \"\"");
  EXPECT_EQ(twice.exitCode, 0) << twice.err;
  EXPECT_NE(twice.err.find("duplicate links"), std::string::npos) << twice.err;
  const std::string twiceLine = line(twice);
  ASSERT_NE(figure(twiceLine, "bound"), "-") << twiceLine;
  EXPECT_LE(std::stod(figure(twiceLine, "bound")), std::stod(figure(twiceLine, "improved")) + 1e-6);
}

}  // namespace
