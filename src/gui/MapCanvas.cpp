#include "MapCanvas.h"

#include <algorithm>
#include <cmath>

#include "document/CSkyrigDoc.h"
#include "view/CSkyrigView.h"

namespace skyrig::gui {

QSize mapPictureSize(const CSkyrigDoc& doc, const CSkyrigView& view, double pixelsPerMetre) {
  const double width = 2.0 * view.marginX + double(std::max(0, doc.ncols)) * doc.cellSize;
  const double height = 2.0 * view.marginY + double(std::max(0, doc.nrows)) * doc.cellSize;
  auto pixels = [&](double metres, int least) {
    return std::clamp(static_cast<int>(std::ceil(metres * pixelsPerMetre)) + 1, least,
                      std::max(least, kMaxPictureSide));
  };
  return {pixels(width, kMinPictureSize.width()), pixels(height, kMinPictureSize.height())};
}

MapCanvas::MapCanvas(const CSkyrigDoc& doc, const CSkyrigView& view)
    : doc_(doc),
      view_(view),
      picture_(kMinPictureSize.width(), kMinPictureSize.height(), view.windowExtent) {}

void MapCanvas::fitToMap() {
  const QSize size = mapPictureSize(doc_, view_, picture_.scale());
  if (size != picture_.image().size()) picture_.resize(size.width(), size.height());
}

void MapCanvas::fillRect(int left, int top, int right, int bottom, Rgb colour) {
  picture_.fillRect(left, top, right, bottom, colour);
}

void MapCanvas::frameRect(int left, int top, int right, int bottom, int penWidth, Rgb colour) {
  picture_.frameRect(left, top, right, bottom, penWidth, colour);
}

void MapCanvas::line(int x1, int y1, int x2, int y2, int penWidth, Rgb colour, PenStyle style) {
  picture_.line(x1, y1, x2, y2, penWidth, colour, style);
}

void MapCanvas::text(int x, int y, std::string_view text, int height, Rgb colour) {
  picture_.text(x, y, text, height, colour);
}

void MapCanvas::clear() { picture_.clear(); }

void MapCanvas::statusText(std::string_view) {}

void MapCanvas::setWindowExtent(int windowExtent) {
  picture_.setWindowExtent(windowExtent);
  fitToMap();
}

QPointF MapCanvas::toLogical(QPointF pixel) const {
  return {pixel.x() / picture_.scale(), -pixel.y() / picture_.scale()};
}

QPointF MapCanvas::toPixel(QPointF logical) const {
  return {logical.x() * picture_.scale(), -logical.y() * picture_.scale()};
}

}  // namespace skyrig::gui
