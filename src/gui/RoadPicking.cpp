#include "RoadPicking.h"

#include <algorithm>
#include <cmath>

#include "document/CSkyrigDoc.h"
#include "view/AppContext.h"
#include "view/CSkyrigView.h"
#include "view/MapDrawing.h"

namespace skyrig::gui {

namespace {

constexpr Rgb kHighlight{255, 140, 0};
constexpr int kHighlightWidth = 5;

bool isPlaced(const CSkyrigDoc& doc, int i) {
  const Landing& site = doc.landings[static_cast<std::size_t>(i)];
  return site.system >= 1 && site.system <= kCableSystemCount && isInsideGrid(doc, site.col, site.row);
}

}  // namespace

std::vector<RoadRef> roadsEndingAt(const CSkyrigDoc& doc, int c, int r) {
  std::vector<RoadRef> roads;
  for (int i = 1; i <= std::clamp(doc.landingCount, 0, kMaxLandings); ++i) {
    if (!isPlaced(doc, i)) continue;
    for (int j = 0; j < kCablewaysPerLanding; ++j)
      if (doc.cableways[i][j].endCol == c && doc.cableways[i][j].endRow == r) {
        roads.push_back({i, j});
        break;
      }
  }
  return roads;
}

RoadRef roadThroughCell(const CSkyrigDoc& doc, int c, int r) {
  RoadRef best;
  if (!isInsideGrid(doc, c, r) || doc.cellSize < 1) return best;
  const double px = cellX(doc, c), py = cellY(doc, r);
  double bestDistance = doc.cellSize * std::sqrt(0.5);  // half the cell's diagonal
  for (int i = 1; i <= std::clamp(doc.landingCount, 0, kMaxLandings); ++i) {
    if (!isPlaced(doc, i)) continue;
    const Landing& site = doc.landings[static_cast<std::size_t>(i)];
    if (site.col == c && site.row == r) return {};
    const double ax = cellX(doc, site.col), ay = cellY(doc, site.row);
    for (int j = 0; j < kCablewaysPerLanding; ++j) {
      const CablewayRecord& road = doc.cableways[i][j];
      if (road.pointCount <= 5 || !isInsideGrid(doc, road.endCol, road.endRow)) continue;
      const double dx = cellX(doc, road.endCol) - ax, dy = cellY(doc, road.endRow) - ay;
      const double length2 = dx * dx + dy * dy;
      if (length2 <= 0) continue;
      const double t = ((px - ax) * dx + (py - ay) * dy) / length2;
      if (t < 0 || t > 1) continue;
      const double distance = std::hypot(ax + t * dx - px, ay + t * dy - py);
      if (distance < bestDistance) {
        bestDistance = distance;
        best = {i, j};
      }
    }
  }
  return best;
}

void highlightRoad(AppContext& app, RoadRef ref) {
  const CSkyrigDoc& doc = app.doc;
  if (ref.landing < 1 || ref.road < 0) return;
  const Landing& site = doc.landings[static_cast<std::size_t>(ref.landing)];
  const CablewayRecord& road = doc.cableways[static_cast<std::size_t>(ref.landing)]
                                            [static_cast<std::size_t>(ref.road)];
  if (!isInsideGrid(doc, road.endCol, road.endRow)) return;
  cellLine(doc, app.view, app.canvas, site.col, site.row, road.endCol, road.endRow,
           kHighlightWidth, kHighlight);
  fillCell(doc, app.canvas, road.endCol, road.endRow, kHighlight);
}

}  // namespace skyrig::gui
