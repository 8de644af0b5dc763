// The two searches that place the carriage at a profile point for a fixed skyline length L0:
// the carriage height scan (0.1 m steps up to the chord height) and, in partial suspension,
// the log angle scan (0.5 degree steps). Each comes as the literal scan and as a fast search
// that returns the scan's answer from a few evaluations.
//
// The fast searches rest on the skyline length being a convex function of the carriage height
// with its minimum where the carriage meets the chord: below the chord it falls as the
// carriage rises, so |length - L0| falls and then rises. They bisect for the crossing and
// widen the window until the float length is past the best difference by more than three
// times a bound on its rounding error, so no skipped height can reach or tie the best one.
// Non-finite lengths fall back to the literal scan.
#pragma once

#include "cable/SkylineGeometry.h"
#include "document/CableWorkArea.h"

namespace skyrig {

struct CableSystemParams;

// Carriage height y* (m): the first y = 0, 0.1, ... <= chordHeight whose skyline length is
// nearest to L0; 0 when the chord height is negative.
float carriageHeightScan(const PointSkyline& skyline, float chordHeight, float referenceLength);
float carriageHeightSearch(const PointSkyline& skyline, float chordHeight, float referenceLength);

// Log angle theta* (rad) at point k with ground angle alpha: the first theta = 0, 0.5 deg, ...
// <= 1.570796 - alpha whose skyline length is nearest to L0 among those with a carriage height
// below the chord height; 0 when none qualifies.
float logAngleScan(const CableSystemParams& params, const PointSkyline& skyline, float alpha,
                   float chordHeight, float referenceLength);
float logAngleSearch(const SuspensionTable& table, const PointSkyline& skyline, float chordHeight,
                     float referenceLength);

// The carriage heights of every log angle at point k (kept while the point's ground and the
// log figures stay the same), ordered by height for the fast search.
const SuspensionTable& suspensionTable(CableWorkArea& work, const CableSystemParams& params, int k);

}  // namespace skyrig
