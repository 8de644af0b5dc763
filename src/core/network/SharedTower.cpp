#include "network/SharedTower.h"

#include "document/CSkyrigDoc.h"

namespace skyrig {

int representativeLanding(const CSkyrigDoc& doc, int landing) {
  int current = landing;
  for (int step = 0; step < kMaxLandings; ++step) {
    if (current < 1 || current > kMaxLandings) return current;
    const int next = doc.landingSharedTower[static_cast<std::size_t>(current)];
    if (next <= 0 || next > kMaxLandings) return current;
    current = next;
  }
  return current;
}

}  // namespace skyrig
