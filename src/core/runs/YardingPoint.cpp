#include "runs/YardingPoint.h"

#include <algorithm>
#include <cmath>

namespace skyrig {

namespace {

struct Point {
  double x = 0;
  double y = 0;
};

double distance(Point a, Point b) {
  const double dx = a.x - b.x;
  const double dy = a.y - b.y;
  return std::sqrt(dx * dx + dy * dy);
}

bool between(double v, double a, double b) { return std::min(a, b) <= v && v <= std::max(a, b); }

Point cellPoint(const CSkyrigDoc& doc, int col, int row) {
  return {static_cast<double>(doc.dtm(col, row).x), static_cast<double>(doc.dtm(col, row).y)};
}

}  // namespace

bool isCablewayInTables(int landing, int system, int cableway) {
  return landing >= 1 && landing <= kMaxLandings && system >= 1 && system <= kCableSystemCount &&
         cableway >= 0 && cableway < kCablewaysPerLanding;
}

YardingPoint computeYardingPoint(const CSkyrigDoc& doc, int col, int row, int landing,
                                 int system, int cableway, FootProjection projection) {
  const CablewayRecord& road = doc.cableways[static_cast<std::size_t>(landing)]
                                            [static_cast<std::size_t>(cableway)];
  const Landing& site = doc.landings[static_cast<std::size_t>(landing)];
  const Point cell = cellPoint(doc, col, row);
  const Point start = isInsideGrid(doc, site.col, site.row) ? cellPoint(doc, site.col, site.row)
                                                            : Point{};
  const Point end = isInsideGrid(doc, road.endCol, road.endRow)
                        ? cellPoint(doc, road.endCol, road.endRow)
                        : Point{};
  const double m = road.slope;
  const double b = road.intercept;

  Point foot;
  if (projection == FootProjection::WithAxisCases && std::fabs(m) < 0.0001) {
    foot = {cell.x, b};
  } else if (projection == FootProjection::WithAxisCases && m > 100000.0) {
    foot = {start.x, cell.y};
  } else {
    foot.x = ((cell.x / m + cell.y - b) * m) / (m * m + 1);
    foot.y = m * foot.x + b;
  }
  const double d = distance(cell, foot);
  const bool onRoad = between(foot.x, start.x, end.x) && between(foot.y, start.y, end.y);
  const double maxLateral =
      doc.cableSystems[static_cast<std::size_t>(system)].maxLateralYardingDistance;

  Point chosen = foot;
  if (!(onRoad && d <= maxLateral)) {
    double best = 1.0e14;
    const double toStart = distance(cell, start);
    if (toStart < best) {
      chosen = start;
      best = toStart;
    }
    const double toEnd = distance(cell, end);
    if (toEnd < best) {
      chosen = end;
      best = toEnd;
    }
    if (onRoad && d < best) chosen = foot;
  }
  // A line of undefined slope leaves the foot undefined; it is never chosen then, but guard
  // the conversion all the same.
  if (!std::isfinite(chosen.x) || !std::isfinite(chosen.y) || std::fabs(chosen.x) > 2.0e9 ||
      std::fabs(chosen.y) > 2.0e9)
    return {};
  return {static_cast<std::int32_t>(chosen.x), static_cast<std::int32_t>(chosen.y)};
}

}  // namespace skyrig
