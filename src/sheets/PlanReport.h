// The table pages of the plan report (A4 portrait): summary, the runs side by side, cost by
// landing and by cable road, new road length by grade and side-slope class, unserved volume by
// reason. Starts new pages on the writer as the tables need them.
#pragma once

#include <QPainter>
#include <QPdfWriter>

#include "MapSheet.h"

namespace skyrig::sheets {

void paintReportTables(QPdfWriter& writer, QPainter& painter, double unitsPerMm,
                       const PlanSheetData& plan, const SheetTitle& title);

}  // namespace skyrig::sheets
