#include "SheetPage.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLocale>
#include <cmath>

namespace skyrig::sheets {

namespace {

QFont sheetFont(double heightMm, double unitsPerMm, bool bold) {
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(std::max(1, static_cast<int>(std::lround(heightMm * unitsPerMm))));
  font.setBold(bold);
  return font;
}

}  // namespace

void SheetPage::font(double heightMm, bool bold) const {
  painter.setFont(sheetFont(heightMm, unitsPerMm, bold));
}

double SheetPage::textWidth(const QString& text, double heightMm, bool bold) const {
  const QFontMetricsF metrics(sheetFont(heightMm, unitsPerMm, bold), painter.device());
  return metrics.horizontalAdvance(text) / unitsPerMm;
}

void SheetPage::text(double x, double y, const QString& text, double heightMm, bool bold,
                     const QColor& colour) const {
  font(heightMm, bold);
  painter.setPen(colour);
  const QFontMetricsF metrics(painter.font(), painter.device());
  painter.drawText(QPointF(x * unitsPerMm, y * unitsPerMm + metrics.ascent()), text);
}

void SheetPage::textRight(double x, double y, const QString& t, double heightMm, bool bold) const {
  text(x - textWidth(t, heightMm, bold), y, t, heightMm, bold);
}

void SheetPage::textCentred(double x, double y, const QString& t, double heightMm, bool bold) const {
  text(x - textWidth(t, heightMm, bold) / 2, y, t, heightMm, bold);
}

void SheetPage::line(double x1, double y1, double x2, double y2, double widthMm,
                     const QColor& colour, Qt::PenStyle style) const {
  QPen pen(colour, widthMm * unitsPerMm, style, Qt::FlatCap, Qt::RoundJoin);
  painter.setPen(pen);
  painter.drawLine(at(x1, y1), at(x2, y2));
}

void SheetPage::box(double left, double top, double w, double h, double widthMm,
                    const QColor& colour) const {
  painter.setPen(QPen(colour, widthMm * unitsPerMm));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(rect(left, top, w, h));
}

void SheetPage::fill(double left, double top, double w, double h, const QColor& colour) const {
  painter.fillRect(rect(left, top, w, h), colour);
}

QString grouped(double value, int decimals) {
  QLocale locale(QLocale::English);
  locale.setNumberOptions(QLocale::DefaultNumberOptions);
  QString text = locale.toString(value, 'f', decimals);
  return text.replace(QLatin1Char(','), QChar(0x2009));  // thin space between thousands
}

}  // namespace skyrig::sheets
