#include "document/LandingsFile.h"

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "document/CSkyrigDoc.h"
#include "document/FileMessages.h"
#include "document/TextScanner.h"
#include "document/WholeFile.h"
#include "seams/Paths.h"

namespace skyrig {

namespace {

struct LandingLine {
  std::int32_t id = 0;
  std::int32_t col = 0;
  std::int32_t row = 0;
  std::int32_t system = 0;
  float constructionCost = 0.0f;
  std::int32_t sharedTower = 0;
};

bool inRange(std::int32_t v, std::int32_t low, std::int32_t high) { return v >= low && v <= high; }

std::string checkLine(const LandingLine& l) {
  if (!inRange(l.id, 1, kMaxLandings)) return "its id " + std::to_string(l.id) + " is not 1 to 90";
  if (!inRange(l.col, 0, kMaxGridCells) || !inRange(l.row, 0, kMaxGridCells))
    return "its cell C" + std::to_string(l.col) + "R" + std::to_string(l.row) +
           " lies outside the grid tables";
  if (!inRange(l.system, 0, kCableSystemCount))
    return "its cable system " + std::to_string(l.system) + " is not 1 to 5";
  if (l.sharedTower > kMaxLandings)
    return "its shared tower id " + std::to_string(l.sharedTower) + " is above 90";
  return {};
}

// Follows landingSharedTower from each landing 1..count while it is > 0; returns what is
// wrong when a chain comes back on itself.
std::string checkSharedTowers(const PerLanding<std::int32_t>& shared, int count) {
  for (int i = 1; i <= count; ++i) {
    int steps = 0;
    for (std::int32_t t = shared[i]; t > 0; t = shared[t]) {
      if (t > kMaxLandings)
        return "the shared towers starting at landing " + std::to_string(i) + " lead to landing " +
               std::to_string(t) + ", which is not 1 to 90";
      if (++steps > kMaxLandings)
        return "the shared towers starting at landing " + std::to_string(i) + " form a loop";
    }
  }
  return {};
}

std::string readLandings(TextScanner& scanner, std::int32_t& count,
                         std::vector<LandingLine>& lines) {
  ScanResult result = scanner.readInt(count);
  if (result != ScanResult::Ok)
    return "the number of landings: " + std::string(describeScanProblem(result));
  if (!inRange(count, 0, kMaxLandings))
    return "it gives " + std::to_string(count) + " landings; 0 to 90 fit";
  lines.resize(static_cast<std::size_t>(count));
  for (int k = 0; k < count; ++k) {
    LandingLine& l = lines[static_cast<std::size_t>(k)];
    const std::string where = "landing line " + std::to_string(k + 1);
    for (std::int32_t* field : {&l.id, &l.col, &l.row, &l.system}) {
      if ((result = scanner.readInt(*field)) != ScanResult::Ok)
        return where + ": " + std::string(describeScanProblem(result));
    }
    if ((result = scanner.readFloat(l.constructionCost)) != ScanResult::Ok ||
        (result = scanner.readInt(l.sharedTower)) != ScanResult::Ok)
      return where + ": " + std::string(describeScanProblem(result));
    if (std::string problem = checkLine(l); !problem.empty()) return where + ": " + problem;
  }
  return {};
}

}  // namespace

void saveLandings(const CSkyrigDoc& doc, const Paths& paths, Ui& ui) {
  if (!inRange(doc.landingCount, 0, kMaxLandings)) {
    reportFileProblem(ui, paths, kLandingsSavePath,
                      "nothing was saved: the landing count " + std::to_string(doc.landingCount) +
                          " is not 0 to 90");
    return;
  }
  std::unique_ptr<std::FILE, FileCloser> file(paths.openForWriting(kLandingsSavePath));
  if (!file) {
    reportUnableToOpen(ui);
    return;
  }
  std::fprintf(file.get(), "%d\n", doc.landingCount);
  for (int i = 1; i <= doc.landingCount; ++i) {
    const Landing& l = doc.landings[i];
    std::fprintf(file.get(), "%d %d %d %d %f %d\n", i, l.col, l.row, l.system,
                 static_cast<double>(doc.landingConstructionCost[i]), doc.landingSharedTower[i]);
  }
  if (std::ferror(file.get()) != 0 || std::fclose(file.release()) != 0)
    reportFileProblem(ui, paths, kLandingsSavePath, "the file could not be written completely");
}

void openLandings(CSkyrigDoc& doc, const Paths& paths, Ui& ui) {
  const std::string path = doc.paths.landingsPath;
  std::string bytes;
  const WholeFileResult read =
      path.empty() ? WholeFileResult::CannotOpen : readWholeFile(paths, path, bytes);
  if (read == WholeFileResult::CannotOpen) {
    reportUnableToOpen(ui);
    return;
  }
  std::int32_t count = 0;
  std::vector<LandingLine> lines;
  TextScanner scanner(bytes);
  std::string problem = read == WholeFileResult::ReadFailed
                            ? "the file could not be read to its end"
                            : readLandings(scanner, count, lines);
  if (problem.empty()) {
    PerLanding<std::int32_t> shared = doc.landingSharedTower;
    for (const LandingLine& l : lines) shared[l.id] = l.sharedTower;
    problem = checkSharedTowers(shared, count);
  }
  if (!problem.empty()) {
    reportFileProblem(ui, paths, path, problem);
    return;
  }
  doc.landingCount = count;
  for (const LandingLine& l : lines) {
    doc.landings[l.id] = Landing{l.row, l.col, l.system};
    doc.landingConstructionCost[l.id] = l.constructionCost;
    doc.landingSharedTower[l.id] = l.sharedTower;
  }
}

}  // namespace skyrig
