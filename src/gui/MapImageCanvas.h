// MapImageCanvas: the map canvas of the desktop application. Draws every map operation into a
// retained image, so a covered or scrolled window shows the last map again, and reports the
// view's status text to the status bar.
#pragma once

#include <QImage>
#include <functional>

#include "MapPicture.h"
#include "view/Canvas.h"

namespace skyrig::gui {

class MapImageCanvas final : public Canvas, public MapPicture {
 public:
  // Screen pixels spanned by windowExtent metres: at the initial extent of 5000 m a 3 km
  // sample area fills about 640 pixels.
  static constexpr double kReferencePixels = 1000.0;
  // The view's scroll range, 900 mm at 96 dots per inch.
  static constexpr int kPictureSize = 3402;

  MapImageCanvas();

  void fillRect(int left, int top, int right, int bottom, Rgb colour) override;
  void frameRect(int left, int top, int right, int bottom, int penWidth, Rgb colour) override;
  void line(int x1, int y1, int x2, int y2, int penWidth, Rgb colour, PenStyle style) override;
  void text(int x, int y, std::string_view text, int height, Rgb colour) override;
  void clear() override;
  void statusText(std::string_view text) override;
  void setWindowExtent(int windowExtent) override;

  const QImage& image() const override { return image_; }
  QPointF toLogical(QPointF pixel) const override;
  QPointF toPixel(QPointF logical) const override;
  double pixelsPerMetre() const { return scale_; }

  std::function<void(std::string_view)> onStatusText;

 private:
  QImage image_;
  double scale_ = kReferencePixels / 5000.0;
};

}  // namespace skyrig::gui
