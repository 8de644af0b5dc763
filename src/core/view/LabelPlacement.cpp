#include "view/LabelPlacement.h"

namespace skyrig {

namespace {

// The box of a label at one of the eight positions around its anchor, `distance` away.
SheetBox candidate(const LabelRequest& label, int position, double distance) {
  const double x = label.anchorX, y = label.anchorY;
  const double w = label.width, h = label.height;
  switch (position) {
    case 0: return {x + distance, y - h / 2, w, h};          // right
    case 1: return {x + distance, y - distance - h, w, h};   // above right
    case 2: return {x - w / 2, y - distance - h, w, h};      // above
    case 3: return {x - distance - w, y - distance - h, w, h};  // above left
    case 4: return {x - distance - w, y - h / 2, w, h};      // left
    case 5: return {x - distance - w, y + distance, w, h};   // below left
    case 6: return {x - w / 2, y + distance, w, h};          // below
    default: return {x + distance, y + distance, w, h};      // below right
  }
}

}  // namespace

std::vector<PlacedLabel> placeLabels(const std::vector<LabelRequest>& labels,
                                     const std::vector<SheetBox>& obstacles,
                                     const SheetBox& bounds, double gap, int rings) {
  std::vector<PlacedLabel> placed(labels.size());
  std::vector<SheetBox> taken = obstacles;
  taken.reserve(obstacles.size() + labels.size());
  for (std::size_t i = 0; i < labels.size(); ++i) {
    const LabelRequest& label = labels[i];
    for (int ring = 0; ring < rings && !placed[i].placed; ++ring) {
      const double distance = gap + ring * label.height;
      for (int position = 0; position < 8; ++position) {
        const SheetBox box = candidate(label, position, distance);
        if (!bounds.contains(box)) continue;
        bool free = true;
        for (const SheetBox& other : taken)
          if (box.overlaps(other)) {
            free = false;
            break;
          }
        if (!free) continue;
        placed[i] = {true, ring > 0, box};
        taken.push_back(box);
        break;
      }
    }
  }
  return placed;
}

}  // namespace skyrig
