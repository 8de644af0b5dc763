// The printed side of skyrig-cli plan: the map sheet (PDF and PNG), the profile sheets of the
// cable roads used, the plan report, the runs compared side by side, and the one-line CSV
// summary of the unit that `skyrig-cli summary --csv` collects.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "runs/PlanSummary.h"

namespace skyrig {
struct AppContext;
struct PlanImprovement;
struct PlanSheetData;
}

namespace skyrig::cli {

struct SheetsWritten {
  std::vector<std::string> files;
  std::vector<std::string> problems;
  std::vector<std::string> unwritten;  // files that could not be created or completed
};

// The project's name for titles and file names: the project folder's name.
std::string projectName(const std::filesystem::path& projectDir);
// Today's date (or that of SOURCE_DATE_EPOCH when set, for reproducible sheets), "YYYY-MM-DD".
std::string sheetDate();

// Writes plan-map.pdf, plan-map.png, profiles/L{l}-R{r}.pdf, plan-profiles.pdf and
// plan-report.pdf into the output folder; with an improvement also improved/plan-map.pdf and
// improved/plan-map.png, and the report shows both plans.
SheetsWritten writePlanSheets(AppContext& app, const std::string& project, const std::string& date,
                              const PlanImprovement* improvement = nullptr);

// The runner's "sheet" line: the map sheet (landing < 0; PDF, or PNG by the file's extension)
// or one cable road's profile sheet; false with the reason when it was not written.
bool writeScriptSheet(AppContext& app, int landing, int road, const std::string& file,
                      std::string& error);

// "Runs side by side" lines when both runs were made ("" otherwise).
std::string formatRunComparison(const PlanSheetData& plan);

// The CSV header and the unit's line; the improved plan's columns stay empty without one.
std::string planCsvHeader();
std::string planCsvLine(const std::string& project, const PlanFigures& figures,
                        const PlanSheetData& plan, double seconds,
                        const PlanImprovement* improvement = nullptr);

// The file the line is kept in: output/plan-summary.csv under the workspace root.
inline constexpr char kPlanSummaryCsv[] = "E:/thesis/output/plan-summary.csv";

// skyrig-cli summary --csv PROJECT_DIR...: the header, then each folder's line (a line saying
// "not planned" for a folder without one). Returns the exit code.
int printSummaryCsv(const std::vector<std::string>& projectDirs);

}  // namespace skyrig::cli
