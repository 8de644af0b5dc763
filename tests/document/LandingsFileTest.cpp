#include <gtest/gtest.h>

#include "DocumentTestSupport.h"
#include "document/LandingsFile.h"

namespace skyrig {
namespace {

class LandingsFileTest : public testing::DocumentTest {
 protected:
  void openText(const std::string& text) {
    doc->paths.landingsPath = write("Landings.dat", text);
    openLandings(*doc, paths, ui);
  }
};

TEST_F(LandingsFileTest, SaveWritesTheExactFormat) {
  doc->landingCount = 2;
  doc->landings[1] = Landing{71, 74, 1};
  doc->landings[2] = Landing{108, 96, 3};
  doc->landingConstructionCost[1] = 5000.0f;
  doc->landingConstructionCost[2] = 4500.25f;
  doc->landingSharedTower[2] = 1;
  saveLandings(*doc, paths, ui);
  EXPECT_TRUE(ui.messages().empty());
  EXPECT_EQ(read("output/Landings.dat"), "2\n1 74 71 1 5000.000000 0\n2 96 108 3 4500.250000 1\n");

  doc->landingCount = 0;
  saveLandings(*doc, paths, ui);
  EXPECT_EQ(read("output/Landings.dat"), "0\n");
  doc->landingCount = 5;
  openText(read("output/Landings.dat"));
  EXPECT_EQ(doc->landingCount, 0);
}

TEST_F(LandingsFileTest, LinesFillTheSlotsNamedByTheirIds) {
  doc->landings[3] = Landing{9, 9, 2};
  doc->landingAnalysed[1] = 1;
  openText("2\n2 5 6 1 100.5 -1\n  1\t7 8 2 2e2 0\r\n");
  EXPECT_EQ(doc->landingCount, 2);
  EXPECT_EQ(doc->landings[2], (Landing{6, 5, 1}));
  EXPECT_EQ(doc->landings[1], (Landing{8, 7, 2}));
  EXPECT_EQ(doc->landingConstructionCost[2], 100.5f);
  EXPECT_EQ(doc->landingConstructionCost[1], 200.0f);
  EXPECT_EQ(doc->landingSharedTower[2], -1);  // 0 or less: shares no tower
  EXPECT_EQ(doc->landings[3], (Landing{9, 9, 2}));
  EXPECT_EQ(doc->landingAnalysed[1], 1);
}

TEST_F(LandingsFileTest, BadFilesChangeNothing) {
  openText("3\n1 10 10 1 5000 0\n2 20 20 2 5000 0\n3 30 30 3 5000 0\n");
  doc->landingSharedTower[5] = 4;  // old slots outside the file: 5 -> 4 -> 1
  doc->landingSharedTower[4] = 1;
  const struct {
    std::string text;
    std::string message;
  } cases[] = {
      {"1\n91 1 1 1 5000 0\n", "landing line 1: its id 91 is not 1 to 90."},
      {"2\n1 1 1 1 5000 0\n0 1 1 1 5000 0\n", "landing line 2: its id 0 is not 1 to 90."},
      {"91\n", "it gives 91 landings; 0 to 90 fit."},
      {"1\n1 700 1 1 5000 0\n", "landing line 1: its cell C700R1 lies outside the grid tables."},
      {"1\n1 1 1 6 5000 0\n", "landing line 1: its cable system 6 is not 1 to 5."},
      {"1\n1 1 1 1 5000 95\n", "landing line 1: its shared tower id 95 is above 90."},
      {"2\n1 1 1 1 5000 2\n2 1 1 1 5000 1\n", "the shared towers starting at landing 1 form a loop."},
      {"1\n1 1 1 1 5000 1\n", "the shared towers starting at landing 1 form a loop."},
      {"2\n1 1 1 1 5000 5\n2 1 1 1 5000 0\n", "the shared towers starting at landing 1 form a loop."},
      {"2\n1 1 1 1 5000 0\n2 1 1\n", "landing line 2: the file ends early."},
      {"1\n1 1 1 1 five 0\n", "landing line 1: a value is not a number."},
      {"", "the number of landings: the file ends early."},
  };
  for (const auto& c : cases) {
    ui.clearLog();
    const auto before = snapshot();
    openText(c.text);
    doc->paths = before->paths;
    EXPECT_TRUE(testing::sameDocument(*doc, *before)) << c.message;
    ASSERT_EQ(ui.messages().size(), 1u) << c.message;
    const std::string message = ui.messages()[0];
    EXPECT_EQ(message.substr(message.size() - c.message.size()), c.message) << message;
  }
}

TEST_F(LandingsFileTest, UnopenableFilesGiveTheMessageAndChangeNothing) {
  write("output", "a file where the output folder should be");
  doc->landingCount = 1;
  const auto before = snapshot();
  saveLandings(*doc, paths, ui);
  doc->paths.landingsPath = "E:/thesis/nowhere/Landings.dat";
  openLandings(*doc, paths, ui);
  doc->paths = before->paths;
  EXPECT_TRUE(testing::sameDocument(*doc, *before));
  EXPECT_EQ(ui.messages(), (std::vector<std::string>{"message exclamation: Unable to open the file",
                                                     "message exclamation: Unable to open the file"}));
}

}  // namespace
}  // namespace skyrig
