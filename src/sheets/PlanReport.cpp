#include "PlanReport.h"

#include <QStringList>
#include <vector>

#include "SheetPage.h"
#include "runs/PlanImprovement.h"

namespace skyrig::sheets {

namespace {

constexpr double kPageWidth = 210, kPageHeight = 297;
constexpr double kLeft = 18, kRight = 192, kBottom = 280;
constexpr double kRow = 4.6, kText = 2.5;

// Writes headings and tables down the page, starting a new page when one is full.
class ReportFlow {
 public:
  ReportFlow(QPdfWriter& writer, QPainter& painter, double unitsPerMm, const SheetTitle& title)
      : writer_(writer), page_{painter, unitsPerMm, kPageWidth, kPageHeight}, title_(title) {
    header();
  }

  // A heading is kept on the page of the first rows below it.
  void heading(const QString& text) {
    need(10 + 4 * kRow);
    y_ += 3;
    page_.text(kLeft, y_, text, 4, true);
    y_ += 7;
  }
  // A note in grey, broken into lines at spaces to fit the page's width.
  void note(const QString& text) {
    constexpr double kNoteText = 2.5;
    QString line;
    for (const QString& word : text.split(QLatin1Char(' '))) {
      const QString longer = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
      if (!line.isEmpty() && page_.textWidth(longer, kNoteText) > kRight - kLeft) {
        noteLine(line, kNoteText);
        line = word;
      } else {
        line = longer;
      }
    }
    noteLine(line, kNoteText);
  }
  // A table: column right edges (mm from kLeft; the first column is left-aligned), a header
  // row and body rows; a row whose first cell starts with "Total" is drawn bold.
  void table(const std::vector<double>& edges, const QStringList& header,
             const std::vector<QStringList>& rows) {
    need(3 * kRow);
    row(edges, header, true);
    page_.line(kLeft, y_ - 0.8, kLeft + edges.back(), y_ - 0.8, 0.25, Qt::black);
    for (const QStringList& cells : rows) {
      if (need(kRow)) {
        row(edges, header, true);
        page_.line(kLeft, y_ - 0.8, kLeft + edges.back(), y_ - 0.8, 0.25, Qt::black);
      }
      const bool total = !cells.isEmpty() && cells.front().startsWith(QStringLiteral("Total"));
      if (total) page_.line(kLeft, y_ - 0.8, kLeft + edges.back(), y_ - 0.8, 0.15, Qt::black);
      row(edges, cells, total);
    }
    y_ += 2;
  }

 private:
  void header() {
    page_.fill(0, 0, kPageWidth, kPageHeight, Qt::white);
    page_.text(kLeft, 12, QStringLiteral("Plan report \u2014 %1").arg(title_.project), 5.5, true);
    page_.textRight(kRight, 13, title_.date, 2.8);
    page_.line(kLeft, 20, kRight, 20, 0.3, Qt::black);
    page_.textRight(kRight, kBottom + 6, QStringLiteral("page %1").arg(++pageNumber_), 2.4);
    y_ = 25;
  }
  void noteLine(const QString& text, double height) {
    need(kRow);
    page_.text(kLeft, y_, text, height, false, QColor(90, 90, 90));
    y_ += kRow;
  }
  // Starts a new page when `height` does not fit; true when it did.
  bool need(double height) {
    if (y_ + height <= kBottom) return false;
    writer_.newPage();
    header();
    return true;
  }
  void row(const std::vector<double>& edges, const QStringList& cells, bool bold) {
    for (int i = 0; i < cells.size() && i < static_cast<int>(edges.size()); ++i) {
      if (i == 0)
        page_.text(kLeft, y_, cells[i], kText, bold);
      else
        page_.textRight(kLeft + edges[static_cast<std::size_t>(i)], y_, cells[i], kText, bold);
    }
    y_ += kRow;
  }

