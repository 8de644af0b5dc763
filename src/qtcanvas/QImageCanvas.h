// QImageCanvas: a Canvas that draws into a retained QImage, so a window can repaint the last
// picture and the headless runner can save it as PNG. Logical units map to pixels with one
// isotropic scale, kReferencePixels / windowExtent, y pointing north (up).
#pragma once

#include <QImage>
#include <QPoint>
#include <string>

#include "seams/Canvas.h"

namespace skyrig {

// Device pixels spanned by the view's reference extent: at the initial windowExtent of 5000 m
// a 10 m cell is 4 pixels wide.
inline constexpr int kReferencePixels = 2000;

class QImageCanvas final : public Canvas {
 public:
  // A white picture of width x height device pixels.
  QImageCanvas(int width, int height, int windowExtent = 5000);

  void fillRect(int left, int top, int right, int bottom, Rgb colour) override;
  void frameRect(int left, int top, int right, int bottom, int penWidth, Rgb colour) override;
  void line(int x1, int y1, int x2, int y2, int penWidth, Rgb colour, PenStyle style) override;
  void text(int x, int y, std::string_view text, int height, Rgb colour) override;
  void clear() override;
  void statusText(std::string_view text) override;
  void setWindowExtent(int windowExtent) override;

  // The device pixel of a logical point.
  QPoint toDevice(int x, int y) const;
  // Device pixels per logical unit.
  double scale() const { return scale_; }

  const QImage& image() const { return image_; }
  // Changes the picture size, keeping what is drawn in the part that remains.
  void resize(int width, int height);
  // Writes the picture as PNG; false when the file cannot be written.
  bool savePng(const std::string& file) const;

  // Fill rectangles through QPainter instead of writing the pixels directly (the reference for
  // tests and benchmarks; both give the same picture).
  bool literalFills = false;

 private:
  int deviceLength(double logical) const;
  int penPixels(int penWidth) const;
  QImage image_;
  double scale_ = 0.4;
};

}  // namespace skyrig
