#include "seams/RecordingCanvas.h"

#include <cstdio>

namespace skyrig {

namespace {

std::string colourText(Rgb c) {
  return std::to_string(c.red) + "," + std::to_string(c.green) + "," + std::to_string(c.blue);
}

}  // namespace

void RecordingCanvas::fillRect(int left, int top, int right, int bottom, Rgb colour) {
  calls.push_back("fill " + std::to_string(left) + " " + std::to_string(top) + " " +
                  std::to_string(right) + " " + std::to_string(bottom) + " " + colourText(colour));
}

void RecordingCanvas::frameRect(int left, int top, int right, int bottom, int penWidth,
                                Rgb colour) {
  calls.push_back("frame " + std::to_string(left) + " " + std::to_string(top) + " " +
                  std::to_string(right) + " " + std::to_string(bottom) + " " +
                  std::to_string(penWidth) + " " + colourText(colour));
}

void RecordingCanvas::line(int x1, int y1, int x2, int y2, int penWidth, Rgb colour,
                           PenStyle style) {
  calls.push_back("line " + std::to_string(x1) + " " + std::to_string(y1) + " " +
                  std::to_string(x2) + " " + std::to_string(y2) + " " +
                  std::to_string(penWidth) + " " + colourText(colour) +
                  (style == PenStyle::Solid ? " solid" : " dotted"));
}

void RecordingCanvas::text(int x, int y, std::string_view text, int height, Rgb colour) {
  calls.push_back("text " + std::to_string(x) + " " + std::to_string(y) + " " +
                  std::to_string(height) + " " + colourText(colour) + " " + std::string(text));
}

void RecordingCanvas::clear() { calls.push_back("clear"); }

void RecordingCanvas::statusText(std::string_view text) {
  calls.push_back("status " + std::string(text));
}

void RecordingCanvas::setWindowExtent(int windowExtent) {
  calls.push_back("extent " + std::to_string(windowExtent));
}

}  // namespace skyrig
