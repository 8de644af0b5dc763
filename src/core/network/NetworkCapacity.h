// Appending to the link and sale tables with their capacities checked: a table that would
// overflow is emptied and reported once, naming the capacity and the size of the harvest unit,
// so that nothing is solved on a partial network.
#pragma once

#include <string_view>

#include "document/NetworkTables.h"
#include "document/Records.h"
#include "network/ExportFile.h"

namespace skyrig {

struct CSkyrigDoc;
class Ui;

// The harvest unit's bounds clipped to the loaded grid.
UnitBox unitBoxInGrid(const CSkyrigDoc& doc);

class LinkAppender {
 public:
  // `network` names the network in the message ("cable", "road", "combined").
  LinkAppender(LinkTable& table, ExportFile* file, const CSkyrigDoc& doc, Ui& ui,
               std::string_view network);

  // Appends the link and writes its line; false once the table has overflowed.
  bool add(const NodeName& from, const NodeName& to, float variableCost, float fixedCost,
           const LinkAttributes& attributes = {});
  bool overflowed() const { return overflowed_; }

 private:
  LinkTable& table_;
  ExportFile* file_;
  const CSkyrigDoc& doc_;
  Ui& ui_;
  std::string_view network_;
  bool overflowed_ = false;
};

class SaleAppender {
 public:
  SaleAppender(SaleTable& table, ExportFile* file, const CSkyrigDoc& doc, Ui& ui,
               std::string_view network);

  bool add(const NodeName& entry, const NodeName& destination, float volume);
  bool overflowed() const { return overflowed_; }

 private:
  SaleTable& table_;
  ExportFile* file_;
  const CSkyrigDoc& doc_;
  Ui& ui_;
  std::string_view network_;
  bool overflowed_ = false;
};

}  // namespace skyrig
