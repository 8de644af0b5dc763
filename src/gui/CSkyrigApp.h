// CSkyrigApp: one running program: the project document and its map view, the seams the core
// works through (messages and forms, the map canvas, paths, clock, random numbers), the main
// frame, the settings and the project file commands.
#pragma once

#include <QString>
#include <memory>
#include <string_view>

#include "MapCanvas.h"
#include "QImageCanvas.h"
#include "QtUi.h"
#include "RecentFileList.h"
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
  QString file;  // project file to open; empty: File New
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
  // A mouse event of the map, in logical map units.
  void mouse(MouseAction action, int logicalX, int logicalY);

  // The project file commands: the file stores nothing, so New and Open only run the view's
  // initial update and clear the map; Save writes an empty file.
  void newDocument();
  bool openDocument(const QString& file);
  bool saveDocument(const QString& file);

  void applyWorkspace(const PathSettings& settings);

 private:
  template <typename Action>
  bool asUserAction(Action&& action);
  void documentChanged(const QString& path);
  void saveRecentFiles();

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
  QString documentPath_;
  bool busy_ = false;
  std::unique_ptr<CMainFrame> frame_;
};

}  // namespace skyrig::gui
