#include "MapWidget.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>
#include <QPainter>
#include <QScrollBar>
#include <cmath>

#include "MapPicture.h"

namespace skyrig::gui {

MapWidget::MapWidget(const MapPicture& picture, QWidget* parent)
    : QAbstractScrollArea(parent), picture_(picture) {
  viewport()->setMouseTracking(true);
  setFocusPolicy(Qt::StrongFocus);
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
    if (zoomed && anchored_) {
      const QPointF pixel = picture_.toPixel(anchorMap_);
      horizontalScrollBar()->setValue(static_cast<int>(pixel.x()) - anchorView_.x());
      verticalScrollBar()->setValue(static_cast<int>(pixel.y()) - anchorView_.y());
    } else if (zoomed) {
      scrollTo(centre_);
    }
    anchored_ = false;
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

void MapWidget::anchorNextZoom(QPoint viewportPoint) {
  anchored_ = true;
  anchorView_ = viewportPoint;
  anchorMap_ = picture_.toLogical(QPointF(viewportPoint + scrollOffset()));
}

void MapWidget::mousePressEvent(QMouseEvent* event) {
  const bool pan = event->button() == Qt::MiddleButton ||
                   (event->button() == Qt::LeftButton && spaceHeld_);
  if (pan) {
    panning_ = true;
    panFrom_ = event->position().toPoint();
    viewport()->setCursor(Qt::ClosedHandCursor);
    return;
  }
  if (event->button() == Qt::LeftButton) send(MouseAction::Press, event->position().toPoint());
}

void MapWidget::mouseMoveEvent(QMouseEvent* event) {
  if (panning_) {
    const QPoint now = event->position().toPoint();
    const QPoint moved = now - panFrom_;
    panFrom_ = now;
    horizontalScrollBar()->setValue(horizontalScrollBar()->value() - moved.x());
    verticalScrollBar()->setValue(verticalScrollBar()->value() - moved.y());
    return;
  }
  send(MouseAction::Move, event->position().toPoint());
}

void MapWidget::mouseReleaseEvent(QMouseEvent* event) {
  if (panning_) {
    if (event->buttons() & (Qt::MiddleButton | Qt::LeftButton)) return;
    panning_ = false;
    viewport()->setCursor(spaceHeld_ ? Qt::OpenHandCursor : Qt::ArrowCursor);
    return;
  }
  if (event->button() == Qt::LeftButton) send(MouseAction::Release, event->position().toPoint());
}

void MapWidget::wheelEvent(QWheelEvent* event) {
  const int steps = event->angleDelta().y() / 120;
  if (steps == 0 || !onWheel) {
    QAbstractScrollArea::wheelEvent(event);
    return;
  }
  anchorNextZoom(event->position().toPoint());
  onWheel(steps);
  event->accept();
}

void MapWidget::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Space && !event->isAutoRepeat()) {
    spaceHeld_ = true;
    viewport()->setCursor(Qt::OpenHandCursor);
    return;
  }
  if (event->key() == Qt::Key_Escape && onEscape) {
    onEscape();
    return;
  }
  QAbstractScrollArea::keyPressEvent(event);
}

void MapWidget::keyReleaseEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Space && !event->isAutoRepeat()) {
    spaceHeld_ = false;
    if (!panning_) viewport()->setCursor(Qt::ArrowCursor);
    return;
  }
  QAbstractScrollArea::keyReleaseEvent(event);
}

void MapWidget::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton)
    send(MouseAction::DoubleClick, event->position().toPoint());
}

}  // namespace skyrig::gui
