#include "QtUi.h"

#include <QApplication>
#include <QMessageBox>
#include <QProgressDialog>
#include <memory>

#include "FormDialog.h"
#include "ProfileCheckDialog.h"
#include "ProgressWording.h"
#include "cable/ProfileCheckForm.h"

namespace skyrig::gui {

namespace {

QMessageBox::Icon boxIcon(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::Exclamation: return QMessageBox::Warning;
    case MessageIcon::Stop: return QMessageBox::Critical;
    case MessageIcon::Information: return QMessageBox::Information;
  }
  return QMessageBox::Warning;
}

QString toQString(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

void showMessageBox(QWidget* parent, const MessageBoxText& box) {
  QMessageBox dialog(boxIcon(box.icon), QStringLiteral("Skyrig"),
                     QString::fromStdString(box.text), QMessageBox::Ok, parent);
  dialog.exec();
}

QtUi::QtUi(std::function<QWidget*()> window) : window_(std::move(window)) {
  showBox = [this](const MessageBoxText& box) { showMessageBox(dialogParent(), box); };
}

QtUi::~QtUi() { closeProgress(); }

QWidget* QtUi::dialogParent() const {
  if (QWidget* modal = QApplication::activeModalWidget()) return modal;
  return window_ ? window_() : nullptr;
}

void QtUi::message(std::string_view text, MessageIcon icon) {
  ++messageCount_;
  const std::string message = std::string(text) + (explain ? explain(text) : std::string());
  if (formDepth_ > 0 || operationDepth_ == 0) {
    showBox({message, icon});
    return;
  }
  for (const MessageBoxText& box : repeated_.add(message, icon)) showBox(box);
}

FormResult QtUi::runForm(FormModel& form) {
  std::unique_ptr<QDialog> dialog;
  auto* profile = dynamic_cast<ProfileCheckForm*>(&form);
  if (profile != nullptr && profilePicture != nullptr)
    dialog = std::make_unique<ProfileCheckDialog>(*profile, *profilePicture, *this, dialogParent());
  else
    dialog = std::make_unique<FormDialog>(form, *this, dialogParent());
  ++formDepth_;
  const int result = dialog->exec();
  --formDepth_;
  return result == QDialog::Accepted ? FormResult::Ok : FormResult::Cancel;
}

void QtUi::status(std::string_view text) {
  if (onStatus) onStatus(toQString(text));
}

bool QtUi::progress(std::string_view text) {
  if (cancelled_) return false;
  if (!progressClock_.isValid()) {
    progressClock_.start();
    eventClock_.start();
  }
  if (!progressDialog_ && progressClock_.elapsed() >= progressShowDelayMs) {
    progressDialog_ = new QProgressDialog(dialogParent());
    progressDialog_->setWindowTitle(QStringLiteral("Skyrig"));
    progressDialog_->setCancelButtonText(QStringLiteral("Cancel"));
    progressDialog_->setRange(0, 0);
    progressDialog_->setMinimumDuration(0);
    progressDialog_->setAutoClose(false);
    progressDialog_->setAutoReset(false);
    // Modal: while the operation runs only its Cancel button takes input, so nothing else
    // touches the document.
    progressDialog_->setWindowModality(Qt::ApplicationModal);
    progressDialog_->setMinimumWidth(360);
    progressDialog_->show();
  }
  if (progressDialog_) {
    const ProgressLine worded = wordProgress(text);
    progressDialog_->setLabelText(worded.text);
    if (worded.percent >= 0) {
      progressDialog_->setRange(0, 100);
      progressDialog_->setValue(worded.percent);
    } else {
      progressDialog_->setRange(0, 0);
    }
  }
  if (eventClock_.elapsed() >= progressEventIntervalMs || progressShowDelayMs == 0) {
    eventClock_.restart();
    if (onRepaint) onRepaint();
    QCoreApplication::processEvents(progressDialog_ ? QEventLoop::AllEvents
                                                    : QEventLoop::ExcludeUserInputEvents);
  }
  if (progressDialog_ && progressDialog_->wasCanceled()) cancelled_ = true;
  return !cancelled_;
}

void QtUi::beginOperation() {
  if (operationDepth_++ == 0) {
    cancelled_ = false;
    progressClock_.invalidate();
  }
}

void QtUi::endOperation() {
  if (operationDepth_ == 0 || --operationDepth_ > 0) return;
  closeProgress();
  for (const MessageBoxText& box : repeated_.finish()) showBox(box);
}

void QtUi::closeProgress() {
  if (progressDialog_) {
    progressDialog_->hide();
    delete progressDialog_.data();
  }
  progressClock_.invalidate();
  cancelled_ = false;
}

}  // namespace skyrig::gui
