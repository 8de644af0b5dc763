// The table pages of the plan report (A4 portrait): summary, the runs side by side, the
// specified and improved plan side by side, cost by
// landing and by cable road, new road length by grade and side-slope class, unserved volume by
// reason. Starts new pages on the writer as the tables need them.
#pragma once

#include <QPainter>
#include <QPdfWriter>

#include "MapSheet.h"

namespace skyrig {
struct PlanImprovement;
}

namespace skyrig::sheets {

// With an improvement, the specified and the improved plan side by side with the lower bound,
// each plan's gap to it and the time each took, and every level's improvement.
void paintReportTables(QPdfWriter& writer, QPainter& painter, double unitsPerMm,
                       const PlanSheetData& plan, const SheetTitle& title,
                       const PlanImprovement* improvement = nullptr);

}  // namespace skyrig::sheets
