// The status texts of the mouse handlers, with their exact trailing blanks, and their output
// to the status bar and the map.
#pragma once

#include <string>
#include <string_view>

namespace skyrig {

struct AppContext;
struct CSkyrigDoc;

// While the mouse moves over cell (c, r): elevation, or the loaded volume while shown.
std::string movingStatus(const CSkyrigDoc& doc, bool volumeShown, int c, int r);
// On a button release over cell (c, r).
std::string releaseStatus(const CSkyrigDoc& doc, bool volumeShown, int c, int r);
// Where a landing was placed: "x:%d  y:%d  z:%d".
std::string placedStatus(const CSkyrigDoc& doc, int c, int r);
// A button release off the grid or on a cell border.
std::string noDataStatus();

// Shows the text in the status bar and at its place on the map.
void showStatus(AppContext& app, std::string_view text);

}  // namespace skyrig
