// The solver's output files: the path file (the best routing, rewritten whole on each
// improvement) and the iteration log (one line per iteration and the best at the end).
#pragma once

#include <cstdio>
#include <memory>
#include <string_view>

#include "seams/OutputFile.h"
#include "seams/Paths.h"

namespace skyrig {

struct SolverTables;
class SaleTable;
class Ui;

// A sale volume as the path file stores it ("%f") and its readers get it back.
float pathFileVolume(float volume);

// Writes the path file from the current paths of every sale and the current totals; the file
// replaces the previous one only when complete. A file that cannot be written gives one
// message per Solve (`reported` remembers it) and false.
bool writePathFile(const Paths& paths, Ui& ui, const SaleTable& sales,
                   const SolverTables& solver, bool& reported);

class IterationLog {
 public:
  // An empty name writes no log; a log that cannot be created gives one message.
  IterationLog(const Paths& paths, Ui& ui, std::string_view name);
  void iteration(int number, float total);
  void best(int number, float total);
  // Puts the log in place of the previous one (the destructor does it too).
  void finish();
  ~IterationLog();

 private:
  OutputFile file_;
  Ui* ui_ = nullptr;
};

}  // namespace skyrig
