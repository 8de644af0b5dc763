// Hashed Find link: the first link, in link-table order, from one node to another.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace skyrig {

class LinkPairIndex {
 public:
  // Indexes links 1..linkCount; a later duplicate of a (from, to) pair is not stored.
  void build(const std::vector<std::int32_t>& from, const std::vector<std::int32_t>& to,
             std::int32_t linkCount);
  // The first link from `from` to `to`, or 0 when there is none.
  std::int32_t find(std::int32_t from, std::int32_t to) const;

 private:
  struct Slot {
    std::int32_t from = 0;
    std::int32_t to = 0;
    std::int32_t link = 0;  // 0 = empty
  };
  static std::size_t hash(std::int32_t from, std::int32_t to);
  std::vector<Slot> slots_;
  std::size_t mask_ = 0;
};

}  // namespace skyrig
