#include "solver/Solve.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "document/CSkyrigDoc.h"
#include "document/NetworkTables.h"
#include "document/SolverTables.h"
#include "seams/Random.h"
#include "seams/Ui.h"
#include "solver/PathSearch.h"
#include "solver/Prepare.h"
#include "solver/SolverFiles.h"

namespace skyrig {

namespace {

constexpr int kMaxIterations = 200;
constexpr float kUnusedLinkCost = -1.0e8f;  // makes links that carried nothing attractive

// Negative costs are shifted so that the most negative one becomes 0; others stay as they are.
void adjustCosts(const LinkTable& links, SolverTables& solver) {
  const std::int32_t n = links.count();
  float variableMin = 0;
  float fixedMin = 0;
  for (std::int32_t k = 1; k <= n; ++k) {
    variableMin = std::min(variableMin, links[k].variableCost);
    fixedMin = std::min(fixedMin, links[k].fixedCost);
  }
  solver.adjustedVariableCost.assign(static_cast<std::size_t>(n) + 1, 0.0f);
  solver.adjustedFixedCost.assign(static_cast<std::size_t>(n) + 1, 0.0f);
  for (std::int32_t k = 1; k <= n; ++k) {
    const float v = links[k].variableCost;
    const float f = links[k].fixedCost;
    solver.adjustedVariableCost[static_cast<std::size_t>(k)] =
        v >= 0 ? v : std::fabs(variableMin) + v;
    solver.adjustedFixedCost[static_cast<std::size_t>(k)] = f >= 0 ? f : std::fabs(fixedMin) + f;
  }
}

void copyVolumes(const SaleTable& sales, SolverTables& solver) {
  solver.saleVolume.assign(static_cast<std::size_t>(sales.count()) + 1, 0.0f);
  for (std::int32_t i = 1; i <= sales.count(); ++i)
    solver.saleVolume[static_cast<std::size_t>(i)] = sales[i].volume;
}

class Heuristic {
 public:
  Heuristic(NetworkTables& network, SolverTables& solver, Ui& ui, const Paths& paths,
            Random& random, Solution& best)
      : sales_(network.sales),
        links_(network.links),
        solver_(solver),
        ui_(ui),
        paths_(paths),
        random_(random),
        best_(best),
        linkCount_(network.links.count()),
        saleCount_(network.sales.count()) {}

  void run();

 private:
  void allocate();
  void pass(bool tableOrder);
  void routeSale(std::int32_t sale);
  void computeTotals();
  void makeBest();
  void slopeScale();
  void drawProcessingOrder();

