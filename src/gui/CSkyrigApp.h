// CSkyrigApp: one running program: the project document and its map view, the seams the core
// works through (messages and forms, the map canvas, paths, clock, random numbers), the main
// frame, the settings and the project file commands.
#pragma once

#include <QMessageBox>
#include <QString>
#include <functional>
#include <memory>
#include <string_view>

#include "CellIdentity.h"
#include "LandingUndo.h"
#include "MapCanvas.h"
#include "MapLayerSet.h"
#include "QImageCanvas.h"
#include "QtUi.h"
#include "RecentFileList.h"
#include "app/ProjectFile.h"
#include "document/CSkyrigDoc.h"
#include "mouse/MouseHandlers.h"
#include "seams/Clock.h"
#include "seams/Paths.h"
#include "seams/Random.h"
#include "view/AppContext.h"
#include "view/CSkyrigView.h"

namespace skyrig::gui {

class CMainFrame;
struct PathSettings;

struct StartOptions {
  QString root;  // workspace root; empty: the stored one, else the current folder
  QString file;  // project folder (or .skr project file) to open; empty: File New
};

class CSkyrigApp {
 public:
  explicit CSkyrigApp(const StartOptions& options = {});
  ~CSkyrigApp();
  CSkyrigApp(const CSkyrigApp&) = delete;
  CSkyrigApp& operator=(const CSkyrigApp&) = delete;

  // Start-up: open the file given on the command line, else File New; then show the window.
  void start();

  CMainFrame& frame() { return *frame_; }
  AppContext& context() { return context_; }
  CSkyrigDoc& doc() { return *doc_; }
  CSkyrigView& view() { return *view_; }
  QtUi& ui() { return ui_; }
  Paths& paths() { return paths_; }
  MapCanvas& canvas() { return canvas_; }
  QImageCanvas& profilePicture() { return profilePicture_; }
  RecentFileList& recentFiles() { return recentFiles_; }
  const QString& documentPath() const { return documentPath_; }
  bool busy() const { return busy_; }

  // Runs the bound operation of a command as one user action; false when the command is
  // unknown, has no operation, or another action is still running.
  bool runCommand(std::string_view id);
  // Runs an action on the core as one user action (progress dialog, gathered messages); false
  // when another action is still running.
  bool userAction(const std::function<void()>& action);
  // Escape: the map leaves the mode a command put it in (placing a landing or a timber exit,
  // drawing the boundary, picking a cable road).
  void leaveMouseMode();
  // A mouse event of the map, in logical map units.
  void mouse(MouseAction action, int logicalX, int logicalY);

  // The project file commands: the file stores nothing, so New and Open only run the view's
  // initial update and clear the map; Save writes an empty file.
  void newDocument();
  bool openDocument(const QString& file);
  bool saveDocument(const QString& file);

  void applyWorkspace(const PathSettings& settings);

  // Project folders (skyrig.json). Open reads the project and the plan an earlier run left
  // there; a folder without a project file is offered one. False when nothing was opened.
  bool openProject(const QString& folder);
  // Save Project: skyrig.json in `folder` (default: the open project's) and the landings file.
  // A folder other than the open project's is Save Project As: the project moves there, its
  // landings file with it. False (with a message) when nothing was replaced.
  bool saveProject(const QString& folder = {});
  // The project differs from what its files hold (parameters, paths, landings, exits).
  bool projectModified() const;
  // Network > Plan: the main job on the open project; the plan and its summary are shown.
  bool planProject();
  const QString& projectFolder() const { return projectFolder_; }
  const ProjectSettings& projectSettings() const { return projectSettings_; }
  RecentFileList& recentProjects() { return recentProjects_; }
  // The plan summary of the last plan shown ("" when none).
  const QString& planSummary() const { return planSummary_; }

  // The map's layers as the layer panel shows them. Switching one redraws the map from the
  // layers that are on.
  const LayerSwitches& layerSwitches() const { return layers_; }
  void switchLayer(MapLayer layer, bool on);
  // Clears the map and draws the layers that are on.
  void redrawMap();
  // Zooms so that the whole grid, or the harvest unit, fills the map window, and centres it.
  void fitToWindow();
  void zoomToHarvestUnit();
  // What the identify panel shows for the cell under a logical map point.
  std::vector<std::pair<std::string, std::string>> identifyAt(int logicalX, int logicalY) const;
  // Edit > Undo: the landings as they were before the last placement or deletion.
  const LandingUndo& landingUndo() const { return landingUndo_; }
  bool undoLandingChange();

  // Asks a question with buttons (default: a modal QMessageBox); tests may replace it.
  std::function<QMessageBox::StandardButton(const QString& text, QMessageBox::StandardButtons)> ask;

 private:
  template <typename Action>
  bool asUserAction(Action&& action);
  void documentChanged(const QString& path);
  void saveRecentFiles();
  void projectChanged(const QString& folder, bool withPlan);
  void showPlanSummary(bool hasPlan);
  std::string projectFingerprint() const;
  void layersChanged();
  void resetMapState();
  void planChanged();
  void zoomToCells(int firstCol, int firstRow, int lastCol, int lastRow, int marginMetres);
  void rememberLandings(std::unique_ptr<LandingTables> before);

  StartOptions options_;
  std::unique_ptr<CSkyrigDoc> doc_;
  std::unique_ptr<CSkyrigView> view_;
  Paths paths_;
  SystemClock clock_;
  Random random_;
  MapCanvas canvas_;
  QImageCanvas profilePicture_;
  QtUi ui_;
  AppContext context_;
  RecentFileList recentFiles_;
  RecentFileList recentProjects_{QStringLiteral("Recent Project List")};
  QString projectFolder_;
  ProjectSettings projectSettings_;
  std::string projectText_;       // the project file as last read or written
  std::string savedFingerprint_;  // projectFingerprint() then
  QString planSummary_;
  LayerSwitches layers_;
  PlanCellIndex planCells_;
  LandingUndo landingUndo_;
  int exitPlaced_ = 0;  // the timber exit a button press placed, said after the release
  QString documentPath_;
  bool busy_ = false;
  std::unique_ptr<CMainFrame> frame_;
};

}  // namespace skyrig::gui
