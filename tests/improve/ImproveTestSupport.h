// Generated routing problems for the improvement tests (road-like grids, layered cable
// networks, equal costs, duplicate links), the heuristic's routing of them, and a brute-force
// optimum for tiny ones.
#pragma once

#include <algorithm>
#include <cstdint>
#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "../network/NetworkFixture.h"
#include "seams/Random.h"
#include "improve/FixedChargeProblem.h"
#include "document/NetworkTables.h"
#include "runs/PathFileReader.h"
#include "solver/Prepare.h"
#include "solver/Solve.h"
#include "document/SolverTables.h"

namespace skyrig::testing {

// A small deterministic generator (fixed constants), so every run builds the same networks.
class Draw {
 public:
  explicit Draw(std::uint32_t seed) : state_(seed * 2654435761u + 1u) {}
  std::uint32_t next() {
    state_ = state_ * 1664525u + 1013904223u;
    return state_ >> 8;
  }
  // Uniform in [low, high).
  float between(float low, float high) {
    return low + (high - low) * static_cast<float>(next() % 10000) / 10000.0f;
  }
  int below(int n) { return static_cast<int>(next() % static_cast<std::uint32_t>(n)); }

 private:
  std::uint32_t state_;
};

inline NodeName named(const std::string& text) {
  NodeName name;
  assignNodeName(name, text);
  return name;
}

inline void addLink(NetworkTables& network, const std::string& from, const std::string& to,
                    float variable, float fixed) {
  network.links.append({named(from), named(to), variable, fixed});
}

inline void addSale(NetworkTables& network, const std::string& entry,
                    const std::string& destination, float volume) {
  network.sales.append({named(entry), named(destination), volume, 0});
}

inline std::string cell(int c, int r) { return "C" + std::to_string(c) + "R" + std::to_string(r); }

// A cols x rows grid of cells joined both ways to their four side neighbours (and, with
// `diagonals`, the four diagonal ones), hauling cost by length and construction cost by length
// times a drawn terrain factor (all equal with `ties`); the cells of the last column lead to
// "SuperExit" at no cost. `sources` sales start at drawn distinct cells of the other columns.
inline void makeRoadGrid(NetworkTables& network, int cols, int rows, int sources,
                         std::uint32_t seed, bool ties = false, bool diagonals = true) {
  Draw draw(seed);
  const auto join = [&](int c, int r, int c2, int r2, float length) {
    const float factor = ties ? 1.0f : draw.between(0.5f, 3.0f);
    const float variable = 0.02f * length;
    const float fixed = 40.0f * length * factor;
    addLink(network, cell(c, r), cell(c2, r2), variable, fixed);
    addLink(network, cell(c2, r2), cell(c, r), variable, fixed);
  };
  for (int r = 1; r <= rows; ++r)
    for (int c = 1; c <= cols; ++c) {
      if (c < cols) join(c, r, c + 1, r, 10.0f);
      if (r < rows) join(c, r, c, r + 1, 10.0f);
      if (diagonals && c < cols && r < rows) join(c, r, c + 1, r + 1, 14.14f);
      if (diagonals && c > 1 && r < rows) join(c, r, c - 1, r + 1, 14.14f);
    }
  for (int r = 1; r <= rows; ++r) addLink(network, cell(cols, r), "SuperExit", 0.0f, 0.0f);
  std::vector<std::string> used;
  const int sourceCols = std::max(1, cols - 1);
  sources = std::min(sources, sourceCols * rows);
  while (static_cast<int>(used.size()) < sources) {
    const std::string from = cell(1 + draw.below(sourceCols), 1 + draw.below(rows));
    if (std::find(used.begin(), used.end(), from) != used.end()) continue;
    used.push_back(from);
    addSale(network, from, "SuperExit", ties ? 100.0f : draw.between(20.0f, 400.0f));
  }
}

// Timber cells -> cable roads -> setups -> landings -> "DummyDest1", as the cable network
// builder lays them out: each cell reaches 1 to `reach` drawn cable roads.
inline void makeCableNetwork(NetworkTables& network, int cells, int landings, int roadsPerLanding,
                             int reach, std::uint32_t seed, bool ties = false) {
  Draw draw(seed);
  for (int i = 1; i <= cells; ++i) {
    const int count = 1 + draw.below(reach);
    std::vector<std::pair<int, int>> roads;
    while (static_cast<int>(roads.size()) < count) {
      const std::pair<int, int> road{1 + draw.below(landings), draw.below(roadsPerLanding)};
      if (std::find(roads.begin(), roads.end(), road) == roads.end()) roads.push_back(road);
    }
    for (const auto& [landing, road] : roads)
      addLink(network, cell(i, 1),
              "C" + std::to_string(road) + "S1L" + std::to_string(landing),
              ties ? 2.0f : draw.between(0.5f, 6.0f), 0.0f);
    addSale(network, cell(i, 1), "DummyDest1", ties ? 10.0f : draw.between(2.0f, 40.0f));
  }
  for (int landing = 1; landing <= landings; ++landing) {
    const std::string l = std::to_string(landing);
    for (int road = 0; road < roadsPerLanding; ++road)
      addLink(network, "C" + std::to_string(road) + "S1L" + l, "S1L" + l, 0.0f,
              ties ? 300.0f : draw.between(100.0f, 600.0f));
    addLink(network, "S1L" + l, "L" + l, 0.0f, ties ? 1000.0f : draw.between(500.0f, 2500.0f));
    addLink(network, "L" + l, "DummyDest1", ties ? 1.0f : draw.between(0.0f, 3.0f),
            ties ? 2000.0f : draw.between(1000.0f, 5000.0f));
  }
}

// Runs the heuristic on the tables (which Prepare sorts) and returns its best routing's node
// paths, read back from its path file.
inline std::vector<std::vector<std::int32_t>> heuristicPaths(NetworkTables& network,
                                                             SolverTables& solver,
                                                             const Workspace& work,
                                                             ScriptedUi& ui) {
  Random random;
  solver.pathFileName = "heuristic.txt";
  solver.iterationLogName = "";
  std::vector<std::vector<std::int32_t>> paths;
  if (!solve(network, solver, ui, work.paths(), random)) return paths;
  PathFileReader reader(work.paths(), ui, "heuristic.txt", solver.nodeCount,
                        PathFileReader::EmptyPath::Pass);
  PathEntry entry;
  while (reader.next(entry)) paths.push_back(entry.nodes);
  return paths;
}

// The least cost over every combination of simple paths, one per sale (tiny problems only).
inline double bruteForceOptimum(const FixedChargeProblem& problem) {
  std::vector<std::vector<LinkRouting::value_type>> choices(problem.sales.size());
  for (std::size_t s = 0; s < problem.sales.size(); ++s) {
    std::vector<std::int32_t> links;
    std::vector<std::uint8_t> seen(static_cast<std::size_t>(problem.nodeCount) + 1, 0);
    const std::function<void(std::int32_t)> walk = [&](std::int32_t node) {
      if (node == problem.sales[s].destination) {
        choices[s].push_back(links);
        return;
      }
      seen[static_cast<std::size_t>(node)] = 1;
      for (std::size_t e = 0; e < problem.links.size(); ++e) {
        const FixedChargeLink& link = problem.links[e];
        if (link.from != node || seen[static_cast<std::size_t>(link.to)]) continue;
        links.push_back(static_cast<std::int32_t>(e));
        walk(link.to);
        links.pop_back();
      }
      seen[static_cast<std::size_t>(node)] = 0;
    };
    walk(problem.sales[s].entry);
  }
  double best = std::numeric_limits<double>::infinity();
  LinkRouting routing(problem.sales.size());
  const std::function<void(std::size_t)> choose = [&](std::size_t s) {
    if (s == problem.sales.size()) {
      best = std::min(best, routingCost(problem, routing).total());
      return;
    }
    for (const auto& path : choices[s]) {
      routing[s] = path;
      choose(s + 1);
    }
  };
  choose(0);
  return best;
}

}  // namespace skyrig::testing
