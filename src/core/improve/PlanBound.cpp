#include "improve/PlanBound.h"

#include <cmath>

#include "improve/MipModel.h"
#include "improve/PathChoiceMip.h"
#include "improve/ShortestPaths.h"

namespace skyrig {

PlanBoundResult planLowerBound(const PlanBoundInput& input, double seconds) {
  PlanBoundResult result;
  const auto paths = enumerateSalePaths(input.cable);
  if (!paths) {
    result.note = "the cable network has too many paths per timber cell for the plan bound";
    return result;
  }
  std::vector<std::int32_t> tied = input.landingLinks;
  tied.insert(tied.end(), input.closedLandingLinks.begin(), input.closedLandingLinks.end());
  PathChoiceModel model = buildPathChoiceModel(input.cable, *paths, tied);
  MipModel& mip = model.mip;
  std::vector<double> start = pathChoiceValues(model, *paths, input.start);

  // One column per landing set that roads can join to the exits; exactly one is taken.
  const std::int32_t oneSet = mip.addRow(1.0, 1.0);
  std::vector<std::int32_t> landingRow(input.landingLinks.size(), -1);
  for (std::size_t i = 0; i < input.landingLinks.size(); ++i) {
    const auto column = model.linkColumn.find(input.landingLinks[i]);
    if (column == model.linkColumn.end()) continue;  // no timber can reach the landing
    landingRow[i] = mip.addRow(-MipModel::kNoLimit, 0.0);
    mip.addEntry(landingRow[i], column->second, 1.0);
  }
  for (const std::int32_t link : input.closedLandingLinks) {
    const auto column = model.linkColumn.find(link);
    if (column == model.linkColumn.end()) continue;
    mip.addEntry(mip.addRow(-MipModel::kNoLimit, 0.0), column->second, 1.0);
  }
  std::uint32_t startSet = 0;
  if (!start.empty())
    for (std::size_t i = 0; i < input.landingLinks.size(); ++i) {
      const auto column = model.linkColumn.find(input.landingLinks[i]);
      if (column != model.linkColumn.end() && start[static_cast<std::size_t>(column->second)] > 0.5)
        startSet |= 1u << i;
    }
  for (std::size_t set = 0; set < input.landingSetFixedCost.size(); ++set) {
    const double fixed = input.landingSetFixedCost[set];
    if (!std::isfinite(fixed)) continue;
    const std::int32_t column = mip.addColumn(fixed);
    mip.addEntry(oneSet, column, 1.0);
    for (std::size_t i = 0; i < input.landingLinks.size(); ++i)
      if ((set >> i & 1u) && landingRow[i] >= 0) mip.addEntry(landingRow[i], column, -1.0);
    if (!start.empty()) start.push_back(set == startSet ? 1.0 : 0.0);
  }
  if (!start.empty() && start.size() != static_cast<std::size_t>(mip.columns())) start.clear();

  const MipModel::Result solved = mip.solve(start, seconds);
  result.bound = solved.bound;
  result.note = solved.note;
  return result;
}

}  // namespace skyrig
