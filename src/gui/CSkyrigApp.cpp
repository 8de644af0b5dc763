#include "CSkyrigApp.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <exception>

#include "CMainFrame.h"
#include "CommandFeedback.h"
#include "DocumentType.h"
#include "PathSettings.h"
#include "PrerequisiteHints.h"
#include "RoadPicking.h"
#include "cable/ProfileCheckOpening.h"
#include "view/MapDrawing.h"
#include "app/CommandTable.h"
#include "app/ProjectLoading.h"
#include "cable/ProfileCheckPicture.h"

namespace skyrig::gui {

namespace {

// The profile picture spans its logical width at one pixel per unit.
const QSize kProfilePicturePixels(kProfilePictureWidth, kProfilePictureHeight);
const int kProfilePictureExtent = kReferencePixels;

QSettings programSettings() { return QSettings(kSettingsOrganisation, kSettingsApplication); }

}  // namespace

CSkyrigApp::CSkyrigApp(const StartOptions& options)
    : options_(options),
      doc_(makeDocument()),
      view_(std::make_unique<CSkyrigView>()),
      canvas_(*doc_, *view_),
      profilePicture_(kProfilePicturePixels.width(), kProfilePicturePixels.height(),
                      kProfilePictureExtent),
      ui_([this]() -> QWidget* { return frame_.get(); }),
      context_{*doc_, *view_, ui_, canvas_, paths_, clock_, random_} {
  QSettings settings = programSettings();
  recentFiles_.load(settings);
  recentProjects_.load(settings);
  QString root = options_.root;
  if (root.isEmpty()) root = settings.value(kWorkspaceRootKey).toString();
  if (root.isEmpty()) root = QDir::currentPath();
  paths_.setRoot(QDir::cleanPath(QFileInfo(root).absoluteFilePath()).toStdString());
  canvas_.setWindowExtent(view_->windowExtent);
  view_->profileCanvas = &profilePicture_;
  ui_.profilePicture = &profilePicture_;

  frame_ = std::make_unique<CMainFrame>(*this);
  ui_.onStatus = [this](const QString& text) { frame_->showStatus(text); };
  ui_.onRepaint = [this] { frame_->mapChanged(); };
  ui_.explain = [this](std::string_view text) { return prerequisiteHint(text, context_); };
  ask = [this](const QString& text, QMessageBox::StandardButtons buttons) {
    return QMessageBox::question(ui_.dialogParent(), kApplicationTitle, text, buttons);
  };
}

CSkyrigApp::~CSkyrigApp() = default;

void CSkyrigApp::start() {
  const bool isFolder = !options_.file.isEmpty() && QFileInfo(options_.file).isDir();
  if (isFolder) {
    newDocument();
    frame_->showMaximized();
    openProject(options_.file);
    return;
  }
  if (options_.file.isEmpty() || !openDocument(options_.file)) newDocument();
  frame_->showMaximized();
}

template <typename Action>
bool CSkyrigApp::asUserAction(Action&& action) {
  if (busy_) return false;
  busy_ = true;
  canvas_.fitToMap();  // a DTM opened since the last action may need a larger picture
  ui_.beginOperation();
  try {
    action();
  } catch (const std::exception& error) {
    ui_.message(std::string("The operation stopped: ") + error.what(), MessageIcon::Stop);
  }
  ui_.endOperation();
  busy_ = false;
  frame_->mapChanged();
  return true;
}

bool CSkyrigApp::userAction(const std::function<void()>& action) {
  return asUserAction(action);
}

bool CSkyrigApp::runCommand(std::string_view id) {
  const Command* command = CommandTable::instance().findById(id);
  if (command == nullptr || !command->operation) return false;
  std::unique_ptr<LandingTables> before =
      id == "LandingsDelete" ? captureLandingTables(*doc_) : nullptr;
  const std::size_t messagesBefore = ui_.messageCount();
  // A command that redraws the whole map runs as specified; then the map is drawn again from
  // the layers the panel has on, so zooming or showing one layer keeps the plan, the cable
  // roads and the other layers on show.
  const bool ran = asUserAction([&] {
    command->operation(context_);
    layers_.noteCommand(id);
    if (redrawsWholeMap(id)) drawMapLayers(context_, layers_);
  });
  if (!ran) return false;
  if (before) rememberLandings(std::move(before));
  if (id == "NetworkOptimizing" || id == "ResultsOpenFile" || id == "NetworkImprovePlan")
    planChanged();
  layersChanged();
  const QString feedback = commandFeedback(id, context_, ui_.messageCount() != messagesBefore);
  if (!feedback.isEmpty()) frame_->showStatus(feedback);
  return true;
}

void CSkyrigApp::leaveMouseMode() {
  if (busy_) return;
  CSkyrigView& v = *view_;
  const bool inMode = v.placingLanding || v.drawingBoundary || v.placingTimberExit || v.pickingCableway;
  v.placingLanding = v.drawingBoundary = v.placingTimberExit = v.pickingCableway = 0;
  if (inMode) frame_->showStatus(QStringLiteral("Mouse mode left: clicks on the map place nothing now"));
}

void CSkyrigApp::mouse(MouseAction action, int logicalX, int logicalY) {
  if (action == MouseAction::Move) frame_->showIdentity(identifyAt(logicalX, logicalY));
  std::unique_ptr<LandingTables> before =
      action == MouseAction::Release && view_->placingLanding ? captureLandingTables(*doc_) : nullptr;
  const bool placingExit = view_->placingTimberExit != 0;
  const int exits = doc_->timberExitCount;
  // A road picked for its profile check is highlighted while its dialog is open; a click on
  // any cell of a road picks it, not only on its end cell.
  std::vector<RoadRef> picked;
  RoadRef through;
  if (action == MouseAction::Release && view_->pickingCableway && !view_->placingLanding && !busy_) {
    double x = 0, y = 0;
    mapToGround(*doc_, *view_, logicalX, logicalY, x, y);
    const CellPoint cell = cellUnderGroundPoint(*doc_, x, y);
    picked = roadsEndingAt(*doc_, cell.col, cell.row);
    if (picked.empty()) through = roadThroughCell(*doc_, cell.col, cell.row);
    if (through.landing > 0) picked.push_back(through);
    if (!picked.empty())
      userAction([&] {
        for (const RoadRef& road : picked) highlightRoad(context_, road);
      });
  }
  if (!asUserAction([&] { handleMouse(context_, action, logicalX, logicalY); })) return;
  if (through.landing > 0)
    userAction([&] {
      openProfileCheck(context_, through.landing,
                       doc_->landings[static_cast<std::size_t>(through.landing)].system, through.road);
    });
  if (!picked.empty()) redrawMap();
  if (before) rememberLandings(std::move(before));
  if (placingExit && doc_->timberExitCount > exits) exitPlaced_ = doc_->timberExitCount;
  if (action == MouseAction::Release && exitPlaced_ > 0) {
    // Said after the release, whose status text would cover it.
    const auto& exit = doc_->timberExits[static_cast<std::size_t>(exitPlaced_)];
    frame_->showStatus(QStringLiteral("Timber exit %1 placed at C%2R%3")
                           .arg(exitPlaced_).arg(exit.col).arg(exit.row));
    exitPlaced_ = 0;
  }
  if (action != MouseAction::Move) layersChanged();
}

void CSkyrigApp::resetMapState() {
  layers_ = LayerSwitches();
  landingUndo_ = {};
  planChanged();
  frame_->undoChanged();
  layersChanged();
}

void CSkyrigApp::newDocument() {
  if (!runCommand("FileNew")) return;
  canvas_.clear();
  projectFolder_.clear();
  projectText_.clear();
  savedFingerprint_.clear();
  planSummary_.clear();
  resetMapState();
  documentChanged(QString());
}

bool CSkyrigApp::openDocument(const QString& file) {
  const QFileInfo info(file);
  if (!info.isFile() || !info.isReadable()) {
    ui_.message(QStringLiteral("Cannot open the project file \"%1\".")
                    .arg(QDir::toNativeSeparators(file))
                    .toStdString(),
                MessageIcon::Exclamation);
    recentFiles_.remove(file);
    saveRecentFiles();
    return false;
  }
  if (!runCommand("FileOpen")) return false;
  canvas_.clear();
  projectFolder_.clear();
  projectText_.clear();
  savedFingerprint_.clear();
  planSummary_.clear();
  resetMapState();
  documentChanged(info.absoluteFilePath());
  return true;
}

bool CSkyrigApp::saveDocument(const QString& file) {
  QFile out(file);
  if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
    ui_.message(QStringLiteral("Cannot save the project file \"%1\".")
                    .arg(QDir::toNativeSeparators(file))
                    .toStdString(),
                MessageIcon::Exclamation);
    return false;
  }
  out.close();
  documentChanged(QFileInfo(file).absoluteFilePath());
  return true;
}

void CSkyrigApp::documentChanged(const QString& path) {
  documentPath_ = path;
  if (!path.isEmpty()) {
    recentFiles_.add(path);
    saveRecentFiles();
  }
  frame_->documentChanged();
  frame_->mapChanged();
}

void CSkyrigApp::saveRecentFiles() {
  QSettings settings = programSettings();
  recentFiles_.save(settings);
  recentProjects_.save(settings);
  frame_->recentFilesChanged();
}

void CSkyrigApp::applyWorkspace(const PathSettings& settings) {
  applyPathSettings(settings, *doc_, *view_, paths_);
  programSettings().setValue(kWorkspaceRootKey, settings.root);
}

}  // namespace skyrig::gui
