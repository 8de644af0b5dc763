// The fixed files of the planning runs, results and reports, and the file steps they share:
// opening with one message that names the file, byte copies, and the note a cancelled run
// leaves in every file it writes.
#pragma once

#include <cstdio>
#include <memory>
#include <string>
#include <string_view>

#include "seams/OutputFile.h"
#include "seams/Paths.h"

namespace skyrig {

class Ui;

// Separate run.
inline constexpr std::string_view kRunLogFile = "E:\\thesis\\output\\T&Results.txt";
inline constexpr std::string_view kCablePathFile = "e:\\thesis\\output\\cablepath.txt";
inline constexpr std::string_view kRoadPathFile = "E:\\thesis\\output\\roadpath.txt";
inline constexpr std::string_view kBestCablePathFile = "e:\\thesis\\output\\bestcablepath.txt";
inline constexpr std::string_view kBestRoadPathFile = "e:\\thesis\\output\\bestroadpath.txt";
inline constexpr std::string_view kCableIterationLogPrefix = "e:\\thesis\\output\\cableoptimizing";
inline constexpr std::string_view kRoadIterationLogPrefix = "e:\\thesis\\output\\roadoptimizing";
inline constexpr std::string_view kFinalResultsFile = "E:\\thesis\\output\\T&ResultsSepFinal.txt";

// All-at-once run.
inline constexpr std::string_view kAllAtOnceLogFile = "E:\\thesis\\output\\T&ResultsAllAtOnce.txt";
inline constexpr std::string_view kAllPathFile = "e:\\thesis\\output\\allpath.txt";
inline constexpr std::string_view kAllPathReadFile = "E:\\thesis\\output\\allpath.txt";

// Results file and reports.
inline constexpr std::string_view kResultsFileWritten = "e:/thesis/output/ResultFile.dat";
inline constexpr std::string_view kCableReportFile = "E:\\thesis\\output\\cablereport.txt";
inline constexpr std::string_view kRoadReportFile = "E:\\thesis\\output\\roadreport.txt";
inline constexpr std::string_view kRoadMileageFile = "E:\\thesis\\output\\RoadMileage.txt";
inline constexpr std::string_view kBestRoadPathReadFile = "E:\\thesis\\output\\bestroadpath.txt";

// "E:\thesis\output\T&ResultsSep%d.txt" with the iteration number.
std::string iterationResultsFile(int iteration);
// The prefix followed by the iteration number formatted "%d.txt".
std::string iterationLogFile(std::string_view prefix, int iteration);

// The line a cancelled run adds at the end of every file it writes.
inline constexpr std::string_view kCancelledNote =
    "Run cancelled by the user: the solver stopped early; these are the best results found "
    "until then.\n";

using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

// Opens the file's replacement (see OutputFile); on failure shows "The file NAME cannot be
// created: REASON." and returns a closed file.
OutputFile createOutputFile(const Paths& paths, Ui& ui, std::string_view systemPath);
// Puts the written file in place of the old one; on failure shows "The file NAME could not be
// written: REASON. The previous file is kept." and returns false.
bool finishOutputFile(Ui& ui, OutputFile& file);
// Opens the file for reading; on failure shows "The file NAME cannot be opened." and returns
// null.
FileHandle openInputFile(const Paths& paths, Ui& ui, std::string_view systemPath);

// Copies a file byte for byte; on failure one message naming the file that failed.
bool copyFile(const Paths& paths, Ui& ui, std::string_view from, std::string_view to);

// Appends the cancel note to a file written by someone else (the solver's iteration log).
void appendCancelledNote(const Paths& paths, std::string_view systemPath);

}  // namespace skyrig
