// Loads the sample project's DTM and landings for the cable tests and benchmarks (a small
// reader of the ESRI ASCII grid and of the landings file; no stream buffer, no harvest unit).
#pragma once

#include <cstdio>
#include <string>

#include "document/CSkyrigDoc.h"

namespace skyrig::sample {

inline std::string sampleRoot() { return std::string(SKYRIG_SOURCE_DIR) + "/examples/southzone"; }

inline bool loadDtm(CSkyrigDoc& doc, const std::string& path) {
  std::FILE* f = std::fopen(path.c_str(), "rb");
  if (!f) return false;
  char label[64];
  int ncols = 0, nrows = 0, xll = 0, yll = 0, cellSize = 0, noData = 0;
  bool ok = std::fscanf(f, "%63s %d %63s %d %63s %d %63s %d %63s %d %63s %d", label, &ncols, label,
                        &nrows, label, &xll, label, &yll, label, &cellSize, label, &noData) == 12 &&
            ncols <= kMaxGridCells && nrows <= kMaxGridCells;
  for (int r = 1; ok && r <= nrows; ++r) {
    for (int c = 1; ok && c <= ncols; ++c) {
      float v = 0;
      ok = std::fscanf(f, "%f", &v) == 1;
      doc.dtm(c, r) = {xll + cellSize * (c - 1), yll + cellSize * (nrows - r), static_cast<int>(v)};
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
    if (ok) doc.landings[id] = {row, col, system};
  }
  std::fclose(f);
  doc.landingCount = ok ? n : 0;
  return ok;
}

inline bool loadSampleProject(CSkyrigDoc& doc) {
  return loadDtm(doc, sampleRoot() + "/Forest/SouthZone/dem.dat") &&
         loadLandings(doc, sampleRoot() + "/output/planningarea1/input/Landings.dat");
}

}  // namespace skyrig::sample
