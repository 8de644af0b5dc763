// A recent-file list of the File menu: the last 4 project files (or project folders) opened or
// saved, newest first, kept in the settings under its section ("Recent File List" for the
// project files) as "File1".."File4".
#pragma once

#include <QSettings>
#include <QStringList>

namespace skyrig::gui {

class RecentFileList {
 public:
  static constexpr int kSize = 4;

  explicit RecentFileList(QString section = QStringLiteral("Recent File List"))
      : section_(std::move(section)) {}

  const QStringList& files() const { return files_; }
  // Puts a file first; a file already listed moves up; the oldest drops off past 4.
  void add(const QString& file);
  void remove(const QString& file);

  void load(QSettings& settings);
  void save(QSettings& settings) const;

  // Menu text of entry i (0-based): "&1 name" with the file's full path.
  QString menuText(int index) const;

 private:
  QString section_;
  QStringList files_;
};

}  // namespace skyrig::gui
