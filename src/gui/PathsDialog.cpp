#include "PathsDialog.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace skyrig::gui {

PathsDialog::PathsDialog(const PathSettings& settings, QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Workspace and Paths"));

  auto* rootBox = new QGroupBox(QStringLiteral("Workspace folder (E:/thesis)"), this);
  auto* rootRow = new QGridLayout(rootBox);
  root_ = new QLineEdit(settings.root, rootBox);
  auto* rootBrowse = new QPushButton(QStringLiteral("Browse..."), rootBox);
  rootRow->addWidget(root_, 0, 0);
  rootRow->addWidget(rootBrowse, 0, 1);
  connect(rootBrowse, &QPushButton::clicked, this, &PathsDialog::browseRoot);
  connect(root_, &QLineEdit::textChanged, this, &PathsDialog::showLocations);

  auto* pathBox = new QGroupBox(QStringLiteral("Stored paths"), this);
  auto* grid = new QGridLayout(pathBox);
  for (int i = 0; i < kStoredPathCount; ++i) {
    paths_[i] = new QLineEdit(settings.paths[i], pathBox);
    paths_[i]->setMinimumWidth(420);
    locations_[i] = new QLabel(pathBox);
    locations_[i]->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* browse = new QPushButton(QStringLiteral("Browse..."), pathBox);
    auto* label = new QLabel(QString::fromLatin1(kStoredPathLabels[i]), pathBox);
    label->setBuddy(paths_[i]);
    grid->addWidget(label, 2 * i, 0);
    grid->addWidget(paths_[i], 2 * i, 1);
    grid->addWidget(browse, 2 * i, 2);
    grid->addWidget(locations_[i], 2 * i + 1, 1, 1, 2);
    connect(browse, &QPushButton::clicked, this, [this, i] { browsePath(i); });
    connect(paths_[i], &QLineEdit::textChanged, this, &PathsDialog::showLocations);
  }

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(rootBox);
  layout->addWidget(pathBox);
  layout->addWidget(buttons);
  showLocations();
}

PathSettings PathsDialog::settings() const {
  PathSettings settings;
  settings.root = root_->text().trimmed();
  for (int i = 0; i < kStoredPathCount; ++i) settings.paths[i] = paths_[i]->text().trimmed();
  return settings;
}

void PathsDialog::showLocations() {
  const QString root = root_->text().trimmed();
  for (int i = 0; i < kStoredPathCount; ++i) {
    const QString file = resolvedPath(root, paths_[i]->text());
    const QFileInfo info(file);
    // The results file is written by the program, so a missing one is no fault.
    const bool resultsFile = i == kStoredPathCount - 1;
    const QString state = info.isFile()  ? QStringLiteral("found")
                          : resultsFile ? QStringLiteral("not written yet")
                                        : QStringLiteral("missing");
    locations_[i]->setText(QStringLiteral("<small>%1 (%2)</small>").arg(file.toHtmlEscaped(), state));
  }
}

void PathsDialog::browseRoot() {
  const QString folder = QFileDialog::getExistingDirectory(
      this, QStringLiteral("Workspace folder"), root_->text().trimmed());
  if (!folder.isEmpty()) root_->setText(folder);
}

void PathsDialog::browsePath(int index) {
  const QString root = root_->text().trimmed();
  const QString current = resolvedPath(root, paths_[index]->text());
  const QString caption = QString::fromLatin1(kStoredPathLabels[index]);
  const QString file =
      index == kStoredPathCount - 1
          ? QFileDialog::getSaveFileName(this, caption, current, QString(), nullptr,
                                         QFileDialog::DontConfirmOverwrite)
          : QFileDialog::getOpenFileName(this, caption, current);
  if (!file.isEmpty()) paths_[index]->setText(storedPathForPick(root, file));
}

}  // namespace skyrig::gui
