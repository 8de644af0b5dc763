#include <gtest/gtest.h>

#include <fstream>
#include <memory>

#include "GisTestSupport.h"
#include "seams/Paths.h"
#include "seams/ScriptedUi.h"
#include "document/CSkyrigDoc.h"
#include "document/OpenDtm.h"
#include "document/OpenLayers.h"
#include "gis/SpatialReference.h"

namespace skyrig {
namespace {

using testing::asciiToGeoTiff;
using testing::kSampleAscii;
using testing::LayerFiles;
using testing::loadLayers;
using testing::sampleAsGeoTiffs;
using testing::sampleRoot;
using testing::wktOf;
using testing::writeGeoTiff;

constexpr const char* kUtm17 = "EPSG:26917";

bool sameGrids(const CSkyrigDoc& a, const CSkyrigDoc& b) {
  return std::tie(a.ncols, a.nrows, a.xll, a.yll, a.xMax, a.yMax, a.cellSize, a.minElevation,
                  a.maxElevation, a.unitBox) ==
             std::tie(b.ncols, b.nrows, b.xll, b.yll, b.xMax, b.yMax, b.cellSize, b.minElevation,
                      b.maxElevation, b.unitBox) &&
         a.dtm == b.dtm && a.volumeGrid == b.volumeGrid &&
         a.volumeGridOriginal == b.volumeGridOriginal && a.streamGrid == b.streamGrid &&
         a.roadGrid == b.roadGrid && a.harvestUnitGrid == b.harvestUnitGrid &&
         a.unitCellFlags == b.unitCellFlags;
}

class RasterInputTest : public ::testing::Test {
 protected:
  testing::ScratchFolder scratch;
  Paths sample{sampleRoot()};
  Paths scratchPaths{scratch.path.string()};
  ScriptedUi ui;
  std::unique_ptr<CSkyrigDoc> doc = makeDocument();
};

TEST_F(RasterInputTest, GeoTiffLayersGiveTheGridsOfTheAsciiLayers) {
  auto ascii = makeDocument();
  loadLayers(*ascii, sample, ui, kSampleAscii);
  ASSERT_TRUE(ui.messages().empty()) << ui.messages()[0];
  EXPECT_TRUE(ascii->georeference.crsWkt.empty());
  // The ASCII header's corner is the centre of the south-western cell.
  EXPECT_EQ(ascii->georeference.westEdge, 511335.0);
  EXPECT_EQ(ascii->georeference.northEdge, 4011600.0 + 299 * 10 + 5);

  loadLayers(*doc, sample, ui, sampleAsGeoTiffs(scratch.path, kUtm17));
  EXPECT_TRUE(ui.messages().empty()) << ui.messages()[0];
  EXPECT_TRUE(sameGrids(*doc, *ascii));
  int shown = 0;
  for (int c = 1; c <= 320 && shown < 10; ++c)
    for (int r = 1; r <= 300 && shown < 10; ++r) {
      if (doc->dtm(c, r) == ascii->dtm(c, r) && doc->volumeGrid(c, r) == ascii->volumeGrid(c, r) &&
          doc->streamGrid(c, r) == ascii->streamGrid(c, r) && doc->roadGrid(c, r) == ascii->roadGrid(c, r) &&
          doc->harvestUnitGrid(c, r) == ascii->harvestUnitGrid(c, r))
        continue;
      ++shown;
      ADD_FAILURE() << c << " " << r << " z " << doc->dtm(c, r).z << "/" << ascii->dtm(c, r).z << " x " << doc->dtm(c, r).x << "/" << ascii->dtm(c, r).x
                    << " vol " << doc->volumeGrid(c, r) << "/" << ascii->volumeGrid(c, r) << " unit "
                    << doc->harvestUnitGrid(c, r) << "/" << ascii->harvestUnitGrid(c, r);
    }
  EXPECT_EQ(doc->volumeGrid(3, 2), 1.34f);  // the volume file's first value, as in the ASCII
  EXPECT_EQ(doc->volumeGrid(1, 1), 0.0f);   // beyond the volume layer
  EXPECT_TRUE(gis::sameCrs(doc->georeference.crsWkt, wktOf(kUtm17)));
  EXPECT_EQ(doc->georeference.westEdge, 511335.0);
}

TEST_F(RasterInputTest, AsciiGridsTakeTheProjectCrs) {
  doc->crsDefinition = kUtm17;
  doc->paths.dtmPath = kSampleAscii.dtm;
  openDtm(*doc, sample, ui);
  EXPECT_TRUE(ui.messages().empty());
  EXPECT_TRUE(gis::sameCrs(doc->georeference.crsWkt, wktOf(kUtm17)));
  EXPECT_EQ(doc->georeference.crsOrigin, "skyrig.json");

  // A definition GDAL does not know: the terrain still loads, without a coordinate system.
  doc->crsDefinition = "EPSG:999999";
  openDtm(*doc, sample, ui);
  ASSERT_EQ(ui.messages().size(), 1u);
  EXPECT_NE(ui.messages()[0].find("EPSG:999999"), std::string::npos) << ui.messages()[0];
  EXPECT_EQ(doc->ncols, 320);
  EXPECT_TRUE(doc->georeference.crsWkt.empty());
}

TEST_F(RasterInputTest, NoDataAndNegativeValuesFollowTheTextReadersRules) {
  // 3 x 2 DTM of 10 m cells whose centres are whole metres; one no-data cell, one NaN.
  writeGeoTiff(scratch.path / "dem.tif", 3, 2, 995, 2020, 10, {100, 200, 300, 400, 500, 600});
  writeGeoTiff(scratch.path / "vol.tif", 3, 2, 995, 2020, 10, {1.5f, -2.0f, NAN, -9999, 0.25f, 7});
  writeGeoTiff(scratch.path / "streams.tif", 3, 2, 995, 2020, 10, {1, -3, 2.9f, NAN, 65535, 0});
  doc->paths.dtmPath = "dem.tif";
  doc->paths.volumePath = "vol.tif";
  doc->paths.streamPath = "streams.tif";
  openDtm(*doc, scratchPaths, ui);
  openVolume(*doc, scratchPaths, ui);
  openStreams(*doc, scratchPaths, ui);
  EXPECT_TRUE(ui.messages().empty());
  EXPECT_EQ(std::tie(doc->xll, doc->yll, doc->cellSize), std::make_tuple(1000, 2005, 10));
  EXPECT_EQ(doc->dtm(1, 2), (DtmCell{1000, 2005, 400}));
  EXPECT_EQ((std::vector<float>{doc->volumeGrid(1, 1), doc->volumeGrid(2, 1), doc->volumeGrid(3, 1),
                                doc->volumeGrid(1, 2), doc->volumeGrid(2, 2), doc->volumeGrid(3, 2)}),
            (std::vector<float>{1.5f, 0, 0, 0, 0.25f, 7}));
  EXPECT_EQ((std::vector<int>{doc->streamGrid(1, 1), doc->streamGrid(2, 1), doc->streamGrid(3, 1),
                              doc->streamGrid(1, 2), doc->streamGrid(2, 2)}),
            (std::vector<int>{1, 0, 2, 0, 65535}));
}

TEST_F(RasterInputTest, MismatchedLayersAreRefusedWithTheFixAndNothingIsLost) {
  writeGeoTiff(scratch.path / "dem.tif", 4, 4, 995, 2045, 10, std::vector<float>(16, 100), kUtm17);
  doc->paths.dtmPath = "dem.tif";
  openDtm(*doc, scratchPaths, ui);
  writeGeoTiff(scratch.path / "vol.tif", 4, 4, 995, 2045, 10, std::vector<float>(16, 2), kUtm17);
  doc->paths.volumePath = "vol.tif";
  openVolume(*doc, scratchPaths, ui);
  ASSERT_TRUE(ui.messages().empty());
  ASSERT_EQ(doc->volumeGrid(4, 4), 2.0f);

  const auto refused = [&](const char* file, const std::vector<std::string>& parts) {
    ui.clearLog();
    doc->paths.volumePath = file;
    openVolume(*doc, scratchPaths, ui);
    ASSERT_EQ(ui.messages().size(), 1u) << file;
    for (const std::string& part : parts)
      EXPECT_NE(ui.messages()[0].find(part), std::string::npos) << part << " in " << ui.messages()[0];
    EXPECT_EQ(doc->volumeGrid(4, 4), 2.0f) << file;
    EXPECT_EQ(doc->volumeGridOriginal(1, 1), 2.0f) << file;
  };
  writeGeoTiff(scratch.path / "fine.tif", 8, 8, 995, 2045, 5, std::vector<float>(64, 1), kUtm17);
  refused("fine.tif", {"message exclamation: Grid size is different from that of DTM.", "cells of 5 m",
                       "DTM of 10 m", "gdalwarp -t_srs EPSG:26917 -tr 10 10 -te 995 2005 1035 2045 -r sum"});
  writeGeoTiff(scratch.path / "other.tif", 4, 4, 995, 2045, 10, std::vector<float>(16, 1), "EPSG:32617");
  refused("other.tif", {"WGS 84 / UTM zone 17N (EPSG:32617)", "NAD83 / UTM zone 17N (EPSG:26917)",
                        "gdalwarp -t_srs EPSG:26917"});
  writeGeoTiff(scratch.path / "half.tif", 8, 8, 995, 2045, 10.5, std::vector<float>(64, 1), kUtm17);
  refused("half.tif", {"10.5 by 10.5", "gdalwarp -tr"});
  std::ofstream(scratch.path / "broken.tif", std::ios::binary) << "II*\0garbage";
  refused("broken.tif", {"broken.tif"});

  // The DTM itself: a refused one keeps the terrain loaded before.
  ui.clearLog();
  doc->paths.dtmPath = "half.tif";
  openDtm(*doc, scratchPaths, ui);
  EXPECT_EQ(ui.messages().size(), 1u);
  EXPECT_EQ(std::tie(doc->ncols, doc->cellSize), std::make_tuple(4, 10));
}

TEST_F(RasterInputTest, SeveralBandsReadBandOneAndSaySo) {
  asciiToGeoTiff(sampleRoot() + "/" + kSampleAscii.dtm, scratch.path / "dem3.tif", kUtm17, 3);
  doc->paths.dtmPath = (scratch.path / "dem3.tif").string();
  openDtm(*doc, sample, ui);
  ASSERT_EQ(ui.messages().size(), 1u);
  EXPECT_TRUE(ui.messages()[0].starts_with("message information: "));
  EXPECT_NE(ui.messages()[0].find("has 3 bands; band 1 was read."), std::string::npos);
  EXPECT_EQ(doc->dtm(74, 71).z, 954);
}

}  // namespace
}  // namespace skyrig
