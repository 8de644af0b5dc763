// What a finished plan consists of, gathered for the printed map sheet, the profile sheets and
// the plan report: the state of every timber cell (served, or unserved and why), the cable
// roads with their use, volume and cost, the landings with theirs, and the new road as
// segments with their grade class. Pure computation over the document, the view's result
// lists and the run's cable and road reports.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace skyrig {

struct CSkyrigDoc;
struct RunWorkArea;
class Paths;

// A harvest unit cell with timber, and what became of it.
enum class CellService : std::uint8_t {
  None,             // outside the unit or without timber
  Served,           // yarded by a cable road of the plan
  NoRoadReaches,    // no analysed cable road passes beside it
  BeyondLateral,    // beside some road, but beyond its lateral yarding distance
  OnlyInfeasible,   // reached only by roads that cannot carry a load there
  NotRouted,        // a usable road reaches it, but the plan leaves it
};
inline constexpr int kCellServiceCount = 6;
const char* cellServiceText(CellService service);

struct PlanCableRoad {
  int landing = 0;
  int road = 0;  // 0..35
  int system = 0;
  int endCol = 0;
  int endRow = 0;
  bool used = false;
  bool feasible = false;  // carries at least the system's minimum payload per turn
  int cells = 0;          // timber cells it yards in the plan
  double volume = 0;      // m3 it yards
  double yardingCost = 0;  // $ of yarding its cells (variable)
  double riggingCost = 0;  // $ of rigging it (road change, supports)
  float length = 0;        // horizontal length, m
  float tailHeight = 0;    // m
  int supports = 0;
  float minPayload = 0;    // kg
  float cycleTime = 0;     // s
};

struct PlanLanding {
  int id = 0;
  int col = 0;
  int row = 0;
  int system = 0;
  bool used = false;
  double volume = 0;            // m3 yarded to it
  int roadsUsed = 0;
  double yardingCost = 0;       // $ of its cable roads' yarding
  double riggingCost = 0;       // $ of rigging its cable roads
  double setupCost = 0;         // $ of setting the system up and moving it in
  double constructionCost = 0;  // $ of building the landing
  double transportCost = 0;     // $ of hauling its volume to the timber exit
  double total() const {
    return yardingCost + riggingCost + setupCost + constructionCost + transportCost;
  }
};

// Grade classes of new road, 5 % wide from 0 to 30 % (the last class holds everything steeper).
inline constexpr int kGradeClassCount = 6;
const char* gradeClassText(int gradeClass);
const char* sideSlopeClassText(int sideSlopeClass);

struct RoadSegment {
  int col1 = 0, row1 = 0, col2 = 0, row2 = 0;
  int gradeClass = 0;
  double length = 0;  // horizontal, m
};

struct PlanSheetData {
  // The crop: the harvest unit, its landings, cable roads and new roads, in cells.
  int minCol = 0, maxCol = 0, minRow = 0, maxRow = 0;
  int ncols = 0;
  std::vector<CellService> service;  // by (col - 1) + (row - 1) * ncols
  CellService serviceAt(int col, int row) const {
    return service[static_cast<std::size_t>((col - 1) + (row - 1) * ncols)];
  }

  std::vector<PlanLanding> landings;     // every placed landing
  std::vector<PlanCableRoad> cableRoads; // every analysed road (used or not)
  std::vector<RoadSegment> newRoad;      // cell-to-cell segments of the road paths, each once
  std::vector<std::pair<int, int>> timberExits;  // (col, row)

  double unitVolume = 0;  // m3 of timber in the unit
  double servedVolume = 0;
  double unservedVolume[kCellServiceCount] = {};  // by reason
  int unservedCells[kCellServiceCount] = {};
  double newRoadLength[kGradeClassCount] = {};     // m by grade class
  bool hasPlan = false;   // the run's cable report was found and held paths

  // The road mileage report's grand totals: length by grade and by side-slope class, m.
  bool hasMileage = false;
  double mileageGrade[kGradeClassCount] = {};
  double mileageSideSlope[kGradeClassCount] = {};
  double mileageTotal = 0;

  // Totals the runs wrote ($): the separate run's best iteration, the all-at-once run.
  struct RunTotals {
    bool present = false;
    double cable = 0, road = 0, total = 0;
    int bestIteration = 0;
  };
  RunTotals separateRun, allAtOnceRun;
  std::vector<std::string> notes;  // what could not be read, for the report

  const PlanCableRoad* findRoad(int landing, int road) const;
  double totalCost() const;
};

// Gathers the plan after a separate run: the cable and road reports ("cablereport.txt",
// "roadreport.txt" of the output folder) name the cells, cable roads and road cells; costs
// are priced by the cable network's yarding cost model. Without a plan every timber cell is
// classified as unserved and the roads as unused.
PlanSheetData gatherPlanSheetData(const CSkyrigDoc& doc, const RunWorkArea& runs,
                                  const Paths& paths);

// Parses one line of the cable report ("C5R7-C3S2L1-S2L1-L1-DummyDest1-12.500000"): the timber
// cell, the cable road and the volume; false for a line of another form.
struct CableReportLine {
  int col = 0, row = 0;
  int landing = 0, system = 0, road = 0;
  double volume = 0;
};
bool parseCableReportLine(const std::string& line, CableReportLine& out);

// A plan as its reports state it: the timber cells with the cable road yarding each, the road
// paths as cells from a landing to the exit, and each landing's road transport cost.
struct PlanPaths {
  std::vector<CableReportLine> cable;
  std::vector<std::vector<std::pair<int, int>>> roads;
  std::vector<double> haulPerM3;  // by landing id (0 unused): $/m3 along its road path
  std::vector<double> haulFixed;  // by landing id: $ of road construction charged to it
};

// The same for a plan held in memory (the improved plan); the run totals and the mileage
// report, which belong to the separate run, are left out.
PlanSheetData gatherPlanSheetData(const CSkyrigDoc& doc, const PlanPaths& plan);

// Parses the road report's cell chains ("C5R7-C5R8-...-SuperExit-") into the (col, row) cells
// of every path.
std::vector<std::vector<std::pair<int, int>>> parseRoadReport(const std::string& text);

}  // namespace skyrig
