// The project document type: its one resource string and the fields the frame uses from it,
// and where the application keeps its settings.
#pragma once

#include <QString>
#include <QStringList>

namespace skyrig::gui {

// Window title, default name (none), file type name, filter, extension, registry type and
// description, one per line.
inline const QString kDocumentTypeString = QStringLiteral(
    "Skyrig\n\nSkyrig\nSkyrig Files (*.skr)\n.skr\nSkyrig.Document\nSkyrig Document");

struct DocumentType {
  QString windowTitle;
  QString defaultName;
  QString fileTypeName;
  QString filter;
  QString extension;
  QString registryType;
  QString description;
};

inline DocumentType documentType() {
  const QStringList f = kDocumentTypeString.split(QLatin1Char('\n'));
  return {f.value(0), f.value(1), f.value(2), f.value(3), f.value(4), f.value(5), f.value(6)};
}

inline const QString kApplicationTitle = QStringLiteral("Skyrig");
inline const QString kIdleStatusText = QStringLiteral("For Help, press F1");
inline const QString kUntitled = QStringLiteral("Untitled");

// Settings go through the platform's settings store under this organisation.
inline const QString kSettingsOrganisation = QStringLiteral("Local AppWizard-Generated Applications");
inline const QString kSettingsApplication = QStringLiteral("Skyrig");
inline const QString kWorkspaceRootKey = QStringLiteral("Settings/WorkspaceRoot");

}  // namespace skyrig::gui
