#include "cable/ProfileCheckReport.h"

#include <cstdio>

namespace skyrig {

namespace {

template <typename... Args>
void appendFormatted(std::string& out, const char* format, Args... args) {
  char line[256];
  std::snprintf(line, sizeof line, format, args...);
  out += line;
}

}  // namespace

std::string maxPayloadText(float minPayload) {
  const int wholeKilograms = static_cast<int>(minPayload);
  std::string text;
  appendFormatted(text, "MaxPayload: %5d kg", wholeKilograms / 100 * 100);
  return text;
}

std::string profileReportText(const ProfileReportHeading& heading, const ProfileReportPoint* points,
                              int count, float minPayload) {
  std::string out;
  appendFormatted(out, "Landing:\t%d\n", heading.landing);
  appendFormatted(out, "Cableroad:\t%d\n", heading.road);
  appendFormatted(out, "System:\t%d\n", heading.system);
  appendFormatted(out, "Tailspar height:\t%d\n", static_cast<int>(heading.tailSparHeight));
  out += "No\t\tElev.\t\tHorDist\t\tPayload\t\tINT\n";
  for (int k = 1; k <= count; ++k) {
    const ProfileReportPoint& p = points[k];
    appendFormatted(out,
                    p.support ? "%d\t\t%d\t\t%f\t\t%f\t\t\tINT\n" : "%d\t\t%d\t\t%f\t\t%f\t\t\n", k,
                    p.z, static_cast<double>(p.horDist), static_cast<double>(p.payload));
  }
  appendFormatted(out, "MinPayload:\t%f\n", static_cast<double>(minPayload));
  return out;
}

}  // namespace skyrig
