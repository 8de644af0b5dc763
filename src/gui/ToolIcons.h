// Tool-bar and application icons, drawn at run time so the program needs no image files.
#pragma once

#include <QIcon>
#include <string_view>

namespace skyrig::gui {

// The tool-bar icon of a command by its id; an empty icon for an unknown id.
QIcon toolIcon(std::string_view commandId);
// The application icon: a skyline span over a hill.
QIcon applicationIcon();

}  // namespace skyrig::gui
