// Where the ground goes on a printed map sheet: a true scale 1:N with N a round number (1, 2,
// 2.5 or 5 times a power of ten) at which the ground extent fits the map frame, the sheet
// position of a ground point, the scale bar and the coordinate grid steps.
#pragma once

namespace skyrig {

// Ground extent, metres (x east, y north).
struct GroundExtent {
  double minX = 0, minY = 0, maxX = 0, maxY = 0;
};

struct MapSheetLayout {
  // The map frame on the sheet, mm from the sheet's top-left corner.
  double frameLeft = 0, frameTop = 0, frameWidth = 0, frameHeight = 0;
  long scale = 0;                  // N of 1:N
  double centreX = 0, centreY = 0;  // ground point at the frame's centre, m
  double scaleBarMetres = 0;       // ground length of the scale bar, m
  double gridStep = 0;             // coordinate tick spacing, m

  double mmPerMetre() const { return 1000.0 / static_cast<double>(scale); }
  double sheetX(double groundX) const {
    return frameLeft + frameWidth / 2 + (groundX - centreX) * mmPerMetre();
  }
  double sheetY(double groundY) const {
    return frameTop + frameHeight / 2 - (groundY - centreY) * mmPerMetre();
  }
  double groundX(double sheetXmm) const {
    return centreX + (sheetXmm - frameLeft - frameWidth / 2) / mmPerMetre();
  }
  double groundY(double sheetYmm) const {
    return centreY - (sheetYmm - frameTop - frameHeight / 2) / mmPerMetre();
  }
  double scaleBarMm() const { return scaleBarMetres * mmPerMetre(); }
};

// The smallest round number (1, 2, 2.5 or 5 times a power of ten) not below `value` (>= 1).
long roundUpToNiceScale(double value);
// The largest of 1, 2 or 5 times a power of ten not above `value` (> 0).
double roundDownToNiceStep(double value);

// Lays the extent out in the frame at the largest round scale at which it fits, centred.
// The scale bar is about a fifth of the frame's width; the grid has 4 to 10 ticks across.
MapSheetLayout layoutMapSheet(const GroundExtent& extent, double frameLeft, double frameTop,
                              double frameWidth, double frameHeight);

}  // namespace skyrig
