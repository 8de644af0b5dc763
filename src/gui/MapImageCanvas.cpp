#include "MapImageCanvas.h"

#include <QPainter>
#include <algorithm>

namespace skyrig::gui {

namespace {

QColor toQColor(Rgb c) { return QColor(c.red, c.green, c.blue); }

}  // namespace

MapImageCanvas::MapImageCanvas() : image_(kPictureSize, kPictureSize, QImage::Format_RGB32) {
  image_.fill(Qt::white);
}

QPointF MapImageCanvas::toPixel(QPointF logical) const {
  return {logical.x() * scale_, -logical.y() * scale_};
}

QPointF MapImageCanvas::toLogical(QPointF pixel) const {
  return {pixel.x() / scale_, -pixel.y() / scale_};
}

void MapImageCanvas::fillRect(int left, int top, int right, int bottom, Rgb colour) {
  const QRectF area = QRectF(toPixel(QPointF(left, top)), toPixel(QPointF(right, bottom)))
                          .normalized();
  // Whole pixels from the rounded corners, at least one, so small cells stay visible.
  const int x1 = static_cast<int>(std::lround(area.left()));
  const int y1 = static_cast<int>(std::lround(area.top()));
  const int x2 = std::max(x1 + 1, static_cast<int>(std::lround(area.right())));
  const int y2 = std::max(y1 + 1, static_cast<int>(std::lround(area.bottom())));
  QPainter painter(&image_);
  painter.fillRect(QRect(QPoint(x1, y1), QPoint(x2 - 1, y2 - 1)), toQColor(colour));
}

void MapImageCanvas::frameRect(int left, int top, int right, int bottom, int penWidth,
                               Rgb colour) {
  QPainter painter(&image_);
  painter.setPen(QPen(toQColor(colour), std::max(1.0, penWidth * scale_)));
  painter.drawRect(QRectF(toPixel(QPointF(left, top)), toPixel(QPointF(right, bottom))).normalized());
}

void MapImageCanvas::line(int x1, int y1, int x2, int y2, int penWidth, Rgb colour,
                          PenStyle style) {
  QPainter painter(&image_);
  painter.setRenderHint(QPainter::Antialiasing);
  QPen pen(toQColor(colour), std::max(1.0, penWidth * scale_));
  if (style == PenStyle::Dotted) pen.setStyle(Qt::DotLine);
  painter.setPen(pen);
  painter.drawLine(toPixel(QPointF(x1, y1)), toPixel(QPointF(x2, y2)));
}

void MapImageCanvas::text(int x, int y, std::string_view text, int height, Rgb colour) {
  QPainter painter(&image_);
  QFont font(QStringLiteral("Arial"));
  font.setPixelSize(std::max(6, static_cast<int>(std::lround(height * scale_))));
  painter.setFont(font);
  painter.setPen(toQColor(colour));
  const QPointF topLeft = toPixel(QPointF(x, y));
  painter.drawText(QRectF(topLeft, QSizeF(image_.width(), image_.height())),
                   Qt::AlignLeft | Qt::AlignTop,
                   QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

void MapImageCanvas::clear() {
  image_.fill(Qt::white);
  QPainter painter(&image_);
  painter.setPen(QPen(Qt::black, 1));
  painter.drawRect(QRect(0, 0, image_.width() - 1, image_.height() - 1));
}

void MapImageCanvas::statusText(std::string_view text) {
  if (onStatusText) onStatusText(text);
}

void MapImageCanvas::setWindowExtent(int windowExtent) {
  scale_ = kReferencePixels / std::max(1, windowExtent);
}

}  // namespace skyrig::gui
