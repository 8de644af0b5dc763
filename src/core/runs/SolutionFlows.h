// What the runs read back from a solution: link flows rebuilt from its paths, the costs of
// the links that carry volume, the volume each landing sends on, and each landing's road costs
// taken from the road solution.
#pragma once

#include "runs/Routing.h"

namespace skyrig {

struct AppContext;
struct CSkyrigDoc;

// Sets every link flow to 0, then adds each path's volume to the links between its consecutive
// nodes (the first link in table order for each pair). A path with no nodes ends the reading
// with its message; the flows of the paths before it stay. False when the path file cannot be
// opened or the routing is damaged (message shown).
bool flowsFromRouting(AppContext& app, const Routing& routing);

struct UsedLinkCosts {
  float variable = 0;  // sum of variable cost times flow, $
  float fixed = 0;     // sum of fixed costs, $
};
// Over the links with flow above 0, in link-table order, in 32-bit floats.
UsedLinkCosts usedLinkCosts(const CSkyrigDoc& doc);

// The flow of the first link (in table order) out of "L%d"; 0 when there is none.
float landingOutflow(const CSkyrigDoc& doc, int landing);
// landingVolume of landings 1..landingCount from the current link flows.
void lookUpLandingVolumes(AppContext& app);

// Reads the road solution and sets, for each landing whose cell starts a path,
// landingRoadVariableCost (sum of the path links' variable costs) and landingRoadFixedShare
// (its volume's share of each path link's fixed cost, by the link's flow). Landings no path
// starts at keep their values. False when the file cannot be opened or is damaged.
bool readLandingRoadCosts(AppContext& app, const Routing& roadRouting);

}  // namespace skyrig
