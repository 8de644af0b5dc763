#include "runs/PlanSheetData.h"

#include "runs/RoadLengthClasses.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

#include "seams/Paths.h"
#include "document/CSkyrigDoc.h"
#include "network/CableReach.h"
#include "document/NearestCell.h"
#include "network/YardingCost.h"
#include "runs/NodeNameParts.h"
#include "runs/RunFiles.h"
#include "document/RunWorkArea.h"

namespace skyrig {

namespace {

std::string readText(const Paths& paths, std::string_view systemPath, bool& found) {
  std::ifstream in(paths.resolve(systemPath), std::ios::binary);
  found = static_cast<bool>(in);
  std::ostringstream text;
  if (in) text << in.rdbuf();
  return text.str();
}

std::vector<std::string> splitNames(const std::string& line) {
  std::vector<std::string> names;
  std::size_t start = 0;
  for (std::size_t dash = line.find('-'); dash != std::string::npos;
       dash = line.find('-', start)) {
    names.push_back(line.substr(start, dash - start));
    start = dash + 1;
  }
  names.push_back(line.substr(start));
  return names;
}

bool usableLanding(const CSkyrigDoc& doc, int id) {
  const Landing& site = doc.landings[static_cast<std::size_t>(id)];
  return site.system >= 1 && site.system <= kCableSystemCount &&
         isInsideGrid(doc, site.col, site.row);
}

bool usableRoad(const CSkyrigDoc& doc, int landing, int road) {
  const CablewayRecord& way =
      doc.cableways[static_cast<std::size_t>(landing)][static_cast<std::size_t>(road)];
  return way.pointCount > 5 && way.pointCount <= kMaxProfilePoints &&
         isInsideGrid(doc, way.endCol, way.endRow);
}

// Distance of a ground point from the segment start-end, and whether its foot falls on it.
struct SegmentFoot {
  bool onSegment = false;
  double distance = 0;
};
SegmentFoot footOn(double px, double py, double ax, double ay, double bx, double by) {
  const double dx = bx - ax, dy = by - ay;
  const double lengthSquared = dx * dx + dy * dy;
  if (lengthSquared <= 0) return {};
  const double t = ((px - ax) * dx + (py - ay) * dy) / lengthSquared;
  const double fx = ax + t * dx, fy = ay + t * dy;
  return {t >= 0 && t <= 1, std::hypot(px - fx, py - fy)};
}

// Why a timber cell that the plan does not serve stays unserved.
CellService unservedReason(const CSkyrigDoc& doc, const NearestCellSearch& finder, int col,
                           int row, float volume) {
  bool beside = false;
  bool infeasibleReach = false;
  const int landingCount = std::min(doc.landingCount, kMaxLandings);
  const double px = cellX(doc, col), py = cellY(doc, row);
  for (int l = 1; l <= landingCount; ++l) {
    if (!usableLanding(doc, l)) continue;
    const Landing& site = doc.landings[static_cast<std::size_t>(l)];
    const CableSystemParams& params = doc.cableSystems[static_cast<std::size_t>(site.system)];
    const double lx = cellX(doc, site.col), ly = cellY(doc, site.row);
    for (int r = 0; r < kCablewaysPerLanding; ++r) {
      const CablewayRecord& way = doc.cableways[static_cast<std::size_t>(l)][static_cast<std::size_t>(r)];
      if (usableRoad(doc, l, r)) {
        const CableReach reach = cableReach(doc, finder, l, r, col, row, true);
        if (reach.factor > 0) {
          const auto p = static_cast<std::size_t>(reach.point);
          if (yardingVariableCost(params, volume,
                                  doc.profilePayload[static_cast<std::size_t>(l)][static_cast<std::size_t>(r)][p],
                                  doc.profileCycleTime[static_cast<std::size_t>(l)][static_cast<std::size_t>(r)][p],
                                  reach.factor, reach.distance))
            return CellService::NotRouted;
          infeasibleReach = true;
          continue;
        }
        const SegmentFoot foot = footOn(px, py, lx, ly, cellX(doc, way.endCol), cellY(doc, way.endRow));
        if (foot.onSegment) beside = true;
      } else if (isInsideGrid(doc, way.genEndCol, way.genEndRow)) {
        // A road shortened to nothing: infeasible over its whole generated length.
        const SegmentFoot foot =
            footOn(px, py, lx, ly, cellX(doc, way.genEndCol), cellY(doc, way.genEndRow));
        if (foot.onSegment && foot.distance <= params.maxLateralYardingDistance)
          infeasibleReach = true;
      }
    }
  }
  if (infeasibleReach) return CellService::OnlyInfeasible;
  if (beside) return CellService::BeyondLateral;
  return CellService::NoRoadReaches;
}

}  // namespace

const char* cellServiceText(CellService service) {
  switch (service) {
    case CellService::None: return "no timber";
    case CellService::Served: return "served";
    case CellService::NoRoadReaches: return "no analysed cable road reaches the cell";
    case CellService::BeyondLateral: return "beyond the lateral yarding distance of every road";
    case CellService::OnlyInfeasible: return "reached only by infeasible roads";
    case CellService::NotRouted: return "reachable, but left out of the plan";
  }
  return "";
}

const char* gradeClassText(int gradeClass) {
  static const char* const kTexts[kGradeClassCount] = {"0-5 %",   "5-10 %",  "10-15 %",
                                                       "15-20 %", "20-25 %", "25-30 % and over"};
  return gradeClass >= 0 && gradeClass < kGradeClassCount ? kTexts[gradeClass] : "";
}

const char* sideSlopeClassText(int sideSlopeClass) {
  static const char* const kTexts[kGradeClassCount] = {"0-15 %",  "15-30 %", "30-45 %",
                                                       "45-60 %", "60-75 %", "75-90 %"};
  return sideSlopeClass >= 0 && sideSlopeClass < kGradeClassCount ? kTexts[sideSlopeClass] : "";
}

namespace {

// The number after "key:" on the last line that holds it (the mileage report repeats its
// running totals after every sale); false when no line does.
bool lastValueAfter(const std::string& text, const std::string& key, double& value) {
  bool found = false;
  std::istringstream in(text);
  std::string line;
  while (std::getline(in, line)) {
    const auto at = line.find(key + ":");
    if (at == std::string::npos || (at > 0 && line[at - 1] != ' ' && line[at - 1] != '\t'))
      continue;
    char* end = nullptr;
    const char* start = line.c_str() + at + key.size() + 1;
    const double parsed = std::strtod(start, &end);
    if (end == start) continue;
    value = parsed;
    found = true;
  }
  return found;
}

void readRunTotals(const Paths& paths, PlanSheetData& data) {
  bool found = false;
  const std::string final = readText(paths, kFinalResultsFile, found);
  double cableV = 0, cableF = 0, roadV = 0, roadF = 0, total = 0, iteration = 0;
  if (found && lastValueAfter(final, "OverallTotal", total)) {
    auto& run = data.separateRun;
    run.present = true;
    run.total = total;
    if (lastValueAfter(final, "CableV", cableV) && lastValueAfter(final, "CableF", cableF))
      run.cable = cableV + cableF;
    if (lastValueAfter(final, "RoadV", roadV) && lastValueAfter(final, "RoadF", roadF))
      run.road = roadV + roadF;
    if (lastValueAfter(final, "Iteration", iteration)) run.bestIteration = static_cast<int>(iteration);
  }
  const std::string allAtOnce = readText(paths, kAllAtOnceLogFile, found);
  // "Hour Min Sec Total h m s total"
  const auto at = allAtOnce.find("Hour Min Sec Total");
  if (found && at != std::string::npos) {
    std::istringstream in(allAtOnce.substr(at + 18));
    double h = 0, m = 0, s = 0;
    if (in >> h >> m >> s >> total) {
      data.allAtOnceRun.present = true;
      data.allAtOnceRun.total = total;
    }
  }
  const std::string mileage = readText(paths, kRoadMileageFile, found);
  if (found && lastValueAfter(mileage, "Grand total road length", data.mileageTotal)) {
    data.hasMileage = true;
    static const char* const kGrade[kGradeClassCount] = {"grandslope0_5",   "grandslope5_10",
                                                         "grandslope10_15", "grandslope15_20",
                                                         "grandslope20_25", "grandslope25_30"};
    static const char* const kSide[kGradeClassCount] = {
        "grandsideslope0_15",  "grandsideslope15_30", "grandsideslope30_45",
        "grandsideslope45_60", "grandsideslope60_75", "grandsideslope75_90"};
    for (int k = 0; k < kGradeClassCount; ++k) {
      lastValueAfter(mileage, kGrade[k], data.mileageGrade[k]);
      lastValueAfter(mileage, kSide[k], data.mileageSideSlope[k]);
    }
  }
}

}  // namespace

bool parseCableReportLine(const std::string& line, CableReportLine& out) {
  const std::vector<std::string> names = splitNames(line);
  if (names.size() < 2) return false;
  CableReportLine parsed;
  bool cell = false, road = false;
  for (std::size_t i = 0; i + 1 < names.size(); ++i) {
    const NodeNameParts parts = parseNodeName(names[i]);
    if (parts.kind == NodeNameParts::Kind::Cell && !cell) {
      parsed.col = parts.col;
      parsed.row = parts.row;
      cell = true;
    } else if (parts.kind == NodeNameParts::Kind::Cableway && !road) {
      parsed.landing = parts.landing;
      parsed.system = parts.system;
      parsed.road = parts.cableway;
      road = true;
    }
  }
  char* end = nullptr;
  parsed.volume = std::strtod(names.back().c_str(), &end);
  if (!cell || !road || end == names.back().c_str()) return false;
  out = parsed;
  return true;
}

std::vector<std::vector<std::pair<int, int>>> parseRoadReport(const std::string& text) {
  std::vector<std::vector<std::pair<int, int>>> paths;
  std::istringstream in(text);
  std::string line;
  while (std::getline(in, line)) {
    if (line.empty() || line.find('-') == std::string::npos || line.find(':') != std::string::npos)
      continue;
    std::vector<std::pair<int, int>> cells;
    for (const std::string& name : splitNames(line)) {
      const NodeNameParts parts = parseNodeName(name);
      if (parts.kind == NodeNameParts::Kind::Cell) cells.emplace_back(parts.col, parts.row);
    }
    if (!cells.empty()) paths.push_back(std::move(cells));
  }
  return paths;
}

const PlanCableRoad* PlanSheetData::findRoad(int landing, int road) const {
  for (const PlanCableRoad& r : cableRoads)
    if (r.landing == landing && r.road == road) return &r;
  return nullptr;
}

double PlanSheetData::totalCost() const {
  double total = 0;
  for (const PlanLanding& l : landings) total += l.total();
  return total;
}

namespace {

PlanSheetData gatherFromPaths(const CSkyrigDoc& doc, const PlanPaths& plan, bool cableFound,
                              const Paths* runFiles) {
  PlanSheetData data;
  data.ncols = doc.ncols;
  if (doc.ncols < 1 || doc.nrows < 1) {
    data.notes.push_back("no terrain model is loaded");
    return data;
  }
  data.service.assign(static_cast<std::size_t>(doc.ncols) * static_cast<std::size_t>(doc.nrows),
                      CellService::None);
  auto serviceOf = [&](int c, int r) -> CellService& {
    return data.service[static_cast<std::size_t>((c - 1) + (r - 1) * doc.ncols)];
  };

  // Landings and their analysed roads.
  const int landingCount = std::min(doc.landingCount, kMaxLandings);
  std::map<std::pair<int, int>, std::size_t> roadIndex;
  for (int l = 1; l <= landingCount; ++l) {
    if (!usableLanding(doc, l)) continue;
    const Landing& site = doc.landings[static_cast<std::size_t>(l)];
    PlanLanding landing;
    landing.id = l;
    landing.col = site.col;
    landing.row = site.row;
    landing.system = site.system;
    data.landings.push_back(landing);
    const CableSystemParams& params = doc.cableSystems[static_cast<std::size_t>(site.system)];
    for (int r = 0; r < kCablewaysPerLanding; ++r) {
      if (!usableRoad(doc, l, r)) continue;
      const auto li = static_cast<std::size_t>(l);
      const auto ri = static_cast<std::size_t>(r);
      const CablewayRecord& way = doc.cableways[li][ri];
      PlanCableRoad road;
      road.landing = l;
      road.road = r;
      road.system = site.system;
      road.endCol = way.endCol;
      road.endRow = way.endRow;
      road.minPayload = doc.cablewayMinPayload[li][ri];
      road.feasible = road.minPayload >= params.minPayloadPerTurn;
      road.cycleTime = doc.cablewayCycleTime[li][ri];
      road.tailHeight = doc.tailSparHeight[li][ri];
      road.supports = way.supportCount;
      road.length = static_cast<float>(std::hypot(cellX(doc, way.endCol) - cellX(doc, site.col),
                                                  cellY(doc, way.endRow) - cellY(doc, site.row)));
      roadIndex[{l, r}] = data.cableRoads.size();
      data.cableRoads.push_back(road);
    }
  }
  for (int t = 1; t <= std::min(doc.timberExitCount, kMaxTimberExits); ++t) {
    const RowColPoint& exit = doc.timberExits[static_cast<std::size_t>(t)];
    if (isInsideGrid(doc, exit.col, exit.row)) data.timberExits.emplace_back(exit.col, exit.row);
  }

  // Served cells from the cable report, priced by the yarding cost model.
  const NearestCellSearch finder(doc);
  for (const CableReportLine& entry : plan.cable) {
    if (!isInsideGrid(doc, entry.col, entry.row)) continue;
    const auto it = roadIndex.find({entry.landing, entry.road});
    if (it == roadIndex.end()) continue;
    PlanCableRoad& road = data.cableRoads[it->second];
    const CableSystemParams& params = doc.cableSystems[static_cast<std::size_t>(road.system)];
    serviceOf(entry.col, entry.row) = CellService::Served;
    data.hasPlan = true;
    road.used = true;
    ++road.cells;
    road.volume += entry.volume;
    const float volume = static_cast<float>(entry.volume);
    const CableReach reach = cableReach(doc, finder, road.landing, road.road, entry.col, entry.row, true);
    if (reach.factor > 0 && volume > 0) {
      const auto p = static_cast<std::size_t>(reach.point);
      const auto li = static_cast<std::size_t>(road.landing);
      const auto ri = static_cast<std::size_t>(road.road);
      if (const auto cost = yardingVariableCost(params, volume, doc.profilePayload[li][ri][p],
                                                doc.profileCycleTime[li][ri][p], reach.factor,
                                                reach.distance))
        road.yardingCost += static_cast<double>(*cost) * entry.volume;
    }
  }
  if (!cableFound) data.notes.push_back("the cable report of a separate run was not found");

  for (PlanCableRoad& road : data.cableRoads) {
    if (!road.used) continue;
    const CableSystemParams& params = doc.cableSystems[static_cast<std::size_t>(road.system)];
    road.riggingCost = cablewayFixedCost(params, road.supports);
    for (PlanLanding& landing : data.landings) {
      if (landing.id != road.landing) continue;
      landing.used = true;
      landing.volume += road.volume;
      ++landing.roadsUsed;
      landing.yardingCost += road.yardingCost;
      landing.riggingCost += road.riggingCost;
    }
  }
  for (PlanLanding& landing : data.landings) {
    if (!landing.used) continue;
    const auto li = static_cast<std::size_t>(landing.id);
    landing.setupCost = setupFixedCost(doc.cableSystems[static_cast<std::size_t>(landing.system)]);
    landing.constructionCost = doc.landingConstructionCost[li];
    const auto haul = [li](const std::vector<double>& costs) { return li < costs.size() ? costs[li] : 0.0; };
    landing.transportCost = haul(plan.haulPerM3) * landing.volume + haul(plan.haulFixed);
  }

  // Unserved timber cells and why.
  for (int r = 1; r <= doc.nrows; ++r)
    for (int c = 1; c <= doc.ncols; ++c) {
      if (doc.unitCellFlags(c, r) != 1) continue;
      const float working = doc.volumeGrid(c, r);
      const float volume = working > 0 ? working : doc.volumeGridOriginal(c, r);
      if (!(volume > 0)) continue;
      data.unitVolume += volume;
      CellService& service = serviceOf(c, r);
      if (service == CellService::Served) {
        data.servedVolume += volume;
        continue;
      }
      service = unservedReason(doc, finder, c, r, volume);
      data.unservedVolume[static_cast<int>(service)] += volume;
      ++data.unservedCells[static_cast<int>(service)];
    }

  // New road: the road report's cell chains, each cell-to-cell segment once.
  std::set<std::pair<std::pair<int, int>, std::pair<int, int>>> seen;
  for (const auto& path : plan.roads) {
    for (std::size_t k = 1; k < path.size(); ++k) {
      auto a = path[k - 1], b = path[k];
      if (a == b || !isInsideGrid(doc, a.first, a.second) || !isInsideGrid(doc, b.first, b.second))
        continue;
      if (!seen.insert({std::min(a, b), std::max(a, b)}).second) continue;
      const DtmCell& p = doc.dtm(a.first, a.second);
      const DtmCell& q = doc.dtm(b.first, b.second);
      RoadSegment segment{a.first, a.second, b.first, b.second, 0, std::hypot(q.x - p.x, q.y - p.y)};
      segment.gradeClass = gradeClass(static_cast<float>(
          segment.length > 0 ? std::fabs(q.z - p.z) / segment.length : 0.0));
      data.newRoadLength[segment.gradeClass] += segment.length;
      data.newRoad.push_back(segment);
    }
  }

  if (runFiles) readRunTotals(*runFiles, data);

  // The crop: unit cells, landings, cable road ends, road cells and timber exits.
  int minCol = doc.ncols + 1, maxCol = 0, minRow = doc.nrows + 1, maxRow = 0;
  auto include = [&](int c, int r) {
    if (!isInsideGrid(doc, c, r)) return;
    minCol = std::min(minCol, c);
    maxCol = std::max(maxCol, c);
    minRow = std::min(minRow, r);
    maxRow = std::max(maxRow, r);
  };
  for (int r = 1; r <= doc.nrows; ++r)
    for (int c = 1; c <= doc.ncols; ++c)
      if (doc.unitCellFlags(c, r) == 1) include(c, r);
  for (const PlanLanding& l : data.landings) include(l.col, l.row);
  for (const PlanCableRoad& road : data.cableRoads)
    if (road.used) include(road.endCol, road.endRow);
  for (const RoadSegment& s : data.newRoad) include(s.col2, s.row2);
  for (const auto& [c, r] : data.timberExits) include(c, r);
  if (maxCol == 0) {
    minCol = 1, maxCol = doc.ncols, minRow = 1, maxRow = doc.nrows;
  }
  data.minCol = minCol;
  data.maxCol = maxCol;
  data.minRow = minRow;
  data.maxRow = maxRow;
  return data;
}

}  // namespace

PlanSheetData gatherPlanSheetData(const CSkyrigDoc& doc, const RunWorkArea& runs,
                                  const Paths& paths) {
  PlanPaths plan;
  bool cableFound = false;
  std::istringstream cableLines(readText(paths, kCableReportFile, cableFound));
  std::string line;
  while (std::getline(cableLines, line)) {
    CableReportLine entry;
    if (parseCableReportLine(line, entry)) plan.cable.push_back(entry);
  }
  bool roadFound = false;
  plan.roads = parseRoadReport(readText(paths, kRoadReportFile, roadFound));
  plan.haulPerM3.assign(runs.landingRoadVariableCost.begin(), runs.landingRoadVariableCost.end());
  plan.haulFixed.assign(runs.landingRoadFixedShare.begin(), runs.landingRoadFixedShare.end());
  return gatherFromPaths(doc, plan, cableFound, &paths);
}

PlanSheetData gatherPlanSheetData(const CSkyrigDoc& doc, const PlanPaths& plan) {
  return gatherFromPaths(doc, plan, true, nullptr);
}

}  // namespace skyrig
