// Fixed synthetic planning areas for the network and solver benchmarks: rolling terrain with a
// stream, an existing road and timber exits, landings with analysed cable road fans. Every
// value is a pure function of the arguments, so each run measures the same problem.
#pragma once

#include <ctime>
#include <cmath>
#include <cstdio>
#include <memory>

#include "document/CSkyrigDoc.h"
#include "document/CableSystemParams.h"

namespace bench {

// Processor time of this process in seconds: the machine is shared, so wall time would
// measure the neighbours too. Every measured section is single-threaded.
inline double cpuSeconds() {
  timespec t{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + 1e-9 * static_cast<double>(t.tv_nsec);
}

// A cols x rows grid of 10 m cells (northings near 5,000,000 m) with rolling hills, a stream
// buffer along one column, a short existing road spur, two timber exits, every cell in the unit
// and a timber volume in each cell.
inline std::unique_ptr<skyrig::CSkyrigDoc> makeTerrain(int cols, int rows) {
  auto doc = skyrig::makeDocument();
  doc->ncols = cols;
  doc->nrows = rows;
  doc->cellSize = 10;
  doc->xll = 500000;
  doc->yll = 5000000;
  doc->xMax = doc->xll + 10 * (cols - 1);
  doc->yMax = doc->yll + 10 * (rows - 1);
  for (int c = 1; c <= cols; ++c)
    for (int r = 1; r <= rows; ++r) {
      skyrig::DtmCell& cell = doc->dtm(c, r);
      cell.x = skyrig::cellX(*doc, c);
      cell.y = skyrig::cellY(*doc, r);
      cell.z = 400 + static_cast<int>(18.0 * std::sin(c / 13.0) * std::cos(r / 17.0) +
                                      0.35 * r);
      doc->volumeGrid(c, r) = 5.0f + static_cast<float>((c * 7 + r * 13) % 40);
      doc->unitCellFlags(c, r) = 1;
    }
  for (int r = 1; r <= rows; ++r) doc->streamBufferGrid(cols / 3, r) = 1;
  // A short existing road spur in the south-east corner.
  for (int k = 0; k < 12 && k < cols && k < rows; ++k) doc->roadGrid(cols - k, rows - k / 2) = 1;
  doc->unitBox = {1, 1, cols, rows};
  doc->timberExitCount = 2;
  doc->timberExits[1] = {1, 1};
  doc->timberExits[2] = {1, cols};
  for (int s = 1; s <= skyrig::kCableSystemCount; ++s)
    doc->cableSystems[static_cast<std::size_t>(s)] = skyrig::defaultCableSystem(s);
  return doc;
}

// Landings on a regular lattice, each with a fan of 36 cable roads of `reach` metres, analysed
// with a payload falling and a cycle time growing away from the landing.
inline void addLandings(skyrig::CSkyrigDoc& doc, int perSide, double reach) {
  int id = 0;
  for (int i = 0; i < perSide; ++i)
    for (int j = 0; j < perSide; ++j) {
      ++id;
      const int col = 1 + (2 * i + 1) * doc.ncols / (2 * perSide);
      const int row = 1 + (2 * j + 1) * doc.nrows / (2 * perSide);
      doc.landings[static_cast<std::size_t>(id)] = {row, col, 1 + id % 3};
      doc.landingConstructionCost[static_cast<std::size_t>(id)] = 5000.0f;
      const skyrig::DtmCell& l = doc.dtm(col, row);
      for (int road = 0; road < skyrig::kCablewaysPerLanding; ++road) {
        const double angle = road * 10.0 * 3.14 / 180.0;
        int ec = col + static_cast<int>(std::lround(reach * std::cos(angle) / doc.cellSize));
        int er = row - static_cast<int>(std::lround(reach * std::sin(angle) / doc.cellSize));
        ec = std::max(1, std::min(doc.ncols, ec));
        er = std::max(1, std::min(doc.nrows, er));
        if (ec == col && er == row) continue;
        skyrig::CablewayRecord& way = doc.cableways[static_cast<std::size_t>(id)]
                                                   [static_cast<std::size_t>(road)];
        const skyrig::DtmCell& e = doc.dtm(ec, er);
        way.endCol = way.genEndCol = ec;
        way.endRow = way.genEndRow = er;
        const double length = std::hypot(e.x - l.x, e.y - l.y);
        way.pointCount = way.genPointCount =
            std::max(2, std::min(100, static_cast<int>(length / doc.cellSize) + 1));
        way.slope = e.x == l.x ? 999999.875f
                               : static_cast<float>(e.y - l.y) / static_cast<float>(e.x - l.x);
        way.intercept = static_cast<float>(l.y) - static_cast<float>(l.x) * way.slope;
        way.supportCount = road % 3;
        for (int p = 1; p <= way.pointCount; ++p) {
          doc.profilePayload[static_cast<std::size_t>(id)][static_cast<std::size_t>(road)]
                            [static_cast<std::size_t>(p)] = 6000.0f - 30.0f * p;
          doc.profileCycleTime[static_cast<std::size_t>(id)][static_cast<std::size_t>(road)]
                              [static_cast<std::size_t>(p)] = 120.0f + 2.5f * p;
        }
      }
    }
  doc.landingCount = id;
}

}  // namespace bench
