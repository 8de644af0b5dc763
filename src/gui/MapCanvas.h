// MapCanvas: the map canvas of the desktop application: draws every map operation into a
// retained picture sized to hold the whole map at the current zoom, so a covered, scrolled or
// printed window shows the last map. The status text goes to the status bar, not the picture.
#pragma once

#include <QSize>

#include "MapPicture.h"
#include "QImageCanvas.h"
#include "seams/Canvas.h"

namespace skyrig {
struct CSkyrigDoc;
struct CSkyrigView;
}  // namespace skyrig

namespace skyrig::gui {

// Largest picture side in pixels (a 6000 x 6000 picture takes 144 MB); a map larger than this
// at the current zoom is cut at its south and east edges.
inline constexpr int kMaxPictureSide = 6000;
// Smallest picture, so an empty or small map still fills a usual window.
inline const QSize kMinPictureSize(1600, 1200);

// Pixels needed for the grid with its margins on every side at `pixelsPerMetre`.
QSize mapPictureSize(const CSkyrigDoc& doc, const CSkyrigView& view, double pixelsPerMetre);

class MapCanvas final : public Canvas, public MapPicture {
 public:
  MapCanvas(const CSkyrigDoc& doc, const CSkyrigView& view);

  void fillRect(int left, int top, int right, int bottom, Rgb colour) override;
  void frameRect(int left, int top, int right, int bottom, int penWidth, Rgb colour) override;
  void line(int x1, int y1, int x2, int y2, int penWidth, Rgb colour, PenStyle style) override;
  void text(int x, int y, std::string_view text, int height, Rgb colour) override;
  void clear() override;
  void statusText(std::string_view text) override;
  void setWindowExtent(int windowExtent) override;

  // Resizes the picture to the map at the current zoom; what is drawn stays where it is.
  void fitToMap();

  const QImage& image() const override { return picture_.image(); }
  QPointF toLogical(QPointF pixel) const override;
  QPointF toPixel(QPointF logical) const override;
  double pixelsPerMetre() const { return picture_.scale(); }

 private:
  const CSkyrigDoc& doc_;
  const CSkyrigView& view_;
  QImageCanvas picture_;
};

}  // namespace skyrig::gui
