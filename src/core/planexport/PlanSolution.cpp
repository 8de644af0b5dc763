#include "planexport/PlanSolution.h"

#include <cstdlib>

#include "view/AppContext.h"
#include "document/CSkyrigDoc.h"
#include "runs/NodeNameParts.h"
#include "runs/PathFileReader.h"
#include "runs/PlanSheetData.h"
#include "runs/RunFiles.h"
#include "view/CSkyrigView.h"

namespace skyrig {

namespace {

bool isRoadInTables(const CableAssignment& a) {
  return a.landing >= 1 && a.landing <= kMaxLandings && a.cableway >= 0 &&
         a.cableway < kCablewaysPerLanding;
}

bool neighbours(const CellPoint& a, const CellPoint& b) {
  return std::abs(a.col - b.col) <= 1 && std::abs(a.row - b.row) <= 1 && !(a == b);
}

// Appends a path's cells, splitting it where two consecutive cells are not neighbours.
void appendPath(std::vector<std::vector<CellPoint>>& paths, const std::vector<CellPoint>& cells) {
  std::vector<CellPoint> part;
  for (const CellPoint& c : cells) {
    if (!part.empty() && !neighbours(part.back(), c)) {
      if (part.size() > 1) paths.push_back(part);
      part.clear();
    }
    part.push_back(c);
  }
  if (part.size() > 1) paths.push_back(part);
}

}  // namespace

PlanSolution separateRunSolution(const AppContext& app) {
  const RunWorkArea& runs = app.view.runs;
  PlanSolution plan;
  const int withCells = std::min(runs.cableAssignments.count, runs.cableAssignmentCells.count);
  for (int i = 1; i <= runs.cableAssignments.count; ++i) {
    const CableAssignment& a = runs.cableAssignments[i];
    if (!isRoadInTables(a)) continue;
    if (i <= withCells && isInsideGrid(app.doc, runs.cableAssignmentCells[i].col, runs.cableAssignmentCells[i].row))
      plan.yarded.push_back({runs.cableAssignmentCells[i], a});
    else
      plan.roadsWithoutCells.push_back(a);
  }
  // Each road path ends at the sink, which repeats the path's last cell.
  std::vector<CellPoint> path;
  for (int i = 1; i <= runs.roadPathCells.count; ++i) {
    const CellPoint cell{runs.roadPathCells[i].col, runs.roadPathCells[i].row};
    if (!path.empty() && path.back() == cell) {
      appendPath(plan.roadPaths, path);
      path.clear();
      continue;
    }
    path.push_back(cell);
  }
  appendPath(plan.roadPaths, path);
  plan.landingVolume = runs.landingVolume;
  return plan;
}

PlanSolution allAtOnceSolution(AppContext& app) {
  const CSkyrigDoc& doc = app.doc;
  PlanSolution plan;
  PathFileReader reader(app.paths, app.ui, kAllPathReadFile, doc.solver.nodeCount);
  PathEntry entry;
  while (reader.next(entry)) {
    NodeNameParts timber;
    NodeNameParts road;
    std::vector<CellPoint> roadCells;
    for (const std::int32_t node : entry.nodes) {
      const NodeNameParts parts = parseNodeName(doc.solver.nodeNames[static_cast<std::size_t>(node)].view());
      if (parts.kind == NodeNameParts::Kind::TimberCell) timber = parts;
      if (parts.kind == NodeNameParts::Kind::Cableway) road = parts;
      if (parts.kind == NodeNameParts::Kind::Cell) roadCells.push_back({parts.col, parts.row});
    }
    const CableAssignment a{road.landing, road.system, road.cableway};
    if (road.kind == NodeNameParts::Kind::Cableway && isRoadInTables(a) &&
        isInsideGrid(doc, timber.col, timber.row)) {
      plan.yarded.push_back({{timber.col, timber.row}, a});
      plan.landingVolume[static_cast<std::size_t>(a.landing)] += entry.volume;
      // The road transport starts at the landing's cell.
      const Landing& site = doc.landings[static_cast<std::size_t>(a.landing)];
      if (roadCells.empty() || !(roadCells.front() == CellPoint{site.col, site.row}))
        roadCells.insert(roadCells.begin(), CellPoint{site.col, site.row});
    }
    appendPath(plan.roadPaths, roadCells);
  }
  return plan;
}

PlanSolution planSolutionOf(const CSkyrigDoc& doc, const PlanPaths& paths) {
  PlanSolution plan;
  for (const CableReportLine& line : paths.cable) {
    const CableAssignment a{line.landing, line.system, line.road};
    if (!isRoadInTables(a) || !isInsideGrid(doc, line.col, line.row)) continue;
    plan.yarded.push_back({{line.col, line.row}, a});
    plan.landingVolume[static_cast<std::size_t>(a.landing)] += static_cast<float>(line.volume);
  }
  for (const auto& road : paths.roads) {
    std::vector<CellPoint> cells;
    for (const auto& [col, row] : road) cells.push_back({col, row});
    appendPath(plan.roadPaths, cells);
  }
  return plan;
}

}  // namespace skyrig
