#include "runs/PlanImprovement.h"

#include <chrono>
#include <cmath>
#include <cstdio>
#include <memory>

#include "view/AppContext.h"
#include "view/CSkyrigView.h"
#include "seams/Clock.h"
#include "seams/ScriptedUi.h"
#include "seams/Ui.h"
#include "document/CSkyrigDoc.h"
#include "improve/ImproveRouting.h"
#include "improve/ProcessorClock.h"
#include "improve/PlanBound.h"
#include "improve/RoutingPathFile.h"
#include "improve/ShortestPaths.h"
#include "improve/TerminalTrees.h"
#include "document/NetworkTables.h"
#include "document/NodeName.h"
#include "runs/NodeNameParts.h"
#include "runs/PathFileReader.h"
#include "runs/RunFiles.h"
#include "runs/RunProgress.h"
#include "solver/Prepare.h"
#include "document/SolverTables.h"

namespace skyrig {

namespace {

using SteadyClock = std::chrono::steady_clock;
using Budget = ProcessorClock;  // time limits count processor seconds

constexpr int kMaxImproveIterations = 10;
// Share of the time limit the iterations may use; the rest is kept for the plan bound.
constexpr double kIterationShare = 0.6;
// Least time each step is given, also when the iterations have used their share: the road
// level's exact search takes a second or two and should never be cut short.
constexpr double kRoadSeconds = 15;
constexpr double kCableSeconds = 5;
constexpr double kBoundShare = 0.3;

// A network of one level, its solver numbering and the problem the engine works on.
struct Level {
  NetworkTables network;
  SolverTables solver;
  FixedChargeProblem problem;

  std::int32_t node(const NodeName& name) const {
    return solver.nodeIndex.find(name, solver.nodeNames);
  }
  std::string_view name(std::int32_t node) const {
    return solver.nodeNames[static_cast<std::size_t>(node)].view();
  }
};

int landingCountOf(const CSkyrigDoc& doc) {
  return doc.landingCount < kMaxLandings ? doc.landingCount : kMaxLandings;
}

bool ownsSinkLink(const CSkyrigDoc& doc, int landing) {
  return doc.landingSharedTower[static_cast<std::size_t>(landing)] <= 0;
}

class PlanImprover {
 public:
  PlanImprover(AppContext& app, double seconds)
      : app_(app),
        doc_(app.doc),
        progress_(app, "Improve Plan", app.clock.nowSeconds()),
        start_(Budget::now()),
        wallStart_(SteadyClock::now()),
        seconds_(seconds) {}

  std::optional<PlanImprovement> run();

 private:
  double elapsed() const {
    return std::chrono::duration<double>(Budget::now() - start_).count();
  }
  double left(double share) const { return std::max(0.0, share * seconds_ - elapsed()); }
  bool keepGoing();
  bool fail(const std::string& why);

  bool buildCable(std::string& error);
  bool buildRoad(const PerLanding<double>& volume, Level& road, std::string& error) const;
  bool startRouting(const Level& level, const Solution& held, std::string_view file,
                    bool matchByEntry, LinkRouting& routing, std::string& error);
  PerLanding<double> landingVolumes(const LinkRouting& cable) const;
  void haulCosts(const Level& road, const LinkRouting& routing, PerLanding<double>& variable,
                 PerLanding<double>& fixed) const;
  void setCoupling(const Level& road, const LinkRouting& routing) {
    haulCosts(road, routing, couplingVariable_, couplingFixed_);
  }
  PlanPaths planPaths(const LinkRouting& cable, const Level& road,
                      const LinkRouting& roadRouting) const;
  double cableTrueCost(const LinkRouting& routing, RoutingCost* parts = nullptr) const;
  PlanOutline outline(const LinkRouting& cable, const Level& road, const LinkRouting& roadRouting) const;
  bool improveRoad(const PerLanding<double>& volume, int iteration, Level& road,
                   LinkRouting& routing);
  void computeBound(const LinkRouting& bestCable);
  bool writeFiles(const Level& road, const LinkRouting& cable, const LinkRouting& roadRouting);

  AppContext& app_;
  CSkyrigDoc& doc_;
  RunProgress progress_;
  Budget::time_point start_;
  SteadyClock::time_point wallStart_;
  double seconds_;
  long checks_ = 0;
  mutable ScriptedUi quiet_;  // Prepare's messages on the copies; the checks here say what matters

