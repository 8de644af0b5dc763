#include "ProfileSheet.h"

#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "MapSheet.h"
#include "SheetPage.h"
#include "runs/PlanSheetData.h"
#include "view/MapSheetLayout.h"

namespace skyrig::sheets {

namespace {

constexpr double kPlotLeft = 24, kPlotTop = 26, kPlotWidth = 180, kPlotHeight = 128;
constexpr double kBoxLeft = 230, kBoxWidth = 57;

const QColor kGround(110, 70, 30);
const QColor kStreamBuffer(40, 110, 230);
const QColor kUnloaded(0, 0, 0);
const QColor kLoaded(200, 0, 0);
const QColor kClearance(230, 150, 150);
const QColor kPayload(0, 140, 60);
const QColor kGrid(215, 215, 215);

// A nice axis: from a round minimum to a round maximum in steps of 1, 2 or 5 x 10^k.
struct Axis {
  double min = 0, max = 1, step = 1;
};
Axis niceAxis(double low, double high, int ticks) {
  if (!(high > low)) high = low + 1;
  Axis a;
  a.step = roundDownToNiceStep((high - low) / ticks);
  if ((high - low) / a.step > ticks * 1.6) a.step *= 2;
  a.min = std::floor(low / a.step) * a.step;
  a.max = std::ceil(high / a.step) * a.step;
  return a;
}

struct Plot {
  Axis distance, elevation, payload;
  double x(double d) const { return kPlotLeft + (d - distance.min) / (distance.max - distance.min) * kPlotWidth; }
  double y(double z) const { return kPlotTop + kPlotHeight - (z - elevation.min) / (elevation.max - elevation.min) * kPlotHeight; }
  double yPayload(double kg) const { return kPlotTop + kPlotHeight - (kg - payload.min) / (payload.max - payload.min) * kPlotHeight; }
};

double topOf(const ProfileSheetData& p, int index) {
  const auto& point = p.points[static_cast<std::size_t>(index)];
  if (index == 0) return point.elevation + p.towerHeight;
  if (index == p.tailPoint) return point.elevation + p.tailHeight;
  return point.elevation + p.supportHeight;
}

void paintAxes(const SheetPage& page, const Plot& plot) {
  for (double d = plot.distance.min; d <= plot.distance.max + 1e-9; d += plot.distance.step) {
    const double x = plot.x(d);
    page.line(x, kPlotTop, x, kPlotTop + kPlotHeight, 0.12, kGrid);
    page.line(x, kPlotTop + kPlotHeight, x, kPlotTop + kPlotHeight + 1.5, 0.2, Qt::black);
    page.textCentred(x, kPlotTop + kPlotHeight + 2, grouped(d), 2.4);
  }
  for (double z = plot.elevation.min; z <= plot.elevation.max + 1e-9; z += plot.elevation.step) {
    const double y = plot.y(z);
    page.line(kPlotLeft, y, kPlotLeft + kPlotWidth, y, 0.12, kGrid);
    page.line(kPlotLeft - 1.5, y, kPlotLeft, y, 0.2, Qt::black);
    page.textRight(kPlotLeft - 2, y - 1.2, grouped(z), 2.4);
  }
  for (double kg = plot.payload.min; kg <= plot.payload.max + 1e-9; kg += plot.payload.step) {
    const double y = plot.yPayload(kg);
    page.line(kPlotLeft + kPlotWidth, y, kPlotLeft + kPlotWidth + 1.5, y, 0.2, kPayload);
    page.text(kPlotLeft + kPlotWidth + 2, y - 1.2, grouped(kg), 2.4, false, kPayload);
  }
  page.box(kPlotLeft, kPlotTop, kPlotWidth, kPlotHeight, 0.3, Qt::black);
  page.textCentred(kPlotLeft + kPlotWidth / 2, kPlotTop + kPlotHeight + 6.5,
                   QStringLiteral("Horizontal distance from the landing (m)"), 2.8);
  page.painter.save();
  page.painter.translate(page.at(kPlotLeft - 13, kPlotTop + kPlotHeight / 2));
  page.painter.rotate(-90);
  page.textCentred(0, -1.5, QStringLiteral("Elevation (m)"), 2.8);
  page.painter.restore();
  page.painter.save();
  page.painter.translate(page.at(kPlotLeft + kPlotWidth + 16, kPlotTop + kPlotHeight / 2));
  page.painter.rotate(90);
  page.font(2.8);
  page.painter.setPen(kPayload);
  page.textCentred(0, -1.5, QStringLiteral("Payload (kg)"), 2.8);
  page.painter.restore();
}

// Small boxes along a drawn line (device points), so that labels keep off it.
void addLineObstacles(const SheetPage& page, const std::vector<QPointF>& points,
                      std::vector<SheetBox>& obstacles) {
  constexpr double kStep = 1.0, kHalf = 0.4;  // mm
  for (std::size_t i = 1; i < points.size(); ++i) {
    const double x0 = points[i - 1].x() / page.unitsPerMm, y0 = points[i - 1].y() / page.unitsPerMm;
    const double x1 = points[i].x() / page.unitsPerMm, y1 = points[i].y() / page.unitsPerMm;
    const int steps = std::max(1, static_cast<int>(std::hypot(x1 - x0, y1 - y0) / kStep));
    for (int k = 0; k <= steps; ++k) {
      const double x = x0 + (x1 - x0) * k / steps, y = y0 + (y1 - y0) * k / steps;
      obstacles.push_back({x - kHalf, y - kHalf, 2 * kHalf, 2 * kHalf});
    }
  }
}

void polyline(const SheetPage& page, const std::vector<QPointF>& points, const QColor& colour,
              double widthMm, Qt::PenStyle style = Qt::SolidLine) {
  if (points.size() < 2) return;
  QPainterPath path(points.front());
  for (std::size_t i = 1; i < points.size(); ++i) path.lineTo(points[i]);
  page.painter.setPen(QPen(colour, widthMm * page.unitsPerMm, style, Qt::RoundCap, Qt::RoundJoin));
  page.painter.setBrush(Qt::NoBrush);
  page.painter.drawPath(path);
}

void paintFiguresBox(const SheetPage& page, const ProfileSheetData& p, const PlanCableRoad* road) {
  double y = kPlotTop;
  page.text(kBoxLeft, y, QStringLiteral("Cable road figures"), 3.2, true);
  y += 6;
  auto row = [&](const QString& label, const QString& value) {
    page.text(kBoxLeft + 1.5, y, label, 2.5);
    page.textRight(kBoxLeft + kBoxWidth - 1.5, y, value, 2.5, true);
    y += 4.6;
  };
  const double top = y - 1.5;
  row(QStringLiteral("Landing"), QString::number(p.landing));
  row(QStringLiteral("Cable road"), QString::number(p.road));
  row(QStringLiteral("Cable system"), QString::number(p.system));
  row(QStringLiteral("Length"), grouped(p.length) + QStringLiteral(" m"));
  row(QStringLiteral("Tower height"), grouped(p.towerHeight, 1) + QStringLiteral(" m"));
  row(QStringLiteral("Tail spar height"), grouped(p.tailHeight, 1) + QStringLiteral(" m"));
  row(QStringLiteral("Intermediate supports"), QString::number(p.supportCount));
  row(QStringLiteral("Minimum payload"), grouped(p.minPayload) + QStringLiteral(" kg"));
  row(QStringLiteral("Cycle time"), grouped(p.cycleTime / 60.0, 1) + QStringLiteral(" min"));
  if (p.minClearance >= 0)
    row(QStringLiteral("Least carriage clearance"), grouped(p.minClearance, 1) + QStringLiteral(" m"));
  if (road && road->used) {
    row(QStringLiteral("Volume yarded"), grouped(road->volume, 1) + QStringLiteral(" m\u00b3"));
    row(QStringLiteral("Timber cells"), QString::number(road->cells));
    const double cost = road->yardingCost + road->riggingCost;
    row(QStringLiteral("Cost (yarding, rigging)"), QStringLiteral("$ ") + grouped(cost));
    row(QStringLiteral("Cost per m\u00b3"),
        QStringLiteral("$ ") + grouped(road->volume > 0 ? cost / road->volume : 0.0, 2));
  } else {
    row(QStringLiteral("Volume yarded"), QStringLiteral("not used by the plan"));
  }
  page.box(kBoxLeft, top, kBoxWidth, y - top + 0.5, 0.3, Qt::black);
  y += 4;
  if (p.flags.any()) {
    page.text(kBoxLeft, y, QStringLiteral("Conditions at this tail spar height:"), 2.4, true);
    y += 4;
    const std::pair<bool, const char*> flags[] = {
        {p.flags.downhillYarding != 0, "downhill yarding"},
        {p.flags.needsHaulback != 0, "needs a haulback line"},
        {p.flags.payloadTooSmall != 0, "payload below the minimum per turn"},
        {p.flags.steepChordBreak != 0, "too steep break in chord slope"},
        {p.flags.streamDragging != 0, "log dragged over a stream buffer"},
        {p.flags.supportReductionFailed != 0, "supports could not be reduced"}};
    for (const auto& [set, text] : flags)
      if (set) {
        page.text(kBoxLeft + 1.5, y, QString::fromUtf8(text), 2.4);
        y += 3.8;
      }
  }
}

void paintKey(const SheetPage& page, bool streamBuffer) {
  double x = kPlotLeft;
  const double y = kPlotTop + kPlotHeight + 13;
  auto entry = [&](const QString& text, const QColor& colour, double width, Qt::PenStyle style) {
    page.line(x, y + 1.4, x + 7, y + 1.4, width, colour, style);
    page.text(x + 8.5, y, text, 2.5);
    x += 10.5 + page.textWidth(text, 2.5);
  };
  entry(QStringLiteral("Ground"), kGround, 0.5, Qt::SolidLine);
  if (streamBuffer) entry(QStringLiteral("Stream buffer"), kStreamBuffer, 0.6, Qt::SolidLine);
  entry(QStringLiteral("Skyline unloaded"), kUnloaded, 0.3, Qt::SolidLine);
  entry(QStringLiteral("Skyline loaded (carriage path)"), kLoaded, 0.35, Qt::SolidLine);
  entry(QStringLiteral("Carriage clearance"), kClearance, 0.2, Qt::SolidLine);
  entry(QStringLiteral("Payload"), kPayload, 0.4, Qt::SolidLine);
}

}  // namespace

void paintProfileSheet(const SheetPage& page, const ProfileSheetData& p, const PlanCableRoad* road,
                       const SheetTitle& title) {
  page.fill(0, 0, page.width, page.height, Qt::white);
  page.text(kPlotLeft, 8, QStringLiteral("Cable road profile L%1-R%2 \u2014 %3")
                              .arg(p.landing).arg(p.road).arg(title.project), 5, true);
  page.text(kPlotLeft, 15, title.date, 2.8);
  if (p.points.empty()) return;

  double low = 1e9, high = -1e9, maxPayload = 0;
  const auto last = static_cast<std::size_t>(p.tailPoint);
  for (std::size_t i = 0; i <= last; ++i) {
    low = std::min(low, static_cast<double>(p.points[i].elevation));
    high = std::max(high, p.points[i].elevation + static_cast<double>(std::max({p.towerHeight, p.tailHeight, p.supportHeight})));
    maxPayload = std::max(maxPayload, static_cast<double>(p.points[i].payload));
  }
  Plot plot{niceAxis(0, p.points[last].distance, 8), niceAxis(low - 5, high + 5, 7),
            niceAxis(0, std::max(maxPayload, 100.0), 7)};
  // The payload axis uses as many ticks as the elevation axis, so the grid lines coincide.
  const int elevationSteps = static_cast<int>(std::lround((plot.elevation.max - plot.elevation.min) / plot.elevation.step));
  plot.payload.step = std::max(1.0, roundDownToNiceStep(plot.payload.max / std::max(1, elevationSteps)));
  while (plot.payload.step * elevationSteps < std::max(maxPayload, 100.0)) {
    const double bigger = roundDownToNiceStep(plot.payload.step * 2.5);
    plot.payload.step = bigger > plot.payload.step ? bigger : plot.payload.step * 2;
  }
  plot.payload.min = 0;
  plot.payload.max = plot.payload.step * elevationSteps;
  paintAxes(page, plot);

  page.painter.setRenderHint(QPainter::Antialiasing, true);
  page.painter.save();
  page.painter.setClipRect(page.rect(kPlotLeft, kPlotTop, kPlotWidth, kPlotHeight));

  // Carriage clearance: from the ground up to the carriage at every analysed point.
  for (std::size_t i = 1; i < last; ++i) {
    const auto& point = p.points[i];
    if (point.carriageHeight < 0) continue;
    page.line(plot.x(point.distance), plot.y(point.elevation), plot.x(point.distance),
              plot.y(point.elevation + point.carriageHeight), 0.2, kClearance);
  }
  // Ground line, stream buffer stretches in blue.
  std::vector<QPointF> ground;
  for (const auto& point : p.points) ground.push_back(page.at(plot.x(point.distance), plot.y(point.elevation)));
  polyline(page, ground, kGround, 0.5);
  for (std::size_t i = 0; i + 1 < p.points.size(); ++i)
    if (p.points[i].streamBuffer && p.points[i + 1].streamBuffer)
      polyline(page, {ground[i], ground[i + 1]}, kStreamBuffer, 0.7);

  // Unloaded skyline: tower top over the support tops to the tail spar top.
  std::vector<QPointF> unloaded, loaded;
  for (std::size_t i = 0; i <= last; ++i) {
    const auto& point = p.points[i];
    const bool support = i == 0 || i == last || point.support;
    if (support) unloaded.push_back(page.at(plot.x(point.distance), plot.y(topOf(p, static_cast<int>(i)))));
    if (support)
      loaded.push_back(page.at(plot.x(point.distance), plot.y(topOf(p, static_cast<int>(i)))));
    else if (point.carriageHeight >= 0)
      loaded.push_back(page.at(plot.x(point.distance), plot.y(point.elevation + point.carriageHeight)));
  }
  polyline(page, unloaded, kUnloaded, 0.3);
  polyline(page, loaded, kLoaded, 0.35);
  std::vector<SheetBox> obstacles;
  addLineObstacles(page, ground, obstacles);
  addLineObstacles(page, unloaded, obstacles);
  addLineObstacles(page, loaded, obstacles);

  // Tower, supports and tail spar as bars.
  for (std::size_t i = 0; i <= last; ++i) {
    const auto& point = p.points[i];
    if (!(i == 0 || i == last || point.support)) continue;
    page.line(plot.x(point.distance), plot.y(point.elevation), plot.x(point.distance),
              plot.y(topOf(p, static_cast<int>(i))), 0.9, Qt::black);
    addLineObstacles(page, {page.at(plot.x(point.distance), plot.y(point.elevation)),
                            page.at(plot.x(point.distance), plot.y(topOf(p, static_cast<int>(i))))},
                     obstacles);
  }
  // Payload curve on its own axis.
  std::vector<QPointF> payload;
  for (std::size_t i = 1; i < last; ++i)
    if (p.points[i].payload >= 0 && !p.points[i].support)
      payload.push_back(page.at(plot.x(p.points[i].distance), plot.yPayload(std::max(0.0f, p.points[i].payload))));
  polyline(page, payload, kPayload, 0.4);
  addLineObstacles(page, payload, obstacles);
  double limitX = 0, limitY = 0;
  if (p.limitingPoint > 0) {
    const auto& point = p.points[static_cast<std::size_t>(p.limitingPoint)];
    limitX = plot.x(point.distance);
    limitY = plot.yPayload(std::max(0.0f, point.payload));
    page.painter.setPen(QPen(kPayload, 0.4 * page.unitsPerMm));
    page.painter.setBrush(Qt::NoBrush);
    page.painter.drawEllipse(page.at(limitX, limitY), 1.6 * page.unitsPerMm, 1.6 * page.unitsPerMm);
  }
  page.painter.restore();

  // Labels of the bars, the limiting point and the least clearance, placed without overlap.
  std::vector<LabelRequest> requests;
  std::vector<QString> texts;
  std::vector<QColor> colours;
  constexpr double kLabel = 2.5;
  auto request = [&](double x, double y, const QString& text, const QColor& colour) {
    texts.push_back(text);
    colours.push_back(colour);
    requests.push_back({x, y, page.textWidth(text, kLabel) + 0.8, kLabel + 0.6});
  };
  if (p.limitingPoint > 0)
    request(limitX, limitY,
            QStringLiteral("limit %1 kg at %2 m").arg(grouped(p.minPayload))
                .arg(grouped(p.points[static_cast<std::size_t>(p.limitingPoint)].distance)),
            kPayload);
  request(plot.x(0), plot.y(topOf(p, 0)), QStringLiteral("tower %1 m").arg(grouped(p.towerHeight, 1)), Qt::black);
  request(plot.x(p.points[last].distance), plot.y(topOf(p, p.tailPoint)),
          QStringLiteral("tail spar %1 m").arg(grouped(p.tailHeight, 1)), Qt::black);
  for (std::size_t i = 1; i < last; ++i)
    if (p.points[i].support)
      request(plot.x(p.points[i].distance), plot.y(topOf(p, static_cast<int>(i))),
              QStringLiteral("support %1 m").arg(grouped(p.supportHeight, 1)), Qt::black);
  if (p.minClearancePoint > 0) {
    const auto& point = p.points[static_cast<std::size_t>(p.minClearancePoint)];
    request(plot.x(point.distance), plot.y(point.elevation + point.carriageHeight / 2),
            QStringLiteral("clearance %1 m").arg(grouped(p.minClearance, 1)), kLoaded);
  }
  const SheetBox bounds{kPlotLeft + 0.5, kPlotTop + 0.5, kPlotWidth - 1, kPlotHeight - 1};
  const auto placed = placeLabels(requests, obstacles, bounds, 1.5, 12);
  for (std::size_t i = 0; i < placed.size(); ++i) {
    if (!placed[i].placed) continue;
    const SheetBox& b = placed[i].box;
    if (placed[i].leader)
      page.line(requests[i].anchorX, requests[i].anchorY, b.left + b.width / 2, b.top + b.height / 2, 0.12, colours[i]);
    page.fill(b.left, b.top, b.width, b.height, QColor(255, 255, 255, 230));
    page.text(b.left + 0.4, b.top + 0.3, texts[i], kLabel, false, colours[i]);
  }

  bool streamBuffer = false;
  for (std::size_t i = 0; i + 1 < p.points.size(); ++i)
    streamBuffer = streamBuffer || (p.points[i].streamBuffer && p.points[i + 1].streamBuffer);
  paintKey(page, streamBuffer);
  paintFiguresBox(page, p, road);
}

}  // namespace skyrig::sheets
