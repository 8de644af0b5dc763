#include "document/CablewayFile.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "document/CSkyrigDoc.h"
#include "document/FileMessages.h"
#include "document/TextScanner.h"
#include "document/WholeFile.h"
#include "seams/OutputFile.h"
#include "seams/Paths.h"
#include "seams/Ui.h"

namespace skyrig {

namespace {

// One cable road as the file holds it.
struct RoadEntry {
  CablewayRecord record;
  float tailSparHeight = 0.0f;
  float minPayload = 0.0f;
  std::array<float, kProfileSlots> cycleTime{};  // points 1..pointCount
  std::array<float, kProfileSlots> payload{};
};

bool isPointCount(std::int32_t n) { return n >= 0 && n <= kMaxProfilePoints; }

// A road end is a cell of the grid, or 0, 0 for a road that was never generated.
bool isRoadEnd(std::int32_t col, std::int32_t row, CellLimits grid) {
  return (col == 0 && row == 0) || (col >= 1 && col <= grid.cols && row >= 1 && row <= grid.rows);
}

std::string endProblem(const char* which, std::int32_t col, std::int32_t row, CellLimits grid) {
  return std::string("its ") + which + " C" + std::to_string(col) + "R" + std::to_string(row) +
         " lies outside the grid of " + std::to_string(grid.cols) + " columns and " +
         std::to_string(grid.rows) + " rows";
}

// What is wrong with a road's record line, or an empty string.
std::string checkRecord(const RoadEntry& road, CellLimits grid) {
  const CablewayRecord& w = road.record;
  if (!isPointCount(w.pointCount) || !isPointCount(w.genPointCount))
    return "its point counts " + std::to_string(w.pointCount) + " and " +
           std::to_string(w.genPointCount) + " are not 0 to 100";
  if (!isRoadEnd(w.endCol, w.endRow, grid)) return endProblem("end cell", w.endCol, w.endRow, grid);
  if (!isRoadEnd(w.genEndCol, w.genEndRow, grid))
    return endProblem("generated end cell", w.genEndCol, w.genEndRow, grid);
  if (!std::isfinite(w.slope) || !std::isfinite(w.intercept))
    return "its slope " + std::to_string(w.slope) + " or intercept " +
           std::to_string(w.intercept) + " is not a finite number";
  if (w.supportCount < 0 || w.supportCount > kMaxProfilePoints)
    return "its support count " + std::to_string(w.supportCount) + " is not 0 to 100";
  if (!std::isfinite(road.tailSparHeight))
    return "its tail spar height " + std::to_string(road.tailSparHeight) + " is not a number";
  return {};
}

std::string roadName(int i, int j) {
  return "landing " + std::to_string(i) + ", cable road " + std::to_string(j);
}

std::string readRoad(TextScanner& scanner, CellLimits grid, RoadEntry& road) {
  CablewayRecord& w = road.record;
  ScanResult result = ScanResult::Ok;
  for (std::int32_t* field :
       {&w.endCol, &w.endRow, &w.genEndCol, &w.genEndRow, &w.pointCount, &w.genPointCount}) {
    if ((result = scanner.readInt(*field)) != ScanResult::Ok)
      return std::string(describeScanProblem(result));
  }
  if ((result = scanner.readFloat(w.slope)) != ScanResult::Ok ||
      (result = scanner.readFloat(w.intercept)) != ScanResult::Ok ||
      (result = scanner.readInt(w.supportCount)) != ScanResult::Ok ||
      (result = scanner.readFloat(road.tailSparHeight)) != ScanResult::Ok)
    return std::string(describeScanProblem(result));
  if (std::string problem = checkRecord(road, grid); !problem.empty()) return problem;
  for (int k = 1; k <= w.pointCount; ++k) {
    if ((result = scanner.readTwoDecimalFloat(road.cycleTime[k])) != ScanResult::Ok ||
        (result = scanner.readTwoDecimalFloat(road.payload[k])) != ScanResult::Ok)
      return "profile point " + std::to_string(k) + ": " + std::string(describeScanProblem(result));
    if (!std::isfinite(road.cycleTime[k]) || !std::isfinite(road.payload[k]))
      return "profile point " + std::to_string(k) + ": its cycle time " +
             std::to_string(road.cycleTime[k]) + " or payload " + std::to_string(road.payload[k]) +
             " is not a finite number";
  }
  if ((result = scanner.readFloat(road.minPayload)) != ScanResult::Ok)
    return "its minimum payload: " + std::string(describeScanProblem(result));
  if (!std::isfinite(road.minPayload))
    return "its minimum payload " + std::to_string(road.minPayload) + " is not a finite number";
  return {};
}

std::string readRoads(TextScanner& scanner, int landingCount, CellLimits grid,
                      std::vector<RoadEntry>& roads) {
  roads.resize(static_cast<std::size_t>(landingCount) * kCablewaysPerLanding);
  for (int i = 1; i <= landingCount; ++i) {
    std::int32_t id = 0;
    scanner.skipWhiteSpace();
    const ScanResult result = scanner.readInt(id);
    const std::string line = "line " + std::to_string(scanner.lineAt(scanner.position())) + ", ";
    if (result != ScanResult::Ok)
      return line + "landing " + std::to_string(i) + ": " +
             std::string(describeScanProblem(result));
    if (id < 1 || id > kMaxLandings)
      return line + "landing " + std::to_string(i) + ": its id " + std::to_string(id) +
             " is not 1 to 90";
    for (int j = 0; j < kCablewaysPerLanding; ++j) {
      RoadEntry& road = roads[static_cast<std::size_t>((i - 1) * kCablewaysPerLanding + j)];
      scanner.skipWhiteSpace();
      const std::size_t start = scanner.position();
      if (std::string problem = readRoad(scanner, grid, road); !problem.empty())
        return "line " + std::to_string(scanner.lineAt(start)) + ", " + roadName(i, j) + " \"" +
               std::string(scanner.lineTextAt(start)) + "\": " + problem;
    }
  }
  return {};
}

void commitRoads(CSkyrigDoc& doc, const std::vector<RoadEntry>& roads) {
  for (int i = 1; i <= doc.landingCount; ++i) {
    for (int j = 0; j < kCablewaysPerLanding; ++j) {
      const RoadEntry& road = roads[static_cast<std::size_t>((i - 1) * kCablewaysPerLanding + j)];
      doc.cableways[i][j] = road.record;
      doc.tailSparHeight[i][j] = road.tailSparHeight;
      for (int k = 1; k <= road.record.pointCount; ++k) {
        doc.profileCycleTime[i][j][k] = road.cycleTime[k];
        doc.profilePayload[i][j][k] = road.payload[k];
      }
      doc.cablewayMinPayload[i][j] = road.minPayload;
    }
    doc.landingAnalysed[i] = 1;
  }
}

// What keeps the document's roads from being written as a file that reads back.
std::string checkSavable(const CSkyrigDoc& doc) {
  if (doc.landingCount < 0 || doc.landingCount > kMaxLandings)
    return "the landing count " + std::to_string(doc.landingCount) + " is not 0 to 90";
  for (int i = 1; i <= doc.landingCount; ++i)
    for (int j = 0; j < kCablewaysPerLanding; ++j) {
      const CablewayRecord& w = doc.cableways[i][j];
      RoadEntry road;
      road.record = w;
      road.tailSparHeight = doc.tailSparHeight[i][j];
      if (std::string problem = checkRecord(road, cellLimits(doc)); !problem.empty())
        return roadName(i, j) + ": " + problem;
    }
  return {};
}

}  // namespace

void saveCableways(const CSkyrigDoc& doc, const Paths& paths, Ui& ui) {
  if (const std::string problem = checkSavable(doc); !problem.empty()) {
    reportFileProblem(ui, paths, kCablewaysSavePath, "nothing was saved: " + problem);
    return;
  }
  OutputFile file(paths, kCablewaysSavePath);
  if (!file) {
    reportNotSaved(ui, paths, kCablewaysSavePath, file.error());
    return;
  }
  std::FILE* out = file.get();
  std::fprintf(out, "%d\n", doc.landingCount);
  for (int i = 1; i <= doc.landingCount; ++i) {
    std::fprintf(out, "%d\n", i);
    for (int j = 0; j < kCablewaysPerLanding; ++j) {
      const CablewayRecord& w = doc.cableways[i][j];
      // Slope and intercept with 9 significant digits: two decimals would move the road's
      // line by metres to hundreds of metres.
      std::fprintf(out, "%d %d %d %d %d %d %.9g %.9g %d %10.2f\n", w.endCol, w.endRow, w.genEndCol,
                   w.genEndRow, w.pointCount, w.genPointCount, static_cast<double>(w.slope),
                   static_cast<double>(w.intercept), w.supportCount,
                   static_cast<double>(doc.tailSparHeight[i][j]));
      for (int k = 1; k <= w.pointCount; ++k)
        std::fprintf(out, "%10.2f %10.2f", static_cast<double>(doc.profileCycleTime[i][j][k]),
                     static_cast<double>(doc.profilePayload[i][j][k]));
      std::fprintf(out, "\n%10.2f\n", static_cast<double>(doc.cablewayMinPayload[i][j]));
    }
  }
  if (!file.commit()) reportNotSaved(ui, paths, kCablewaysSavePath, file.error());
}

void openCableways(CSkyrigDoc& doc, const Paths& paths, Ui& ui) {
  const std::string path = doc.paths.cablewaysPath;
  std::string bytes;
  const WholeFileResult read =
      path.empty() ? WholeFileResult::CannotOpen : readWholeFile(paths, path, bytes);
  if (read == WholeFileResult::CannotOpen) {
    reportUnableToOpen(ui);
    return;
  }
  if (read == WholeFileResult::ReadFailed) {
    reportFileProblem(ui, paths, path, "the file could not be read to its end");
    return;
  }
  TextScanner scanner(bytes);
  std::int32_t count = 0;
  const ScanResult result = scanner.readInt(count);
  if (result != ScanResult::Ok) {
    reportFileProblem(ui, paths, path,
                      "the number of landings: " + std::string(describeScanProblem(result)));
    return;
  }
  if (count != doc.landingCount) {
    ui.message("Total number of landings is different!", MessageIcon::Exclamation);
    return;
  }
  if (count < 0 || count > kMaxLandings) {
    reportFileProblem(ui, paths, path,
                      "it gives " + std::to_string(count) + " landings; 0 to 90 fit");
    return;
  }
  std::vector<RoadEntry> roads;
  if (const std::string problem = readRoads(scanner, doc.landingCount, cellLimits(doc), roads);
      !problem.empty()) {
    reportFileProblem(ui, paths, path, problem);
    return;
  }
  commitRoads(doc, roads);
}

}  // namespace skyrig
