#include "runs/RunProgress.h"

#include <algorithm>
#include <cstdio>

#include "document/CSkyrigDoc.h"
#include "seams/Clock.h"
#include "view/AppContext.h"

namespace skyrig {

namespace {

constexpr std::string_view kSolverReport = "Solving the network: iteration ";

std::string money(float value) {
  char text[64];
  std::snprintf(text, sizeof text, "%.2f", static_cast<double>(value));
  return text;
}

}  // namespace

RunProgress::RunProgress(AppContext& app, std::string runName, std::int64_t startSeconds)
    : app_(app), runName_(std::move(runName)), start_(startSeconds) {}

void RunProgress::message(std::string_view text, MessageIcon icon) { app_.ui.message(text, icon); }
FormResult RunProgress::runForm(FormModel& form) { return app_.ui.runForm(form); }
void RunProgress::status(std::string_view text) { app_.ui.status(text); }

std::string RunProgress::elapsedText() const {
  const std::int64_t seconds = std::max<std::int64_t>(app_.clock.nowSeconds() - start_, 0);
  char text[64];
  std::snprintf(text, sizeof text, "%lld:%02d:%02d", static_cast<long long>(seconds / 3600),
                static_cast<int>(seconds / 60 % 60), static_cast<int>(seconds % 60));
  return text;
}

bool RunProgress::ask(const std::string& text) {
  // Once cancelled, the run only finishes what it must; it asks no more.
  if (cancelled_) return false;
  if (!app_.ui.progress(text)) cancelled_ = true;
  return !cancelled_;
}

bool RunProgress::report() {
  std::string text = runName_ + ": " + stage_;
  if (hasRunBest_) text += ", best total so far " + money(runBest_);
  return ask(text + ", elapsed " + elapsedText());
}

bool RunProgress::progress(std::string_view text) {
  if (cancelled_) return false;
  std::string line = runName_ + ": " + stage_;
  if (text.substr(0, kSolverReport.size()) == kSolverReport) {
    const std::string iteration(text.substr(kSolverReport.size()));
    line += " iteration " + iteration + " of at most 200";
    // Before the first pass there is no solution yet.
    if (iteration != "1") line += ", best solve total " + money(app_.doc.solver.bestTotal);
  } else {
    line += ", " + std::string(text);
  }
  if (hasRunBest_) line += ", best run total " + money(runBest_);
  return ask(line + ", elapsed " + elapsedText());
}

}  // namespace skyrig
