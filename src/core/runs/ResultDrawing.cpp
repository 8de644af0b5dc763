#include "runs/ResultDrawing.h"

#include <algorithm>
#include <vector>

#include "document/CSkyrigDoc.h"
#include "runs/NodeNameParts.h"
#include "runs/PathFileReader.h"
#include "runs/RunFiles.h"
#include "runs/YardingPoint.h"
#include "view/AppContext.h"
#include "view/CSkyrigView.h"
#include "view/MapDrawing.h"

namespace skyrig {

namespace {

constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kRed{255, 0, 0};
constexpr Rgb kServedCell{200, 200, 200};
constexpr Rgb kYardingLineGrey{150, 150, 150};
constexpr Rgb kShowYardingLineGrey{100, 100, 100};
constexpr Rgb kCablewayPurple{50, 0, 50};
constexpr Rgb kRoadCellPurple{150, 0, 150};
constexpr Rgb kShownRoadCell{200, 0, 100};
constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kFrameGrey{155, 155, 155};
constexpr Rgb kAllAtOnceRoadGreen{0, 255, 0};

std::string_view nodeName(const CSkyrigDoc& doc, std::int32_t node) {
  return doc.solver.nodeNames[static_cast<std::size_t>(node)].view();
}

void lineTo(AppContext& app, int col, int row, YardingPoint point, int width, Rgb colour) {
  const MapPoint a = cellCentre(app.doc, app.view, col, row);
  const MapPoint b = groundToMap(app.doc, app.view, point.x, point.y);
  app.canvas.line(a.x, a.y, b.x, b.y, width, colour, PenStyle::Solid);
}

// The line of a cable road, from the landing cell's centre to the far end's.
void cablewayLine(AppContext& app, const CableAssignment& a, int width, Rgb colour) {
  const Landing& site = app.doc.landings[static_cast<std::size_t>(a.landing)];
  const CablewayRecord& road = app.doc.cableways[static_cast<std::size_t>(a.landing)]
                                                [static_cast<std::size_t>(a.cableway)];
  if (!isInsideGrid(app.doc, site.col, site.row) || !isInsideGrid(app.doc, road.endCol, road.endRow))
    return;
  cellLine(app.doc, app.view, app.canvas, site.col, site.row, road.endCol, road.endRow, width,
           colour);
}

void fillUnitCells(AppContext& app, Rgb colour) {
  const CSkyrigDoc& doc = app.doc;
  const UnitBox& box = doc.unitBox;
  for (int r = std::max(box.minRow, 1); r <= std::min(box.maxRow, doc.nrows); ++r)
    for (int c = std::max(box.minCol, 1); c <= std::min(box.maxCol, doc.ncols); ++c)
      if (doc.unitCellFlags(c, r) == 1) fillCell(doc, app.canvas, c, r, colour);
}

}  // namespace

void drawCableResult(AppContext& app, const Routing& routing) {
  CSkyrigDoc& doc = app.doc;
  RunWorkArea& runs = app.view.runs;
  runs.cableAssignments.clear();
  runs.cableAssignmentCells.clear();
  runs.yardingPoints.fill(YardingPoint{});
  fillUnitCells(app, kWhite);

  PathFileReader reader(app.paths, app.ui, routing, doc.solver.nodeCount);
  PathEntry entry;
  while (reader.next(entry)) {
    NodeNameParts cell;
    NodeNameParts road;
    for (const std::int32_t node : entry.nodes) {
      const NodeNameParts parts = parseNodeName(nodeName(doc, node));
      if (parts.kind == NodeNameParts::Kind::Cell) cell = parts;
      if (parts.kind == NodeNameParts::Kind::Cableway) road = parts;
    }
    if (!isInsideGrid(doc, cell.col, cell.row) ||
        !isCablewayInTables(road.landing, road.system, road.cableway))
      continue;
    const CableAssignment assignment{road.landing, road.system, road.cableway};
    runs.cableAssignments.append(assignment);
    runs.cableAssignmentCells.append(CellPoint{cell.col, cell.row});
    const YardingPoint point =
        computeYardingPoint(doc, cell.col, cell.row, road.landing, road.system, road.cableway,
                            FootProjection::WithAxisCases);
    runs.yardingPoints(cell.col, cell.row) = point;
    fillCell(doc, app.canvas, cell.col, cell.row, kServedCell);
    lineTo(app, cell.col, cell.row, point, 5, kYardingLineGrey);
    cablewayLine(app, assignment, 7, kCablewayPurple);
  }
  for (int r = 1; r <= doc.nrows; ++r)
    for (int c = 1; c <= doc.ncols; ++c)
      if (doc.volumeGrid(c, r) == -1.0f) fillCell(doc, app.canvas, c, r, kRed);
}

void drawRoadResult(AppContext& app, const Routing& routing) {
  CSkyrigDoc& doc = app.doc;
  RunWorkArea& runs = app.view.runs;
  runs.roadPathCells.clear();
  runs.roadStartCells.clear();

  PathFileReader reader(app.paths, app.ui, routing, doc.solver.nodeCount);
  PathEntry entry;
  int c = 0;
  int r = 0;
  while (reader.next(entry)) {
    for (std::size_t p = 0; p < entry.nodes.size(); ++p) {
      const std::int32_t node = entry.nodes[p];
      const NodeNameParts parts = parseNodeName(nodeName(doc, node));
      // A node that is not a cell (the sink) repeats the cell before it.
      if (parts.kind == NodeNameParts::Kind::Cell) {
        c = parts.col;
        r = parts.row;
      }
      fillCell(doc, app.canvas, c, r, kRoadCellPurple);
      runs.roadPathCells.append(RoadCell{c, r, node});
      if (p == 0) runs.roadStartCells.append(RoadCell{c, r, node});
    }
  }
}

void showCableways(AppContext& app) {
  const CableAssignmentList& list = app.view.runs.cableAssignments;
  // Drawn once per (landing, system, road), however many timber cells it serves.
  std::vector<std::uint8_t> drawn(static_cast<std::size_t>(kLandingSlots) *
                                  (kCableSystemCount + 1) * kCablewaySlots);
  for (int i = 1; i <= list.count; ++i) {
    const CableAssignment& a = list[i];
    if (!isCablewayInTables(a.landing, a.system, a.cableway)) continue;
    const std::size_t key =
        (static_cast<std::size_t>(a.landing) * (kCableSystemCount + 1) +
         static_cast<std::size_t>(a.system)) * kCablewaySlots +
        static_cast<std::size_t>(a.cableway);
    if (drawn[key]) continue;
    drawn[key] = 1;
    cablewayLine(app, a, 7, kBlack);
  }
}

void showLandings(AppContext& app) {
  const RoadStartCellList& list = app.view.runs.roadStartCells;
  for (int i = 1; i <= list.count; ++i) fillCell(app.doc, app.canvas, list[i].col, list[i].row, kWhite);
}

void showRoads(AppContext& app) {
  const RoadPathCellList& list = app.view.runs.roadPathCells;
  for (int i = 1; i <= list.count; ++i)
    fillCell(app.doc, app.canvas, list[i].col, list[i].row, kShownRoadCell);
}

void showTimberCells(AppContext& app) {
  const CSkyrigDoc& doc = app.doc;
  for (int r = 1; r <= doc.nrows; ++r) {
    for (int c = 1; c <= doc.ncols; ++c) {
      const float volume = doc.volumeGrid(c, r);
      if (volume > 0 && doc.unitCellFlags(c, r) == 1) {
        fillCell(doc, app.canvas, c, r, kServedCell);
        const YardingPoint point = app.view.runs.yardingPoints(c, r);
        if (point.x > 0) lineTo(app, c, r, point, 5, kShowYardingLineGrey);
      } else if (volume == -1.0f) {
        fillCell(doc, app.canvas, c, r, kRed);
      }
    }
  }
}

void showAllResults(AppContext& app) {
  showTimberCells(app);
  showRoads(app);
  showLandings(app);
  showCableways(app);
}

void clearHarvestUnit(AppContext& app) { fillUnitCells(app, kWhite); }

void drawHarvestingUnit(AppContext& app) {
  const CSkyrigDoc& doc = app.doc;
  if (doc.ncols < 1 || doc.nrows < 1) return;
  // Centres from the grid geometry, so the frame aligns with the map even where the grid is
  // smaller than 100 x 100 cells.
  const auto centre = [&](int c, int r) {
    return groundToMap(doc, app.view, cellX(doc, c), cellY(doc, r));
  };
  const MapPoint corners[5] = {centre(1, 1), centre(100, 1), centre(100, 100), centre(1, 100),
                               centre(1, 1)};
  for (int k = 0; k < 4; ++k)
    app.canvas.line(corners[k].x, corners[k].y, corners[k + 1].x, corners[k + 1].y, 7,
                    kFrameGrey, PenStyle::Solid);
}

void drawAllAtOnceResult(AppContext& app, const Solution* solution) {
  const CSkyrigDoc& doc = app.doc;
  for (int r = 1; r <= doc.nrows; ++r)
    for (int c = 1; c <= doc.ncols; ++c) fillCell(doc, app.canvas, c, r, kWhite);

  PathFileReader reader(app.paths, app.ui,
                        solution ? Routing(kAllPathReadFile, *solution) : Routing(kAllPathReadFile),
                        doc.solver.nodeCount);
  PathEntry entry;
  // A path without a cable road node reuses the road of the path before it.
  NodeNameParts road;
  while (reader.next(entry)) {
    NodeNameParts cell;
    for (const std::int32_t node : entry.nodes) {
      const NodeNameParts parts = parseNodeName(nodeName(doc, node));
      switch (parts.kind) {
        case NodeNameParts::Kind::TimberCell: cell = parts; break;
        case NodeNameParts::Kind::Cell:
          fillCell(doc, app.canvas, parts.col, parts.row, kAllAtOnceRoadGreen);
          break;
        case NodeNameParts::Kind::Cableway: road = parts; break;
        case NodeNameParts::Kind::Other: break;
      }
    }
    if (!isInsideGrid(doc, cell.col, cell.row) ||
        !isCablewayInTables(road.landing, road.system, road.cableway))
      continue;
    // A flat road's general foot formula divides by its slope of 0: project straight across.
    const float slope = doc.cableways[static_cast<std::size_t>(road.landing)]
                                     [static_cast<std::size_t>(road.cableway)].slope;
    const YardingPoint point = computeYardingPoint(
        doc, cell.col, cell.row, road.landing, road.system, road.cableway,
        slope == 0.0f ? FootProjection::WithAxisCases : FootProjection::General);
    const Landing& site = doc.landings[static_cast<std::size_t>(road.landing)];
    if (!isInsideGrid(doc, site.col, site.row)) continue;
    const MapPoint from = cellCentre(doc, app.view, cell.col, cell.row);
    const MapPoint via = groundToMap(doc, app.view, point.x, point.y);
    const MapPoint to = cellCentre(doc, app.view, site.col, site.row);
    app.canvas.line(from.x, from.y, via.x, via.y, 5, kBlack, PenStyle::Solid);
    app.canvas.line(via.x, via.y, to.x, to.y, 5, kBlack, PenStyle::Solid);
  }
}

}  // namespace skyrig
