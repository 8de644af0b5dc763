// The first screen: the start page until a project or a terrain model is open, its way into
// the sample project and the recent projects; the tool bars' own icons and their tool tips.
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QToolBar>
#include <QtTest>

#include "CMainFrame.h"
#include "CSkyrigApp.h"
#include "GuiTestSupport.h"
#include "StartPage.h"
#include "ToolIcons.h"
#include "app/CommandTable.h"

using namespace skyrig;
using namespace skyrig::gui;

class StartPageTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { testing::usePrivateSettings(); }

  void startPageLeadsIntoTheSampleAndTheRecentProjects() {
    const auto sample = testing::sampleCopy();
    {
      CSkyrigApp app;
      app.start();
      StartPage* page = app.frame().startPage();
      QVERIFY(app.frame().showsStartPage());
      QVERIFY(page->recentList()->isHidden());
      // The build's sample project is found; the button opens it.
      QVERIFY(QFile::exists(sampleProjectFolder() + QStringLiteral("/skyrig.json")));
      QVERIFY(page->sampleButton()->isEnabled());
      QVERIFY(app.openProject(sample->path()));
      QVERIFY(!app.frame().showsStartPage());
      QCOMPARE(page->recentList()->count(), 1);
    }
    // A new window lists the project among the recent ones; a click opens it.
    CSkyrigApp app;
    app.start();
    QListWidget* recent = app.frame().startPage()->recentList();
    QCOMPARE(recent->count(), 1);
    QVERIFY(recent->item(0)->text().startsWith(QFileInfo(sample->path()).fileName()));
    emit recent->itemActivated(recent->item(0));
    QCOMPARE(app.projectFolder(), QDir::cleanPath(sample->path()));
    QVERIFY(!app.frame().showsStartPage());
  }

  void toolBarButtonsHaveTheirOwnIconsAndNameTheirCommand() {
    CSkyrigApp app;
    app.start();
    toolIcon("FileNew");  // the icons are compiled in
    for (const std::string& id : CommandTable::instance().toolBar()) {
      if (id.empty()) continue;
      const QString name = QString::fromStdString(id);
      QVERIFY2(QFile::exists(QStringLiteral(":/icons/%1.svg").arg(name)), qPrintable(name));
      QAction* act = app.frame().action(id);
      QVERIFY(!act->icon().pixmap(24, 24).isNull());
      const Command* command = CommandTable::instance().findById(id);
      if (!command->text.empty())
        QCOMPARE(act->toolTip(), QString::fromStdString(command->displayPath()));
    }
    for (QAction* act : app.frame().projectToolBar()->actions()) {
      if (act->isSeparator()) continue;
      QVERIFY(!act->icon().isNull());
      QVERIFY2(!act->toolTip().isEmpty(), qPrintable(act->text()));
    }
  }
};

QTEST_MAIN(StartPageTest)
#include "StartPageTest.moc"
