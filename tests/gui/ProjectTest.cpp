// Project folders through the desktop window: open the sample project, plan it with
// Network > Plan, and open it again to find the plan as it was left; a folder without a project
// file, a project file with an error and a project with a missing layer.
#include <QDockWidget>
#include <QFile>
#include <QProcess>
#include <QtTest>

#include "CMainFrame.h"
#include "CSkyrigApp.h"
#include "GuiTestSupport.h"
#include "MapWidget.h"
#include "document/CSkyrigDoc.h"
#include "view/CSkyrigView.h"
#include "view/MapDrawing.h"

using namespace skyrig;
using namespace skyrig::gui;

namespace {

struct Recorder {
  QStringList messages;
  QStringList questions;
  QMessageBox::StandardButton answer = QMessageBox::No;

  void attach(CSkyrigApp& app) {
    app.ui().showBox = [this](const MessageBoxText& box) {
      messages << QString::fromStdString(box.text);
    };
    app.ask = [this](const QString& text, QMessageBox::StandardButtons) {
      questions << text;
      return answer;
    };
  }
};

QByteArray readAll(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& text) {
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
  file.write(text);
}

}  // namespace

class ProjectTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { testing::usePrivateSettings(); }

  void openPlanAndReopenTheSample() {
    const auto sample = testing::sampleCopy();
    QString plannedSummary;
    std::vector<Landing> plannedLandings;
    float plannedTowerHeight = 0;
    {
      CSkyrigApp app;
      Recorder recorder;
      recorder.attach(app);
      app.start();
      QVERIFY(app.openProject(sample->path()));
      QCOMPARE(recorder.messages, QStringList{});
      QCOMPARE(app.doc().ncols, 320);
      QCOMPARE(app.doc().nrows, 300);
      QVERIFY(app.doc().landingCount > 0);
      QCOMPARE(app.doc().timberExitCount, 1);
      QCOMPARE(app.doc().timberExits[1].col, 72);
      QCOMPARE(app.doc().timberExits[1].row, 68);
      QVERIFY(app.frame().windowTitle().contains(QFileInfo(sample->path()).fileName()));
      QVERIFY(app.frame().statusText().contains(QStringLiteral("320 x 300 cells, 10 m")));
      QCOMPARE(app.view().runs.cableAssignments.count, 0);  // no earlier plan in the folder
      QVERIFY(!app.frame().summaryPanel()->isVisible());
      QCOMPARE(app.recentProjects().files().value(0), QDir::cleanPath(sample->path()));

      app.frame().projectAction(QStringLiteral("Plan"))->trigger();
      QCOMPARE(recorder.messages, QStringList{});
      QVERIFY(app.view().runs.cableAssignments.count > 0);
      QVERIFY(app.frame().summaryPanel()->isVisible());
      QVERIFY(app.planSummary().contains(QStringLiteral("Total cost")));
      QVERIFY(app.planSummary().contains(QStringLiteral("Landings used")));
      // The unserved volume split by reason, as on the command line.
      QVERIFY(app.planSummary().contains(
          QStringLiteral("beyond the lateral yarding distance of every road:")));
      QVERIFY(!app.projectModified());  // a plan changes no input of the project
      for (int i = 1; i <= app.doc().landingCount; ++i) plannedLandings.push_back(app.doc().landings[i]);
      plannedTowerHeight = app.doc().cableSystems[2].towerHeight;
      // The sample asks for the improvement: the improved plan and the bound follow the
      // specified plan's summary.
      const qsizetype improved = app.planSummary().indexOf(QStringLiteral("\nSpecified and improved plan"));
      QVERIFY(improved > 0);
      QVERIFY(app.planSummary().contains(QStringLiteral("Lower bound, any plan ($)")));
      plannedSummary = app.planSummary().left(improved);

      // Save Project writes the same project back; skyrig-cli plans it to the same result.
      QVERIFY(app.saveProject());
      QCOMPARE(recorder.messages, QStringList{});
      QVERIFY(QFile::exists(sample->filePath(QStringLiteral("skyrig.json.bak"))));
      const QByteArray results = readAll(sample->filePath(QStringLiteral("output/ResultFile.dat")));
      QVERIFY(!results.isEmpty());
      QProcess cli;
      cli.start(QStringLiteral(SKYRIG_CLI_PATH), {QStringLiteral("plan"), sample->path()});
      QVERIFY(cli.waitForFinished(300000));
      const QString printed = QString::fromUtf8(cli.readAllStandardOutput());
      QCOMPARE(cli.exitCode(), 0);
      QCOMPARE(readAll(sample->filePath(QStringLiteral("output/ResultFile.dat"))), results);
      const QString summary = plannedSummary;
      const QString totals = summary.mid(summary.indexOf(QStringLiteral("Cable cost")));
      QVERIFY(printed.contains(totals.left(totals.indexOf(QStringLiteral("Iterations")))));
    }
    // The folder now holds the plan of that run: opening it again shows it without analysing.
    CSkyrigApp app;
    Recorder recorder;
    recorder.attach(app);
    app.start();
    QVERIFY(app.openProject(sample->path()));
    QCOMPARE(recorder.messages, QStringList{});
    QVERIFY(app.view().runs.cableAssignments.count > 0);
    QVERIFY(app.view().runs.roadPathCells.count > 0);
    QVERIFY(app.frame().summaryPanel()->isVisible());
    QCOMPARE(app.planSummary(), plannedSummary);  // landing volumes included
    // The same landings, parameters and exits as when the project was planned and saved.
    QCOMPARE(app.doc().landingCount, int(plannedLandings.size()));
    for (int i = 1; i <= app.doc().landingCount; ++i)
      QVERIFY(app.doc().landings[i] == plannedLandings[static_cast<std::size_t>(i - 1)]);
    QCOMPARE(app.doc().cableSystems[2].towerHeight, plannedTowerHeight);
    QCOMPARE(app.doc().timberExitCount, 1);
    QCOMPARE(app.doc().timberExits[1].col, 72);
    QVERIFY(!app.projectModified());

    // The wheel zooms around the cursor, and the plan stays on the map through the redraw.
    MapWidget* map = app.frame().mapWidget();
    app.frame().resize(1000, 700);
    // Opened, the whole grid fits the window; nearer in, the map is larger than the window
    // and can keep the point under the cursor wherever it is.
    while (app.view().windowExtent > 4000) app.frame().action("ZoomIn")->trigger();
    const Landing& first = app.doc().landings[1];
    const MapPoint landing = cellCentre(app.doc(), app.view(), first.col, first.row);
    const QPoint at = map->scrollTo(QPointF(landing.x, landing.y)) + QPoint(40, 25);
    const QPoint before = map->logicalAt(at);
    const int extent = app.view().windowExtent;
    QWheelEvent wheel(QPointF(at), map->viewport()->mapToGlobal(QPointF(at)), QPoint(),
                      QPoint(0, 120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(map->viewport(), &wheel);
    QCOMPARE(app.view().windowExtent, extent - 1000);
    const QPoint after = map->logicalAt(at);
    QVERIFY(std::abs(after.x() - before.x()) <= 4 && std::abs(after.y() - before.y()) <= 4);
    const QPointF landingPixel = app.canvas().toPixel(QPointF(landing.x, landing.y));
    QCOMPARE(app.canvas().image().pixelColor(landingPixel.toPoint()), QColor(Qt::black));
    QVERIFY(app.planSummary().contains(QStringLiteral("Total cost")));

    // Escape leaves a mouse mode.
    app.frame().action("NetworkRoadsTimberExits")->trigger();
    QCOMPARE(app.view().placingTimberExit, 1);
    QTest::keyClick(map, Qt::Key_Escape);
    QCOMPARE(app.view().placingTimberExit, 0);
  }

  void saveAndReopenKeepsLandingsParametersExitsAndUnknownKeys() {
    const auto sample = testing::sampleCopy();
    const QString projectFile = sample->filePath(QStringLiteral("skyrig.json"));
    writeFile(projectFile,
              "{\n  \"$schema\": \"../../docs/skyrig.schema.json\",\n"
              "  \"cableSystems\": { \"3\": { \"hookTime\": 45 } },\n"
              "  \"timberExits\": [{ \"col\": 72, \"row\": 68 }],\n"
              "  \"runs\": { \"separate\": true, \"allAtOnce\": false }\n}\n");
    int landingCount = 0;
    Landing second;
    {
      CSkyrigApp app;
      Recorder recorder;
      recorder.attach(app);
      app.start();
      QVERIFY(app.openProject(sample->path()));
      QCOMPARE(app.doc().cableSystems[3].hookTime, 45.0f);
      QVERIFY(!app.projectModified());
      // Changes the way the forms and the mouse would make them.
      app.doc().cableSystems[2].towerHeight = 9.1f;
      app.doc().cableSystems[3].hookTime = 30.0f;  // back to its default
      app.doc().roadCosts.gradeMultiplier[2] = 1.7f;
      app.doc().landings[2].col += 3;
      app.doc().landingConstructionCost[2] = 6500.5f;
      app.doc().timberExits[2] = {150, 40};
      app.doc().timberExitCount = 2;
      QVERIFY(app.projectModified());
      QVERIFY(app.saveProject());
      QVERIFY(!app.projectModified());
      landingCount = app.doc().landingCount;
      second = app.doc().landings[2];
    }
    const QString written = QString::fromUtf8(readAll(projectFile));
    // Keys the writer does not own stay, in their place; a value back at its default leaves
    // the file.
    QVERIFY(written.startsWith(QStringLiteral("{\n  \"$schema\": \"../../docs/skyrig.schema.json\"")));
    QVERIFY(written.contains(QStringLiteral("\"allAtOnce\": false")));
    QVERIFY(written.contains(QStringLiteral("\"towerHeight\": 9.1")));
    QVERIFY(!written.contains(QStringLiteral("hookTime")));
    QVERIFY(readAll(sample->filePath(QStringLiteral("skyrig.json.bak"))).contains("hookTime"));

    CSkyrigApp app;
    Recorder recorder;
    recorder.attach(app);
    app.start();
    QVERIFY(app.openProject(sample->path()));
    QCOMPARE(recorder.messages, QStringList{});
    QCOMPARE(app.doc().cableSystems[2].towerHeight, 9.1f);
    QCOMPARE(app.doc().cableSystems[3].hookTime, 30.0f);
    QCOMPARE(app.doc().roadCosts.gradeMultiplier[2], 1.7f);
    QCOMPARE(app.doc().landingCount, landingCount);
    QCOMPARE(app.doc().landings[2].col, second.col);
    QCOMPARE(app.doc().landings[2].row, second.row);
    QCOMPARE(app.doc().landingConstructionCost[2], 6500.5f);
    QCOMPARE(app.doc().timberExitCount, 2);
    QCOMPARE(app.doc().timberExits[2].col, 40);
    QCOMPARE(app.doc().timberExits[2].row, 150);
    QVERIFY(!app.projectModified());
  }

  void saveThatCannotWriteChangesNothing() {
    const auto sample = testing::sampleCopy();
    CSkyrigApp app;
    Recorder recorder;
    recorder.attach(app);
    app.start();
    QVERIFY(app.openProject(sample->path()));
    const QByteArray before = readAll(sample->filePath(QStringLiteral("skyrig.json")));
    app.doc().cableSystems[1].towerHeight = 20.0f;
    // A folder in place of the landings file stops the save when the files replace the old
    // ones, as a read-only folder would.
    const QString landings = sample->filePath(QStringLiteral("output/planningarea1/input/Landings.dat"));
    QVERIFY(QFile::remove(landings));
    QVERIFY(QDir().mkpath(landings + QStringLiteral("/in-the-way")));
    QVERIFY(!app.saveProject());
    QCOMPARE(recorder.messages.size(), 1);
    QVERIFY(recorder.messages[0].contains(QStringLiteral("not saved")));
    QCOMPARE(readAll(sample->filePath(QStringLiteral("skyrig.json"))), before);
    QVERIFY(app.projectModified());
  }

  void folderWithoutProjectFileIsOfferedOne() {
    const auto sample = testing::sampleCopy();
    QVERIFY(QFile::remove(sample->filePath(QStringLiteral("skyrig.json"))));
    CSkyrigApp app;
    Recorder recorder;
    recorder.attach(app);
    app.start();

    recorder.answer = QMessageBox::No;
    QVERIFY(!app.openProject(sample->path()));
    QCOMPARE(recorder.questions.size(), 1);
    QVERIFY(recorder.questions[0].contains(QStringLiteral("dtmPath: Forest/SouthZone/dem.dat")));
    QVERIFY(!QFile::exists(sample->filePath(QStringLiteral("skyrig.json"))));
    QCOMPARE(app.doc().ncols, 0);

    recorder.answer = QMessageBox::Yes;
    QVERIFY(app.openProject(sample->path()));
    QVERIFY(QFile::exists(sample->filePath(QStringLiteral("skyrig.json"))));
    QCOMPARE(recorder.messages, QStringList{});
    QCOMPARE(app.doc().ncols, 320);
    QVERIFY(app.doc().landingCount > 0);
    // Every layer was found by its name: the volume and the harvest unit are loaded too.
    QVERIFY(app.doc().unitBox.maxCol > 0);
    double volume = 0;
    for (int c = 1; c <= app.doc().ncols; ++c)
      for (int r = 1; r <= app.doc().nrows; ++r) volume += app.doc().volumeGridOriginal(c, r);
    QVERIFY(volume > 0);
  }

  void projectFileWithAnErrorLoadsNothing() {
    const auto sample = testing::sampleCopy();
    CSkyrigApp app;
    Recorder recorder;
    recorder.attach(app);
    app.start();
    QVERIFY(app.openProject(sample->path()));
    const int landings = app.doc().landingCount;
    writeFile(sample->filePath(QStringLiteral("skyrig.json")),
              "{\n  \"cableSystems\": {\n    \"2\": { \"towerHeight\": \"tall\" }\n  }\n}\n");
    QVERIFY(!app.openProject(sample->path()));
    QCOMPARE(recorder.messages.size(), 1);
    QVERIFY(recorder.messages[0].contains(QStringLiteral("cableSystems.2.towerHeight")));
    QVERIFY(recorder.messages[0].contains(QStringLiteral("line 3")));
    // What was open stays open.
    QCOMPARE(app.doc().ncols, 320);
    QCOMPARE(app.doc().landingCount, landings);
    QCOMPARE(app.projectFolder(), QDir::cleanPath(sample->path()));
  }

  void missingLayerIsNamedAndTheRestLoaded() {
    const auto sample = testing::sampleCopy();
    QVERIFY(QFile::remove(sample->filePath(QStringLiteral("Forest/SouthZone/streamsouth"))));
    CSkyrigApp app;
    Recorder recorder;
    recorder.attach(app);
    app.start();
    QVERIFY(app.openProject(sample->path()));
    QCOMPARE(recorder.messages.size(), 1);
    QVERIFY(recorder.messages[0].contains(QStringLiteral("streams (")));
    QVERIFY(!recorder.messages[0].contains(QStringLiteral("terrain model")));
    QCOMPARE(app.doc().ncols, 320);
    QVERIFY(app.doc().landingCount > 0);
    QVERIFY(app.doc().unitBox.maxCol > 0);
  }
};

QTEST_MAIN(ProjectTest)
#include "ProjectTest.moc"
