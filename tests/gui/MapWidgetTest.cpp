// The map widget's transform and mouse events, the retained picture, printing of the map and
// the workspace paths.
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPrinter>
#include <QScrollBar>
#include <QtTest>

#include "GuiTestSupport.h"
#include "MapCanvas.h"
#include "MapPrinting.h"
#include "MapWidget.h"
#include "PathSettings.h"
#include "PathsDialog.h"
#include "document/CSkyrigDoc.h"
#include "seams/Paths.h"
#include "view/CSkyrigView.h"

using namespace skyrig;
using namespace skyrig::gui;

namespace {

struct MouseEvent {
  MouseAction action;
  int x, y;
  friend bool operator==(const MouseEvent&, const MouseEvent&) = default;
};

}  // namespace

class MapWidgetTest : public QObject {
  Q_OBJECT

 private slots:
  void mouseEventsArriveInLogicalMapUnits() {
    auto doc = makeDocument();
    CSkyrigView view;
    MapCanvas canvas(*doc, view);  // windowExtent 5000: 2000 pixels span 5000 m, 0.4 px/m
    MapWidget widget(canvas);
    widget.resize(400, 300);
    widget.show();
    std::vector<MouseEvent> events;
    widget.onMouse = [&](MouseAction a, int x, int y) { events.push_back({a, x, y}); };
    QWidget* port = widget.viewport();

    // Pixel (20, 30) has its centre at (20.5, 30.5): x = 20.5 / 0.4, y = -30.5 / 0.4.
    QTest::mousePress(port, Qt::LeftButton, {}, QPoint(20, 30));
    QTest::mouseRelease(port, Qt::LeftButton, {}, QPoint(20, 30));
    QTest::mousePress(port, Qt::RightButton, {}, QPoint(20, 30));  // not a map event
    QTest::mouseRelease(port, Qt::RightButton, {}, QPoint(20, 30));
    const std::vector<MouseEvent> clicked = {{MouseAction::Press, 51, -76},
                                             {MouseAction::Release, 51, -76}};
    QVERIFY(events == clicked);

    // Scrolled by (100, 200) pixels, the same viewport point lies 250 m east, 500 m south.
    events.clear();
    widget.horizontalScrollBar()->setValue(100);
    widget.verticalScrollBar()->setValue(200);
    QTest::mouseMove(port, QPoint(20, 30));
    QVERIFY(!events.empty());
    QVERIFY((events.back() == MouseEvent{MouseAction::Move, 301, -576}));

    // At windowExtent 1000 one metre is two pixels.
    events.clear();
    canvas.setWindowExtent(1000);
    widget.horizontalScrollBar()->setValue(0);
    widget.verticalScrollBar()->setValue(0);
    QTest::mouseDClick(port, Qt::LeftButton, {}, QPoint(40, 60));
    QVERIFY(!events.empty());
    QVERIFY((events.back() == MouseEvent{MouseAction::DoubleClick, 20, -30}));
    QCOMPARE(widget.viewportAt(QPointF(20, -30)), QPoint(40, 60));
  }

  void pictureHoldsTheMapAtEveryZoom() {
    auto doc = makeDocument();
    CSkyrigView view;
    MapCanvas canvas(*doc, view);
    QCOMPARE(canvas.image().size(), kMinPictureSize);  // before a DTM: a window's worth
    doc->ncols = 320;
    doc->nrows = 300;
    doc->cellSize = 10;
    // 3400 x 3200 m with the margins: 1360 x 1280 pixels at 0.4 px/m, at least the minimum.
    canvas.fitToMap();
    QCOMPARE(canvas.image().size(), QSize(1600, 1281));
    canvas.setWindowExtent(1000);  // 2 px/m: 6800 x 6400 pixels, cut at the largest side
    QCOMPARE(canvas.image().size(), QSize(kMaxPictureSide, kMaxPictureSide));
    canvas.setWindowExtent(5000);
    canvas.clear();
    canvas.fillRect(1000, -1050, 1050, -1000, Rgb{0, 0, 255});  // 50 m at 0.4: 20 pixels
    const QImage& image = canvas.image();
    QCOMPARE(image.pixelColor(410, 410), QColor(0, 0, 255));
    QCOMPARE(image.pixelColor(420, 410), QColor(Qt::white));
    QCOMPARE(image.pixelColor(0, 0), QColor(Qt::black));  // the border of a cleared map

    // The window shows the picture, scrolled.
    MapWidget widget(canvas);
    widget.resize(300, 300);
    widget.show();
    widget.horizontalScrollBar()->setValue(300);
    widget.verticalScrollBar()->setValue(350);
    widget.pictureChanged();
    const QImage shown = widget.viewport()->grab().toImage();
    QCOMPARE(shown.pixelColor(110, 60), QColor(0, 0, 255));
    QCOMPARE(shown.pixelColor(130, 60), QColor(Qt::white));

    // Zooming keeps the map point in the middle of the window there.
    const QPoint middle(widget.viewport()->width() / 2, widget.viewport()->height() / 2);
    const QPoint before = widget.logicalAt(middle);
    canvas.setWindowExtent(2000);
    widget.pictureChanged();
    QVERIFY((widget.logicalAt(middle) - before).manhattanLength() <= 2);
  }

