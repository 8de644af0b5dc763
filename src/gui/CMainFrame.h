// CMainFrame: the main window: menus and tool bar built from the command table, the map
// widget, and the status bar with its message pane and the CAP, NUM and SCRL indicators.
// Framework commands (project file, printing, bars, help, About) are handled here; every other
// command runs its core operation through the application.
#pragma once

#include <QLabel>
#include <QMainWindow>
#include <QPrinter>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class QMenu;
class QToolBar;

namespace skyrig::gui {

class CSkyrigApp;
class MapWidget;

class CMainFrame : public QMainWindow {
  Q_OBJECT

 public:
  explicit CMainFrame(CSkyrigApp& app);
  ~CMainFrame() override;

  // The action of a command by its id (menu entry and tool-bar button share it).
  QAction* action(std::string_view id) const;
  // A menu by its path without '&' marks: "Input Data>Harvest Unit Boundary".
  QMenu* menu(const QString& path) const;
  QToolBar* toolBar() const { return toolBar_; }
  MapWidget* mapWidget() const { return map_; }
  const std::vector<QAction*>& recentFileActions() const { return recentActions_; }
  QAction* pathsAction() const { return pathsAction_; }
  QString statusText() const { return message_->text(); }
  QLabel* indicator(const QString& text) const;

  void showStatus(const QString& text);
  void mapChanged();
  void documentChanged();
  void recentFilesChanged();

  // Framework commands, also called by the tests.
  void fileOpen();
  void fileSave();
  void fileSaveAs();
  void filePrint();
  void filePrintPreview();
  void filePrintSetup();
  void editPaths();
  void helpTopics();
  void helpAbout();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void createMenus();
  void createToolBar();
  void createStatusBar();
  QMenu* menuFor(const std::string& menuPath);
  void commandChosen(const std::string& id);

  CSkyrigApp& app_;
  MapWidget* map_ = nullptr;
  QToolBar* toolBar_ = nullptr;
  QLabel* message_ = nullptr;
  std::map<QString, QLabel*> indicators_;
  std::map<std::string, QAction*, std::less<>> actions_;
  std::map<QString, QMenu*> menus_;
  std::vector<QAction*> recentActions_;
  QAction* pathsAction_ = nullptr;
  std::unique_ptr<QPrinter> printer_;
};

}  // namespace skyrig::gui
