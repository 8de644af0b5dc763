#include "StartPage.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "ToolIcons.h"

namespace skyrig::gui {

QString sampleProjectFolder() {
  const QString program = QCoreApplication::applicationDirPath();
  const QStringList candidates = {
      program + QStringLiteral("/../share/skyrig/examples/southzone"),
      program + QStringLiteral("/examples/southzone"),
      QStringLiteral(SKYRIG_SAMPLE_DIR),
  };
  for (const QString& folder : candidates)
    if (QFileInfo::exists(folder + QStringLiteral("/skyrig.json")))
      return QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
  return {};
}

StartPage::StartPage(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("StartPage"));
  setAutoFillBackground(true);
  auto* column = new QVBoxLayout;
  column->setSpacing(12);

  auto* title = new QLabel(QStringLiteral("<h1>Skyrig</h1><p>Cable logging and forest road planning: "
                                          "landings, cable roads and the roads that take the "
                                          "timber out, planned on a terrain model.</p>"),
                           this);
  title->setWordWrap(true);
  column->addWidget(title);

  openProject_ = new QPushButton(toolIcon("OpenProject"), QStringLiteral("Open Project..."), this);
  openProject_->setToolTip(QStringLiteral("File > Open Project...: a folder with skyrig.json, its "
                                          "layers, landings and the plan of its last run"));
  connect(openProject_, &QPushButton::clicked, this, [this] {
    if (onOpenProject) onOpenProject();
  });
  sample_ = new QPushButton(toolIcon("Plan"), QStringLiteral("Open the Sample Project"), this);
  connect(sample_, &QPushButton::clicked, this, [this] {
    if (onOpenFolder && !sampleFolder_.isEmpty()) onOpenFolder(sampleFolder_);
  });
  for (QPushButton* button : {openProject_, sample_}) {
    button->setIconSize(QSize(24, 24));
    button->setMinimumHeight(40);
    button->setStyleSheet(QStringLiteral("text-align: left; padding-left: 10px;"));
    column->addWidget(button);
  }

  recentTitle_ = new QLabel(QStringLiteral("<b>Recent projects</b>"), this);
  column->addWidget(recentTitle_);
  recent_ = new QListWidget(this);
  recent_->setMaximumHeight(160);
  connect(recent_, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
    if (onOpenFolder) onOpenFolder(item->data(Qt::UserRole).toString());
  });
  connect(recent_, &QListWidget::itemClicked, recent_, &QListWidget::itemActivated);
  column->addWidget(recent_);

  auto* hint = new QLabel(
      QStringLiteral("<p>Network &gt; Plan (F5) runs the whole planning job on an open project. "
                     "To start from the layers instead: File &gt; Open DTM, then the other "
                     "layers of the File menu (File &gt; Workspace and Paths... shows where they "
                     "are read from).</p>"),
      this);
  hint->setWordWrap(true);
  column->addWidget(hint);
  column->addStretch(1);

  auto* centred = new QHBoxLayout(this);
  centred->addStretch(1);
  auto* holder = new QWidget(this);
  holder->setLayout(column);
  holder->setMaximumWidth(560);
  holder->setMinimumWidth(420);
  centred->addWidget(holder, 2);
  centred->addStretch(1);
  centred->setContentsMargins(20, 40, 20, 20);
}

void StartPage::refresh(const QStringList& recentProjects, const QString& sampleFolder) {
  sampleFolder_ = sampleFolder;
  sample_->setEnabled(!sampleFolder.isEmpty());
  sample_->setToolTip(sampleFolder.isEmpty()
                          ? QStringLiteral("The sample project is not installed with this program")
                          : QStringLiteral("The South Zone sample: %1").arg(QDir::toNativeSeparators(sampleFolder)));
  recent_->clear();
  for (const QString& folder : recentProjects) {
    auto* item = new QListWidgetItem(QFileInfo(folder).fileName() + QStringLiteral("  \u2014  ") +
                                     QDir::toNativeSeparators(folder), recent_);
    item->setData(Qt::UserRole, folder);
    item->setToolTip(folder);
  }
  recentTitle_->setVisible(!recentProjects.isEmpty());
  recent_->setVisible(!recentProjects.isEmpty());
}

}  // namespace skyrig::gui
