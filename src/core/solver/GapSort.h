// The solver's gap sort, computed fast with the identical result. The sort runs, for gaps n/2,
// n/4, ..., 1, passes of compare-exchange (i, i + gap) until a pass exchanges nothing. For one
// gap that is a bubble sort of each chain i, i + gap, i + 2 gap, ... run to completion, and a
// bubble sort that exchanges only strictly greater neighbours is stable: its result is the
// stable sort of the chain. So each chain is stable-sorted instead, O(n log n) per gap.
#pragma once

#include <algorithm>
#include <cstddef>
#include <vector>

namespace skyrig {

// Sorts items[first .. first + n - 1]; `greater(a, b)` is the exchange test (a before b in
// the chain is exchanged with b). `chain` is reused working storage.
template <typename T, typename Greater>
void gapSort(std::vector<T>& items, std::size_t first, std::size_t n, Greater greater,
             std::vector<T>& chain) {
  const auto ascending = [&](const T& a, const T& b) { return greater(b, a); };
  for (std::size_t gap = n / 2; gap >= 1; gap /= 2) {
    for (std::size_t start = 0; start < gap; ++start) {
      chain.clear();
      bool sorted = true;
      for (std::size_t i = start; i < n; i += gap) {
        if (!chain.empty() && greater(chain.back(), items[first + i])) sorted = false;
        chain.push_back(items[first + i]);
      }
      if (sorted) continue;
      std::stable_sort(chain.begin(), chain.end(), ascending);
      std::size_t k = 0;
      for (std::size_t i = start; i < n; i += gap) items[first + i] = chain[k++];
    }
  }
}

}  // namespace skyrig
