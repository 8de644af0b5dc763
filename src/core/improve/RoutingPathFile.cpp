#include "improve/RoutingPathFile.h"

#include <cstdio>

#include "seams/OutputFile.h"
#include "seams/Paths.h"
#include "seams/Ui.h"
#include "document/NetworkTables.h"

namespace skyrig {

bool writeRoutingPathFile(const Paths& paths, Ui& ui, std::string_view systemPath,
                          const SaleTable& sales, const FixedChargeProblem& problem,
                          const LinkRouting& routing) {
  OutputFile file(paths, systemPath);
  if (!file) {
    ui.message("The path file " + paths.displayName(systemPath) + " cannot be created: " +
                   file.error() + ".",
               MessageIcon::Exclamation);
    return false;
  }
  std::FILE* out = file.get();
  const auto nodePaths = nodePathsOf(problem, routing);
  std::fprintf(out, "%d\n%d\n", 0, sales.count());
  for (std::int32_t i = 1; i <= sales.count(); ++i) {
    const auto& nodes = nodePaths[static_cast<std::size_t>(i) - 1];
    std::fprintf(out, "%d\n%f\n%d\n", i, static_cast<double>(sales[i].volume),
                 static_cast<int>(nodes.size()));
    for (const std::int32_t node : nodes) std::fprintf(out, "%d ", node);
    std::fputc('\n', out);
  }
  const RoutingCost cost = routingCost(problem, routing);
  std::fprintf(out, "%lf\n%lf\n%lf\n", cost.variable, cost.fixed, cost.total());
  if (file.commit()) return true;
  ui.message("The path file " + paths.displayName(systemPath) + " could not be written: " +
                 file.error() + ".",
             MessageIcon::Exclamation);
  return false;
}

}  // namespace skyrig
