#include "network/NearestCell.h"

#include <cmath>

namespace skyrig {

namespace {

constexpr double kNoDistance = 9999999999999.9;
// Beyond this distance from the grid, rounding could tie more than two columns; use the scan.
constexpr double kBisectLimit = 1.0e12;

// Reference cell of a column: the first row (from 1) whose X is 0 or more; 0 when none.
int referenceRow(const CSkyrigDoc& doc, int c) {
  for (int r = 1; r <= doc.nrows; ++r)
    if (doc.dtm(c, r).x >= 0) return r;
  return 0;
}

// Reference cell of a row: the first column (from 1) whose Y is 1 or more; 0 when none.
int referenceColumn(const CSkyrigDoc& doc, int r) {
  for (int c = 1; c <= doc.ncols; ++c)
    if (doc.dtm(c, r).y >= 1) return c;
  return 0;
}

CellPoint fullScan(const CSkyrigDoc& doc, double x, double y) {
  const double size = doc.cellSize;
  for (int r = 1; r <= doc.nrows; ++r)
    for (int c = 1; c <= doc.ncols; ++c) {
      const double dx = x - doc.dtm(c, r).x;
      const double dy = y - doc.dtm(c, r).y;
      if (dx * dx + dy * dy < size * size) return {c, r};
    }
  return {0, 0};
}

}  // namespace

CellPoint nearestCell(const CSkyrigDoc& doc, double x, double y) {
  int col = 0;
  double best = kNoDistance;
  for (int c = 1; c <= doc.ncols; ++c) {
    const int r = referenceRow(doc, c);
    if (r == 0) continue;
    const double distance = std::fabs(doc.dtm(c, r).x - x);
    if (distance < best) {
      best = distance;
      col = c;
    }
  }
  int row = 0;
  if (col != 0) {
    best = kNoDistance;
    for (int r = 1; r <= doc.nrows; ++r) {
      const int c = referenceColumn(doc, r);
      if (c == 0) continue;
      const double distance = std::fabs(doc.dtm(c, r).y - y);
      if (distance < best) {
        best = distance;
        row = r;
      }
    }
  }
  if (col == 0 || row == 0) return fullScan(doc, x, y);
  return {col, row};
}

NearestCellFinder::NearestCellFinder(const CSkyrigDoc& doc) : doc_(doc) {
  columnsIncreasing_ = doc.ncols >= 1;
  for (int c = 1; c <= doc.ncols; ++c) {
    const int r = referenceRow(doc, c);
    columnValid_[c] = r != 0;
    columnX_[c] = r != 0 ? doc.dtm(c, r).x : 0.0;
    if (!columnValid_[c] || (c > 1 && !(columnX_[c] > columnX_[c - 1])))
      columnsIncreasing_ = false;
  }
  rowsDecreasing_ = doc.nrows >= 1;
  for (int r = 1; r <= doc.nrows; ++r) {
    const int c = referenceColumn(doc, r);
    rowValid_[r] = c != 0;
    rowY_[r] = c != 0 ? doc.dtm(c, r).y : 0.0;
    if (!rowValid_[r] || (r > 1 && !(rowY_[r] < rowY_[r - 1]))) rowsDecreasing_ = false;
  }
}

int NearestCellFinder::nearestColumn(double x) const {
  const int n = doc_.ncols;
  if (columnsIncreasing_ && std::fabs(x - columnX_[1]) < kBisectLimit) {
    // First column with X >= x; the nearest is it or the one before (earlier on a tie).
    int lo = 1, hi = n + 1;
    while (lo < hi) {
      const int mid = (lo + hi) / 2;
      if (columnX_[mid] < x) lo = mid + 1; else hi = mid;
    }
    int col = 0;
    double best = kNoDistance;
    for (int c = lo - 1; c <= lo; ++c) {
      if (c < 1 || c > n) continue;
      const double distance = std::fabs(columnX_[c] - x);
      if (distance < best) {
        best = distance;
        col = c;
      }
    }
    return col;
  }
  int col = 0;
  double best = kNoDistance;
  for (int c = 1; c <= n; ++c) {
    if (!columnValid_[c]) continue;
    const double distance = std::fabs(columnX_[c] - x);
    if (distance < best) {
      best = distance;
      col = c;
    }
  }
  return col;
}

int NearestCellFinder::nearestRow(double y) const {
  const int n = doc_.nrows;
  if (rowsDecreasing_ && std::fabs(y - rowY_[1]) < kBisectLimit) {
    // First row with Y <= y; the nearest is it or the one before (earlier on a tie).
    int lo = 1, hi = n + 1;
    while (lo < hi) {
      const int mid = (lo + hi) / 2;
      if (rowY_[mid] > y) lo = mid + 1; else hi = mid;
    }
    int row = 0;
    double best = kNoDistance;
    for (int r = lo - 1; r <= lo; ++r) {
      if (r < 1 || r > n) continue;
      const double distance = std::fabs(rowY_[r] - y);
      if (distance < best) {
        best = distance;
        row = r;
      }
    }
    return row;
  }
  int row = 0;
  double best = kNoDistance;
  for (int r = 1; r <= n; ++r) {
    if (!rowValid_[r]) continue;
    const double distance = std::fabs(rowY_[r] - y);
    if (distance < best) {
      best = distance;
      row = r;
    }
  }
  return row;
}

CellPoint NearestCellFinder::find(double x, double y) const {
  const int col = nearestColumn(x);
  const int row = col != 0 ? nearestRow(y) : 0;
  if (col == 0 || row == 0) return fullScan(doc_, x, y);
  return {col, row};
}

}  // namespace skyrig
