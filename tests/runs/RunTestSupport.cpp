#include "RunTestSupport.h"

namespace skyrig::testing {

namespace {

void setRoad(CSkyrigDoc& doc, int landing, int road, int endCol, int endRow) {
  CablewayRecord& way = doc.cableways[static_cast<std::size_t>(landing)][static_cast<std::size_t>(road)];
  const Landing& site = doc.landings[static_cast<std::size_t>(landing)];
  way.endCol = way.genEndCol = endCol;
  way.endRow = way.genEndRow = endRow;
  way.pointCount = way.genPointCount = 8;
  const DtmCell& start = doc.dtm(site.col, site.row);
  const DtmCell& end = doc.dtm(endCol, endRow);
  if (start.x == end.x) {
    way.slope = way.intercept = 999999.875f;
  } else {
    way.slope = static_cast<float>(start.y - end.y) / static_cast<float>(start.x - end.x);
    way.intercept = static_cast<float>(start.y) - static_cast<float>(start.x) * way.slope;
  }
  for (int p = 1; p <= 8; ++p) {
    doc.profilePayload[static_cast<std::size_t>(landing)][static_cast<std::size_t>(road)]
                      [static_cast<std::size_t>(p)] = 3000.0f - 150.0f * static_cast<float>(p);
    doc.profileCycleTime[static_cast<std::size_t>(landing)][static_cast<std::size_t>(road)]
                        [static_cast<std::size_t>(p)] = 60.0f + 12.0f * static_cast<float>(p);
  }
}

}  // namespace

void buildSyntheticCase(CSkyrigDoc& doc) {
  doc.ncols = 14;
  doc.nrows = 12;
  doc.cellSize = 10;
  doc.xll = 500000;
  doc.yll = 4000000;
  doc.xMax = doc.xll + doc.cellSize * (doc.ncols - 1);
  doc.yMax = doc.yll + doc.cellSize * (doc.nrows - 1);
  doc.minElevation = 9999;
  doc.maxElevation = -9999;
  for (int c = 1; c <= doc.ncols; ++c)
    for (int r = 1; r <= doc.nrows; ++r) {
      const int z = 200 + 2 * (doc.nrows - r) + c / 2;
      doc.dtm(c, r) = {cellX(doc, c), cellY(doc, r), z};
      doc.minElevation = std::min(doc.minElevation, z);
      doc.maxElevation = std::max(doc.maxElevation, z);
    }
  doc.unitBox = {2, 2, 13, 11};
  for (int c = 3; c <= 12; ++c)
    for (int r = 3; r <= 10; ++r) {
      doc.unitCellFlags(c, r) = 1;
      doc.harvestUnitGrid(c, r) = 1;
      const float volume = (c * 7 + r * 3) % 11 == 0 ? 0.0f : 0.5f + 0.1f * static_cast<float>((c + 2 * r) % 5);
      doc.volumeGrid(c, r) = volume;
      doc.volumeGridOriginal(c, r) = volume;
    }
  doc.landings[1] = {3, 4, 1};
  doc.landings[2] = {3, 11, 1};
  doc.landingCount = 2;
  setRoad(doc, 1, 18, 4, 10);
  setRoad(doc, 1, 13, 10, 9);
  setRoad(doc, 2, 18, 11, 10);
  setRoad(doc, 2, 27, 6, 3);
  doc.timberExits[1] = {11, 7};
  doc.timberExitCount = 1;
}

}  // namespace skyrig::testing
