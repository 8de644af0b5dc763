#include "runs/SolutionFlows.h"

#include <algorithm>
#include <cstdio>

#include "document/CSkyrigDoc.h"
#include "document/NodeName.h"
#include "runs/PathFileReader.h"
#include "solver/Prepare.h"
#include "view/AppContext.h"
#include "view/CSkyrigView.h"

namespace skyrig {

namespace {

int placedLandings(const CSkyrigDoc& doc) {
  return std::clamp(doc.landingCount, 0, kMaxLandings);
}

}  // namespace

bool flowsFromRouting(AppContext& app, const Routing& routing) {
  CSkyrigDoc& doc = app.doc;
  SolverTables& solver = doc.solver;
  solver.linkFlow.assign(static_cast<std::size_t>(doc.network.links.count()) + 1, 0.0f);
  PathFileReader reader(app.paths, app.ui, routing, solver.nodeCount);
  if (!reader.isOpen()) return false;
  PathEntry entry;
  while (reader.next(entry)) {
    for (std::size_t k = 1; k < entry.nodes.size(); ++k) {
      const std::int32_t link = findLink(solver, entry.nodes[k - 1], entry.nodes[k]);
      if (link != 0) solver.linkFlow[static_cast<std::size_t>(link)] += entry.volume;
    }
  }
  return !reader.damaged();
}

UsedLinkCosts usedLinkCosts(const CSkyrigDoc& doc) {
  UsedLinkCosts sums;
  const LinkTable& links = doc.network.links;
  const std::int32_t n =
      std::min(links.count(), static_cast<std::int32_t>(doc.solver.linkFlow.size()) - 1);
  for (std::int32_t i = 1; i <= n; ++i) {
    const float flow = doc.solver.linkFlow[static_cast<std::size_t>(i)];
    if (flow > 0) {
      sums.fixed += links[i].fixedCost;
      sums.variable += links[i].variableCost * flow;
    }
  }
  return sums;
}

float landingOutflow(const CSkyrigDoc& doc, int landing) {
  const NodeName name = landingNode(landing);
  const LinkTable& links = doc.network.links;
  const std::int32_t n =
      std::min(links.count(), static_cast<std::int32_t>(doc.solver.linkFlow.size()) - 1);
  for (std::int32_t i = 1; i <= n; ++i)
    if (links[i].from == name) return doc.solver.linkFlow[static_cast<std::size_t>(i)];
  return 0;
}

void lookUpLandingVolumes(AppContext& app) {
  for (int n = 1; n <= placedLandings(app.doc); ++n)
    app.view.runs.landingVolume[static_cast<std::size_t>(n)] = landingOutflow(app.doc, n);
}

bool readLandingRoadCosts(AppContext& app, const Routing& roadRouting) {
  const CSkyrigDoc& doc = app.doc;
  const SolverTables& solver = doc.solver;
  RunWorkArea& runs = app.view.runs;
  PathFileReader reader(app.paths, app.ui, roadRouting, solver.nodeCount);
  if (!reader.isOpen()) return false;
  PathEntry entry;
  std::int32_t s = 0;
  while (reader.next(entry)) {
    ++s;
    float variableSum = 0;
    float fixedShare = 0;
    for (std::size_t k = 1; k < entry.nodes.size(); ++k) {
      const std::int32_t link = findLink(solver, entry.nodes[k - 1], entry.nodes[k]);
      if (link == 0) continue;
      const LinkRecord& record = doc.network.links[link];
      variableSum += record.variableCost;
      const float flow = link < static_cast<std::int32_t>(solver.linkFlow.size())
                             ? solver.linkFlow[static_cast<std::size_t>(link)]
                             : 0.0f;
      if (flow > 0) fixedShare += (entry.volume / flow) * record.fixedCost;
    }
    // The path file lists the sales in the order the solver left the sale table.
    if (s > doc.network.sales.count()) continue;
    const NodeName& start = doc.network.sales[s].entry;
    for (int n = 1; n <= placedLandings(doc); ++n) {
      const Landing& site = doc.landings[static_cast<std::size_t>(n)];
      if (cellNode(site.col, site.row) == start) {
        runs.landingRoadVariableCost[static_cast<std::size_t>(n)] = variableSum;
        runs.landingRoadFixedShare[static_cast<std::size_t>(n)] = fixedShare;
        break;
      }
    }
  }
  return !reader.damaged();
}

}  // namespace skyrig
