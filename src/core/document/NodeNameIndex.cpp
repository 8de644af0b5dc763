#include "document/NodeNameIndex.h"

#include <algorithm>

namespace skyrig {

void NodeNameIndex::reset(std::size_t expected) {
  std::size_t size = 16;
  while (size < 2 * expected + 2) size *= 2;
  if (slots_.size() != size) slots_.assign(size, 0);
  else std::fill(slots_.begin(), slots_.end(), 0);
  mask_ = size - 1;
}

std::size_t NodeNameIndex::hash(const NodeName& name) {
  std::uint64_t h = 1469598103934665603ull;  // FNV-1a
  for (const char* p = name.text; *p != '\0'; ++p) {
    h ^= static_cast<unsigned char>(*p);
    h *= 1099511628211ull;
  }
  return static_cast<std::size_t>(h ^ (h >> 29));
}

std::int32_t NodeNameIndex::find(const NodeName& name, const std::vector<NodeName>& names) const {
  if (slots_.empty()) return 0;
  for (std::size_t i = hash(name) & mask_;; i = (i + 1) & mask_) {
    const std::int32_t id = slots_[i];
    if (id == 0) return 0;
    if (names[static_cast<std::size_t>(id)] == name) return id;
  }
}

void NodeNameIndex::insert(const NodeName& name, std::int32_t id) {
  std::size_t i = hash(name) & mask_;
  while (slots_[i] != 0) i = (i + 1) & mask_;
  slots_[i] = id;
}

}  // namespace skyrig
