// Picking a cable road on the map for its profile check: the roads that end in a cell (the
// specified pick), else the road whose line passes through the cell, and its highlight.
#pragma once

#include <vector>

namespace skyrig {
struct AppContext;
struct CSkyrigDoc;
}  // namespace skyrig

namespace skyrig::gui {

struct RoadRef {
  int landing = 0;  // 0: none
  int road = -1;
  friend bool operator==(const RoadRef&, const RoadRef&) = default;
};

// Roads of placed landings whose end cell is (c, r), at most one per landing.
std::vector<RoadRef> roadsEndingAt(const CSkyrigDoc& doc, int c, int r);

// The laid-out road (more than five profile points) whose line from the landing cell to the
// end cell passes nearest the centre of (c, r), within half a cell diagonal; the landing cells
// themselves pick nothing. Ties keep the lower landing, then the lower road.
RoadRef roadThroughCell(const CSkyrigDoc& doc, int c, int r);

// Draws the road over the map in a colour no layer uses.
void highlightRoad(AppContext& app, RoadRef road);

}  // namespace skyrig::gui
