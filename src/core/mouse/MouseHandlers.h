// The view's mouse handlers: left-button events at a point in logical map units, dispatched
// to the active interaction mode.
#pragma once

namespace skyrig {

struct AppContext;

enum class MouseAction { Press, Move, Release, DoubleClick };

void handleMouse(AppContext& app, MouseAction action, int logicalX, int logicalY);

}  // namespace skyrig
