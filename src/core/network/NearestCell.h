// The grid cell nearest to a map point, by the cable road generation's rule: the column whose
// X is nearest (earlier column on a tie), then the row whose Y is nearest, with a full-grid
// fallback when either search finds nothing. (0, 0) when no cell qualifies.
#pragma once

#include <array>

#include "document/CSkyrigDoc.h"

namespace skyrig {

// The rule as stated: two linear passes per query.
CellPoint nearestCell(const CSkyrigDoc& doc, double x, double y);

// The same answers for many queries on an unchanged DTM: the column X and row Y values are
// taken once, and a query bisects them when they are strictly monotonic (always so for a
// loaded DTM), falling back to the linear passes otherwise.
class NearestCellFinder {
 public:
  explicit NearestCellFinder(const CSkyrigDoc& doc);
  CellPoint find(double x, double y) const;

 private:
  int nearestColumn(double x) const;
  int nearestRow(double y) const;

  const CSkyrigDoc& doc_;
  std::array<double, kGridSlots> columnX_{};  // X of each column's reference cell
  std::array<double, kGridSlots> rowY_{};
  std::array<bool, kGridSlots> columnValid_{};
  std::array<bool, kGridSlots> rowValid_{};
  bool columnsIncreasing_ = false;  // every column valid and X strictly increasing
  bool rowsDecreasing_ = false;     // every row valid and Y strictly decreasing
};

}  // namespace skyrig
