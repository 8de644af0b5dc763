#include "network/NetworkCapacity.h"

#include <algorithm>
#include <string>

#include "document/CSkyrigDoc.h"
#include "seams/Ui.h"

namespace skyrig {

namespace {

std::string unitSize(const CSkyrigDoc& doc) {
  const UnitBox box = unitBoxInGrid(doc);
  const int cols = std::max(0, box.maxCol - box.minCol + 1);
  const int rows = std::max(0, box.maxRow - box.minRow + 1);
  return std::to_string(cols) + " x " + std::to_string(rows) + " cells";
}

}  // namespace

UnitBox unitBoxInGrid(const CSkyrigDoc& doc) {
  return {std::max(doc.unitBox.minCol, 1), std::max(doc.unitBox.minRow, 1),
          std::min(doc.unitBox.maxCol, doc.ncols), std::min(doc.unitBox.maxRow, doc.nrows)};
}

LinkAppender::LinkAppender(LinkTable& table, ExportFile* file, const CSkyrigDoc& doc, Ui& ui,
                           std::string_view network)
    : table_(table), file_(file), doc_(doc), ui_(ui), network_(network) {}

bool LinkAppender::add(const NodeName& from, const NodeName& to, float variableCost,
                       float fixedCost, const LinkAttributes& attributes) {
  if (overflowed_) return false;
  const LinkRecord link{from, to, variableCost, fixedCost};
  if (!table_.append(link, attributes)) {
    overflowed_ = true;
    table_.clear();
    ui_.message("The " + std::string(network_) + " network of this harvest unit (" +
                    unitSize(doc_) +
                    ") needs more than 500,001 links, the capacity of the link table. "
                    "Nothing is solved; please use a smaller harvest unit.",
                MessageIcon::Stop);
    return false;
  }
  if (file_) file_->write(link);
  return true;
}

SaleAppender::SaleAppender(SaleTable& table, ExportFile* file, const CSkyrigDoc& doc, Ui& ui,
                           std::string_view network)
    : table_(table), file_(file), doc_(doc), ui_(ui), network_(network) {}

bool SaleAppender::add(const NodeName& entry, const NodeName& destination, float volume) {
  if (overflowed_) return false;
  const SaleRecord sale{entry, destination, volume, 0};
  if (!table_.append(sale)) {
    overflowed_ = true;
    table_.clear();
    ui_.message("The " + std::string(network_) + " sales of this harvest unit (" +
                    unitSize(doc_) +
                    ") are more than 20,001, the capacity of the sale table. "
                    "Nothing is solved; please use a smaller harvest unit.",
                MessageIcon::Stop);
    return false;
  }
  if (file_) file_->write(sale);
  return true;
}

}  // namespace skyrig
