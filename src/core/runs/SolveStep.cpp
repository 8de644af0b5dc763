#include "runs/SolveStep.h"

#include "document/CSkyrigDoc.h"
#include "runs/RunFiles.h"
#include "runs/RunProgress.h"
#include "solver/Solve.h"
#include "view/AppContext.h"
#include "view/MapLayers.h"

namespace skyrig {

std::optional<Solution> solveNetwork(AppContext& app, RunProgress& progress,
                                     std::string_view pathFile, std::string_view iterationLog) {
  SolverTables& solver = app.doc.solver;
  solver.pathFileName = std::string(pathFile);
  solver.iterationLogName = std::string(iterationLog);
  // The path file of the last good solve stays until this solve has written its own.
  std::optional<Solution> solution = solve(app.doc, progress, app.paths, app.random);
  if (solution && progress.cancelled()) appendCancelledNote(app.paths, iterationLog);
  // A path file the solver could not write it has reported already.
  if (!solution || solver.pathFileWritten == 0) return std::nullopt;
  return solution;
}

void redrawMap(AppContext& app) { showDem(app.doc, app.view, app.canvas); }

}  // namespace skyrig
