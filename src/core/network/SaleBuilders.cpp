#include "network/SaleBuilders.h"

#include "network/ExportFile.h"
#include "network/NetworkCapacity.h"
#include "network/SharedTower.h"

namespace skyrig {

namespace {

enum class CellNodeKind { Cell, VirtualCell };

bool appendTimberCellSales(CSkyrigDoc& doc, SaleAppender& out, CellNodeKind kind,
                           const NodeName& destination) {
  const UnitBox box = unitBoxInGrid(doc);
  for (int row = box.minRow; row <= box.maxRow; ++row)
    for (int col = box.minCol; col <= box.maxCol; ++col) {
      const float volume = doc.volumeGrid(col, row);
      if (doc.unitCellFlags(col, row) != 1 || !(volume > 0)) continue;
      const NodeName entry =
          kind == CellNodeKind::Cell ? cellNode(col, row) : virtualCellNode(col, row);
      if (!out.add(entry, destination, volume)) return false;
    }
  return true;
}

}  // namespace

bool buildCableSales(CSkyrigDoc& doc, const Paths& paths, Ui& ui, int iteration) {
  SaleTable& sales = doc.network.sales;
  if (iteration >= 2) {
    sales = doc.network.savedCableSales;
    return true;
  }
  sales.clear();
  {
    ExportFile file(paths, ui, kCableSaleFile);
    SaleAppender out(sales, &file, doc, ui, "cable");
    if (!appendTimberCellSales(doc, out, CellNodeKind::Cell, cableSinkNode())) return false;
  }
  doc.network.savedCableSales = sales;
  return true;
}

bool buildRoadSales(CSkyrigDoc& doc, const Paths& paths, Ui& ui,
                    PerLanding<float>& landingVolume) {
  SaleTable& sales = doc.network.sales;
  sales.clear();
  const int landingCount = doc.landingCount < kMaxLandings ? doc.landingCount : kMaxLandings;
  for (int landing = 1; landing <= landingCount; ++landing) {
    const auto l = static_cast<std::size_t>(landing);
    if (!(landingVolume[l] > 0) || doc.landingSharedTower[l] <= 0) continue;
    const int representative = representativeLanding(doc, landing);
    if (representative == landing) continue;
    landingVolume[static_cast<std::size_t>(representative)] += landingVolume[l];
    landingVolume[l] = 0;
  }
  ExportFile file(paths, ui, kRoadSaleFile);
  SaleAppender out(sales, &file, doc, ui, "road");
  for (int landing = 1; landing <= landingCount; ++landing) {
    const auto l = static_cast<std::size_t>(landing);
    if (!(landingVolume[l] > 0)) continue;
    const Landing& site = doc.landings[l];
    if (!out.add(cellNode(site.col, site.row), roadSinkNode(), landingVolume[l])) return false;
  }
  return true;
}

bool buildCombinedSales(CSkyrigDoc& doc, const Paths& paths, Ui& ui) {
  SaleTable& sales = doc.network.sales;
  sales.clear();
  ExportFile file(paths, ui, kCableSaleFile);
  SaleAppender out(sales, &file, doc, ui, "combined");
  return appendTimberCellSales(doc, out, CellNodeKind::VirtualCell, roadSinkNode());
}

}  // namespace skyrig
