#include "view/MapSheetLayout.h"

#include <algorithm>
#include <cmath>

namespace skyrig {

long roundUpToNiceScale(double value) {
  value = std::max(value, 1.0);
  double power = std::pow(10.0, std::floor(std::log10(value)));
  for (;;) {
    for (const double step : {1.0, 2.0, 2.5, 5.0}) {
      const double candidate = step * power;
      // A tolerance so that an exact 1:5000 is not pushed up to 1:10000 by rounding.
      if (candidate >= value * (1 - 1e-12)) return static_cast<long>(std::llround(candidate));
    }
    power *= 10;
  }
}

double roundDownToNiceStep(double value) {
  if (!(value > 0)) return 1;
  const double power = std::pow(10.0, std::floor(std::log10(value)));
  for (const double step : {5.0, 2.0, 1.0})
    if (step * power <= value * (1 + 1e-12)) return step * power;
  return power;
}

MapSheetLayout layoutMapSheet(const GroundExtent& extent, double frameLeft, double frameTop,
                              double frameWidth, double frameHeight) {
  MapSheetLayout layout;
  layout.frameLeft = frameLeft;
  layout.frameTop = frameTop;
  layout.frameWidth = frameWidth;
  layout.frameHeight = frameHeight;
  const double width = std::max(extent.maxX - extent.minX, 1.0);
  const double height = std::max(extent.maxY - extent.minY, 1.0);
  // N such that the extent in mm (metres * 1000 / N) fits both ways.
  const double needed = std::max(width * 1000.0 / frameWidth, height * 1000.0 / frameHeight);
  layout.scale = roundUpToNiceScale(needed);
  layout.centreX = (extent.minX + extent.maxX) / 2;
  layout.centreY = (extent.minY + extent.maxY) / 2;
  const double frameMetres = frameWidth / layout.mmPerMetre();
  layout.scaleBarMetres = roundDownToNiceStep(frameMetres / 5);
  layout.gridStep = roundDownToNiceStep(frameMetres / 5);
  return layout;
}

}  // namespace skyrig
