#include "RecentFileList.h"

#include <QDir>
#include <QFileInfo>

namespace skyrig::gui {

namespace {

QString canonical(const QString& file) {
  const QFileInfo info(file);
  return QDir::cleanPath(info.absoluteFilePath());
}

}  // namespace

void RecentFileList::add(const QString& file) {
  const QString path = canonical(file);
  files_.removeAll(path);
  files_.prepend(path);
  while (files_.size() > kSize) files_.removeLast();
}

void RecentFileList::remove(const QString& file) { files_.removeAll(canonical(file)); }

void RecentFileList::load(QSettings& settings) {
  files_.clear();
  settings.beginGroup(section_);
  for (int i = 1; i <= kSize; ++i) {
    const QString file = settings.value(QStringLiteral("File%1").arg(i)).toString();
    if (!file.isEmpty() && !files_.contains(file)) files_.append(file);
  }
  settings.endGroup();
}

void RecentFileList::save(QSettings& settings) const {
  settings.beginGroup(section_);
  for (int i = 1; i <= kSize; ++i) {
    const QString key = QStringLiteral("File%1").arg(i);
    if (i <= files_.size())
      settings.setValue(key, files_[i - 1]);
    else
      settings.remove(key);
  }
  settings.endGroup();
}

QString RecentFileList::menuText(int index) const {
  QString path = files_.value(index);
  path.replace(QLatin1Char('&'), QStringLiteral("&&"));
  return QStringLiteral("&%1 %2").arg(index + 1).arg(path);
}

}  // namespace skyrig::gui
