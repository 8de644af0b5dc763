#include <cstddef>

#include "document/NetworkTables.h"

namespace skyrig {

LinkTable::LinkTable() : records_(1), attributes_(1) {}

bool LinkTable::append(const LinkRecord& link, const LinkAttributes& attributes) {
  if (full()) return false;
  if (records_.capacity() < static_cast<std::size_t>(kMaxLinks) + 1) {
    records_.reserve(static_cast<std::size_t>(kMaxLinks) + 1);
    attributes_.reserve(static_cast<std::size_t>(kMaxLinks) + 1);
  }
  records_.push_back(link);
  attributes_.push_back(attributes);
  return true;
}

void LinkTable::clear() {
  records_.resize(1);
  attributes_.resize(1);
}

void LinkTable::permute(const std::vector<std::int32_t>& order, std::vector<LinkRecord>& scratch,
                        std::vector<LinkAttributes>& attributeScratch) {
  scratch.assign(records_.begin(), records_.end());
  attributeScratch.assign(attributes_.begin(), attributes_.end());
  for (std::size_t k = 1; k < records_.size(); ++k) {
    const auto from = static_cast<std::size_t>(order[k]);
    records_[k] = scratch[from];
    attributes_[k] = attributeScratch[from];
  }
}

SaleTable::SaleTable() : records_(1) {}

bool SaleTable::append(const SaleRecord& sale) {
  if (full()) return false;
  if (records_.capacity() < static_cast<std::size_t>(kMaxSales) + 1)
    records_.reserve(static_cast<std::size_t>(kMaxSales) + 1);
  records_.push_back(sale);
  return true;
}

void SaleTable::clear() { records_.resize(1); }

}  // namespace skyrig
