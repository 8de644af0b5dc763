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

class QDockWidget;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QToolBar;

namespace skyrig::gui {

class CSkyrigApp;
class LayerPanel;
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
  // The project folder commands: Open Project..., Save Project, Save Project As..., Plan.
  QAction* projectAction(const QString& name) const;
  const std::vector<QAction*>& recentProjectActions() const { return recentProjectActions_; }
  QDockWidget* summaryPanel() const { return summaryDock_; }
  LayerPanel* layerPanel() const { return layerPanel_; }
  QDockWidget* identifyPanel() const { return identifyDock_; }
  QString identifyText() const;
  // View > Fit to Window, View > Zoom to Harvest Unit.
  QAction* viewAction(const QString& name) const { return projectAction(name); }
  QString statusText() const { return message_->text(); }
  QLabel* indicator(const QString& text) const;

  void showStatus(const QString& text);
  void mapChanged();
  void documentChanged();
  void recentFilesChanged();
  void planSummaryChanged();
  // The layers or their data changed: the layer panel shows them again.
  void layersChanged();
  // The cell under the mouse, for the identify panel.
  void showIdentity(const std::vector<std::pair<std::string, std::string>>& lines);
  // Edit > Undo names what it undoes, and is available only then.
  void undoChanged();

  // Framework commands, also called by the tests.
  void fileOpen();
  void fileSave();
  void fileSaveAs();
  void fileOpenProject();
  void fileSaveProjectAs();
  // Before the project is left: when it has unsaved changes, asks whether to save them; false
  // when the user cancels (or the save failed).
  bool maybeSaveProject();
  void filePrint();
  void filePrintPreview();
  void filePrintSetup();
  void editPaths();
  void helpTopics();
  void helpAbout();

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void createMenus();
  void createToolBar();
  void createStatusBar();
  void createProjectActions();
  void createSummaryPanel();
  void createLayerPanels();
  void createViewActions();
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
  std::map<QString, QAction*> projectActions_;
  std::vector<QAction*> recentProjectActions_;
  QMenu* recentProjectsMenu_ = nullptr;
  QDockWidget* summaryDock_ = nullptr;
  QPlainTextEdit* summaryText_ = nullptr;
  LayerPanel* layerPanel_ = nullptr;
  QDockWidget* identifyDock_ = nullptr;
  QLabel* identifyText_ = nullptr;
  std::unique_ptr<QPrinter> printer_;
};

}  // namespace skyrig::gui