  const SaleTable& sales_;
  const LinkTable& links_;
  SolverTables& solver_;
  Ui& ui_;
  const Paths& paths_;
  Random& random_;
  Solution& best_;
  const std::int32_t linkCount_;
  const std::int32_t saleCount_;
  std::vector<std::uint8_t> drawn_;  // sales already placed in the order being drawn
  bool pathFileReported_ = false;
};

void Heuristic::allocate() {
  const auto links = static_cast<std::size_t>(linkCount_) + 1;
  const auto sales = static_cast<std::size_t>(saleCount_) + 1;
  solver_.workingCost.assign(links, 0.0f);
  solver_.linkFlow.assign(links, 0.0f);
  solver_.bestLinkFlow.assign(links, 0.0f);
  solver_.processingOrder.assign(sales, 0);
  solver_.paths.start.assign(sales, 0);
  solver_.paths.length.assign(sales, 0);
  solver_.paths.nodes.clear();
  drawn_.assign(sales, 0);
  best_.volume.assign(sales, 0.0f);
  for (std::int32_t i = 1; i <= saleCount_; ++i)
    best_.volume[static_cast<std::size_t>(i)] = pathFileVolume(sales_[i].volume);
  best_.pathStart.assign(sales, 0);
  best_.pathLength.assign(sales, 0);
  best_.nodes.clear();
  prepareSearch(solver_);
}

void Heuristic::routeSale(std::int32_t sale) {
  const auto s = static_cast<std::size_t>(sale);
  searchPath(solver_, linkCount_, solver_.saleEntry[s], solver_.saleDestination[s], ui_);
  const std::vector<std::int32_t>& path = solver_.search.path;  // destination first
  PathStore& store = solver_.paths;
  store.start[s] = store.nodes.size();
  store.length[s] = static_cast<std::int32_t>(path.size());
  store.nodes.insert(store.nodes.end(), path.rbegin(), path.rend());

  // Book the volume on each link from the entry towards the destination; duplicates of a
  // link book to the first copy in table order (Find link).
  const float volume = solver_.saleVolume[s];
  const std::vector<std::int32_t>& into = solver_.search.pathLinks;
  for (std::size_t k = into.size(); k >= 1; --k) {
    const std::int32_t link = solver_.firstCopy[static_cast<std::size_t>(into[k - 1])];
    const auto l = static_cast<std::size_t>(link);
    solver_.linkFlow[l] += volume;
    solver_.workingCost[l] = solver_.adjustedVariableCost[l];
  }
}

void Heuristic::pass(bool tableOrder) {
  solver_.paths.nodes.clear();
  for (std::int32_t position = 1; position <= saleCount_; ++position)
    routeSale(tableOrder ? position
                         : solver_.processingOrder[static_cast<std::size_t>(position)]);
}

void Heuristic::computeTotals() {
  float variableTotal = 0;
  float fixedTotal = 0;
  for (std::int32_t k = 1; k <= linkCount_; ++k) {
    const float flow = solver_.linkFlow[static_cast<std::size_t>(k)];
    if (flow > 0) {
      variableTotal += links_[k].variableCost * flow;
      fixedTotal += links_[k].fixedCost;
    }
  }
  solver_.variableTotal = variableTotal;
  solver_.fixedTotal = fixedTotal;
  solver_.total = variableTotal + fixedTotal;
}

void Heuristic::makeBest() {
  solver_.bestIteration = solver_.iteration;
  solver_.bestTotal = solver_.total;
  solver_.pathFileWritten = writePathFile(paths_, ui_, sales_, solver_, pathFileReported_) ? 1 : 0;
  solver_.bestLinkFlow = solver_.linkFlow;
  best_.nodes = solver_.paths.nodes;
  best_.pathStart = solver_.paths.start;
  best_.pathLength = solver_.paths.length;
  best_.variableTotal = solver_.variableTotal;
  best_.fixedTotal = solver_.fixedTotal;
  best_.total = solver_.total;
  best_.bestIteration = solver_.iteration;
}

void Heuristic::slopeScale() {
  for (std::size_t k = 1; k <= static_cast<std::size_t>(linkCount_); ++k) {
    const float flow = solver_.linkFlow[k];
    if (flow > 0)
      solver_.workingCost[k] =
          solver_.adjustedFixedCost[k] / flow + solver_.adjustedVariableCost[k];
  }
}

// Each run of equal period is shuffled by rejection: a drawn sale already placed is drawn again.
void Heuristic::drawProcessingOrder() {
  std::int32_t start = 1;
  while (start <= saleCount_) {
    std::int32_t end = start;
    while (end + 1 <= saleCount_ && sales_[end + 1].period == sales_[start].period) ++end;
    const std::int32_t n = end - start + 1;
    for (std::int32_t k = start; k <= end; ++k) {
      std::int32_t proposal;
      do {
        proposal = start + random_.next() % n;
      } while (drawn_[static_cast<std::size_t>(proposal)]);
      drawn_[static_cast<std::size_t>(proposal)] = 1;
      solver_.processingOrder[static_cast<std::size_t>(k)] = static_cast<std::int16_t>(proposal);
    }
    for (std::int32_t k = start; k <= end; ++k) drawn_[static_cast<std::size_t>(k)] = 0;
    start = end + 1;
  }
}

void Heuristic::run() {
  allocate();
  solver_.searchAborted = 0;
  IterationLog log(paths_, ui_, solver_.iterationLogName);
  for (std::int32_t i = 1; i <= saleCount_; ++i)
    solver_.processingOrder[static_cast<std::size_t>(i)] = static_cast<std::int16_t>(i);
  ++solver_.iteration;
  std::copy(solver_.adjustedVariableCost.begin(), solver_.adjustedVariableCost.end(),
            solver_.workingCost.begin());

  // A cancel asked at any report ends the solve after the pass under way (the second at the
  // earliest); the best solution found so far is then already in the path file.
  bool goOn = ui_.progress("Solving the network: iteration 1");
  pass(true);
  computeTotals();
  std::fill(solver_.workingCost.begin() + 1, solver_.workingCost.end(), kUnusedLinkCost);

  for (;;) {
    log.iteration(solver_.iteration, solver_.total);
    if (solver_.total < solver_.bestTotal) makeBest();
    slopeScale();
    solver_.previousTotal = solver_.total;
    std::fill(solver_.linkFlow.begin(), solver_.linkFlow.end(), 0.0f);
    ++solver_.iteration;
    if (!ui_.progress("Solving the network: iteration " + std::to_string(solver_.iteration)))
      goOn = false;
    drawProcessingOrder();
    pass(false);
    computeTotals();
    const bool changing =
        std::fabs(solver_.total) / 100000.0f < std::fabs(solver_.previousTotal - solver_.total);
    if (!(changing && solver_.iteration < kMaxIterations && goOn)) break;
  }

  log.iteration(solver_.iteration, solver_.total);
  if (solver_.total < solver_.bestTotal) makeBest();
  else solver_.linkFlow = solver_.bestLinkFlow;
  log.best(solver_.bestIteration, solver_.bestTotal);
  best_.linkFlow = solver_.linkFlow;
}

}  // namespace

std::optional<Solution> solve(NetworkTables& network, SolverTables& solver, Ui& ui,
                              const Paths& paths, Random& random) {
  prepare(network, solver, ui);
  solver.pathFileWritten = 0;
  solver.bestIteration = 0;
  solver.iteration = 0;
  solver.bestTotal = 1.0e19f;
  copyVolumes(network.sales, solver);
  for (std::int32_t i = 1; i <= network.sales.count(); ++i)
    if (solver.saleEntry[static_cast<std::size_t>(i)] == 0 ||
        solver.saleDestination[static_cast<std::size_t>(i)] == 0) {
      ui.message("Some sale data are not appropriate. Please check your sale data.",
                 MessageIcon::Stop);
      return std::nullopt;
    }
  if (network.sales.count() < 1) return std::nullopt;
  adjustCosts(network.links, solver);
  copyVolumes(network.sales, solver);
  Solution best;
  Heuristic(network, solver, ui, paths, random, best).run();
  return best;
}

std::optional<Solution> solve(CSkyrigDoc& doc, Ui& ui, const Paths& paths, Random& random) {
  return solve(doc.network, doc.solver, ui, paths, random);
}

}  // namespace skyrig
