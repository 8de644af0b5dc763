// Intermediate supports of a cable road: convex breaks of the ground profile become support
// candidates, thinned to those where the skyline bends downward and clearance requires them,
// checked for the road's chord and break angles, and reduced to the system's maximum count by
// removing, one at a time, the support whose removal leaves the largest road payload.
#pragma once

#include "document/CableWorkArea.h"

namespace skyrig {

struct CableSystemParams;

// Where the placement and the profile check differ, and how the reduction step analyses a
// candidate set.
class SupportPlacementHooks {
 public:
  virtual ~SupportPlacementHooks() = default;
  // Runs the payload analysis on work's current marks and returns the road's minimum payload.
  virtual float analyseCandidate(CableWorkArea& work) = 0;
  // Findings as they occur (the profile check shows them as messages); the flags in work are
  // set besides.
  virtual void downhillYarding() {}
  virtual void needsHaulback() {}
  virtual void steepChordBreak() {}
  virtual void supportReductionFailed() {}
};

struct SupportPlacementOptions {
  float tailHeight = 0.0f;              // t, m
  float convexBreakTailHeight = 0.0f;   // tail height of the convex break test (t; the profile
                                        // check uses minSparTreeHeight)
  bool risingSpanMeansDownhill = true;  // the break angle test flags rising support spans
};

// Places supports on work's profile (analysed count n): sets work.supportMarks (points 2..n-1),
// work.supportCount and the flags downhillYarding, needsHaulback, steepChordBreak and
// supportReductionFailed (it never clears a flag).
void placeSupports(const CableSystemParams& params, CableWorkArea& work,
                   const SupportPlacementOptions& options, SupportPlacementHooks& hooks);

}  // namespace skyrig
