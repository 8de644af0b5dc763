// The one program-wide pseudo-random generator: the C library linear congruential generator
// (state * 214013 + 2531011 mod 2^32, result (state >> 16) & 0x7FFF), seeded with 1.
// The solver's sale shuffling and the clump colours draw from the same sequence.
#pragma once

#include <cstdint>

namespace skyrig {

class Random {
 public:
  explicit Random(std::uint32_t seed = 1) : state_(seed) {}
  void seed(std::uint32_t seed) { state_ = seed; }
  int next() {
    state_ = state_ * 214013u + 2531011u;
    return static_cast<int>((state_ >> 16) & 0x7FFFu);
  }
  std::uint32_t state() const { return state_; }

 private:
  std::uint32_t state_;
};

}  // namespace skyrig
