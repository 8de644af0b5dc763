// The profile check picture: ground line, axes and labels, tower, tail spar and support bars,
// the unloaded skyline, and the loads, payloads and cycle times of an analysis. Drawn in the
// profile canvas's logical units (y up), one scale for both axes.
#pragma once

#include <array>
#include <string>

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
// The payload of point k ("%6d") below the point.
void drawPayloadLabel(const ProfileCheckData& data, int k, float payload, Canvas& canvas);
// "MaxPayload: ..." and the three cycle time lines at the top of the picture.
void drawPayloadTexts(const std::string& maxPayload, const std::array<std::string, 3>& cycleLines,
                      Canvas& canvas);

}  // namespace skyrig
