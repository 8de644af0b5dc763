// Network > Improve Plan: from the plan of the last separate run, a cheaper plan of cable
// yarding and road transport and a lower bound on the cost of every plan. The cable and road
// levels are improved in turn with the separate run's coupling (each landing's road cost per
// cubic metre and its share of the road construction are the price of leaving the landing in
// the next cable problem) until the total settles; every pair is costed as the separate run's
// evaluation costs it, and the cheapest is kept. The bound covers both levels together (see
// improve/PlanBound.h). The improved plan is written to its own files under
// "E:/thesis/output/improved/"; the separate run's files are left as they are.
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "runs/PlanSheetData.h"

namespace skyrig {

struct AppContext;

struct PlanCosts {
  double cableVariable = 0;
  double cableFixed = 0;   // cable roads, setups and landing construction
  double roadVariable = 0;
  double roadFixed = 0;    // road construction
  double cable() const { return cableVariable + cableFixed; }
  double road() const { return roadVariable + roadFixed; }
  double total() const { return cable() + road(); }
};

// What the plan summary shows of a plan.
struct PlanOutline {
  PlanCosts costs;
  std::vector<std::pair<int, double>> landingVolumes;  // landings used and their m3
  int cableRoads = 0;                                  // cable roads rigged
  double volumeServed = 0;                             // m3
  double roadLength = 0;                               // m of new road
};

// One level's improvement within an iteration.
struct LevelSolve {
  int iteration = 0;
  bool cable = true;
  double cost = 0;                // of the improved routing, in the level's own costs
  std::optional<double> bound;    // proven bound of the level
  std::string method;
  double seconds = 0;  // processor seconds
};

struct PlanImprovement {
  PlanOutline specified;
  PlanOutline improved;
  std::optional<double> bound;  // on every plan's total
  std::string boundMethod;
  std::vector<LevelSolve> solves;
  int iterations = 0;
  int bestIteration = 0;  // 0: no iteration beat the specified plan
  double seconds = 0;     // wall seconds of the whole improvement
  // Wall seconds of the separate run it started from, when the caller timed it (0: not known).
  double specifiedSeconds = 0;
  bool cancelled = false;
  std::vector<std::string> files;  // system paths written
  // The improved plan as its cable and road reports state it, with each landing's road
  // transport cost on the improved roads: for its map sheet and GIS layers.
  PlanPaths improvedPaths;
};

inline constexpr double kPlanImprovementSeconds = 40;  // processor seconds

// Nothing (after a message) when there is no separate run to start from or its plan cannot be
// read back; otherwise the improvement, also when cut short by the time limit or a cancel.
std::optional<PlanImprovement> improvePlan(AppContext& app,
                                           double seconds = kPlanImprovementSeconds);

// The command: improves and shows the outcome in a message.
void runImprovePlan(AppContext& app);

// "E:/thesis/output/improved/..." files.
inline constexpr const char* kImprovedCablePathFile = "E:/thesis/output/improved/cablepath.txt";
inline constexpr const char* kImprovedRoadPathFile = "E:/thesis/output/improved/roadpath.txt";
inline constexpr const char* kImprovedCableReportFile = "E:/thesis/output/improved/cablereport.txt";
inline constexpr const char* kImprovedRoadReportFile = "E:/thesis/output/improved/roadreport.txt";
inline constexpr const char* kImprovedPlanFile = "E:/thesis/output/improved/ImprovedPlan.txt";

}  // namespace skyrig
