#include "network/CableReach.h"

#include <algorithm>
#include <cmath>

namespace skyrig {

namespace {

struct Point {
  double x;
  double y;
};

// Foot of the perpendicular from (x, y) on the line Y = a X + b; `verticalX` is the X of a
// near-vertical line.
Point footOnLine(double a, double b, double x, double y, double verticalX, double fallbackY) {
  if (std::fabs(a) < 0.0001) return {x, fallbackY};
  if (a > 100000) return {verticalX, y};
  const double footX = ((1 / a) * x + y - b) * a / (a * a + 1);
  return {footX, a * footX + b};
}

double distance3d(const DtmCell& p, const DtmCell& q) {
  const double dx = static_cast<double>(p.x) - q.x;
  const double dy = static_cast<double>(p.y) - q.y;
  const double dz = static_cast<double>(p.z - q.z);
  return std::sqrt(dx * dx + dy * dy + dz * dz);
}

// True when a stream-buffer cell of the rectangle between the cell and the yarding point's
// cell lies nearer than one cell size to the line through both.
bool crossesStreamBuffer(const CSkyrigDoc& doc, const NearestCellSearch& finder,
                         const DtmCell& cell, int col, int row, double footX, double footY) {
  const double x0 = cell.x;
  const double y0 = cell.y;
  const double m = footX == x0 ? 1.0e14 : (footY - y0) / (footX - x0);
  const double c = footY - m * footX;
  const CellPoint foot = finder.find(footX, footY);
  const double size = doc.cellSize;
  for (int cc = std::min(col, foot.col); cc <= std::max(col, foot.col); ++cc)
    for (int rr = std::min(row, foot.row); rr <= std::max(row, foot.row); ++rr) {
      if (doc.streamBufferGrid(cc, rr) == 0) continue;
      const double x = doc.dtm(cc, rr).x;
      const double y = doc.dtm(cc, rr).y;
      Point p;
      if (std::fabs(m) < 0.0001) p = {x, footY};
      else if (m > 100000) p = {footX, y};
      else {
        const double px = ((1 / m) * x + y - c) * m / (m * m + 1);
        p = {px, m * px + c};
      }
      const double dx = x - p.x;
      const double dy = y - p.y;
      if (std::sqrt(dx * dx + dy * dy) < size) return true;
    }
  return false;
}

}  // namespace

CableReach cableReach(const CSkyrigDoc& doc, const NearestCellSearch& finder, int landing,
                      int road, int col, int row, bool streamBufferTest) {
  const Landing& site = doc.landings[static_cast<std::size_t>(landing)];
  const CablewayRecord& way =
      doc.cableways[static_cast<std::size_t>(landing)][static_cast<std::size_t>(road)];
  const CableSystemParams& system = doc.cableSystems[static_cast<std::size_t>(site.system)];
  const DtmCell& cell = doc.dtm(col, row);
  const DtmCell& landingCell = doc.dtm(site.col, site.row);
  const DtmCell& tailCell = doc.dtm(way.endCol, way.endRow);
  const double x0 = cell.x, y0 = cell.y;
  const double xl = landingCell.x, yl = landingCell.y;
  const double xt = tailCell.x, yt = tailCell.y;

  // 1-3: foot point, lateral distance, corridor.
  const Point foot = footOnLine(static_cast<double>(way.slope), static_cast<double>(way.intercept),
                                x0, y0, xl, static_cast<double>(way.intercept));
  const bool footOnRoad = std::min(xl, xt) <= foot.x && foot.x <= std::max(xl, xt) &&
                          std::min(yl, yt) <= foot.y && foot.y <= std::max(yl, yt);
  double d = 0;
  if (footOnRoad) {
    // Off the road the foot's distance is never used, so its cell is not looked up.
    const CellPoint footCell = finder.find(foot.x, foot.y);
    const double dx = x0 - foot.x;
    const double dy = y0 - foot.y;
    const double dz = static_cast<double>(cell.z - doc.dtm(footCell.col, footCell.row).z);
    d = std::sqrt(dx * dx + dy * dy + dz * dz);
  }
  const double sx = foot.x - xl;
  const double sy = foot.y - yl;
  const double s = std::sqrt(sx * sx + sy * sy);
  const bool inside = footOnRoad && d <= static_cast<double>(system.maxLateralYardingDistance);

  // 4: profile point, truncated; points 2 to 4 are never used.
  const int pointCount = way.pointCount;
  const double lx = std::max(xl, xt) - std::min(xl, xt);
  const double ly = std::max(yl, yt) - std::min(yl, yt);
  const double q = pointCount * s / std::sqrt(lx * lx + ly * ly);
  int p;
  if (q >= pointCount) p = pointCount - 1;
  else if (!(q >= 5)) p = 1;  // also a road of zero length
  else p = static_cast<int>(q);

  CableReach reach;
  reach.insideCorridor = inside;
  reach.footX = foot.x;
  reach.footY = foot.y;
  reach.distance = d;
  reach.point = p;

  // 5-6: outside the corridor the nearer of landing, tail and (when on the road) the foot.
  if (inside) {
    reach.factor = 1.0f;
  } else {
    const double toLanding = distance3d(cell, landingCell);
    const double toTail = distance3d(cell, tailCell);
    const bool landingNearer = toLanding <= toTail;
    const double nearest = landingNearer ? toLanding : toTail;
    if (!(footOnRoad && d < nearest)) {
      reach.footX = landingNearer ? xl : xt;
      reach.footY = landingNearer ? yl : yt;
      reach.distance = nearest;
      reach.point = landingNearer ? 1 : pointCount - 1;
    }
    reach.factor = reach.distance > static_cast<double>(system.giveUpDistance)
                       ? -1.0f
                       : system.beyondLateralZoneMultiplier;
  }

  // 7: a stream buffer between the cell and its yarding point blocks the road.
  if (streamBufferTest && reach.factor > 0 &&
      crossesStreamBuffer(doc, finder, cell, col, row, reach.footX, reach.footY))
    reach.factor = -1.0f;
  return reach;
}

}  // namespace skyrig
