// The About box: the application icon, "Skyrig Version 1.0" and an OK button.
#pragma once

#include <QDialog>

namespace skyrig::gui {

class AboutBox : public QDialog {
  Q_OBJECT

 public:
  explicit AboutBox(QWidget* parent = nullptr);
};

}  // namespace skyrig::gui
