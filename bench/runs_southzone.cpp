// The whole planning case of the sample project: loads the layers and landings, generates and
// analyses the cable roads, puts a timber exit at C72R68, then times the separate run and the
// all-at-once run. Prints the plan's figures and the seconds per solver iteration of the cable,
// road and all-at-once solves, with the all-at-once iteration against the cable one (baseline).
// Works on a copy of examples/southzone in the temporary folder.
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "app/CommandTable.h"
#include "sample_project.h"
#include "document/CSkyrigDoc.h"
#include "seams/Clock.h"
#include "seams/Paths.h"
#include "seams/Random.h"
#include "seams/ScriptedUi.h"
#include "view/AppContext.h"
#include "view/CSkyrigView.h"

using namespace skyrig;
using Steady = std::chrono::steady_clock;

namespace {

double secondsBetween(Steady::time_point a, Steady::time_point b) {
  return std::chrono::duration<double>(b - a).count();
}

// Timestamps every solver iteration report: "<solve> iteration N of at most 200".
class TimingUi final : public ScriptedUi {
 public:
  bool progress(std::string_view text) override {
    static const std::regex solverIteration(
        R"(^(Optimizing: iteration \d+ of at most 10, (cable|road) solve|Optimizing all at once: solve) iteration (\d+) of)");
    std::cmatch m;
    const std::string line(text);
    if (std::regex_search(line.c_str(), m, solverIteration)) {
      const std::string solve = m[1].str();
      const int iteration = std::stoi(m[3].str());
      const std::string kind = m[2].matched ? m[2].str() : "all at once";
      const auto now = Steady::now();
      if (solve == lastSolve_ && iteration == lastIteration_ + 1)
        passes_[kind].push_back(secondsBetween(lastTime_, now));
      lastSolve_ = solve;
      lastIteration_ = iteration;
      lastTime_ = now;
    }
    return true;
  }
  double average(const std::string& kind) const {
    const auto it = passes_.find(kind);
    if (it == passes_.end() || it->second.empty()) return 0;
    double sum = 0;
    for (const double s : it->second) sum += s;
    return sum / static_cast<double>(it->second.size());
  }
  std::size_t count(const std::string& kind) const {
    const auto it = passes_.find(kind);
    return it == passes_.end() ? 0 : it->second.size();
  }
  // Pass `k` (from 1) of the kind's first solve: the time between the reports before passes
  // k and k + 1.
  double pass(const std::string& kind, std::size_t k) const {
    const auto it = passes_.find(kind);
    return it == passes_.end() || it->second.size() < k ? 0 : it->second[k - 1];
  }
  double averageFrom(const std::string& kind, std::size_t first) const {
    const auto it = passes_.find(kind);
    if (it == passes_.end() || it->second.size() < first) return 0;
    double sum = 0;
    for (std::size_t k = first - 1; k < it->second.size(); ++k) sum += it->second[k];
    return sum / static_cast<double>(it->second.size() - (first - 1));
  }

 private:
  std::map<std::string, std::vector<double>> passes_;
  std::string lastSolve_;
  int lastIteration_ = 0;
  Steady::time_point lastTime_;
};

std::string lastLine(const std::filesystem::path& file, const std::string& prefix) {
  std::FILE* f = std::fopen(file.string().c_str(), "rb");
  std::string found;
  if (!f) return found;
  char line[512];
  while (std::fgets(line, sizeof line, f))
    if (std::string(line).rfind(prefix, 0) == 0) found = line;
  std::fclose(f);
  while (!found.empty() && (found.back() == '\n' || found.back() == '\r')) found.pop_back();
  return found;
}

}  // namespace

