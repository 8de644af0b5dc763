#include "GuiTestSupport.h"

#include <QApplication>
#include <QDialog>
#include <QDirIterator>
#include <QFileInfo>
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

std::unique_ptr<QTemporaryDir> sampleCopy() {
  auto folder = std::make_unique<QTemporaryDir>();
  const QDir sample(QStringLiteral(SKYRIG_SOURCE_DIR "/examples/southzone"));
  QDirIterator files(sample.path(), QDir::Files, QDirIterator::Subdirectories);
  while (files.hasNext()) {
    const QString file = files.next();
    const QString copy = folder->filePath(sample.relativeFilePath(file));
    QDir().mkpath(QFileInfo(copy).path());
    QFile::copy(file, copy);
  }
  return folder;
}

}  // namespace skyrig::gui::testing
