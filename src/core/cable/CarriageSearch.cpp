#include "cable/CarriageSearch.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <limits>

#include "document/CableSystemParams.h"

namespace skyrig {

namespace {

constexpr float kNotFound = 1.0e8f;

// Upper bound of the rounding error of PointSkyline::length for carriage heights up to
// |yMax|, in m: a few units in the last place of the largest magnitude involved per operation.
double lengthErrorBound(const PointSkyline& s, double yMax, double referenceLength) {
  double chordSum = 0.0;
  for (int i = 1; i <= s.chordCount; ++i) chordSum += std::fabs(s.chords[i]);
  const double z = std::fabs(s.groundZ);
  const double lengths = std::fabs(s.spanALength) + std::fabs(s.spanBLength) +
                         std::fabs(static_cast<double>(s.leftTop) - s.groundZ) +
                         std::fabs(static_cast<double>(s.rightTop) - s.groundZ) + 2 * yMax +
                         chordSum;
  const double scale = std::max({lengths, z + yMax, std::fabs(referenceLength)});
  return (32.0 + 4.0 * s.chordCount) * scale * std::ldexp(1.0, -24);
}

struct WindowResult {
  int index = -1;  // -1: no difference below the scans' starting value
  float difference = std::numeric_limits<float>::infinity();
  bool finite = true;  // false: a length was not finite (the caller then scans)
};

// Keeps the smallest |length - L0|, the lower index on a tie.
void keepBetter(WindowResult& result, int index, float difference) {
  if (difference < result.difference || (difference == result.difference && index < result.index)) {
    result.difference = difference;
    result.index = index;
  }
}

// Among `count` candidates ordered so that the skyline length falls, the first index whose
// |length - L0| is smallest (ties to the lower index).
template <typename LengthAt, typename IndexAt>
WindowResult windowSearch(int count, const LengthAt& lengthAt, const IndexAt& indexAt,
                          float referenceLength, double errorBound) {
  WindowResult result;
  if (count <= 0) return result;
  auto evaluate = [&](int position) {
    const float length = lengthAt(position);
    if (!std::isfinite(length)) result.finite = false;
    return length;
  };

  // Bracket the crossing between the last position a known to be at or above L0 and the first
  // position b known to be below it, by interpolation, with bisection whenever an
  // interpolation step fails to halve the bracket.
  int a = -1;
  int b = count;
  float lengthA = 0.0f;
  float lengthB = 0.0f;
  const float first = evaluate(0);
  if (!result.finite) return result;
  if (first < referenceLength) {
    b = 0;
    lengthB = first;
  } else {
    a = 0;
    lengthA = first;
    if (count > 1) {
      const float last = evaluate(count - 1);
      if (!result.finite) return result;
      if (last >= referenceLength) {
        a = count - 1;
        lengthA = last;
      } else {
        b = count - 1;
        lengthB = last;
      }
    }
  }
  bool bisect = false;
  while (a >= 0 && b < count && b - a > 1) {
    int middle = a + (b - a) / 2;
    if (!bisect) {
      const double share = (static_cast<double>(lengthA) - referenceLength) /
                           (static_cast<double>(lengthA) - lengthB);
      middle = std::clamp(a + static_cast<int>(share * (b - a)), a + 1, b - 1);
    }
    const float length = evaluate(middle);
    if (!result.finite) return result;
    const int width = b - a;
    if (length >= referenceLength) {
      a = middle;
      lengthA = length;
    } else {
      b = middle;
      lengthB = length;
    }
    bisect = !bisect && 2 * (b - a) > width;
  }

  // Widen the window from the bracket until the lengths are past the best difference by more
  // than the margin on both sides.
  const double margin = 3.0 * errorBound;
  for (int position = a; position >= 0; --position) {
    const float length = position == a ? lengthA : evaluate(position);
    if (!result.finite) return result;
    keepBetter(result, indexAt(position), std::fabs(length - referenceLength));
    if (static_cast<double>(length) - referenceLength > result.difference + margin) break;
  }
  for (int position = b; position < count; ++position) {
    const float length = position == b ? lengthB : evaluate(position);
    if (!result.finite) return result;
    keepBetter(result, indexAt(position), std::fabs(length - referenceLength));
    if (static_cast<double>(referenceLength) - length > result.difference + margin) break;
  }
  return result;
}

// Candidates 0..count-1 in increasing carriage height: those up to the height where the
// carriage meets the line between the support tops (the skyline's shortest position) have a
// falling length, those above it a rising one. Searches both parts and keeps the better.
template <typename HeightAt, typename IndexAt>
WindowResult searchBothSides(const PointSkyline& skyline, int count, const HeightAt& heightAt,
                             const IndexAt& indexAt, float referenceLength) {
  WindowResult result;
  const double spans = static_cast<double>(skyline.spanALength) + skyline.spanBLength;
  if (!(spans > 0.0) || !std::isfinite(referenceLength)) {
    result.finite = false;
    return result;
  }
  const double shortest =
      skyline.leftTop +
      (static_cast<double>(skyline.rightTop) - skyline.leftTop) * skyline.spanALength / spans -
      skyline.groundZ;
  int split = 0;  // candidates at or below the shortest position
  int hi = count;
  while (split < hi) {
    const int mid = split + (hi - split) / 2;
    if (heightAt(mid) <= shortest)
      split = mid + 1;
    else
      hi = mid;
  }
  const double yMax = count > 0 ? std::max(std::fabs(static_cast<double>(heightAt(0))),
                                           std::fabs(static_cast<double>(heightAt(count - 1))))
                                : 0.0;
  const double bound = lengthErrorBound(skyline, yMax, referenceLength);
  auto lengthAt = [&](int position) { return skyline.length(heightAt(position)); };
  const WindowResult falling = windowSearch(split, lengthAt, indexAt, referenceLength, bound);
  const int rising = count - split;
  const WindowResult risen = windowSearch(
      rising, [&](int position) { return lengthAt(count - 1 - position); },
      [&](int position) { return indexAt(count - 1 - position); }, referenceLength, bound);
  if (!falling.finite || !risen.finite) {
    result.finite = false;
    return result;
  }
  result = falling;
  if (risen.index >= 0) keepBetter(result, risen.index, risen.difference);
  if (!(result.difference < kNotFound)) result.index = -1;
  return result;
}

std::uint32_t bitsOf(float value) { return std::bit_cast<std::uint32_t>(value); }

}  // namespace

float carriageHeightScan(const PointSkyline& skyline, float chordHeight, float referenceLength) {
  float best = kNotFound;
  float chosen = 0.0f;
  for (float y = 0.0f; y <= chordHeight; y += 0.1f) {
    const float difference = skyline.length(y) - referenceLength;
    if (std::fabs(difference) < std::fabs(best)) {
      best = difference;
      chosen = y;
    }
  }
  return chosen;
}

float carriageHeightSearch(const PointSkyline& skyline, float chordHeight, float referenceLength) {
  if (!(chordHeight >= 0.0f)) return 0.0f;
  if (!(chordHeight < carriageHeightAt(kCarriageHeightCount - 1)) ||
      !std::isfinite(referenceLength))
    return carriageHeightScan(skyline, chordHeight, referenceLength);
  // Heights visited: those <= chordHeight (the table grows by about 0.1 m per entry).
  const float* heights = carriageHeightTable();
  int last = std::min(static_cast<int>(chordHeight * 10.0f), kCarriageHeightCount - 2);
  while (last > 0 && heights[last] > chordHeight) --last;
  while (heights[last + 1] <= chordHeight) ++last;
  const int count = last + 1;
  const WindowResult found = searchBothSides(
      skyline, count, [heights](int i) { return heights[i]; }, [](int i) { return i; },
      referenceLength);
  if (!found.finite) return carriageHeightScan(skyline, chordHeight, referenceLength);
  return found.index < 0 ? 0.0f : heights[found.index];
}

float logAngleScan(const CableSystemParams& params, const PointSkyline& skyline, float alpha,
                   float chordHeight, float referenceLength) {
  float best = kNotFound;
  float chosen = 0.0f;
  const float limit = 1.570796f - alpha;
  const float step = 0.5f * 3.141592f / 180.0f;
  for (float theta = 0.0f; theta <= limit; theta += step) {
    float beta = 0.0f;
    const float y = suspensionHeight(params, alpha, theta, beta);
    const float difference = skyline.length(y) - referenceLength;
    if (std::fabs(difference) < std::fabs(best) && y < chordHeight) {
      best = difference;
      chosen = theta;
    }
  }
  return chosen;
}

float logAngleSearch(const SuspensionTable& table, const PointSkyline& skyline, float chordHeight,
                     float referenceLength) {
  // Candidates: the finite heights below the chord height, in increasing height.
  int lo = 0;
  int hi = table.finiteCount;
  while (lo < hi) {
    const int mid = lo + (hi - lo) / 2;
    if (table.height[table.order[mid]] < chordHeight)
      lo = mid + 1;
    else
      hi = mid;
  }
  const int count = lo;
  if (count == 0) return 0.0f;
  const WindowResult found = searchBothSides(
      skyline, count, [&](int i) { return table.height[table.order[i]]; },
      [&](int i) { return static_cast<int>(table.order[i]); }, referenceLength);
  if (!found.finite) {
    float best = kNotFound;
    float chosen = 0.0f;
    for (int i = 0; i < table.angleCount; ++i) {
      const float y = table.height[i];
      const float difference = skyline.length(y) - referenceLength;
      if (std::fabs(difference) < std::fabs(best) && y < chordHeight) {
        best = difference;
        chosen = logAngleAt(i);
      }
    }
    return chosen;
  }
  return found.index < 0 ? 0.0f : logAngleAt(found.index);
}

const SuspensionTable& suspensionTable(CableWorkArea& work, const CableSystemParams& p, int k) {
  SuspensionTable& table = work.suspension[k];
  const ProfilePoint& here = work.profile[k];
  const ProfilePoint& next = work.profile[k + 1];
  const std::array<std::uint32_t, 9> key = {static_cast<std::uint32_t>(here.z),
                                            static_cast<std::uint32_t>(next.z),
                                            bitsOf(here.horDist),
                                            bitsOf(next.horDist),
                                            bitsOf(p.frictionCoefficient),
                                            bitsOf(p.logLength),
                                            bitsOf(p.effectiveChokerLength),
                                            bitsOf(p.carriageDepth),
                                            bitsOf(p.logToGroundAngle)};
  if (table.filled && table.key == key) return table;

  table.key = key;
  table.filled = true;
  const float alpha = groundAngle(work, k);
  table.groundAngle = alpha;
  float beta = 0.0f;
  table.heightAtLogToGroundAngle = suspensionHeight(p, alpha, p.logToGroundAngle, beta);
  const float limit = 1.570796f - alpha;
  int count = 0;
  while (count < kLogAngleCount && logAngleAt(count) <= limit) {
    table.height[count] = suspensionHeight(p, alpha, logAngleAt(count), beta);
    ++count;
  }
  table.angleCount = count;
  int finite = 0;
  for (int i = 0; i < count; ++i)
    if (std::isfinite(table.height[i])) table.order[finite++] = static_cast<std::uint16_t>(i);
  std::sort(
      table.order.begin(), table.order.begin() + finite, [&](std::uint16_t a, std::uint16_t b) {
        return table.height[a] < table.height[b] || (table.height[a] == table.height[b] && a < b);
      });
  table.finiteCount = finite;
  return table;
}

}  // namespace skyrig
