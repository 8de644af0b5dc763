#include "CommandFeedback.h"

#include <QDir>
#include <utility>

#include "document/CSkyrigDoc.h"
#include "document/CablewayFile.h"
#include "document/LandingsFile.h"
#include "seams/Paths.h"
#include "view/AppContext.h"
#include "view/CSkyrigView.h"

namespace skyrig::gui {

namespace {

QString written(const AppContext& app, std::string_view systemPath) {
  return QDir::toNativeSeparators(QString::fromStdString(app.paths.resolve(systemPath).string()));
}

// Cells of a layer grid above zero, and the sum of their values.
template <typename T>
std::pair<int, double> cellsAndSum(const CSkyrigDoc& doc, const Grid<T>& grid) {
  int cells = 0;
  double sum = 0;
  for (int c = 1; c <= doc.ncols; ++c)
    for (int r = 1; r <= doc.nrows; ++r)
      if (grid(c, r) > 0) {
        ++cells;
        sum += static_cast<double>(grid(c, r));
      }
  return {cells, sum};
}

int placedLandings(const CSkyrigDoc& doc) {
  int placed = 0;
  for (int i = 1; i <= doc.landingCount && i <= kMaxLandings; ++i)
    if (doc.landings[i].system > 0) ++placed;
  return placed;
}

}  // namespace

QString commandFeedback(std::string_view id, const AppContext& app, bool messageShown) {
  if (messageShown) return {};
  const CSkyrigDoc& doc = app.doc;
  if (id == "FileOpenDtm" && doc.ncols > 0)
    return QStringLiteral("DTM loaded: %1 x %2 cells, %3 m").arg(doc.ncols).arg(doc.nrows).arg(doc.cellSize);
  if (id == "FileOpenVolume") {
    const auto [cells, volume] = cellsAndSum(doc, doc.volumeGridOriginal);
    return QStringLiteral("Volume loaded: %1 timber cells, %2 m\u00b3").arg(cells).arg(volume, 0, 'f', 1);
  }
  if (id == "FileOpenStreams")
    return QStringLiteral("Streams loaded: %1 stream cells").arg(cellsAndSum(doc, doc.streamGrid).first);
  if (id == "FileOpenRoads")
    return QStringLiteral("Roads loaded: %1 road cells").arg(cellsAndSum(doc, doc.roadGrid).first);
  if (id == "BoundaryByFile")
    return QStringLiteral("Harvest unit loaded: %1 cells").arg(cellsAndSum(doc, doc.harvestUnitGrid).first);
  if (id == "LandingsOpen")
    return QStringLiteral("Landings loaded: %1 landings").arg(placedLandings(doc));
  if (id == "LandingsSave")
    return QStringLiteral("Landings written to %1").arg(written(app, kLandingsSavePath));
  if (id == "CablewaysSaveFile")
    return QStringLiteral("Cable roads written to %1").arg(written(app, kCablewaysSavePath));
  if (id == "CablewaysOpenFile") return QStringLiteral("Cable roads loaded");
  if (id == "AnalysesCableways") return QStringLiteral("Cable road analysis finished");
  if (id == "ResultsSaveFile")
    return QStringLiteral("Results written to %1").arg(written(app, "e:/thesis/output/ResultFile.dat"));
  if (id == "ResultsOpenFile") return QStringLiteral("Results loaded");
  if (id == "NetworkOptimizing" || id == "NetworkOptimizingAllAtOnce")
    return QStringLiteral("Run finished: the plan is drawn; the results and reports are in %1")
        .arg(written(app, "e:/thesis/output/"));
  return {};
}

}  // namespace skyrig::gui
