// QtUi: the desktop side of Ui: message boxes with the system's texts and icons, the modal
// form dialogs, status text for the status bar and a progress dialog for long operations.
#pragma once

#include <QElapsedTimer>
#include <QPointer>
#include <QProgressDialog>
#include <QString>
#include <functional>
#include <string_view>

#include "RepeatedMessages.h"
#include "seams/Ui.h"

class QWidget;

namespace skyrig {
class QImageCanvas;
}

namespace skyrig::gui {

class QtUi final : public Ui {
 public:
  // `window` gives the window that dialogs belong to (the main frame; may return nullptr).
  explicit QtUi(std::function<QWidget*()> window = {});
  ~QtUi() override;

  void message(std::string_view text, MessageIcon icon) override;
  FormResult runForm(FormModel& form) override;
  void status(std::string_view text) override;
  bool progress(std::string_view text) override;

  // One user action (a command or a mouse event): repeated messages are gathered within it and
  // the progress dialog lives until it ends. Scopes nest; the outermost one counts.
  void beginOperation();
  void endOperation();
  bool inOperation() const { return operationDepth_ > 0; }

  // Messages raised so far (shown or gathered), to tell whether an action raised any.
  std::size_t messageCount() const { return messageCount_; }

  // The parent for a modal window opened now: the topmost modal dialog, else the main frame.
  QWidget* dialogParent() const;

  // Shows one message box (default: a modal QMessageBox); tests may replace it.
  std::function<void(const MessageBoxText&)> showBox;
  // Adds to a message what to do first when the message says a step is missing ("" = nothing).
  std::function<std::string(std::string_view)> explain;
  // Receives every status text (the frame puts it into the status bar).
  std::function<void(const QString&)> onStatus;
  // Called before the window repaints while a long operation runs (the map widget refreshes).
  std::function<void()> onRepaint;

  // The picture the profile check draws into; the profile check form is shown with it.
  const QImageCanvas* profilePicture = nullptr;

  int progressShowDelayMs = 400;    // a progress dialog appears only for longer operations
  int progressEventIntervalMs = 40; // how often a long operation lets the window repaint
  QProgressDialog* progressDialog() const { return progressDialog_; }

 private:
  void closeProgress();

  std::function<QWidget*()> window_;
  RepeatedMessages repeated_;
  int operationDepth_ = 0;
  int formDepth_ = 0;  // messages raised while a form is open are the user's typing feedback
  QPointer<QProgressDialog> progressDialog_;
  QElapsedTimer progressClock_;
  QElapsedTimer eventClock_;
  bool cancelled_ = false;
  std::size_t messageCount_ = 0;
};

// A modal box with the program title, an OK button and the icon's standard picture.
void showMessageBox(QWidget* parent, const MessageBoxText& box);

}  // namespace skyrig::gui
