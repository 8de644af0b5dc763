// Analyses > Cableways: every cable road of every landing not yet analysed is analysed at up to
// four tail spar heights and shortened point by point from the tail while it stays infeasible;
// the results go to the document, the roads are coloured by outcome and the run's cost is
// written to the timing file. Landings run in parallel, each worker with its own work area;
// every stored result equals the sequential run's.
#pragma once

#include <array>
#include <cstdint>
#include <functional>

#include "cable/PayloadAnalysis.h"
#include "document/CableWorkArea.h"

namespace skyrig {

struct AppContext;
struct CSkyrigDoc;

inline constexpr char kTimingFilePath[] = "E:\\thesis\\output\\CableAnalTime.txt";

struct BatchOptions {
  int threads = 0;               // workers; 0 = one per hardware thread
  bool literalSearches = false;  // reference scans instead of the fast searches
  // Called on each worker's own thread when it has no road left (benchmarks read the thread's
  // CPU time there).
  std::function<void()> workerFinished;
};

// How one road ended.
struct RoadOutcome {
  std::int8_t heightIndex = -1;  // k of the tail spar height h_k that made it feasible
  bool shortened = false;        // feasible only after moving the tail toward the landing
  bool feasible = false;
};

struct BatchSummary {
  int landingsAnalysed = 0;
  std::int32_t iterations = 0;        // payload analyses of the height trials
  std::int32_t steepChordBreaks = 0;  // infeasible roads with a too steep chord break
  std::int64_t payloadAnalyses = 0;   // every payload analysis, support reductions included
  bool cancelled = false;
  std::array<int, 4> feasibleAtHeight{};   // full-length roads feasible at h_0..h_3
  std::array<int, 4> shortenedAtHeight{};  // roads feasible once shortened, by height
  int feasibleShortened = 0;
  int infeasible = 0;
};

// Counters of the payload analyses that one worker ran.
struct BatchCounters {
  std::int32_t iterations = 0;
  std::int32_t steepChordBreaks = 0;
};

// Analyses road r of landing i (system s) with height trials and shortening, storing its end,
// point count, supports, tail spar height, minimum payload, cycle time and per-point rows.
// The support reduction's analyses write to `trialRoadRows` (landing 0, road 0); returns
// whether any did.
RoadOutcome analyseRoadWithShortening(CSkyrigDoc& doc, CableWorkArea& work,
                                      AnalysisRows trialRoadRows, int landing, int system, int road,
                                      BatchCounters& counters, bool& wroteTrialRows);

// The command: runs Generate, analyses every landing with landingAnalysed = 0 and writes the
// timing file. Cancelling through the progress report stops before the next landing; each
// landing is either fully analysed (landingAnalysed = 1) or untouched.
BatchSummary analyseAllCableways(AppContext& app, const BatchOptions& options = {});

}  // namespace skyrig
