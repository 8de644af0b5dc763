#include <gtest/gtest.h>

#include "DocumentTestSupport.h"
#include "document/OpenDtm.h"

namespace skyrig {
namespace {

using testing::rasterText;

class OpenDtmTest : public testing::DocumentTest {
 protected:
  void openDtmText(const std::string& text) {
    doc->paths.dtmPath = write("dem.dat", text);
    openDtm(*doc, paths, ui);
  }
};

TEST_F(OpenDtmTest, HeaderBytesAreSkippedAndValuesTruncated) {
  // CR LF line ends; a fractional corner loses its fraction; the 10 label bytes of line 2 hold
  // digits that must be skipped, not read.
  std::string text = rasterText(3, 2, "500000.75", "4011600.9", 10,
                                "730.99 -0.5 -1.7\r\n 1e3 +12.25 -9999\r\n", "\r\n");
  text.replace(text.find("nrows"), 10, "nrows12345");
  openDtmText(text);

  EXPECT_TRUE(ui.messages().empty());
  EXPECT_EQ(doc->ncols, 3);
  EXPECT_EQ(doc->nrows, 2);
  EXPECT_EQ(doc->xll, 500000);
  EXPECT_EQ(doc->yll, 4011600);
  EXPECT_EQ(doc->cellSize, 10);
  EXPECT_EQ(doc->xMax, 500020);
  EXPECT_EQ(doc->yMax, 4011610);
  // Row 1 is the northern row; column 1 and row nrows sit at (xll, yll).
  EXPECT_EQ(doc->dtm(1, 1), (DtmCell{500000, 4011610, 730}));
  EXPECT_EQ(doc->dtm(2, 1), (DtmCell{500010, 4011610, 0}));
  EXPECT_EQ(doc->dtm(3, 1), (DtmCell{500020, 4011610, -1}));
  EXPECT_EQ(doc->dtm(1, 2), (DtmCell{500000, 4011600, 1000}));
  EXPECT_EQ(doc->dtm(2, 2), (DtmCell{500010, 4011600, 12}));
  EXPECT_EQ(doc->dtm(3, 2), (DtmCell{500020, 4011600, -9999}));
  EXPECT_EQ(doc->maxElevation, 1000);
  EXPECT_EQ(doc->minElevation, 12);  // -0.5 truncates to 0 but is no elevation >= 0
  EXPECT_EQ(doc->unitBox, (UnitBox{1, 1, 3, 2}));
}

TEST_F(OpenDtmTest, ElevationExtremesIgnoreNoDataButNotZero) {
  openDtmText(rasterText(2, 2, "0", "0", 5, "-9999 -9999\n-9999 -9999\n"));
  EXPECT_EQ(doc->maxElevation, -9999);
  EXPECT_EQ(doc->minElevation, 9999);
  openDtmText(rasterText(2, 2, "0", "0", 5, "7.9 -9999\n0 5.5\n"));
  EXPECT_EQ(doc->maxElevation, 7);
  EXPECT_EQ(doc->minElevation, 0);
}

TEST_F(OpenDtmTest, EmptyOrMissingPathStillResetsExtremesBoxAndStreams) {
  openDtmText(rasterText(4, 3, "0", "0", 10, "1 2 3 4 5 6 7 8 9 10 11 12"));
  doc->unitBox = {2, 2, 3, 3};
  doc->streamGrid(2, 2) = 1;
  doc->streamBufferGrid(650, 650) = 1;
  doc->paths.dtmPath.clear();
  openDtm(*doc, paths, ui);
  EXPECT_TRUE(ui.messages().empty());
  EXPECT_EQ(doc->maxElevation, -9999);
  EXPECT_EQ(doc->minElevation, 9999);
  EXPECT_EQ(doc->unitBox, (UnitBox{1, 1, 4, 3}));
  EXPECT_EQ(doc->streamGrid(2, 2), 0);
  EXPECT_EQ(doc->streamBufferGrid(650, 650), 0);
  EXPECT_EQ(doc->dtm(4, 3).z, 12);  // the grid itself stays

  doc->paths.dtmPath = "E:/thesis/Forest/none.dat";
  doc->maxElevation = 5;
  openDtm(*doc, paths, ui);
  EXPECT_EQ(ui.messages(), std::vector<std::string>{"message exclamation: Unable to open the file"});
  EXPECT_EQ(doc->maxElevation, -9999);
}

TEST_F(OpenDtmTest, UnreadableFilesLeaveTheDocumentAsItWas) {
  openDtmText(rasterText(4, 3, "0", "0", 10, "1 2 3 4 5 6 7 8 9 10 11 12"));
  doc->streamGrid(2, 2) = 1;
  doc->unitBox = {2, 2, 3, 3};
  const struct {
    std::string text;
    std::string problem;
  } cases[] = {
      {rasterText(700, 3, "0", "0", 10, "1"), "700 columns and 3 rows; at most 699"},
      {rasterText(2, 2, "0", "0", 10, "1 2 3"), "ends after 3 of its 4 values"},
      {rasterText(2, 2, "0", "0", 10, "1 2 3x 4"), "value 4 (row 2, column 2) is not a number"},
      {rasterText(2, 2, "0", "0", 10, "1 2 1e40 4"), "value 3 (row 2, column 1) is not an elevation"},
      {rasterText(2, 2, "0", "0", 0, "1 2 3 4"), "cell size is 0 m"},
      {"ncols         2\nnrows         2\nxllcorner     0", "header line 3 has no line end"},
      {"ncols         2\nnrows     many\n", "header line 2 holds no number"},
      {"ncols", "the file ends in header line 1"},
  };
  for (const auto& c : cases) {
    ui.clearLog();
    const auto before = snapshot();
    openDtmText(c.text);
    doc->paths = before->paths;
    EXPECT_TRUE(testing::sameDocument(*doc, *before)) << c.problem;
    ASSERT_EQ(ui.messages().size(), 1u) << c.problem;
    const std::string message = ui.messages()[0];
    EXPECT_EQ(message.rfind("message exclamation: ", 0), 0u) << message;
    EXPECT_NE(message.find("dem.dat: "), std::string::npos) << message;
    EXPECT_NE(message.find(c.problem), std::string::npos) << message;
  }
}

TEST_F(OpenDtmTest, GroundPointOnACellBorderOrBeforeAnyDtmFindsNoCell) {
  EXPECT_EQ(cellUnderGroundPoint(*doc, 0.0, 0.0), (CellPoint{-1, -1}));
  openDtmText(rasterText(4, 3, "1000", "2000", 10, "1 2 3 4 5 6 7 8 9 10 11 12"));
  EXPECT_EQ(cellUnderGroundPoint(*doc, 1014.9, 2020.0), (CellPoint{2, 1}));
  EXPECT_EQ(cellUnderGroundPoint(*doc, 1015.0, 2020.0), (CellPoint{-1, -1}));
  EXPECT_EQ(cellUnderGroundPoint(*doc, 1000.0, 2004.99), (CellPoint{1, 3}));
  EXPECT_EQ(cellUnderGroundPoint(*doc, 1000.0, 2005.0), (CellPoint{-1, -1}));
  EXPECT_EQ(cellUnderGroundPoint(*doc, 1035.0, 2000.0), (CellPoint{-1, -1}));
}

}  // namespace
}  // namespace skyrig
