// A binary program built column by column and solved by COIN-OR CBC within a time limit. The
// bound handed back is CBC's proven lower bound, or nothing when CBC gave none.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace skyrig {

class MipModel {
 public:
  // A column between 0 and 1 with its cost, binary unless `integer` is false; returns its
  // index.
  std::int32_t addColumn(double cost, bool integer = true);
  // A row lower <= sum <= upper (use kNoLimit for a side without limit); returns its index.
  std::int32_t addRow(double lower, double upper);
  void addEntry(std::int32_t row, std::int32_t column, double value);

  std::int32_t columns() const { return static_cast<std::int32_t>(cost_.size()); }
  std::int32_t rows() const { return static_cast<std::int32_t>(rowLower_.size()); }

  static constexpr double kNoLimit = 1e30;

  struct Result {
    std::vector<double> values;     // the best solution's column values; empty when none
    double value = 0;               // its cost
    std::optional<double> bound;    // proven lower bound on the optimum
    bool provenOptimal = false;
    std::string note;
  };
  // `start`, when not empty, is a feasible solution CBC starts from.
  Result solve(const std::vector<double>& start, double seconds) const;

 private:
  struct Entry {
    std::int32_t row;
    std::int32_t column;
    double value;
  };
  std::vector<double> cost_;
  std::vector<std::uint8_t> integer_;
  std::vector<double> rowLower_;
  std::vector<double> rowUpper_;
  std::vector<Entry> entries_;
};

}  // namespace skyrig
