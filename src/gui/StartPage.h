// StartPage: what the window shows before a project or a terrain model is open: open a
// project, the recent projects, the bundled sample project, and where to start otherwise.
#pragma once

#include <QStringList>
#include <QWidget>
#include <functional>

class QLabel;
class QListWidget;
class QPushButton;

namespace skyrig::gui {

class StartPage : public QWidget {
  Q_OBJECT

 public:
  explicit StartPage(QWidget* parent = nullptr);

  std::function<void()> onOpenProject;
  std::function<void(const QString& folder)> onOpenFolder;

  // The recent projects, and the sample's folder ("" when the sample is not installed).
  void refresh(const QStringList& recentProjects, const QString& sampleFolder);

  QPushButton* openProjectButton() const { return openProject_; }
  QPushButton* sampleButton() const { return sample_; }
  QListWidget* recentList() const { return recent_; }

 private:
  QPushButton* openProject_ = nullptr;
  QPushButton* sample_ = nullptr;
  QListWidget* recent_ = nullptr;
  QLabel* recentTitle_ = nullptr;
  QString sampleFolder_;
};

// The bundled sample project: beside the program when installed, else in the source tree the
// program was built from; "" when neither holds it.
QString sampleProjectFolder();

}  // namespace skyrig::gui
