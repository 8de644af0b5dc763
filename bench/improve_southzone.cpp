// The plan improvement on the sample project: loads the layers and landings, generates and
// analyses the cable roads, puts a timber exit at C72R68, runs the separate run (the baseline,
// timed in the same run), then Network > Improve Plan. Prints both plans' costs, the lower bound
// on every plan and each plan's gap to it, every level's improvement with its own bound, and
// the times. Targets: each level within 0.5 % of its bound, the improved total below the
// separate run's, a whole-plan gap under 1 %. Works on a copy of examples/southzone.
#include <chrono>
#include <cstdio>
#include <filesystem>

#include "app/CommandTable.h"
#include "document/CSkyrigDoc.h"
#include "runs/PlanImprovement.h"
#include "seams/Clock.h"
#include "seams/Paths.h"
#include "seams/Random.h"
#include "seams/ScriptedUi.h"
#include "view/AppContext.h"
#include "view/CSkyrigView.h"

using namespace skyrig;
using Steady = std::chrono::steady_clock;

namespace {

double since(Steady::time_point start) {
  return std::chrono::duration<double>(Steady::now() - start).count();
}

double gapPercent(double cost, double bound) { return 100.0 * (cost - bound) / cost; }

}  // namespace

int main() {
  const std::filesystem::path root =
      std::filesystem::temp_directory_path() / "skyrig_improve_bench";
  std::filesystem::remove_all(root);
  std::filesystem::copy(std::filesystem::path(SKYRIG_SOURCE_DIR) / "examples/southzone", root,
                        std::filesystem::copy_options::recursive);
  auto doc = makeDocument();
  auto view = std::make_unique<CSkyrigView>();
  ScriptedUi ui;
  NullCanvas canvas;
  Paths paths(root);
  SystemClock wallClock;
  Random random;
  AppContext app{*doc, *view, ui, canvas, paths, wallClock, random};
  initialUpdate(*doc, *view);
  for (const char* id : {"FileOpenDtm", "FileOpenVolume", "FileOpenStreams", "FileOpenRoads",
                         "BoundaryByFile", "LandingsOpen", "CablewaysGenerate",
                         "AnalysesCableways"})
    if (!runCommand(id, app)) {
      std::fprintf(stderr, "the command %s is not available in this build\n", id);
      return 1;
    }
  doc->timberExits[1] = {68, 72};
  doc->timberExitCount = 1;

  auto start = Steady::now();
  runCommand("NetworkOptimizing", app);
  const double separateSeconds = since(start);
  start = Steady::now();
  const auto plan = improvePlan(app);
  const double improveSeconds = since(start);
  for (const std::string& line : ui.messages()) std::printf("%s\n", line.c_str());
  if (!plan) return 1;

  std::printf("separate run (baseline): total %.2f (cable %.2f, road %.2f) in %.1f s\n",
              plan->specified.costs.total(), plan->specified.costs.cable(),
              plan->specified.costs.road(), separateSeconds);
  std::printf("improved plan: total %.2f (cable %.2f, road %.2f) in %.1f s, %d iterations, "
              "best %d\n",
              plan->improved.costs.total(), plan->improved.costs.cable(),
              plan->improved.costs.road(), improveSeconds, plan->iterations, plan->bestIteration);
  std::printf("ratio improved / separate run total: %.4f\n",
              plan->improved.costs.total() / plan->specified.costs.total());
  for (const LevelSolve& solve : plan->solves)
    std::printf("  iteration %d %s level: %.2f, bound %s, gap %s, %.1f s (%s)\n",
                solve.iteration, solve.cable ? "cable" : "road ", solve.cost,
                solve.bound ? std::to_string(*solve.bound).c_str() : "-",
                solve.bound ? (std::to_string(gapPercent(solve.cost, *solve.bound)) + " %").c_str()
                            : "-",
                solve.seconds, solve.method.c_str());
  if (plan->bound) {
    std::printf("lower bound on every plan: %.2f\n", *plan->bound);
    std::printf("gap of the separate run's plan %.3f %%, of the improved plan %.3f %%\n",
                gapPercent(plan->specified.costs.total(), *plan->bound),
                gapPercent(plan->improved.costs.total(), *plan->bound));
  } else {
    std::printf("no lower bound proven\n");
  }
  std::printf("  (%s)\n", plan->boundMethod.c_str());
  std::filesystem::remove_all(root);
  return 0;
}
