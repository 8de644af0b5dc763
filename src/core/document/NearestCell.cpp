#include "document/NearestCell.h"

#include <cmath>

namespace skyrig {

namespace {

constexpr double kNoDistance = 9999999999999.9;

// Row of the first cell of column c carrying an X (X >= 0); 0 when the column has none.
int firstRowWithX(const CSkyrigDoc& doc, int c) {
  for (int r = 1; r <= doc.nrows; ++r)
    if (doc.dtm(c, r).x >= 0) return r;
  return 0;
}

// Column of the first cell of row r carrying a Y (Y >= 1); 0 when the row has none.
int firstColumnWithY(const CSkyrigDoc& doc, int r) {
  for (int c = 1; c <= doc.ncols; ++c)
    if (doc.dtm(c, r).y >= 1) return c;
  return 0;
}

int linearColumn(const CSkyrigDoc& doc, double x) {
  double best = kNoDistance;
  int column = 0;
  for (int c = 1; c <= doc.ncols; ++c) {
    const int r = firstRowWithX(doc, c);
    if (r == 0) continue;
    const double distance = std::fabs(doc.dtm(c, r).x - x);
    if (distance < best) {
      best = distance;
      column = c;
    }
  }
  return column;
}

int linearRow(const CSkyrigDoc& doc, double y) {
  double best = kNoDistance;
  int row = 0;
  for (int r = 1; r <= doc.nrows; ++r) {
    const int c = firstColumnWithY(doc, r);
    if (c == 0) continue;
    const double distance = std::fabs(doc.dtm(c, r).y - y);
    if (distance < best) {
      best = distance;
      row = r;
    }
  }
  return row;
}

// First cell, row by row, lying closer than one cell size to the point.
CellPoint fullScan(const CSkyrigDoc& doc, double x, double y) {
  const double reach = static_cast<double>(doc.cellSize) * doc.cellSize;
  for (int r = 1; r <= doc.nrows; ++r) {
    for (int c = 1; c <= doc.ncols; ++c) {
      const double dx = x - doc.dtm(c, r).x;
      const double dy = y - doc.dtm(c, r).y;
      if (dx * dx + dy * dy < reach) return {c, r};
    }
  }
  return {0, 0};
}

int clampedCount(int n) { return n < 0 ? 0 : (n > kMaxGridCells ? kMaxGridCells : n); }

}  // namespace

CellPoint findNearestCell(const CSkyrigDoc& doc, double x, double y) {
  const int column = linearColumn(doc, x);
  const int row = column != 0 ? linearRow(doc, y) : 0;
  if (column == 0 || row == 0) return fullScan(doc, x, y);
  return {column, row};
}

NearestCellSearch::NearestCellSearch(const CSkyrigDoc& doc) : doc_(doc) {
  const int ncols = clampedCount(doc.ncols);
  const int nrows = clampedCount(doc.nrows);
  if (ncols != doc.ncols || nrows != doc.nrows || ncols == 0 || nrows == 0) return;
  bool monotonic = true;
  for (int c = 1; c <= ncols && monotonic; ++c) {
    const int r = firstRowWithX(doc, c);
    monotonic = r != 0;
    if (monotonic) columnX_[c] = doc.dtm(c, r).x;
    if (c > 1 && monotonic) monotonic = columnX_[c] > columnX_[c - 1];
  }
  for (int r = 1; r <= nrows && monotonic; ++r) {
    const int c = firstColumnWithY(doc, r);
    monotonic = c != 0;
    if (monotonic) rowY_[r] = doc.dtm(c, r).y;
    if (r > 1 && monotonic) monotonic = rowY_[r] < rowY_[r - 1];
  }
  bisectable_ = monotonic;
}

// With strictly increasing column X the distance |X_c - x| falls and then rises, so the first
// nearest column is the last column left of x or the first one at or right of it.
int NearestCellSearch::nearestColumn(double x) const {
  int lo = 1;
  int hi = doc_.ncols + 1;  // first column with X >= x lies in [lo, hi]
  while (lo < hi) {
    const int mid = (lo + hi) / 2;
    if (columnX_[mid] >= x)
      hi = mid;
    else
      lo = mid + 1;
  }
  int column = 0;
  double best = kNoDistance;
  for (int c = lo - 1; c <= lo; ++c) {
    if (c < 1 || c > doc_.ncols) continue;
    const double distance = std::fabs(columnX_[c] - x);
    if (distance < best) {
      best = distance;
      column = c;
    }
  }
  return column;
}

int NearestCellSearch::nearestRow(double y) const {
  int lo = 1;
  int hi = doc_.nrows + 1;  // first row with Y <= y lies in [lo, hi]
  while (lo < hi) {
    const int mid = (lo + hi) / 2;
    if (rowY_[mid] <= y)
      hi = mid;
    else
      lo = mid + 1;
  }
  int row = 0;
  double best = kNoDistance;
  for (int r = lo - 1; r <= lo; ++r) {
    if (r < 1 || r > doc_.nrows) continue;
    const double distance = std::fabs(rowY_[r] - y);
    if (distance < best) {
      best = distance;
      row = r;
    }
  }
  return row;
}

CellPoint NearestCellSearch::find(double x, double y) const {
  // Beyond 1e12 m the differences to the cell coordinates are no longer exact in double and
  // ties could fall differently; such points (and NaN) take the linear passes.
  constexpr double kExactRange = 1.0e12;
  if (!bisectable_ || !(std::fabs(x) < kExactRange) || !(std::fabs(y) < kExactRange))
    return findNearestCell(doc_, x, y);
  const int column = nearestColumn(x);
  const int row = column != 0 ? nearestRow(y) : 0;
  if (column == 0 || row == 0) return fullScan(doc_, x, y);
  return {column, row};
}

}  // namespace skyrig
