// Grid<T>: one 700 x 700 raster of the project, indexed (column, row) from 1.
// Column-major (all rows of column 1, then column 2, ...) so whole-grid copy and clear are
// single block operations. Slot 0 of each dimension holds no data.
#pragma once

#include <algorithm>
#include <cstddef>
#include <vector>

namespace skyrig {

inline constexpr int kGridSlots = 700;     // indices 0..699
inline constexpr int kMaxGridCells = 699;  // usable columns and rows

template <typename T>
class Grid {
 public:
  Grid() : cells_(static_cast<std::size_t>(kGridSlots) * kGridSlots) {}

  T& operator()(int c, int r) { return cells_[index(c, r)]; }
  const T& operator()(int c, int r) const { return cells_[index(c, r)]; }

  void fill(const T& value) { std::fill(cells_.begin(), cells_.end(), value); }
  T* data() { return cells_.data(); }
  const T* data() const { return cells_.data(); }
  std::size_t size() const { return cells_.size(); }

  friend bool operator==(const Grid&, const Grid&) = default;

 private:
  static std::size_t index(int c, int r) {
    return static_cast<std::size_t>(c) * kGridSlots + static_cast<std::size_t>(r);
  }
  std::vector<T> cells_;
};

}  // namespace skyrig
