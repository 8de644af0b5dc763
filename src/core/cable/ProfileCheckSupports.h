// "Generate INTs" of the profile check: places intermediate supports on the dialog's profile
// over convex breaks, thins them, drops those the sagging skyline does not need, tests the
// chord breaks and reduces the count to the system's limit. Findings are shown as messages.
#pragma once

#include <functional>

#include "cable/ProfileCheckData.h"

namespace skyrig {

class Ui;

// Runs the dialog's payload analysis and report for the current supports; returns the
// road's minimum payload (kg).
using DialogPayloadAnalysis = std::function<float()>;

// Places the supports on points 2..tailPoint - 1 of `data` (marks and supportCount).
void generateDialogSupports(ProfileCheckData& data, Ui& ui, const DialogPayloadAnalysis& analyse);

}  // namespace skyrig
