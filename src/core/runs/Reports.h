// The solution reports: the cable report (each timber cell's yarding path and volume), the
// road report (each landing's road path) and the road mileage report (the road links each sale
// adds, their costs, and the road length by grade and side-slope class with running totals).
#pragma once

#include "runs/Routing.h"

namespace skyrig {

struct AppContext;

// Written from a routing of the current network (Prepare must have numbered its nodes);
// `cancelled` adds the cancel note at the end. False when a file cannot be opened or created.
bool writeCableReport(AppContext& app, const Routing& routing, bool cancelled = false);
bool writeRoadReport(AppContext& app, const Routing& routing, bool cancelled = false);

// Results > Road reports: rebuilds the road network and its sales from the view's landing
// volumes and reports the best road solution of the last separate run.
void writeRoadMileageReport(AppContext& app);

}  // namespace skyrig
