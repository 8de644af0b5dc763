// ScriptedUi: a Ui that answers forms from queued answers and records every message and form,
// for the headless runner and the tests.
#pragma once

#include <deque>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "seams/FormModel.h"
#include "seams/Ui.h"

namespace skyrig {

struct FormAnswer {
  std::string title;
  bool ok = true;
  // Field edits in order: (label, value). A label naming a button presses it.
  std::vector<std::pair<std::string, std::string>> edits;
};

class ScriptedUi : public Ui {
 public:
  void queueAnswer(FormAnswer answer) { answers_.push_back(std::move(answer)); }

  void message(std::string_view text, MessageIcon icon) override;
  FormResult runForm(FormModel& form) override;
  void status(std::string_view text) override;
  bool progress(std::string_view text) override;

  // Every output line: "message ICON: TEXT", "form TITLE: ok|cancel", notes, status lines.
  const std::vector<std::string>& log() const { return log_; }
  std::vector<std::string> messages() const;  // the message lines only
  void clearLog() { log_.clear(); }

  // Called with each line as it is recorded (the CLI prints them).
  std::function<void(const std::string&)> echo;
  bool recordStatus = false;
  bool recordProgress = false;
  // Set to true to have the next progress() call ask for cancellation.
  bool cancelRequested = false;

 private:
  void record(std::string line);
  std::deque<FormAnswer> answers_;
  std::vector<std::string> log_;
};

}  // namespace skyrig
