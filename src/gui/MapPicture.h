// MapPicture: what the map widget shows and prints: the retained picture of the map and the
// view's map transform between its pixels and logical map units (metres, y pointing north).
#pragma once

#include <QImage>
#include <QPointF>

namespace skyrig::gui {

class MapPicture {
 public:
  virtual ~MapPicture() = default;
  virtual const QImage& image() const = 0;
  virtual QPointF toLogical(QPointF pixel) const = 0;
  virtual QPointF toPixel(QPointF logical) const = 0;
};

}  // namespace skyrig::gui
