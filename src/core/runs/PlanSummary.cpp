#include "runs/PlanSummary.h"

#include <cstdio>
#include <fstream>
#include <set>
#include <sstream>

#include "document/CSkyrigDoc.h"
#include "gis/SpatialReference.h"
#include "runs/PlanSheetData.h"
#include "seams/Paths.h"
#include "view/AppContext.h"
#include "view/CSkyrigView.h"

namespace skyrig {

namespace {

std::vector<std::string> readLines(const Paths& paths, const std::string& systemPath) {
  std::ifstream in(paths.resolve(systemPath));
  std::vector<std::string> lines;
  std::string line;
  while (std::getline(in, line)) lines.push_back(line);
  return lines;
}

// The text after "KEY:" on any line, up to the next blank or tab ("" when absent).
std::string valueAfter(const std::vector<std::string>& lines, const std::string& key) {
  for (const std::string& line : lines) {
    const auto at = line.find(key + ":");
    if (at == std::string::npos || (at > 0 && line[at - 1] != ' ' && line[at - 1] != '\t'))
      continue;
    std::istringstream in(line.substr(at + key.size() + 1));
    std::string value;
    in >> value;
    return value;
  }
  return {};
}

std::string money(const std::string& value) {
  if (value.empty()) return "-";
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.2f", std::strtod(value.c_str(), nullptr));
  return buffer;
}

std::string metres(const std::string& value) {
  if (value.empty()) return "-";
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.1f", std::strtod(value.c_str(), nullptr));
  return buffer;
}

}  // namespace

PlanFigures gatherPlanFigures(const AppContext& app) {
  const CSkyrigDoc& doc = app.doc;
  const auto& runs = app.view.runs;
  PlanFigures f;
  if (!doc.georeference.crsWkt.empty()) {
    f.coordinateSystem = gis::crsLabel(doc.georeference.crsWkt);
    f.coordinateSystemOrigin = doc.georeference.crsOrigin;
  }

  std::set<std::pair<int, int>> usedRoads;
  std::vector<std::set<int>> roadsOfLanding(kLandingSlots);
  for (int i = 1; i <= runs.cableAssignments.count; ++i) {
    const auto& a = runs.cableAssignments[i];
    if (a.landing < 1 || a.landing > kMaxLandings) continue;
    usedRoads.insert({a.landing, a.cableway});
    roadsOfLanding[static_cast<std::size_t>(a.landing)].insert(a.cableway);
  }
  f.cableRoadsUsed = static_cast<int>(usedRoads.size());

  for (int i = 1; i <= doc.landingCount && i <= kMaxLandings; ++i) {
    if (doc.landings[i].system > 0) ++f.landingsPlaced;
    for (int j = 0; j < kCablewaysPerLanding; ++j)
      if (doc.cableways[i][j].pointCount > 0)
        ++f.cableRoadsGenerated;
    const float volume = runs.landingVolume[static_cast<std::size_t>(i)];
    if (volume <= 0.0f) continue;
    f.landings.push_back({i, doc.landings[i].system, doc.landings[i].col, doc.landings[i].row,
                          volume, static_cast<int>(roadsOfLanding[static_cast<std::size_t>(i)].size())});
    f.servedVolume += volume;
  }

  const UnitBox& box = doc.unitBox;
  for (int c = std::max(1, box.minCol); c <= std::min(doc.ncols, box.maxCol); ++c) {
    for (int r = std::max(1, box.minRow); r <= std::min(doc.nrows, box.maxRow); ++r) {
      if (doc.unitCellFlags(c, r) != 1) continue;
      const float original = doc.volumeGridOriginal(c, r);
      if (original > 0.0f) f.unitVolume += original;
      // The cable network builder marks a cell no cable road reaches with volume -1.
      if (doc.volumeGrid(c, r) == -1.0f) {
        ++f.unreachableCells;
        if (original > 0.0f) f.unreachableVolume += original;
      }
    }
  }

  const auto finalLines = readLines(app.paths, "E:\\thesis\\output\\T&ResultsSepFinal.txt");
  const std::string cableV = valueAfter(finalLines, "CableV");
  const std::string cableF = valueAfter(finalLines, "CableF");
  const std::string roadV = valueAfter(finalLines, "RoadV");
  const std::string roadF = valueAfter(finalLines, "RoadF");
  if (!cableV.empty() && !cableF.empty()) {
    f.cableCost = std::to_string(std::strtod(cableV.c_str(), nullptr) +
                                 std::strtod(cableF.c_str(), nullptr));
  }
  if (!roadV.empty() && !roadF.empty()) {
    f.roadCost = std::to_string(std::strtod(roadV.c_str(), nullptr) +
                                std::strtod(roadF.c_str(), nullptr));
  }
  f.totalCost = valueAfter(finalLines, "OverallTotal");
  f.bestIteration = valueAfter(finalLines, "Iteration");

  for (const std::string& line : readLines(app.paths, "E:\\thesis\\output\\T&Results.txt"))
    if (line.rfind("Iteration ", 0) == 0) ++f.iterations;

  // The grand totals of the road mileage report: total length, then the grade classes.
  const auto mileage = readLines(app.paths, "E:\\thesis\\output\\RoadMileage.txt");
  bool inGrand = false;
  for (const std::string& line : mileage) {
    if (line.rfind("Grand total road length:", 0) == 0) {
      // The report repeats the running grand totals after every sale; the last block counts.
      inGrand = true;
      f.roadLengths.clear();
      f.roadLengthTotal = valueAfter({line}, "Grand total road length");
      continue;
    }
    if (!inGrand) continue;
    // "grandslope5_10: 120.000000" -> grade 5 - 10 %
    if (line.rfind("grandslope", 0) != 0) continue;
    const auto colon = line.find(':');
    if (colon == std::string::npos) continue;
    std::string range = line.substr(10, colon - 10);
    const auto underscore = range.find('_');
    if (underscore != std::string::npos) range.replace(underscore, 1, " - ");
    const std::string label = "grade " + range + " %";
    f.roadLengths.emplace_back(label, valueAfter({line}, line.substr(0, colon)));
  }
  return f;
}

void addUnservedReasons(PlanFigures& figures, const PlanSheetData& plan) {
  if (!plan.hasPlan) return;
  for (int s = static_cast<int>(CellService::NoRoadReaches); s < kCellServiceCount; ++s)
    if (plan.unservedCells[s] > 0)
      figures.unservedReasons.push_back({cellServiceText(static_cast<CellService>(s)),
                                         plan.unservedCells[s], plan.unservedVolume[s]});
}

std::string formatPlanSummary(const PlanFigures& f) {
  std::ostringstream out;
  char line[256];
  out << "\nPlan summary\n============\n";
  std::snprintf(line, sizeof line, "%-34s %d of %d placed\n", "Landings used",
                static_cast<int>(f.landings.size()), f.landingsPlaced);
  out << line;
  for (const auto& l : f.landings) {
    std::snprintf(line, sizeof line, "  landing %-3d system %d  cell C%dR%-4d %10.1f m3  %2d cable roads\n",
                  l.id, l.system, l.col, l.row, static_cast<double>(l.volume), l.cableRoads);
    out << line;
  }
  std::snprintf(line, sizeof line, "%-34s %d (of %d generated)\n", "Cable roads used",
                f.cableRoadsUsed, f.cableRoadsGenerated);
  out << line;
  std::snprintf(line, sizeof line, "%-34s %.1f m3\n", "Harvest unit volume", f.unitVolume);
  out << line;
  std::snprintf(line, sizeof line, "%-34s %.1f m3\n", "Volume served", f.servedVolume);
  out << line;
  std::snprintf(line, sizeof line, "%-34s %.1f m3\n", "Volume unserved",
                f.unitVolume - f.servedVolume > 0.0 ? f.unitVolume - f.servedVolume : 0.0);
  out << line;
  if (f.unservedReasons.empty()) {
    std::snprintf(line, sizeof line, "%-34s %d cells, %.1f m3\n",
                  "  of it: no cable road reaches it", f.unreachableCells, f.unreachableVolume);
    out << line;
  }
  for (const auto& reason : f.unservedReasons) {
    std::snprintf(line, sizeof line, "  %-50s %5d cells, %.1f m3\n", (reason.reason + ":").c_str(),
                  reason.cells, reason.volume);
    out << line;
  }
  std::snprintf(line, sizeof line, "%-34s %s m\n", "New road length",
                metres(f.roadLengthTotal).c_str());
  out << line;
  for (const auto& [label, value] : f.roadLengths) {
    std::snprintf(line, sizeof line, "  %-32s %s m\n", label.c_str(), metres(value).c_str());
    out << line;
  }
  std::snprintf(line, sizeof line, "%-34s $ %s\n", "Cable cost", money(f.cableCost).c_str());
  out << line;
  std::snprintf(line, sizeof line, "%-34s $ %s\n", "Road cost", money(f.roadCost).c_str());
  out << line;
  std::snprintf(line, sizeof line, "%-34s $ %s\n", "Total cost", money(f.totalCost).c_str());
  out << line;
  std::snprintf(line, sizeof line, "%-34s %d (best: %s)\n", "Iterations", f.iterations,
                f.bestIteration.empty() ? "-" : f.bestIteration.c_str());
  out << line;
  std::snprintf(line, sizeof line, "%-34s ", "Coordinate system");
  out << line
      << (f.coordinateSystem.empty()
              ? std::string("none: the GIS files carry none and no GPX file is written")
              : f.coordinateSystem + " (from " + f.coordinateSystemOrigin + ")")
      << "\n";
  return out.str();
}

}  // namespace skyrig
