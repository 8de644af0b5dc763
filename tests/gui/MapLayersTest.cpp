// The map's layers through the window: the layer panel's switches and legends, a plan that
// stays on the map through zooming and showing a layer, identify, fit to window and zoom to
// the harvest unit, the undo of a landing placement, and what the status bar says after a
// command.
#include <QPushButton>
#include <QTreeWidget>
#include <QtTest>

#include "CMainFrame.h"
#include "CSkyrigApp.h"
#include "CellIdentity.h"
#include "FormDialog.h"
#include "GuiTestSupport.h"
#include "LayerPanel.h"
#include "MapLegend.h"
#include "MapWidget.h"
#include "view/MapDrawing.h"
#include "view/MapLayers.h"

using namespace skyrig;
using namespace skyrig::gui;

namespace {

QColor pixelOfCell(CSkyrigApp& app, int c, int r) {
  const MapPoint centre = cellCentre(app.doc(), app.view(), c, r);
  return app.canvas().image().pixelColor(app.canvas().toPixel(QPointF(centre.x, centre.y)).toPoint());
}

bool cellInWindow(CSkyrigApp& app, int c, int r) {
  const MapPoint centre = cellCentre(app.doc(), app.view(), c, r);
  const QPoint at = app.frame().mapWidget()->viewportAt(QPointF(centre.x, centre.y));
  return app.frame().mapWidget()->viewport()->rect().contains(at);
}

QString line(const std::vector<std::pair<std::string, std::string>>& lines, const char* label) {
  for (const auto& [l, v] : lines)
    if (l == label) return QString::fromStdString(v);
  return {};
}

void switchInPanel(CSkyrigApp& app, MapLayer layer, bool on) {
  app.frame().layerPanel()->item(layer)->setCheckState(0, on ? Qt::Checked : Qt::Unchecked);
}

}  // namespace

class MapLayersTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { testing::usePrivateSettings(); }

  // Each elevation class's range in whole metres, as the map colours them.
  void elevationLegendCoversTheDtmWithoutGaps() {
    const std::vector<ElevationClassRange> ranges = elevationClassRanges(400, 1012);
    QCOMPARE(int(ranges.size()), 30);
    QCOMPARE(ranges.front().first, 400);
    QCOMPARE(ranges.back().last, 1012);
    int next = 400;
    for (int k = 0; k < 30; ++k) {
      if (ranges[k].first > ranges[k].last) continue;
      QCOMPARE(ranges[k].first, next);
      QCOMPARE(demClass(ranges[k].first, 400, 1012), k);
      QCOMPARE(demClass(ranges[k].last, 400, 1012), k);
      next = ranges[k].last + 1;
    }
    QCOMPARE(next, 1013);
    // A flat DTM is one class.
    QCOMPARE(elevationClassRanges(500, 500)[0].last, 500);
  }

  void layersSurviveRedrawsAndIdentifyTheirCells() {
    const auto sample = testing::sampleCopy();
    {  // the plan without its improvement, which takes long
      QFile project(sample->filePath(QStringLiteral("skyrig.json")));
      QVERIFY(project.open(QIODevice::WriteOnly | QIODevice::Truncate));
      project.write("{ \"timberExits\": [{ \"col\": 72, \"row\": 68 }] }\n");
    }
    CSkyrigApp app;
    QStringList messages;
    app.ui().showBox = [&](const MessageBoxText& box) { messages << QString::fromStdString(box.text); };
    app.start();
    app.frame().resize(1200, 800);
    QVERIFY(app.openProject(sample->path()));
    QCOMPARE(messages, QStringList{});
    LayerPanel* panel = app.frame().layerPanel();

    // The panel lists what the project has: terrain on, volume there but off, no plan yet.
    QCOMPARE(panel->item(MapLayer::Terrain)->checkState(0), Qt::Checked);
    QCOMPARE(panel->item(MapLayer::Volume)->checkState(0), Qt::Unchecked);
    QVERIFY(!panel->item(MapLayer::Volume)->isDisabled());
    QVERIFY(panel->item(MapLayer::PlanRoads)->isDisabled());
    // The terrain legend names the DTM's lowest and highest elevation.
    QTreeWidgetItem* terrain = panel->item(MapLayer::Terrain);
    QVERIFY(terrain->childCount() >= 9);
    QVERIFY(terrain->child(0)->text(0).startsWith(QString::number(app.doc().minElevation) + " - "));
    QVERIFY(terrain->child(terrain->childCount() - 1)->text(0).endsWith(
        QString::number(app.doc().maxElevation) + " m"));

    // The whole grid fits the window once the project is open.
    QVERIFY(cellInWindow(app, 1, 1));
    QVERIFY(cellInWindow(app, app.doc().ncols, app.doc().nrows));

    // Volume as the base, switched in the panel: terrain goes off, the mouse reports volume.
    switchInPanel(app, MapLayer::Volume, true);
    QCOMPARE(panel->item(MapLayer::Terrain)->checkState(0), Qt::Unchecked);
    QCOMPARE(app.view().volumeShown, 1);

    app.frame().projectAction(QStringLiteral("Plan"))->trigger();
    QCOMPARE(messages, QStringList{});
    QVERIFY(app.view().runs.roadPathCells.count > 0);
    QCOMPARE(panel->item(MapLayer::PlanRoads)->checkState(0), Qt::Checked);
    QVERIFY(!panel->item(MapLayer::PlanRoads)->isDisabled());

    // Zoom In redraws the whole map as specified, and the plan and the volume base stay: the
    // plan's road cells show (where no cable road line or landing covers them).
    const QColor planRoad(200, 0, 100);
    const auto roadCellsShown = [&] {
      int shown = 0;
      const RoadPathCellList& cells = app.view().runs.roadPathCells;
      for (int i = 1; i <= cells.count; ++i) shown += pixelOfCell(app, cells[i].col, cells[i].row) == planRoad;
      return shown;
    };
    const int roadCells = app.view().runs.roadPathCells.count;
    app.frame().action("ZoomIn")->trigger();
    QVERIFY2(roadCellsShown() > roadCells / 2, qPrintable(QString::number(roadCellsShown())));
    QCOMPARE(app.view().volumeShown, 1);
    // Show DEM switches the base back; the plan stays too.
    app.frame().action("LayersShowDem")->trigger();
    QCOMPARE(panel->item(MapLayer::Terrain)->checkState(0), Qt::Checked);
    QCOMPARE(panel->item(MapLayer::Volume)->checkState(0), Qt::Unchecked);
    QVERIFY(roadCellsShown() > roadCells / 2);
    // Switched off, the plan's roads leave the map.
    switchInPanel(app, MapLayer::PlanRoads, false);
    QCOMPARE(roadCellsShown(), 0);

    // Identify: a cell the plan yards names its landing, cable road and cost.
    int yardedCol = 0, yardedRow = 0;
    for (int c = 1; c <= app.doc().ncols && yardedCol == 0; ++c)
      for (int r = 1; r <= app.doc().nrows && yardedCol == 0; ++r)
        if (app.view().runs.yardingPoints(c, r).x > 0) yardedCol = c, yardedRow = r;
    QVERIFY(yardedCol > 0);
    const MapPoint centre = cellCentre(app.doc(), app.view(), yardedCol, yardedRow);
    const auto lines = app.identifyAt(centre.x, centre.y);
    QCOMPARE(line(lines, "Cell"), QStringLiteral("C%1R%2").arg(yardedCol).arg(yardedRow));
    QCOMPARE(line(lines, "Elevation"), QStringLiteral("%1 m").arg(app.doc().dtm(yardedCol, yardedRow).z));
    QVERIFY2(line(lines, "Yarded to").startsWith("landing "), qPrintable(line(lines, "Yarded to")));
    QVERIFY(line(lines, "Yarding cost").startsWith("$"));
    // The mouse over the cell fills the identify panel.
    MapWidget* map = app.frame().mapWidget();
    const QPoint at = map->scrollTo(QPointF(centre.x, centre.y));
    QTest::mouseMove(map->viewport(), at);
    QVERIFY2(app.frame().identifyText().contains("Yarded to"), qPrintable(app.frame().identifyText()));

    // A plan read back from its results file has no cells, only the yarding points: each cell
    // then goes to the plan's road that gives that yarding point, the road the run chose for
    // it. Where two roads of the plan give the same point (a few cells near shared road ends)
    // the file cannot tell which one the run used.
    PlanCellIndex fromRun, fromYardingPoints;
    fromRun.rebuild(app.context());
    const int cellsKnown = app.view().runs.cableAssignmentCells.count;
    app.view().runs.cableAssignmentCells.count = 0;
    fromYardingPoints.rebuild(app.context());
    app.view().runs.cableAssignmentCells.count = cellsKnown;
    int served = 0, same = 0;
    for (int c = 1; c <= app.doc().ncols; ++c)
      for (int r = 1; r <= app.doc().nrows; ++r) {
        const CableAssignment* run = fromRun.at(c, r);
        if (run == nullptr) continue;
        ++served;
        const CableAssignment* read = fromYardingPoints.at(c, r);
        same += read != nullptr && read->landing == run->landing && read->cableway == run->cableway;
      }
    QVERIFY(served > 100);
    QVERIFY2(served - same <= served / 200, qPrintable(QString("%1 of %2").arg(same).arg(served)));

    // Zoom to the harvest unit: the unit fills the window, nearer than the whole grid.
    const int whole = app.view().windowExtent;
    app.frame().viewAction(QStringLiteral("FitToWindow"))->trigger();
    QVERIFY(app.view().windowExtent >= whole - 1000);
    const int fitted = app.view().windowExtent;
    app.frame().viewAction(QStringLiteral("ZoomToHarvestUnit"))->trigger();
    const UnitBox box = app.doc().unitBox;
    QVERIFY(app.view().windowExtent < fitted);
    QVERIFY(cellInWindow(app, box.minCol, box.minRow));
    QVERIFY(cellInWindow(app, box.maxCol, box.maxRow));
  }

  void landingPlacementIsUndoneAndCommandsSayWhatTheyDid() {
    const auto sample = testing::sampleCopy();
    StartOptions options;
    options.root = sample->path();
    CSkyrigApp app(options);
    QStringList messages;
    app.ui().showBox = [&](const MessageBoxText& box) { messages << QString::fromStdString(box.text); };
    app.start();
    app.frame().resize(1000, 700);

    app.frame().action("FileOpenDtm")->trigger();
    QCOMPARE(app.frame().statusText(), QStringLiteral("DTM loaded: 320 x 300 cells, 10 m"));
    app.frame().action("FileOpenVolume")->trigger();
    QVERIFY2(app.frame().statusText().startsWith(QStringLiteral("Volume loaded: ")) &&
                 app.frame().statusText().endsWith(QStringLiteral(" m\u00b3")),
             qPrintable(app.frame().statusText()));
    app.frame().action("LandingsSave")->trigger();
    QVERIFY2(app.frame().statusText().startsWith(QStringLiteral("Landings written to ")),
             qPrintable(app.frame().statusText()));
    app.frame().action("LayersShowDem")->trigger();
    QVERIFY(!app.frame().action("EditUndo")->isEnabled());

    app.frame().action("LandingsPlace")->trigger();
    testing::whenModalTitled("Cable System", [&](QWidget* cable) {
      testing::whenModalTitled("Landing Info.", [&](QWidget* landing) {
        qobject_cast<FormDialog*>(landing)->button("OK")->click();
      });
      qobject_cast<FormDialog*>(cable)->button("OK")->click();
    });
    MapWidget* map = app.frame().mapWidget();
    const MapPoint centre = cellCentre(app.doc(), app.view(), 120, 140);
    QTest::mouseClick(map->viewport(), Qt::LeftButton, {}, map->scrollTo(QPointF(centre.x, centre.y)));
    QCOMPARE(app.doc().landingCount, 1);
    QCOMPARE(app.doc().landings[1].system, 1);
    QCOMPARE(pixelOfCell(app, 120, 140), QColor(Qt::black));
    QAction* undo = app.frame().action("EditUndo");
    QVERIFY(undo->isEnabled());
    QCOMPARE(undo->text(), QStringLiteral("&Undo landing 1 placed"));

    // The landing is kept through a zoom, then undone.
    app.frame().action("ZoomOut")->trigger();
    QCOMPARE(pixelOfCell(app, 120, 140), QColor(Qt::black));
    undo->trigger();
    QCOMPARE(app.doc().landings[1].system, 0);
    QVERIFY(pixelOfCell(app, 120, 140) != QColor(Qt::black));
    QVERIFY(!undo->isEnabled());
    QCOMPARE(app.frame().statusText(), QStringLiteral("Undone: landing 1 placed"));

    // A deletion is undone the same way, the landing back in its place.
    app.frame().action("LandingsPlace")->trigger();
    testing::whenModalTitled("Cable System", [&](QWidget* cable) {
      testing::whenModalTitled("Landing Info.", [&](QWidget* landing) {
        qobject_cast<FormDialog*>(landing)->button("OK")->click();
      });
      qobject_cast<FormDialog*>(cable)->button("OK")->click();
    });
    QTest::mouseClick(map->viewport(), Qt::LeftButton, {}, map->scrollTo(QPointF(centre.x, centre.y)));
    QCOMPARE(app.doc().landingCount, 1);
    testing::whenModalTitled("Delete Landings", [&](QWidget* form) {
      qobject_cast<FormDialog*>(form)->button("OK")->click();
    });
    app.frame().action("LandingsDelete")->trigger();
    QCOMPARE(app.doc().landingCount, 0);
    QCOMPARE(undo->text(), QStringLiteral("&Undo landing 1 deleted"));
    undo->trigger();
    QCOMPARE(app.doc().landingCount, 1);
    QCOMPARE(app.doc().landings[1].col, 120);
    QCOMPARE(pixelOfCell(app, 120, 140), QColor(Qt::black));

    // A timber exit placed by a click is named in the status bar after the release.
    app.frame().action("NetworkRoadsTimberExits")->trigger();
    const MapPoint exit = cellCentre(app.doc(), app.view(), 72, 68);
    QTest::mouseClick(map->viewport(), Qt::LeftButton, {}, map->scrollTo(QPointF(exit.x, exit.y)));
    QCOMPARE(app.doc().timberExitCount, 1);
    QCOMPARE(app.frame().statusText(), QStringLiteral("Timber exit 1 placed at C72R68"));
    QCOMPARE(messages, QStringList{});
  }

  // A command missing its input keeps its message and says which step to take first.
  void missingStepsAreNamedAfterTheMessage() {
    const auto sample = testing::sampleCopy();
    StartOptions options;
    options.root = sample->path();
    CSkyrigApp app(options);
    QStringList messages;
    app.ui().showBox = [&](const MessageBoxText& box) { messages << QString::fromStdString(box.text); };
    app.start();
    app.frame().action("FileOpenDtm")->trigger();
    app.frame().action("NetworkOptimizing")->trigger();
    QVERIFY(!messages.isEmpty());
    QVERIFY2(messages.last().startsWith(QStringLiteral("You have not placed timber exit location(s).\n\n"
                                                      "Place a timber exit first: Network > Roads > Timber Exits")),
             qPrintable(messages.join(" | ")));
    messages.clear();
    app.frame().action("FileOpenVolume")->trigger();
    app.frame().action("BoundaryByFile")->trigger();
    app.frame().action("NetworkRoadsTimberExits")->trigger();
    MapWidget* map = app.frame().mapWidget();
    const MapPoint exit = cellCentre(app.doc(), app.view(), 72, 68);
    QTest::mouseClick(map->viewport(), Qt::LeftButton, {}, map->scrollTo(QPointF(exit.x, exit.y)));
    app.frame().action("NetworkOptimizing")->trigger();
    // No landings yet: the solver finds no sale, and the planner is told to place landings.
    QVERIFY2(messages.contains(QStringLiteral("No sale data are available. Please check your sale file.\n\n"
                                              "Place landings first: Landings > Place a landing location, "
                                              "or Landings > File Manager > Open Landings.")),
             qPrintable(messages.join(" | ")));
  }
};

QTEST_MAIN(MapLayersTest)
#include "MapLayersTest.moc"
