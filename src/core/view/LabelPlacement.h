// Places text labels beside their anchor points so that no label overlaps another label, an
// obstacle or the page edge: each label tries the eight positions around its anchor, nearest
// first, then the same positions further out (drawn with a leader line), and is left out only
// when none is free. Deterministic: labels are placed in the order given.
#pragma once

#include <vector>

namespace skyrig {

// Axis-aligned box, sheet units (mm), y growing downward.
struct SheetBox {
  double left = 0, top = 0, width = 0, height = 0;
  double right() const { return left + width; }
  double bottom() const { return top + height; }
  bool overlaps(const SheetBox& other) const {
    return left < other.right() && other.left < right() && top < other.bottom() &&
           other.top < bottom();
  }
  bool contains(const SheetBox& other) const {
    return other.left >= left && other.top >= top && other.right() <= right() &&
           other.bottom() <= bottom();
  }
};

struct LabelRequest {
  double anchorX = 0, anchorY = 0;  // the point the label names
  double width = 0, height = 0;     // the label's text box
};

struct PlacedLabel {
  bool placed = false;
  bool leader = false;  // placed away from its anchor: draw a line from the anchor to it
  SheetBox box;
};

// `gap` is the distance between anchor and label at the nearest ring (mm); `rings` how many
// rings of positions to try, each one label height further out.
std::vector<PlacedLabel> placeLabels(const std::vector<LabelRequest>& labels,
                                     const std::vector<SheetBox>& obstacles,
                                     const SheetBox& bounds, double gap, int rings = 4);

}  // namespace skyrig
