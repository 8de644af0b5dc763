#include <gtest/gtest.h>

#include "DocumentTestSupport.h"
#include "document/LayerAlignment.h"
#include "document/OpenDtm.h"
#include "document/OpenLayers.h"

namespace skyrig {
namespace {

using testing::rasterText;

// Values that name their own cell: 10 * column + row.
std::string numbered(int ncols, int nrows) {
  std::string text;
  for (int r = 1; r <= nrows; ++r, text += "\n")
    for (int c = 1; c <= ncols; ++c) text += std::to_string(10 * c + r) + " ";
  return text;
}

class TerrainLayersTest : public testing::DocumentTest {
 protected:
  void openDtmText(const std::string& text) {
    doc->paths.dtmPath = write("dem.dat", text);
    openDtm(*doc, paths, ui);
  }
  // DTM: 4 columns x 3 rows of 10 m; column 1 at x 1000, row 1 at y 2020, row 3 at y 2000.
  void openSmallDtm() { openDtmText(rasterText(4, 3, "1000", "2000", 10, numbered(4, 3))); }
  // Streams: ncols x nrows numbered cells, first column at x, southern row at y; returns the
  // DTM extent of streamGrid row by row.
  std::string streamsAt(int ncols, int nrows, int x, int y) {
    doc->paths.streamPath = write(
        "streams",
        rasterText(ncols, nrows, std::to_string(x), std::to_string(y), 10, numbered(ncols, nrows)));
    openStreams(*doc, paths, ui);
    std::string rows;
    for (int r = 1; r <= 3; ++r, rows += "/")
      for (int c = 1; c <= 4; ++c) rows += std::to_string(doc->streamGrid(c, r)) + " ";
    return rows;
  }
  LayerOffsets offsetsAt(int x, int y) {
    return alignLayer(*doc, RasterHeader{4, 3, x, y, 10, 0}).value();
  }
};

TEST_F(TerrainLayersTest, DtmHeaderBytesAreSkippedAndValuesTruncated) {
  // CR LF line ends; fractional corners lose their fraction; the 10 label bytes of line 2 hold
  // digits that must be skipped, not read.
  std::string text = rasterText(3, 2, "500000.75", "4011600.9", 10,
                                "730.99 -0.5 -1.7\r\n 1e3 +12.25 -9998\r\n", "\r\n");
  openDtmText(text.replace(text.find("nrows"), 10, "nrows12345"));
  EXPECT_TRUE(ui.messages().empty());
  EXPECT_EQ(
      std::tie(doc->ncols, doc->nrows, doc->xll, doc->yll, doc->cellSize, doc->xMax, doc->yMax),
      std::make_tuple(3, 2, 500000, 4011600, 10, 500020, 4011610));
  // Row 1 is the northern row; column 1 and row nrows sit at (xll, yll).
  EXPECT_EQ(doc->dtm(1, 1), (DtmCell{500000, 4011610, 730}));
  EXPECT_EQ(doc->dtm(3, 1), (DtmCell{500020, 4011610, -1}));
  EXPECT_EQ(doc->dtm(1, 2), (DtmCell{500000, 4011600, 1000}));
  EXPECT_EQ(std::tie(doc->dtm(2, 1).z, doc->dtm(2, 2).z, doc->dtm(3, 2).z),
            std::make_tuple(0, 12, -9998));
  // -0.5 truncates to 0 but is no elevation >= 0; -9998 lowers nothing.
  EXPECT_EQ(std::tie(doc->minElevation, doc->maxElevation), std::make_tuple(12, 1000));
  EXPECT_EQ(doc->unitBox, (UnitBox{1, 1, 3, 2}));
  openDtmText(rasterText(2, 2, "0", "0", 5, "-9998 -9998\n-9998 -9998\n"));
  EXPECT_EQ(std::tie(doc->minElevation, doc->maxElevation), std::make_tuple(9999, -9998));
  openDtmText(rasterText(2, 2, "0", "0", 5, "7.9 -9998\n0 5.5\n"));
  EXPECT_EQ(std::tie(doc->minElevation, doc->maxElevation), std::make_tuple(0, 7));
}

TEST_F(TerrainLayersTest, DtmWithEmptyPathStillResetsExtremesBoxAndStreams) {
  openSmallDtm();
  doc->unitBox = {2, 2, 3, 3};
  doc->streamGrid(2, 2) = 1;
  doc->streamBufferGrid(650, 650) = 1;
  doc->paths.dtmPath.clear();
  openDtm(*doc, paths, ui);
  EXPECT_TRUE(ui.messages().empty());
  EXPECT_EQ(std::tie(doc->minElevation, doc->maxElevation), std::make_tuple(9999, -9999));
  EXPECT_EQ(doc->unitBox, (UnitBox{1, 1, 4, 3}));
  EXPECT_EQ(doc->streamGrid(2, 2) + doc->streamBufferGrid(650, 650), 0);
  EXPECT_EQ(doc->dtm(4, 3).z, 43);  // the grid itself stays
}

TEST_F(TerrainLayersTest, FailedOpenDtmKeepsTheTerrainAndTheStreamsLoaded) {
  openSmallDtm();
  streamsAt(4, 3, 1000, 2000);
  doc->streamBufferGrid(2, 2) = 1;
  write("folder/inside", "");
  for (const char* path : {"E:/thesis/Forest/none.dat", "folder"}) {
    ui.clearLog();
    const auto before = snapshot();
    doc->paths.dtmPath = path;
    openDtm(*doc, paths, ui);
    doc->paths = before->paths;
    EXPECT_TRUE(testing::sameDocument(*doc, *before)) << path;
    EXPECT_EQ(ui.messages(),
              std::vector<std::string>{"message exclamation: Unable to open the file"});
  }
}

TEST_F(TerrainLayersTest, HeaderMessagesSayWhatIsWrongWithTheHeader) {
  openSmallDtm();
  const std::string full = rasterText(2, 2, "0", "0", 10, "100 200\n300 400\n");
  std::string noDataMissing = full;
  noDataMissing.erase(noDataMissing.find("NODATA"),
                      noDataMissing.find("100 200") - noDataMissing.find("NODATA"));
  expectRefused(
      {{noDataMissing,
        "dem.dat: header line 6 \"100 200\" has no label: a raster file starts with six labelled lines "
        "(ncols, nrows, xllcorner, yllcorner, cellsize, NODATA_value) and one of them seems to be missing."},
       {"ncols 320\n" + full.substr(full.find("nrows")),
        "header line 1 \"ncols 320\" is shorter than its label: the reader skips the first 10 "
        "bytes of the line as the label, so the value must start after them (a label padded "
        "with blanks, as in \"ncols         320\")."},
       {"ncols 3200\n" + full.substr(full.find("nrows")),
        "header line 1 \"ncols 3200\" holds no number after its label: the reader skips the "
        "first 10 bytes of the line as the label, so the value must start after them (a label "
        "padded with blanks, as in \"ncols         320\")."}},
      [&](const std::string& text) { openDtmText(text); });
}

TEST_F(TerrainLayersTest, UnreadableDtmLeavesTheDocumentAsItWas) {
  openSmallDtm();
  doc->streamGrid(2, 2) = 1;
  doc->unitBox = {2, 2, 3, 3};
  expectRefused(
      {{rasterText(700, 3, "0", "0", 10, "1"),
        "dem.dat: the grid has 700 columns and 3 rows; at most 699 of each fit."},
       {rasterText(2, 2, "0", "0", 10, "1 2 3"),
        "dem.dat: the file ends after 3 of its 4 values (2 columns x 2 rows)."},
       {rasterText(2, 2, "0", "0", 10, "1 2 3x 4"),
        "line 7: value 4 (row 2, column 2) \"x\" is not a number."},
       {rasterText(2, 2, "0", "0", 10, "1 2\n1e40 4"),
        "line 8: value 3 (row 2, column 1) \"1e40\" is not an elevation."},
       {rasterText(2, 2, "0", "0", 10, "1 2\n 3 -9999\n"),
        "line 8: value 4 (row 2, column 2) \"-9999\" is the no-data value -9999: the terrain "
        "needs an elevation in every cell."},
       {rasterText(2, 2, "0", "0", 0, "1 2 3 4"), "the cell size is 0 m; it must be at least 1 m."},
       {"ncols         2\nnrows         2\nxllcorner     0", "header line 3 has no line end."},
       {"ncols         2\nnrows     many\n",
        "header line 2 \"nrows     many\" holds no number after its label."},
       {"ncols", "the file ends in header line 1."}},
      [&](const std::string& text) { openDtmText(text); });
}

TEST_F(TerrainLayersTest, GroundPointOnACellBorderOrBeforeAnyDtmFindsNoCell) {
  EXPECT_EQ(cellUnderGroundPoint(*doc, 0.0, 0.0), (CellPoint{-1, -1}));
  openSmallDtm();
  EXPECT_EQ(cellUnderGroundPoint(*doc, 1014.9, 2004.99), (CellPoint{2, 3}));
  EXPECT_EQ(cellUnderGroundPoint(*doc, 1015.0, 2000.0), (CellPoint{-1, -1}));
  EXPECT_EQ(cellUnderGroundPoint(*doc, 1000.0, 2005.0), (CellPoint{-1, -1}));
}

TEST_F(TerrainLayersTest, LayersAreMatchedByCoordinatesAndCropped) {
  openSmallDtm();
  doc->streamGrid(500, 500) = 9;  // outside the DTM extent: kept
  EXPECT_EQ(streamsAt(4, 3, 1000, 2000), "11 21 31 41 /12 22 32 42 /13 23 33 43 /");
  // Two cells east, one south: DTM columns 1, 2 and row 1 get 0.
  EXPECT_EQ(offsetsAt(1020, 1990), (LayerOffsets{-2, -1}));
  EXPECT_EQ(streamsAt(4, 3, 1020, 1990), "0 0 0 0 /0 0 11 21 /0 0 12 22 /");
  // Two cells west and north, and wider than the grids hold: matched in the layer, cropped.
  EXPECT_EQ(streamsAt(800, 7, 980, 1980), "33 43 53 63 /34 44 54 64 /35 45 55 65 /");
  EXPECT_EQ(doc->streamGrid(500, 500), 9);
  EXPECT_TRUE(ui.messages().empty());
  // h = 5 m. On or east / south of the DTM's first column and row: matched in the DTM;
  // west / north of them: matched in the layer.
  EXPECT_EQ(offsetsAt(1005, 1995), (LayerOffsets{0, 0}));
  EXPECT_EQ(offsetsAt(1006, 1994), (LayerOffsets{-1, -1}));
  EXPECT_EQ(offsetsAt(995, 2005), (LayerOffsets{0, 0}));
  EXPECT_EQ(offsetsAt(994, 2006), (LayerOffsets{1, 1}));
}

TEST_F(TerrainLayersTest, NegativeAndNoDataValuesBecomeZero) {
  openSmallDtm();
  doc->volumeGridOriginal(600, 600) = 3.0f;
  doc->volumeGrid(600, 600) = 9.0f;
  doc->volumeGrid(1, 1) = 8.0f;
  doc->paths.volumePath =
      write("volume",
            rasterText(4, 3, "1000", "2000", 10, "-1 nan 2.5 -9999\n0.75 0 1e3 -inf\n5 6 7 8\n"));
  openVolume(*doc, paths, ui);
  const float expected[] = {0.0f, 0.0f, 2.5f, 0.0f, 0.75f, 0.0f, 1000.0f, 0.0f};
  for (int i = 0; i < 8; ++i)
    EXPECT_EQ(doc->volumeGridOriginal(i % 4 + 1, i / 4 + 1), expected[i]) << i;
  EXPECT_TRUE(doc->volumeGrid == doc->volumeGridOriginal);  // all 700 x 700 cells
  EXPECT_EQ(doc->volumeGrid(600, 600), 3.0f);
  doc->paths.roadPath =
      write("roads", rasterText(4, 3, "1000", "2000", 10, "-9999 -1 0 1\n2 65535 +7 3\n0 0 0 0\n"));
  openRoads(*doc, paths, ui);
  EXPECT_EQ(
      std::tie(doc->roadGrid(1, 1), doc->roadGrid(2, 1), doc->roadGrid(4, 1), doc->roadGrid(2, 2)),
      std::make_tuple(0, 0, 1, 65535));
}

TEST_F(TerrainLayersTest, HarvestUnitSetsFlagsAndBoxAndKeepsOldFlags) {
  openSmallDtm();
  doc->unitCellFlags(1, 1) = 1;
  doc->paths.boundaryPath = write("unit", rasterText(2, 2, "1010", "2000", 10, "0 1\n1 0\n"));
  openHarvestUnitByFile(*doc, paths, ui);
  EXPECT_EQ(doc->unitBox, (UnitBox{2, 2, 3, 3}));
  EXPECT_EQ(std::tie(doc->unitCellFlags(3, 2), doc->unitCellFlags(2, 3), doc->unitCellFlags(2, 2),
                     doc->unitCellFlags(1, 1)),
            std::make_tuple(1, 1, 0, 1));
  // Open DTM resets the box; a boundary file of another cell size loads nothing, but the box is
  // taken again from the unit grid as it stands.
  openSmallDtm();
  EXPECT_EQ(doc->unitBox, (UnitBox{1, 1, 4, 3}));
  doc->paths.boundaryPath = write("unit", rasterText(2, 2, "1010", "2000", 20, "1 1\n1 1\n"));
  openHarvestUnitByFile(*doc, paths, ui);
  EXPECT_EQ(ui.messages(), std::vector<std::string>{
                               "message exclamation: Grid size is different from that of DTM."});
  EXPECT_EQ(doc->harvestUnitGrid(2, 2), 0);
  EXPECT_EQ(doc->unitBox, (UnitBox{2, 2, 3, 3}));
}

TEST_F(TerrainLayersTest, RefusedLayersLeaveTheDocumentAsItWas) {
  openSmallDtm();
  streamsAt(4, 3, 1000, 2000);
  doc->paths.boundaryPath = write("unit", rasterText(4, 3, "1000", "2000", 10, numbered(4, 3)));
  openHarvestUnitByFile(*doc, paths, ui);
  doc->unitBox = {1, 1, 1, 1};
  expectRefused({{rasterText(4, 3, "1040", "2000", 10, numbered(4, 3)),
                  "unit: the layer does not overlap the DTM."},
                 {rasterText(4, 3, "1000", "2030", 10, numbered(4, 3)),
                  "unit: the layer does not overlap the DTM."},
                 {rasterText(4, 3, "1000", "2000", 10, "1 2 3"),
                  "unit: the file ends after 3 of its 12 values (4 columns x 3 rows)."},
                 {rasterText(4, 3, "1000", "2000", 10, "1 2 3 4.5"),
                  "unit: line 7: value 5 (row 2, column 1) \".5\" is not a number."},
                 {rasterText(4, 3, "1000", "2000", 10, "1 2 99999999999 4"),
                  "unit: line 7: value 3 (row 1, column 3) \"99999999999\" does not fit 32 bits."},
                 {rasterText(4, 3, "1000", "2000", 10, "1 2 3 4\n 65536 0 0 0 0 0 0 0"),
                  "unit: line 8: value 5 (row 2, column 1) \"65536\" is above 65535, the largest "
                  "value a layer cell holds."},
                 {"ncols         4\nnrows         3", "unit: header line 2 has no line end."}},
                [&](const std::string& text) {
                  doc->paths.boundaryPath = write("unit", text);
                  openHarvestUnitByFile(*doc, paths, ui);
                });
}

TEST_F(TerrainLayersTest, VolumesThatCanOnlyBeMistakesAreRefused) {
  openSmallDtm();
  doc->volumeGrid(1, 1) = 4.0f;
  expectRefused({{rasterText(4, 3, "1000", "2000", 10, "1 inf 0 0 0 0 0 0 0 0 0 0"),
                  "volume: line 7: value 2 (row 1, column 2) \"inf\" is not a cell volume (at "
                  "most 1000000 m3)."},
                 {rasterText(4, 3, "1000", "2000", 10, "1 2 3e38 0 0 0 0 0 0 0 0 0"),
                  "volume: line 7: value 3 (row 1, column 3) \"3e38\" is not a cell volume (at "
                  "most 1000000 m3)."}},
                [&](const std::string& text) {
                  doc->paths.volumePath = write("volume", text);
                  openVolume(*doc, paths, ui);
                });
}

}  // namespace
}  // namespace skyrig
