// The search's candidate list, kept in a 4-ary heap so that a pick takes O(log n) instead of a
// scan. It reproduces the scanned list exactly: candidates keep the positions the list gives
// them (appended at the end, moved by swap-remove), and the pick is the smallest key, the
// lowest position among equal keys.
#pragma once

#include <cmath>
#include <cstdint>
#include <cstring>
#include <vector>

namespace skyrig {

class CandidateList {
 public:
  // Sizes the storage for up to `capacity` candidates (outside the search loop).
  void reserve(std::size_t capacity);
  void clear() { count_ = 0; }

  std::int32_t count() const { return count_; }
  float key(std::int32_t position) const { return keys_[static_cast<std::size_t>(position)]; }
  std::int32_t link(std::int32_t position) const {
    return links_[static_cast<std::size_t>(position)];
  }

  // Appends at position count + 1 and returns that position.
  std::int32_t append(float key, std::int32_t link);
  // Replaces the key and link at `position` by a strictly smaller key.
  void lower(std::int32_t position, float key, std::int32_t link);
  // Position of the smallest key (lowest position on a tie); the list must not be empty.
  std::int32_t best() const { return static_cast<std::int32_t>(heap_[0] & 0xFFFFFFFFu); }
  // Removes the best candidate: the last candidate moves into its position. Returns the
  // position the moved candidate now has, or 0 when the best was the last.
  std::int32_t removeBest();

 private:
  // The heap orders by one integer: the key's bits mapped so that integer order is float
  // order (-0 taken as +0, NaN as +infinity, which is never picked), then the position.
  static std::uint64_t order(float key, std::int32_t position) {
    if (std::isnan(key)) key = INFINITY;
    if (key == 0.0f) key = 0.0f;
    std::uint32_t bits;
    std::memcpy(&bits, &key, sizeof bits);
    bits = (bits & 0x80000000u) != 0 ? ~bits : bits | 0x80000000u;
    return (static_cast<std::uint64_t>(bits) << 32) | static_cast<std::uint32_t>(position);
  }
  static std::size_t positionOf(std::uint64_t entry) {
    return static_cast<std::size_t>(entry & 0xFFFFFFFFu);
  }
  void siftUp(std::size_t slot, std::uint64_t entry);
  void siftDown(std::size_t slot, std::uint64_t entry, std::size_t size);

  std::int32_t count_ = 0;
  std::vector<float> keys_;            // by position
  std::vector<std::int32_t> links_;    // by position
  std::vector<std::uint32_t> slotOf_;  // heap slot of each position
  std::vector<std::uint64_t> heap_;    // slots 0..count-1; children of s are 4s+1..4s+4
};

inline std::int32_t CandidateList::append(float key, std::int32_t link) {
  const std::int32_t position = ++count_;
  const auto p = static_cast<std::size_t>(position);
  keys_[p] = key;
  links_[p] = link;
  siftUp(p - 1, order(key, position));
  return position;
}

inline void CandidateList::lower(std::int32_t position, float key, std::int32_t link) {
  const auto p = static_cast<std::size_t>(position);
  keys_[p] = key;
  links_[p] = link;
  siftUp(slotOf_[p], order(key, position));
}

inline std::int32_t CandidateList::removeBest() {
  const std::size_t picked = positionOf(heap_[0]);
  const auto last = static_cast<std::size_t>(count_);
  const std::size_t remaining = last - 1;
  if (remaining > 0) siftDown(0, heap_[remaining], remaining);
  count_ = static_cast<std::int32_t>(remaining);
  if (picked == last) return 0;
  // Swap-remove: the last position's candidate takes the picked position, which ranks it
  // earlier among equal keys.
  keys_[picked] = keys_[last];
  links_[picked] = links_[last];
  siftUp(slotOf_[last], order(keys_[picked], static_cast<std::int32_t>(picked)));
  return static_cast<std::int32_t>(picked);
}

inline void CandidateList::siftUp(std::size_t slot, std::uint64_t entry) {
  while (slot > 0) {
    const std::size_t parent = (slot - 1) / 4;
    const std::uint64_t above = heap_[parent];
    if (above <= entry) break;
    heap_[slot] = above;
    slotOf_[positionOf(above)] = static_cast<std::uint32_t>(slot);
    slot = parent;
  }
  heap_[slot] = entry;
  slotOf_[positionOf(entry)] = static_cast<std::uint32_t>(slot);
}

inline void CandidateList::siftDown(std::size_t slot, std::uint64_t entry, std::size_t size) {
  for (;;) {
    const std::size_t first = 4 * slot + 1;
    if (first >= size) break;
    std::size_t child = first;
    std::uint64_t smallest = heap_[first];
    const std::size_t end = first + 4 < size ? first + 4 : size;
    for (std::size_t c = first + 1; c < end; ++c)
      if (heap_[c] < smallest) {
        smallest = heap_[c];
        child = c;
      }
    if (entry <= smallest) break;
    heap_[slot] = smallest;
    slotOf_[positionOf(smallest)] = static_cast<std::uint32_t>(slot);
    slot = child;
  }
  heap_[slot] = entry;
  slotOf_[positionOf(entry)] = static_cast<std::uint32_t>(slot);
}

inline void CandidateList::reserve(std::size_t capacity) {
  if (keys_.size() < capacity + 2) {
    keys_.resize(capacity + 2);
    links_.resize(capacity + 2);
    slotOf_.resize(capacity + 2);
    heap_.resize(capacity + 2);
  }
}

}  // namespace skyrig
