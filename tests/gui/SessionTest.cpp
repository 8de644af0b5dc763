// A scripted session on the sample project through the desktop window: open the DTM, show it,
// place a landing by a click (the Cable System and Landing Info. forms appear in that order),
// generate the cable roads and see them on the map, and open the profile check by a click on
// a road end.
#include <QAbstractButton>
#include <QProgressDialog>
#include <QPushButton>
#include <QtTest>

#include "CMainFrame.h"
#include "CSkyrigApp.h"
#include "FormDialog.h"
#include "GuiTestSupport.h"
#include "MapWidget.h"
#include "ProfileCheckDialog.h"
#include "RoadPicking.h"
#include "cable/ProfileCheckForm.h"
#include "view/MapDrawing.h"

using namespace skyrig;
using namespace skyrig::gui;

namespace {

// Clicks the map at the centre of cell (c, r), scrolling it into view first.
void clickCell(CSkyrigApp& app, int c, int r) {
  const MapPoint centre = cellCentre(app.doc(), app.view(), c, r);
  MapWidget* map = app.frame().mapWidget();
  const QPoint at = map->scrollTo(QPointF(centre.x, centre.y));
  QTest::mouseClick(map->viewport(), Qt::LeftButton, {}, at);
}

// Pixels that differ between two pictures of one size.
int changedPixels(const QImage& before, const QImage& after, QRect area) {
  int changed = 0;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x)
      changed += before.pixel(x, y) != after.pixel(x, y) ? 1 : 0;
  return changed;
}

}  // namespace

class SessionTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { testing::usePrivateSettings(); }

  void sampleSessionThroughTheWindow() {
    StartOptions options;
    const auto sample = testing::sampleCopy();
  options.root = sample->path();
    CSkyrigApp app(options);
    app.start();
    app.frame().resize(1000, 700);
    QStringList messages;
    app.ui().showBox = [&](const MessageBoxText& box) { messages << QString::fromStdString(box.text); };

    app.frame().action("FileOpenDtm")->trigger();
    QCOMPARE(messages, QStringList{});
    QCOMPARE(app.doc().ncols, 320);
    app.frame().action("LayersShowDem")->trigger();
    const MapPoint middle = cellCentre(app.doc(), app.view(), 160, 150);
    const QPointF middlePixel = app.canvas().toPixel(QPointF(middle.x, middle.y));
    QVERIFY(app.canvas().image().pixelColor(middlePixel.toPoint()) != QColor(Qt::white));

    // Place landing 1 at cell (120, 140) by a click.
    app.frame().action("LandingsPlace")->trigger();
    QStringList forms;
    testing::whenModalTitled("Cable System", [&](QWidget* cable) {
      forms << cable->windowTitle();
      testing::whenModalTitled("Landing Info.", [&](QWidget* landing) {
        forms << landing->windowTitle();
        qobject_cast<FormDialog*>(landing)->button("OK")->click();
      });
      qobject_cast<FormDialog*>(cable)->button("OK")->click();
    });
    clickCell(app, 120, 140);
    QCOMPARE(forms, (QStringList{"Cable System", "Landing Info."}));
    QCOMPARE(app.doc().landingCount, 1);
    QCOMPARE(app.doc().landings[1].col, 120);
    QCOMPARE(app.doc().landings[1].row, 140);

    // Generate: the roads appear along the lines from the landing to their end cells.
    const QImage before = app.canvas().image().copy();
    app.frame().action("CablewaysGenerate")->trigger();
    const QImage& after = app.canvas().image();
    int roadsSeen = 0;
    for (int j = 0; j < 36; ++j) {
      const CablewayRecord& road = app.doc().cableways[1][j];
      if (road.endCol < 1 || road.endRow < 1) continue;
      const MapPoint start = cellCentre(app.doc(), app.view(), 120, 140);
      const MapPoint end = cellCentre(app.doc(), app.view(), road.endCol, road.endRow);
      const QPointF mid = app.canvas().toPixel(QPointF((start.x + end.x) / 2.0, (start.y + end.y) / 2.0));
      const QRect around(mid.toPoint() - QPoint(3, 3), QSize(7, 7));
      roadsSeen += changedPixels(before, after, around) > 0 ? 1 : 0;
    }
    QVERIFY2(roadsSeen >= 30, qPrintable(QString::number(roadsSeen)));

    // The batch analysis shows its progress in a dialog while it runs.
    app.ui().progressShowDelayMs = 0;
    QString progressLabel;
    testing::whenModal([&](QWidget* modal) {
      if (auto* progress = qobject_cast<QProgressDialog*>(modal)) progressLabel = progress->labelText();
    });
    app.frame().action("AnalysesCableways")->trigger();
    QVERIFY2(progressLabel.startsWith("Analysing cable roads: "), qPrintable(progressLabel));
    QVERIFY(app.ui().progressDialog() == nullptr);  // closed with the operation
    QCOMPARE(app.doc().landingAnalysed[1], std::uint8_t(1));

    // A click on the end cell of the longest analysed road opens the profile check; supports
    // are edited by mouse.
    int longest = 0;
    for (int j = 1; j < 36; ++j)
      if (app.doc().cableways[1][j].pointCount > app.doc().cableways[1][longest].pointCount) longest = j;
    const CablewayRecord& road = app.doc().cableways[1][longest];
    int supportsAfterClick = -1, supportsAfterRemove = -1, tail = 0;
    bool pictureChanged = false;
    const QString title = QStringLiteral("Profile check: landing 1, cable road %1 (system %2)")
                              .arg(longest)
                              .arg(app.doc().landings[1].system);
    testing::whenModalTitled(title, [&](QWidget* modal) {
      auto* dialog = qobject_cast<ProfileCheckDialog*>(modal);
      QVERIFY(dialog != nullptr);
      ProfileCheckForm& form = dialog->form();
      ProfilePictureArea* area = dialog->pictureArea();
      tail = form.data().tailPoint();
      const QImage drawn = app.profilePicture().image().copy();
      dialog->button("Locate or Move")->click();
      QTest::mouseClick(area, Qt::LeftButton, {}, area->pointPosition(5));
      supportsAfterClick = form.data().work.supportMarks[5] + 10 * form.data().work.supportCount;
      dialog->button("Remove")->click();
      supportsAfterRemove = form.data().work.supportCount;
      QTest::mouseClick(area, Qt::LeftButton, {}, area->pointPosition(tail));
      dialog->button("Remove")->click();  // the tail spar stays
      dialog->button("Payload Analysis")->click();
      pictureChanged = app.profilePicture().image() != drawn;
      dialog->button("OK")->click();
    });
    clickCell(app, road.endCol, road.endRow);
    QVERIFY2(tail > 5, qPrintable(QString("tail %1, points %2").arg(tail).arg(road.pointCount)));
    QCOMPARE(supportsAfterClick, 11);  // point 5 marked, one support
    QCOMPARE(supportsAfterRemove, 0);
    QVERIFY(messages.contains("You cannot erase the tailspar!"));
    QVERIFY(pictureChanged);

    // A click on any cell along the road opens its profile check too, with the road
    // highlighted on the map while the dialog is open and its supports listed.
    const int midCol = (120 + road.endCol) / 2, midRow = (140 + road.endRow) / 2;
    const RoadRef through = roadThroughCell(app.doc(), midCol, midRow);
    QCOMPARE(through.landing, 1);
    QCOMPARE(through.road, longest);
    QString supports;
    QColor shownMidway;
    testing::whenModalTitled(title, [&](QWidget* modal) {
      auto* dialog = qobject_cast<ProfileCheckDialog*>(modal);
      supports = dialog->supportsText();
      // Three quarters along the road (the clicked cell itself is filled black on release).
      const MapPoint from = cellCentre(app.doc(), app.view(), 120, 140);
      const MapPoint to = cellCentre(app.doc(), app.view(), road.endCol, road.endRow);
      const QPointF along(from.x + 0.75 * (to.x - from.x), from.y + 0.75 * (to.y - from.y));
      shownMidway = app.canvas().image().pixelColor(app.canvas().toPixel(along).toPoint());
      dialog->button("Cancel")->click();
    });
    clickCell(app, midCol, midRow);
    QVERIFY2(supports.startsWith("Tower at point 1: 0 m from the landing"), qPrintable(supports));
    QVERIFY(supports.contains("Tail spar at point "));
    QCOMPARE(shownMidway, QColor(255, 140, 0));
    // The landing cell itself picks no road: every road starts there.
    QCOMPARE(roadThroughCell(app.doc(), 120, 140), RoadRef{});
  }
};

QTEST_MAIN(SessionTest)
#include "SessionTest.moc"
