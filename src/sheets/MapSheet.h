// The map sheet: the plan cropped to the harvest unit with its landings and roads, at a true
// round scale on an A3 landscape page, with title, legend, scale bar, north arrow and
// coordinates at the frame.
#pragma once

#include <QString>

#include "runs/PlanSheetData.h"
#include "view/MapSheetLayout.h"

namespace skyrig {
struct CSkyrigDoc;
}

namespace skyrig::sheets {

struct SheetPage;

inline constexpr double kA3Width = 420.0;  // mm, landscape
inline constexpr double kA3Height = 297.0;

struct SheetTitle {
  QString project;  // project name
  QString date;     // date of the plan
};

// The ground extent the sheet shows: the plan's crop with a margin of 10 % (at least 3 cells).
GroundExtent mapSheetExtent(const CSkyrigDoc& doc, const PlanSheetData& plan);
// Where the map goes on the sheet.
MapSheetLayout mapSheetLayout(const CSkyrigDoc& doc, const PlanSheetData& plan);

// Paints the whole sheet on a page of kA3Width x kA3Height mm.
void paintMapSheet(const SheetPage& page, const CSkyrigDoc& doc, const PlanSheetData& plan,
                   const SheetTitle& title);

}  // namespace skyrig::sheets
