// How each analysed cable road ended (feasible at which tail spar height, after shortening, or
// not at all) and where its intermediate supports stand. The batch analysis stores only the
// support count and the height, so each road is analysed again, the same way, on a copy of the
// document; the copy's stored results equal the document's.
#pragma once

#include <vector>

#include "cable/BatchAnalysis.h"

namespace skyrig {

struct CSkyrigDoc;

struct SupportSite {
  int col = 0;
  int row = 0;
  int z = 0;  // ground elevation, m
};

struct CablewayOutcome {
  bool analysed = false;  // the road has a profile of its landing's analysis
  RoadOutcome outcome;
  std::vector<SupportSite> supports;  // from the landing towards the tail
};

// Indexed landing * kCablewaysPerLanding + road, landings 1..landingCount with a cable system.
std::vector<CablewayOutcome> analyseCablewayOutcomes(const CSkyrigDoc& doc);

inline std::size_t cablewayIndex(int landing, int road) {
  return static_cast<std::size_t>(landing) * 36 + static_cast<std::size_t>(road);
}

}  // namespace skyrig
