// What skyrig-cli plan prints while it works. On a terminal a long step shows one progress line
// that updates in place (percent, elapsed time, the best total so far); when stdout is a file
// or a pipe each step prints one line when it ends. --quiet prints only messages and errors,
// --verbose every progress report as a line of its own.
#pragma once

#include <chrono>
#include <cstdio>
#include <string>
#include <string_view>

namespace skyrig::cli {

enum class Verbosity { Quiet, Normal, Verbose };

// The figures of one progress report of the analyses and runs.
struct ProgressFigures {
  int percent = -1;     // -1 when the report gives no "N of M"
  std::string best;     // the best total so far, "" when none yet
  std::string stage;    // what the report says is being done, shortened
};
// Reads "Analysing cable roads: 3 of 6 landings" and the run reports ("Optimizing: iteration 1
// of at most 10, cable solve iteration 37 of at most 200, best solve total 123.45, ...").
ProgressFigures parseProgress(std::string_view text);

class ConsoleOutput {
 public:
  ConsoleOutput(Verbosity verbosity, bool terminal, std::FILE* out = stdout);

  // Whether stdout is a terminal (false for files and pipes).
  static bool stdoutIsTerminal();

  void beginStep(const std::string& what);
  void progress(std::string_view text);
  void endStep();
  // A message box or an error line: always printed, ending a progress line first.
  void message(const std::string& line);
  // A plain line of normal output (not in quiet mode).
  void line(const std::string& text);
  Verbosity verbosity() const { return verbosity_; }

 private:
  void clearProgressLine();
  double stepSeconds() const;

  Verbosity verbosity_;
  bool terminal_;
  std::FILE* out_;
  std::string step_;
  std::chrono::steady_clock::time_point stepStart_;
  bool progressShown_ = false;
  std::string best_;
};

}  // namespace skyrig::cli
