#include "cable/PayloadAnalysis.h"

#include <cmath>

#include "cable/CarriageSearch.h"
#include "cable/CycleTime.h"
#include "cable/SkylineGeometry.h"
#include "cable/SpanSolvers.h"
#include "document/CSkyrigDoc.h"
#include "document/CableSystemParams.h"

namespace skyrig {

namespace {

constexpr float kFullSuspensionAngle = 90.0f * 3.141592f / 180.0f;  // rad
constexpr float kOneDegree = 0.0174533f;                            // rad
constexpr int kMaxTensionReductions = 100000;  // safety bound; real cases converge in tens

// Supports around every point of one analysis: the last mark before k (1 = the tower), the
// first mark after k below n (n = the tail) and the span that holds k.
struct SupportLayout {
  std::array<int, kProfilePointSlots> left{};
  std::array<int, kProfilePointSlots> right{};
  std::array<int, kProfilePointSlots> span{};
};

void layOutSupports(const CableWorkArea& work, int n, SupportLayout& layout) {
  int left = 1;
  int span = 1;
  for (int k = 2; k <= n - 1; ++k) {
    layout.left[k] = left;
    layout.span[k] = span;
    if (work.supportMarks[k]) {
      left = k;
      ++span;
    }
  }
  int right = n;
  for (int k = n - 1; k >= 2; --k) {
    layout.right[k] = right;
    if (work.supportMarks[k]) right = k;
  }
}

// The analysis of one road: its parameters, profile and supports.
class RoadAnalysis {
 public:
  RoadAnalysis(const CableSystemParams& p, CableWorkArea& work, float tail)
      : p_(p), work_(work), profile_(work.profile), n_(work.analysedCount), tail_(tail) {
    layOutSupports(work, n_, layout_);
  }

  void run(float* payloads, CarriageObserver* observer);

 private:
  float z(int k) const { return static_cast<float>(profile_[k].z); }
  float d(int k) const { return profile_[k].horDist; }
  bool isSupport(int k) const { return work_.supportMarks[k] != 0; }
  float towerTop() const { return z(1) + p_.towerHeight; }
  float tailTop() const { return z(n_) + tail_; }
  float leftTop(int k) const {
    const int l = layout_.left[k];
    return l == 1 ? towerTop() : z(l) + p_.intSupportHeight;
  }
  float rightTop(int k) const {
    const int r = layout_.right[k];
    return r == n_ ? tailTop() : z(r) + p_.intSupportHeight;
  }

  void computeChords();
  void computeReferenceLength();
  PointSkyline skylineAt(int k) const;
  float chordHeight(int k) const;
  float payloadAt(int k);
  void placeCarriage(int k, float chordHeightAtK);
  void mainlineSpan(int k, float attachment);
  void haulbackSpan(int k, float attachment);
  bool solveForces(int k, double& holdingVertical);

