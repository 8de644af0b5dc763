#include "QImageCanvas.h"

#include <QFont>
#include <QPainter>
#include <QPen>
#include <algorithm>
#include <cmath>

#include "GuiApplication.h"

namespace skyrig {

namespace {

QColor toQColor(Rgb c) { return QColor(c.red, c.green, c.blue); }

// Device coordinates far outside any picture are clamped: the painter clips them anyway, and
// an int cannot hold every double.
int roundToPixel(double v) {
  constexpr double kLimit = 1.0e9;
  if (!(v > -kLimit)) return static_cast<int>(-kLimit);
  if (!(v < kLimit)) return static_cast<int>(kLimit);
  return static_cast<int>(std::floor(v + 0.5));
}

// Status text: the platform's small dialog font, in device pixels.
constexpr int kStatusPixelSize = 13;
constexpr int kStatusX = 50;
constexpr int kStatusY = 3;
// "Clear" paints this many device pixels white, with a black border.
constexpr int kClearExtent = 5000;

// Text is drawn on an opaque white box, as a device context draws it by default.
void drawTextBox(QPainter& painter, QPoint topLeft, const QString& text, int pixelSize,
                 Rgb colour) {
  QFont font("Arial");
  font.setPixelSize(std::max(1, pixelSize));
  font.setWeight(QFont::Normal);
  painter.setFont(font);
  painter.setBackgroundMode(Qt::OpaqueMode);
  painter.setBackground(Qt::white);
  painter.setPen(toQColor(colour));
  const QRect box = painter.fontMetrics().boundingRect(text);
  painter.drawText(QRect(topLeft, QSize(box.width() + 2, painter.fontMetrics().height())),
                   Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, text);
}

}  // namespace

QImageCanvas::QImageCanvas(int width, int height, int windowExtent)
    : image_(std::max(1, width), std::max(1, height), QImage::Format_RGB32) {
  image_.fill(Qt::white);
  setWindowExtent(windowExtent);
}

void QImageCanvas::setWindowExtent(int windowExtent) {
  if (windowExtent > 0) scale_ = static_cast<double>(kReferencePixels) / windowExtent;
}

QPoint QImageCanvas::toDevice(int x, int y) const {
  return {roundToPixel(x * scale_), roundToPixel(-static_cast<double>(y) * scale_)};
}

int QImageCanvas::deviceLength(double logical) const { return roundToPixel(logical * scale_); }

// A pen of width 0 is one pixel wide at any zoom; wider pens scale with the map.
int QImageCanvas::penPixels(int penWidth) const { return std::max(1, deviceLength(penWidth)); }

void QImageCanvas::fillRect(int left, int top, int right, int bottom, Rgb colour) {
  // Both corners go to device pixels; the right and bottom edges are not filled, so
  // neighbouring cells tile without overlap.
  const QPoint a = toDevice(left, top);
  const QPoint b = toDevice(right, bottom);
  const QRect rect(QPoint(std::min(a.x(), b.x()), std::min(a.y(), b.y())),
                   QSize(std::abs(b.x() - a.x()), std::abs(b.y() - a.y())));
  if (rect.isEmpty()) return;
  if (literalFills) {
    QPainter painter(&image_);
    painter.fillRect(rect, toQColor(colour));
    return;
  }
  // A map redraw fills up to 699 x 699 cells: writing the pixels directly saves a painter
  // per cell.
  const QRect clipped = rect.intersected(image_.rect());
  const QRgb value = qRgb(colour.red, colour.green, colour.blue);
  for (int y = clipped.top(); y <= clipped.bottom(); ++y) {
    auto* row = reinterpret_cast<QRgb*>(image_.scanLine(y));
    std::fill(row + clipped.left(), row + clipped.right() + 1, value);
  }
}

void QImageCanvas::frameRect(int left, int top, int right, int bottom, int penWidth, Rgb colour) {
  line(left, top, right, top, penWidth, colour, PenStyle::Solid);
  line(right, top, right, bottom, penWidth, colour, PenStyle::Solid);
  line(right, bottom, left, bottom, penWidth, colour, PenStyle::Solid);
  line(left, bottom, left, top, penWidth, colour, PenStyle::Solid);
}

void QImageCanvas::line(int x1, int y1, int x2, int y2, int penWidth, Rgb colour, PenStyle style) {
  QPainter painter(&image_);
  QPen pen(toQColor(colour));
  pen.setWidth(penPixels(penWidth));
  pen.setStyle(style == PenStyle::Solid ? Qt::SolidLine : Qt::DotLine);
  pen.setCapStyle(Qt::RoundCap);
  pen.setJoinStyle(Qt::RoundJoin);
  painter.setPen(pen);
  painter.drawLine(toDevice(x1, y1), toDevice(x2, y2));
}

void QImageCanvas::text(int x, int y, std::string_view text, int height, Rgb colour) {
  ensureGuiApplication();
  QPainter painter(&image_);
  drawTextBox(painter, toDevice(x, y),
              QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())),
              deviceLength(height), colour);
}

void QImageCanvas::clear() {
  QPainter painter(&image_);
  painter.fillRect(image_.rect(), Qt::white);
  painter.setPen(QPen(Qt::black, 1));
  painter.drawRect(0, 0, kClearExtent, kClearExtent);
}

void QImageCanvas::statusText(std::string_view text) {
  ensureGuiApplication();
  QPainter painter(&image_);
  drawTextBox(painter, QPoint(kStatusX, kStatusY),
              QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())), kStatusPixelSize,
              Rgb{0, 0, 0});
}

void QImageCanvas::resize(int width, int height) {
  QImage resized(std::max(1, width), std::max(1, height), QImage::Format_RGB32);
  resized.fill(Qt::white);
  QPainter painter(&resized);
  painter.drawImage(0, 0, image_);
  painter.end();
  image_ = std::move(resized);
}

bool QImageCanvas::savePng(const std::string& file) const {
  return image_.save(QString::fromStdString(file), "PNG");
}

}  // namespace skyrig
