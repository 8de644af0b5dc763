// The profile sheet of one cable road on an A4 landscape page: ground line, unloaded and
// loaded skyline, carriage clearance, tower, tail spar and intermediate supports with their
// heights, the payload along the road on its own kg axis with the limiting point, distance and
// elevation axes with grid lines, and a box of the road's figures.
#pragma once

#include <QString>

#include "cable/ProfileSheetData.h"

namespace skyrig {
struct PlanCableRoad;
}

namespace skyrig::sheets {

struct SheetPage;
struct SheetTitle;

inline constexpr double kA4Width = 297.0;  // mm, landscape
inline constexpr double kA4Height = 210.0;

// `road` holds the plan's figures of the road (volume, cost); null when the plan does not use
// it. `systemName` names the cable system.
void paintProfileSheet(const SheetPage& page, const ProfileSheetData& profile,
                       const PlanCableRoad* road, const SheetTitle& title);

}  // namespace skyrig::sheets