int main() {
  const std::filesystem::path root = bench::copySample("skyrig_runs_bench");
  auto doc = makeDocument();
  auto view = std::make_unique<CSkyrigView>();
  TimingUi ui;
  NullCanvas canvas;
  Paths paths(root);
  SystemClock wallClock;
  Random random;
  AppContext app{*doc, *view, ui, canvas, paths, wallClock, random};
  initialUpdate(*doc, *view);

  if (!bench::loadAndAnalyseSample(app)) return 1;
  const Grid<float> unitVolume = doc->volumeGrid;

  auto start = Steady::now();
  runCommand("NetworkOptimizing", app);
  const double separateSeconds = secondsBetween(start, Steady::now());
  for (const std::string& line : ui.messages()) std::printf("%s\n", line.c_str());

  // The plan's figures, from the final drawing's lists and the volume grid.
  const RunWorkArea& runs = view->runs;
  std::set<int> landings;
  std::set<std::tuple<int, int, int>> roads;
  for (int i = 1; i <= runs.cableAssignments.count; ++i) {
    const CableAssignment& a = runs.cableAssignments[i];
    landings.insert(a.landing);
    roads.insert({a.landing, a.system, a.cableway});
  }
  double served = 0, unserved = 0;
  int servedCells = 0, unservedCells = 0;
  for (int r = 1; r <= doc->nrows; ++r)
    for (int c = 1; c <= doc->ncols; ++c) {
      if (doc->unitCellFlags(c, r) != 1 || !(unitVolume(c, r) > 0)) continue;
      if (doc->volumeGrid(c, r) == -1.0f) {
        unserved += unitVolume(c, r);
        ++unservedCells;
      } else {
        served += unitVolume(c, r);
        ++servedCells;
      }
    }
  runCommand("ResultsRoadReports", app);
  const std::filesystem::path out = root / "output";
  int iterations = 0;
  while (std::filesystem::exists(out / ("T&ResultsSep" + std::to_string(iterations + 1) + ".txt")))
    ++iterations;
  std::printf("separate run: %d iterations, %.1f s\n", iterations, separateSeconds);
  std::printf("  %s\n", lastLine(out / "T&ResultsSepFinal.txt", "Best Iteration").c_str());
  std::printf("  %s\n", lastLine(out / "T&ResultsSepFinal.txt", "CableV").c_str());
  std::printf("  %s\n", lastLine(out / "T&ResultsSepFinal.txt", "RoadV").c_str());
  std::printf("  %s\n", lastLine(out / "T&ResultsSepFinal.txt", "OverallTotal").c_str());
  std::printf("  landings used %zu of %d, cable roads used %zu\n", landings.size(),
              doc->landingCount, roads.size());
  std::printf("  volume served %.1f m3 in %d cells, unserved %.1f m3 in %d cells\n", served,
              servedCells, unserved, unservedCells);
  std::printf("  %s (m)\n", lastLine(out / "RoadMileage.txt", "Grand total road length").c_str());
  std::printf("  cable solves: %.4f s per iteration (%zu iterations timed)\n", ui.average("cable"),
              ui.count("cable"));
  std::printf("  road solves: %.4f s per iteration (%zu iterations timed)\n", ui.average("road"),
              ui.count("road"));

  start = Steady::now();
  runCommand("NetworkOptimizingAllAtOnce", app);
  const double allSeconds = secondsBetween(start, Steady::now());
  std::printf("all-at-once run: %.1f s, %s\n", allSeconds,
              lastLine(out / "T&ResultsAllAtOnce.txt", "Hour").c_str());
  std::printf("  pass 1 %.2f s, pass 2 (unused links at -1.0E8) %.2f s, passes 3 on %.4f s each; "
              "%.4f s per iteration over all %zu timed\n",
              ui.pass("all at once", 1), ui.pass("all at once", 2),
              ui.averageFrom("all at once", 3), ui.average("all at once"),
              ui.count("all at once"));
  if (ui.average("cable") > 0)
    std::printf("ratio all-at-once iteration / cable iteration (baseline): %.1f\n",
                ui.average("all at once") / ui.average("cable"));
  std::filesystem::remove_all(root);
  return 0;
}
