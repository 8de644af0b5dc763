// The workspace root and the eight stored paths as the Workspace and Paths dialog edits them:
// read from the program, checked for existence, written back on OK.
#pragma once

#include <QString>
#include <array>

namespace skyrig {
struct CSkyrigDoc;
struct CSkyrigView;
class Paths;
}  // namespace skyrig

namespace skyrig::gui {

inline constexpr int kStoredPathCount = 8;

// Dialog labels of the stored paths, in the order of PathSettings::paths.
inline constexpr std::array<const char*, kStoredPathCount> kStoredPathLabels = {
    "DTM", "Volume", "Streams", "Roads", "Harvest unit", "Landings", "Cable roads", "Results file"};

struct PathSettings {
  QString root;
  // dtmPath, volumePath, streamPath, roadPath, boundaryPath, landingsPath, cablewaysPath and
  // the view's resultFilePath.
  std::array<QString, kStoredPathCount> paths;
};

PathSettings readPathSettings(const CSkyrigDoc& doc, const CSkyrigView& view, const Paths& paths);
void applyPathSettings(const PathSettings& settings, CSkyrigDoc& doc, CSkyrigView& view,
                       Paths& paths);

// Where a stored path points under a root, as an absolute file name.
QString resolvedPath(const QString& root, const QString& storedPath);
// The text to store for a file picked in a file dialog: relative to the root when the file
// lies under it (so the project moves with its folder), else the absolute path.
QString storedPathForPick(const QString& root, const QString& pickedFile);

}  // namespace skyrig::gui
