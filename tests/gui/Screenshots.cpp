// Takes the documentation screenshots of the desktop application: run under a real X server
// (Xvfb) as `skyrig_screenshots OUTPUT_FOLDER`. Grabs the screen, so window frames and modal
// dialogs appear as a person sees them.
#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QtTest>
#include <cstdio>

#include "CMainFrame.h"
#include "CSkyrigApp.h"
#include "FormDialog.h"
#include "GuiTestSupport.h"
#include "MapWidget.h"
#include "ProfileCheckDialog.h"
#include "view/MapDrawing.h"
#include "app/CommandTable.h"
#include "document/CSkyrigDoc.h"

using namespace skyrig;
using namespace skyrig::gui;

namespace {

void settle(int ms = 300) {
  QElapsedTimer clock;
  clock.start();
  while (clock.elapsed() < ms) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    QTest::qWait(10);
  }
}

bool grabScreen(const QString& file, QWidget* window) {
  settle();
  QScreen* screen = window != nullptr ? window->screen() : QGuiApplication::primaryScreen();
  QPixmap shot = screen->grabWindow(0);
  if (window != nullptr && qEnvironmentVariableIsEmpty("SKYRIG_WHOLE_SCREEN")) {
    // The window with its title bar, which the window manager may not have reported yet.
    const QRect frame =
        (window->frameGeometry() | window->geometry().adjusted(-4, -26, 4, 4)) & shot.rect();
    shot = shot.copy(frame);
  }
  const bool ok = shot.save(file);
  std::printf("%s %s\n", ok ? "wrote" : "could not write", qPrintable(file));
  return ok;
}

void run(const QString& id, CSkyrigApp& app) {
  if (!app.runCommand(id.toStdString()))
    std::printf("command %s is not available in this build\n", qPrintable(id));
  settle(100);
}

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  testing::usePrivateSettings();
  const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs/screenshots");
  QDir().mkpath(out);

  // A dialog nobody expected would wait for ever: show what is on the screen and stop.
  QTimer::singleShot(90000, [out] {
    QWidget* modal = QApplication::activeModalWidget();
    std::printf("stuck on \"%s\" %s\n", modal ? qPrintable(modal->windowTitle()) : "",
                qPrintable(testing::messageText(modal)));
    grabScreen(out + "/stuck.png", nullptr);
    std::exit(1);
  });

  StartOptions options;
  const auto sample = testing::sampleCopy();
  options.root = sample->path();
  CSkyrigApp app(options);
  app.start();
  app.frame().resize(1200, 860);
  app.frame().move(20, 40);
  settle();

  run("FileOpenDtm", app);
  run("LayersShowDem", app);

  // Two landings placed by clicks, each accepting the Cable System and Landing Info. forms.
  MapWidget* map = app.frame().mapWidget();
  auto clickCell = [&](int c, int r) {
    const MapPoint centre = cellCentre(app.doc(), app.view(), c, r);
    const QPoint at = map->scrollTo(QPointF(centre.x, centre.y));
    QTest::mouseClick(map->viewport(), Qt::LeftButton, {}, at);
    settle(100);
  };
  for (const auto& [c, r] : {std::pair{110, 130}, std::pair{200, 170}}) {
    run("LandingsPlace", app);
    testing::whenModalTitled("Cable System", [](QWidget* cable) {
      testing::whenModalTitled("Landing Info.", [](QWidget* landing) {
        qobject_cast<FormDialog*>(landing)->button("OK")->click();
      });
      qobject_cast<FormDialog*>(cable)->button("OK")->click();
    });
    clickCell(c, r);
  }
  run("CablewaysGenerate", app);
  run("CablewaysWriteIds", app);
  const MapPoint middle = cellCentre(app.doc(), app.view(), 155, 150);
  map->scrollTo(QPointF(middle.x, middle.y));
  grabScreen(out + "/main-window.png", &app.frame());

  testing::whenModalTitled("Cable System", [&](QWidget* dialog) {
    grabScreen(out + "/cable-system-form.png", dialog);
    qobject_cast<FormDialog*>(dialog)->button("Cancel")->click();
  });
  run("InputCableSystem", app);

  // The profile check of road 3 of landing 1, analysed.
  const CablewayRecord& road = app.doc().cableways[1][3];
  const QString profileTitle =
      QStringLiteral("Profile check: landing 1, cable road 3 (system %1)").arg(app.doc().landings[1].system);
  testing::whenModalTitled(profileTitle, [&](QWidget* modal) {
    auto* dialog = qobject_cast<ProfileCheckDialog*>(modal);
    // Supports placed by the program; its messages are closed as they come.
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [] {
      if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
        std::printf("message: %s\n", qPrintable(box->text()));
        testing::accept(box);
      }
    });
    closer.start(50);
    dialog->button("Generate INTs")->click();
    closer.stop();
    grabScreen(out + "/profile-check.png", dialog);
    dialog->button("OK")->click();
  });
  clickCell(road.endCol, road.endRow);

  // The sample project opened as a project folder, planned with Network > Plan, then opened
  // again in a new window: the plan of the run and its summary come back without analysing.
  const auto project = testing::sampleCopy();
  {
    CSkyrigApp planner;
    planner.start();
    planner.openProject(project->path());
    settle();
    grabScreen(out + "/project-opened.png", &planner.frame());
    planner.planProject();
    settle();
  }
  CSkyrigApp reopened;
  reopened.start();
  reopened.openProject(project->path());
  settle();
  grabScreen(out + "/project-plan.png", &reopened.frame());
  return 0;
}
