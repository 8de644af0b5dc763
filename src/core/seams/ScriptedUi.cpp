#include "seams/ScriptedUi.h"

#include <algorithm>

namespace skyrig {

std::string_view iconName(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::Exclamation: return "exclamation";
    case MessageIcon::Stop: return "stop";
    case MessageIcon::Information: return "information";
  }
  return "exclamation";
}

void ScriptedUi::record(std::string line) {
  if (echo) echo(line);
  log_.push_back(std::move(line));
}

void ScriptedUi::message(std::string_view text, MessageIcon icon) {
  record("message " + std::string(iconName(icon)) + ": " + std::string(text));
}

void ScriptedUi::status(std::string_view text) {
  if (recordStatus) record("status: " + std::string(text));
}

bool ScriptedUi::progress(std::string_view text) {
  if (recordProgress) record("progress: " + std::string(text));
  if (cancelRequested) {
    cancelRequested = false;
    return false;
  }
  return true;
}

FormResult ScriptedUi::runForm(FormModel& form) {
  const std::string title = form.title();
  auto it = std::find_if(answers_.begin(), answers_.end(),
                         [&](const FormAnswer& a) { return a.title == title; });
  if (it == answers_.end()) {
    record("note: no answer queued for form " + title + "; taken with OK and its shown values");
    if (!form.validateOnOk(*this)) {
      record("form " + title + ": cancel");
      return FormResult::Cancel;
    }
    record("form " + title + ": ok");
    return FormResult::Ok;
  }
  FormAnswer answer = std::move(*it);
  answers_.erase(it);
  const std::vector<std::string> buttons = form.buttons();
  for (const auto& [label, value] : answer.edits) {
    if (std::find(buttons.begin(), buttons.end(), label) != buttons.end()) {
      form.pressButton(label, *this);
    } else if (!form.editField(label, value, *this)) {
      record("note: form " + title + " did not take " + label + "=" + value);
    }
  }
  if (answer.ok && !form.validateOnOk(*this)) {
    record("form " + title + ": cancel (OK refused)");
    return FormResult::Cancel;
  }
  record("form " + title + ": " + (answer.ok ? "ok" : "cancel"));
  return answer.ok ? FormResult::Ok : FormResult::Cancel;
}

std::vector<std::string> ScriptedUi::messages() const {
  std::vector<std::string> out;
  for (const auto& line : log_)
    if (line.rfind("message ", 0) == 0) out.push_back(line);
  return out;
}

}  // namespace skyrig
