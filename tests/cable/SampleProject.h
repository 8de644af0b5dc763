// Loads the sample project's DTM, harvest unit and landings for the cable tests and
// benchmarks (a small reader of the ESRI ASCII grid header and values and of the landings
// file; the stream buffer stays empty).
#pragma once

#include <cstdio>
#include <memory>
#include <string>

#include "document/CSkyrigDoc.h"

namespace skyrig::sample {

inline std::string sampleRoot() { return std::string(SKYRIG_SOURCE_DIR) + "/examples/southzone"; }

// Reads the six header values; false when the file cannot be read.
inline bool readHeader(std::FILE* f, int& ncols, int& nrows, int& xll, int& yll, int& cellSize) {
  char label[64];
  int noData = 0;
  return std::fscanf(f, "%63s %d %63s %d %63s %d %63s %d %63s %d %63s %d", label, &ncols, label,
                     &nrows, label, &xll, label, &yll, label, &cellSize, label, &noData) == 12;
}

inline bool loadDtm(CSkyrigDoc& doc, const std::string& path) {
  std::FILE* f = std::fopen(path.c_str(), "rb");
  if (!f) return false;
  int ncols = 0, nrows = 0, xll = 0, yll = 0, cellSize = 0;
  bool ok = readHeader(f, ncols, nrows, xll, yll, cellSize) && ncols <= kMaxGridCells &&
            nrows <= kMaxGridCells;
  doc.maxElevation = -9999;
  doc.minElevation = 9999;
  for (int r = 1; ok && r <= nrows; ++r) {
    for (int c = 1; ok && c <= ncols; ++c) {
      float v = 0;
      ok = std::fscanf(f, "%f", &v) == 1;
      doc.dtm(c, r) = {xll + cellSize * (c - 1), yll + cellSize * (nrows - r),
                       static_cast<int>(v)};
      if (v > doc.maxElevation) doc.maxElevation = static_cast<int>(v);
      if (v < doc.minElevation && v >= 0) doc.minElevation = static_cast<int>(v);
    }
  }
  std::fclose(f);
  doc.ncols = ncols;
  doc.nrows = nrows;
  doc.xll = xll;
  doc.yll = yll;
  doc.cellSize = cellSize;
  doc.xMax = xll + cellSize * (ncols - 1);
  doc.yMax = yll + cellSize * (nrows - 1);
  doc.unitBox = {1, 1, ncols, nrows};
  return ok;
}

// The harvest unit raster, aligned to the DTM by its corner coordinates.
inline bool loadHarvestUnit(CSkyrigDoc& doc, const std::string& path) {
  std::FILE* f = std::fopen(path.c_str(), "rb");
  if (!f) return false;
  int ncols = 0, nrows = 0, xll = 0, yll = 0, cellSize = 0;
  bool ok = readHeader(f, ncols, nrows, xll, yll, cellSize) && cellSize == doc.cellSize;
  const int dc = (xll - doc.xll) / doc.cellSize;                       // layer column 1 - 1
  const int dr = (doc.yMax - (yll + cellSize * (nrows - 1))) / cellSize;  // layer row 1 - 1
  for (int r = 1; ok && r <= nrows; ++r) {
    for (int c = 1; ok && c <= ncols; ++c) {
      int v = 0;
      ok = std::fscanf(f, "%d", &v) == 1;
      const int tc = c + dc, tr = r + dr;
      if (ok && v > 0 && isInsideGrid(doc, tc, tr)) {
        doc.harvestUnitGrid(tc, tr) = static_cast<std::uint16_t>(v);
        doc.unitCellFlags(tc, tr) = 1;
      }
    }
  }
  std::fclose(f);
  return ok;
}

inline bool loadLandings(CSkyrigDoc& doc, const std::string& path) {
  std::FILE* f = std::fopen(path.c_str(), "rb");
  if (!f) return false;
  int n = 0;
  bool ok = std::fscanf(f, "%d", &n) == 1 && n >= 0 && n <= kMaxLandings;
  for (int k = 0; ok && k < n; ++k) {
    int id = 0, col = 0, row = 0, system = 0, shared = 0;
    float cost = 0;
    ok = std::fscanf(f, "%d %d %d %d %f %d", &id, &col, &row, &system, &cost, &shared) == 6 &&
         id >= 1 && id <= kMaxLandings;
    if (ok) {
      doc.landings[id] = {row, col, system};
      doc.landingConstructionCost[id] = cost;
      doc.landingSharedTower[id] = shared;
    }
  }
  std::fclose(f);
  if (ok) doc.landingCount = n;
  return ok;
}

// The sample project's terrain, harvest unit and landings on a fresh document with the
// view's defaults applied by the caller.
inline bool loadSampleProject(CSkyrigDoc& doc) {
  const std::string root = sampleRoot();
  return loadDtm(doc, root + "/Forest/SouthZone/dem.dat") &&
         loadHarvestUnit(doc, root + "/output/planningarea1/input/planning1final") &&
         loadLandings(doc, root + "/output/planningarea1/input/Landings.dat");
}

}  // namespace skyrig::sample
