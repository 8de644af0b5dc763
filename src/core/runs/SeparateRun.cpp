#include <algorithm>
#include <cmath>
#include <optional>
#include <string>

#include "document/CSkyrigDoc.h"
#include "network/CableNetworkBuilder.h"
#include "network/RoadNetworkBuilder.h"
#include "network/SaleBuilders.h"
#include "runs/IterationEvaluation.h"
#include "runs/OptimizationRuns.h"
#include "runs/PathFileReader.h"
#include "runs/ResultDrawing.h"
#include "runs/ResultsFile.h"
#include "runs/RunFiles.h"
#include "runs/RunProgress.h"
#include "runs/SolutionFlows.h"
#include "runs/SolveStep.h"
#include "seams/Clock.h"
#include "seams/Ui.h"
#include "view/AppContext.h"
#include "view/CSkyrigView.h"

namespace skyrig {

bool hasTimberExits(const CSkyrigDoc& doc) {
  if (doc.timberExits[1].row >= 1 && doc.timberExits[1].col >= 1) return true;
  for (int r = 1; r <= doc.nrows; ++r)
    for (int c = 1; c <= doc.ncols; ++c)
      if (doc.roadGrid(c, r) > 0) return true;
  return false;
}

namespace {

class SeparateRun {
 public:
  SeparateRun(AppContext& app, OutputFile log)
      : app_(app),
        doc_(app.doc),
        runs_(app.view.runs),
        log_(std::move(log)),
        start_(app.clock.nowSeconds()),
        progress_(app, "Optimizing", start_) {}

  void run();

 private:
  bool iterate();
  bool solveCable();
  bool solveRoad();
  void writeLogLines();
  void stop(const std::string& reason);
  void setStage(const std::string& what) {
    progress_.setStage("iteration " + std::to_string(k_) + " of at most " +
                       std::to_string(kMaxRunIterations) + (what.empty() ? "" : ", " + what));
  }

  AppContext& app_;
  CSkyrigDoc& doc_;
  RunWorkArea& runs_;
  OutputFile log_;
  std::int64_t start_;
  RunProgress progress_;

