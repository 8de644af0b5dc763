#include <gtest/gtest.h>

#include <bit>
#include <cmath>

#include "DocumentTestSupport.h"
#include "document/CablewayFile.h"

namespace skyrig {
namespace {

const std::string kEmptyRoadLines = "0 0 0 0 0 0 0 0 0       0.00\n\n      0.00\n";

std::string repeated(const std::string& text, int times) {
  std::string out;
  for (int i = 0; i < times; ++i) out += text;
  return out;
}

class CablewayFileTest : public testing::DocumentTest {
 protected:
  void openText(const std::string& text) {
    doc->paths.cablewaysPath = write("cableroaddata.dat", text);
    openCableways(*doc, paths, ui);
  }
  // Landing i's fan as the generator lays it out: roads every 10 degrees (pi taken as 3.14)
  // through the landing at (x, y), with a few profile points each.
  void makeFan(int i, float x, float y) {
    for (int j = 0; j < kCablewaysPerLanding; ++j) {
      CablewayRecord& w = doc->cableways[i][j];
      w.slope = static_cast<float>(std::tan(j * 10 * 3.14 / 180));
      w.intercept = y - w.slope * x;
      w.endCol = j + 1;
      w.endRow = -j;
      w.genEndCol = j + 2;
      w.genEndRow = 3 * j;
      w.pointCount = j % 4;
      w.genPointCount = j % 5;
      w.supportCount = j % 3;
      doc->tailSparHeight[i][j] = 12.5f + static_cast<float>(j);
      doc->cablewayMinPayload[i][j] = j == 5 ? -1.0f : 987.75f;
      for (int k = 1; k <= w.pointCount; ++k) {
        // Ten-character values touch the value before them.
        doc->profileCycleTime[i][j][k] = k == 2 ? 1234567.5f : 0.25f * static_cast<float>(k + j);
        doc->profilePayload[i][j][k] = k == 3 ? -123456.25f : -1.0f;
      }
    }
  }
};

TEST_F(CablewayFileTest, SaveWritesTheExactFormat) {
  doc->landingCount = 1;
  doc->cableways[1][0] = CablewayRecord{5, 6, 7, 8, 2, 3, 0.5f, 4011234.5f, 1};
  doc->tailSparHeight[1][0] = 6.0f;
  doc->profileCycleTime[1][0][1] = 12.5f;
  doc->profilePayload[1][0][1] = 1500.0f;
  doc->profileCycleTime[1][0][2] = 13.25f;
  doc->profilePayload[1][0][2] = -1.0f;
  doc->cablewayMinPayload[1][0] = 1500.0f;
  saveCableways(*doc, paths, ui);
  EXPECT_TRUE(ui.messages().empty());
  EXPECT_EQ(read("output/Cableroaddata.dat"),
            "1\n1\n5 6 7 8 2 3 0.5 4011234.5 1       6.00\n"
            "     12.50    1500.00     13.25      -1.00\n   1500.00\n" +
                repeated(kEmptyRoadLines, 35));
}

TEST_F(CablewayFileTest, AFansLinesAndProfilesComeBackBitForBit) {
  doc->landingCount = 2;
  makeFan(1, 512070.0f, 4013890.0f);
  makeFan(2, 511960.0f, 4013520.0f);
  saveCableways(*doc, paths, ui);
  const auto saved = snapshot();

  doc = makeDocument();
  doc->landingCount = 2;
  doc->landingAnalysed[3] = 0;
  openText(read("output/Cableroaddata.dat"));
  EXPECT_TRUE(ui.messages().empty());
  for (int i = 1; i <= 2; ++i) {
    EXPECT_EQ(doc->landingAnalysed[i], 1);
    for (int j = 0; j < kCablewaysPerLanding; ++j) {
      const CablewayRecord& w = doc->cableways[i][j];
      EXPECT_EQ(w, saved->cableways[i][j]) << i << " " << j;
      EXPECT_EQ(std::bit_cast<std::uint32_t>(w.slope),
                std::bit_cast<std::uint32_t>(saved->cableways[i][j].slope));
      EXPECT_EQ(doc->tailSparHeight[i][j], saved->tailSparHeight[i][j]);
      EXPECT_EQ(doc->cablewayMinPayload[i][j], saved->cablewayMinPayload[i][j]);
      EXPECT_EQ(doc->profileCycleTime[i][j], saved->profileCycleTime[i][j]);
      EXPECT_EQ(doc->profilePayload[i][j], saved->profilePayload[i][j]);
    }
  }
  EXPECT_EQ(doc->landingAnalysed[3], 0);
}

TEST_F(CablewayFileTest, TwoDecimalFilesStillOpen) {
  doc->landingCount = 1;
  openText("1\n7\n3 4 3 4 1 1 0.18 3922651.25 0 15.00\n  10.00    -1.00\n -1.00\n" +
           repeated(kEmptyRoadLines, 35));
  ASSERT_TRUE(ui.messages().empty());
  EXPECT_EQ(doc->cableways[1][0], (CablewayRecord{3, 4, 3, 4, 1, 1, 0.18f, 3922651.25f, 0}));
  EXPECT_EQ(doc->profileCycleTime[1][0][1], 10.0f);
  EXPECT_EQ(doc->profilePayload[1][0][1], -1.0f);
  EXPECT_EQ(doc->cablewayMinPayload[1][0], -1.0f);
  EXPECT_EQ(doc->tailSparHeight[1][0], 15.0f);
}

TEST_F(CablewayFileTest, BadFilesChangeNothing) {
  doc->landingCount = 1;
  makeFan(1, 512070.0f, 4013890.0f);
  const std::string good = "1\n1\n" + repeated(kEmptyRoadLines, 36);
  auto withFirstRoad = [&](const std::string& lines) { return "1\n1\n" + lines + repeated(kEmptyRoadLines, 35); };
  const struct {
    std::string text;
    std::string message;
  } cases[] = {
      {"2\n", "Total number of landings is different!"},
      {"1\n0\n" + repeated(kEmptyRoadLines, 36), "landing 1: its id 0 is not 1 to 90."},
      {withFirstRoad("0 0 0 0 101 0 0 0 0 0.00\n" + repeated(" 1.00 1.00", 101) + "\n 0.00\n"),
       "landing 1, cable road 0: its point counts 101 and 0 are not 0 to 100."},
      {withFirstRoad("0 0 0 0 2 2 0 0 0 0.00\n 1.00 1.00 1.00 x\n 0.00\n"),
       "landing 1, cable road 0: profile point 2: a value is not a number."},
      {good.substr(0, good.size() - 12), "landing 1, cable road 35: its minimum payload: the file ends early."},
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
    EXPECT_EQ(message.rfind("message exclamation: ", 0), 0u);
    EXPECT_EQ(message.substr(message.size() - c.message.size()), c.message) << message;
  }
}

}  // namespace
}  // namespace skyrig
