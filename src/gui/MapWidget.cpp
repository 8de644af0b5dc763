#include "MapWidget.h"

#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <cmath>

#include "MapPicture.h"

namespace skyrig::gui {

MapWidget::MapWidget(const MapPicture& picture, QWidget* parent)
    : QAbstractScrollArea(parent), picture_(picture) {
  viewport()->setMouseTracking(true);
  viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
  horizontalScrollBar()->setSingleStep(20);
  verticalScrollBar()->setSingleStep(20);
  shownScale_ = pixelsPerUnit();
  updateScrollRange();
}

QPoint MapWidget::scrollOffset() const {
  return {horizontalScrollBar()->value(), verticalScrollBar()->value()};
}

void MapWidget::updateScrollRange() {
  const QSize picture = picture_.image().size();
  const QSize shown = viewport()->size();
  horizontalScrollBar()->setRange(0, std::max(0, picture.width() - shown.width()));
  verticalScrollBar()->setRange(0, std::max(0, picture.height() - shown.height()));
  horizontalScrollBar()->setPageStep(shown.width());
  verticalScrollBar()->setPageStep(shown.height());
}

double MapWidget::pixelsPerUnit() const { return picture_.toPixel(QPointF(1, 0)).x(); }

void MapWidget::rememberCentre() {
  if (pixelsPerUnit() != shownScale_) return;  // zoomed, not yet shown: keep the old centre
  const QPointF middle(viewport()->width() / 2.0, viewport()->height() / 2.0);
  centre_ = picture_.toLogical(middle + scrollOffset());
}

void MapWidget::pictureChanged() {
  updateScrollRange();
  const double scale = pixelsPerUnit();
  if (scale != shownScale_) {
    const bool zoomed = shownScale_ > 0;
    shownScale_ = scale;
    if (zoomed) scrollTo(centre_);
  }
  rememberCentre();
  viewport()->update();
}

QPoint MapWidget::logicalAt(QPoint viewportPoint) const {
  const QPointF pixel = QPointF(viewportPoint + scrollOffset()) + QPointF(0.5, 0.5);
  const QPointF logical = picture_.toLogical(pixel);
  return {static_cast<int>(std::lround(logical.x())), static_cast<int>(std::lround(logical.y()))};
}

QPoint MapWidget::viewportAt(QPointF logical) const {
  const QPointF pixel = picture_.toPixel(logical);
  return QPoint(static_cast<int>(std::floor(pixel.x())), static_cast<int>(std::floor(pixel.y()))) -
         scrollOffset();
}

QPoint MapWidget::scrollTo(QPointF logical) {
  const QPointF pixel = picture_.toPixel(logical);
  horizontalScrollBar()->setValue(static_cast<int>(pixel.x()) - viewport()->width() / 2);
  verticalScrollBar()->setValue(static_cast<int>(pixel.y()) - viewport()->height() / 2);
  return viewportAt(logical);
}

void MapWidget::paintEvent(QPaintEvent* event) {
  QPainter painter(viewport());
  const QRect area = event->rect();
  painter.fillRect(area, palette().color(QPalette::Dark));
  painter.drawImage(area.topLeft(), picture_.image(), area.translated(scrollOffset()));
}

void MapWidget::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  updateScrollRange();
  rememberCentre();
}

void MapWidget::scrollContentsBy(int, int) {
  rememberCentre();
  viewport()->update();
}

void MapWidget::send(MouseAction action, QPoint viewportPoint) {
  if (!onMouse) return;
  const QPoint logical = logicalAt(viewportPoint);
  onMouse(action, logical.x(), logical.y());
}

void MapWidget::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) send(MouseAction::Press, event->position().toPoint());
}

void MapWidget::mouseMoveEvent(QMouseEvent* event) {
  send(MouseAction::Move, event->position().toPoint());
}

void MapWidget::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) send(MouseAction::Release, event->position().toPoint());
}

void MapWidget::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton)
    send(MouseAction::DoubleClick, event->position().toPoint());
}

}  // namespace skyrig::gui
