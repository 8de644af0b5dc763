// The texts of the profile check: the road's payload line and the profile report file.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace skyrig {

// "MaxPayload: %5d kg" with the payload truncated to whole kg, then down to a multiple of 100.
std::string maxPayloadText(float minPayload);

// One line of the profile report per analysed point.
struct ProfileReportPoint {
  std::int32_t z = 0;
  float horDist = 0.0f;
  float payload = 0.0f;
  bool support = false;
};

struct ProfileReportHeading {
  std::int32_t landing = 0;
  std::int32_t road = 0;
  std::int32_t system = 0;
  float tailSparHeight = 0.0f;  // m, written truncated to whole metres
};

// The report text: heading, column header, points 1..count, "MinPayload:".
std::string profileReportText(const ProfileReportHeading& heading, const ProfileReportPoint* points,
                              int count, float minPayload);

// The fixed path of the profile report.
inline constexpr const char* kProfileReportPath = "e:\\thesis\\output\\cableroadprofile.txt";

}  // namespace skyrig
