// The harvest unit boundary drawn by mouse and the timber exits placed by mouse.
#pragma once

namespace skyrig {

struct AppContext;

// Input Data > Harvest Unit Boundary > "By mouse": a new polygon.
void startBoundaryByMouse(AppContext& app);
// Adds cell (c, r) as the next boundary point and draws the side from the previous point;
// refuses a 50th point with a message.
void addBoundaryPoint(AppContext& app, int c, int r);
// The double click: closes the polygon (when drawing it and over a cell) and computes the
// harvest area from it.
void closeBoundary(AppContext& app, bool overCell);

// Network > Roads > "Timber Exits": the next press on a cell places one exit.
void startTimberExitPlacement(AppContext& app);
// Stores cell (c, r) as the next timber exit and blackens the exits placed before it;
// refuses a 20th exit with a message. Ends the placing mode either way.
void placeTimberExit(AppContext& app, int c, int r);

}  // namespace skyrig
