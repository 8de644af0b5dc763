// Progress and cancel of a planning run: a Ui that the run hands to the solver, which passes
// messages and forms on and turns each solver report into one line with the run iteration, the
// solver iteration, the best totals so far and the elapsed time. Once the user cancels, every
// later report of the run answers "stop", so each later solve ends as early as it can.
#pragma once

#include <cstdint>
#include <string>

#include "seams/Ui.h"

namespace skyrig {

struct AppContext;

class RunProgress final : public Ui {
 public:
  RunProgress(AppContext& app, std::string runName, std::int64_t startSeconds);

  void message(std::string_view text, MessageIcon icon) override;
  FormResult runForm(FormModel& form) override;
  void status(std::string_view text) override;
  // A solver report ("Solving the network: iteration N"); false once the run is cancelled.
  bool progress(std::string_view text) override;

  // What the run is doing, e.g. "iteration 2 of at most 10, cable solve".
  void setStage(std::string stage) { stage_ = std::move(stage); }
  void setRunBest(float best) {
    runBest_ = best;
    hasRunBest_ = true;
  }
  // Reports the stage alone; false once the run is cancelled.
  bool report();
  bool cancelled() const { return cancelled_; }

 private:
  bool ask(const std::string& text);
  std::string elapsedText() const;

  AppContext& app_;
  std::string runName_;
  std::int64_t start_;
  std::string stage_;
  float runBest_ = 0;
  bool hasRunBest_ = false;
  bool cancelled_ = false;
};

}  // namespace skyrig
