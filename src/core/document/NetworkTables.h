// Link and sale tables of the transport networks, owned by the project document, with the
// saved copies the separate run restores in later iterations and the builders' working grids.
#pragma once

#include <cstdint>
#include <vector>

#include "document/Grid.h"
#include "document/NodeName.h"

namespace skyrig {

inline constexpr int kMaxLinks = 500001;  // links 1..500,001; record 0 is the sentinel
inline constexpr int kMaxSales = 20001;   // sales 1..20,001

struct LinkRecord {
  NodeName from;
  NodeName to;
  float variableCost = 0;  // per unit of volume carried
  float fixedCost = 0;     // once when the link carries any volume
};

// Stored beside each road link for the road reports; zero for every other link.
struct LinkAttributes {
  float length = 0;     // horizontal length d, m
  float grade = 0;      // ground slope g along the link, fraction
  float sideSlope = 0;  // side slope s across the link, fraction
};

struct SaleRecord {
  NodeName entry;
  NodeName destination;
  float volume = 0;
  std::int16_t period = 0;
};

// Links numbered 1..count; record 0 (empty names) is never a link. Storage for the whole
// capacity is reserved on the first append, so appending never reallocates.
class LinkTable {
 public:
  LinkTable();

  std::int32_t count() const { return static_cast<std::int32_t>(records_.size()) - 1; }
  bool full() const { return count() >= kMaxLinks; }
  // False, and nothing stored, when the table is full.
  bool append(const LinkRecord& link, const LinkAttributes& attributes = {});
  void clear();

  LinkRecord& operator[](int i) { return records_[static_cast<std::size_t>(i)]; }
  const LinkRecord& operator[](int i) const { return records_[static_cast<std::size_t>(i)]; }
  LinkAttributes& attributes(int i) { return attributes_[static_cast<std::size_t>(i)]; }
  const LinkAttributes& attributes(int i) const {
    return attributes_[static_cast<std::size_t>(i)];
  }

  // Rewrites links 1..count in the order given: link k becomes the old link order[k].
  // `order` has count + 1 entries; order[0] is ignored. `scratch` is reused working storage.
  void permute(const std::vector<std::int32_t>& order, std::vector<LinkRecord>& scratch,
               std::vector<LinkAttributes>& attributeScratch);

 private:
  std::vector<LinkRecord> records_;
  std::vector<LinkAttributes> attributes_;
};

// Sales numbered 1..count; storage for the whole capacity is reserved on the first append.
class SaleTable {
 public:
  SaleTable();

  std::int32_t count() const { return static_cast<std::int32_t>(records_.size()) - 1; }
  bool full() const { return count() >= kMaxSales; }
  bool append(const SaleRecord& sale);
  void clear();

  SaleRecord& operator[](int i) { return records_[static_cast<std::size_t>(i)]; }
  const SaleRecord& operator[](int i) const { return records_[static_cast<std::size_t>(i)]; }

 private:
  std::vector<SaleRecord> records_;
};

struct NetworkTables {
  LinkTable links;
  SaleTable sales;

  // Taken at the full build of iteration 1 of a separate run, restored in later iterations.
  LinkTable savedCableLinks;  // cable links without the landing-to-sink links
  LinkTable savedRoadLinks;
  SaleTable savedCableSales;

  Grid<std::uint8_t> reachedByCable;  // 1 = a cable road yards the cell (last cable build)
  Grid<std::uint8_t> roadVisited;     // road builder: the cell's neighbours have been linked
};

}  // namespace skyrig
