// The plan improvement on the sample project: loads the layers and landings, generates and
// analyses the cable roads, puts a timber exit at C72R68, runs the separate run (the baseline,
// timed in the same run), then Network > Improve Plan. Prints both plans' costs, the lower bound
// on every plan and each plan's gap to it, every level's improvement with its own bound, and
// the times. Then, when the command line program was built, times the whole `skyrig-cli plan`
// of the sample (improvement, sheets and GIS files included) on a second copy. Ends with each
// goal met or missed: each level within 0.5 % of its own bound in every iteration, the
// improved total below the separate run's, a whole-plan gap under 1 %, the whole plan within
// 60 s. Works on copies of examples/southzone.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "app/CommandTable.h"
#include "sample_project.h"
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

void goal(const char* what, bool met, const std::string& figure) {
  std::printf("goal %-58s %s (%s)\n", what, met ? "met" : "MISSED", figure.c_str());
}

std::string format(const char* pattern, double value) {
  char text[64];
  std::snprintf(text, sizeof text, pattern, value);
  return text;
}

// Wall seconds of `skyrig-cli plan` on a fresh copy of the sample; negative when it failed.
double timeWholePlan(const std::filesystem::path& sample) {
#ifdef SKYRIG_CLI
  const std::filesystem::path copy =
      std::filesystem::temp_directory_path() / "skyrig_improve_bench_plan";
  std::filesystem::remove_all(copy);
  std::filesystem::create_directories(copy / "output");
  std::filesystem::copy(sample / "skyrig.json", copy / "skyrig.json");
  std::filesystem::copy(sample / "Forest", copy / "Forest", std::filesystem::copy_options::recursive);
  if (std::filesystem::exists(sample / "output/planningarea1"))
    std::filesystem::copy(sample / "output/planningarea1", copy / "output/planningarea1",
                          std::filesystem::copy_options::recursive);
  const std::string command =
      std::string("'") + SKYRIG_CLI + "' plan --quiet '" + copy.string() + "' >/dev/null";
  const auto start = Steady::now();
  const int status = std::system(command.c_str());
  const double seconds = since(start);
  std::filesystem::remove_all(copy);
  return status == 0 ? seconds : -1;
#else
  (void)sample;
  return -1;
#endif
}

}  // namespace

int main() {
  const std::filesystem::path root = bench::copySample("skyrig_improve_bench");
  auto doc = makeDocument();
  auto view = std::make_unique<CSkyrigView>();
  ScriptedUi ui;
  NullCanvas canvas;
  Paths paths(root);
  SystemClock wallClock;
  Random random;
  AppContext app{*doc, *view, ui, canvas, paths, wallClock, random};
  initialUpdate(*doc, *view);
  if (!bench::loadAndAnalyseSample(app)) return 1;

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

  double worstLevelGap = 0;
  bool everyLevelBounded = true;
  for (const LevelSolve& solve : plan->solves) {
    if (!solve.bound) everyLevelBounded = false;
    else worstLevelGap = std::max(worstLevelGap, gapPercent(solve.cost, *solve.bound));
  }
  const double planSeconds =
      timeWholePlan(std::filesystem::path(SKYRIG_SOURCE_DIR) / "examples/southzone");
  if (planSeconds >= 0)
    std::printf("whole skyrig-cli plan of the sample: %.1f s (its separate run alone %.1f s)\n",
                planSeconds, separateSeconds);
  goal("every level within 0.5 % of its own bound", everyLevelBounded && worstLevelGap < 0.5,
       everyLevelBounded ? format("worst %.3f %%", worstLevelGap) : "a level without bound");
  goal("improved total below the separate run's",
       plan->improved.costs.total() < plan->specified.costs.total(),
       format("ratio %.4f", plan->improved.costs.total() / plan->specified.costs.total()));
  goal("whole-plan gap under 1 %", plan->bound && gapPercent(plan->improved.costs.total(), *plan->bound) < 1.0,
       plan->bound ? format("%.3f %%", gapPercent(plan->improved.costs.total(), *plan->bound))
                   : "no bound");
  goal("whole skyrig-cli plan within 60 s", planSeconds >= 0 && planSeconds <= 60,
       planSeconds >= 0 ? format("%.1f s", planSeconds) : "not run (no skyrig-cli in this build)");
  return 0;
}
