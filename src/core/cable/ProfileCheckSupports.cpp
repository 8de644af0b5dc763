#include "cable/ProfileCheckSupports.h"

#include <cmath>

#include "app/Ui.h"

namespace skyrig {

namespace {

// All working quantities are 32-bit floats; elevation differences are formed in int first.
struct SupportGeometry {
  const ProfileCheckData& data;
  int n;                  // tail point
  float tail;             // tail spar height, m
  float towerCorrection;  // eL: tower height above an intermediate support, m
  float tailCorrection;   // eR: intermediate support height above the tail spar, m

  int z(int k) const { return data.profile[k].z; }
  float d(int k) const { return data.profile[k].horDist; }

  int previousSupport(int k) const {
    for (int j = k - 1; j >= 1; --j)
      if (data.supportMarks[j]) return j;
    return 1;
  }
  int nextSupport(int k) const {
    for (int j = k + 1; j < n; ++j)
      if (data.supportMarks[j]) return j;
    return n;
  }
  // Slopes of the skyline tops into and out of support k, corrected at the tower and tail.
  float slopeIn(int k, int left) const {
    return (static_cast<float>(z(k) - z(left)) - (left == 1 ? towerCorrection : 0.0f)) /
           (d(k) - d(left));
  }
  float slopeOut(int k, int right) const {
    return (static_cast<float>(z(right) - z(k)) - (right == n ? tailCorrection : 0.0f)) /
           (d(right) - d(k));
  }
};

void markConvexBreaks(ProfileCheckData& data, const SupportGeometry& g) {
  // The tail correction of this step uses the minimum spar tree height.
  const float convexTailCorrection = data.params.intSupportHeight - data.params.minSparTreeHeight;
  for (int k = 2; k <= g.n - 1; ++k) {
    const float e = k == 2 ? g.towerCorrection : (k == g.n - 1 ? convexTailCorrection : 0.0f);
    const float across =
        (static_cast<float>(g.z(k + 1) - g.z(k - 1)) - e) / (g.d(k + 1) - g.d(k - 1));
    const float into = (static_cast<float>(g.z(k) - g.z(k - 1)) - e) / (g.d(k) - g.d(k - 1));
    if (across < into) {
      data.supportMarks[k] = 1;
      ++data.supportCount;
    }
  }
}

void thinSupports(ProfileCheckData& data, const SupportGeometry& g) {
  bool removed = true;
  while (removed) {
    removed = false;
    for (int k = 2; k <= g.n - 1; ++k) {
      if (!data.supportMarks[k]) continue;
      if (g.slopeIn(k, g.previousSupport(k)) <= g.slopeOut(k, g.nextSupport(k))) {
        data.supportMarks[k] = 0;
        --data.supportCount;
        removed = true;
      }
    }
  }
}

void dropSupportsTheSagClears(ProfileCheckData& data, const SupportGeometry& g) {
  const CableSystemParams& p = data.params;
  for (int k = 2; k <= g.n - 1; ++k) {
    if (!data.supportMarks[k]) continue;
    const int left = g.previousSupport(k);
    const int right = g.nextSupport(k);
    const float topLeft =
        static_cast<float>(g.z(left)) + (left == 1 ? p.towerHeight : p.intSupportHeight);
    const float topRight =
        static_cast<float>(g.z(right)) + (right == g.n ? g.tail : p.intSupportHeight);
    const float span = g.d(right) - g.d(left);
    const float x = g.d(k) - g.d(left);
    const float gap = (topRight - topLeft) / span * x + topLeft -
                      (static_cast<float>(g.z(k)) + p.groundClearance);
    const float sag = x < span / 2.0f ? p.allowableDeflection * x / (span / 2.0f)
                                      : p.allowableDeflection * (span - x) / (span / 2.0f);
    if (gap > 0.0f && sag * span <= gap) data.supportMarks[k] = 0;
  }
}

// Shows the message once for every support whose chord break is too steep; true if any.
bool reportSteepBreaks(const ProfileCheckData& data, const SupportGeometry& g, Ui& ui) {
  const float limit = std::atan(data.params.maxSlopeChange / 100.0f);
  bool steep = false;
  for (int k = 2; k <= g.n - 1; ++k) {
    if (!data.supportMarks[k]) continue;
    const float in = g.slopeIn(k, g.previousSupport(k));
    const float out = g.slopeOut(k, g.nextSupport(k));
    if (std::fabs(std::atan(out) - std::atan(in)) > limit) {
      ui.message("Too steep break in chord slope!", MessageIcon::Stop);
      steep = true;
    }
  }
  return steep;
}

void reduceSupports(ProfileCheckData& data, const SupportGeometry& g, Ui& ui,
                    const DialogPayloadAnalysis& analyse) {
  float bestPayload = 0.0f;
  while (data.params.maxIntSupports < data.supportCount) {
    int candidate = -1;
    for (int k = 2; k <= g.n - 1; ++k) {
      if (!data.supportMarks[k]) continue;
      data.supportMarks[k] = 0;
      const float payload = analyse();
      if (payload > bestPayload) {
        bestPayload = payload;
        candidate = k;
      }
      data.supportMarks[k] = 1;
    }
    if (candidate < 2) {
      ui.message("Failed to reduce the number of intermediate supports!", MessageIcon::Stop);
      return;
    }
    data.supportMarks[candidate] = 0;
    --data.supportCount;
  }
}

}  // namespace

void generateDialogSupports(ProfileCheckData& data, Ui& ui, const DialogPayloadAnalysis& analyse) {
  const int n = data.tailPoint;
  data.supportMarks.fill(0);
  data.supportCount = 0;
  if (n < 1 || n > kMaxProfilePoints) return;
  const CableSystemParams& p = data.params;
  const SupportGeometry g{data, n, data.tailSparHeight, p.towerHeight - p.intSupportHeight,
                          p.intSupportHeight - data.tailSparHeight};

  const float chordSlope = static_cast<float>((g.z(1) - g.z(n)) * 100) / (g.d(1) - g.d(n));  // %
  if (chordSlope > 0.0f)
    ui.message("Downhill yarding!", MessageIcon::Stop);
  else if (p.slopeLimitWithoutHaulback < chordSlope)
    ui.message("Haulbackline is necessary", MessageIcon::Stop);

  markConvexBreaks(data, g);
  data.supportMarks[1] = 1;
  data.supportMarks[n] = 1;
  thinSupports(data, g);
  if (data.supportCount > 0) dropSupportsTheSagClears(data, g);
  recountSupports(data);
  const bool steep = data.supportCount > 0 && reportSteepBreaks(data, g, ui);
  if (data.supportCount > 0 && !steep) reduceSupports(data, g, ui, analyse);
  data.supportMarks[1] = 0;
  data.supportMarks[n] = 0;
  recountSupports(data);
}

}  // namespace skyrig
