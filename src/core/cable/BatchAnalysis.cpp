#include "cable/BatchAnalysis.h"

#include <algorithm>
#include <condition_variable>
#include <cstdio>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "cable/CablewayGeneration.h"
#include "cable/GroundProfile.h"
#include "cable/RoadAnalysisStep.h"
#include "document/CSkyrigDoc.h"
#include "seams/OutputFile.h"
#include "seams/Clock.h"
#include "seams/Paths.h"
#include "seams/Ui.h"
#include "view/AppContext.h"
#include "view/CSkyrigView.h"
#include "view/MapDrawing.h"

namespace skyrig {

namespace {

constexpr Rgb kInfeasibleColour{100, 100, 100};
constexpr Rgb kFeasibleAtMinimumColour{200, 200, 255};
constexpr Rgb kFeasibleTallerColour{200, 255, 255};

float tailHeight(const CableSystemParams& p, int k) {
  return (static_cast<float>(k) / 3.0f) * (p.maxSparTreeHeight - p.minSparTreeHeight) +
         p.minSparTreeHeight;
}

// One batch worker: its work area, its own copy of the trial road's rows and its counters.
// Tasks are numbered in the sequential order (landing by landing, roads 0 to 35).
struct Worker {
  CableWorkArea* work = nullptr;
  std::unique_ptr<CableWorkArea> ownWork;
  std::array<float, kProfilePointSlots> trialPayload{};
  std::array<float, kProfilePointSlots> trialCycleTime{};
  int trialRowsTask = -1;  // last task whose support reduction wrote the trial rows
  int lastTask = -1;
  std::int64_t analysesBefore = 0;
  BatchCounters counters;
};

std::string progressText(int done, int total) {
  return "Analysing cable roads: " + std::to_string(done) + " of " + std::to_string(total) +
         " landings";
}

// Hands out the roads in order. After a cancel it hands out only the remaining roads of
// landings already started, so every landing ends wholly analysed or untouched.
class RoadQueue {
 public:
  RoadQueue(const std::vector<int>& landings, std::vector<RoadOutcome>& outcomes)
      : landings_(landings),
        outcomes_(outcomes),
        roadsDone_(landings.size(), 0),
        total_(static_cast<int>(landings.size())) {}

  // Next task, or -1 when none is left.
  int take() {
    std::lock_guard<std::mutex> lock(mutex_);
    if (next_ >= total_ * kCablewaysPerLanding) return -1;
    const int landingIndex = next_ / kCablewaysPerLanding;
    if (landingIndex == started_) {
      if (cancelled_) return -1;
      ++started_;
    }
    return next_++;
  }

  void run(CSkyrigDoc& doc, Worker& worker, int task) {
    const int landing = landings_[task / kCablewaysPerLanding];
    const int road = task % kCablewaysPerLanding;
    if (road == 0) doc.landingAnalysed[landing] = 1;
    const AnalysisRows trialRows{worker.trialPayload.data(), worker.trialCycleTime.data()};
    bool wroteTrialRows = false;
    outcomes_[landing * kCablewaysPerLanding + road] = analyseRoadWithShortening(
        doc, *worker.work, trialRows, landing, doc.landings[landing].system, road, worker.counters,
        wroteTrialRows);
    if (wroteTrialRows) worker.trialRowsTask = task;
    worker.lastTask = task;
    std::lock_guard<std::mutex> lock(mutex_);
    if (++roadsDone_[task / kCablewaysPerLanding] == kCablewaysPerLanding) {
      ++landingsDone_;
      changed_.notify_one();
    }
  }

  int landingsDone() {
    std::lock_guard<std::mutex> lock(mutex_);
    return landingsDone_;
  }
  void cancel() {
    std::lock_guard<std::mutex> lock(mutex_);
    cancelled_ = true;
  }
  // Waits until more landings are done than `reported`, or until every worker has stopped.
  int waitForProgress(int reported, const int& running) {
    std::unique_lock<std::mutex> lock(mutex_);
    changed_.wait(lock, [&] { return landingsDone_ > reported || running == 0; });
    return landingsDone_;
  }
  void workerStopped(int& running) {
    std::lock_guard<std::mutex> lock(mutex_);
    --running;
    changed_.notify_one();
  }
  int total() const { return total_; }

