// Ui: message boxes, modal forms, status text and progress of long operations. The GUI shows
// them; the headless runner and the tests answer forms from a script and record messages.
#pragma once

#include <string>
#include <string_view>

namespace skyrig {

class FormModel;

enum class MessageIcon { Exclamation, Stop, Information };

enum class FormResult { Ok, Cancel };

class Ui {
 public:
  virtual ~Ui() = default;

  virtual void message(std::string_view text, MessageIcon icon) = 0;

  // Shows the form modally; on OK the caller applies the form's effects.
  virtual FormResult runForm(FormModel& form) = 0;

  // The cell text the view writes while the mouse moves.
  virtual void status(std::string_view /*text*/) {}

  // Progress of a long operation; returns false when the user asked to cancel.
  virtual bool progress(std::string_view /*text*/) { return true; }
};

std::string_view iconName(MessageIcon icon);

}  // namespace skyrig
