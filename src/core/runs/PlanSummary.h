// The figures a planner reads first after a planning run, gathered from the document, the
// view's result lists and the run's output files, and printed as a table.
#pragma once

#include <string>
#include <vector>

namespace skyrig {

struct AppContext;
struct PlanSheetData;

struct PlanFigures {
  struct LandingLine {
    int id = 0;
    int system = 0;
    int col = 0;
    int row = 0;
    float volume = 0.0f;  // m3 the best cable solution brings to the landing
    int cableRoads = 0;   // distinct cable roads that yard for it
  };
  std::vector<LandingLine> landings;  // used landings only
  int landingsPlaced = 0;
  int cableRoadsUsed = 0;
  int cableRoadsGenerated = 0;
  double unitVolume = 0.0;      // m3 of the harvest unit
  double servedVolume = 0.0;    // m3 routed to landings
  int unreachableCells = 0;     // unit cells no cable road reaches
  double unreachableVolume = 0.0;
  std::vector<std::pair<std::string, std::string>> roadLengths;  // grade class -> metres
  std::string roadLengthTotal;
  std::string cableCost, roadCost, totalCost, bestIteration;
  int iterations = 0;
  // Unserved volume by reason (reason, cells, m3); when given it replaces the unreachable line.
  struct UnservedReason {
    std::string reason;
    int cells = 0;
    double volume = 0;
  };
  std::vector<UnservedReason> unservedReasons;
  std::string coordinateSystem;  // the DTM's, named; "" when it has none
  std::string coordinateSystemOrigin;
};

PlanFigures gatherPlanFigures(const AppContext& app);
// Splits the unserved volume by why it is unserved, from the plan's cell classes (nothing
// without a plan).
void addUnservedReasons(PlanFigures& figures, const PlanSheetData& plan);
std::string formatPlanSummary(const PlanFigures& figures);

}  // namespace skyrig
