// The Workspace and Paths dialog (File menu): the workspace folder that the stored
// "E:/thesis/..." paths are mapped under, and the eight stored paths with file pickers and a
// note of where each one points and whether the file is there.
#pragma once

#include <QDialog>
#include <array>

#include "PathSettings.h"

class QLabel;
class QLineEdit;

namespace skyrig::gui {

class PathsDialog : public QDialog {
  Q_OBJECT

 public:
  explicit PathsDialog(const PathSettings& settings, QWidget* parent = nullptr);

  PathSettings settings() const;
  QLineEdit* rootEdit() const { return root_; }
  QLineEdit* pathEdit(int index) const { return paths_[index]; }
  QLabel* locationLabel(int index) const { return locations_[index]; }

 private:
  void showLocations();
  void browseRoot();
  void browsePath(int index);

  QLineEdit* root_ = nullptr;
  std::array<QLineEdit*, kStoredPathCount> paths_{};
  std::array<QLabel*, kStoredPathCount> locations_{};
};

}  // namespace skyrig::gui
