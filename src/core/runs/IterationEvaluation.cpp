#include "runs/IterationEvaluation.h"

#include <algorithm>
#include <string>
#include <string_view>

#include "document/CSkyrigDoc.h"
#include "network/CableNetworkBuilder.h"
#include "network/RoadNetworkBuilder.h"
#include "network/SaleBuilders.h"
#include "runs/Reports.h"
#include "runs/PathFileReader.h"
#include "runs/ResultDrawing.h"
#include "runs/RunFiles.h"
#include "runs/SolutionFlows.h"
#include "seams/Ui.h"
#include "solver/Prepare.h"
#include "view/AppContext.h"
#include "view/CSkyrigView.h"

namespace skyrig {

namespace {

// Iteration numbers that make the builders restore their saved tables: the cable landings
// then carry their construction cost once and no road cost.
constexpr int kCableEvaluationIteration = 100;
constexpr int kRoadEvaluationIteration = 10;

struct Evaluation {
  bool final = false;
  std::string_view cablePath;
  std::string_view roadPath;
  const Solution& cable;
  const Solution& road;
  std::string resultsFile;
  int iteration = 0;
};

double wide(float v) { return static_cast<double>(v); }

std::optional<float> evaluate(AppContext& app, const Evaluation& e, bool cancelled) {
  CSkyrigDoc& doc = app.doc;
  RunWorkArea& runs = app.view.runs;

  // The evaluation prices the landings at their own cost; the road costs the next cable build
  // needs are put back afterwards, whatever happens here.
  struct KeptRoadCosts {
    RunWorkArea& runs;
    PerLanding<float> variable = runs.landingRoadVariableCost;
    PerLanding<float> fixed = runs.landingRoadFixedShare;
    ~KeptRoadCosts() {
      runs.landingRoadVariableCost = variable;
      runs.landingRoadFixedShare = fixed;
    }
  } kept{runs};
  for (int n = 1; n <= std::min(doc.landingCount, kMaxLandings); ++n) {
    runs.landingRoadVariableCost[static_cast<std::size_t>(n)] = 0;
    runs.landingRoadFixedShare[static_cast<std::size_t>(n)] = 0;
  }

  if (!buildCableNetwork(doc, app.paths, app.ui, runs.landingRoadVariableCost,
                         runs.landingRoadFixedShare, kCableEvaluationIteration) ||
      !buildCableSales(doc, app.paths, app.ui, kCableEvaluationIteration))
    return std::nullopt;
  prepare(doc, app.ui);
  const Routing cableRouting(e.cablePath, e.cable);
  if (!flowsFromRouting(app, cableRouting)) return std::nullopt;
  const UsedLinkCosts cable = usedLinkCosts(doc);
  drawCableResult(app, cableRouting);
  if (e.final && !writeCableReport(app, cableRouting, cancelled)) return std::nullopt;
  lookUpLandingVolumes(app);

  if (!buildRoadNetwork(doc, app.paths, app.ui, kRoadEvaluationIteration) ||
      !buildRoadSales(doc, app.paths, app.ui, runs.landingVolume))
    return std::nullopt;
  prepare(doc, app.ui);
  const Routing roadRouting(e.roadPath, e.road);
  if (!flowsFromRouting(app, roadRouting)) return std::nullopt;
  const UsedLinkCosts road = usedLinkCosts(doc);
  drawRoadResult(app, roadRouting);
  if (e.final && !writeRoadReport(app, roadRouting, cancelled)) return std::nullopt;

  const float totalVariable = cable.variable + road.variable;
  const float totalFixed = cable.fixed + road.fixed;
  const float overall = totalVariable + totalFixed;
  OutputFile file = createOutputFile(app.paths, app.ui, e.resultsFile);
  if (!file) return std::nullopt;
  std::FILE* out = file.get();
  if (e.final)
    std::fprintf(out, "Best Iteration: %d\n", e.iteration);
  else
    std::fprintf(out, "Iteration: %d\n", e.iteration);
  std::fprintf(out, "CableV: %f\tCableF: %f\n", wide(cable.variable), wide(cable.fixed));
  std::fprintf(out, "RoadV: %f RoadF: %f\n", wide(road.variable), wide(road.fixed));
  std::fprintf(out, "TotalV: %f TotalF: %f\n", wide(totalVariable), wide(totalFixed));
  if (!e.final)
    std::fprintf(out, "TotalCable: %f TotalRoad: %f\n", wide(cable.variable + cable.fixed),
                 wide(road.variable + road.fixed));
  std::fprintf(out, "OverallTotal: %f\n", wide(overall));
  if (cancelled) std::fputs(kCancelledNote.data(), out);
  if (!finishOutputFile(app.ui, file)) return std::nullopt;
  return overall;
}

}  // namespace

std::optional<float> evaluateIteration(AppContext& app, int iteration, bool cancelled,
                                       const Solution& cable, const Solution& road) {
  return evaluate(app,
                  Evaluation{false, kCablePathFile, kRoadPathFile, cable, road,
                             iterationResultsFile(iteration), iteration},
                  cancelled);
}

std::optional<float> evaluateBestIteration(AppContext& app, int bestIteration, bool cancelled,
                                           const Solution& cable, const Solution& road) {
  return evaluate(app,
                  Evaluation{true, kBestCablePathFile, kBestRoadPathFile, cable, road,
                             std::string(kFinalResultsFile), bestIteration},
                  cancelled);
}

}  // namespace skyrig