 private:
  const std::vector<int>& landings_;
  std::vector<RoadOutcome>& outcomes_;
  std::vector<int> roadsDone_;
  const int total_;
  std::mutex mutex_;
  std::condition_variable changed_;
  int next_ = 0;
  int started_ = 0;
  int landingsDone_ = 0;
  bool cancelled_ = false;
};

// Runs every road on the workers; returns how many landings were analysed (fewer after a
// cancel; they are the first ones of the list).
int runRoads(AppContext& app, std::vector<Worker>& workers, const std::vector<int>& landings,
             std::vector<RoadOutcome>& outcomes, const std::function<void()>& finished) {
  RoadQueue queue(landings, outcomes);
  const int total = queue.total();
  if (!app.ui.progress(progressText(0, total))) return 0;

  if (workers.size() == 1) {
    int reported = 0;
    for (int task = queue.take(); task >= 0; task = queue.take()) {
      queue.run(app.doc, workers[0], task);
      const int done = queue.landingsDone();
      if (done > reported) {
        reported = done;
        if (!app.ui.progress(progressText(done, total))) queue.cancel();
      }
    }
    if (finished) finished();
    return queue.landingsDone();
  }

  // The calling thread reports progress (the Ui is not shared with the workers) and passes a
  // cancel on to them.
  int running = static_cast<int>(workers.size());
  std::vector<std::thread> threads;
  threads.reserve(workers.size());
  for (Worker& worker : workers) {
    threads.emplace_back([&queue, &app, &running, &finished, workerPtr = &worker] {
      for (int task = queue.take(); task >= 0; task = queue.take())
        queue.run(app.doc, *workerPtr, task);
      if (finished) finished();
      queue.workerStopped(running);
    });
  }
  int reported = 0;
  for (;;) {
    const int done = queue.waitForProgress(reported, running);
    if (done > reported) {
      reported = done;
      if (!app.ui.progress(progressText(done, total))) queue.cancel();
      continue;
    }
    break;  // every worker has stopped and every finished landing was reported
  }
  for (std::thread& thread : threads) thread.join();
  return queue.landingsDone();
}

// Gathers what the sequential run would have left: the trial road rows of the last support
// reduction, the work area of the last road, the summed counters.
void mergeWorkers(AppContext& app, std::vector<Worker>& workers, BatchSummary& summary) {
  const Worker* trialSource = nullptr;
  const Worker* lastSource = nullptr;
  for (const Worker& worker : workers) {
    summary.iterations += worker.counters.iterations;
    summary.steepChordBreaks += worker.counters.steepChordBreaks;
    summary.payloadAnalyses += worker.work->payloadAnalyses - worker.analysesBefore;
    if (worker.trialRowsTask >= 0 &&
        (!trialSource || worker.trialRowsTask > trialSource->trialRowsTask))
      trialSource = &worker;
    if (worker.lastTask >= 0 && (!lastSource || worker.lastTask > lastSource->lastTask))
      lastSource = &worker;
  }
  if (trialSource) {
    app.doc.profilePayload[0][0] = trialSource->trialPayload;
    app.doc.profileCycleTime[0][0] = trialSource->trialCycleTime;
  }
  if (lastSource && lastSource->work != &app.view.cable) app.view.cable = *lastSource->work;
}

void drawOutcomes(AppContext& app, const std::vector<int>& landings, int analysed,
                  const std::vector<RoadOutcome>& outcomes, BatchSummary& summary) {
  for (int index = 0; index < analysed; ++index) {
    const int i = landings[index];
    const Landing& site = app.doc.landings[i];
    for (int r = 0; r < kCablewaysPerLanding; ++r) {
      const RoadOutcome& outcome = outcomes[i * kCablewaysPerLanding + r];
      const CablewayRecord& road = app.doc.cableways[i][r];
      Rgb colour = kInfeasibleColour;
      if (outcome.feasible) {
        colour = outcome.heightIndex == 0 ? kFeasibleAtMinimumColour : kFeasibleTallerColour;
        if (outcome.shortened) {
          ++summary.feasibleShortened;
          ++summary.shortenedAtHeight[outcome.heightIndex];
        } else {
          ++summary.feasibleAtHeight[outcome.heightIndex];
        }
      } else {
        ++summary.infeasible;
      }
      if (isInsideGrid(app.doc, road.endCol, road.endRow))
        cellLine(app.doc, app.view, app.canvas, site.col, site.row, road.endCol, road.endRow, 10,
                 colour);
    }
    labelLanding(app, i);
  }
}

void writeTimingFile(std::FILE* file, std::int64_t elapsed, const BatchSummary& summary) {
  const ElapsedTime t = splitElapsed(elapsed);
  std::fprintf(file, "Hour:  %f\n", static_cast<double>(t.hours));
  std::fprintf(file, "Min:  %f\n", static_cast<double>(t.minutes));
  std::fprintf(file, "Sec:  %f\n", static_cast<double>(t.seconds));
  std::fprintf(file, "TotalIteration:  %d\n", summary.iterations);
  std::fprintf(file, "\n\n SteepChordBreak:%d\n", summary.steepChordBreaks);
}

}  // namespace

RoadOutcome analyseRoadWithShortening(CSkyrigDoc& doc, CableWorkArea& work,
                                      AnalysisRows trialRoadRows, int i, int s, int r,
                                      BatchCounters& counters, bool& wroteTrialRows) {
  const CableSystemParams& p = doc.cableSystems[s];
  CablewayRecord& record = doc.cableways[i][r];
  const AnalysisRows rows = documentRows(doc, i, r);
  const float minPay = p.minPayloadPerTurn;
  const float hmin = p.minSparTreeHeight;
  ConditionFlags& flags = work.flags;
  float& storedTail = doc.tailSparHeight[i][r];
  int lastTried = 0;

  // One height trial on the current analysed count; true when the payload suffices.
  auto tryHeight = [&](int k) {
    ++counters.iterations;
    analyseRoadAtTail(p, work, tailHeight(p, k), i, rows, trialRoadRows,
                      CandidateStreamDragging::Forget, record, doc.cablewayMinPayload[i][r],
                      wroteTrialRows);
    lastTried = k;
    return minPay <= work.minPayload;
  };
  auto applySwitches = [&] { applySystemSwitches(p, work, doc.cablewayCycleTime[i][r]); };

  storedTail = hmin;
  for (int k = 0; k <= 3; ++k) {
    flags.clearAll();
    sampleProfile(doc, work, i, s, r);
    work.analysedCount = work.sampledCount;
    endRoadAtAnalysedPoint(work, record);
    if (tryHeight(k)) {
      storedTail = tailHeight(p, k);
      break;
    }
  }
  applySwitches();

  bool shortened = false;
  while (flags.any()) {
    --work.analysedCount;
    if (work.analysedCount <= 4) break;
    shortened = true;
    endRoadAtAnalysedPoint(work, record);
    storedTail = hmin;
    for (int k = 0; k <= 3; ++k) {
      flags.clearAll();
      if (tryHeight(k)) {
        storedTail = tailHeight(p, k);
        flags.payloadTooSmall = 0;
        break;
      }
      flags.payloadTooSmall = 1;
    }
    applySwitches();
  }

  RoadOutcome outcome;
  outcome.feasible = !flags.any();
  if (!outcome.feasible && flags.steepChordBreak) ++counters.steepChordBreaks;
  outcome.heightIndex = static_cast<std::int8_t>(tailHeight(p, lastTried) <= hmin ? 0 : lastTried);
  outcome.shortened = shortened;
  return outcome;
}

BatchSummary analyseAllCableways(AppContext& app, const BatchOptions& options) {
  generateCableways(app);
  CSkyrigDoc& doc = app.doc;
  BatchSummary summary;

  const std::int64_t start = app.clock.nowSeconds();
  OutputFile timing(app.paths, kTimingFilePath);

  std::vector<int> landings;
  const int count = std::clamp(doc.landingCount, 0, kMaxLandings);
  for (int i = 1; i <= count; ++i)
    if (doc.landingAnalysed[i] == 0 && isUsableLanding(doc, i)) landings.push_back(i);

  int threads =
      options.threads > 0 ? options.threads : static_cast<int>(std::thread::hardware_concurrency());
  threads =
      std::clamp(threads, 1, std::max(1, static_cast<int>(landings.size()) * kCablewaysPerLanding));
  std::vector<Worker> workers(static_cast<std::size_t>(threads));
  workers[0].work = &app.view.cable;
  for (std::size_t w = 1; w < workers.size(); ++w) {
    workers[w].ownWork = std::make_unique<CableWorkArea>();
    workers[w].work = workers[w].ownWork.get();
  }
  const bool viewLiteral = app.view.cable.literalSearches;
  for (Worker& worker : workers) {
    worker.work->literalSearches = options.literalSearches;
    worker.analysesBefore = worker.work->payloadAnalyses;
  }
  std::vector<RoadOutcome> outcomes(static_cast<std::size_t>(kLandingSlots) * kCablewaysPerLanding);

  const int analysed = runRoads(app, workers, landings, outcomes, options.workerFinished);
  mergeWorkers(app, workers, summary);
  app.view.cable.literalSearches = viewLiteral;
  summary.landingsAnalysed = analysed;
  summary.cancelled = analysed < static_cast<int>(landings.size());
  drawOutcomes(app, landings, analysed, outcomes, summary);

  if (timing) writeTimingFile(timing.get(), app.clock.nowSeconds() - start, summary);
  if (!timing || !timing.commit())
    app.ui.message("Unable to create the timing file " + app.paths.displayName(kTimingFilePath) +
                       " (" + timing.error() + "). The cable road results are stored.",
                   MessageIcon::Exclamation);
  return summary;
}

}  // namespace skyrig
