// RecordingCanvas: keeps every drawing call as a line of text, for tests and diagnostics.
#pragma once

#include <string>
#include <vector>

#include "seams/Canvas.h"

namespace skyrig {

class RecordingCanvas final : public Canvas {
 public:
  void fillRect(int left, int top, int right, int bottom, Rgb colour) override;
  void frameRect(int left, int top, int right, int bottom, int penWidth, Rgb colour) override;
  void line(int x1, int y1, int x2, int y2, int penWidth, Rgb colour, PenStyle style) override;
  void text(int x, int y, std::string_view text, int height, Rgb colour) override;
  void clear() override;
  void statusText(std::string_view text) override;
  void setWindowExtent(int windowExtent) override;

  // "fill L T R B r,g,b", "frame L T R B w r,g,b", "line X1 Y1 X2 Y2 w r,g,b solid|dotted",
  // "text X Y h r,g,b TEXT", "clear", "status TEXT", "extent E".
  std::vector<std::string> calls;
};

}  // namespace skyrig
