// Hashed lookup of node names (open addressing, linear probing). The index stores ids; the
// names live in a table the caller passes in, where names[id] is the name stored under id.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "document/NodeName.h"

namespace skyrig {

class NodeNameIndex {
 public:
  // Empties the index and sizes it for up to `expected` names.
  void reset(std::size_t expected);
  // The id stored for `name`, or 0 when there is none.
  std::int32_t find(const NodeName& name, const std::vector<NodeName>& names) const;
  // Stores `id` for `name`, which must not be in the index yet.
  void insert(const NodeName& name, std::int32_t id);

 private:
  static std::size_t hash(const NodeName& name);
  std::vector<std::int32_t> slots_;  // 0 = empty
  std::size_t mask_ = 0;
};

}  // namespace skyrig