  int k_ = 0;
  float cableCost_ = 0;
  float roadCost_ = 0;
  float total_ = 0;
  float previousTotal_ = 0;
  float bestTotal_ = 1.0e22f;
  int bestIteration_ = 0;
  // The solutions of this iteration and of the best one so far.
  Solution cable_;
  Solution road_;
  Solution bestCable_;
  Solution bestRoad_;
};

void SeparateRun::stop(const std::string& reason) {
  if (!log_) return;
  std::fprintf(log_.get(), "Run stopped in iteration %d: %s\n", k_, reason.c_str());
  if (progress_.cancelled()) std::fputs(kCancelledNote.data(), log_.get());
  finishOutputFile(app_.ui, log_);
}

bool SeparateRun::solveCable() {
  setStage("cable solve");
  if (!buildCableNetwork(doc_, app_.paths, app_.ui, runs_.landingRoadVariableCost,
                         runs_.landingRoadFixedShare, k_) ||
      !buildCableSales(doc_, app_.paths, app_.ui, k_)) {
    stop("the cable network could not be built");
    return false;
  }
  const std::string logName = iterationLogFile(kCableIterationLogPrefix, k_);
  std::optional<Solution> solved = solveNetwork(app_, progress_, kCablePathFile, logName);
  if (!solved) {
    stop("the cable network was not solved or its path file not written");
    return false;
  }
  cable_ = std::move(*solved);
  cableCost_ = doc_.solver.bestTotal;
  redrawMap(app_);
  drawCableResult(app_, Routing(kCablePathFile, cable_));
  lookUpLandingVolumes(app_);
  return true;
}

bool SeparateRun::solveRoad() {
  setStage("road solve");
  if (!buildRoadNetwork(doc_, app_.paths, app_.ui, k_) ||
      !buildRoadSales(doc_, app_.paths, app_.ui, runs_.landingVolume)) {
    stop("the road network could not be built");
    return false;
  }
  const std::string logName = iterationLogFile(kRoadIterationLogPrefix, k_);
  std::optional<Solution> solved = solveNetwork(app_, progress_, kRoadPathFile, logName);
  if (!solved) {
    stop("the road network was not solved or its path file not written");
    return false;
  }
  road_ = std::move(*solved);
  roadCost_ = doc_.solver.bestTotal;
  const Routing routing(kRoadPathFile, road_);
  drawRoadResult(app_, routing);
  if (!readLandingRoadCosts(app_, routing)) {
    stop("the road solution could not be read");
    return false;
  }
  return true;
}

void SeparateRun::writeLogLines() {
  const ElapsedTime elapsed = splitElapsed(app_.clock.nowSeconds() - start_);
  std::FILE* out = log_.get();
  std::fprintf(out, "Iteration %d\n", k_);
  std::fprintf(out, "Hour Min Sec %f %f %f \n", static_cast<double>(elapsed.hours),
               static_cast<double>(elapsed.minutes), static_cast<double>(elapsed.seconds));
  std::fprintf(out, "Cab Road Total %f %f %f\n", static_cast<double>(cableCost_),
               static_cast<double>(roadCost_), static_cast<double>(total_));
  std::fflush(out);
}

bool SeparateRun::iterate() {
  ++k_;
  previousTotal_ = total_;
  if (!solveCable() || !solveRoad()) return false;

  setStage("evaluation");
  progress_.report();
  total_ = cableCost_ + roadCost_;
  const std::optional<float> evaluated =
      evaluateIteration(app_, k_, progress_.cancelled(), cable_, road_);
  if (!evaluated) {
    stop("the iteration could not be evaluated");
    return false;
  }
  total_ = *evaluated;
  if (total_ < bestTotal_) {
    bestIteration_ = k_;
    bestTotal_ = total_;
    bestCable_ = cable_;
    bestRoad_ = road_;
    if (!copyFile(app_.paths, app_.ui, kCablePathFile, kBestCablePathFile) ||
        !copyFile(app_.paths, app_.ui, kRoadPathFile, kBestRoadPathFile) ||
        !writeResultsFile(app_, progress_.cancelled())) {
      stop("the best solution could not be stored");
      return false;
    }
  }
  progress_.setRunBest(bestTotal_);
  writeLogLines();
  setStage("evaluated");
  progress_.report();
  return true;
}

void SeparateRun::run() {
  runs_.bestCable = {};
  runs_.bestRoad = {};
  for (int n = 1; n <= std::min(doc_.landingCount, kMaxLandings); ++n) {
    runs_.landingRoadVariableCost[static_cast<std::size_t>(n)] = 0;
    runs_.landingRoadFixedShare[static_cast<std::size_t>(n)] = 0;
  }
  do {
    if (!iterate()) return;
  } while (static_cast<double>(std::fabs(previousTotal_ - total_)) >
               0.001 * static_cast<double>(total_) &&
           k_ < kMaxRunIterations && !progress_.cancelled());
  const bool cancelled = progress_.cancelled();
  if (cancelled) std::fputs(kCancelledNote.data(), log_.get());
  finishOutputFile(app_.ui, log_);

  progress_.setStage("final evaluation of iteration " + std::to_string(bestIteration_));
  progress_.report();
  if (!evaluateBestIteration(app_, bestIteration_, cancelled, bestCable_, bestRoad_)) return;
  if (!writeResultsFile(app_, cancelled)) return;
  runs_.bestCable = std::move(bestCable_);
  runs_.bestRoad = std::move(bestRoad_);
  if (runs_.roadPathCells.dropped > 0)
    app_.ui.message("The road paths of the best solution pass " +
                        std::to_string(runs_.roadPathCells.count + runs_.roadPathCells.dropped) +
                        " cells; Show Roads and the results file keep the first " +
                        std::to_string(runs_.roadPathCells.count) + ".",
                    MessageIcon::Information);
}

}  // namespace

void runSeparateOptimization(AppContext& app) {
  if (app.doc.unitBox.minCol < 1)
    app.ui.message("You need to designate harvest unit boundaries.", MessageIcon::Exclamation);
  if (!hasTimberExits(app.doc)) {
    app.ui.message("You have not placed timber exit location(s).", MessageIcon::Exclamation);
    return;
  }
  OutputFile log = createOutputFile(app.paths, app.ui, kRunLogFile);
  if (!log) return;
  SeparateRun(app, std::move(log)).run();
}

}  // namespace skyrig
