#include "ProgressWording.h"

#include <QLocale>
#include <QRegularExpression>
#include <algorithm>
#include <cmath>

namespace skyrig::gui {

namespace {

QString dollars(const QString& number) {
  bool ok = false;
  const double value = number.toDouble(&ok);
  if (!ok) return number;
  return QStringLiteral("$") + QLocale(QLocale::English).toString(std::round(value), 'f', 0);
}

}  // namespace

ProgressLine wordProgress(std::string_view line) {
  ProgressLine out;
  out.text = QString::fromUtf8(line.data(), static_cast<qsizetype>(line.size()));

  // Counts, outermost first: "iteration 2 of at most 10, ... iteration 17 of at most 200" or
  // "3 of 12 landings". Each inner count splits one step of the count around it.
  static const QRegularExpression count(QStringLiteral("(\\d+) of (?:at most )?(\\d+)"));
  double done = 0, span = 1;
  bool counted = false;
  for (auto it = count.globalMatch(out.text); it.hasNext();) {
    const auto match = it.next();
    const double n = match.captured(1).toDouble();
    const double of = match.captured(2).toDouble();
    if (of <= 0) continue;
    // An outer "iteration N" is under way, so N - 1 of its steps are done; a plain count ("3
    // of 12 landings") says how many are done.
    const bool underWay = match.capturedStart() >= 10 &&
                          out.text.mid(match.capturedStart() - 10, 10).contains(QStringLiteral("iteration"));
    const double steps = std::clamp(underWay ? n - 1 : n, 0.0, of);
    done += span * steps / of;
    span /= of;
    counted = true;
  }
  if (counted) {
    out.percent = std::clamp(static_cast<int>(std::floor(done * 100)), 0, 100);
    out.text += QStringLiteral(" (%1 %)").arg(out.percent);
  }

  // Totals in dollars: "best total so far 123456.78" -> "$123,457".
  static const QRegularExpression total(QStringLiteral("(total(?: so far)?) (-?\\d+\\.\\d+)"));
  QString worded;
  qsizetype from = 0;
  for (auto it = total.globalMatch(out.text); it.hasNext();) {
    const auto match = it.next();
    worded += out.text.mid(from, match.capturedStart() - from) + match.captured(1) +
              QStringLiteral(" ") + dollars(match.captured(2));
    from = match.capturedEnd();
  }
  out.text = worded + out.text.mid(from);
  return out;
}

}  // namespace skyrig::gui