  std::unique_ptr<Level> cable_ = std::make_unique<Level>();
  PerLanding<std::int32_t> sinkLink_{};  // cable link out of each landing to the sink, or -1
  PerLanding<double> couplingVariable_{};
  PerLanding<double> couplingFixed_{};
  PlanImprovement result_;
};

bool PlanImprover::keepGoing() {
  if (progress_.cancelled()) return false;
  // Every 16th check reports (and lets the user cancel): counted, not timed, so that the
  // reports of a run do not depend on the machine's speed.
  if (++checks_ % 16 == 0 && !progress_.report()) return false;
  return true;
}

bool PlanImprover::fail(const std::string& why) {
  app_.ui.message("The plan cannot be improved: " + why + ".", MessageIcon::Exclamation);
  return false;
}

// The separate run's cable links with each landing's link to the sink (its construction cost
// fixed; the coupling is set per iteration) and its timber-cell sales.
bool PlanImprover::buildCable(std::string& error) {
  NetworkTables& network = cable_->network;
  network.links = doc_.network.savedCableLinks;
  for (int landing = 1; landing <= landingCountOf(doc_); ++landing)
    if (ownsSinkLink(doc_, landing))
      network.links.append({landingNode(landing), cableSinkNode(), 0.0f,
                            doc_.landingConstructionCost[static_cast<std::size_t>(landing)]});
  network.sales = doc_.network.savedCableSales;
  prepare(network, cable_->solver, quiet_);
  if (!buildFixedChargeProblem(network, cable_->solver, cable_->problem, error)) return false;
  sinkLink_.fill(-1);
  const std::int32_t sink = cable_->node(cableSinkNode());
  for (int landing = 1; landing <= landingCountOf(doc_); ++landing) {
    if (!ownsSinkLink(doc_, landing)) continue;
    const std::int32_t from = cable_->node(landingNode(landing));
    if (from > 0 && sink > 0)
      sinkLink_[static_cast<std::size_t>(landing)] = cable_->problem.findLink(from, sink);
  }
  return true;
}

// The saved road links and one sale per landing with volume, from its cell to "SuperExit".
bool PlanImprover::buildRoad(const PerLanding<double>& volume, Level& road,
                             std::string& error) const {
  road.network.links = doc_.network.savedRoadLinks;
  road.network.sales.clear();
  for (int landing = 1; landing <= landingCountOf(doc_); ++landing) {
    const double v = volume[static_cast<std::size_t>(landing)];
    if (!(v > 0)) continue;
    const Landing& site = doc_.landings[static_cast<std::size_t>(landing)];
    road.network.sales.append(
        {cellNode(site.col, site.row), roadSinkNode(), static_cast<float>(v), 0});
  }
  if (road.network.sales.count() == 0) {
    error = "no landing receives timber";
    return false;
  }
  prepare(road.network, road.solver, quiet_);
  return buildFixedChargeProblem(road.network, road.solver, road.problem, error);
}

// The separate run's solution of a level with this level's numbering (the same links, so the
// same numbers): the one the run left in memory, or its path file read back when there is
// none. Road paths are matched to sales by their entry node, since the landing volumes summed
// here may order equal-looking sales differently.
bool PlanImprover::startRouting(const Level& level, const Solution& held, std::string_view file,
                                bool matchByEntry, LinkRouting& routing, std::string& error) {
  std::vector<std::vector<std::int32_t>> paths;
  if (held.saleCount() > 0) {
    for (std::int32_t s = 1; s <= held.saleCount(); ++s) {
      const auto path = held.path(s);
      paths.emplace_back(path.begin(), path.end());
    }
  } else {
    PathFileReader reader(app_.paths, quiet_, file, level.solver.nodeCount,
                          PathFileReader::EmptyPath::Pass);
    PathEntry entry;
    while (reader.next(entry)) paths.push_back(entry.nodes);
    if (!reader.isOpen() || reader.damaged()) {
      error = "the separate run's path file " + app_.paths.displayName(file) +
              " cannot be read";
      return false;
    }
  }
  if (matchByEntry) {
    std::vector<std::vector<std::int32_t>> ordered(level.problem.sales.size());
    for (auto& path : paths)
      for (std::size_t s = 0; s < ordered.size(); ++s)
        if (!path.empty() && ordered[s].empty() && path.front() == level.problem.sales[s].entry)
          ordered[s] = std::move(path);
    paths = std::move(ordered);
  }
  if (!routingFromNodePaths(level.problem, paths, routing, error)) {
    error = "the separate run's plan (" + app_.paths.displayName(file) +
            ") does not fit its network (" + error + ")";
    return false;
  }
  return true;
}

PerLanding<double> PlanImprover::landingVolumes(const LinkRouting& cable) const {
  const std::vector<double> flow = linkFlows(cable_->problem, cable);
  PerLanding<double> volume{};
  for (int landing = 1; landing <= landingCountOf(doc_); ++landing) {
    const std::int32_t link = sinkLink_[static_cast<std::size_t>(landing)];
    if (link >= 0) volume[static_cast<std::size_t>(landing)] = flow[static_cast<std::size_t>(link)];
  }
  return volume;
}

// Each landing's road cost from a road routing, as the separate run derives it: the variable
// costs along its path, and its volume's share of each path link's fixed cost.
void PlanImprover::haulCosts(const Level& road, const LinkRouting& routing,
                             PerLanding<double>& variable, PerLanding<double>& fixed) const {
  const std::vector<double> flow = linkFlows(road.problem, routing);
  for (std::size_t s = 0; s < routing.size(); ++s) {
    const std::string_view entry = road.name(road.problem.sales[s].entry);
    for (int landing = 1; landing <= landingCountOf(doc_); ++landing) {
      const Landing& site = doc_.landings[static_cast<std::size_t>(landing)];
      if (cellNode(site.col, site.row).view() != entry) continue;
      double pathVariable = 0;
      double pathFixed = 0;
      for (const std::int32_t link : routing[s]) {
        const FixedChargeLink& l = road.problem.links[static_cast<std::size_t>(link)];
        pathVariable += l.variableCost;
        pathFixed += road.problem.sales[s].volume / flow[static_cast<std::size_t>(link)] * l.fixedCost;
      }
      variable[static_cast<std::size_t>(landing)] = pathVariable;
      fixed[static_cast<std::size_t>(landing)] = pathFixed;
      break;
    }
  }
}

// The cable level at true cost: nothing per cubic metre leaving a landing, its construction
// cost once.
double PlanImprover::cableTrueCost(const LinkRouting& routing, RoutingCost* parts) const {
  FixedChargeProblem& problem = cable_->problem;
  std::vector<std::pair<double, double>> kept;
  for (int landing = 1; landing <= landingCountOf(doc_); ++landing) {
    const std::int32_t link = sinkLink_[static_cast<std::size_t>(landing)];
    if (link < 0) continue;
    FixedChargeLink& l = problem.links[static_cast<std::size_t>(link)];
    kept.emplace_back(l.variableCost, l.fixedCost);
    l.variableCost = 0;
    l.fixedCost = doc_.landingConstructionCost[static_cast<std::size_t>(landing)];
  }
  const RoutingCost cost = routingCost(problem, routing);
  std::size_t k = 0;
  for (int landing = 1; landing <= landingCountOf(doc_); ++landing) {
    const std::int32_t link = sinkLink_[static_cast<std::size_t>(landing)];
    if (link < 0) continue;
    FixedChargeLink& l = problem.links[static_cast<std::size_t>(link)];
    l.variableCost = kept[k].first;
    l.fixedCost = kept[k].second;
    ++k;
  }
  if (parts) *parts = cost;
  return cost.total();
}

PlanOutline PlanImprover::outline(const LinkRouting& cable, const Level& road,
                                  const LinkRouting& roadRouting) const {
  PlanOutline plan;
  RoutingCost cableCost;
  cableTrueCost(cable, &cableCost);
  const RoutingCost roadCost = routingCost(road.problem, roadRouting);
  plan.costs = {cableCost.variable, cableCost.fixed, roadCost.variable, roadCost.fixed};
  const PerLanding<double> volume = landingVolumes(cable);
  for (int landing = 1; landing <= landingCountOf(doc_); ++landing)
    if (volume[static_cast<std::size_t>(landing)] > 0) {
      plan.landingVolumes.emplace_back(landing, volume[static_cast<std::size_t>(landing)]);
      plan.volumeServed += volume[static_cast<std::size_t>(landing)];
    }
  const std::vector<double> cableFlow = linkFlows(cable_->problem, cable);
  for (std::size_t k = 0; k < cableFlow.size(); ++k)
    if (cableFlow[k] > 0 && cable_->name(cable_->problem.links[k].to).substr(0, 1) == "S")
      ++plan.cableRoads;  // a cable road's link to its setup
  const std::vector<double> roadFlow = linkFlows(road.problem, roadRouting);
  for (std::size_t k = 0; k < roadFlow.size(); ++k)
    if (roadFlow[k] > 0)
      plan.roadLength += road.network.links.attributes(road.problem.links[k].tableLink).length;
  return plan;
}

// The plan's cable and road paths as its report files state them (the same node names, read
// back the same way), and the landings' transport costs on its roads.
PlanPaths PlanImprover::planPaths(const LinkRouting& cable, const Level& road,
                                  const LinkRouting& roadRouting) const {
  PlanPaths plan;
  const auto cablePaths = nodePathsOf(cable_->problem, cable);
  for (std::size_t s = 0; s < cablePaths.size(); ++s) {
    std::string line;
    for (const std::int32_t node : cablePaths[s]) (line += cable_->name(node)) += '-';
    char volume[64];
    std::snprintf(volume, sizeof volume, "%f",
                  static_cast<double>(cable_->network.sales[static_cast<int>(s) + 1].volume));
    CableReportLine entry;
    if (parseCableReportLine(line + volume, entry)) plan.cable.push_back(entry);
  }
  for (const auto& nodes : nodePathsOf(road.problem, roadRouting)) {
    std::vector<std::pair<int, int>> cells;
    for (const std::int32_t node : nodes) {
      const NodeNameParts parts = parseNodeName(road.name(node));
      if (parts.kind == NodeNameParts::Kind::Cell) cells.emplace_back(parts.col, parts.row);
    }
    if (!cells.empty()) plan.roads.push_back(std::move(cells));
  }
  PerLanding<double> variable{};
  PerLanding<double> fixed{};
  haulCosts(road, roadRouting, variable, fixed);
  plan.haulPerM3.assign(variable.begin(), variable.end());
  plan.haulFixed.assign(fixed.begin(), fixed.end());
  return plan;
}

bool PlanImprover::improveRoad(const PerLanding<double>& volume, int iteration, Level& road,
                               LinkRouting& routing) {
  std::string error;
  if (!buildRoad(volume, road, error)) return fail(error);
  progress_.setStage("iteration " + std::to_string(iteration) + ", road level");
  ImproveOptions options;
  options.seconds = std::max(left(kIterationShare), kRoadSeconds);
  options.keepGoing = [this] { return keepGoing(); };
  const auto begun = Budget::now();
  ImproveOutcome outcome = improveRouting(road.problem, {}, options);
  if (!isCompleteRouting(road.problem, outcome.routing))
    return fail("a landing's timber cannot reach a timber exit over the road network");
  routing = std::move(outcome.routing);
  result_.solves.push_back({iteration, false, outcome.improvedCost, outcome.bound, outcome.method,
                            std::chrono::duration<double>(Budget::now() - begun).count()});
  return true;
}

std::optional<PlanImprovement> PlanImprover::run() {
  if (doc_.network.savedCableLinks.count() < 1 || doc_.network.savedRoadLinks.count() < 1 ||
      doc_.network.savedCableSales.count() < 1) {
    fail("it starts from the plan of Network > Optimizing, which has not run");
    return std::nullopt;
  }
  std::string error;
  progress_.setStage("reading the separate run's plan");
  progress_.report();
  if (!buildCable(error)) {
    fail(error);
    return std::nullopt;
  }
  LinkRouting specifiedCable;
  const RunWorkArea& runs = app_.view.runs;
  if (!startRouting(*cable_, runs.bestCable, kBestCablePathFile, false, specifiedCable, error)) {
    fail(error);
    return std::nullopt;
  }
  const PerLanding<double> specifiedVolume = landingVolumes(specifiedCable);
  auto specifiedRoad = std::make_unique<Level>();
  LinkRouting specifiedRoadRouting;
  if (!buildRoad(specifiedVolume, *specifiedRoad, error) ||
      !startRouting(*specifiedRoad, runs.bestRoad, kBestRoadPathReadFile, true,
                    specifiedRoadRouting, error)) {
    fail(error);
    return std::nullopt;
  }
  result_.specified = outline(specifiedCable, *specifiedRoad, specifiedRoadRouting);

  // The best plan so far: the specified one.
  LinkRouting bestCable = specifiedCable;
  auto bestRoad = std::move(specifiedRoad);
  LinkRouting bestRoadRouting = specifiedRoadRouting;
  double bestTotal = result_.specified.costs.total();

  // Iteration 0: the specified cable plan with the best road plan for its landings.
  auto road = std::make_unique<Level>();
  LinkRouting roadRouting;
  if (!improveRoad(specifiedVolume, 0, *road, roadRouting)) return std::nullopt;
  setCoupling(*road, roadRouting);
  double total = cableTrueCost(specifiedCable) + routingCost(road->problem, roadRouting).total();
  if (total < bestTotal) {
    bestTotal = total;
    bestRoad = std::move(road);
    bestRoadRouting = std::move(roadRouting);
  }

  LinkRouting cable = specifiedCable;
  double previous = total;
  for (int k = 1; k <= kMaxImproveIterations && keepGoing() && left(kIterationShare) > 0; ++k) {
    // Cable level with the landings' road costs.
    progress_.setStage("iteration " + std::to_string(k) + ", cable level");
    FixedChargeProblem& problem = cable_->problem;
    for (int landing = 1; landing <= landingCountOf(doc_); ++landing) {
      const auto l = static_cast<std::size_t>(landing);
      if (sinkLink_[l] < 0) continue;
      FixedChargeLink& link = problem.links[static_cast<std::size_t>(sinkLink_[l])];
      link.variableCost = couplingVariable_[l];
      link.fixedCost = doc_.landingConstructionCost[l] + couplingFixed_[l];
    }
    ImproveOptions options;
    options.seconds = std::max(left(kIterationShare), kCableSeconds);
    options.keepGoing = [this] { return keepGoing(); };
    const auto begun = Budget::now();
    ImproveOutcome outcome = improveRouting(problem, cable, options);
    result_.solves.push_back({k, true, outcome.improvedCost, outcome.bound, outcome.method,
                              std::chrono::duration<double>(Budget::now() - begun).count()});
    cable = std::move(outcome.routing);

    auto nextRoad = std::make_unique<Level>();
    LinkRouting nextRoadRouting;
    if (!improveRoad(landingVolumes(cable), k, *nextRoad, nextRoadRouting)) return std::nullopt;
    total = cableTrueCost(cable) + routingCost(nextRoad->problem, nextRoadRouting).total();
    result_.iterations = k;
    setCoupling(*nextRoad, nextRoadRouting);
    if (total < bestTotal) {
      bestTotal = total;
      bestCable = cable;
      bestRoad = std::move(nextRoad);
      bestRoadRouting = std::move(nextRoadRouting);
      result_.bestIteration = k;
    }
    progress_.setRunBest(static_cast<float>(bestTotal));
    if (std::fabs(previous - total) <= 0.001 * total) break;
    previous = total;
  }
  result_.cancelled = progress_.cancelled();
  result_.improved = outline(bestCable, *bestRoad, bestRoadRouting);
  result_.improvedPaths = planPaths(bestCable, *bestRoad, bestRoadRouting);

  if (!result_.cancelled) computeBound(bestCable);
  writeFiles(*bestRoad, bestCable, bestRoadRouting);
  result_.seconds = std::chrono::duration<double>(SteadyClock::now() - wallStart_).count();
  return std::move(result_);
}

// The plan bound: the cable level with each landing's least hauling cost per cubic metre and
// the least road construction joining the landings used (improve/PlanBound.h).
void PlanImprover::computeBound(const LinkRouting& bestCable) {
  progress_.setStage("lower bound of the whole plan");
  progress_.report();
  // The road links with the solver's numbering (Prepare over the links alone).
  Level road;
  road.network.links = doc_.network.savedRoadLinks;
  prepare(road.network, road.solver, quiet_);
  const std::int32_t exit = road.node(roadSinkNode());
  FixedChargeProblem& roads = road.problem;
  roads.nodeCount = road.solver.nodeCount;
  for (int k = 1; k <= road.network.links.count(); ++k) {
    const LinkRecord& r = road.network.links[k];
    roads.links.push_back({road.solver.linkFrom[static_cast<std::size_t>(k)],
                           road.solver.linkTo[static_cast<std::size_t>(k)], r.variableCost,
                           r.fixedCost, k});
  }
  indexOutgoingLinks(roads);

  PlanBoundInput input;
  input.cable = cable_->problem;
  input.start = bestCable;
  std::vector<std::int32_t> landingOfBit;  // road node of each landing in the sets
  ShortestPaths distances(roads);
  std::vector<double> variable(roads.links.size());
  for (std::size_t e = 0; e < variable.size(); ++e) variable[e] = roads.links[e].variableCost;
  for (int landing = 1; landing <= landingCountOf(doc_); ++landing) {
    const std::int32_t link = sinkLink_[static_cast<std::size_t>(landing)];
    if (link < 0) continue;
    FixedChargeLink& out = input.cable.links[static_cast<std::size_t>(link)];
    out.fixedCost = doc_.landingConstructionCost[static_cast<std::size_t>(landing)];
    const Landing& site = doc_.landings[static_cast<std::size_t>(landing)];
    const std::int32_t cellNodeNumber = road.node(cellNode(site.col, site.row));
    double distance = kUnreached;
    if (cellNodeNumber > 0 && exit > 0) {
      distances.run(variable, cellNodeNumber, exit);
      distance = distances.label(exit);
    }
    if (!(distance < kUnreached)) {
      out.variableCost = 0;
      input.closedLandingLinks.push_back(link);
      continue;
    }
    out.variableCost = distance;
    input.landingLinks.push_back(link);
    landingOfBit.push_back(cellNodeNumber);
    roads.sales.push_back({cellNodeNumber, exit, 0.0});
  }
  // Least construction cost per set of landings: the tree search with no volume.
  std::optional<SubsetCosts> subsets;
  if (!roads.sales.empty()) subsets = subsetCostsToDestination(roads, [this] { return keepGoing(); });
  if (subsets) {
    input.landingSetFixedCost.assign(std::size_t{1} << input.landingLinks.size(), kUnreached);
    for (std::size_t set = 0; set < input.landingSetFixedCost.size(); ++set) {
      std::uint32_t entrySet = 0;  // the same set over the search's entry order
      for (std::size_t i = 0; i < input.landingLinks.size(); ++i) {
        if (!(set >> i & 1u)) continue;
        for (std::size_t j = 0; j < subsets->entries.size(); ++j)
          if (subsets->entries[j] == landingOfBit[i]) entrySet |= 1u << j;
      }
      input.landingSetFixedCost[set] = subsets->costs[entrySet];
    }
    result_.boundMethod =
        "cable level with each landing's least hauling cost, plus the least road construction "
        "joining the landings used, by branch and bound";
  } else {
    // Without the sets' construction costs the bound counts none.
    input.landingSetFixedCost.assign(std::size_t{1} << input.landingLinks.size(), 0.0);
    result_.boundMethod =
        "cable level with each landing's least hauling cost (road construction not counted), by "
        "branch and bound";
  }
  const PlanBoundResult bound =
      planLowerBound(input, std::max(kBoundShare * seconds_, seconds_ - elapsed()));
  if (bound.bound) {
    const double lowered = *bound.bound - 1e-7 * std::fabs(*bound.bound);
    result_.bound = std::min(lowered, result_.improved.costs.total());
  }
  if (!bound.note.empty()) result_.boundMethod += " (" + bound.note + ")";
}

// The path files, the cable and road reports in the layout of the separate run's reports, and
// the plan file with both plans' costs, the bound and every level's improvement.
bool PlanImprover::writeFiles(const Level& road, const LinkRouting& cable,
                              const LinkRouting& roadRouting) {
  bool written =
      writeRoutingPathFile(app_.paths, app_.ui, kImprovedCablePathFile, cable_->network.sales,
                           cable_->problem, cable) &&
      writeRoutingPathFile(app_.paths, app_.ui, kImprovedRoadPathFile, road.network.sales,
                           road.problem, roadRouting);
  if (written) result_.files.insert(result_.files.end(), {kImprovedCablePathFile, kImprovedRoadPathFile});

  if (OutputFile out = createOutputFile(app_.paths, app_.ui, kImprovedCableReportFile)) {
    const auto paths = nodePathsOf(cable_->problem, cable);
    for (std::size_t s = 0; s < paths.size(); ++s) {
      for (const std::int32_t node : paths[s])
        std::fprintf(out.get(), "%s-", std::string(cable_->name(node)).c_str());
      std::fprintf(out.get(), "%f\n",
                   static_cast<double>(cable_->network.sales[static_cast<int>(s) + 1].volume));
    }
    if (finishOutputFile(app_.ui, out)) result_.files.push_back(kImprovedCableReportFile);
    else written = false;
  } else {
    written = false;
  }
  if (OutputFile out = createOutputFile(app_.paths, app_.ui, kImprovedRoadReportFile)) {
    const auto paths = nodePathsOf(road.problem, roadRouting);
    for (std::size_t s = 0; s < paths.size(); ++s) {
      std::fprintf(out.get(), "Sale:\t%d\nVolume:\t%f\nNumberofCells:\t%d\n",
                   static_cast<int>(s) + 1,
                   static_cast<double>(road.network.sales[static_cast<int>(s) + 1].volume),
                   static_cast<int>(paths[s].size()));
      for (const std::int32_t node : paths[s])
        std::fprintf(out.get(), "%s-", std::string(road.name(node)).c_str());
      std::fputc('\n', out.get());
    }
    if (finishOutputFile(app_.ui, out)) result_.files.push_back(kImprovedRoadReportFile);
    else written = false;
  } else {
    written = false;
  }

  OutputFile out = createOutputFile(app_.paths, app_.ui, kImprovedPlanFile);
  if (!out) return false;
  std::FILE* f = out.get();
  const auto costs = [f](const char* what, const PlanCosts& c) {
    std::fprintf(f, "%s: CableV %f CableF %f RoadV %f RoadF %f TotalCable %f TotalRoad %f OverallTotal %f\n",
                 what, c.cableVariable, c.cableFixed, c.roadVariable, c.roadFixed, c.cable(),
                 c.road(), c.total());
  };
  costs("Specified plan", result_.specified.costs);
  costs("Improved plan", result_.improved.costs);
  for (const LevelSolve& solve : result_.solves) {
    std::fprintf(f, "Iteration %d %s level: cost %f bound %s gap %s processor time %.1f s, %s\n",
                 solve.iteration, solve.cable ? "cable" : "road", solve.cost,
                 solve.bound ? std::to_string(*solve.bound).c_str() : "-",
                 solve.bound && solve.cost > 0
                     ? (std::to_string(100.0 * (solve.cost - *solve.bound) / solve.cost) + "%").c_str()
                     : "-",
                 solve.seconds, solve.method.c_str());
  }
  std::fprintf(f, "Best iteration: %d\n", result_.bestIteration);
  if (result_.bound) {
    std::fprintf(f, "Lower bound: %f (%s)\n", *result_.bound, result_.boundMethod.c_str());
    std::fprintf(f, "Gap of the specified plan: %f%%\n",
                 100.0 * (result_.specified.costs.total() - *result_.bound) /
                     result_.specified.costs.total());
    std::fprintf(f, "Gap of the improved plan: %f%%\n",
                 100.0 * (result_.improved.costs.total() - *result_.bound) /
                     result_.improved.costs.total());
  } else {
    std::fprintf(f, "Lower bound: none proven (%s)\n", result_.boundMethod.c_str());
  }
  std::fprintf(f, "Time: %.1f s\n",
               std::chrono::duration<double>(SteadyClock::now() - wallStart_).count());
  if (result_.cancelled) std::fputs(kCancelledNote.data(), f);
  if (!finishOutputFile(app_.ui, out)) return false;
  result_.files.push_back(kImprovedPlanFile);
  return written;
}

}  // namespace

std::optional<PlanImprovement> improvePlan(AppContext& app, double seconds) {
  return PlanImprover(app, seconds).run();
}

void runImprovePlan(AppContext& app) {
  const std::optional<PlanImprovement> plan = improvePlan(app);
  if (!plan) return;
  char text[512];
  std::snprintf(text, sizeof text,
                "Improved plan: total %.2f (the separate run's plan: %.2f). No plan costs less "
                "than %s.",
                plan->improved.costs.total(), plan->specified.costs.total(),
                plan->bound ? std::to_string(*plan->bound).c_str() : "(no bound proven)");
  app.ui.message(text, MessageIcon::Information);
}

}  // namespace skyrig
