#include "solver/SolverFiles.h"

#include <cstdlib>
#include <string>

#include "document/NetworkTables.h"
#include "document/SolverTables.h"
#include "seams/Ui.h"

namespace skyrig {

namespace {

// Appends the decimal digits of a non-negative number.
char* appendNumber(char* out, std::int32_t value) {
  char digits[12];
  int n = 0;
  auto v = static_cast<std::uint32_t>(value);
  do {
    digits[n++] = static_cast<char>('0' + v % 10);
    v /= 10;
  } while (v != 0);
  while (n > 0) *out++ = digits[--n];
  return out;
}

}  // namespace

float pathFileVolume(float volume) {
  char text[64];
  std::snprintf(text, sizeof text, "%f", static_cast<double>(volume));
  return std::strtof(text, nullptr);
}

bool writePathFile(const Paths& paths, Ui& ui, const SaleTable& sales,
                   const SolverTables& solver, bool& reported) {
  OutputFile file(paths, solver.pathFileName);
  const auto fail = [&] {
    if (!reported)
      ui.message("The path file " + paths.displayName(solver.pathFileName) +
                     " cannot be written (" + file.error() +
                     "). The solution is kept in memory only.",
                 MessageIcon::Exclamation);
    reported = true;
    return false;
  };
  if (!file) return fail();
  std::FILE* out = file.get();
  const std::int32_t count = sales.count();
  std::fprintf(out, "%d\n", 0);
  std::fprintf(out, "%d\n", count);
  char line[32];
  for (std::int32_t i = 1; i <= count; ++i) {
    const auto s = static_cast<std::size_t>(i);
    const std::int32_t length = solver.paths.length[s];
    std::fprintf(out, "%d\n%f\n%d\n", i, static_cast<double>(sales[i].volume), length);
    const std::int32_t* node = solver.paths.nodes.data() + solver.paths.start[s];
    for (std::int32_t k = 0; k < length; ++k) {
      char* end = appendNumber(line, node[k]);
      *end++ = ' ';
      std::fwrite(line, 1, static_cast<std::size_t>(end - line), out);
    }
    std::fputc('\n', out);
  }
  std::fprintf(out, "%lf\n", static_cast<double>(solver.variableTotal));
  std::fprintf(out, "%lf\n", static_cast<double>(solver.fixedTotal));
  std::fprintf(out, "%lf\n", static_cast<double>(solver.total));
  return file.commit() || fail();
}

IterationLog::IterationLog(const Paths& paths, Ui& ui, std::string_view name) : ui_(&ui) {
  if (name.empty()) return;
  file_ = OutputFile(paths, name);
  if (!file_)
    ui.message("The iteration log " + paths.displayName(name) + " cannot be created (" +
                   file_.error() + "). The solve goes on without it.",
               MessageIcon::Exclamation);
}

IterationLog::~IterationLog() { finish(); }

void IterationLog::finish() {
  if (file_ && !file_.commit())
    ui_->message("The iteration log " + file_.target().lexically_normal().string() +
                     " could not be written (" + file_.error() + "); the previous log is kept.",
                 MessageIcon::Exclamation);
}

void IterationLog::iteration(int number, float total) {
  if (file_)
    std::fprintf(file_.get(), "Iteration: %d\tCurrentSolution %f\n", number,
                 static_cast<double>(total));
}

void IterationLog::best(int number, float total) {
  if (file_)
    std::fprintf(file_.get(), "Best Iteration: %d\tBestSolution %f\n", number,
                 static_cast<double>(total));
}

}  // namespace skyrig
