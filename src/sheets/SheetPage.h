// A page being painted in millimetres: the painter, device units per millimetre, and the
// text and line helpers every sheet uses (text heights in mm, measured in mm).
#pragma once

#include <QColor>
#include <QPainter>
#include <QPointF>
#include <QRectF>
#include <QString>

#include "view/LabelPlacement.h"

namespace skyrig::sheets {

struct SheetPage {
  QPainter& painter;
  double unitsPerMm;  // device units (pixels or PDF dots) per millimetre
  double width = 0;   // page size, mm
  double height = 0;

  QPointF at(double x, double y) const { return {x * unitsPerMm, y * unitsPerMm}; }
  QRectF rect(double left, double top, double w, double h) const {
    return {left * unitsPerMm, top * unitsPerMm, w * unitsPerMm, h * unitsPerMm};
  }
  QRectF rect(const SheetBox& box) const { return rect(box.left, box.top, box.width, box.height); }

  // Font of the given cap-to-descender height in mm.
  void font(double heightMm, bool bold = false) const;
  // Width in mm of the text in a font of that height.
  double textWidth(const QString& text, double heightMm, bool bold = false) const;
  // Text with its top-left corner at (x, y) mm.
  void text(double x, double y, const QString& text, double heightMm, bool bold = false,
            const QColor& colour = Qt::black) const;
  // Text with its right edge at x.
  void textRight(double x, double y, const QString& text, double heightMm, bool bold = false) const;
  // Text centred on x.
  void textCentred(double x, double y, const QString& text, double heightMm, bool bold = false) const;
  void line(double x1, double y1, double x2, double y2, double widthMm, const QColor& colour,
            Qt::PenStyle style = Qt::SolidLine) const;
  void box(double left, double top, double w, double h, double widthMm, const QColor& colour) const;
  void fill(double left, double top, double w, double h, const QColor& colour) const;
};

// "1:5 000" style grouping for sheet numbers.
QString grouped(double value, int decimals = 0);

}  // namespace skyrig::sheets
