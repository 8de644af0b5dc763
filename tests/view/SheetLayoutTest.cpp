// The map sheet's scale and the label placement of the printed sheets.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "view/LabelPlacement.h"
#include "view/MapSheetLayout.h"

namespace skyrig {
namespace {

TEST(MapSheetScale, RoundsUpToOneTwoTwoAndAHalfOrFive) {
  EXPECT_EQ(roundUpToNiceScale(0.4), 1);
  EXPECT_EQ(roundUpToNiceScale(1234), 2000);
  EXPECT_EQ(roundUpToNiceScale(2000), 2000);
  EXPECT_EQ(roundUpToNiceScale(2001), 2500);
  EXPECT_EQ(roundUpToNiceScale(4999), 5000);
  EXPECT_EQ(roundUpToNiceScale(5001), 10000);
  EXPECT_EQ(roundDownToNiceStep(740), 500);
  EXPECT_EQ(roundDownToNiceStep(199), 100);
  EXPECT_EQ(roundDownToNiceStep(200), 200);
}

TEST(MapSheetScale, ExtentFitsAtTheChosenScaleAndNotAtTheNextLargerOne) {
  std::mt19937 random(7);
  std::uniform_real_distribution<double> size(50, 20000);
  for (int trial = 0; trial < 200; ++trial) {
    const GroundExtent e{500000, 4000000, 500000 + size(random), 4000000 + size(random)};
    const MapSheetLayout layout = layoutMapSheet(e, 24, 32, 290, 248);
    const double width = (e.maxX - e.minX) * layout.mmPerMetre();
    const double height = (e.maxY - e.minY) * layout.mmPerMetre();
    EXPECT_LE(width, 290 + 1e-6);
    EXPECT_LE(height, 248 + 1e-6);
    // The next smaller N (larger map) would not fit.
    long smaller = 0;
    for (long n = 1; n < layout.scale; n = roundUpToNiceScale(static_cast<double>(n) + 0.5)) smaller = n;
    if (smaller > 0) {
      const double factor = static_cast<double>(layout.scale) / static_cast<double>(smaller);
      EXPECT_TRUE(width * factor > 290 || height * factor > 248) << "scale 1:" << layout.scale;
    }
    // Every corner of the extent lies in the frame.
    EXPECT_GE(layout.sheetX(e.minX), 24 - 1e-6);
    EXPECT_LE(layout.sheetX(e.maxX), 24 + 290 + 1e-6);
    EXPECT_GE(layout.sheetY(e.maxY), 32 - 1e-6);
    EXPECT_LE(layout.sheetY(e.minY), 32 + 248 + 1e-6);
  }
}

TEST(MapSheetScale, ScaleBarAndTwoLandingsMeasureTheirGroundDistance) {
  // Two landings 1130 m apart east and 460 m north: on the sheet their distance times N/1000
  // must give back the ground distance; the scale bar's length in mm is its metres at 1:N.
  const double x1 = 501230, y1 = 4002270, x2 = 502360, y2 = 4002730;
  const MapSheetLayout layout = layoutMapSheet({x1 - 300, y1 - 300, x2 + 300, y2 + 300}, 24, 32, 290, 248);
  EXPECT_EQ(layout.scale, 10000);  // 1730 m across 290 mm needs 1:5966, the next round scale
  const double sheetDistance = std::hypot(layout.sheetX(x2) - layout.sheetX(x1),
                                          layout.sheetY(y2) - layout.sheetY(y1));
  EXPECT_NEAR(sheetDistance * static_cast<double>(layout.scale) / 1000.0, std::hypot(x2 - x1, y2 - y1), 1e-6);
  EXPECT_GT(layout.sheetY(y1), layout.sheetY(y2));  // north is up
  EXPECT_NEAR(layout.scaleBarMm(), layout.scaleBarMetres * 1000.0 / static_cast<double>(layout.scale), 1e-9);
  EXPECT_EQ(layout.scaleBarMetres, 500);
  EXPECT_NEAR(layout.groundX(layout.sheetX(x1)), x1, 1e-6);
  EXPECT_NEAR(layout.groundY(layout.sheetY(y2)), y2, 1e-6);
}

bool anyOverlap(const std::vector<PlacedLabel>& placed, const std::vector<SheetBox>& obstacles) {
  for (std::size_t i = 0; i < placed.size(); ++i) {
    if (!placed[i].placed) continue;
    for (const SheetBox& o : obstacles)
      if (placed[i].box.overlaps(o)) return true;
    for (std::size_t j = i + 1; j < placed.size(); ++j)
      if (placed[j].placed && placed[i].box.overlaps(placed[j].box)) return true;
  }
  return false;
}

TEST(LabelPlacement, LoneLabelSitsRightOfItsAnchor) {
  const auto placed = placeLabels({{50, 50, 10, 3}}, {}, {0, 0, 100, 100}, 2);
  ASSERT_TRUE(placed[0].placed);
  EXPECT_FALSE(placed[0].leader);
  EXPECT_DOUBLE_EQ(placed[0].box.left, 52);
  EXPECT_DOUBLE_EQ(placed[0].box.top, 48.5);
}

TEST(LabelPlacement, CrowdedLabelsNeverOverlapEachOtherObstaclesOrTheEdge) {
  std::mt19937 random(11);
  for (int trial = 0; trial < 100; ++trial) {
    std::uniform_real_distribution<double> position(0, 60);
    std::vector<LabelRequest> labels;
    std::vector<SheetBox> obstacles;
    for (int i = 0; i < 30; ++i) labels.push_back({position(random), position(random), 8, 3});
    for (int i = 0; i < 10; ++i) obstacles.push_back({position(random), position(random), 3, 3});
    const SheetBox bounds{0, 0, 60, 60};
    const auto placed = placeLabels(labels, obstacles, bounds, 1.5);
    EXPECT_FALSE(anyOverlap(placed, obstacles));
    int count = 0;
    for (const PlacedLabel& p : placed) {
      if (!p.placed) continue;
      ++count;
      EXPECT_TRUE(bounds.contains(p.box));
    }
    EXPECT_GE(count, 20);  // crowded, but most labels find room
  }
}

TEST(LabelPlacement, LabelsOfOnePointFanOutAndFarOnesGetALeader) {
  std::vector<LabelRequest> labels(12, LabelRequest{30, 30, 6, 2});
  const auto placed = placeLabels(labels, {}, {0, 0, 60, 60}, 1);
  EXPECT_FALSE(anyOverlap(placed, {}));
  int leaders = 0;
  for (const PlacedLabel& p : placed) {
    EXPECT_TRUE(p.placed);
    leaders += p.leader ? 1 : 0;
  }
  EXPECT_GE(leaders, 4);  // at most eight positions in the first ring, the rest further out
}

TEST(LabelPlacement, LabelWithNoRoomIsLeftOutRatherThanOverlapping) {
  const auto placed = placeLabels({{5, 5, 30, 3}, {5, 5, 30, 3}}, {{0, 0, 40, 5}}, {0, 0, 40, 10}, 1);
  EXPECT_FALSE(anyOverlap(placed, {{0, 0, 40, 5}}));
  EXPECT_FALSE(placed[0].placed && placed[1].placed);
}

}  // namespace
}  // namespace skyrig
