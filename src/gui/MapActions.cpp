// The map commands of the desktop application around the specified view: the layer switches
// and the redraw from them, fit to window and zoom to the harvest unit, identify, and the undo
// of the last landing placement or deletion.
#include <QAbstractScrollArea>
#include <QScrollBar>
#include <algorithm>
#include <cmath>

#include "CMainFrame.h"
#include "CSkyrigApp.h"
#include "MapWidget.h"
#include "view/MapDrawing.h"
#include "view/ViewOperations.h"

namespace skyrig::gui {

void CSkyrigApp::switchLayer(MapLayer layer, bool on) {
  if (busy_ || layers_.on(layer) == on) {
    layersChanged();
    return;
  }
  layers_.set(layer, on);
  redrawMap();
}

void CSkyrigApp::redrawMap() {
  userAction([&] { drawMapLayers(context_, layers_); });
  layersChanged();
}

void CSkyrigApp::layersChanged() { frame_->layersChanged(); }

void CSkyrigApp::planChanged() { planCells_.rebuild(context_); }

void CSkyrigApp::zoomToCells(int firstCol, int firstRow, int lastCol, int lastRow,
                             int marginMetres) {
  const CSkyrigDoc& d = *doc_;
  if (busy_) return;
  MapWidget* map = frame_->mapWidget();
  const QSize window = map->viewport()->size();
  if (d.ncols < 1 || d.nrows < 1 || d.cellSize < 1 || window.width() < 10 || window.height() < 10) {
    redrawMap();  // nothing to fit: the map as the layers have it
    return;
  }
  const double width = double(lastCol - firstCol + 1) * d.cellSize + 2.0 * marginMetres;
  const double height = double(lastRow - firstRow + 1) * d.cellSize + 2.0 * marginMetres;
  // The picture spans kReferencePixels pixels per windowExtent metres.
  const double needed = std::max(width * kReferencePixels / window.width(),
                                 height * kReferencePixels / window.height());
  view_->windowExtent = std::max(kMinWindowExtent, static_cast<int>(std::ceil(needed)));
  userAction([&] {
    canvas_.setWindowExtent(view_->windowExtent);
    drawMapLayers(context_, layers_);
  });
  const MapPoint a = cellCentre(d, *view_, firstCol, firstRow);
  const MapPoint b = cellCentre(d, *view_, lastCol, lastRow);
  map->scrollTo(QPointF((a.x + b.x) / 2.0, (a.y + b.y) / 2.0));
  layersChanged();
  frame_->showStatus(QStringLiteral("Zoom: %1 m of ground across the reference extent").arg(view_->windowExtent));
}

void CSkyrigApp::fitToWindow() {
  zoomToCells(1, 1, doc_->ncols, doc_->nrows, std::max(view_->marginX, view_->marginY));
}

void CSkyrigApp::zoomToHarvestUnit() {
  const CSkyrigDoc& d = *doc_;
  const UnitBox& box = d.unitBox;
  const bool hasUnit = box.maxCol >= box.minCol && box.maxRow >= box.minRow && box.minCol >= 1 &&
                       (box.minCol > 1 || box.minRow > 1 || box.maxCol < d.ncols || box.maxRow < d.nrows);
  if (!hasUnit) {
    fitToWindow();
    return;
  }
  zoomToCells(box.minCol, box.minRow, std::min(box.maxCol, d.ncols), std::min(box.maxRow, d.nrows),
              2 * d.cellSize);
}

std::vector<std::pair<std::string, std::string>> CSkyrigApp::identifyAt(int logicalX,
                                                                        int logicalY) const {
  double x = 0, y = 0;
  mapToGround(*doc_, *view_, logicalX, logicalY, x, y);
  const CellPoint cell = cellUnderGroundPoint(*doc_, x, y);
  return identifyCell(context_, planCells_, cell.col, cell.row);
}

void CSkyrigApp::rememberLandings(std::unique_ptr<LandingTables> before) {
  const std::string what = describeLandingChange(*before, *doc_);
  if (what.empty()) return;
  landingUndo_.before = std::move(before);
  landingUndo_.what = what;
  frame_->undoChanged();
}

bool CSkyrigApp::undoLandingChange() {
  if (busy_ || !landingUndo_.available()) return false;
  restoreLandingTables(*doc_, *landingUndo_.before);
  const QString what = QString::fromStdString(landingUndo_.what);
  landingUndo_ = {};
  redrawMap();
  frame_->undoChanged();
  frame_->showStatus(QStringLiteral("Undone: %1").arg(what));
  return true;
}

}  // namespace skyrig::gui
