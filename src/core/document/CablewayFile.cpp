#include "document/CablewayFile.h"

#include <array>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "document/CSkyrigDoc.h"
#include "document/FileMessages.h"
#include "document/TextScanner.h"
#include "document/WholeFile.h"
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

std::string roadName(int i, int j) {
  return "landing " + std::to_string(i) + ", cable road " + std::to_string(j);
}

std::string readRoad(TextScanner& scanner, RoadEntry& road) {
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
  if (!isPointCount(w.pointCount) || !isPointCount(w.genPointCount))
    return "its point counts " + std::to_string(w.pointCount) + " and " +
           std::to_string(w.genPointCount) + " are not 0 to 100";
  for (int k = 1; k <= w.pointCount; ++k) {
    if ((result = scanner.readTwoDecimalFloat(road.cycleTime[k])) != ScanResult::Ok ||
        (result = scanner.readTwoDecimalFloat(road.payload[k])) != ScanResult::Ok)
      return "profile point " + std::to_string(k) + ": " + std::string(describeScanProblem(result));
  }
  if ((result = scanner.readFloat(road.minPayload)) != ScanResult::Ok)
    return "its minimum payload: " + std::string(describeScanProblem(result));
  return {};
}

std::string readRoads(TextScanner& scanner, int landingCount, std::vector<RoadEntry>& roads) {
  roads.resize(static_cast<std::size_t>(landingCount) * kCablewaysPerLanding);
  for (int i = 1; i <= landingCount; ++i) {
    std::int32_t id = 0;
    const ScanResult result = scanner.readInt(id);
    if (result != ScanResult::Ok)
      return "landing " + std::to_string(i) + ": " + std::string(describeScanProblem(result));
    if (id < 1 || id > kMaxLandings)
      return "landing " + std::to_string(i) + ": its id " + std::to_string(id) + " is not 1 to 90";
    for (int j = 0; j < kCablewaysPerLanding; ++j) {
      RoadEntry& road = roads[static_cast<std::size_t>((i - 1) * kCablewaysPerLanding + j)];
      if (std::string problem = readRoad(scanner, road); !problem.empty())
        return roadName(i, j) + ": " + problem;
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
      if (!isPointCount(w.pointCount) || !isPointCount(w.genPointCount))
        return roadName(i, j) + ": its point counts are not 0 to 100";
    }
  return {};
}

}  // namespace

void saveCableways(const CSkyrigDoc& doc, const Paths& paths, Ui& ui) {
  if (const std::string problem = checkSavable(doc); !problem.empty()) {
    reportFileProblem(ui, paths, kCablewaysSavePath, "nothing was saved: " + problem);
    return;
  }
  std::unique_ptr<std::FILE, FileCloser> file(paths.openForWriting(kCablewaysSavePath));
  if (!file) {
    reportUnableToOpen(ui);
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
  if (std::ferror(out) != 0 || std::fclose(file.release()) != 0)
    reportFileProblem(ui, paths, kCablewaysSavePath, "the file could not be written completely");
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
  if (const std::string problem = readRoads(scanner, doc.landingCount, roads); !problem.empty()) {
    reportFileProblem(ui, paths, path, problem);
    return;
  }
  commitRoads(doc, roads);
}

}  // namespace skyrig
