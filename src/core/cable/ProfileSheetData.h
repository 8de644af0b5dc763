// The figures of one analysed cable road for its printed profile sheet: the ground profile,
// the supports and tail spar the batch analysis left, the payload at every point, the carriage
// position (loaded skyline) with its clearance, and the limiting point. Recomputed from the
// stored results by the same profile sampling, support placement and payload analysis the
// batch analysis runs; the document is left as it was.
#pragma once

#include <string>
#include <vector>

#include "document/CableWorkArea.h"

namespace skyrig {

struct CSkyrigDoc;

struct ProfileSheetPoint {
  float distance = 0;   // horizontal distance from the landing, m
  int elevation = 0;    // m
  bool support = false;
  bool streamBuffer = false;
  float payload = -1;   // kg; -1 at the tower, the tail and beyond the road's end
  float carriageHeight = -1;  // carriage above the ground, m; -1 where not analysed
};

struct ProfileSheetData {
  int landing = 0;
  int road = 0;
  int system = 0;
  std::vector<ProfileSheetPoint> points;  // the sampled profile, landing first
  int tailPoint = 0;        // index into points of the tail spar (the road's end)
  float towerHeight = 0;    // m
  float tailHeight = 0;     // m
  float supportHeight = 0;  // m, every intermediate support
  int supportCount = 0;
  float minPayload = 0;     // kg
  int limitingPoint = -1;   // index of the point with the smallest payload
  float cycleTime = 0;      // s, stored by the batch analysis
  float length = 0;         // horizontal length to the tail spar, m
  float minClearance = -1;  // smallest carriage height above ground, m
  int minClearancePoint = -1;
  ConditionFlags flags;     // conditions left at the stored tail spar height
};

// Recomputes road `road` (0..35) of landing `landing`. False with a message in `error` when the
// landing or road does not exist, the landing is not analysed, or the road has no profile.
bool computeProfileSheet(CSkyrigDoc& doc, int landing, int road, ProfileSheetData& out,
                         std::string& error);

}  // namespace skyrig
