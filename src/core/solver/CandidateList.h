// The search's candidate list, kept in a binary heap so that a pick takes O(log n) instead of
// a scan. It reproduces the scanned list exactly: candidates keep the positions the list gives
// them (appended at the end, moved by swap-remove), and the pick is the smallest key, the
// lowest position among equal keys.
#pragma once

#include <cmath>
#include <cstdint>
#include <limits>
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
  std::int32_t best() const { return heap_[1].position; }
  // Removes the best candidate: the last candidate moves into its position. Returns the
  // position the moved candidate now has, or 0 when the best was the last.
  std::int32_t removeBest();

 private:
  struct Entry {
    float key;  // NaN taken as +infinity so the order stays total; such keys are never picked
    std::int32_t position;
  };
  static bool before(const Entry& a, const Entry& b) {
    return a.key < b.key || (a.key == b.key && a.position < b.position);
  }
  static float orderKey(float key) {
    return std::isnan(key) ? std::numeric_limits<float>::infinity() : key;
  }
  void siftUp(std::size_t slot);
  void siftDown(std::size_t slot, std::size_t size);
  void place(std::size_t slot, const Entry& entry) {
    heap_[slot] = entry;
    slotOf_[static_cast<std::size_t>(entry.position)] = static_cast<std::int32_t>(slot);
  }

  std::int32_t count_ = 0;
  std::vector<float> keys_;            // by position
  std::vector<std::int32_t> links_;    // by position
  std::vector<std::int32_t> slotOf_;   // heap slot of each position
  std::vector<Entry> heap_;            // slots 1..count
};

inline std::int32_t CandidateList::append(float key, std::int32_t link) {
  const std::int32_t position = ++count_;
  const auto p = static_cast<std::size_t>(position);
  keys_[p] = key;
  links_[p] = link;
  place(p, Entry{orderKey(key), position});
  siftUp(p);
  return position;
}

inline void CandidateList::lower(std::int32_t position, float key, std::int32_t link) {
  const auto p = static_cast<std::size_t>(position);
  keys_[p] = key;
  links_[p] = link;
  const auto slot = static_cast<std::size_t>(slotOf_[p]);
  heap_[slot].key = orderKey(key);
  siftUp(slot);
}

inline std::int32_t CandidateList::removeBest() {
  const std::int32_t picked = heap_[1].position;
  const auto last = static_cast<std::size_t>(count_);
  const std::size_t remaining = last - 1;
  if (remaining > 0) {
    place(1, heap_[last]);
    siftDown(1, remaining);
  }
  count_ = static_cast<std::int32_t>(remaining);
  if (static_cast<std::size_t>(picked) == last) return 0;
  // Swap-remove: the last position's candidate takes the picked position, which ranks it
  // earlier among equal keys.
  const auto p = static_cast<std::size_t>(picked);
  keys_[p] = keys_[last];
  links_[p] = links_[last];
  const auto slot = static_cast<std::size_t>(slotOf_[last]);
  heap_[slot].position = picked;
  slotOf_[p] = static_cast<std::int32_t>(slot);
  siftUp(slot);
  return picked;
}

inline void CandidateList::siftUp(std::size_t slot) {
  const Entry entry = heap_[slot];
  while (slot > 1) {
    const std::size_t parent = slot / 2;
    if (!before(entry, heap_[parent])) break;
    place(slot, heap_[parent]);
    slot = parent;
  }
  place(slot, entry);
}

inline void CandidateList::siftDown(std::size_t slot, std::size_t size) {
  const Entry entry = heap_[slot];
  for (;;) {
    std::size_t child = 2 * slot;
    if (child > size) break;
    if (child + 1 <= size && before(heap_[child + 1], heap_[child])) ++child;
    if (!before(heap_[child], entry)) break;
    place(slot, heap_[child]);
    slot = child;
  }
  place(slot, entry);
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
