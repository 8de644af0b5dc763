// The grid cell nearest to a map point, the one rule of cable road generation, profile
// sampling and the cable network's reach: the column whose X is nearest, then the row whose Y
// is nearest, with a full-grid fallback. Ties keep the earlier column or row.
#pragma once

#include <array>

#include "document/CSkyrigDoc.h"

namespace skyrig {

// Two linear passes over the columns and rows; (0, 0) when no cell qualifies.
CellPoint findNearestCell(const CSkyrigDoc& doc, double x, double y);

// The same answers as findNearestCell for many queries on an unchanged DTM: the reference X of
// every column and Y of every row are taken once, and a query bisects them when they are
// strictly monotonic (always so for a loaded DTM); otherwise it runs the linear passes.
class NearestCellSearch {
 public:
  explicit NearestCellSearch(const CSkyrigDoc& doc);
  CellPoint find(double x, double y) const;

 private:
  int nearestColumn(double x) const;
  int nearestRow(double y) const;

  const CSkyrigDoc& doc_;
  std::array<double, kGridSlots> columnX_{};
  std::array<double, kGridSlots> rowY_{};
  bool bisectable_ = false;
};

}  // namespace skyrig
