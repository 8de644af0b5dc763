#include <optional>
#include <string>

#include "document/CSkyrigDoc.h"
#include "network/CableNetworkBuilder.h"
#include "network/RoadNetworkBuilder.h"
#include "network/SaleBuilders.h"
#include "runs/OptimizationRuns.h"
#include "runs/PathFileReader.h"
#include "runs/ResultDrawing.h"
#include "runs/RunFiles.h"
#include "runs/RunProgress.h"
#include "runs/SolveStep.h"
#include "seams/Clock.h"
#include "view/AppContext.h"

namespace skyrig {

void runAllAtOnceOptimization(AppContext& app) {
  CSkyrigDoc& doc = app.doc;
  OutputFile log = createOutputFile(app.paths, app.ui, kAllAtOnceLogFile);
  if (!log) return;
  const std::int64_t start = app.clock.nowSeconds();
  RunProgress progress(app, "Optimizing all at once", start);

  progress.setStage("building the combined network");
  progress.report();
  if (!buildCombinedCableNetwork(doc, app.paths, app.ui) ||
      !buildCombinedRoadNetwork(doc, app.paths, app.ui) ||
      !buildCombinedSales(doc, app.paths, app.ui)) {
    std::fputs("Run stopped: the combined network could not be built\n", log.get());
    finishOutputFile(app.ui, log);
    return;
  }
  progress.setStage("solve");
  progress.report();
  // No iteration log: the name a separate run left would have this solve overwrite that run's
  // last road log. The name is put back for the document's sake.
  const std::string separateRunLog = doc.solver.iterationLogName;
  const std::optional<Solution> solved = solveNetwork(app, progress, kAllPathFile, "");
  doc.solver.iterationLogName = separateRunLog;
  if (!solved) {
    std::fputs("Run stopped: the combined network was not solved or its path file not written\n", log.get());
    finishOutputFile(app.ui, log);
    return;
  }
  const float total = doc.solver.bestTotal;
  progress.setStage("drawing");
  progress.report();
  drawAllAtOnceResult(app, &*solved);

  const ElapsedTime elapsed = splitElapsed(app.clock.nowSeconds() - start);
  std::fprintf(log.get(), "Hour Min Sec Total %f %f %f %f\n", static_cast<double>(elapsed.hours),
               static_cast<double>(elapsed.minutes), static_cast<double>(elapsed.seconds),
               static_cast<double>(total));
  if (progress.cancelled()) std::fputs(kCancelledNote.data(), log.get());
  finishOutputFile(app.ui, log);
}

}  // namespace skyrig
