#include "CSkyrigApp.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <exception>

#include "CMainFrame.h"
#include "DocumentType.h"
#include "PathSettings.h"
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
  // The commands that redraw the whole map run as specified; a plan on show is drawn over
  // the new map again, so zooming or showing a layer does not wipe it.
  const bool redraws = id == "ZoomIn" || id == "ZoomOut" || id == "LayersShowDem" ||
                       id == "LayersShowVolume";
  const bool keepPlan = redraws && !planSummary_.isEmpty() && view_->runs.cableAssignments.count > 0;
  return asUserAction([&] {
    command->operation(context_);
    if (keepPlan) drawPlanOverlay(context_);
  });
}

void CSkyrigApp::leaveMouseMode() {
  if (busy_) return;
  CSkyrigView& v = *view_;
  const bool inMode = v.placingLanding || v.drawingBoundary || v.placingTimberExit || v.pickingCableway;
  v.placingLanding = v.drawingBoundary = v.placingTimberExit = v.pickingCableway = 0;
  if (inMode) frame_->showStatus(QStringLiteral("Mouse mode left: clicks on the map place nothing now"));
}

void CSkyrigApp::mouse(MouseAction action, int logicalX, int logicalY) {
  asUserAction([&] { handleMouse(context_, action, logicalX, logicalY); });
}

void CSkyrigApp::newDocument() {
  if (!runCommand("FileNew")) return;
  canvas_.clear();
  projectFolder_.clear();
  projectText_.clear();
  savedFingerprint_.clear();
  planSummary_.clear();
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
