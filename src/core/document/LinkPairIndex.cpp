#include "document/LinkPairIndex.h"

#include <algorithm>

namespace skyrig {

std::size_t LinkPairIndex::hash(std::int32_t from, std::int32_t to) {
  std::uint64_t h = (static_cast<std::uint64_t>(static_cast<std::uint32_t>(from)) << 32) |
                    static_cast<std::uint32_t>(to);
  h *= 0x9E3779B97F4A7C15ull;
  return static_cast<std::size_t>(h ^ (h >> 31));
}

void LinkPairIndex::build(const std::vector<std::int32_t>& from,
                          const std::vector<std::int32_t>& to, std::int32_t linkCount) {
  std::size_t size = 16;
  while (size < 2 * static_cast<std::size_t>(linkCount) + 2) size *= 2;
  if (slots_.size() != size) slots_.assign(size, Slot{});
  else std::fill(slots_.begin(), slots_.end(), Slot{});
  mask_ = size - 1;
  for (std::int32_t link = 1; link <= linkCount; ++link) {
    const std::int32_t f = from[static_cast<std::size_t>(link)];
    const std::int32_t t = to[static_cast<std::size_t>(link)];
    std::size_t i = hash(f, t) & mask_;
    while (slots_[i].link != 0 && !(slots_[i].from == f && slots_[i].to == t))
      i = (i + 1) & mask_;
    if (slots_[i].link == 0) slots_[i] = {f, t, link};
  }
}

std::int32_t LinkPairIndex::find(std::int32_t from, std::int32_t to) const {
  if (slots_.empty()) return 0;
  for (std::size_t i = hash(from, to) & mask_;; i = (i + 1) & mask_) {
    const Slot& slot = slots_[i];
    if (slot.link == 0) return 0;
    if (slot.from == from && slot.to == to) return slot.link;
  }
}

}  // namespace skyrig
