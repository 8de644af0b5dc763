#include "GuiTestSupport.h"

#include <QApplication>
#include <QDialog>
#include <QAbstractButton>
#include <QMessageBox>
#include <QSettings>
#include <QStandardPaths>
#include <QTimer>

namespace skyrig::gui::testing {

void usePrivateSettings() {
  static QTemporaryDir folder;
  QStandardPaths::setTestModeEnabled(true);
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder.path());
  QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder.path());
}

namespace {

void poll(std::function<bool(QWidget*)> matches, std::function<void(QWidget*)> action,
          int triesLeft) {
  QTimer::singleShot(10, qApp, [matches, action, triesLeft] {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal != nullptr && modal->isVisible() && matches(modal)) {
      action(modal);
      return;
    }
    if (triesLeft > 0) poll(matches, action, triesLeft - 1);
  });
}

}  // namespace

void whenModal(std::function<void(QWidget*)> action) {
  poll([](QWidget*) { return true; }, std::move(action), 1000);
}

void whenModalTitled(const QString& title, std::function<void(QWidget*)> action) {
  poll([title](QWidget* w) { return w->windowTitle() == title; }, std::move(action), 1000);
}

QString messageText(QWidget* widget) {
  auto* box = qobject_cast<QMessageBox*>(widget);
  return box == nullptr ? QString() : box->text();
}

void accept(QWidget* widget) {
  if (auto* box = qobject_cast<QMessageBox*>(widget)) {
    box->button(QMessageBox::Ok) ? box->button(QMessageBox::Ok)->click() : box->accept();
  } else if (auto* dialog = qobject_cast<QDialog*>(widget)) {
    dialog->accept();
  }
}

QString sampleRoot() { return QStringLiteral(SKYRIG_SOURCE_DIR "/examples/southzone"); }

}  // namespace skyrig::gui::testing
