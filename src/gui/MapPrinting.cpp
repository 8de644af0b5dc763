#include "MapPrinting.h"

#include <QPainter>
#include <QPrinter>

#include "MapPicture.h"
#include "document/CSkyrigDoc.h"
#include "view/CSkyrigView.h"

namespace skyrig::gui {

QRect mapPrintArea(const MapPicture& picture, const CSkyrigDoc& doc, const CSkyrigView& view) {
  const QRect whole = picture.image().rect();
  if (doc.ncols <= 0 || doc.nrows <= 0 || doc.cellSize <= 0) return whole;
  // The grid spans ncols x nrows cells east and south of the margin corner; keep the margin on
  // every side.
  const double width = 2.0 * view.marginX + double(doc.ncols) * doc.cellSize;
  const double height = 2.0 * view.marginY + double(doc.nrows) * doc.cellSize;
  const QPointF topLeft = picture.toPixel(QPointF(0, 0));
  const QPointF bottomRight = picture.toPixel(QPointF(width, -height));
  const QRect area = QRectF(topLeft, bottomRight).normalized().toAlignedRect() & whole;
  return area.isEmpty() ? whole : area;
}

void paintMapPage(QPainter& painter, const QRectF& page, const QImage& image, const QRect& area) {
  if (area.isEmpty() || page.isEmpty()) return;
  const double scale = std::min(page.width() / area.width(), page.height() / area.height());
  const QSizeF size(area.width() * scale, area.height() * scale);
  const QRectF target(page.center() - QPointF(size.width() / 2, size.height() / 2), size);
  painter.save();
  painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
  painter.drawImage(target, image, area);
  painter.restore();
}

void printMap(QPrinter& printer, const MapPicture& picture, const CSkyrigDoc& doc,
              const CSkyrigView& view) {
  QPainter painter(&printer);
  if (!painter.isActive()) return;
  const QRectF page = printer.pageLayout().paintRectPixels(printer.resolution());
  paintMapPage(painter, QRectF(QPointF(0, 0), page.size()), picture.image(),
               mapPrintArea(picture, doc, view));
}

}  // namespace skyrig::gui