  const CableSystemParams& p_;
  CableWorkArea& work_;
  const std::array<ProfilePoint, kProfilePointSlots>& profile_;
  const int n_;
  const float tail_;
  SupportLayout layout_;
};

void RoadAnalysis::computeChords() {
  work_.chordCount = 0;
  float previousTop = towerTop();
  float previousDistance = d(1);
  auto addChord = [&](float top, float distance) {
    const float run = distance - previousDistance;
    const float rise = top - previousTop;
    work_.chords[++work_.chordCount] = std::sqrt(run * run + rise * rise);
    previousTop = top;
    previousDistance = distance;
  };
  for (int k = 2; k <= n_ - 1; ++k)
    if (isSupport(k)) addChord(z(k) + p_.intSupportHeight, d(k));
  addChord(tailTop(), d(n_));
}

PointSkyline RoadAnalysis::skylineAt(int k) const {
  PointSkyline s;
  const int l = layout_.left[k];
  const int r = layout_.right[k];
  s.groundZ = z(k);
  s.spanALength = l == 1 ? d(k) : d(k) - d(l);
  s.leftTop = leftTop(k);
  s.spanBLength = d(r) - d(k);
  s.rightTop = rightTop(k);
  s.chords = work_.chords.data();
  s.chordCount = work_.chordCount;
  s.ownSpan = layout_.span[k];
  return s;
}

// Height of the line between the support tops above point k's ground, m.
float RoadAnalysis::chordHeight(int k) const {
  const int l = layout_.left[k];
  const int r = layout_.right[k];
  const float top = leftTop(k);
  return top + (rightTop(k) - top) * (d(k) - d(l)) / (d(r) - d(l)) - z(k);
}

void RoadAnalysis::computeReferenceLength() {
  const float fullHeight = p_.carriageDepth + p_.logLength + p_.effectiveChokerLength;
  float shortest = 1.0e9f;
  for (int k = 2; k <= n_ - 1; ++k) {
    if (isSupport(k)) continue;
    const PointSkyline skyline = skylineAt(k);
    float height = fullHeight;
    if (!profile_[k].streamBuffer) {
      if (work_.literalSearches) {
        float beta = 0.0f;
        height = suspensionHeight(p_, groundAngle(work_, k), p_.logToGroundAngle, beta);
      } else {
        height = suspensionTable(work_, p_, k).heightAtLogToGroundAngle;
      }
    }
    const float candidate = skyline.length(height);
    if (candidate < shortest) shortest = candidate;
  }
  work_.referenceLength = shortest;
}

// Carriage height, load angle and the spans around the carriage at point k for the fixed
// skyline length.
void RoadAnalysis::placeCarriage(int k, float chordHeightAtK) {
  CarriageState& carriage = work_.carriage;
  const PointSkyline skyline = skylineAt(k);
  const float L0 = work_.referenceLength;
  const float height = work_.literalSearches ? carriageHeightScan(skyline, chordHeightAtK, L0)
                                             : carriageHeightSearch(skyline, chordHeightAtK, L0);
  carriage.partialSuspension = height < p_.carriageDepth + p_.logLength + p_.effectiveChokerLength;
  if (carriage.partialSuspension) {
    const float alpha = groundAngle(work_, k);
    const float theta = work_.literalSearches ? logAngleScan(p_, skyline, alpha, chordHeightAtK, L0)
                                              : logAngleSearch(suspensionTable(work_, p_, k),
                                                               skyline, chordHeightAtK, L0);
    carriage.groundAngle = alpha;
    carriage.logAngle = theta;
    carriage.height = suspensionHeight(p_, alpha, theta, carriage.loadAngle);
  } else {
    carriage.height = height;
    carriage.loadAngle = kFullSuspensionAngle;
    carriage.logAngle = 0.0f;
  }
  skyline.spans(carriage.height, carriage.spanA, carriage.spanB);
  const float attachment = z(k) + carriage.height - p_.carriageDepth / 2.0f;
  mainlineSpan(k, attachment);
  haulbackSpan(k, attachment);
}

// Mainline from the tower to the carriage, or from the last ground point it touches.
void RoadAnalysis::mainlineSpan(int k, float attachment) {
  Span span{d(k), towerTop() - attachment};
  const float slope = span.height / span.length;
  int contact = 0;
  for (int j = 1; j < k; ++j)
    if ((z(j) - attachment) / (d(k) - d(j)) > slope) contact = j;
  if (contact > 0) span = {d(k) - d(contact), z(contact) - attachment};
  work_.carriage.mainline = span;
}

// Haulback from the carriage to the tail, or to the nearest ground point it touches.
void RoadAnalysis::haulbackSpan(int k, float attachment) {
  Span span{d(n_) - d(k), tailTop() - attachment};
  const float slope = span.height / span.length;
  int contact = 0;
  for (int j = n_ - 1; j >= k + 1; --j)
    if ((z(j) - attachment) / (d(j) - d(k)) > slope) contact = j;
  if (contact > 0)
    span = {d(contact) - d(k), attachment - z(contact)};
  else
    span.height = attachment - tailTop();
  work_.carriage.haulback = span;
}

// Skyline spans A and B and the holding line at point k; false where a solver failed.
bool RoadAnalysis::solveForces(int k, double& holdingVertical) {
  CarriageState& c = work_.carriage;
  const double skylineWeight = p_.skylineUnitWeight;
  const float TL = leftTop(k);
  const float TR = rightTop(k);
  CarriageLoad load;
  load.loadAngle = c.loadAngle;
  load.carriageWeight = p_.carriageWeight;
  load.spanAHeight = c.spanA.height;
  load.spanBHeight = c.spanB.height;

  if (TL <= TR) {
    float tension = p_.maxSkylineTension;
    if (layout_.right[k] != n_)
      tension = static_cast<float>(tension - (static_cast<double>(profile_[n_].z) + tail_ - TR) *
                                                 skylineWeight);
    c.forcesB = solveDownFromUpperEnd({c.spanB.length, c.spanB.height, skylineWeight, tension});
    c.forcesA =
        solveContinuing({c.spanA.length, c.spanA.height, skylineWeight, c.forcesB.tensionEnd});
    load.spanA = c.forcesA;
    load.spanB = c.forcesB;
    load.spanAVerticalAtCarriage = c.forcesA.verticalStart;
    load.spanBVerticalAtCarriage = c.forcesB.verticalEnd;
    c.holding =
        balanceHaulback({c.haulback.length, c.haulback.height, p_.haulbackUnitWeight, 0.0}, load);
  } else {
    float tension = p_.maxSkylineTension;
    float mainlineLimit = p_.maxMainlineTension;
    if (layout_.left[k] != 1) {
      tension = static_cast<float>(
          tension - (static_cast<double>(profile_[1].z) + p_.towerHeight - TL) * skylineWeight);
      mainlineLimit -= (z(1) + p_.towerHeight - TL) * p_.mainlineUnitWeight;
    }
    // A negative limit can never be met: the tension would only grow until it stops changing.
    if (mainlineLimit < 0.0f) return false;
    for (int round = 0;; ++round) {
      if (round == kMaxTensionReductions) return false;
      c.forcesA = solveFromLeftUpperEnd({c.spanA.length, c.spanA.height, skylineWeight, tension});
      c.forcesB = solveContinuingRightward(
          {c.spanB.length, c.spanB.height, skylineWeight, c.forcesA.tensionEnd});
      load.spanA = c.forcesA;
      load.spanB = c.forcesB;
      load.spanAVerticalAtCarriage = c.forcesA.verticalEnd;
      load.spanBVerticalAtCarriage = c.forcesB.verticalStart;
      c.holding =
          balanceMainline({c.mainline.length, c.mainline.height, p_.mainlineUnitWeight, 0.0}, load);
      if (!c.forcesA.valid || !c.forcesB.valid || !c.holding.valid) return false;
      if (!(mainlineLimit < c.holding.tensionFar)) break;
      const float reduced = static_cast<float>((1 - (mainlineLimit / c.holding.tensionFar) / 2) *
                                               static_cast<double>(tension));
      if (reduced == tension) return false;  // the reduction no longer changes the tension
      tension = reduced;
    }
  }
  holdingVertical = c.holding.verticalCarriage;
  return c.forcesA.valid && c.forcesB.valid && c.holding.valid;
}

// Payload at non-support point k (kg); 0 where the point is infeasible.
float RoadAnalysis::payloadAt(int k) {
  CarriageState& c = work_.carriage;
  const float TL = leftTop(k);
  const float TR = rightTop(k);
  if (c.partialSuspension && profile_[k].streamBuffer) {
    work_.flags.streamDragging = 1;
    return 0.0f;
  }
  double holding = 0.0;
  if (!solveForces(k, holding)) return 0.0f;

  const float carriageZ = z(k) + c.height;
  const double sigmaLeft = carriageZ <= TL ? 1.0 : -1.0;
  const double sigmaRight = carriageZ <= TR ? 1.0 : -1.0;
  const double VA = TL <= TR ? c.forcesA.verticalStart : c.forcesA.verticalEnd;
  const double VB = TL <= TR ? c.forcesB.verticalEnd : c.forcesB.verticalStart;
  const double vertical =
      sigmaLeft * VA + sigmaRight * VB + holding - static_cast<double>(p_.carriageWeight);
  if (!c.partialSuspension) {
    const float payload = static_cast<float>(vertical);
    return std::isfinite(payload) ? payload : 0.0f;
  }

  // Partial suspension: the log's lower end rests on the ground with reaction N.
  const float mu = p_.frictionCoefficient;
  const float cosAlpha = std::cos(c.groundAngle);
  const float sinAlpha = std::sin(c.groundAngle);
  double reaction = 0.0;
  if (TL <= TR) {
    float raised = mu;
    while (raised * cosAlpha + sinAlpha < 0.0f) {
      const float next = raised + kOneDegree;
      if (next == raised) return 0.0f;  // the raise no longer changes the coefficient
      raised = next;
    }
    const float denominator = raised * cosAlpha + sinAlpha;
    if (denominator == 0.0f) return 0.0f;
    reaction = (-c.forcesA.horizontal + c.forcesB.horizontal + c.holding.horizontal) /
               static_cast<double>(denominator);
  } else {
    const float denominator = mu * cosAlpha + sinAlpha;
    if (denominator == 0.0f) return 0.0f;
    reaction = (c.forcesA.horizontal + c.holding.horizontal - c.forcesB.horizontal) /
               static_cast<double>(denominator);
  }
  const float payload = static_cast<float>(static_cast<double>(cosAlpha) * reaction + vertical -
                                           static_cast<double>(sinAlpha * mu) * reaction);
  if (!std::isfinite(payload) || !std::isfinite(static_cast<float>(reaction))) return 0.0f;
  work_.groundReaction[k] = static_cast<float>(reaction);
  return payload;
}

void RoadAnalysis::run(float* payloads, CarriageObserver* observer) {
  computeChords();
  computeReferenceLength();
  for (int k = 0; k < kProfilePointSlots; ++k) {
    payloads[k] = -1.0f;
    work_.groundReaction[k] = -1.0f;
  }
  for (int k = 2; k <= n_ - 1; ++k) {
    if (isSupport(k) || profile_[k].z < 0) {
      payloads[k] = 0.0f;
      continue;
    }
    placeCarriage(k, chordHeight(k));
    if (observer) observer->carriagePlaced(k, work_);
    payloads[k] = payloadAt(k);
  }
  float minimum = 1.0e8f;
  for (int k = 2; k <= n_ - 1; ++k)
    if (!isSupport(k) && payloads[k] < minimum) minimum = payloads[k];
  work_.minPayload = minimum < 0.0f ? 0.0f : minimum;
}

// Payloads never increase outward from the landing; point 1 holds 9999999.
void smoothPayloads(float* payloads, int n) {
  payloads[1] = 9999999.0f;
  float running = 9999999.0f;
  for (int k = 2; k <= n - 1; ++k) {
    if (payloads[k] <= 0.0f) payloads[k] = payloads[k - 1];
    if (payloads[k] <= running)
      running = payloads[k];
    else
      payloads[k] = running;
  }
}

// A cycle time of exactly 0 takes the nearest positive one (the lower point on a tie), scaled
// by the ratio of the horizontal distances.
void fillCycleTimes(float* cycleTimes, const CableWorkArea& work, int n) {
  for (int k = 2; k <= n - 1; ++k) {
    if (cycleTimes[k] != 0.0f) continue;
    for (int gap = 1; gap < kMaxProfileCount; ++gap) {
      int source = 0;
      if (k - gap >= 1 && cycleTimes[k - gap] > 0.0f)
        source = k - gap;
      else if (k + gap <= kMaxProfileCount && cycleTimes[k + gap] > 0.0f)
        source = k + gap;
      if (source == 0) continue;
      cycleTimes[k] = cycleTimes[source] * (work.profile[k].horDist / work.profile[source].horDist);
      break;
    }
  }
}

}  // namespace

AnalysisRows documentRows(CSkyrigDoc& doc, int landing, int road) {
  return {doc.profilePayload[landing][road].data(), doc.profileCycleTime[landing][road].data()};
}

void analysePayloads(const CableSystemParams& params, CableWorkArea& work, float tailHeight,
                     float* payloads, CarriageObserver* observer) {
  ++work.payloadAnalyses;
  RoadAnalysis(params, work, tailHeight).run(payloads, observer);
}

void analyseRoad(const CableSystemParams& p, CableWorkArea& work, int landing, float tailHeight,
                 AnalysisRows rows) {
  const int n = work.analysedCount;
  for (int k = 0; k < kProfilePointSlots; ++k) rows.cycleTime[k] = -1.0f;
  analysePayloads(p, work, tailHeight, rows.payload);

  const float L0 = work.referenceLength;
  std::array<float, kProfilePointSlots> distances;
  for (int k = 2; k <= n - 1; ++k) distances[k] = slopeDistance(work, k);
  for (int k = 2; k <= n - 1; ++k) {
    const float payload = rows.payload[k] <= 0.0f ? p.maxPayloadPerTurn : rows.payload[k];
    rows.cycleTime[k] = cycleTime(work, p,
                                  {payload, p.frictionCoefficient, p.towerHeight, distances[k], L0,
                                   p.mainlineUnitWeight, p.carriageWeight, distances.data()});
  }
  if (landing <= 0) return;
  smoothPayloads(rows.payload, n);
  fillCycleTimes(rows.cycleTime, work, n);
  work.roadCycleTime = cycleTime(work, p,
                                 {work.minPayload, p.frictionCoefficient, p.towerHeight, 0.67f * L0,
                                  L0, p.mainlineUnitWeight, p.carriageWeight, distances.data()});
}

}  // namespace skyrig
