// Canvas: the drawing operations of the map view, in the view's logical map units (metres,
// y pointing north). The GUI and the PNG renderer implement it over a retained image; tests
// use a recording canvas.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace skyrig {

struct Rgb {
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

enum class PenStyle { Solid, Dotted };

class Canvas {
 public:
  virtual ~Canvas() = default;
  // Solid rectangle between two corners (logical units).
  virtual void fillRect(int left, int top, int right, int bottom, Rgb colour) = 0;
  // Rectangle outline with a pen of the given width (logical units, 0 = one pixel).
  virtual void frameRect(int left, int top, int right, int bottom, int penWidth, Rgb colour) = 0;
  virtual void line(int x1, int y1, int x2, int y2, int penWidth, Rgb colour, PenStyle style) = 0;
  // Text with its top-left corner at (x, y); height in logical units; font "Arial".
  virtual void text(int x, int y, std::string_view text, int height, Rgb colour) = 0;
  // White rectangle from (0, 0) to (5000, 5000) device pixels with a black 1-pixel border.
  virtual void clear() = 0;
  // The status text at (50, 3) device pixels from the view's top-left corner.
  virtual void statusText(std::string_view text) = 0;
  // Zoom: metres of ground spanned by the view's reference extent.
  virtual void setWindowExtent(int windowExtent) = 0;
};

// A canvas that draws nothing (headless runs that render no picture).
class NullCanvas final : public Canvas {
 public:
  void fillRect(int, int, int, int, Rgb) override {}
  void frameRect(int, int, int, int, int, Rgb) override {}
  void line(int, int, int, int, int, Rgb, PenStyle) override {}
  void text(int, int, std::string_view, int, Rgb) override {}
  void clear() override {}
  void statusText(std::string_view) override {}
  void setWindowExtent(int) override {}
};

}  // namespace skyrig
