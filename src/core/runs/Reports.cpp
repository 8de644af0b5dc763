#include "runs/Reports.h"

#include <array>
#include <vector>

#include "document/CSkyrigDoc.h"
#include "network/RoadNetworkBuilder.h"
#include "network/SaleBuilders.h"
#include "runs/PathFileReader.h"
#include "runs/RoadLengthClasses.h"
#include "runs/RunFiles.h"
#include "seams/Ui.h"
#include "solver/Prepare.h"
#include "view/AppContext.h"
#include "view/CSkyrigView.h"

namespace skyrig {

namespace {

const char* nodeText(const CSkyrigDoc& doc, std::int32_t node) {
  return doc.solver.nodeNames[static_cast<std::size_t>(node)].text;
}

bool finish(AppContext& app, OutputFile& out, bool cancelled) {
  if (cancelled) std::fputs(kCancelledNote.data(), out.get());
  return finishOutputFile(app.ui, out);
}

constexpr const char* kGradeLabels[6] = {"slope0-5",   "slope5-10",  "slope10-15",
                                         "slope15-20", "slope20-25", "slope25-30"};
constexpr const char* kSideSlopeLabels[6] = {"sideslope0-15",  "sideslope15-30",
                                             "sideslope30-45", "sideslope45-60",
                                             "sideslope60-75", "sideslope75-90"};
constexpr const char* kGrandGradeLabels[6] = {"grandslope0_5",   "grandslope5_10",
                                              "grandslope10_15", "grandslope15_20",
                                              "grandslope20_25", "grandslope25_30"};
constexpr const char* kGrandSideSlopeLabels[6] = {
    "grandsideslope0_15",  "grandsideslope15_30", "grandsideslope30_45",
    "grandsideslope45_60", "grandsideslope60_75", "grandsideslope75_90"};

struct LengthByClass {
  std::array<float, 6> grade{};
  std::array<float, 6> sideSlope{};
  float length = 0;
};

double wide(float v) { return static_cast<double>(v); }

}  // namespace

bool writeCableReport(AppContext& app, const Routing& routing, bool cancelled) {
  const CSkyrigDoc& doc = app.doc;
  PathFileReader reader(app.paths, app.ui, routing, doc.solver.nodeCount,
                        PathFileReader::EmptyPath::Pass);
  if (!reader.isOpen()) return false;
  OutputFile file = createOutputFile(app.paths, app.ui, kCableReportFile);
  if (!file) return false;
  PathEntry entry;
  while (reader.next(entry)) {
    for (const std::int32_t node : entry.nodes) std::fprintf(file.get(), "%s-", nodeText(doc, node));
    std::fprintf(file.get(), "%f\n", wide(entry.volume));
  }
  reader.readTrailer();
  return finish(app, file, cancelled);
}

bool writeRoadReport(AppContext& app, const Routing& routing, bool cancelled) {
  const CSkyrigDoc& doc = app.doc;
  PathFileReader reader(app.paths, app.ui, routing, doc.solver.nodeCount,
                        PathFileReader::EmptyPath::Pass);
  if (!reader.isOpen()) return false;
  OutputFile file = createOutputFile(app.paths, app.ui, kRoadReportFile);
  if (!file) return false;
  std::FILE* out = file.get();
  PathEntry entry;
  while (reader.next(entry)) {
    std::fprintf(out, "Sale:\t%d\n", entry.sale);
    std::fprintf(out, "Volume:\t%f\n", wide(entry.volume));
    std::fprintf(out, "NumberofCells:\t%d\n", static_cast<int>(entry.nodes.size()));
    for (const std::int32_t node : entry.nodes) std::fprintf(out, "%s-", nodeText(doc, node));
    std::fputs("\n", out);
  }
  reader.readTrailer();
  return finish(app, file, cancelled);
}

void writeRoadMileageReport(AppContext& app) {
  CSkyrigDoc& doc = app.doc;
  // Without a separate run there is nothing to report: say so before anything is rebuilt.
  if (!FileHandle(app.paths.openForReading(kBestRoadPathReadFile))) {
    app.ui.message("There is no road solution to report: the file " +
                       app.paths.displayName(kBestRoadPathReadFile) +
                       " cannot be opened. Run Network > Optimizing first.",
                   MessageIcon::Exclamation);
    return;
  }
  if (!buildRoadNetwork(doc, app.paths, app.ui, -1)) return;
  if (!buildRoadSales(doc, app.paths, app.ui, app.view.runs.landingVolume)) return;
  prepare(doc, app.ui);

  PathFileReader reader(app.paths, app.ui, kBestRoadPathReadFile, doc.solver.nodeCount,
                        PathFileReader::EmptyPath::Pass);
  if (!reader.isOpen()) return;
  OutputFile file = createOutputFile(app.paths, app.ui, kRoadMileageFile);
  if (!file) return;
  std::FILE* out = file.get();

  // A link shared by several sales is reported once, under the first sale that uses it.
  std::vector<std::uint8_t> used(static_cast<std::size_t>(kMaxLinks) + 1, 0);
  LengthByClass grand;
  float grandVolume = 0;
  PathEntry entry;
  while (reader.next(entry)) {
    const float volume = entry.volume;
    const auto nodeCount = static_cast<int>(entry.nodes.size());
    std::fprintf(out, "Sale: %d\n", entry.sale);
    std::fprintf(out, "Volume: %f\n", wide(volume));
    std::fprintf(out, "Number of links: %d\n", nodeCount);
    std::fputs("Dist\tSlope\tSideSlope\n", out);
    if (nodeCount < 1) {
      app.ui.message("One of the sales could not be found.", MessageIcon::Exclamation);
      break;
    }
    float haulingCost = 0;
    float roadCost = 0;
    LengthByClass sale;
    for (int p = 2; p <= nodeCount; ++p) {
      const std::int32_t link =
          findLink(doc.solver, entry.nodes[static_cast<std::size_t>(p - 2)],
                   entry.nodes[static_cast<std::size_t>(p - 1)]);
      if (link == 0 || used[static_cast<std::size_t>(link)]) continue;
      used[static_cast<std::size_t>(link)] = 1;
      const LinkRecord& record = doc.network.links[link];
      const LinkAttributes& road = doc.network.links.attributes(link);
      haulingCost += volume * record.variableCost;
      roadCost += record.fixedCost;
      std::fprintf(out, "%d %f %f %f\n", p, wide(road.length), wide(road.grade),
                   wide(road.sideSlope));
      sale.length += road.length;
      sale.grade[static_cast<std::size_t>(gradeClass(road.grade))] += road.length;
      sale.sideSlope[static_cast<std::size_t>(sideSlopeClass(road.sideSlope))] += road.length;
    }
    std::fprintf(out, "haulingcosts: %f\n", wide(haulingCost));
    std::fprintf(out, "roadcosts: %f\n", wide(roadCost));
    std::fprintf(out, "total dist: %f\n", wide(sale.length));
    for (std::size_t k = 0; k < 6; ++k) std::fprintf(out, "%s: %f\n", kGradeLabels[k], wide(sale.grade[k]));
    for (std::size_t k = 0; k < 6; ++k)
      std::fprintf(out, "%s: %f\n", kSideSlopeLabels[k], wide(sale.sideSlope[k]));

    for (std::size_t k = 0; k < 6; ++k) {
      grand.grade[k] += sale.grade[k];
      grand.sideSlope[k] += sale.sideSlope[k];
    }
    grand.length += sale.length;
    grandVolume += volume;
    std::fputs("\n\n", out);
    std::fprintf(out, "Grand total volume: %f\n", wide(grandVolume));
    std::fprintf(out, "Grand total road length: %f\n", wide(grand.length));
    for (std::size_t k = 0; k < 6; ++k)
      std::fprintf(out, "%s: %f\n", kGrandGradeLabels[k], wide(grand.grade[k]));
    for (std::size_t k = 0; k < 6; ++k)
      std::fprintf(out, "%s: %f\n", kGrandSideSlopeLabels[k], wide(grand.sideSlope[k]));
  }
  finish(app, file, false);
}

}  // namespace skyrig
