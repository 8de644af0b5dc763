// The solver's output files: the path file (the best routing, rewritten whole on each
// improvement) and the iteration log (one line per iteration and the best at the end).
#pragma once

#include <cstdio>
#include <memory>
#include <string_view>

#include "seams/Paths.h"

namespace skyrig {

struct SolverTables;
class SaleTable;
class Ui;

// Writes the path file from the current paths of every sale and the current totals. A file
// that cannot be created gives one message per Solve (`reported` remembers it).
void writePathFile(const Paths& paths, Ui& ui, const SaleTable& sales,
                   const SolverTables& solver, bool& reported);

class IterationLog {
 public:
  // An empty name writes no log; a log that cannot be created gives one message.
  IterationLog(const Paths& paths, Ui& ui, std::string_view name);
  void iteration(int number, float total);
  void best(int number, float total);

 private:
  std::unique_ptr<std::FILE, FileCloser> file_;
};

}  // namespace skyrig
