#include "network/RoadNetworkBuilder.h"

#include "document/CSkyrigDoc.h"
#include "network/ExportFile.h"
#include "network/NetworkCapacity.h"
#include "network/RoadLinkCost.h"

namespace skyrig {

namespace {

struct Step {
  int dc;
  int dr;
};

// The eight neighbours in the order they are linked: north-west first, clockwise.
constexpr Step kNeighbours[8] = {{-1, -1}, {0, -1}, {1, -1}, {1, 0},
                                 {1, 1},   {0, 1},  {-1, 1}, {-1, 0}};

int elevationOrZero(const CSkyrigDoc& doc, int c, int r) {
  return isInsideGrid(doc, c, r) ? doc.dtm(c, r).z : 0;
}

bool appendGridLinks(CSkyrigDoc& doc, LinkAppender& out) {
  Grid<std::uint8_t>& visited = doc.network.roadVisited;
  visited.fill(0);
  const UnitBox box = unitBoxInGrid(doc);
  for (int row = box.minRow + 1; row <= box.maxRow - 1; ++row)
    for (int col = box.minCol + 1; col <= box.maxCol - 1; ++col) {
      const int z = doc.dtm(col, row).z;
      if (z <= 0) continue;  // no data: neither linked from here nor marked visited
      for (const Step& step : kNeighbours) {
        const int nc = col + step.dc;
        const int nr = row + step.dr;
        if (visited(nc, nr)) continue;  // the pair was linked from that cell
        // The two cells beside the neighbour, across the direction of the link.
        const int side1 = elevationOrZero(doc, nc - step.dr, nr + step.dc);
        const int side2 = elevationOrZero(doc, nc + step.dr, nr - step.dc);
        const std::optional<RoadLinkCost> cost =
            roadLinkCost(doc.roadCosts, doc.cellSize, step.dc != 0 && step.dr != 0, z,
                         doc.dtm(nc, nr).z, side1, side2, doc.streamBufferGrid(nc, nr) > 0);
        if (!cost) continue;
        const NodeName here = cellNode(col, row);
        const NodeName there = cellNode(nc, nr);
        if (!out.add(here, there, cost->variableCost, cost->fixedCost, cost->attributes) ||
            !out.add(there, here, cost->variableCost, cost->fixedCost, cost->attributes))
          return false;
      }
      visited(col, row) = 1;
    }
  return true;
}

bool appendExitLinks(const CSkyrigDoc& doc, LinkAppender& out) {
  const int exits = doc.timberExitCount < kMaxTimberExits ? doc.timberExitCount : kMaxTimberExits;
  for (int i = 1; i <= exits; ++i) {
    const RowColPoint& exit = doc.timberExits[static_cast<std::size_t>(i)];
    if (!out.add(cellNode(exit.col, exit.row), roadSinkNode(), 0.0f, 0.0f)) return false;
  }
  for (int row = 1; row <= doc.nrows; ++row)
    for (int col = 1; col <= doc.ncols; ++col)
      if (doc.roadGrid(col, row) > 0 &&
          !out.add(cellNode(col, row), roadSinkNode(), 0.0f, 0.0f))
        return false;
  return true;
}

}  // namespace

bool buildRoadNetwork(CSkyrigDoc& doc, const Paths& paths, Ui& ui, int iteration) {
  LinkTable& links = doc.network.links;
  if (iteration >= 2) {
    links = doc.network.savedRoadLinks;
    return true;
  }
  links.clear();
  {
    ExportFile file(paths, ui, kRoadLinkFile);
    LinkAppender out(links, &file, doc, ui, "road");
    if (!appendGridLinks(doc, out) || !appendExitLinks(doc, out)) return false;
  }
  doc.network.savedRoadLinks = links;
  return true;
}

bool buildCombinedRoadNetwork(CSkyrigDoc& doc, const Paths& paths, Ui& ui) {
  ExportFile file(paths, ui, kRoadLinkFile);
  LinkAppender out(doc.network.links, &file, doc, ui, "combined");
  return appendGridLinks(doc, out) && appendExitLinks(doc, out);
}

}  // namespace skyrig
