// Node, link, sale and path tables of the network solver, owned by the project document.
// Sized by Prepare and Solve for the network at hand; nothing is allocated inside the search
// or the iterations except the path store, which only grows when a pass needs more room.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "document/CandidateList.h"
#include "document/LinkPairIndex.h"
#include "document/NodeName.h"
#include "document/NodeNameIndex.h"

namespace skyrig {

// Working state of the shortest-path search, reset only where a search touched it.
struct SearchWorkspace {
  std::vector<std::int32_t> state;        // per node: 0 untouched, candidate position, or settled
  std::vector<float> label;               // per node: distance label of a settled node
  std::vector<std::int32_t> settlingLink;  // per node: the link that settled it
  std::vector<std::int32_t> touched;      // nodes whose state is not 0
  CandidateList candidates;
  std::vector<std::int32_t> path;         // nodes of the last path, destination first
  std::vector<std::int32_t> pathLinks;    // pathLinks[k]: the link into path[k]
};

// Paths of the current pass, entry node first: sale i's nodes are
// nodes[start[i] .. start[i] + length[i]).
struct PathStore {
  std::vector<std::int32_t> nodes;
  std::vector<std::size_t> start;
  std::vector<std::int32_t> length;
};

struct SolverTables {
  // Set by the runs before Solve.
  std::string pathFileName;
  std::uint8_t pathFileWritten = 0;  // 1 when the path file holds the best solution of the solve
  std::string iterationLogName;  // empty: no log is written

  // Node table: names 1..nodeCount; from-nodes first, in name order.
  std::int32_t nodeCount = 0;
  std::vector<NodeName> nodeNames;
  std::vector<std::int32_t> firstOutgoingLink;  // per node; 0 when it has none

  // Per link (1..link count).
  std::vector<std::int32_t> linkFrom;
  std::vector<std::int32_t> linkTo;
  std::vector<float> adjustedVariableCost;
  std::vector<float> adjustedFixedCost;
  std::vector<float> workingCost;
  std::vector<float> linkFlow;      // volume routed over the link; after Solve the best flows
  std::vector<float> bestLinkFlow;  // copy taken when an iteration becomes the best
  std::vector<std::int32_t> firstCopy;  // per link: Find link of its from- and to-node

  // Per sale (1..sale count).
  std::vector<std::int32_t> saleEntry;        // 0 when the name is not a node
  std::vector<std::int32_t> saleDestination;  // 0 when the name is not a node
  std::vector<float> saleVolume;              // working volume
  std::vector<std::int16_t> processingOrder;  // sale number at each position of a pass

  // Run state.
  std::int16_t iteration = 0;
  std::int16_t bestIteration = 0;
  float bestTotal = 0;
  float variableTotal = 0;
  float fixedTotal = 0;
  float total = 0;
  float previousTotal = 0;
  std::uint8_t searchAborted = 0;

  // Lookups built by Prepare.
  NodeNameIndex nodeIndex;
  LinkPairIndex linkIndex;

  SearchWorkspace search;
  PathStore paths;
};

}  // namespace skyrig
