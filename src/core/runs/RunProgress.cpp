#include "runs/RunProgress.h"

#include <algorithm>
#include <cstdio>

#include "app/AppContext.h"
#include "app/Clock.h"
#include "app/Ui.h"
#include "document/CSkyrigDoc.h"

namespace skyrig {

namespace {

std::string money(float value) {
  char text[64];
  std::snprintf(text, sizeof text, "%.2f", static_cast<double>(value));
  return text;
}

}  // namespace

RunProgress::RunProgress(AppContext& app, std::string runName, std::int64_t startSeconds)
    : app_(app), solver_(app.doc.solver), runName_(std::move(runName)), start_(startSeconds) {
  solver_.progress = [this](int iteration, float total, float bestTotal) {
    return solverIteration(iteration, total, bestTotal);
  };
}

RunProgress::~RunProgress() { solver_.progress = nullptr; }

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

bool RunProgress::solverIteration(int iteration, float total, float bestTotal) {
  if (cancelled_) return false;
  std::string text = runName_ + ": ";
  if (!stage_.empty()) text += stage_ + " ";
  text += "iteration " + std::to_string(iteration) + " of at most 200, best solve total " +
          money(std::min(total, bestTotal));
  if (hasRunBest_) text += ", best run total " + money(runBest_);
  return ask(text + ", elapsed " + elapsedText());
}

}  // namespace skyrig
