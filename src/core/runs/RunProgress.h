// Progress and cancel of a planning run: reports the run iteration, the solver iteration, the
// best totals so far and the elapsed time through Ui::progress, and remembers a cancel so that
// every later solve of the run stops as early as it can.
#pragma once

#include <cstdint>
#include <string>

namespace skyrig {

struct AppContext;
struct SolverTables;

class RunProgress {
 public:
  // Installs the solver's progress callback for the lifetime of this object.
  RunProgress(AppContext& app, std::string runName, std::int64_t startSeconds);
  ~RunProgress();
  RunProgress(const RunProgress&) = delete;
  RunProgress& operator=(const RunProgress&) = delete;

  // What the run is doing, e.g. "iteration 2 of at most 10, cable solve".
  void setStage(std::string stage) { stage_ = std::move(stage); }
  void setRunBest(float best) {
    runBest_ = best;
    hasRunBest_ = true;
  }
  // Reports the stage alone; false once the user has cancelled.
  bool report();
  bool cancelled() const { return cancelled_; }

 private:
  bool solverIteration(int iteration, float total, float bestTotal);
  bool ask(const std::string& text);
  std::string elapsedText() const;

  AppContext& app_;
  SolverTables& solver_;
  std::string runName_;
  std::int64_t start_;
  std::string stage_;
  float runBest_ = 0;
  bool hasRunBest_ = false;
  bool cancelled_ = false;
};

}  // namespace skyrig
