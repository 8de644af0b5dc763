// The Skyrig desktop application: skyrig [--root WORKSPACE] [PROJECT_DIR | PROJECT.skr]
#include <QApplication>
#include <QCommandLineParser>

#include "CSkyrigApp.h"
#include "DocumentType.h"
#include "ToolIcons.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setOrganizationName(skyrig::gui::kSettingsOrganisation);
  QApplication::setApplicationName(skyrig::gui::kSettingsApplication);
  QApplication::setApplicationDisplayName(skyrig::gui::kApplicationTitle);
  QApplication::setWindowIcon(skyrig::gui::applicationIcon());

  QCommandLineParser parser;
  parser.setApplicationDescription(QStringLiteral("Cable logging and forest road planning"));
  parser.addHelpOption();
  const QCommandLineOption root(QStringLiteral("root"),
                                QStringLiteral("Workspace folder that E:/thesis maps to."),
                                QStringLiteral("folder"));
  parser.addOption(root);
  parser.addPositionalArgument(QStringLiteral("project"), QStringLiteral("Project folder (with skyrig.json), or a project file (.skr)."));
  parser.process(application);

  skyrig::gui::StartOptions options;
  options.root = parser.value(root);
  if (!parser.positionalArguments().isEmpty())
    options.file = parser.positionalArguments().constFirst();
  skyrig::gui::CSkyrigApp app(options);
  app.start();
  return QApplication::exec();
}
