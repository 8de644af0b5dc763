#include "cable/CablewayFan.h"

#include <algorithm>
#include <cmath>

#include "document/CSkyrigDoc.h"
#include "document/NearestCell.h"

namespace skyrig {

namespace {

// Cells of the maximum yarding distance; 0 for a distance below one cell, a negative distance
// or no grid, and never more than the grid can hold.
int yardingCells(const CSkyrigDoc& doc, float maxYardingDistance) {
  if (doc.cellSize <= 0) return 0;
  const float cells = maxYardingDistance / static_cast<float>(doc.cellSize);
  if (!(cells > 0.0f)) return 0;
  if (cells >= 2.0f * kMaxGridCells) return 2 * kMaxGridCells;
  return static_cast<int>(cells);
}

// End cell of a fan road and its line through the landing cell recomputed from the two cell
// centres. A road whose end shares the landing's X is marked parallel to the Y axis (its
// slope would be infinite, or 0 / 0 when the end is the landing cell itself).
void setFanRoad(const CSkyrigDoc& doc, const NearestCellSearch& nearest, CablewayRecord& road,
                double x, double y, int landingX, int landingY) {
  const CellPoint end = nearest.find(x, y);
  road.genEndCol = end.col;
  road.genEndRow = end.row;
  const DtmCell& cell = doc.dtm(end.col, end.row);
  const int dx = landingX - cell.x;
  if (dx == 0) {
    road.slope = kVerticalRoadMark;
    road.intercept = kVerticalRoadMark;
    return;
  }
  road.slope = static_cast<float>(landingY - cell.y) / static_cast<float>(dx);
  road.intercept = static_cast<float>(landingY) - static_cast<float>(landingX) * road.slope;
}

}  // namespace

void layOutFan(CSkyrigDoc& doc, int col, int row, int system) {
  auto& roads = doc.cablewayScratch;
  const float radius = doc.cableSystems[system].maxYardingDistance;
  const int n = yardingCells(doc, radius);
  const int x0 = doc.dtm(col, row).x;
  const int y0 = doc.dtm(col, row).y;

  roads[0].genEndCol = col;
  roads[0].genEndRow = row - n <= 0 ? 1 : row - n;
  roads[0].slope = kVerticalRoadMark;
  roads[0].intercept = kVerticalRoadMark;
  roads[9].genEndCol = std::min(col + n, doc.ncols);
  roads[9].genEndRow = row;
  roads[9].slope = 0.0f;
  roads[9].intercept = static_cast<float>(y0);
  roads[18].genEndCol = col;
  roads[18].genEndRow = std::min(row + n, doc.nrows);
  roads[18].slope = kVerticalRoadMark;
  roads[18].intercept = kVerticalRoadMark;
  roads[27].genEndCol = col - n <= 0 ? 1 : col - n;
  roads[27].genEndRow = row;
  roads[27].slope = 0.0f;
  roads[27].intercept = static_cast<float>(y0);

  const NearestCellSearch nearest(doc);
  const double X0 = x0;
  const double Y0 = y0;
  const double R = radius;
  for (int k = 1; k <= 17; ++k) {
    if (k == 9) continue;
    const double angle = k * 10.0 * 3.14 / 180.0;  // the fan takes pi as 3.14
    const float a = static_cast<float>(std::tan(angle));
    const float b = static_cast<float>(y0) - static_cast<float>(x0) * a;
    const double A = std::pow(static_cast<double>(a), 2.0) + 1;
    const double B =
        static_cast<double>(a) * static_cast<double>(b) - X0 - static_cast<double>(a) * Y0;
    const double C = std::pow(X0, 2.0) + std::pow(static_cast<double>(b), 2.0) + std::pow(Y0, 2.0) -
                     std::pow(R, 2.0) - 2.0 * static_cast<double>(b) * Y0;
    const double D = std::pow(B, 2.0) - A * C;
    const double x1 = (-B + std::sqrt(D)) / A;
    const double y1 = static_cast<double>(a) * x1 + static_cast<double>(b);
    setFanRoad(doc, nearest, roads[k], x1, y1, x0, y0);
    const double x2 = (-B - std::sqrt(D)) / A;
    const double y2 = static_cast<double>(a) * x2 + static_cast<double>(b);
    setFanRoad(doc, nearest, roads[k + 18], x2, y2, x0, y0);
  }
}

}  // namespace skyrig
