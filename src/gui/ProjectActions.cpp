// The project folder commands of the application: Open Project (with the recent-project list)
// and Network > Plan.
#include <QDir>
#include <QElapsedTimer>
#include <optional>
#include <string_view>
#include <QFile>
#include <QFileInfo>
#include <fstream>
#include <sstream>

#include "CMainFrame.h"
#include "CSkyrigApp.h"
#include "app/PlanJob.h"
#include "app/ProjectLoading.h"
#include "app/ProjectSaving.h"
#include "document/LandingsFile.h"
#include "app/ProjectCreation.h"
#include "document/CSkyrigDoc.h"
#include "runs/PlanSheetData.h"
#include "runs/PlanSummary.h"
#include "runs/PlanImprovement.h"
#include "PlanComparison.h"

namespace skyrig::gui {

namespace {

QString native(const QString& path) { return QDir::toNativeSeparators(path); }

std::string fileText(const QString& file) {
  std::ifstream in(file.toStdString(), std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

QString listed(const std::vector<std::string>& lines) {
  QString text;
  for (const std::string& line : lines) text += QStringLiteral("\n  ") + QString::fromStdString(line);
  return text;
}

}  // namespace

bool CSkyrigApp::openProject(const QString& folder) {
  if (busy_) return false;
  const QString dir = QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
  if (!QFileInfo(dir).isDir()) {
    ui_.message(QStringLiteral("Cannot open the project folder \"%1\": there is no such folder.")
                    .arg(native(dir))
                    .toStdString(),
                MessageIcon::Exclamation);
    recentProjects_.remove(dir);
    saveRecentFiles();
    return false;
  }
  if (!QFileInfo::exists(dir + QStringLiteral("/skyrig.json"))) {
    const std::vector<std::string> found = findProjectLayers(dir.toStdString());
    QString question = QStringLiteral("The folder \"%1\" holds no project file (skyrig.json).")
                           .arg(native(dir));
    if (found.empty()) {
      question += QStringLiteral("\nNo terrain layers were found in it. Create an empty project "
                                 "file there?");
    } else {
      question += QStringLiteral("\nCreate one from the layers found there?") + listed(found);
    }
    if (ask(question, QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes) return false;
    std::string error;
    if (!createProjectFile(dir.toStdString(), error)) {
      ui_.message("The project file could not be created: " + error, MessageIcon::Exclamation);
      return false;
    }
  }

  ProjectOpening opening;
  std::string error;
  bool read = false;
  userAction([&] { read = skyrig::openProject(context_, dir.toStdString(), opening, error); });
  if (!read) {
    ui_.message(QStringLiteral("The project file \"%1\" has an error; nothing was loaded.\n%2")
                    .arg(native(dir + QStringLiteral("/skyrig.json")), QString::fromStdString(error))
                    .toStdString(),
                MessageIcon::Exclamation);
    return false;
  }
  projectSettings_ = opening.settings;
  projectText_ = fileText(dir + QStringLiteral("/skyrig.json"));
  canvas_.clear();
  landingUndo_ = {};
  frame_->undoChanged();
  layers_ = LayerSwitches();
  layers_.setPlan(opening.planLoaded);
  planChanged();
  projectChanged(dir, opening.planLoaded);
  fitToWindow();

  QStringList problems;
  if (!opening.missingInputs.empty())
    problems << QStringLiteral("These files of the project were not found; the rest was loaded:") +
                    listed(opening.missingInputs);
  if (!opening.exitError.empty())
    problems << QStringLiteral("The timber exits were not placed: ") +
                    QString::fromStdString(opening.exitError);
  if (!problems.isEmpty())
    ui_.message(problems.join(QStringLiteral("\n\n")).toStdString(), MessageIcon::Exclamation);

  const CSkyrigDoc& d = *doc_;
  frame_->showStatus(
      QStringLiteral("Project %1 opened: %2 x %3 cells, %4 m, %5 landings, %6 timber exits%7")
          .arg(QFileInfo(dir).fileName())
          .arg(d.ncols)
          .arg(d.nrows)
          .arg(d.cellSize)
          .arg(d.landingCount)
          .arg(d.timberExitCount)
          .arg(opening.planLoaded ? QStringLiteral(", plan of the last run shown")
                                  : QString()));
  return true;
}

bool CSkyrigApp::planProject() {
  if (busy_) return false;
  const std::string missing = planPrerequisiteMissing(context_);
  if (!missing.empty()) {
    ui_.message(missing, MessageIcon::Exclamation);
    return false;
  }
  bool planned = false;
  // The separate run's own time, for the comparison with the improvement.
  QElapsedTimer clock;
  clock.start();
  double separateStart = -1, separateSeconds = 0;
  const auto stepStarts = [&](const PlanStep& step) {
    const double now = static_cast<double>(clock.elapsed()) / 1000.0;
    if (separateStart >= 0 && separateSeconds == 0) separateSeconds = now - separateStart;
    if (std::string_view(step.commandId) == "NetworkOptimizing") separateStart = now;
  };
  userAction([&] {
    planned = runPlanJob(context_, projectSettings_.runSeparate, projectSettings_.runAllAtOnce,
                         stepStarts);
  });
  if (separateStart >= 0 && separateSeconds == 0)
    separateSeconds = static_cast<double>(clock.elapsed()) / 1000.0 - separateStart;
  // The improvement starts from the separate run's plan and writes only files of its own.
  std::optional<PlanImprovement> improvement;
  if (planned && projectSettings_.runSeparate && projectSettings_.runImprove)
    userAction([&] { improvement = improvePlan(context_); });
  // A cancelled run keeps its best plan; show whatever the runs left.
  const bool hasPlan = view_->runs.cableAssignments.count > 0;
  showPlanSummary(hasPlan);
  if (improvement) {
    planSummary_ += QString::fromStdString(cli::formatPlanComparison(*improvement, separateSeconds));
    frame_->planSummaryChanged();
  }
  layers_.setPlan(hasPlan);
  planChanged();
  redrawMap();  // the plan as the layer panel shows it, with the landings and their numbers
  frame_->showStatus(planned ? QStringLiteral("Plan finished: the results file and the reports are "
                                              "written; the summary is beside the map")
                             : QStringLiteral("Plan stopped before its end"));
  return planned;
}

std::string CSkyrigApp::projectFingerprint() const {
  if (projectFolder_.isEmpty()) return {};
  std::string text, error;
  projectFileText(context_, projectText_, projectFolder_.toStdString(), text, error);
  return text + "\n" + context_.doc.paths.landingsPath + "\n" + landingsText(*doc_);
}

bool CSkyrigApp::projectModified() const {
  return !projectFolder_.isEmpty() && projectFingerprint() != savedFingerprint_;
}

bool CSkyrigApp::saveProject(const QString& folder) {
  if (busy_) return false;
  const QString target =
      QDir::cleanPath(QFileInfo(folder.isEmpty() ? projectFolder_ : folder).absoluteFilePath());
  if (folder.isEmpty() && projectFolder_.isEmpty()) return false;
  const bool moving = QFileInfo(target) != QFileInfo(projectFolder_);
  // The text the new file starts from: the open project's file as it is now on disk.
  std::string previous = projectFolder_.isEmpty()
                             ? std::string()
                             : fileText(projectFolder_ + QStringLiteral("/skyrig.json"));
  if (moving && QFileInfo::exists(target + QStringLiteral("/skyrig.json")) &&
      ask(QStringLiteral("The folder \"%1\" holds a project file already. Replace it?")
              .arg(native(target)),
          QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
    return false;

  // A project saved into another folder keeps its landings there.
  const std::string landingsPath = doc_->paths.landingsPath;
  if (moving)
    doc_->paths.landingsPath =
        QDir::cleanPath(target + QStringLiteral("/Landings.dat")).toStdString();
  SavedProject saved;
  std::string error;
  if (!skyrig::saveProject(context_, target.toStdString(), previous, saved, error)) {
    doc_->paths.landingsPath = landingsPath;
    ui_.message(QStringLiteral("The project was not saved; its files are as they were.\n%1")
                    .arg(QString::fromStdString(error))
                    .toStdString(),
                MessageIcon::Exclamation);
    return false;
  }
  projectText_ = fileText(target + QStringLiteral("/skyrig.json"));
  if (moving) {
    projectFolder_ = target;
    recentProjects_.add(target);
    saveRecentFiles();
    frame_->documentChanged();
  }
  savedFingerprint_ = projectFingerprint();
  QString status = QStringLiteral("Project saved: %1").arg(native(QString::fromStdString(saved.projectFile.string())));
  if (!saved.landingsFile.empty())
    status += QStringLiteral(", landings to %1").arg(native(QString::fromStdString(saved.landingsFile.string())));
  if (!saved.backup.empty()) status += QStringLiteral(" (the previous file kept as skyrig.json.bak)");
  frame_->showStatus(status);
  return true;
}

void CSkyrigApp::projectChanged(const QString& folder, bool withPlan) {
  projectFolder_ = folder;
  savedFingerprint_ = projectFingerprint();
  documentPath_.clear();
  recentProjects_.add(folder);
  saveRecentFiles();
  showPlanSummary(withPlan);
  frame_->documentChanged();
  frame_->mapChanged();
}

void CSkyrigApp::showPlanSummary(bool hasPlan) {
  planSummary_.clear();
  if (hasPlan) {
    PlanFigures figures = gatherPlanFigures(context_);
    addUnservedReasons(figures,
                       gatherPlanSheetData(context_.doc, context_.view.runs, context_.paths));
    planSummary_ = QString::fromStdString(formatPlanSummary(figures));
  }
  frame_->planSummaryChanged();
}

}  // namespace skyrig::gui