  QPdfWriter& writer_;
  SheetPage page_;
  const SheetTitle& title_;
  double y_ = 0;
  int pageNumber_ = 0;
};

QString money(double value) { return QStringLiteral("$ ") + grouped(value); }
QString perCubicMetre(double cost, double volume) {
  return volume > 0 ? QStringLiteral("$ ") + grouped(cost / volume, 2) : QStringLiteral("-");
}
QString cubicMetres(double value) { return grouped(value, 1); }
QString metres(double value) { return grouped(value, 1); }

QString gapText(const std::optional<double>& bound, double cost) {
  if (!bound || !(cost > 0)) return QStringLiteral("-");
  return QString::number(100.0 * (cost - *bound) / cost, 'f', 3) + QStringLiteral(" %");
}

QString secondsText(double seconds) {
  return seconds > 0 ? QString::number(seconds, 'f', 1) : QStringLiteral("-");
}

// The specified plan (the separate run's) and the improved plan side by side, the lower bound
// on every plan's total, and every level's improvement with its own bound.
void paintImprovement(ReportFlow& flow, const PlanImprovement& improvement) {
  const PlanOutline& a = improvement.specified;
  const PlanOutline& b = improvement.improved;
  const auto both = [](const QString& label, const QString& specified, const QString& improved) {
    return QStringList{label, specified, improved};
  };
  const auto perM3 = [](const PlanOutline& p) { return perCubicMetre(p.costs.total(), p.volumeServed); };
  const QString bound = improvement.bound ? money(*improvement.bound) : QStringLiteral("none proven");
  flow.heading(QStringLiteral("Specified and improved plan"));
  flow.table(
      {100, 137, 174}, {QStringLiteral("Figure"), QStringLiteral("Specified"), QStringLiteral("Improved")},
      {both(QStringLiteral("Landings used"), QString::number(a.landingVolumes.size()),
            QString::number(b.landingVolumes.size())),
       both(QStringLiteral("Cable roads used"), QString::number(a.cableRoads), QString::number(b.cableRoads)),
       both(QStringLiteral("Volume served (m\u00b3)"), cubicMetres(a.volumeServed), cubicMetres(b.volumeServed)),
       both(QStringLiteral("New road length (m)"), metres(a.roadLength), metres(b.roadLength)),
       both(QStringLiteral("Cable cost"), money(a.costs.cable()), money(b.costs.cable())),
       both(QStringLiteral("Road cost"), money(a.costs.road()), money(b.costs.road())),
       both(QStringLiteral("Total cost"), money(a.costs.total()), money(b.costs.total())),
       both(QStringLiteral("Cost per m\u00b3 served"), perM3(a), perM3(b)),
       both(QStringLiteral("Lower bound on every plan"), bound, bound),
       both(QStringLiteral("Gap to the bound"), gapText(improvement.bound, a.costs.total()),
            gapText(improvement.bound, b.costs.total())),
       both(QStringLiteral("Time (s)"), secondsText(improvement.specifiedSeconds),
            secondsText(improvement.seconds))});
  const double saved = a.costs.total() - b.costs.total();
  flow.note(saved > 0
                ? QStringLiteral("The improved plan costs %1 less than the specified plan (%2 %), "
                                 "found in iteration %3 of %4.")
                      .arg(money(saved))
                      .arg(QString::number(a.costs.total() > 0 ? 100.0 * saved / a.costs.total() : 0.0, 'f', 1))
                      .arg(improvement.bestIteration)
                      .arg(improvement.iterations)
                : QStringLiteral("No cheaper plan was found: the improved plan is the specified plan."));
  if (improvement.cancelled)
    flow.note(QStringLiteral("The improvement was cancelled; the best plan found by then is shown."));
  flow.note(QStringLiteral("Lower bound: ") +
            QString::fromStdString(improvement.bound ? improvement.boundMethod
                                                     : "none proven (" + improvement.boundMethod + ")") +
            QStringLiteral("."));

  flow.heading(QStringLiteral("Improvement by iteration"));
  std::vector<QStringList> rows;
  for (const LevelSolve& solve : improvement.solves)
    rows.push_back({QString::number(solve.iteration),
                    solve.cable ? QStringLiteral("cable") : QStringLiteral("road"), money(solve.cost),
                    solve.bound ? money(*solve.bound) : QStringLiteral("-"), gapText(solve.bound, solve.cost),
                    QString::number(solve.seconds, 'f', 1)});
  flow.table({22, 44, 88, 132, 154, 174},
             {QStringLiteral("Iteration"), QStringLiteral("Level"), QStringLiteral("Cost"),
              QStringLiteral("Own bound"), QStringLiteral("Gap"), QStringLiteral("Time (s)")},
             rows);
  flow.note(QStringLiteral("Each level's cost and bound in its own terms: the cable level with the "
                           "landings' road costs of the previous iteration, the road level for the "
                           "landings' volumes. Iteration 0 routes the specified cable plan's volume "
                           "over the best roads. Times are processor seconds."));
}

}  // namespace

void paintReportTables(QPdfWriter& writer, QPainter& painter, double unitsPerMm,
                       const PlanSheetData& plan, const SheetTitle& title,
                       const PlanImprovement* improvement) {
  ReportFlow flow(writer, painter, unitsPerMm, title);

  int landingsUsed = 0, roadsUsed = 0;
  for (const PlanLanding& l : plan.landings) landingsUsed += l.used ? 1 : 0;
  for (const PlanCableRoad& r : plan.cableRoads) roadsUsed += r.used ? 1 : 0;
  double unserved = 0;
  for (int s = 0; s < kCellServiceCount; ++s) unserved += plan.unservedVolume[s];
  double newRoad = 0;
  for (double length : plan.newRoadLength) newRoad += length;

  flow.heading(QStringLiteral("Summary"));
  if (!plan.hasPlan)
    flow.note(QStringLiteral("No plan was found (no separate run has written its cable report); "
                             "the tables show what was analysed."));
  std::vector<QStringList> summary = {
      {QStringLiteral("Landings used"), QStringLiteral("%1 of %2").arg(landingsUsed).arg(plan.landings.size())},
      {QStringLiteral("Cable roads used"), QStringLiteral("%1 of %2 analysed").arg(roadsUsed).arg(plan.cableRoads.size())},
      {QStringLiteral("Timber volume of the harvest unit"), cubicMetres(plan.unitVolume) + QStringLiteral(" m\u00b3")},
      {QStringLiteral("Volume served"), cubicMetres(plan.servedVolume) + QStringLiteral(" m\u00b3")},
      {QStringLiteral("Volume unserved"), cubicMetres(unserved) + QStringLiteral(" m\u00b3")},
      {QStringLiteral("New road length"), metres(plan.hasMileage ? plan.mileageTotal : newRoad) + QStringLiteral(" m")}};
  if (plan.separateRun.present) {
    summary.push_back({QStringLiteral("Cable cost (separate run, best iteration)"), money(plan.separateRun.cable)});
    summary.push_back({QStringLiteral("Road cost (separate run, best iteration)"), money(plan.separateRun.road)});
    summary.push_back({QStringLiteral("Total cost (separate run)"), money(plan.separateRun.total)});
    summary.push_back({QStringLiteral("Total cost per m\u00b3 served"), perCubicMetre(plan.separateRun.total, plan.servedVolume)});
  }
  flow.table({120, 174}, {QStringLiteral("Figure"), QStringLiteral("Value")}, summary);

  if (plan.separateRun.present || plan.allAtOnceRun.present) {
    flow.heading(QStringLiteral("Runs side by side"));
    std::vector<QStringList> runs;
    if (plan.separateRun.present)
      runs.push_back({QStringLiteral("Separate run (best iteration %1)").arg(plan.separateRun.bestIteration),
                      money(plan.separateRun.cable), money(plan.separateRun.road), money(plan.separateRun.total)});
    if (plan.allAtOnceRun.present)
      runs.push_back({QStringLiteral("All-at-once run"), QStringLiteral("-"), QStringLiteral("-"),
                      money(plan.allAtOnceRun.total)});
    flow.table({80, 112, 143, 174},
               {QStringLiteral("Run"), QStringLiteral("Cable"), QStringLiteral("Road"), QStringLiteral("Total")}, runs);
    if (plan.separateRun.present && plan.allAtOnceRun.present)
      flow.note(plan.separateRun.total <= plan.allAtOnceRun.total
                    ? QStringLiteral("The separate run gives the cheaper plan; the sheets show it.")
                    : QStringLiteral("The all-at-once run gives the cheaper total; the sheets show the separate run's plan."));
  }

  if (improvement) paintImprovement(flow, *improvement);

  flow.heading(QStringLiteral("Cost by landing"));
  flow.note(QStringLiteral("Priced by the cable network's cost model: yarding of each served cell over its road, "
                           "rigging, setup and move-in, landing construction, road transport."));
  std::vector<QStringList> byLanding;
  double volume = 0, yarding = 0, fixed = 0, transport = 0, total = 0;
  for (const PlanLanding& l : plan.landings) {
    if (!l.used) continue;
    const double landingFixed = l.riggingCost + l.setupCost + l.constructionCost;
    byLanding.push_back({QStringLiteral("L%1 (system %2, C%3R%4)").arg(l.id).arg(l.system).arg(l.col).arg(l.row),
                         cubicMetres(l.volume), money(l.yardingCost), money(landingFixed), money(l.transportCost),
                         money(l.total()), perCubicMetre(l.total(), l.volume)});
    volume += l.volume, yarding += l.yardingCost, fixed += landingFixed, transport += l.transportCost, total += l.total();
  }
  byLanding.push_back({QStringLiteral("Total"), cubicMetres(volume), money(yarding), money(fixed), money(transport),
                       money(total), perCubicMetre(total, volume)});
  flow.table({45, 62, 86, 112, 134, 156, 174},
             {QStringLiteral("Landing"), QStringLiteral("m\u00b3"), QStringLiteral("Yarding"),
              QStringLiteral("Rig/setup/build"), QStringLiteral("Transport"), QStringLiteral("Total"),
              QStringLiteral("$/m\u00b3")},
             byLanding);

  flow.heading(QStringLiteral("Cost by cable road"));
  std::vector<QStringList> byRoad;
  volume = yarding = fixed = total = 0;
  for (const PlanCableRoad& r : plan.cableRoads) {
    if (!r.used) continue;
    const double cost = r.yardingCost + r.riggingCost;
    byRoad.push_back({QStringLiteral("L%1-R%2").arg(r.landing).arg(r.road), QString::number(r.cells),
                      cubicMetres(r.volume), money(r.yardingCost), money(r.riggingCost), money(cost),
                      perCubicMetre(cost, r.volume)});
    volume += r.volume, yarding += r.yardingCost, fixed += r.riggingCost, total += cost;
  }
  byRoad.push_back({QStringLiteral("Total"), QString(), cubicMetres(volume), money(yarding), money(fixed),
                    money(total), perCubicMetre(total, volume)});
  flow.table({40, 62, 88, 115, 138, 160, 174},
             {QStringLiteral("Cable road"), QStringLiteral("Cells"), QStringLiteral("m\u00b3"),
              QStringLiteral("Yarding"), QStringLiteral("Rigging"), QStringLiteral("Total"), QStringLiteral("$/m\u00b3")},
             byRoad);

  flow.heading(QStringLiteral("New road length by class"));
  std::vector<QStringList> lengths;
  for (int k = 0; k < kGradeClassCount; ++k)
    lengths.push_back({QStringLiteral("Grade %1").arg(QString::fromUtf8(gradeClassText(k))),
                       metres(plan.hasMileage ? plan.mileageGrade[k] : plan.newRoadLength[k]),
                       QStringLiteral("Side slope %1").arg(QString::fromUtf8(sideSlopeClassText(k))),
                       plan.hasMileage ? metres(plan.mileageSideSlope[k]) : QStringLiteral("-")});
  lengths.push_back({QStringLiteral("Total"), metres(plan.hasMileage ? plan.mileageTotal : newRoad), QString(),
                     plan.hasMileage ? metres(plan.mileageTotal) : QStringLiteral("-")});
  flow.table({60, 80, 150, 174},
             {QStringLiteral("Grade class"), QStringLiteral("m"), QStringLiteral("Side-slope class"), QStringLiteral("m")},
             lengths);
  if (!plan.hasMileage)
    flow.note(QStringLiteral("The road mileage report was not found: grades from the terrain model, side slopes not known."));

  flow.heading(QStringLiteral("Unserved timber by reason"));
  std::vector<QStringList> reasons;
  int cells = 0;
  for (int s = 2; s < kCellServiceCount; ++s) {
    reasons.push_back({QString::fromUtf8(cellServiceText(static_cast<CellService>(s))),
                       QString::number(plan.unservedCells[s]), cubicMetres(plan.unservedVolume[s])});
    cells += plan.unservedCells[s];
  }
  reasons.push_back({QStringLiteral("Total"), QString::number(cells), cubicMetres(unserved)});
  flow.table({130, 150, 174}, {QStringLiteral("Reason"), QStringLiteral("Cells"), QStringLiteral("m\u00b3")}, reasons);

  for (const std::string& note : plan.notes) flow.note(QString::fromStdString("Note: " + note));
}

}  // namespace skyrig::sheets
