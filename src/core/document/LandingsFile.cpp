#include "document/LandingsFile.h"

#include <array>
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

// The largest construction cost the landing form takes, $.
inline constexpr float kMaxLandingCost = 100000000.0f;

// A slot that holds no placed landing yet: the program writes the slot of a landing being
// placed as cell 0, 0 with system 0.
bool isUnplacedSlot(const LandingLine& l) { return l.col == 0 && l.row == 0 && l.system == 0; }

std::string cellName(std::int32_t col, std::int32_t row) {
  return "C" + std::to_string(col) + "R" + std::to_string(row);
}

std::string checkLine(const LandingLine& l, int count, CellLimits grid) {
  if (!inRange(l.id, 1, count))
    return "its id " + std::to_string(l.id) + " is not 1 to " + std::to_string(count) +
           ", the number of landings";
  if (isUnplacedSlot(l) && l.id == count) return {};
  if (!inRange(l.col, 1, grid.cols) || !inRange(l.row, 1, grid.rows))
    return "its cell " + cellName(l.col, l.row) + " lies outside the grid of " +
           std::to_string(grid.cols) + " columns and " + std::to_string(grid.rows) + " rows";
  if (!inRange(l.system, 1, kCableSystemCount))
    return "its cable system " + std::to_string(l.system) + " is not 1 to 5";
  if (!(l.constructionCost >= 0.0f && l.constructionCost <= kMaxLandingCost))
    return "its construction cost " + std::to_string(l.constructionCost) +
           " is not 0 to 100000000";
  // 0 or less shares no tower.
  if (l.sharedTower > count || l.sharedTower == l.id)
    return "its shared tower id " + std::to_string(l.sharedTower) +
           " names no other landing of the file";
  return {};
}

// Follows landingSharedTower from each landing 1..count while it is > 0; returns what is
// wrong when a chain comes back on itself or reaches a slot that holds no landing.
std::string checkSharedTowers(const std::vector<LandingLine>& lines, int count) {
  PerLanding<std::int32_t> shared{};
  PerLanding<std::uint8_t> placed{};
  for (const LandingLine& l : lines) {
    shared[l.id] = l.sharedTower;
    placed[l.id] = isUnplacedSlot(l) ? 0 : 1;
  }
  for (int i = 1; i <= count; ++i) {
    int steps = 0;
    for (std::int32_t t = shared[i]; t > 0; t = shared[t]) {
      if (!placed[t])
        return "the shared tower of landing " + std::to_string(i) + " is landing " +
               std::to_string(t) + ", which is not placed";
      if (++steps > kMaxLandings)
        return "the shared towers starting at landing " + std::to_string(i) + " form a loop";
    }
  }
  return {};
}

std::string readLandings(TextScanner& scanner, CellLimits grid, std::int32_t& count,
                         std::vector<LandingLine>& lines) {
  std::size_t start = scanner.position();
  const auto where = [&](std::size_t pos) {
    return "line " + std::to_string(scanner.lineAt(pos));
  };
  ScanResult result = scanner.readInt(count);
  if (result != ScanResult::Ok)
    return where(start) + ": the number of landings: " + std::string(describeScanProblem(result));
  if (!inRange(count, 0, kMaxLandings))
    return where(start) + ": it gives " + std::to_string(count) + " landings; 0 to 90 fit";
  lines.resize(static_cast<std::size_t>(count));
  std::array<bool, kLandingSlots> seen{};
  for (int k = 0; k < count; ++k) {
    LandingLine& l = lines[static_cast<std::size_t>(k)];
    scanner.skipWhiteSpace();
    start = scanner.position();
    for (std::int32_t* field : {&l.id, &l.col, &l.row, &l.system}) {
      if ((result = scanner.readInt(*field)) != ScanResult::Ok)
        return where(result == ScanResult::End ? start : scanner.position()) + ": " +
               std::string(describeScanProblem(result));
    }
    if ((result = scanner.readFloat(l.constructionCost)) != ScanResult::Ok ||
        (result = scanner.readInt(l.sharedTower)) != ScanResult::Ok)
      return where(result == ScanResult::End ? start : scanner.position()) + ": " +
             std::string(describeScanProblem(result));
    const std::string quoted = " \"" + std::string(scanner.lineTextAt(start)) + "\"";
    if (std::string problem = checkLine(l, count, grid); !problem.empty())
      return where(start) + quoted + ": " + problem;
    if (seen[static_cast<std::size_t>(l.id)])
      return where(start) + quoted + ": landing " + std::to_string(l.id) +
             " is given a second time";
    seen[static_cast<std::size_t>(l.id)] = true;
  }
  return {};
}

}  // namespace

std::string landingsText(const CSkyrigDoc& doc) {
  std::string text = std::to_string(doc.landingCount) + "\n";
  char line[160];
  for (int i = 1; i <= doc.landingCount && i <= kMaxLandings; ++i) {
    const Landing& l = doc.landings[i];
    std::snprintf(line, sizeof line, "%d %d %d %d %f %d\n", i, l.col, l.row, l.system,
                  static_cast<double>(doc.landingConstructionCost[i]), doc.landingSharedTower[i]);
    text += line;
  }
  return text;
}

void saveLandings(const CSkyrigDoc& doc, const Paths& paths, Ui& ui) {
  if (!inRange(doc.landingCount, 0, kMaxLandings)) {
    reportFileProblem(ui, paths, kLandingsSavePath,
                      "nothing was saved: the landing count " + std::to_string(doc.landingCount) +
                          " is not 0 to 90");
    return;
  }
  OutputFile file(paths, kLandingsSavePath);
  if (!file) {
    reportNotSaved(ui, paths, kLandingsSavePath, file.error());
    return;
  }
  const std::string text = landingsText(doc);
  std::fwrite(text.data(), 1, text.size(), file.get());
  if (!file.commit()) reportNotSaved(ui, paths, kLandingsSavePath, file.error());
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
                            : readLandings(scanner, cellLimits(doc), count, lines);
  if (problem.empty()) problem = checkSharedTowers(lines, count);
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