  void printedPageHoldsTheMap() {
    auto doc = makeDocument();
    CSkyrigView view;
    MapCanvas canvas(*doc, view);
    doc->ncols = 320;
    doc->nrows = 300;
    doc->cellSize = 10;
    canvas.fitToMap();
    canvas.clear();
    QCOMPARE(mapPrintArea(canvas, *doc, view), QRect(0, 0, 1360, 1280));
    canvas.fillRect(100, -3100, 3300, -100, Rgb{0, 128, 0});

    QImage page(1000, 800, QImage::Format_RGB32);
    page.fill(Qt::white);
    {
      QPainter painter(&page);
      paintMapPage(painter, QRectF(0, 0, 1000, 800), canvas.image(), mapPrintArea(canvas, *doc, view));
    }
    // 1360 x 1280 scaled by 0.625 to 850 x 800, centred: x from 75 to 925.
    QCOMPARE(page.pixelColor(500, 400), QColor(0, 128, 0));
    QCOMPARE(page.pixelColor(70, 400), QColor(Qt::white));
    QCOMPARE(page.pixelColor(75, 400), QColor(Qt::black));  // the picture's left border

    QTemporaryDir folder;
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(folder.filePath("map.pdf"));
    printMap(printer, canvas, *doc, view);
    QVERIFY(QFileInfo(folder.filePath("map.pdf")).size() > 1000);
  }

  void workspacePathsRoundTrip() {
    QTemporaryDir root;
    QDir(root.path()).mkpath("Forest/SouthZone");
    QFile dem(root.filePath("Forest/SouthZone/dem.dat"));
    QVERIFY(dem.open(QIODevice::WriteOnly));
    dem.close();
    QCOMPARE(resolvedPath(root.path(), "e:\\thesis\\Forest\\SouthZone\\dem.dat"),
             root.filePath("Forest/SouthZone/dem.dat"));
    QCOMPARE(storedPathForPick(root.path(), root.filePath("Forest/SouthZone/dem.dat")),
             QStringLiteral("Forest/SouthZone/dem.dat"));
    QCOMPARE(storedPathForPick(root.path(), "/data/other/dem.asc"), QStringLiteral("/data/other/dem.asc"));

    auto doc = makeDocument();
    CSkyrigView view;
    initialUpdate(*doc, view);
    Paths paths("/nowhere");
    PathSettings settings = readPathSettings(*doc, view, paths);
    QCOMPARE(settings.paths[7], QStringLiteral("E:/thesis/output/planningarea1/output/ResultFile.dat"));
    settings.root = root.path();
    PathsDialog dialog(settings);
    QVERIFY(dialog.locationLabel(0)->text().contains("(found)"));
    QVERIFY(dialog.locationLabel(1)->text().contains("(missing)"));
    QVERIFY(dialog.locationLabel(7)->text().contains("(not written yet)"));
    dialog.pathEdit(5)->setText("  plan/Landings.dat ");
    applyPathSettings(dialog.settings(), *doc, view, paths);
    QCOMPARE(QString::fromStdString(paths.root().string()), root.path());
    QCOMPARE(doc->paths.landingsPath, std::string("plan/Landings.dat"));
    QCOMPARE(doc->paths.dtmPath, std::string("E:/thesis/Forest/SouthZone/dem.dat"));
  }
};

QTEST_MAIN(MapWidgetTest)
#include "MapWidgetTest.moc"
