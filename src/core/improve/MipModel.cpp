#include "improve/MipModel.h"

#include <Cbc_C_Interface.h>
#include <CoinFinite.hpp>

#include <algorithm>
#include <cmath>
#include <memory>

namespace skyrig {

namespace {

struct ModelDeleter {
  void operator()(Cbc_Model* model) const { Cbc_deleteModel(model); }
};

}  // namespace

std::int32_t MipModel::addColumn(double cost, bool integer) {
  cost_.push_back(cost);
  integer_.push_back(integer ? 1 : 0);
  return columns() - 1;
}

std::int32_t MipModel::addRow(double lower, double upper) {
  rowLower_.push_back(lower <= -kNoLimit ? -COIN_DBL_MAX : lower);
  rowUpper_.push_back(upper >= kNoLimit ? COIN_DBL_MAX : upper);
  return rows() - 1;
}

void MipModel::addEntry(std::int32_t row, std::int32_t column, double value) {
  entries_.push_back({row, column, value});
}

MipModel::Result MipModel::solve(const std::vector<double>& start, double seconds) const {
  Result result;
  std::vector<Entry> entries = entries_;
  std::sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) {
    return a.column != b.column ? a.column < b.column : a.row < b.row;
  });
  std::vector<CoinBigIndex> starts(static_cast<std::size_t>(columns()) + 1, 0);
  std::vector<int> rowIndex(entries.size());
  std::vector<double> values(entries.size());
  for (std::size_t e = 0; e < entries.size(); ++e) {
    ++starts[static_cast<std::size_t>(entries[e].column) + 1];
    rowIndex[e] = entries[e].row;
    values[e] = entries[e].value;
  }
  for (std::size_t c = 1; c < starts.size(); ++c) starts[c] += starts[c - 1];
  const std::vector<double> lower(static_cast<std::size_t>(columns()), 0.0);
  const std::vector<double> upper(static_cast<std::size_t>(columns()), 1.0);

  std::unique_ptr<Cbc_Model, ModelDeleter> model(Cbc_newModel());
  Cbc_loadProblem(model.get(), columns(), rows(), starts.data(), rowIndex.data(), values.data(),
                  lower.data(), upper.data(), cost_.data(), rowLower_.data(), rowUpper_.data());
  for (std::int32_t c = 0; c < columns(); ++c)
    if (integer_[static_cast<std::size_t>(c)]) Cbc_setInteger(model.get(), c);
  Cbc_setLogLevel(model.get(), 0);
  Cbc_setMaximumSeconds(model.get(), std::max(0.5, seconds));
  Cbc_setAllowableGap(model.get(), 0.0);
  Cbc_setAllowableFractionGap(model.get(), 0.0);
  if (!start.empty()) {
    std::vector<int> indexes(static_cast<std::size_t>(columns()));
    for (std::int32_t c = 0; c < columns(); ++c) indexes[static_cast<std::size_t>(c)] = c;
    Cbc_setMIPStartI(model.get(), columns(), indexes.data(), start.data());
  }

  Cbc_solve(model.get());
  if (Cbc_status(model.get()) == 2 || Cbc_isAbandoned(model.get())) {
    result.note = "the branch and bound gave up on numerical difficulties";
    return result;
  }
  // A model without solution has no optimum to bound; CBC's figure would mislead.
  if (Cbc_isProvenInfeasible(model.get())) {
    result.note = "the branch and bound found that the model has no solution";
    return result;
  }
  if (const double* best = Cbc_bestSolution(model.get())) {
    result.values.assign(best, best + columns());
    result.value = Cbc_getObjValue(model.get());
  }
  result.provenOptimal = Cbc_isProvenOptimal(model.get()) != 0 && !result.values.empty();
  const double bestPossible = Cbc_getBestPossibleObjValue(model.get());
  const bool finite = std::isfinite(bestPossible) && std::fabs(bestPossible) < 1e40;
  if (result.provenOptimal) {
    result.bound = finite ? std::min(result.value, bestPossible) : result.value;
  } else if (finite && Cbc_status(model.get()) != -1) {
    result.bound = bestPossible;
  }
  result.note = result.provenOptimal ? "branch and bound proved the optimum"
                                     : "branch and bound stopped at its time limit";
  return result;
}

}  // namespace skyrig
