#include <gtest/gtest.h>

#include "DocumentTestSupport.h"
#include "document/LayerAlignment.h"
#include "document/OpenDtm.h"
#include "document/OpenLayers.h"

namespace skyrig {
namespace {

using testing::rasterText;

// Layer values name their own cell: 10 * column + row (column 1..9, row 1..9).
std::string numberedValues(int ncols, int nrows) {
  std::string text;
  for (int r = 1; r <= nrows; ++r) {
    for (int c = 1; c <= ncols; ++c) text += std::to_string(10 * c + r) + " ";
    text += "\n";
  }
  return text;
}

// DTM: 4 columns x 3 rows of 10 m; column 1 at x 1000, row 1 at y 2020, row 3 at y 2000.
class OpenLayersTest : public testing::DocumentTest {
 protected:
  OpenLayersTest() {
    doc->paths.dtmPath = write("dem.dat", rasterText(4, 3, "1000", "2000", 10, numberedValues(4, 3)));
    openDtm(*doc, paths, ui);
  }
  // Loads a streams layer whose first column is at x and whose southern row is at y.
  void openStreamLayer(int ncols, int nrows, int x, int y) {
    doc->paths.streamPath = write("streams", rasterText(ncols, nrows, std::to_string(x),
                                                        std::to_string(y), 10,
                                                        numberedValues(ncols, nrows)));
    openStreams(*doc, paths, ui);
  }
  // The DTM's cells as "value value ... / ..." rows.
  std::string streamRows() const {
    std::string text;
    for (int r = 1; r <= 3; ++r) {
      for (int c = 1; c <= 4; ++c) text += std::to_string(doc->streamGrid(c, r)) + " ";
      text += "/";
    }
    return text;
  }
};

TEST_F(OpenLayersTest, EqualExtentCopiesCellForCell) {
  openStreamLayer(4, 3, 1000, 2000);
  EXPECT_EQ(streamRows(), "11 21 31 41 /12 22 32 42 /13 23 33 43 /");
}

TEST_F(OpenLayersTest, LayerTwoCellsEastAndOneSouthLeavesZerosWhereItDoesNotReach) {
  doc->streamGrid(500, 500) = 9;  // outside the DTM extent: kept
  openStreamLayer(4, 3, 1020, 1990);
  EXPECT_EQ(alignLayer(*doc, RasterHeader{4, 3, 1020, 1990, 10, 0}), (LayerOffsets{-2, -1}));
  EXPECT_EQ(streamRows(), "0 0 0 0 /0 0 11 21 /0 0 12 22 /");
  EXPECT_EQ(doc->streamGrid(500, 500), 9);
}

TEST_F(OpenLayersTest, LargerLayerIsCropped) {
  // Two cells west and two north of the DTM, and wider than the grids hold.
  doc->paths.streamPath = write("streams", rasterText(800, 7, "980", "1980", 10, numberedValues(800, 7)));
  openStreams(*doc, paths, ui);
  EXPECT_TRUE(ui.messages().empty());
  EXPECT_EQ(streamRows(), "33 43 53 63 /34 44 54 64 /35 45 55 65 /");
}

TEST_F(OpenLayersTest, HalfACellStillMatchesOneMetreMoreDoesNot) {
  const auto offsets = [&](int x, int y) { return alignLayer(*doc, RasterHeader{4, 3, x, y, 10, 0}); };
  // h = 5 m. East / south of the DTM's first column and row: matched in the DTM.
  EXPECT_EQ(offsets(1005, 1995), (LayerOffsets{0, 0}));
  EXPECT_EQ(offsets(1006, 1994), (LayerOffsets{-1, -1}));
  // West / north of them: matched in the layer.
  EXPECT_EQ(offsets(995, 2005), (LayerOffsets{0, 0}));
  EXPECT_EQ(offsets(994, 2006), (LayerOffsets{1, 1}));
}

TEST_F(OpenLayersTest, VolumeNegativesAndNoDataBecomeZeroAndTheWorkingCopyFollows) {
  doc->volumeGridOriginal(600, 600) = 3.0f;
  doc->volumeGrid(600, 600) = 9.0f;
  doc->volumeGrid(1, 1) = 8.0f;
  doc->paths.volumePath = write("volume", rasterText(4, 3, "1000", "2000", 10,
                                                    "-1 nan 2.5 -9999\n0.75 -0.0 1e3 -inf\n5 6 7 8\n"));
  openVolume(*doc, paths, ui);
  EXPECT_EQ(doc->volumeGridOriginal(1, 1), 0.0f);
  EXPECT_EQ(doc->volumeGridOriginal(2, 1), 0.0f);
  EXPECT_EQ(doc->volumeGridOriginal(3, 1), 2.5f);
  EXPECT_EQ(doc->volumeGridOriginal(4, 1), 0.0f);
  EXPECT_EQ(doc->volumeGridOriginal(1, 2), 0.75f);
  EXPECT_EQ(doc->volumeGridOriginal(3, 2), 1000.0f);
  EXPECT_EQ(doc->volumeGridOriginal(4, 2), 0.0f);
  EXPECT_TRUE(doc->volumeGrid == doc->volumeGridOriginal);  // all 700 x 700 cells
  EXPECT_EQ(doc->volumeGrid(600, 600), 3.0f);
}

TEST_F(OpenLayersTest, MarkerLayersStoreNegativesAsZero) {
  doc->paths.roadPath = write("roads", rasterText(4, 3, "1000", "2000", 10,
                                                 "-9999 -1 0 1\n2 65535 +7 3\n0 0 0 0\n"));
  openRoads(*doc, paths, ui);
  EXPECT_EQ(doc->roadGrid(1, 1), 0);
  EXPECT_EQ(doc->roadGrid(2, 1), 0);
  EXPECT_EQ(doc->roadGrid(4, 1), 1);
  EXPECT_EQ(doc->roadGrid(2, 2), 65535);
  EXPECT_EQ(doc->roadGrid(3, 2), 7);
}

TEST_F(OpenLayersTest, HarvestUnitSetsFlagsAndBoxAndKeepsOldFlags) {
  doc->unitCellFlags(1, 1) = 1;
  doc->paths.boundaryPath = write("unit", rasterText(2, 2, "1010", "2000", 10, "0 1\n1 0\n"));
  openHarvestUnitByFile(*doc, paths, ui);
  EXPECT_EQ(doc->unitBox, (UnitBox{2, 2, 3, 3}));
  EXPECT_EQ(doc->unitCellFlags(3, 2), 1);
  EXPECT_EQ(doc->unitCellFlags(2, 3), 1);
  EXPECT_EQ(doc->unitCellFlags(2, 2), 0);
  EXPECT_EQ(doc->unitCellFlags(1, 1), 1);

  // Open DTM resets the box; a boundary file of another cell size loads nothing, but the box is
  // taken again from the unit grid as it stands.
  openDtm(*doc, paths, ui);
  EXPECT_EQ(doc->unitBox, (UnitBox{1, 1, 4, 3}));
  doc->paths.boundaryPath = write("unit", rasterText(2, 2, "1010", "2000", 20, "1 1\n1 1\n"));
  openHarvestUnitByFile(*doc, paths, ui);
  EXPECT_EQ(ui.messages(),
            std::vector<std::string>{"message exclamation: Grid size is different from that of DTM."});
  EXPECT_EQ(doc->harvestUnitGrid(2, 2), 0);
  EXPECT_EQ(doc->unitBox, (UnitBox{2, 2, 3, 3}));
}

TEST_F(OpenLayersTest, RefusedLayersLeaveTheDocumentAsItWas) {
  openStreamLayer(4, 3, 1000, 2000);
  doc->paths.boundaryPath = write("unit", rasterText(4, 3, "1000", "2000", 10, numberedValues(4, 3)));
  openHarvestUnitByFile(*doc, paths, ui);
  ui.clearLog();
  const struct {
    std::string text;
    std::string message;
  } cases[] = {
      {rasterText(4, 3, "1040", "2000", 10, numberedValues(4, 3)), "unit: the layer does not overlap the DTM."},
      {rasterText(4, 3, "1000", "2030", 10, numberedValues(4, 3)), "unit: the layer does not overlap the DTM."},
      {rasterText(4, 3, "1000", "2000", 10, "1 2 3"), "unit: the file ends after 3 of its 12 values (4 columns x 3 rows)."},
      {rasterText(4, 3, "1000", "2000", 10, "1 2 3 4.5"), "unit: value 5 (row 2, column 1) is not a number."},
      {rasterText(4, 3, "1000", "2000", 10, "1 2 99999999999 4"), "unit: value 3 (row 1, column 3) does not fit 32 bits."},
      {"ncols         4\nnrows         3", "unit: header line 2 has no line end."},
  };
  for (const auto& c : cases) {
    ui.clearLog();
    doc->unitBox = {1, 1, 1, 1};
    const auto before = snapshot();
    doc->paths.boundaryPath = write("unit", c.text);
    openHarvestUnitByFile(*doc, paths, ui);
    EXPECT_TRUE(testing::sameDocument(*doc, *before)) << c.message;
    ASSERT_EQ(ui.messages().size(), 1u) << c.message;
    const std::string message = ui.messages()[0];
    EXPECT_EQ(message.substr(message.size() - c.message.size()), c.message) << message;
  }
}

}  // namespace
}  // namespace skyrig
