// Placing a landing by mouse: the preparation of the placing mode, and the placement on a
// button release at the released cell or at the best-scoring cell of a dragged rectangle.
#pragma once

#include <functional>

#include "document/Records.h"

namespace skyrig {

struct AppContext;
struct CSkyrigDoc;
class Canvas;

// Landings > "Place a landing location": chooses the landing the next release places and
// turns the placing mode on; refuses a 91st landing with a message.
void prepareLandingPlacement(AppContext& app);

// Trial score of a candidate landing cell (c, r); larger is better.
using LandingScore = std::function<float(int c, int r)>;

// Scans the rectangle spanned by two cells column by column (rows ascending within a
// column), whitening each cell, and returns the first cell with the highest score above -1;
// (-1, -1) when no score exceeds -1.
CellPoint bestLandingCell(const CSkyrigDoc& doc, Canvas& canvas, CellPoint start, CellPoint end,
                          const LandingScore& score);

// The placement on a button release over cell (c, r) while the placing mode is on: cable
// system, the Cable System form, the position, the Landing Info. form and the label.
void placePendingLanding(AppContext& app, int c, int r);

}  // namespace skyrig
