#include "document/CSkyrigDoc.h"

namespace skyrig {

std::unique_ptr<CSkyrigDoc> makeDocument() { return std::make_unique<CSkyrigDoc>(); }

std::int32_t cellX(const CSkyrigDoc& doc, int c) { return doc.xll + doc.cellSize * (c - 1); }

std::int32_t cellY(const CSkyrigDoc& doc, int r) { return doc.yll + doc.cellSize * (doc.nrows - r); }

CellPoint cellUnderGroundPoint(const CSkyrigDoc& doc, double groundX, double groundY) {
  const double half = doc.cellSize / 2.0;
  for (int c = 1; c <= doc.ncols; ++c) {
    const double x = cellX(doc, c);
    if (x - half < groundX && groundX < x + half) {
      for (int r = 1; r <= doc.nrows; ++r) {
        const double y = cellY(doc, r);
        if (y - half < groundY && groundY < y + half) return {c, r};
      }
      return {-1, -1};
    }
  }
  return {-1, -1};
}

bool isInsideGrid(const CSkyrigDoc& doc, int c, int r) {
  return c >= 1 && c <= doc.ncols && r >= 1 && r <= doc.nrows;
}

CellLimits cellLimits(const CSkyrigDoc& doc) {
  if (doc.ncols >= 1 && doc.nrows >= 1) return {doc.ncols, doc.nrows};
  return {kMaxGridCells, kMaxGridCells};
}

}  // namespace skyrig
