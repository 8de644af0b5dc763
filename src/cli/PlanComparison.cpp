#include "PlanComparison.h"

#include <cstdio>
#include <sstream>

namespace skyrig::cli {

namespace {

std::string row(const char* label, const std::string& specified, const std::string& improved) {
  char line[160];
  std::snprintf(line, sizeof line, "  %-30s %16s %16s\n", label, specified.c_str(),
                improved.c_str());
  return line;
}

std::string number(double value, int decimals) {
  char text[64];
  std::snprintf(text, sizeof text, "%.*f", decimals, value);
  return text;
}

std::string gap(const PlanImprovement& plan, double total) {
  if (!plan.bound || total <= 0) return "-";
  return number(100.0 * (total - *plan.bound) / total, 3) + " %";
}

}  // namespace

std::string formatPlanComparison(const PlanImprovement& plan, double specifiedSeconds) {
  const PlanOutline& a = plan.specified;
  const PlanOutline& b = plan.improved;
  std::ostringstream out;
  out << "\nSpecified and improved plan\n===========================\n";
  out << row("", "specified", "improved");
  out << row("Landings used", std::to_string(a.landingVolumes.size()),
             std::to_string(b.landingVolumes.size()));
  out << row("Cable roads used", std::to_string(a.cableRoads), std::to_string(b.cableRoads));
  out << row("Volume served (m3)", number(a.volumeServed, 1), number(b.volumeServed, 1));
  out << row("New road length (m)", number(a.roadLength, 1), number(b.roadLength, 1));
  out << row("Cable cost ($)", number(a.costs.cable(), 2), number(b.costs.cable(), 2));
  out << row("Road cost ($)", number(a.costs.road(), 2), number(b.costs.road(), 2));
  out << row("Total cost ($)", number(a.costs.total(), 2), number(b.costs.total(), 2));
  out << row("Cost per m3 ($/m3)",
             a.volumeServed > 0 ? number(a.costs.total() / a.volumeServed, 2) : "-",
             b.volumeServed > 0 ? number(b.costs.total() / b.volumeServed, 2) : "-");
  const std::string bound = plan.bound ? number(*plan.bound, 2) : "-";
  out << row("Lower bound, any plan ($)", bound, bound);
  out << row("Gap to the bound", gap(plan, a.costs.total()), gap(plan, b.costs.total()));
  out << row("Time (s)", number(specifiedSeconds, 1), number(plan.seconds, 1));
  out << "  Improvement: " << plan.iterations << " iterations, best "
      << (plan.bestIteration == 0 ? std::string("the start (separate run's cable plan)")
                                  : "iteration " + std::to_string(plan.bestIteration))
      << (plan.cancelled ? "; cancelled, best plan found kept" : "") << "\n";
  out << "  Lower bound: " << (plan.bound ? plan.boundMethod : "none proven: " + plan.boundMethod)
      << "\n";
  return out.str();
}

}  // namespace skyrig::cli
