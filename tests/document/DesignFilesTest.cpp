#include <gtest/gtest.h>

#include <cmath>

#include "DocumentTestSupport.h"
#include "document/CablewayFile.h"
#include "document/LandingsFile.h"

namespace skyrig {
namespace {

std::string emptyRoads(int count) {
  std::string out;
  for (int i = 0; i < count; ++i) out += "0 0 0 0 0 0 0 0 0       0.00\n\n      0.00\n";
  return out;
}

class DesignFilesTest : public testing::DocumentTest {
 protected:
  void openLandingsText(const std::string& text) {
    doc->paths.landingsPath = write("Landings.dat", text);
    openLandings(*doc, paths, ui);
  }
  void openCablewaysText(const std::string& text) {
    doc->paths.cablewaysPath = write("cableroaddata.dat", text);
    openCableways(*doc, paths, ui);
  }
  // Landing i's fan: a road every 10 degrees (pi taken as 3.14) through (x, y), each with a
  // few profile points, some negative and some ten characters wide.
  void makeFan(int i, float x, float y) {
    for (int j = 0; j < kCablewaysPerLanding; ++j) {
      CablewayRecord& w = doc->cableways[i][j];
      const auto slope = static_cast<float>(std::tan(j * 10 * 3.14 / 180));
      w = {j + 1, j + 2, j + 3, j + 4, j % 4, j % 5, slope, y - slope * x, j % 3};
      doc->tailSparHeight[i][j] = 12.5f + static_cast<float>(j);
      doc->cablewayMinPayload[i][j] = j == 5 ? -1.0f : 987.75f;
      for (int k = 1; k <= w.pointCount; ++k) {
        doc->profileCycleTime[i][j][k] = k == 2 ? 1234567.5f : 0.25f * static_cast<float>(k + j);
        doc->profilePayload[i][j][k] = k == 3 ? -123456.25f : -1.0f;
      }
    }
  }
};

TEST_F(DesignFilesTest, LandingsAreSavedExactlyAndReadIntoTheSlotsTheirIdsName) {
  doc->landingCount = 2;
  doc->landings[1] = Landing{71, 74, 1};
  doc->landings[2] = Landing{108, 96, 3};
  doc->landingConstructionCost[2] = 4500.25f;
  doc->landingSharedTower[2] = 1;
  saveLandings(*doc, paths, ui);
  EXPECT_EQ(read("output/Landings.dat"), "2\n1 74 71 1 0.000000 0\n2 96 108 3 4500.250000 1\n");
  doc->landingCount = 0;
  saveLandings(*doc, paths, ui);
  EXPECT_EQ(read("output/Landings.dat"), "0\n");
  doc->landingCount = 5;
  openLandingsText(read("output/Landings.dat"));
  EXPECT_EQ(doc->landingCount, 0);

  doc->landingAnalysed[1] = 1;
  doc->landings[3] = Landing{9, 9, 2};
  openLandingsText("2\n2 5 6 1 100.5 -1\n  1\t7 8 2 2e2 0\r\n");
  EXPECT_TRUE(ui.messages().empty());
  EXPECT_EQ(doc->landingCount, 2);
  EXPECT_EQ(std::tie(doc->landings[1], doc->landings[2], doc->landings[3]),
            std::make_tuple(Landing{8, 7, 2}, Landing{6, 5, 1}, Landing{9, 9, 2}));
  EXPECT_EQ(std::tie(doc->landingConstructionCost[2], doc->landingConstructionCost[1]),
            std::make_tuple(100.5f, 200.0f));
  EXPECT_EQ(doc->landingSharedTower[2], -1);  // 0 or less: shares no tower
  EXPECT_EQ(doc->landingAnalysed[1], 1);
}

TEST_F(DesignFilesTest, BadLandingsFilesChangeNothing) {
  openLandingsText("3\n1 10 10 1 5000 0\n2 20 20 2 5000 0\n3 30 30 3 5000 0\n");
  expectRefused(
      {{"1\n91 1 1 1 5000 0\n", "line 2 \"91 1 1 1 5000 0\": its id 91 is not 1 to 1, the number of landings."},
       {"2\n1 1 1 1 5000 0\n0 1 1 1 5000 0\n", "line 3 \"0 1 1 1 5000 0\": its id 0 is not 1 to 2, the number of landings."},
       {"2\n1 1 1 1 5000 0\n1 2 2 1 5000 0\n", "line 3 \"1 2 2 1 5000 0\": landing 1 is given a second time."},
       {"91\n", "line 1: it gives 91 landings; 0 to 90 fit."},
       {"1\n1 700 1 1 5000 0\n", "its cell C700R1 lies outside the grid of 699 columns and 699 rows."},
       {"1\n1 0 0 1 5000 0\n", "its cell C0R0 lies outside the grid of 699 columns and 699 rows."},
       {"1\n1 1 1 6 5000 0\n", "its cable system 6 is not 1 to 5."},
       {"1\n1 1 1 0 5000 0\n", "its cable system 0 is not 1 to 5."},
       {"1\n1 1 1 1 nan 0\n", "its construction cost nan is not 0 to 100000000."},
       {"1\n1 1 1 1 5000 95\n", "its shared tower id 95 names no other landing of the file."},
       {"2\n1 1 1 1 5000 2\n2 1 1 1 5000 1\n",
        "the shared towers starting at landing 1 form a loop."},
       {"1\n1 1 1 1 5000 1\n", "its shared tower id 1 names no other landing of the file."},
       {"2\n1 1 1 1 5000 2\n2 0 0 0 5000 0\n",
        "the shared tower of landing 1 is landing 2, which is not placed."},
       {"2\n1 1 1 1 5000 0\n2 1 1\n", "line 3: the file ends early."},
       {"1\n1 1 1 1 five 0\n", "line 2: a value is not a number."}},
      [&](const std::string& text) { openLandingsText(text); });
  // With a terrain loaded, landings must stand on it; the slot of a landing being placed
  // (cell 0, 0, system 0) may close the file as the program saves it.
  doc->ncols = 50;
  doc->nrows = 40;
  expectRefused({{"1\n1 51 1 1 5000 0\n", "its cell C51R1 lies outside the grid of 50 columns and 40 rows."},
                 {"1\n1 1 41 1 5000 0\n", "its cell C1R41 lies outside the grid of 50 columns and 40 rows."}},
                [&](const std::string& text) { openLandingsText(text); });
  ui.clearLog();
  openLandingsText("2\n1 50 40 5 0 0\n2 0 0 0 5000 0\n");
  EXPECT_TRUE(ui.messages().empty());
  EXPECT_EQ(doc->landings[1], (Landing{40, 50, 5}));
}

TEST_F(DesignFilesTest, UnopenableFilesGiveTheMessageAndChangeNothing) {
  write("output", "a file where the output folder should be");
  doc->landingCount = 1;
  const auto before = snapshot();
  saveLandings(*doc, paths, ui);
  saveCableways(*doc, paths, ui);
  doc->paths.landingsPath = doc->paths.cablewaysPath = "E:/thesis/nowhere/file.dat";
  openLandings(*doc, paths, ui);
  openCableways(*doc, paths, ui);
  doc->paths = before->paths;
  EXPECT_TRUE(testing::sameDocument(*doc, *before));
  const std::vector<std::string> shown = ui.messages();
  ASSERT_EQ(shown.size(), 4u);
  EXPECT_TRUE(shown[0].ends_with(
      "output/Landings.dat: the file was not saved: a part of the path is not a folder; the "
      "previous file is kept."))
      << shown[0];
  EXPECT_TRUE(shown[1].ends_with("output/Cableroaddata.dat: the file was not saved: a part of "
                                 "the path is not a folder; the previous file is kept."))
      << shown[1];
  EXPECT_EQ(shown[2], "message exclamation: Unable to open the file");
  EXPECT_EQ(shown[3], "message exclamation: Unable to open the file");
}

TEST_F(DesignFilesTest, AFailedSaveKeepsThePreviousFile) {
  doc->landingCount = 1;
  doc->landings[1] = Landing{3, 4, 2};
  saveLandings(*doc, paths, ui);
  saveCableways(*doc, paths, ui);
  const std::string landings = read("output/Landings.dat");
  const std::string roads = read("output/Cableroaddata.dat");
  // A road that would not read back is not saved; neither is a landing count out of range.
  doc->cableways[1][3].endCol = 100000;
  saveCableways(*doc, paths, ui);
  doc->landingCount = 91;
  saveLandings(*doc, paths, ui);
  EXPECT_EQ(read("output/Landings.dat"), landings);
  EXPECT_EQ(read("output/Cableroaddata.dat"), roads);
  ASSERT_EQ(ui.messages().size(), 2u);
  EXPECT_NE(ui.messages()[0].find("nothing was saved: landing 1, cable road 3: its end cell "
                                  "C100000R0 lies outside the grid"),
            std::string::npos);
  // Nothing but the saved files is left in the folder.
  int files = 0;
  for ([[maybe_unused]] const auto& entry :
       std::filesystem::directory_iterator(paths.resolve("e:/thesis/output")))
    ++files;
  EXPECT_EQ(files, 2);
}

TEST_F(DesignFilesTest, CableRoadsAreSavedExactly) {
  doc->landingCount = 1;
  doc->cableways[1][0] = CablewayRecord{5, 6, 7, 8, 2, 3, 0.5f, 4011234.5f, 1};
  doc->tailSparHeight[1][0] = 6.0f;
  doc->profileCycleTime[1][0][1] = 12.5f;
  doc->profilePayload[1][0][1] = 1500.0f;
  doc->profileCycleTime[1][0][2] = 13.25f;
  doc->profilePayload[1][0][2] = -1.0f;
  doc->cablewayMinPayload[1][0] = 1500.0f;
  saveCableways(*doc, paths, ui);
  EXPECT_EQ(read("output/Cableroaddata.dat"),
            "1\n1\n5 6 7 8 2 3 0.5 4011234.5 1       6.00\n"
            "     12.50    1500.00     13.25      -1.00\n   1500.00\n" +
                emptyRoads(35));
}

TEST_F(DesignFilesTest, AFansLinesAndProfilesComeBackBitForBit) {
  doc->landingCount = 2;
  makeFan(1, 512070.0f, 4013890.0f);
  makeFan(2, 511960.0f, 4013520.0f);
  saveCableways(*doc, paths, ui);
  const auto saved = snapshot();
  doc = makeDocument();
  doc->landingCount = 2;
  openCablewaysText(read("output/Cableroaddata.dat"));
  EXPECT_TRUE(ui.messages().empty());
  // No NaN in these tables, so equal float by float means bit for bit.
  EXPECT_TRUE(std::tie(doc->cableways, doc->tailSparHeight, doc->cablewayMinPayload,
                       doc->profileCycleTime, doc->profilePayload) ==
              std::tie(saved->cableways, saved->tailSparHeight, saved->cablewayMinPayload,
                       saved->profileCycleTime, saved->profilePayload));
  EXPECT_EQ(std::tie(doc->landingAnalysed[1], doc->landingAnalysed[2], doc->landingAnalysed[3]),
            std::make_tuple(1, 1, 0));

  // Files written with two decimals still open.
  doc->landingCount = 1;
  openCablewaysText("1\n7\n3 4 3 4 1 1 0.18 3922651.25 0 15.00\n  10.00    -1.00\n -1.00\n" +
                    emptyRoads(35));
  EXPECT_EQ(doc->cableways[1][0], (CablewayRecord{3, 4, 3, 4, 1, 1, 0.18f, 3922651.25f, 0}));
  EXPECT_EQ(std::tie(doc->profileCycleTime[1][0][1], doc->profilePayload[1][0][1],
                     doc->cablewayMinPayload[1][0]),
            std::make_tuple(10.0f, -1.0f, -1.0f));
}

TEST_F(DesignFilesTest, BadCableRoadFilesChangeNothing) {
  doc->landingCount = 1;
  makeFan(1, 512070.0f, 4013890.0f);
  const std::string good = "1\n1\n" + emptyRoads(36);
  auto firstRoad = [](const std::string& lines) { return "1\n1\n" + lines + emptyRoads(35); };
  std::string manyPoints;
  for (int k = 0; k < 101; ++k) manyPoints += " 1.00 1.00";
  expectRefused({{"2\n", "Total number of landings is different!"},
                 {"1\n0\n" + emptyRoads(36), "line 2, landing 1: its id 0 is not 1 to 90."},
                 {firstRoad("0 0 0 0 101 0 0 0 0 0.00\n" + manyPoints + "\n 0.00\n"),
                  "line 3, landing 1, cable road 0 \"0 0 0 0 101 0 0 0 0 0.00\": its point "
                  "counts 101 and 0 are not 0 to 100."},
                 {firstRoad("0 0 0 0 2 2 0 0 0 0.00\n 1.00 1.00 1.00 x\n 0.00\n"),
                  "cable road 0 \"0 0 0 0 2 2 0 0 0 0.00\": profile point 2: a value is not a number."},
                 {firstRoad("100000 5 1 1 0 0 0 0 0 0.00\n\n 0.00\n"),
                  "its end cell C100000R5 lies outside the grid of 699 columns and 699 rows."},
                 {firstRoad("1 1 0 700 0 0 0 0 0 0.00\n\n 0.00\n"),
                  "its generated end cell C0R700 lies outside the grid of 699 columns and 699 rows."},
                 {firstRoad("1 1 1 1 0 0 nan 0 0 0.00\n\n 0.00\n"),
                  "its slope nan or intercept 0.000000 is not a finite number."},
                 {firstRoad("1 1 1 1 0 0 0 0 -2 0.00\n\n 0.00\n"),
                  "its support count -2 is not 0 to 100."},
                 {firstRoad("1 1 1 1 1 1 0 0 0 0.00\n 1.00 inf\n 0.00\n"),
                  "profile point 1: its cycle time 1.000000 or payload inf is not a finite number."},
                 {firstRoad("1 1 1 1 0 0 0 0 0 0.00\n\n -nan\n"),
                  "its minimum payload -nan is not a finite number."},
                 {good.substr(0, good.size() - 12),
                  "cable road 35 \"0 0 0 0 0 0 0 0 0       0.00\": its minimum payload: the file ends early."}},
                [&](const std::string& text) { openCablewaysText(text); });
}

}  // namespace
}  // namespace skyrig
