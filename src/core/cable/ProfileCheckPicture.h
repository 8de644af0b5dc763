// The profile check picture: ground line, axes and labels, tower, tail spar and support bars,
// the unloaded skyline, and the loads, payloads and cycle times of an analysis. Drawn in the
// profile canvas's logical units (y up), one scale for both axes.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "cable/ProfileCheckData.h"

namespace skyrig {

class Canvas;

inline constexpr int kProfilePictureWidth = 800;  // logical units
inline constexpr int kProfilePictureHeight = 460;

// Maps horizontal distance and elevation (m) of the profile to picture units.
class ProfilePictureLayout {
 public:
  explicit ProfilePictureLayout(const ProfileCheckData& data);
  int x(float horDist) const;
  int y(float elevation) const;
  int pointX(const ProfileCheckData& data, int k) const { return x(data.work.profile[k].horDist); }

 private:
  float scale_ = 1.0f;  // picture units per metre
  float minDist_ = 0.0f;
  float minElevation_ = 0.0f;
};

// The point among first..last whose drawn x is nearest to pictureX; the lower index wins a tie.
int nearestPointAt(const ProfileCheckData& data, const ProfilePictureLayout& layout, int pictureX,
                   int first, int last);

// Clears the picture and draws the profile, its bars and the unloaded skyline; the bar of the
// selected point (1..tailPoint) in blue.
void drawProfilePicture(const ProfileCheckData& data, int selectedPoint, Canvas& canvas);

// The choker and the log hanging from the carriage where the analysis placed it at point k
// (straight down in full suspension).
void drawLoad(const ProfileCheckData& data, int k, const CarriageState& carriage, Canvas& canvas);
// Where the payload label of a point goes: its text's top-left corner, in picture units.
struct PayloadLabelPlace {
  int point = 0;
  int x = 0;
  int y = 0;
};
// Rectangle a payload label covers (picture units, y up: top > bottom).
struct PayloadLabelBox {
  int left, top, right, bottom;
};
PayloadLabelBox payloadLabelBox(const PayloadLabelPlace& place);

// Places the payload labels of the points (in the order given) below their points: each on
// the highest of four lines under the point where it overlaps no label placed before; a point
// whose four lines are all taken gets no label (its payload is in the report file).
std::vector<PayloadLabelPlace> placePayloadLabels(const ProfileCheckData& data,
                                                  const std::vector<int>& points);

// The payload ("%6d") at its place.
void drawPayloadLabel(const PayloadLabelPlace& place, float payload, Canvas& canvas);
// "MaxPayload: ..." and the three cycle time lines at the top of the picture.
void drawPayloadTexts(const std::string& maxPayload, const std::array<std::string, 3>& cycleLines,
                      Canvas& canvas);

}  // namespace skyrig
