#include "cable/ProfileCheckPicture.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "seams/Canvas.h"

namespace skyrig {

namespace {

constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kBlue{0, 0, 255};
constexpr Rgb kRed{255, 0, 0};
constexpr Rgb kGreen{0, 255, 0};

// Plot area inside the picture (logical units, y up): room for the texts above and the
// distance axis below, the elevation labels on the left.
constexpr int kPlotLeft = 80;
constexpr int kPlotRight = kProfilePictureWidth - 30;
constexpr int kPlotTop = -90;
constexpr int kPlotBottom = -(kProfilePictureHeight - 60);
constexpr int kAxisGap = 12;  // distance axis below the lowest ground
constexpr int kTickLength = 5;
constexpr int kLabelHeight = 14;
constexpr int kPayloadLabelHeight = 10;
constexpr float kPayloadLabelDrop = 15.0f;  // elevation units below the point
// "%6d" at height 10 spans about six digit widths; labels keep a small gap between them.
constexpr int kPayloadLabelWidth = 36;
constexpr int kPayloadLabelGap = 2;
constexpr int kPayloadLabelLines = 4;
constexpr int kBarWidth = 3;
constexpr int kLineWidth = 1;

int roundToUnit(float v) { return static_cast<int>(std::floor(v + 0.5f)); }

std::string intText(int value) {
  char text[32];
  std::snprintf(text, sizeof text, "%d", value);
  return text;
}

float barHeightAt(const ProfileCheckData& data, int k) {
  if (k == 1) return data.params.towerHeight;
  if (k == data.tailPoint()) return data.tailSparHeight;
  return data.params.intSupportHeight;
}

bool hasBar(const ProfileCheckData& data, int k) {
  return k == 1 || k == data.tailPoint() || (k > 1 && k < data.tailPoint() && data.work.supportMarks[k]);
}

void drawBar(const ProfileCheckData& data, const ProfilePictureLayout& layout, int k, Rgb colour,
             Canvas& canvas) {
  const ProfilePoint& p = data.work.profile[k];
  const int x = layout.x(p.horDist);
  canvas.line(x, layout.y(static_cast<float>(p.z)), x,
              layout.y(static_cast<float>(p.z) + barHeightAt(data, k)), kBarWidth, colour,
              PenStyle::Solid);
}

}  // namespace

ProfilePictureLayout::ProfilePictureLayout(const ProfileCheckData& data) {
  const int count = std::clamp(data.work.sampledCount, 0, kMaxProfileCount);
  if (count < 1) return;
  float maxDist = data.work.profile[1].horDist;
  minDist_ = maxDist;
  float minZ = static_cast<float>(data.work.profile[1].z);
  float maxZ = minZ;
  for (int k = 1; k <= count; ++k) {
    minDist_ = std::min(minDist_, data.work.profile[k].horDist);
    maxDist = std::max(maxDist, data.work.profile[k].horDist);
    minZ = std::min(minZ, static_cast<float>(data.work.profile[k].z));
    maxZ = std::max(maxZ, static_cast<float>(data.work.profile[k].z));
  }
  // Room above the highest ground for the tallest bar.
  const float headroom =
      std::max({data.params.towerHeight, data.params.intSupportHeight, data.tailSparHeight, 0.0f});
  minElevation_ = minZ;
  const float distRange = maxDist - minDist_;
  const float elevationRange = maxZ + headroom - minZ;
  const float byDist = distRange > 0 ? (kPlotRight - kPlotLeft) / distRange : 0.0f;
  const float byElevation = elevationRange > 0 ? (kPlotTop - kPlotBottom) / elevationRange : 0.0f;
  if (byDist > 0 && byElevation > 0)
    scale_ = std::min(byDist, byElevation);
  else if (byDist > 0 || byElevation > 0)
    scale_ = std::max(byDist, byElevation);
}

int ProfilePictureLayout::x(float horDist) const {
  return kPlotLeft + roundToUnit((horDist - minDist_) * scale_);
}

int ProfilePictureLayout::y(float elevation) const {
  return kPlotBottom + roundToUnit((elevation - minElevation_) * scale_);
}

int nearestPointAt(const ProfileCheckData& data, const ProfilePictureLayout& layout, int pictureX,
                   int first, int last) {
  int nearest = -1;
  int best = 0;
  for (int k = first; k <= last; ++k) {
    const int distance = std::abs(layout.pointX(data, k) - pictureX);
    if (nearest < 0 || distance < best) {
      nearest = k;
      best = distance;
    }
  }
  return nearest;
}

void drawProfilePicture(const ProfileCheckData& data, int selectedPoint, Canvas& canvas) {
  canvas.clear();
  const int count = std::clamp(data.work.sampledCount, 0, kMaxProfileCount);
  if (count < 1) return;
  const ProfilePictureLayout layout(data);
  auto at = [&](int k) {
    return std::array<int, 2>{layout.pointX(data, k),
                              layout.y(static_cast<float>(data.work.profile[k].z))};
  };

  // Ground line: each segment in two halves, a half ending at a stream buffer point in blue.
  for (int k = 1; k < count; ++k) {
    const auto a = at(k);
    const auto b = at(k + 1);
    const int midX = (a[0] + b[0]) / 2;
    const int midY = (a[1] + b[1]) / 2;
    canvas.line(a[0], a[1], midX, midY, kLineWidth, data.work.profile[k].streamBuffer ? kBlue : kBlack,
                PenStyle::Solid);
    canvas.line(midX, midY, b[0], b[1], kLineWidth,
                data.work.profile[k + 1].streamBuffer ? kBlue : kBlack, PenStyle::Solid);
  }

  // Distance axis with a tick at every point, "0" at the landing and the far distance.
  int lowest = at(1)[1];
  for (int k = 1; k <= count; ++k) lowest = std::min(lowest, at(k)[1]);
  const int axisY = lowest - kAxisGap;
  canvas.line(at(1)[0], axisY, at(count)[0], axisY, kLineWidth, kBlack, PenStyle::Solid);
  for (int k = 1; k <= count; ++k)
    canvas.line(at(k)[0], axisY, at(k)[0], axisY - kTickLength, kLineWidth, kBlack,
                PenStyle::Solid);
  canvas.text(at(1)[0] - 4, axisY - kTickLength - 2, "0", kLabelHeight, kBlack);
  canvas.text(at(count)[0] - 12, axisY - kTickLength - 2,
              intText(static_cast<int>(data.work.profile[count].horDist)), kLabelHeight, kBlack);

  // Elevation axis with the landing's and the last point's elevation.
  const int axisX = kPlotLeft - 10;
  canvas.line(axisX, axisY, axisX, kPlotTop, kLineWidth, kBlack, PenStyle::Solid);
  canvas.text(10, at(1)[1] + kLabelHeight / 2, intText(data.work.profile[1].z), kLabelHeight, kBlack);
  canvas.text(10, at(count)[1] + kLabelHeight / 2, intText(data.work.profile[count].z), kLabelHeight,
              kBlack);

  // Tower, supports and tail spar, and the unloaded skyline over their tops.
  const int tail = std::clamp(data.tailPoint(), 1, count);
  int lastTopX = 0;
  int lastTopY = 0;
  for (int k = 1; k <= tail; ++k) {
    if (!hasBar(data, k)) continue;
    drawBar(data, layout, k, kBlack, canvas);
    const int topX = at(k)[0];
    const int topY = layout.y(static_cast<float>(data.work.profile[k].z) + barHeightAt(data, k));
    if (k > 1) canvas.line(lastTopX, lastTopY, topX, topY, kLineWidth, kBlack, PenStyle::Solid);
    lastTopX = topX;
    lastTopY = topY;
  }
  if (selectedPoint >= 1 && selectedPoint <= tail && hasBar(data, selectedPoint))
    drawBar(data, layout, selectedPoint, kBlue, canvas);
}

void drawLoad(const ProfileCheckData& data, int k, const CarriageState& carriage, Canvas& canvas) {
  if (k < 1 || k > kMaxProfileCount) return;
  const ProfilePictureLayout layout(data);
  const ProfilePoint& p = data.work.profile[k];
  const float chokerLength = data.params.effectiveChokerLength;
  const float logLength = data.params.logLength;
  // Carriage, choker end and log end in metres (distance, elevation).
  const float carriageD = p.horDist;
  const float carriageZ = static_cast<float>(p.z) + carriage.height;
  float chokerD = carriageD;
  float chokerZ = carriageZ - chokerLength;
  float logD = chokerD;
  float logZ = chokerZ - logLength;
  if (carriage.partialSuspension) {
    // The choker leans away from the landing at the load line angle; the log trails on to
    // the ground, steeper than the ground by its log angle.
    chokerD = carriageD + chokerLength * std::cos(carriage.loadAngle);
    chokerZ = carriageZ - chokerLength * std::sin(carriage.loadAngle);
    const float logSlope = carriage.groundAngle + carriage.logAngle;
    logD = chokerD + logLength * std::cos(logSlope);
    logZ = chokerZ - logLength * std::sin(logSlope);
  }
  canvas.line(layout.x(carriageD), layout.y(carriageZ), layout.x(chokerD), layout.y(chokerZ),
              kLineWidth, kGreen, PenStyle::Solid);
  canvas.line(layout.x(chokerD), layout.y(chokerZ), layout.x(logD), layout.y(logZ), kLineWidth,
              kRed, PenStyle::Solid);
}

PayloadLabelBox payloadLabelBox(const PayloadLabelPlace& place) {
  return {place.x, place.y, place.x + kPayloadLabelWidth, place.y - kPayloadLabelHeight};
}

std::vector<PayloadLabelPlace> placePayloadLabels(const ProfileCheckData& data,
                                                  const std::vector<int>& points) {
  const ProfilePictureLayout layout(data);
  std::vector<PayloadLabelPlace> placed;
  std::vector<PayloadLabelBox> taken;
  const auto overlaps = [](const PayloadLabelBox& a, const PayloadLabelBox& b) {
    return a.left < b.right + kPayloadLabelGap && b.left < a.right + kPayloadLabelGap &&
           a.bottom < b.top && b.bottom < a.top;
  };
  for (const int k : points) {
    if (k < 1 || k > kMaxProfileCount) continue;
    const int x = layout.pointX(data, k) - kPayloadLabelWidth / 2;
    const int below = layout.y(static_cast<float>(data.work.profile[k].z) - kPayloadLabelDrop);
    for (int line = 0; line < kPayloadLabelLines; ++line) {
      const PayloadLabelPlace place{k, x, below - line * (kPayloadLabelHeight + 2)};
      const PayloadLabelBox box = payloadLabelBox(place);
      if (std::any_of(taken.begin(), taken.end(), [&](const PayloadLabelBox& t) { return overlaps(box, t); }))
        continue;
      placed.push_back(place);
      taken.push_back(box);
      break;
    }
  }
  return placed;
}

void drawPayloadLabel(const PayloadLabelPlace& place, float payload, Canvas& canvas) {
  char text[32];
  std::snprintf(text, sizeof text, "%6d", static_cast<int>(payload));
  canvas.text(place.x, place.y, text, kPayloadLabelHeight, kBlack);
}

void drawPayloadTexts(const std::string& maxPayload, const std::array<std::string, 3>& cycleLines,
                      Canvas& canvas) {
  canvas.text(kPlotLeft, -6, maxPayload, kLabelHeight, kBlack);
  for (int i = 0; i < 3; ++i)
    canvas.text(kPlotLeft + 250, -6 - 18 * i, cycleLines[i], kLabelHeight, kBlack);
}

}  // namespace skyrig
