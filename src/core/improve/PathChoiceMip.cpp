#include "improve/PathChoiceMip.h"

#include <algorithm>

namespace skyrig {

std::optional<SalePaths> enumerateSalePaths(const FixedChargeProblem& problem,
                                            int maxPathsPerSale, long maxPaths, long maxSteps) {
  SalePaths all(problem.sales.size());
  std::vector<std::uint8_t> onPath(static_cast<std::size_t>(problem.nodeCount) + 1, 0);
  long paths = 0;
  long steps = 0;
  struct Frame {
    std::int32_t node;
    std::int32_t next;  // position in outLinks
  };
  std::vector<Frame> stack;
  std::vector<std::int32_t> links;
  for (std::size_t s = 0; s < problem.sales.size(); ++s) {
    const FixedChargeSale& sale = problem.sales[s];
    stack.assign(1, {sale.entry, problem.firstOut[static_cast<std::size_t>(sale.entry)]});
    links.clear();
    onPath[static_cast<std::size_t>(sale.entry)] = 1;
    while (!stack.empty()) {
      Frame& top = stack.back();
      if (top.next >= problem.firstOut[static_cast<std::size_t>(top.node) + 1]) {
        onPath[static_cast<std::size_t>(top.node)] = 0;
        stack.pop_back();
        if (!links.empty()) links.pop_back();
        continue;
      }
      const std::int32_t link = problem.outLinks[static_cast<std::size_t>(top.next++)];
      const std::int32_t to = problem.links[static_cast<std::size_t>(link)].to;
      if (++steps > maxSteps) return std::nullopt;
      if (onPath[static_cast<std::size_t>(to)]) continue;
      if (to == sale.destination) {
        links.push_back(link);
        all[s].push_back(links);
        links.pop_back();
        if (static_cast<int>(all[s].size()) > maxPathsPerSale || ++paths > maxPaths)
          return std::nullopt;
        continue;
      }
      links.push_back(link);
      onPath[static_cast<std::size_t>(to)] = 1;
      stack.push_back({to, problem.firstOut[static_cast<std::size_t>(to)]});
    }
    if (all[s].empty()) return std::nullopt;
  }
  return all;
}

PathChoiceModel buildPathChoiceModel(const FixedChargeProblem& problem, const SalePaths& paths,
                                     const std::vector<std::int32_t>& alwaysColumns) {
  PathChoiceModel model;
  MipModel& mip = model.mip;
  model.firstPathColumn.assign(paths.size() + 1, 0);
  // Columns of paths first (cost: volume times the path's variable cost), then of links.
  for (std::size_t s = 0; s < paths.size(); ++s) {
    model.firstPathColumn[s] = mip.columns();
    for (const auto& path : paths[s]) {
      double variable = 0;
      for (const std::int32_t link : path)
        variable += problem.links[static_cast<std::size_t>(link)].variableCost;
      // Continuous: once the links' columns are whole, each sale takes its cheapest open path,
      // so branching on the links alone is enough.
      mip.addColumn(problem.sales[s].volume * variable, false);
    }
  }
  model.firstPathColumn[paths.size()] = mip.columns();
  for (const auto& salePaths : paths)
    for (const auto& path : salePaths)
      for (const std::int32_t link : path) {
        const double fixed = problem.links[static_cast<std::size_t>(link)].fixedCost;
        const bool always =
            std::find(alwaysColumns.begin(), alwaysColumns.end(), link) != alwaysColumns.end();
        if ((fixed > 0 || always) && !model.linkColumn.count(link))
          model.linkColumn.emplace(link, mip.addColumn(fixed));
      }

  // Each sale takes one path; per sale and fixed-cost link, the sale's paths over the link
  // are at most the link's column.
  std::unordered_map<std::int32_t, std::int32_t> rowOfLink;
  for (std::size_t s = 0; s < paths.size(); ++s) {
    const std::int32_t saleRow = mip.addRow(1.0, 1.0);
    rowOfLink.clear();
    for (std::size_t p = 0; p < paths[s].size(); ++p) {
      const std::int32_t column = model.firstPathColumn[s] + static_cast<std::int32_t>(p);
      mip.addEntry(saleRow, column, 1.0);
      for (const std::int32_t link : paths[s][p]) {
        const auto found = model.linkColumn.find(link);
        if (found == model.linkColumn.end()) continue;
        auto [row, added] = rowOfLink.emplace(link, 0);
        if (added) {
          row->second = mip.addRow(-MipModel::kNoLimit, 0.0);
          mip.addEntry(row->second, found->second, -1.0);
        }
        mip.addEntry(row->second, column, 1.0);
      }
    }
  }
  return model;
}

std::vector<double> pathChoiceValues(const PathChoiceModel& model, const SalePaths& paths,
                                     const LinkRouting& routing) {
  std::vector<double> values(static_cast<std::size_t>(model.mip.columns()), 0.0);
  for (std::size_t s = 0; s < paths.size(); ++s) {
    const auto found = std::find(paths[s].begin(), paths[s].end(), routing[s]);
    if (found == paths[s].end()) return {};
    values[static_cast<std::size_t>(model.firstPathColumn[s] + (found - paths[s].begin()))] = 1.0;
    for (const std::int32_t link : routing[s]) {
      const auto column = model.linkColumn.find(link);
      if (column != model.linkColumn.end()) values[static_cast<std::size_t>(column->second)] = 1.0;
    }
  }
  return values;
}

std::optional<LinkRouting> routingOfValues(const PathChoiceModel& model, const SalePaths& paths,
                                       const std::vector<double>& values) {
  if (values.empty()) return std::nullopt;
  LinkRouting routing(paths.size());
  for (std::size_t s = 0; s < paths.size(); ++s) {
    // The path with the largest share (a whole one in a vertex solution).
    std::int32_t chosen = -1;
    for (std::int32_t c = model.firstPathColumn[s]; c < model.firstPathColumn[s + 1]; ++c)
      if (chosen < 0 || values[static_cast<std::size_t>(c)] > values[static_cast<std::size_t>(chosen)])
        chosen = c;
    if (chosen < 0 || values[static_cast<std::size_t>(chosen)] <= 0) return std::nullopt;
    routing[s] = paths[s][static_cast<std::size_t>(chosen - model.firstPathColumn[s])];
  }
  return routing;
}

PathChoiceResult solvePathChoice(const FixedChargeProblem& problem, const SalePaths& paths,
                                 const LinkRouting& start, double seconds) {
  const PathChoiceModel model = buildPathChoiceModel(problem, paths);
  const MipModel::Result solved =
      model.mip.solve(pathChoiceValues(model, paths, start), seconds);
  PathChoiceResult result;
  result.routing = routingOfValues(model, paths, solved.values);
  result.bound = solved.bound;
  result.provenOptimal = solved.provenOptimal && result.routing.has_value();
  result.note = solved.note;
  return result;
}

}  // namespace skyrig
