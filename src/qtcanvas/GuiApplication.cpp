#include "GuiApplication.h"

#include <QGuiApplication>
#include <QtGlobal>

namespace skyrig {

void ensureGuiApplication() {
  if (QCoreApplication::instance() != nullptr) return;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  // The application object lives until the program ends; Qt keeps pointers to argc and argv.
  static int argc = 1;
  static char name[] = "skyrig";
  static char* argv[] = {name, nullptr};
  static QGuiApplication* application = new QGuiApplication(argc, argv);
  (void)application;
}

}  // namespace skyrig
