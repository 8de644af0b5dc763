// The built-in help page of Help Topics and context help: the usual course of work and every
// command of the menus with what it does.
#pragma once

#include <QDialog>
#include <QString>

namespace skyrig::gui {

// The page as HTML, generated from the command table.
QString helpPageHtml();

class HelpPage : public QDialog {
  Q_OBJECT

 public:
  explicit HelpPage(QWidget* parent = nullptr);
};

}  // namespace skyrig::gui
