#include "MapSheet.h"

#include <QImage>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "SheetPage.h"
#include "document/CSkyrigDoc.h"

namespace skyrig::sheets {

namespace {

// Page geometry, mm.
constexpr double kMargin = 10;
constexpr double kFrameLeft = 24;
constexpr double kFrameTop = 32;
constexpr double kFrameWidth = 290;
constexpr double kFrameHeight = 248;
constexpr double kLegendLeft = 326;

const QColor kServed(170, 170, 170, 200);
const QColor kServiceColours[kCellServiceCount] = {
    QColor(0, 0, 0, 0), kServed, QColor(220, 30, 30, 220), QColor(245, 140, 0, 220),
    QColor(160, 40, 160, 220), QColor(240, 220, 0, 220)};
const QColor kStream(40, 110, 230);
const QColor kExistingRoad(70, 50, 30);
const QColor kUsedCableRoad(60, 0, 90);
const QColor kUnusedCableRoad(120, 120, 120);
const QColor kGradeColours[kGradeClassCount] = {QColor(0, 150, 60),  QColor(120, 190, 0),
                                                QColor(230, 200, 0), QColor(240, 130, 0),
                                                QColor(220, 40, 20), QColor(140, 0, 30)};
const QColor kExit(0, 200, 0);

// The map view's elevation classes, lightened so that the plan reads over them.
QColor terrainColour(int elevationClass) {
  int r, g, b;
  const int i = std::clamp(elevationClass, 0, 29);
  if (i < 10) {
    r = 28 * i, g = 255, b = 0;
  } else if (i < 20) {
    r = 255, g = 255 - 20 * (i - 10), b = 100;
  } else {
    r = 255 - 20 * (i - 20), g = 100, b = 100;
  }
  return {(r + 255 * 2) / 3, (g + 255 * 2) / 3, (b + 255 * 2) / 3};
}

int elevationClassOf(const CSkyrigDoc& doc, int z) {
  const double range = doc.maxElevation - doc.minElevation;
  if (range <= 0) return 0;
  return std::clamp(static_cast<int>((z - doc.minElevation) / range * 100.0 / 3.4), 0, 29);
}

// Elevation (m) where class k begins.
double classStart(const CSkyrigDoc& doc, int k) {
  return doc.minElevation + k * 3.4 / 100.0 * (doc.maxElevation - doc.minElevation);
}

struct Drawn {
  bool terrain = false, streams = false, existingRoads = false, unusedRoads = false,
       usedRoads = false, exits = false, unitOutline = false;
  bool services[kCellServiceCount] = {};
  bool grades[kGradeClassCount] = {};
};

QPointF cellPoint(const SheetPage& page, const MapSheetLayout& layout, const CSkyrigDoc& doc,
                  int c, int r) {
  return page.at(layout.sheetX(cellX(doc, c)), layout.sheetY(cellY(doc, r)));
}

// The cells of the frame as one image, a pixel per cell: terrain, streams, existing roads and
// the unit's timber cells by service.
void paintCells(const SheetPage& page, const MapSheetLayout& layout, const CSkyrigDoc& doc,
                const PlanSheetData& plan, Drawn& drawn) {
  const double half = doc.cellSize / 2.0;
  const int c0 = std::max(1, static_cast<int>(std::floor((layout.groundX(layout.frameLeft) - doc.xll) / doc.cellSize)) + 1);
  const int c1 = std::min(doc.ncols, static_cast<int>(std::ceil((layout.groundX(layout.frameLeft + layout.frameWidth) - doc.xll) / doc.cellSize)) + 1);
  const int r0 = std::max(1, static_cast<int>(std::floor((doc.yMax - layout.groundY(layout.frameTop)) / doc.cellSize)) + 1);
  const int r1 = std::min(doc.nrows, static_cast<int>(std::ceil((doc.yMax - layout.groundY(layout.frameTop + layout.frameHeight)) / doc.cellSize)) + 1);
  if (c1 < c0 || r1 < r0) return;
  QImage image(c1 - c0 + 1, r1 - r0 + 1, QImage::Format_ARGB32);
  image.fill(Qt::white);
  for (int r = r0; r <= r1; ++r)
    for (int c = c0; c <= c1; ++c) {
      const int z = doc.dtm(c, r).z;
      QColor colour = Qt::white;
      if (z > 0) {
        colour = terrainColour(elevationClassOf(doc, z));
        drawn.terrain = true;
      }
      const CellService service = plan.service.empty() ? CellService::None : plan.serviceAt(c, r);
      if (service != CellService::None) {
        const QColor& over = kServiceColours[static_cast<int>(service)];
        const double a = over.alphaF();
        colour = QColor::fromRgbF(over.redF() * a + colour.redF() * (1 - a),
                                  over.greenF() * a + colour.greenF() * (1 - a),
                                  over.blueF() * a + colour.blueF() * (1 - a));
        drawn.services[static_cast<int>(service)] = true;
      }
      if (doc.streamGrid(c, r) > 0) {
        colour = kStream;
        drawn.streams = true;
      }
      if (doc.roadGrid(c, r) > 0) {
        colour = kExistingRoad;
        drawn.existingRoads = true;
      }
      image.setPixelColor(c - c0, r - r0, colour);
    }
  const double left = layout.sheetX(cellX(doc, c0) - half);
  const double top = layout.sheetY(cellY(doc, r0) + half);
  const double size = doc.cellSize * layout.mmPerMetre();
  page.painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
  page.painter.drawImage(page.rect(left, top, size * image.width(), size * image.height()), image);
}

void paintUnitOutline(const SheetPage& page, const MapSheetLayout& layout, const CSkyrigDoc& doc,
                      Drawn& drawn) {
  const double half = doc.cellSize / 2.0;
  auto inside = [&](int c, int r) { return isInsideGrid(doc, c, r) && doc.unitCellFlags(c, r) == 1; };
  QPainterPath path;
  for (int r = 1; r <= doc.nrows; ++r)
    for (int c = 1; c <= doc.ncols; ++c) {
      if (!inside(c, r)) continue;
      const double x = cellX(doc, c), y = cellY(doc, r);
      auto edge = [&](double x1, double y1, double x2, double y2) {
        path.moveTo(page.at(layout.sheetX(x1), layout.sheetY(y1)));
        path.lineTo(page.at(layout.sheetX(x2), layout.sheetY(y2)));
      };
      if (!inside(c, r - 1)) edge(x - half, y + half, x + half, y + half);
      if (!inside(c, r + 1)) edge(x - half, y - half, x + half, y - half);
      if (!inside(c - 1, r)) edge(x - half, y - half, x - half, y + half);
      if (!inside(c + 1, r)) edge(x + half, y - half, x + half, y + half);
      drawn.unitOutline = true;
    }
  page.painter.setPen(QPen(Qt::black, 0.35 * page.unitsPerMm, Qt::SolidLine, Qt::SquareCap));
  page.painter.setBrush(Qt::NoBrush);
  page.painter.drawPath(path);
}

void paintLines(const SheetPage& page, const MapSheetLayout& layout, const CSkyrigDoc& doc,
                const PlanSheetData& plan, Drawn& drawn) {
  QPainter& p = page.painter;
  p.setRenderHint(QPainter::Antialiasing, true);
  for (const PlanCableRoad& road : plan.cableRoads) {
    if (road.used) continue;
    const PlanLanding* landing = nullptr;
    for (const PlanLanding& l : plan.landings)
      if (l.id == road.landing) landing = &l;
    if (!landing) continue;
    p.setPen(QPen(kUnusedCableRoad, 0.18 * page.unitsPerMm, Qt::DashLine, Qt::FlatCap));
    p.drawLine(cellPoint(page, layout, doc, landing->col, landing->row),
               cellPoint(page, layout, doc, road.endCol, road.endRow));
    drawn.unusedRoads = true;
  }
  for (const RoadSegment& s : plan.newRoad) {
    p.setPen(QPen(kGradeColours[s.gradeClass], 1.0 * page.unitsPerMm, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(cellPoint(page, layout, doc, s.col1, s.row1),
               cellPoint(page, layout, doc, s.col2, s.row2));
    drawn.grades[s.gradeClass] = true;
  }
  for (const PlanCableRoad& road : plan.cableRoads) {
    if (!road.used) continue;
    for (const PlanLanding& l : plan.landings) {
      if (l.id != road.landing) continue;
      p.setPen(QPen(kUsedCableRoad, 0.6 * page.unitsPerMm, Qt::SolidLine, Qt::RoundCap));
      p.drawLine(cellPoint(page, layout, doc, l.col, l.row),
                 cellPoint(page, layout, doc, road.endCol, road.endRow));
      drawn.usedRoads = true;
    }
  }
}

void paintExit(const SheetPage& page, double x, double y) {
  QPainterPath triangle;
  triangle.moveTo(page.at(x, y - 2.2));
  triangle.lineTo(page.at(x + 2, y + 1.4));
  triangle.lineTo(page.at(x - 2, y + 1.4));
  triangle.closeSubpath();
  page.painter.setPen(QPen(Qt::black, 0.2 * page.unitsPerMm));
  page.painter.setBrush(kExit);
  page.painter.drawPath(triangle);
}

void paintLandingMark(const SheetPage& page, double x, double y, bool used) {
  page.painter.setPen(QPen(Qt::black, 0.3 * page.unitsPerMm));
  page.painter.setBrush(used ? QColor(Qt::white) : QColor(200, 200, 200));
  page.painter.drawRect(page.rect(x - 1.6, y - 1.6, 3.2, 3.2));
}

// Landings, timber exits and the landing labels, placed so that no label hides another.
void paintPoints(const SheetPage& page, const MapSheetLayout& layout, const CSkyrigDoc& doc,
                 const PlanSheetData& plan, Drawn& drawn) {
  std::vector<SheetBox> obstacles;
  for (const auto& [c, r] : plan.timberExits) {
    const double x = layout.sheetX(cellX(doc, c)), y = layout.sheetY(cellY(doc, r));
    paintExit(page, x, y);
    obstacles.push_back({x - 2, y - 2.2, 4, 3.6});
    drawn.exits = true;
  }
  std::vector<LabelRequest> requests;
  std::vector<QString> texts;
  constexpr double kLabelHeight = 3.2;
  for (const PlanLanding& l : plan.landings) {
    const double x = layout.sheetX(cellX(doc, l.col)), y = layout.sheetY(cellY(doc, l.row));
    paintLandingMark(page, x, y, l.used);
    obstacles.push_back({x - 1.6, y - 1.6, 3.2, 3.2});
    texts.push_back(QStringLiteral("L%1").arg(l.id));
    requests.push_back({x, y, page.textWidth(texts.back(), kLabelHeight, true) + 1.0, kLabelHeight + 0.6});
  }
  const SheetBox frame{layout.frameLeft, layout.frameTop, layout.frameWidth, layout.frameHeight};
  const auto placed = placeLabels(requests, obstacles, frame, 2.2);
  for (std::size_t i = 0; i < placed.size(); ++i) {
    if (!placed[i].placed) continue;
    const SheetBox& b = placed[i].box;
    if (placed[i].leader)
      page.line(requests[i].anchorX, requests[i].anchorY, b.left + b.width / 2, b.top + b.height / 2,
                0.15, Qt::black);
    page.fill(b.left, b.top, b.width, b.height, QColor(255, 255, 255, 220));
    page.text(b.left + 0.5, b.top + 0.3, texts[i], kLabelHeight, true);
  }
}

void paintFrame(const SheetPage& page, const MapSheetLayout& layout) {
  const double l = layout.frameLeft, t = layout.frameTop;
  const double r = l + layout.frameWidth, b = t + layout.frameHeight;
  page.box(l, t, layout.frameWidth, layout.frameHeight, 0.4, Qt::black);
  const double step = layout.gridStep;
  constexpr double kTick = 2.0, kText = 2.4;
  for (double x = std::ceil(layout.groundX(l) / step) * step; layout.sheetX(x) <= r; x += step) {
    const double sx = layout.sheetX(x);
    page.line(sx, t, sx, t - kTick, 0.25, Qt::black);
    page.line(sx, b, sx, b + kTick, 0.25, Qt::black);
    const QString label = grouped(x);
    page.textCentred(sx, t - kTick - kText - 0.8, label, kText);
    page.textCentred(sx, b + kTick + 0.5, label, kText);
  }
  for (double y = std::ceil(layout.groundY(b) / step) * step; layout.sheetY(y) >= t; y += step) {
    const double sy = layout.sheetY(y);
    page.line(l, sy, l - kTick, sy, 0.25, Qt::black);
    page.line(r, sy, r + kTick, sy, 0.25, Qt::black);
    const QString label = grouped(y);
    page.painter.save();
    page.painter.translate(page.at(l - kTick - 1.0, sy));
    page.painter.rotate(-90);
    page.textCentred(0, -kText, label, kText);
    page.painter.restore();
    page.text(r + kTick + 0.6, sy - kText / 2, label, kText);
  }
}

void paintScaleBar(const SheetPage& page, const MapSheetLayout& layout, double x, double y) {
  const double length = layout.scaleBarMm();
  const int parts = 4;
  for (int k = 0; k < parts; ++k)
    page.fill(x + k * length / parts, y, length / parts, 1.6, k % 2 == 0 ? Qt::black : Qt::white);
  page.box(x, y, length, 1.6, 0.2, Qt::black);
  for (int k = 0; k <= parts; k += 2)
    page.textCentred(x + k * length / parts, y + 2.2, grouped(layout.scaleBarMetres * k / parts), 2.4);
  page.text(x + length + 2, y + 2.2, QStringLiteral("m"), 2.4);
}

void paintNorthArrow(const SheetPage& page, double x, double y) {
  QPainterPath arrow;
  arrow.moveTo(page.at(x, y));
  arrow.lineTo(page.at(x + 3.5, y + 12));
  arrow.lineTo(page.at(x, y + 9));
  arrow.lineTo(page.at(x - 3.5, y + 12));
  arrow.closeSubpath();
  page.painter.setPen(QPen(Qt::black, 0.25 * page.unitsPerMm));
  page.painter.setBrush(Qt::black);
  page.painter.drawPath(arrow);
  page.textCentred(x, y + 13, QStringLiteral("N"), 4, true);
}

// One legend entry: a swatch drawn by `swatch` in a 7 x 3.5 mm box, then the text, broken
// into lines at spaces where it is wider than the legend column.
template <typename Swatch>
double legendEntry(const SheetPage& page, double y, const QString& text, Swatch swatch) {
  swatch(kLegendLeft, y);
  constexpr double kText = 2.6;
  const double width = kA3Width - kMargin - (kLegendLeft + 9);
  QString line;
  for (const QString& word : text.split(QLatin1Char(' '))) {
    const QString longer = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
    if (!line.isEmpty() && page.textWidth(longer, kText) > width) {
      page.text(kLegendLeft + 9, y - 0.2, line, kText);
      y += 3.6;
      line = word;
    } else {
      line = longer;
    }
  }
  page.text(kLegendLeft + 9, y - 0.2, line, kText);
  return y + 5;
}

void paintLegend(const SheetPage& page, const CSkyrigDoc& doc, const PlanSheetData& plan,
                 const Drawn& drawn, double y) {
  page.text(kLegendLeft, y, QStringLiteral("Legend"), 3.6, true);
  y += 7;
  if (drawn.terrain) {
    page.text(kLegendLeft, y, QStringLiteral("Terrain elevation (m)"), 2.6, true);
    y += 5;
    const double rampWidth = 78;
    for (int k = 0; k < 30; ++k)
      page.fill(kLegendLeft + k * rampWidth / 30, y, rampWidth / 30 + 0.05, 4, terrainColour(k));
    page.box(kLegendLeft, y, rampWidth, 4, 0.15, Qt::black);
    for (int k = 0; k <= 30; k += 6) {
      const double x = kLegendLeft + k * rampWidth / 30;
      page.line(x, y + 4, x, y + 5, 0.15, Qt::black);
      const double metres = k < 30 ? classStart(doc, k) : static_cast<double>(doc.maxElevation);
      page.textCentred(x, y + 5.3, grouped(std::round(metres)), 2.2);
    }
    y += 11;
  }
  auto cellSwatch = [&](const QColor& colour) {
    return [&page, colour](double x, double yy) {
      page.fill(x, yy, 7, 3.5, colour);
      page.box(x, yy, 7, 3.5, 0.1, Qt::black);
    };
  };
  auto lineSwatch = [&](const QColor& colour, double width, Qt::PenStyle style) {
    return [&page, colour, width, style](double x, double yy) {
      page.line(x, yy + 1.75, x + 7, yy + 1.75, width, colour, style);
    };
  };
  if (drawn.services[static_cast<int>(CellService::Served)])
    y = legendEntry(page, y, QStringLiteral("Timber cell served (%1 m\u00b3)").arg(grouped(plan.servedVolume)),
                    cellSwatch(kServiceColours[1]));
  for (int s = 2; s < kCellServiceCount; ++s)
    if (drawn.services[s])
      y = legendEntry(page, y,
                      QStringLiteral("Unserved: %1 (%2 m\u00b3)")
                          .arg(QString::fromUtf8(cellServiceText(static_cast<CellService>(s))))
                          .arg(grouped(plan.unservedVolume[s])),
                      cellSwatch(kServiceColours[s]));
  if (drawn.unitOutline)
    y = legendEntry(page, y, QStringLiteral("Harvest unit boundary"),
                    lineSwatch(Qt::black, 0.35, Qt::SolidLine));
  if (drawn.usedRoads)
    y = legendEntry(page, y, QStringLiteral("Cable road used"), lineSwatch(kUsedCableRoad, 0.6, Qt::SolidLine));
  if (drawn.unusedRoads)
    y = legendEntry(page, y, QStringLiteral("Cable road analysed, not used"),
                    lineSwatch(kUnusedCableRoad, 0.18, Qt::DashLine));
  if (!plan.landings.empty()) {
    y = legendEntry(page, y, QStringLiteral("Landing used, with its id"),
                    [&](double x, double yy) { paintLandingMark(page, x + 3.5, yy + 1.75, true); });
    bool unused = false;
    for (const PlanLanding& l : plan.landings) unused = unused || !l.used;
    if (unused)
      y = legendEntry(page, y, QStringLiteral("Landing not used"),
                      [&](double x, double yy) { paintLandingMark(page, x + 3.5, yy + 1.75, false); });
  }
  bool anyGrade = false;
  for (int g = 0; g < kGradeClassCount; ++g) anyGrade = anyGrade || drawn.grades[g];
  if (anyGrade) {
    page.text(kLegendLeft, y, QStringLiteral("New road by grade"), 2.6, true);
    y += 5;
    for (int g = 0; g < kGradeClassCount; ++g)
      if (drawn.grades[g])
        y = legendEntry(page, y,
                        QStringLiteral("%1 (%2 m)").arg(QString::fromUtf8(gradeClassText(g)))
                            .arg(grouped(plan.newRoadLength[g])),
                        lineSwatch(kGradeColours[g], 1.0, Qt::SolidLine));
  }
  if (drawn.existingRoads)
    y = legendEntry(page, y, QStringLiteral("Existing road"), cellSwatch(kExistingRoad));
  if (drawn.streams) y = legendEntry(page, y, QStringLiteral("Stream"), cellSwatch(kStream));
  if (drawn.exits)
    y = legendEntry(page, y, QStringLiteral("Timber exit"),
                    [&](double x, double yy) { paintExit(page, x + 3.5, yy + 2); });
}

}  // namespace

GroundExtent mapSheetExtent(const CSkyrigDoc& doc, const PlanSheetData& plan) {
  const double half = doc.cellSize / 2.0;
  GroundExtent e{cellX(doc, plan.minCol) - half, cellY(doc, plan.maxRow) - half,
                 cellX(doc, plan.maxCol) + half, cellY(doc, plan.minRow) + half};
  const double margin = std::max({0.1 * std::max(e.maxX - e.minX, e.maxY - e.minY), 3.0 * doc.cellSize, 1.0});
  e.minX -= margin, e.minY -= margin, e.maxX += margin, e.maxY += margin;
  return e;
}

MapSheetLayout mapSheetLayout(const CSkyrigDoc& doc, const PlanSheetData& plan) {
  return layoutMapSheet(mapSheetExtent(doc, plan), kFrameLeft, kFrameTop, kFrameWidth, kFrameHeight);
}

void paintMapSheet(const SheetPage& page, const CSkyrigDoc& doc, const PlanSheetData& plan,
                   const SheetTitle& title) {
  page.fill(0, 0, page.width, page.height, Qt::white);
  page.text(kMargin, kMargin, QStringLiteral("Cable logging plan \u2014 %1").arg(title.project), 6, true);
  page.text(kMargin, kMargin + 8.5, title.date, 3.2);
  Drawn drawn;
  if (doc.ncols < 1 || plan.service.empty()) {
    page.text(kFrameLeft, kFrameTop, QStringLiteral("No terrain model is loaded: there is no map to draw."), 4);
    return;
  }
  const MapSheetLayout layout = mapSheetLayout(doc, plan);
  page.textRight(kFrameLeft + kFrameWidth, kMargin,
                 QStringLiteral("Scale 1:%1").arg(grouped(static_cast<double>(layout.scale))), 5, true);
  page.textRight(kFrameLeft + kFrameWidth, kMargin + 8.5,
                 QStringLiteral("on A3 landscape (420 \u00d7 297 mm); coordinates in metres"), 2.8);

  page.painter.save();
  page.painter.setClipRect(page.rect(layout.frameLeft, layout.frameTop, layout.frameWidth, layout.frameHeight));
  paintCells(page, layout, doc, plan, drawn);
  paintUnitOutline(page, layout, doc, drawn);
  paintLines(page, layout, doc, plan, drawn);
  paintPoints(page, layout, doc, plan, drawn);
  page.painter.restore();
  paintFrame(page, layout);

  paintNorthArrow(page, kLegendLeft + 6, kFrameTop);
  paintScaleBar(page, layout, kLegendLeft + 18, kFrameTop + 5);
  page.text(kLegendLeft + 18, kFrameTop, QStringLiteral("1:%1").arg(grouped(static_cast<double>(layout.scale))), 2.8, true);
  paintLegend(page, doc, plan, drawn, kFrameTop + 22);
  if (!plan.hasPlan)
    page.text(kLegendLeft, kFrameTop + kFrameHeight - 8,
              QStringLiteral("No plan was found: every timber cell is shown unserved."), 2.4);
}

}  // namespace skyrig::sheets
