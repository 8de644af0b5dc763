// Reads the sample DTM (ESRI ASCII grid) into a document for the picture tests: cell x, y and
// truncated z, the grid geometry and the elevation range of values >= 0.
#pragma once

#include <algorithm>
#include <fstream>
#include <string>

#include "document/CSkyrigDoc.h"

namespace skyrig::testing {

inline bool readDtmForTest(CSkyrigDoc& doc, const std::string& file) {
  std::ifstream in(file);
  std::string key;
  double xllCorner = 0, yllCorner = 0, noData = 0;
  in >> key >> doc.ncols >> key >> doc.nrows >> key >> xllCorner >> key >> yllCorner >> key >>
      doc.cellSize >> key >> noData;
  if (!in || doc.ncols < 1 || doc.ncols > 699 || doc.nrows < 1 || doc.nrows > 699) return false;
  doc.xll = static_cast<int>(xllCorner);
  doc.yll = static_cast<int>(yllCorner);
  doc.xMax = doc.xll + doc.cellSize * (doc.ncols - 1);
  doc.yMax = doc.yll + doc.cellSize * (doc.nrows - 1);
  doc.minElevation = 9999;
  doc.maxElevation = -9999;
  for (int r = 1; r <= doc.nrows; ++r)
    for (int c = 1; c <= doc.ncols; ++c) {
      double value = 0;
      if (!(in >> value)) return false;
      const int z = static_cast<int>(value);
      doc.dtm(c, r) = {cellX(doc, c), cellY(doc, r), z};
      if (z >= 0) doc.minElevation = std::min(doc.minElevation, z);
      doc.maxElevation = std::max(doc.maxElevation, z);
    }
  doc.unitBox = {1, 1, doc.ncols, doc.nrows};
  return true;
}

}  // namespace skyrig::testing
