// Writing the sheets and the plan report to files: the map sheet as PDF and PNG, a PDF per
// profile sheet and one with all of them, the plan report. A sheet that cannot be written is
// named in `problems` and the others are still written.
#pragma once

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "MapSheet.h"

namespace skyrig {
struct CSkyrigDoc;
struct PlanImprovement;
}

namespace skyrig::sheets {

struct SheetOutput {
  std::vector<std::string> written;    // files written
  std::vector<std::string> problems;   // what could not be written, and why
  std::vector<std::string> unwritten;  // files that could not be created or completed
};

// A file name made from `name`: characters a file name cannot hold (path separators, control
// characters, : * ? " < > |) become "_"; an empty result becomes "plan".
std::string safeFileName(const std::string& name);

// The cable roads the plan uses, as (landing, road), in landing and road order.
std::vector<std::pair<int, int>> usedRoads(const PlanSheetData& plan);

void writeMapSheet(const CSkyrigDoc& doc, const PlanSheetData& plan, const SheetTitle& title,
                   const std::filesystem::path& pdf, const std::filesystem::path& png,
                   SheetOutput& output);

// One PDF per road in `folder` ("L{landing}-R{road}.pdf") and all of them in `combined`
// (either skipped when empty). A road that cannot be drawn is named in problems.
void writeProfileSheets(CSkyrigDoc& doc, const PlanSheetData& plan, const SheetTitle& title,
                        const std::vector<std::pair<int, int>>& roads,
                        const std::filesystem::path& folder, const std::filesystem::path& combined,
                        SheetOutput& output);

// The plan report: summary, cost breakdowns, road lengths, unserved volume, the runs side by
// side, the map sheet and the profile sheets of the used roads. With an improvement, also the
// specified and improved plan side by side and the improved plan's map sheet.
void writePlanReport(CSkyrigDoc& doc, const PlanSheetData& plan, const SheetTitle& title,
                     const std::filesystem::path& pdf, SheetOutput& output,
                     const PlanImprovement* improvement = nullptr);

// The title of the improved plan's sheets: the project's with " (improved plan)".
SheetTitle improvedPlanTitle(const SheetTitle& title);

}  // namespace skyrig::sheets
