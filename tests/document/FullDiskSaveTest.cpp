// Saving onto a full file system: the save is reported with the file and the reason, and the
// file saved before is left exactly as it was. Needs permission to mount a small tmpfs (root);
// skipped where that is not allowed.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "DocumentTestSupport.h"
#include "document/CablewayFile.h"
#include "document/LandingsFile.h"
#include "runs/RunFiles.h"

namespace skyrig {
namespace {

class FullDiskSaveTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::create_directories(mountPoint_);
    const std::string command =
        "mount -t tmpfs -o size=256k tmpfs '" + mountPoint_.string() + "' 2>/dev/null";
    mounted_ = std::system(command.c_str()) == 0;
    if (!mounted_) GTEST_SKIP() << "mounting a tmpfs is not permitted here";
    paths.setRoot(mountPoint_);
  }
  void TearDown() override {
    if (mounted_) std::system(("umount '" + mountPoint_.string() + "'").c_str());
    std::filesystem::remove_all(mountPoint_);
  }
  // Fills the file system with one file until no byte more fits.
  void fillDisk() {
    std::ofstream filler(mountPoint_ / "filler", std::ios::binary);
    const std::string block(4096, 'x');
    while (filler.write(block.data(), static_cast<std::streamsize>(block.size()))) {
    }
  }
  std::string read(const std::string& name) const {
    std::ifstream in(mountPoint_ / name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }
  int filesIn(const std::string& folder) const {
    int n = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(mountPoint_ / folder))
      ++n;
    return n;
  }

  std::unique_ptr<CSkyrigDoc> doc = makeDocument();
  Paths paths;
  ScriptedUi ui;

 private:
  std::filesystem::path mountPoint_ = std::filesystem::temp_directory_path() /
                                      ("skyrig-full-" + std::to_string(std::random_device()()));
  bool mounted_ = false;
};

TEST_F(FullDiskSaveTest, AFailedSaveKeepsThePreviousFileAndSaysTheDiskIsFull) {
  doc->landingCount = 2;
  doc->landings[1] = Landing{5, 6, 1};
  doc->landings[2] = Landing{7, 8, 2};
  saveLandings(*doc, paths, ui);
  saveCableways(*doc, paths, ui);
  ASSERT_TRUE(ui.messages().empty());
  const std::string landings = read("output/Landings.dat");
  const std::string roads = read("output/Cableroaddata.dat");

  fillDisk();
  doc->landingCount = 90;
  for (int i = 1; i <= 90; ++i) doc->landings[i] = Landing{i, i, 1 + i % 5};
  saveLandings(*doc, paths, ui);
  saveCableways(*doc, paths, ui);
  OutputFile report = createOutputFile(paths, ui, "e:\\thesis\\output\\cablereport.txt");
  if (report) {
    for (int i = 0; i < 100000; ++i) std::fputs("C1R1-C2R2-L1-DummyDest1-12.500000\n", report.get());
    EXPECT_FALSE(finishOutputFile(ui, report));
  }

  EXPECT_EQ(read("output/Landings.dat"), landings);
  EXPECT_EQ(read("output/Cableroaddata.dat"), roads);
  EXPECT_EQ(filesIn("output"), 2);  // no temporary file is left behind
  const std::vector<std::string> shown = ui.messages();
  ASSERT_EQ(shown.size(), 3u);
  EXPECT_TRUE(shown[0].ends_with(
      "output/Landings.dat: the file was not saved: the disk is full; the previous file is kept."))
      << shown[0];
  EXPECT_TRUE(shown[1].ends_with("output/Cableroaddata.dat: the file was not saved: the disk is "
                                 "full; the previous file is kept."))
      << shown[1];
  EXPECT_NE(shown[2].find("cablereport.txt"), std::string::npos) << shown[2];
  EXPECT_NE(shown[2].find("the disk is full"), std::string::npos) << shown[2];
}

}  // namespace
}  // namespace skyrig
