#include "PathSettings.h"

#include <QDir>
#include <QFileInfo>

#include "document/CSkyrigDoc.h"
#include "seams/Paths.h"
#include "view/CSkyrigView.h"

namespace skyrig::gui {

namespace {

std::array<std::string*, kStoredPathCount> storedPaths(CSkyrigDoc& doc, CSkyrigView& view) {
  InputPaths& p = doc.paths;
  return {&p.dtmPath,      &p.volumePath,   &p.streamPath,    &p.roadPath,
          &p.boundaryPath, &p.landingsPath, &p.cablewaysPath, &view.resultFilePath};
}

}  // namespace

PathSettings readPathSettings(const CSkyrigDoc& doc, const CSkyrigView& view, const Paths& paths) {
  PathSettings settings;
  settings.root = QString::fromStdString(paths.root().string());
  const InputPaths& p = doc.paths;
  const std::array<const std::string*, kStoredPathCount> stored = {
      &p.dtmPath,      &p.volumePath,   &p.streamPath,    &p.roadPath,
      &p.boundaryPath, &p.landingsPath, &p.cablewaysPath, &view.resultFilePath};
  for (int i = 0; i < kStoredPathCount; ++i)
    settings.paths[i] = QString::fromStdString(*stored[i]);
  return settings;
}

void applyPathSettings(const PathSettings& settings, CSkyrigDoc& doc, CSkyrigView& view,
                       Paths& paths) {
  paths.setRoot(settings.root.toStdString());
  const auto stored = storedPaths(doc, view);
  for (int i = 0; i < kStoredPathCount; ++i) *stored[i] = settings.paths[i].trimmed().toStdString();
}

QString resolvedPath(const QString& root, const QString& storedPath) {
  const Paths paths(root.toStdString());
  const std::filesystem::path resolved = paths.resolve(storedPath.trimmed().toStdString());
  return QDir::cleanPath(QFileInfo(QString::fromStdString(resolved.string())).absoluteFilePath());
}

QString storedPathForPick(const QString& root, const QString& pickedFile) {
  const QString file = QDir::cleanPath(QFileInfo(pickedFile).absoluteFilePath());
  const QDir rootDir(QDir::cleanPath(QFileInfo(root).absoluteFilePath()));
  const QString relative = rootDir.relativeFilePath(file);
  if (relative.startsWith(QStringLiteral("..")) || QDir::isAbsolutePath(relative)) return file;
  return relative;
}

}  // namespace skyrig::gui
