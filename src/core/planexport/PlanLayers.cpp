#include "planexport/PlanLayers.h"

#include <cmath>
#include <cstdio>
#include <map>
#include <set>

#include "view/AppContext.h"
#include "document/Blanks.h"
#include "document/CSkyrigDoc.h"
#include "network/CableReach.h"
#include "document/NearestCell.h"
#include "network/RoadLinkCost.h"
#include "network/YardingCost.h"
#include "planexport/CablewayOutcomes.h"
#include "planexport/PlanSolution.h"
#include "runs/RoadLengthClasses.h"
#include "view/CSkyrigView.h"

namespace skyrig {

namespace {

using gis::Coordinate;
using gis::Feature;
using gis::FeatureLayer;
using gis::Field;
using gis::FieldKind;
using gis::FieldValue;
using gis::GeometryKind;

FieldValue integer(std::int64_t v) { return v; }
FieldValue real(double v) { return v; }
FieldValue text(std::string v) { return v; }

std::string systemName(const CSkyrigDoc& doc, int system) {
  return trimmedBlanks(doc.cableSystems[static_cast<std::size_t>(system)].name);
}

std::string cellName(int c, int r) { return "C" + std::to_string(c) + "R" + std::to_string(r); }

const char* const kGradeClasses[6] = {"0-5", "5-10", "10-15", "15-20", "20-25", "25-30"};
const char* const kSideSlopeClasses[6] = {"0-15", "15-30", "30-45", "45-60", "60-75", "75-90"};

// Which landing and road yard a cell, and at what cost per m3.
struct CellServing {
  int landing = 0;
  int road = -1;
  double costPerM3 = 0.0;
};

struct CablewayTotals {
  bool used = false;
  double volume = 0.0;        // m3
  double yardingCost = 0.0;   // $, variable cost times volume over its cells
};

int placedLandings(const CSkyrigDoc& doc) {
  return doc.landingCount < kMaxLandings ? doc.landingCount : kMaxLandings;
}

bool hasSystem(const CSkyrigDoc& doc, int landing) {
  const int s = doc.landings[static_cast<std::size_t>(landing)].system;
  return s >= 1 && s <= kCableSystemCount;
}

double workingVolume(const CSkyrigDoc& doc, int c, int r) {
  const float v = doc.volumeGrid(c, r);
  return v > 0.0f ? v : 0.0;
}

// The variable yarding cost per m3 of the cell over the road, as the cable network prices it.
double yardingCostPerM3(const CSkyrigDoc& doc, const NearestCellSearch& finder, int landing,
                        int road, int c, int r) {
  const auto l = static_cast<std::size_t>(landing);
  const auto k = static_cast<std::size_t>(road);
  const CablewayRecord& way = doc.cableways[l][k];
  if (way.pointCount <= 5 || way.pointCount > kMaxProfilePoints) return 0.0;
  const CableReach reach = cableReach(doc, finder, landing, road, c, r, true);
  if (!(reach.factor > 0)) return 0.0;
  const auto p = static_cast<std::size_t>(reach.point);
  const CableSystemParams& params =
      doc.cableSystems[static_cast<std::size_t>(doc.landings[l].system)];
  const std::optional<float> cost =
      yardingVariableCost(params, doc.volumeGrid(c, r), doc.profilePayload[l][k][p],
                          doc.profileCycleTime[l][k][p], reach.factor, reach.distance);
  return cost ? *cost : 0.0;
}

std::string feasibility(const CablewayOutcome& o) {
  if (!o.analysed) return "not analysed";
  if (!o.outcome.feasible) return "infeasible";
  if (o.outcome.shortened) return "feasible after shortening";
  return "feasible at h" + std::to_string(o.outcome.heightIndex);
}

// Road links of the road paths, each once, in path order: (landing, from cell, to cell).
struct RoadSegment {
  int landing = 0;
  CellPoint from;
  CellPoint to;
};

std::vector<RoadSegment> roadSegments(const CSkyrigDoc& doc, const PlanSolution& solution) {
  std::map<std::pair<int, int>, int> landingAtCell;
  for (int i = 1; i <= placedLandings(doc); ++i) {
    const Landing& l = doc.landings[static_cast<std::size_t>(i)];
    landingAtCell.emplace(std::make_pair(l.col, l.row), i);
  }
  std::vector<RoadSegment> segments;
  std::set<std::pair<std::pair<int, int>, std::pair<int, int>>> seen;
  for (const std::vector<CellPoint>& path : solution.roadPaths) {
    const auto found = landingAtCell.find({path.front().col, path.front().row});
    const int landing = found == landingAtCell.end() ? 0 : found->second;
    for (std::size_t i = 0; i + 1 < path.size(); ++i) {
      auto a = std::make_pair(path[i].col, path[i].row);
      auto b = std::make_pair(path[i + 1].col, path[i + 1].row);
      if (b < a) std::swap(a, b);
      if (seen.insert({a, b}).second) segments.push_back({landing, path[i], path[i + 1]});
    }
  }
  return segments;
}

// The link's cost and attributes as the road network builder computes them: from the cell
// first in row-major order towards the other one.
std::optional<RoadLinkCost> segmentCost(const CSkyrigDoc& doc, const RoadSegment& s) {
  CellPoint a = s.from;
  CellPoint b = s.to;
  if (std::make_pair(b.row, b.col) < std::make_pair(a.row, a.col)) std::swap(a, b);
  const int dc = b.col - a.col;
  const int dr = b.row - a.row;
  const auto z = [&](int c, int r) { return isInsideGrid(doc, c, r) ? doc.dtm(c, r).z : 0; };
  return roadLinkCost(doc.roadCosts, doc.cellSize, dc != 0 && dr != 0, z(a.col, a.row),
                      z(b.col, b.row), z(b.col - dr, b.row + dc), z(b.col + dr, b.row - dc),
                      doc.streamBufferGrid(b.col, b.row) > 0);
}

gis::ClassColour landingColour(int landing) {
  static const gis::ClassColour palette[12] = {
      {31, 119, 180}, {44, 160, 44},  {148, 103, 189}, {23, 190, 207},
      {188, 189, 34}, {140, 86, 75},  {227, 119, 194}, {0, 90, 50},
      {70, 70, 200},  {120, 160, 90}, {90, 40, 120},   {0, 140, 140}};
  return palette[(landing - 1) % 12];
}

}  // namespace

Coordinate cellCentre(const AppContext& app, int c, int r) {
  const Georeference& g = app.doc.georeference;
  return {g.westEdge + g.cellSize * (c - 0.5), g.northEdge - g.cellSize * (r - 0.5)};
}

PlanLayers gatherPlanLayers(const AppContext& app, const PlanSolution& solution) {
  const CSkyrigDoc& doc = app.doc;
  const RunWorkArea& runs = app.view.runs;
  const NearestCellSearch finder(doc);
  PlanLayers plan;
  const auto at = [&](int c, int r) { return cellCentre(app, c, r); };

  // Which road yards each cell.
  std::vector<CellServing> serving(static_cast<std::size_t>(doc.ncols) * doc.nrows);
  const auto slot = [&](int c, int r) {
    return static_cast<std::size_t>(r - 1) * doc.ncols + static_cast<std::size_t>(c - 1);
  };
  std::vector<CablewayTotals> roads(static_cast<std::size_t>(kLandingSlots) * kCablewaysPerLanding);
  for (const YardedCell& y : solution.yarded) {
    const CableAssignment& a = y.road;
    const CellPoint& cell = y.cell;
    const double cost = yardingCostPerM3(doc, finder, a.landing, a.cableway, cell.col, cell.row);
    serving[slot(cell.col, cell.row)] = {a.landing, a.cableway, cost};
    CablewayTotals& road = roads[cablewayIndex(a.landing, a.cableway)];
    road.used = true;
    road.volume += workingVolume(doc, cell.col, cell.row);
    road.yardingCost += cost * workingVolume(doc, cell.col, cell.row);
  }
  for (const CableAssignment& a : solution.roadsWithoutCells)
    roads[cablewayIndex(a.landing, a.cableway)].used = true;
  const bool cellsKnown = solution.roadsWithoutCells.empty();
  const std::vector<CablewayOutcome> outcomes = analyseCablewayOutcomes(doc);

  // landings
  FeatureLayer landings{"landings", GeometryKind::Point,
                        {{"id", FieldKind::Integer}, {"cable_system", FieldKind::Integer},
                         {"system_name", FieldKind::Text}, {"used", FieldKind::Integer},
                         {"volume_m3", FieldKind::Real}, {"construction_cost", FieldKind::Real},
                         {"cable_roads_used", FieldKind::Integer}, {"col", FieldKind::Integer},
                         {"row", FieldKind::Integer}, {"elevation_m", FieldKind::Integer}},
                        {}};
  for (int i = 1; i <= placedLandings(doc); ++i) {
    const auto l = static_cast<std::size_t>(i);
    const Landing& site = doc.landings[l];
    if (!hasSystem(doc, i) || !isInsideGrid(doc, site.col, site.row)) continue;
    int roadsUsed = 0;
    for (int r = 0; r < kCablewaysPerLanding; ++r) roadsUsed += roads[cablewayIndex(i, r)].used;
    const bool used = solution.landingVolume[l] > 0.0f;
    plan.landingsUsed += used;
    landings.features.push_back(
        {{at(site.col, site.row)},
         {integer(i), integer(site.system), text(systemName(doc, site.system)),
          integer(used), real(solution.landingVolume[l]), real(doc.landingConstructionCost[l]),
          integer(roadsUsed), integer(site.col), integer(site.row), integer(doc.dtm(site.col, site.row).z)}});
    if (used)
      plan.waypoints.push_back({"L" + std::to_string(i), "landing " + std::to_string(i) + ", " + systemName(doc, site.system),
                                at(site.col, site.row), static_cast<double>(doc.dtm(site.col, site.row).z)});
  }

  // cable roads and their intermediate supports
  FeatureLayer cableways{"cable_roads", GeometryKind::Line,
                         {{"landing", FieldKind::Integer}, {"road", FieldKind::Integer},
                          {"cable_system", FieldKind::Integer}, {"used", FieldKind::Integer},
                          {"length_m", FieldKind::Real}, {"tail_spar_height_m", FieldKind::Real},
                          {"feasibility", FieldKind::Text}, {"supports", FieldKind::Integer},
                          {"min_payload_kg", FieldKind::Real}, {"cycle_time_s", FieldKind::Real},
                          {"volume_m3", FieldKind::Real}, {"yarding_cost", FieldKind::Real},
                          {"rigging_cost", FieldKind::Real}},
                         {}};
  FeatureLayer supports{"intermediate_supports", GeometryKind::Point,
                        {{"landing", FieldKind::Integer}, {"road", FieldKind::Integer},
                         {"support", FieldKind::Integer}, {"height_m", FieldKind::Real},
                         {"elevation_m", FieldKind::Integer}, {"used", FieldKind::Integer}},
                        {}};
  for (int i = 1; i <= placedLandings(doc); ++i) {
    const auto l = static_cast<std::size_t>(i);
    const Landing& site = doc.landings[l];
    if (!hasSystem(doc, i) || !isInsideGrid(doc, site.col, site.row)) continue;
    const CableSystemParams& params = doc.cableSystems[static_cast<std::size_t>(site.system)];
    for (int r = 0; r < kCablewaysPerLanding; ++r) {
      const auto k = static_cast<std::size_t>(r);
      const CablewayRecord& way = doc.cableways[l][k];
      if (way.pointCount < 1 || !isInsideGrid(doc, way.endCol, way.endRow)) continue;
      const CablewayOutcome& outcome = outcomes[cablewayIndex(i, r)];
      const CablewayTotals& totals = roads[cablewayIndex(i, r)];
      plan.cablewaysUsed += totals.used;
      const Coordinate from = at(site.col, site.row);
      const Coordinate to = at(way.endCol, way.endRow);
      const int supportCount = outcome.analysed ? static_cast<int>(outcome.supports.size()) : way.supportCount;
      cableways.features.push_back(
          {{from, to},
           {integer(i), integer(r), integer(site.system), integer(totals.used),
            real(std::hypot(to.x - from.x, to.y - from.y)), real(doc.tailSparHeight[l][k]),
            text(feasibility(outcome)), integer(supportCount), real(doc.cablewayMinPayload[l][k]),
            real(doc.cablewayCycleTime[l][k]), real(totals.volume), real(totals.yardingCost),
            real(totals.used ? cablewayFixedCost(params, way.supportCount) : 0.0)}});
      const std::string name = "L" + std::to_string(i) + "-R" + std::to_string(r);
      if (totals.used)
        plan.waypoints.push_back({name + "-T", "tail spar of cable road " + std::to_string(r) +
                                               " of landing " + std::to_string(i),
                                  to, static_cast<double>(doc.dtm(way.endCol, way.endRow).z)});
      if (!outcome.outcome.feasible) continue;
      int number = 0;
      for (const SupportSite& s : outcome.supports) {
        ++number;
        supports.features.push_back({{at(s.col, s.row)},
                                     {integer(i), integer(r), integer(number),
                                      real(params.intSupportHeight), integer(s.z), integer(totals.used)}});
        if (totals.used)
          plan.waypoints.push_back({name + "-S" + std::to_string(number),
                                    "support " + std::to_string(number) + " of cable road " +
                                        std::to_string(r) + " of landing " + std::to_string(i),
                                    at(s.col, s.row), static_cast<double>(s.z)});
      }
    }
  }

  // new road links
  FeatureLayer newRoads{"new_roads", GeometryKind::Line,
                        {{"landing", FieldKind::Integer}, {"from_cell", FieldKind::Text},
                         {"to_cell", FieldKind::Text}, {"length_m", FieldKind::Real},
                         {"grade_pct", FieldKind::Real}, {"grade_class", FieldKind::Text},
                         {"side_slope_pct", FieldKind::Real}, {"side_slope_class", FieldKind::Text},
                         {"construction_cost", FieldKind::Real}, {"hauling_cost_m3", FieldKind::Real}},
                        {}};
  for (const RoadSegment& s : roadSegments(doc, solution)) {
    const std::optional<RoadLinkCost> cost = segmentCost(doc, s);
    const LinkAttributes a = cost ? cost->attributes : LinkAttributes{};
    newRoads.features.push_back(
        {{at(s.from.col, s.from.row), at(s.to.col, s.to.row)},
         {integer(s.landing), text(cellName(s.from.col, s.from.row)), text(cellName(s.to.col, s.to.row)),
          real(a.length), real(100.0 * a.grade), text(kGradeClasses[gradeClass(a.grade)]),
          real(100.0 * a.sideSlope), text(kSideSlopeClasses[sideSlopeClass(a.sideSlope)]),
          real(cost ? cost->fixedCost : 0.0), real(cost ? cost->variableCost : 0.0)}});
  }

  FeatureLayer exits{"timber_exits", GeometryKind::Point,
                     {{"id", FieldKind::Integer}, {"col", FieldKind::Integer}, {"row", FieldKind::Integer}},
                     {}};
  for (int i = 1; i <= doc.timberExitCount && i <= kMaxTimberExits; ++i) {
    const RowColPoint& e = doc.timberExits[static_cast<std::size_t>(i)];
    if (!isInsideGrid(doc, e.col, e.row)) continue;
    exits.features.push_back({{at(e.col, e.row)}, {integer(i), integer(e.col), integer(e.row)}});
  }

  // harvest-unit cells and the class raster
  FeatureLayer cells{"cells", GeometryKind::Polygon,
                     {{"col", FieldKind::Integer}, {"row", FieldKind::Integer},
                      {"volume_m3", FieldKind::Real}, {"served", FieldKind::Integer},
                      {"landing", FieldKind::Integer}, {"road", FieldKind::Integer},
                      {"yarding_cost_m3", FieldKind::Real}, {"status", FieldKind::Text}},
                     {}};
  plan.classes.assign(serving.size(), 0);
  const double half = doc.georeference.cellSize / 2.0;
  for (int r = 1; r <= doc.nrows; ++r)
    for (int c = 1; c <= doc.ncols; ++c) {
      if (doc.unitCellFlags(c, r) != 1) continue;
      const CellServing& s = serving[slot(c, r)];
      const bool served = s.landing > 0 || (!cellsKnown && runs.yardingPoints(c, r).x > 0);
      std::uint8_t cls = kClassNotInPlan;
      std::string status = "not yarded in the plan";
      if (served) {
        cls = static_cast<std::uint8_t>(s.landing);
        status = "served";
      } else if (doc.volumeGrid(c, r) == -1.0f) {
        cls = kClassUnreachable;
        status = "no cable road reaches it";
      } else if (!(doc.volumeGrid(c, r) > 0.0f)) {
        cls = kClassNoTimber;
        status = "no timber";
      }
      plan.classes[slot(c, r)] = cls == 0 ? kClassNotInPlan : cls;
      const Coordinate m = at(c, r);
      cells.features.push_back(
          {{{m.x - half, m.y + half}, {m.x + half, m.y + half}, {m.x + half, m.y - half}, {m.x - half, m.y - half}},
           {integer(c), integer(r), real(std::max(0.0, static_cast<double>(doc.volumeGridOriginal(c, r)))),
            integer(served), integer(s.landing), integer(s.road), real(s.costPerM3), text(status)}});
    }

  plan.colours.assign(256, gis::ClassColour{255, 255, 255});
  for (int i = 1; i <= kMaxLandings; ++i) plan.colours[static_cast<std::size_t>(i)] = landingColour(i);
  plan.colours[kClassNoTimber] = {210, 210, 210};
  plan.colours[kClassUnreachable] = {220, 30, 30};
  plan.colours[kClassNotInPlan] = {255, 160, 0};

  plan.layers = {std::move(landings), std::move(cableways), std::move(supports),
                 std::move(newRoads), std::move(exits), std::move(cells)};
  return plan;
}

}  // namespace skyrig
