// MapWidget: the scrolling map window. Shows the retained map picture and hands left-button
// events and mouse moves to the view's handlers as points in logical map units.
#pragma once

#include <QAbstractScrollArea>
#include <functional>

#include "mouse/MouseHandlers.h"

namespace skyrig::gui {

class MapPicture;

class MapWidget : public QAbstractScrollArea {
  Q_OBJECT

 public:
  explicit MapWidget(const MapPicture& picture, QWidget* parent = nullptr);

  // Receives each mouse event in logical map units.
  std::function<void(MouseAction, int, int)> onMouse;
  // A turn of the mouse wheel: positive steps zoom in, negative out.
  std::function<void(int steps)> onWheel;
  // Escape pressed on the map.
  std::function<void()> onEscape;

  // The next zoom keeps the map point under this viewport point where it is (instead of the
  // point in the middle of the window).
  void anchorNextZoom(QPoint viewportPoint);

  // The picture was drawn on: update the scroll range and repaint. After a zoom the map point
  // that was in the middle of the window stays there.
  void pictureChanged();
  // Logical map point under a point of the viewport (the centre of the pixel there).
  QPoint logicalAt(QPoint viewportPoint) const;
  // Viewport point showing a logical map point.
  QPoint viewportAt(QPointF logical) const;
  // Scrolls a logical map point to the middle of the window (as far as the picture allows);
  // returns its viewport point.
  QPoint scrollTo(QPointF logical);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void scrollContentsBy(int dx, int dy) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;

 private:
  void updateScrollRange();
  void send(MouseAction action, QPoint viewportPoint);
  QPoint scrollOffset() const;
  double pixelsPerUnit() const;
  void rememberCentre();

  const MapPicture& picture_;
  double shownScale_ = 0;  // pixels per map unit when the picture was last shown
  QPointF centre_;         // map point in the middle of the window at that scale
  bool anchored_ = false;  // the next zoom keeps anchorMap_ at anchorView_
  QPointF anchorMap_;
  QPoint anchorView_;
  bool spaceHeld_ = false;
  bool panning_ = false;   // middle button, or left button with the space bar held
  QPoint panFrom_;
};

}  // namespace skyrig::gui
