#include "SheetExport.h"

#include <QDate>
#include <QFileDialog>
#include <QInputDialog>
#include <QString>

#include "SheetFiles.h"
#include "document/CSkyrigDoc.h"
#include "runs/PlanSheetData.h"
#include "seams/Paths.h"
#include "seams/Ui.h"
#include "view/AppContext.h"
#include "view/CSkyrigView.h"

namespace skyrig {

namespace {

sheets::SheetTitle titleOf(const AppContext& app) {
  std::filesystem::path root = app.paths.root().lexically_normal();
  if (root.filename().empty()) root = root.parent_path();
  const QString project = QString::fromStdString(root.filename().string());
  return {project.isEmpty() ? QStringLiteral("plan") : project,
          QDate::currentDate().toString(Qt::ISODate)};
}

QString outputFolder(const AppContext& app) {
  return QString::fromStdString(app.paths.resolve("E:/thesis/output/plan-map.pdf").parent_path().string());
}

void report(AppContext& app, const sheets::SheetOutput& output) {
  for (const std::string& problem : output.problems)
    app.ui.message("The sheet was not written: " + problem, MessageIcon::Exclamation);
}

}  // namespace

void exportMapSheet(QWidget* parent, AppContext& app) {
  if (app.doc.ncols < 1) {
    app.ui.message("Open a DTM first: there is no map to export.", MessageIcon::Exclamation);
    return;
  }
  const QString file = QFileDialog::getSaveFileName(
      parent, QStringLiteral("Export Map"), outputFolder(app) + QStringLiteral("/plan-map.pdf"),
      QStringLiteral("PDF (*.pdf);;PNG picture (*.png)"));
  if (file.isEmpty()) return;
  const PlanSheetData plan = gatherPlanSheetData(app.doc, app.view.runs, app.paths);
  const std::filesystem::path path = file.toStdString();
  sheets::SheetOutput output;
  if (file.endsWith(QStringLiteral(".png"), Qt::CaseInsensitive))
    sheets::writeMapSheet(app.doc, plan, titleOf(app), {}, path, output);
  else
    sheets::writeMapSheet(app.doc, plan, titleOf(app), path, {}, output);
  report(app, output);
}

void exportProfileSheet(QWidget* parent, AppContext& app) {
  const int landings = std::min(app.doc.landingCount, kMaxLandings);
  if (landings < 1) {
    app.ui.message("There are no landings: no cable road has a profile.", MessageIcon::Exclamation);
    return;
  }
  bool ok = false;
  const int landing = QInputDialog::getInt(parent, QStringLiteral("Export Profile Sheet"),
                                           QStringLiteral("Landing:"), 1, 1, landings, 1, &ok);
  if (!ok) return;
  const int road = QInputDialog::getInt(parent, QStringLiteral("Export Profile Sheet"),
                                        QStringLiteral("Cable road (0 to 35):"), 0, 0,
                                        kCablewaysPerLanding - 1, 1, &ok);
  if (!ok) return;
  const QString name = QStringLiteral("/L%1-R%2.pdf").arg(landing).arg(road);
  const QString file = QFileDialog::getSaveFileName(parent, QStringLiteral("Export Profile Sheet"),
                                                    outputFolder(app) + name, QStringLiteral("PDF (*.pdf)"));
  if (file.isEmpty()) return;
  const PlanSheetData plan = gatherPlanSheetData(app.doc, app.view.runs, app.paths);
  sheets::SheetOutput output;
  sheets::writeProfileSheets(app.doc, plan, titleOf(app), {{landing, road}}, {},
                             file.toStdString(), output);
  report(app, output);
}

}  // namespace skyrig
