// The main window: every command under its menu with its text, availability and accelerators,
// the tool bar, the status bar, the About box, and the project file commands.
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QAbstractButton>
#include <QMessageBox>
#include <QSettings>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QToolBar>
#include <QtTest>

#include "CMainFrame.h"
#include "CSkyrigApp.h"
#include "GuiTestSupport.h"
#include "HelpPage.h"
#include "PathsDialog.h"
#include "app/CommandTable.h"

using namespace skyrig;
using namespace skyrig::gui;

namespace {

struct MenuEntry {
  const char* menu;  // menu levels without '&' marks, joined by '>'
  const char* text;  // menu text with its '&' marks
};

// The complete command set as the menus must show it.
const MenuEntry kMenus[] = {
    {"File", "&New"}, {"File", "&Open..."}, {"File", "&Save"}, {"File", "Save &As..."},
    {"File", "Open DTM"}, {"File", "Open Volume"}, {"File", "Open Streams"},
    {"File", "Open Roads"}, {"File", "&Print..."}, {"File", "Print Pre&view"},
    {"File", "P&rint Setup..."}, {"File", "Recent File"}, {"File", "E&xit"},
    {"Edit", "&Undo"}, {"Edit", "Cu&t"}, {"Edit", "&Copy"}, {"Edit", "&Paste"},
    {"View", "&Toolbar"}, {"View", "&Status Bar"}, {"View", "DrawDTM"},
    {"Help", "&Help Topics"}, {"Help", "&About Skyrig..."},
    {"Landings", "Place a landing location"}, {"Landings>File Manager", "Open Landings"},
    {"Landings>File Manager", "Save Landings"}, {"Landings", "Delete landing location"},
    {"Cableways", "Generate"}, {"Cableways", "Check profile"},
    {"Cableways>File Manager", "Open File"}, {"Cableways>File Manager", "Save File"},
    {"Cableways", "Write ID numbers"}, {"Analyses", "Cableways"},
    {"Input Data>Harvest Unit Boundary", "By mouse"},
    {"Input Data>Harvest Unit Boundary", "By file"}, {"Input Data", "Cable System"},
    {"Input Data", "Operation Data"}, {"Input Data", "Road Costs"},
    {"Input Data", "Landing Costs"}, {"Network>Roads", "Generate"},
    {"Network>Roads", "Draw Roads"}, {"Network>Roads", "Generate Network"},
    {"Network>Roads", "Timber Exits"}, {"Network>Cable Systems", "Generate Network"},
    {"Network", "Optimizing"}, {"Network", "Optimizing all at once"},
    {"Network", "Improve Plan"},
    {"Network", "Harvesting Unit"}, {"Results", "Show Landings"},
    {"Results", "Show Cableways"}, {"Results", "Show Roads"}, {"Results", "Show Timber Cells"},
    {"Results", "Clear Harvest Unit"}, {"Results", "Show All Results"},
    {"Results>File Manager", "Open File"}, {"Results>File Manager", "Save File"},
    {"Results", "Road reports"}, {"Zoom", "In"}, {"Zoom", "Out"},
    {"Layers>DEM", "Show DEM"}, {"Layers>DEM", "Draw Contour Lines"},
    {"Layers>DEM", "Change Contour Interval"}, {"Layers>Volume", "Show Volume"},
    {"Layers>Volume", "Clump cells"}, {"Layers>Streams", "Show Streams"},
    {"Layers>Streams", "Create Buffer"}, {"Layers>Roads", "ShowRoads"},
    {"Layers>Harvest Area", "Show Harvest Area"},
};

QAction* findInMenuBar(QMenuBar* bar, const QString& menuPath, const QString& text) {
  QList<QAction*> actions = bar->actions();
  for (const QString& level : menuPath.split(QLatin1Char('>'))) {
    QMenu* next = nullptr;
    for (QAction* a : actions)
      if (a->menu() != nullptr && QString(a->text()).remove(QLatin1Char('&')) == level)
        next = a->menu();
    if (next == nullptr) return nullptr;
    actions = next->actions();
  }
  for (QAction* a : actions)
    if (a->menu() == nullptr && a->text() == text) return a;
  return nullptr;
}

}  // namespace

class MainFrameTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { testing::usePrivateSettings(); }

  void everyCommandIsUnderItsMenuWithItsAvailability() {
    CSkyrigApp app;
    app.start();
    QMenuBar* bar = app.frame().menuBar();
    for (const MenuEntry& entry : kMenus) {
      const QString where = QStringLiteral("%1 > %2").arg(entry.menu, entry.text);
      QAction* action = findInMenuBar(bar, entry.menu, entry.text);
      QVERIFY2(action != nullptr, qPrintable(where + " missing"));
      const Command* command = CommandTable::instance().findById(action->objectName().toStdString());
      QVERIFY2(command != nullptr, qPrintable(where));
      bool expected = true;
      if (command->kind == CommandKind::Unavailable) expected = false;
      // An operation that no subsystem has bound yet must not look as if it would run.
      if (command->kind == CommandKind::Operation) expected = static_cast<bool>(command->operation);
      if (command->id == "FileRecentFile") expected = false;  // greyed while the list is empty
      QCOMPARE(action->isEnabled(), expected);
    }

    QStringList topLevel;
    for (QAction* a : bar->actions()) topLevel << a->text();
    QCOMPARE(topLevel.first(), QStringLiteral("File"));
    QCOMPARE(topLevel.last(), QStringLiteral("Help"));
  }

  void commandsThatDoNothingChangeNothing() {
    CSkyrigApp app;
    app.start();
    app.doc().landingCount = 2;
    app.doc().cableSystems[1].towerHeight = 99;
    const QImage before = app.canvas().image().copy();
    int boxes = 0;
    app.ui().showBox = [&](const auto&) { ++boxes; };
    for (const char* id :
         {"NetworkRoadsGenerate", "NetworkRoadsGenerateNetwork", "NetworkCableGenerateNetwork"}) {
      app.frame().action(id)->trigger();
    }
    QCOMPARE(app.doc().landingCount, 2);
    QCOMPARE(app.doc().cableSystems[1].towerHeight, 99.0f);
    QCOMPARE(app.canvas().image(), before);
    QCOMPARE(boxes, 0);
    // An unavailable command cannot be run through the application either.
    QVERIFY(!app.runCommand("EditUndo"));
    QVERIFY(!app.runCommand("ViewDrawDtm"));
  }

  void acceleratorsFollowThePlatformConvention() {
    CSkyrigApp app;
    const std::pair<const char*, QStringList> expected[] = {
        {"FileNew", {"Ctrl+N"}}, {"FileOpen", {"Ctrl+O"}}, {"FileSave", {"Ctrl+S"}},
        {"FilePrint", {"Ctrl+P"}}, {"EditUndo", {"Ctrl+Z", "Alt+Backspace"}},
        {"EditCut", {"Ctrl+X", "Shift+Del"}}, {"EditCopy", {"Ctrl+C", "Ctrl+Ins"}},
        {"EditPaste", {"Ctrl+V", "Shift+Ins"}}, {"HelpTopics", {"F1"}},
        {"HelpContext", {"Shift+F1"}}};
    for (const auto& [id, keys] : expected) {
      QStringList shown;
      for (const QKeySequence& k : app.frame().action(id)->shortcuts()) shown << k.toString();
      QCOMPARE(shown, keys);
    }
  }

  void toolBarButtonsInOrder() {
    CSkyrigApp app;
    QStringList shown;
    for (QAction* a : app.frame().toolBar()->actions())
      shown << (a->isSeparator() ? QStringLiteral("|") : a->toolTip());
    const QStringList expected = {
        "File > New", "File > Open...", "File > Save", "|",
        "Edit > Cut", "Edit > Copy", "Edit > Paste", "|", "File > Print...", "|",
        "File > Open DTM", "File > Open Volume", "File > Open Streams", "File > Open Roads",
        "Input Data > Harvest Unit Boundary > By file", "|",
        "Layers > DEM > Show DEM", "Layers > Volume > Show Volume",
        "Layers > Streams > Show Streams", "Layers > Roads > ShowRoads",
        "Layers > Harvest Area > Show Harvest Area", "|",
        "Input Data > Harvest Unit Boundary > By mouse", "|",
        "Landings > Place a landing location", "Cableways > Generate",
        "Cableways > Check profile", "Analyses > Cableways", "|",
        "Layers > Volume > Clump cells", "Network > Roads > Timber Exits", "Network > Optimizing",
        "|", "Layers > DEM > Draw Contour Lines", "|", "Zoom > In", "Zoom > Out", "|",
        "Help > About Skyrig...", "Help", "|", ""};
    QCOMPARE(shown, expected);
    // The last button has no command behind it.
    QVERIFY(!app.frame().toolBar()->actions().last()->isEnabled());
    for (QAction* a : app.frame().toolBar()->actions())
      if (!a->isSeparator()) QVERIFY2(!a->icon().isNull(), qPrintable(a->toolTip()));
  }

  void statusBarAndTitle() {
    CSkyrigApp app;
    app.start();
    CMainFrame& frame = app.frame();
    QCOMPARE(frame.windowTitle(), QStringLiteral("Untitled - Skyrig"));
    QCOMPARE(frame.statusText(), QStringLiteral("For Help, press F1"));
    QVERIFY(frame.indicator("CAP")->x() < frame.indicator("NUM")->x());
    QVERIFY(frame.indicator("NUM")->x() < frame.indicator("SCRL")->x());
    QVERIFY(!frame.indicator("CAP")->isEnabled());
    QTest::keyClick(&frame, Qt::Key_CapsLock);
    QVERIFY(frame.indicator("CAP")->isEnabled());
    QVERIFY(!frame.indicator("NUM")->isEnabled());

    app.ui().status("x:1  y:2  z:3  c:4  r:5      ");
    QCOMPARE(frame.statusText(), QStringLiteral("x:1  y:2  z:3  c:4  r:5      "));
    frame.action("ViewStatusBar")->trigger();
    QVERIFY(!frame.statusBar()->isVisible());
    frame.action("ViewToolbar")->trigger();
    QVERIFY(!frame.toolBar()->isVisible());
  }

  void aboutBox() {
    CSkyrigApp app;
    app.start();
    QString title, text;
    bool hasOk = false;
    testing::whenModal([&](QWidget* dialog) {
      title = dialog->windowTitle();
      for (QLabel* label : dialog->findChildren<QLabel*>())
        if (!label->text().isEmpty()) text += label->text();
      for (QAbstractButton* b : dialog->findChildren<QAbstractButton*>())
        hasOk = hasOk || b->text().remove('&') == "OK";
      testing::accept(dialog);
    });
    app.frame().action("HelpAbout")->trigger();
    QCOMPARE(title, QStringLiteral("About Skyrig"));
    QCOMPARE(text, QStringLiteral("Skyrig Version 1.0"));
    QVERIFY(hasOk);
  }

  void newAndOpenRestoreTheDefaultsAndKeepTheGrids() {
    QTemporaryDir folder;
    const QString project = folder.filePath("plan.skr");
    CSkyrigApp app;
    app.start();
    QVERIFY(app.saveDocument(project));
    QCOMPARE(QFileInfo(project).size(), 0);
    QCOMPARE(app.frame().windowTitle(), QStringLiteral("plan.skr - Skyrig"));

    auto disturb = [&] {
      app.doc().cableSystems[2].towerHeight = 1;
      app.doc().chokerLength = 7;
      app.doc().landingCount = 3;
      app.doc().dtm(5, 6).z = 812;
      app.doc().paths.dtmPath = "elsewhere.dat";
      app.view().placingLanding = 1;
    };
    auto checkDefaultsAndGrids = [&] {
      QCOMPARE(app.doc().cableSystems[2].towerHeight, 7.0f);  // system 2 default
      QCOMPARE(app.doc().chokerLength, std::uint16_t(20));
      QCOMPARE(app.doc().landingCount, 3);
      QCOMPARE(app.doc().dtm(5, 6).z, 812);
      QCOMPARE(app.doc().paths.dtmPath, std::string("E:/thesis/Forest/SouthZone/dem.dat"));
      QCOMPARE(app.view().placingLanding, std::uint8_t(0));
    };
    disturb();
    app.frame().action("FileNew")->trigger();
    checkDefaultsAndGrids();
    QCOMPARE(app.frame().windowTitle(), QStringLiteral("Untitled - Skyrig"));

    // Opening from the recent-file list.
    disturb();
    QAction* recent = app.frame().recentFileActions().front();
    QVERIFY(recent->isVisible());
    QVERIFY(recent->text().endsWith("plan.skr"));
    QVERIFY(recent->text().startsWith("&1 "));
    recent->trigger();
    checkDefaultsAndGrids();
    QCOMPARE(app.documentPath(), QFileInfo(project).absoluteFilePath());
  }

  void recentFileListKeepsFourInTheSettings() {
    QTemporaryDir folder;
    {
      CSkyrigApp app;
      for (int i = 1; i <= 5; ++i) QVERIFY(app.saveDocument(folder.filePath(QString("p%1.skr").arg(i))));
      QVERIFY(app.openDocument(folder.filePath("p3.skr")));
      QVERIFY(!app.frame().action("FileRecentFile")->isVisible());
    }
    QSettings settings("Local AppWizard-Generated Applications", "Skyrig");
    settings.beginGroup("Recent File List");
    QCOMPARE(settings.value("File1").toString(), folder.filePath("p3.skr"));
    QCOMPARE(settings.value("File2").toString(), folder.filePath("p5.skr"));
    QCOMPARE(settings.value("File3").toString(), folder.filePath("p4.skr"));
    QCOMPARE(settings.value("File4").toString(), folder.filePath("p2.skr"));
    QVERIFY(!settings.contains("File5"));
    settings.endGroup();

    // A second program start shows the same list; a vanished file is reported and dropped.
    CSkyrigApp again;
    QCOMPARE(again.recentFiles().files().size(), 4);
    QVERIFY(QFile::remove(folder.filePath("p5.skr")));
    QString shown;
    again.ui().showBox = [&](const MessageBoxText& box) { shown = QString::fromStdString(box.text); };
    QVERIFY(!again.openDocument(folder.filePath("p5.skr")));
    QVERIFY(shown.contains("p5.skr"));
    QCOMPARE(again.recentFiles().files().size(), 3);
    int visible = 0;
    for (QAction* a : again.frame().recentFileActions()) visible += a->isVisible() ? 1 : 0;
    QCOMPARE(visible, 3);
  }
  void workspaceAndPathsFromTheFileMenu() {
    QTemporaryDir folder;
    CSkyrigApp app;
    app.start();
    QVERIFY(findInMenuBar(app.frame().menuBar(), "File", "&Workspace and Paths...") != nullptr);
    testing::whenModalTitled("Workspace and Paths", [&](QWidget* modal) {
      auto* dialog = qobject_cast<PathsDialog*>(modal);
      QCOMPARE(dialog->pathEdit(0)->text(), QStringLiteral("E:/thesis/Forest/SouthZone/dem.dat"));
      dialog->rootEdit()->setText(folder.path());
      dialog->pathEdit(2)->setText("streams/main.asc");
      dialog->accept();
    });
    app.frame().pathsAction()->trigger();
    QCOMPARE(QString::fromStdString(app.paths().root().string()), folder.path());
    QCOMPARE(app.doc().paths.streamPath, std::string("streams/main.asc"));
    QSettings settings("Local AppWizard-Generated Applications", "Skyrig");
    QCOMPARE(settings.value("Settings/WorkspaceRoot").toString(), folder.path());
    // The next start works in the same folder.
    CSkyrigApp again;
    QCOMPARE(QString::fromStdString(again.paths().root().string()), folder.path());
    settings.remove("Settings/WorkspaceRoot");
  }

  void helpPageListsTheCommandsAndTheCourseOfWork() {
    const QString html = helpPageHtml();
    QVERIFY(html.contains("The usual course of work"));
    QVERIFY(html.contains("<td>View &gt; DrawDTM</td><td><i>not available</i>"));
    QVERIFY(html.contains("<td>Network &gt; Roads &gt; Generate</td><td><i>does nothing</i>"));
  }
};

QTEST_MAIN(MainFrameTest)
#include "MainFrameTest.moc"
