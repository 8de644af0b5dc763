#include "CellIdentity.h"

#include <cmath>
#include <cstdio>
#include <limits>
#include <optional>
#include <set>

#include "document/CSkyrigDoc.h"
#include "document/NearestCell.h"
#include "network/CableReach.h"
#include "network/YardingCost.h"
#include "planexport/PlanSolution.h"
#include "runs/YardingPoint.h"
#include "view/AppContext.h"
#include "view/CSkyrigView.h"

namespace skyrig::gui {

namespace {

template <typename... Args>
std::string format(const char* pattern, Args... args) {
  char text[160];
  std::snprintf(text, sizeof text, pattern, args...);
  return text;
}

// Squared distance from (px, py) to the segment a-b.
double segmentDistance2(double px, double py, double ax, double ay, double bx, double by) {
  const double dx = bx - ax, dy = by - ay;
  const double length2 = dx * dx + dy * dy;
  double t = length2 > 0 ? ((px - ax) * dx + (py - ay) * dy) / length2 : 0.0;
  t = std::fmax(0.0, std::fmin(1.0, t));
  const double ex = ax + t * dx - px, ey = ay + t * dy - py;
  return ex * ex + ey * ey;
}

bool sameRoad(const CableAssignment& a, const CableAssignment& b) {
  return a.landing == b.landing && a.cableway == b.cableway;
}

// Yarding cost per m3 of cell (c, r) over the road; nothing when the road cannot yard it.
std::optional<float> yardingCost(const CSkyrigDoc& doc, const NearestCellSearch& finder,
                                 const CableAssignment& a, int c, int r, CableReach* reachOut = nullptr) {
  const auto l = static_cast<std::size_t>(a.landing);
  const auto k = static_cast<std::size_t>(a.cableway);
  const CablewayRecord& way = doc.cableways[l][k];
  if (way.pointCount <= 5 || way.pointCount > kMaxProfilePoints) return std::nullopt;
  const CableReach reach = cableReach(doc, finder, a.landing, a.cableway, c, r, true);
  if (reachOut != nullptr) *reachOut = reach;
  if (!(reach.factor > 0)) return std::nullopt;
  const auto p = static_cast<std::size_t>(reach.point);
  return yardingVariableCost(doc.cableSystems[static_cast<std::size_t>(doc.landings[l].system)],
                             doc.volumeGrid(c, r), doc.profilePayload[l][k][p],
                             doc.profileCycleTime[l][k][p], reach.factor, reach.distance);
}

}  // namespace

void PlanCellIndex::rebuild(const AppContext& app) {
  const CSkyrigDoc& doc = app.doc;
  ncols_ = std::max(0, doc.ncols);
  nrows_ = std::max(0, doc.nrows);
  roads_.assign(static_cast<std::size_t>(ncols_) * nrows_, CableAssignment{});
  const auto slot = [&](int c, int r) {
    return static_cast<std::size_t>(r - 1) * ncols_ + static_cast<std::size_t>(c - 1);
  };
  const PlanSolution plan = separateRunSolution(app);
  for (const YardedCell& y : plan.yarded) roads_[slot(y.cell.col, y.cell.row)] = y.road;
  if (plan.roadsWithoutCells.empty()) return;
  const NearestCellSearch finder(doc);

  std::vector<CableAssignment> used;
  for (const CableAssignment& a : plan.roadsWithoutCells) {
    bool seen = false;
    for (const CableAssignment& u : used) seen = seen || sameRoad(u, a);
    if (!seen) used.push_back(a);
  }
  for (int r = 1; r <= nrows_; ++r)
    for (int c = 1; c <= ncols_; ++c) {
      const YardingPoint point = app.view.runs.yardingPoints(c, r);
      if (point.x <= 0) continue;
      // The road whose own yarding point for the cell is the stored one; where several are
      // (roads meet at the landing), or none is, the road passing nearest the point.
      double best = std::numeric_limits<double>::max();
      bool exact = false;
      float bestCost = std::numeric_limits<float>::max();
      for (const CableAssignment& a : used) {
        const Landing& site = doc.landings[static_cast<std::size_t>(a.landing)];
        const CablewayRecord& road = doc.cableways[static_cast<std::size_t>(a.landing)]
                                                  [static_cast<std::size_t>(a.cableway)];
        const double d = segmentDistance2(point.x, point.y, cellX(doc, site.col), cellY(doc, site.row),
                                          cellX(doc, road.endCol), cellY(doc, road.endRow));
        if (d > best + doc.cellSize * doc.cellSize) continue;
        const bool matches = computeYardingPoint(doc, c, r, a.landing, a.system, a.cableway,
                                                 FootProjection::WithAxisCases) == point;
        // Roads that both give the stored point: the run routed the cell over the cheaper.
        const float cost = matches ? yardingCost(doc, finder, a, c, r).value_or(bestCost) : bestCost;
        const bool better = matches && exact ? cost < bestCost || (cost == bestCost && d < best)
                                             : (matches && !exact) || (matches == exact && d < best);
        if (better) {
          best = d;
          exact = matches;
          bestCost = cost;
          roads_[slot(c, r)] = a;
        }
      }
    }
}

const CableAssignment* PlanCellIndex::at(int c, int r) const {
  if (c < 1 || r < 1 || c > ncols_ || r > nrows_) return nullptr;
  const CableAssignment& a = roads_[static_cast<std::size_t>(r - 1) * ncols_ + static_cast<std::size_t>(c - 1)];
  return a.landing > 0 ? &a : nullptr;
}

std::vector<std::pair<std::string, std::string>> identifyCell(const AppContext& app,
                                                              const PlanCellIndex& plan, int c,
                                                              int r) {
  const CSkyrigDoc& doc = app.doc;
  std::vector<std::pair<std::string, std::string>> lines;
  if (!isInsideGrid(doc, c, r)) return lines;
  lines.emplace_back("Cell", format("C%dR%d", c, r));
  lines.emplace_back("x, y", format("%d, %d m", cellX(doc, c), cellY(doc, r)));
  lines.emplace_back("Elevation", format("%d m", doc.dtm(c, r).z));
  const float volume = doc.volumeGridOriginal(c, r);
  lines.emplace_back("Volume", volume > 0 ? format("%.2f m\xC2\xB3", static_cast<double>(volume))
                                          : std::string("no timber"));
  std::string layers;
  const auto add = [&](bool on, const char* name) {
    if (on) layers += (layers.empty() ? "" : ", ") + std::string(name);
  };
  add(doc.unitCellFlags(c, r) == 1 || doc.harvestUnitGrid(c, r) > 0, "harvest unit");
  add(doc.streamGrid(c, r) > 0, "stream");
  add(doc.streamGrid(c, r) == 0 && doc.streamBufferGrid(c, r) > 0, "stream buffer");
  add(doc.roadGrid(c, r) > 0, "road");
  for (int i = 1; i <= std::min(doc.landingCount, kMaxLandings); ++i)
    if (doc.landings[i].system > 0 && doc.landings[i].col == c && doc.landings[i].row == r)
      layers += (layers.empty() ? "" : ", ") + format("landing %d", i);
  if (!layers.empty()) lines.emplace_back("On", layers);

  if (app.view.runs.cableAssignments.count < 1) return lines;
  const CableAssignment* road = plan.at(c, r);
  if (road == nullptr) {
    lines.emplace_back("Plan", doc.volumeGrid(c, r) == -1.0f ? "no cable road reaches it"
                                                              : "not yarded");
    return lines;
  }
  lines.emplace_back("Yarded to", format("landing %d", road->landing));
  lines.emplace_back("Cable road", format("%d (system %d)", road->cableway, road->system));
  const NearestCellSearch finder(doc);
  CableReach reach;
  const std::optional<float> cost = yardingCost(doc, finder, *road, c, r, &reach);
  if (!cost) return lines;
  lines.emplace_back("Yarding cost", format("$%.2f per m\xC2\xB3", static_cast<double>(*cost)));
  if (doc.volumeGrid(c, r) > 0)
    lines.emplace_back("", format("$%.2f for the cell", static_cast<double>(*cost * doc.volumeGrid(c, r))));
  lines.emplace_back("Lateral distance", format("%.1f m", reach.distance));
  return lines;
}

}  // namespace skyrig::gui
