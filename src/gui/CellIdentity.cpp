#include "CellIdentity.h"

#include <cmath>
#include <cstdio>
#include <limits>
#include <set>

#include "document/CSkyrigDoc.h"
#include "document/NearestCell.h"
#include "network/CableReach.h"
#include "network/YardingCost.h"
#include "planexport/PlanSolution.h"
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
      double best = std::numeric_limits<double>::max();
      for (const CableAssignment& a : used) {
        const Landing& site = doc.landings[static_cast<std::size_t>(a.landing)];
        const CablewayRecord& road = doc.cableways[static_cast<std::size_t>(a.landing)]
                                                  [static_cast<std::size_t>(a.cableway)];
        const double d = segmentDistance2(point.x, point.y, cellX(doc, site.col), cellY(doc, site.row),
                                          cellX(doc, road.endCol), cellY(doc, road.endRow));
        if (d < best) {
          best = d;
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
  const auto l = static_cast<std::size_t>(road->landing);
  const auto k = static_cast<std::size_t>(road->cableway);
  const CablewayRecord& way = doc.cableways[l][k];
  if (way.pointCount <= 5 || way.pointCount > kMaxProfilePoints) return lines;
  const NearestCellSearch finder(doc);
  const CableReach reach = cableReach(doc, finder, road->landing, road->cableway, c, r, true);
  if (!(reach.factor > 0)) return lines;
  const auto p = static_cast<std::size_t>(reach.point);
  const auto cost = yardingVariableCost(
      doc.cableSystems[static_cast<std::size_t>(doc.landings[l].system)], doc.volumeGrid(c, r),
      doc.profilePayload[l][k][p], doc.profileCycleTime[l][k][p], reach.factor, reach.distance);
  if (cost) {
    lines.emplace_back("Yarding cost", format("$%.2f per m\xC2\xB3", static_cast<double>(*cost)));
    if (doc.volumeGrid(c, r) > 0)
      lines.emplace_back("", format("$%.2f for the cell", static_cast<double>(*cost * doc.volumeGrid(c, r))));
  }
  lines.emplace_back("Lateral distance", format("%.1f m", reach.distance));
  return lines;
}

}  // namespace skyrig::gui
