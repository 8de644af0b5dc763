#include "cable/IntermediateSupports.h"

#include <algorithm>
#include <cmath>

#include "document/CableSystemParams.h"

namespace skyrig {

namespace {

class Placement {
 public:
  Placement(const CableSystemParams& p, CableWorkArea& work, const SupportPlacementOptions& o,
            SupportPlacementHooks& hooks)
      : p_(p),
        work_(work),
        o_(o),
        hooks_(hooks),
        n_(work.analysedCount),
        marks_(work.supportMarks),
        towerCorrection_(p.towerHeight - p.intSupportHeight),
        tailCorrection_(p.intSupportHeight - o.tailHeight) {}

  void run();

 private:
  float z(int k) const { return static_cast<float>(work_.profile[k].z); }
  float d(int k) const { return work_.profile[k].horDist; }
  int previousSupport(int k) const {
    for (int j = k - 1; j >= 1; --j)
      if (marks_[j]) return j;
    return 1;
  }
  int nextSupport(int k) const {
    for (int j = k + 1; j < n_; ++j)
      if (marks_[j]) return j;
    return n_;
  }
  // Slope between the tops of support l and the point k, and of k and support r.
  float slopeIn(int l, int k) const {
    return (static_cast<float>(work_.profile[k].z - work_.profile[l].z) -
            (l == 1 ? towerCorrection_ : 0.0f)) /
           (d(k) - d(l));
  }
  float slopeOut(int k, int r) const {
    return (static_cast<float>(work_.profile[r].z - work_.profile[k].z) -
            (r == n_ ? tailCorrection_ : 0.0f)) /
           (d(r) - d(k));
  }
  int countMarks() const {
    int count = 0;
    for (int k = 2; k <= n_ - 1; ++k) count += marks_[k] ? 1 : 0;
    return count;
  }

  void chordTest();
  void convexBreaks();
  void thin();
  void clearanceTest();
  void breakAngleTest();
  void reduce();

  const CableSystemParams& p_;
  CableWorkArea& work_;
  const SupportPlacementOptions& o_;
  SupportPlacementHooks& hooks_;
  const int n_;
  std::array<std::uint8_t, kProfilePointSlots>& marks_;
  const float towerCorrection_;  // eL: tower top above an intermediate support top, m
  const float tailCorrection_;   // eR: intermediate support top above the tail top, m
  int count_ = 0;
};

void Placement::chordTest() {
  const float slope =
      static_cast<float>((work_.profile[1].z - work_.profile[n_].z) * 100) / (d(1) - d(n_));
  if (slope > 0.0f) {
    work_.flags.downhillYarding = 1;
    hooks_.downhillYarding();
  } else if (p_.slopeLimitWithoutHaulback < slope) {
    work_.flags.needsHaulback = 1;
    hooks_.needsHaulback();
  }
}

// A point where the ground bends downward (convex) is a support candidate.
void Placement::convexBreaks() {
  const float convexTailCorrection = p_.intSupportHeight - o_.convexBreakTailHeight;
  for (int k = 2; k <= n_ - 1; ++k) {
    const float e = k == 2 ? towerCorrection_ : (k == n_ - 1 ? convexTailCorrection : 0.0f);
    const float across = (static_cast<float>(work_.profile[k + 1].z - work_.profile[k - 1].z) - e) /
                         (d(k + 1) - d(k - 1));
    const float into =
        (static_cast<float>(work_.profile[k].z - work_.profile[k - 1].z) - e) / (d(k) - d(k - 1));
    if (across < into) {
      marks_[k] = 1;
      ++count_;
    }
  }
}

// A support stays only where the line over it bends downward.
void Placement::thin() {
  bool removed = true;
  while (removed) {
    removed = false;
    for (int k = 2; k <= n_ - 1; ++k) {
      if (!marks_[k]) continue;
      if (slopeIn(previousSupport(k), k) <= slopeOut(k, nextSupport(k))) {
        marks_[k] = 0;
        --count_;
        removed = true;
      }
    }
  }
}

// A support goes where the skyline, sagging by the allowable deflection, clears the ground by
// the clearance without it.
void Placement::clearanceTest() {
  for (int k = 2; k <= n_ - 1; ++k) {
    if (!marks_[k]) continue;
    const int l = previousSupport(k);
    const int r = nextSupport(k);
    const float topL = z(l) + (l == 1 ? p_.towerHeight : p_.intSupportHeight);
    const float topR = z(r) + (r == n_ ? o_.tailHeight : p_.intSupportHeight);
    const float span = d(r) - d(l);
    const float x = d(k) - d(l);
    const float gap = (topR - topL) / span * x + topL - (z(k) + p_.groundClearance);
    const float sag = x < span / 2.0f ? p_.allowableDeflection * x / (span / 2.0f)
                                      : p_.allowableDeflection * (span - x) / (span / 2.0f);
    if (gap > 0.0f && sag * span <= gap) marks_[k] = 0;
  }
}

void Placement::breakAngleTest() {
  const float limit = std::atan(p_.maxSlopeChange / 100.0f);
  for (int k = 2; k <= n_ - 1; ++k) {
    if (!marks_[k]) continue;
    const float in = slopeIn(previousSupport(k), k);
    const float out = slopeOut(k, nextSupport(k));
    if (o_.risingSpanMeansDownhill && (in > 0.0f || out > 0.0f)) {
      work_.flags.downhillYarding = 1;
      hooks_.downhillYarding();
    }
    if (std::fabs(std::atan(out) - std::atan(in)) > limit) {
      work_.flags.steepChordBreak = 1;
      hooks_.steepChordBreak();
    }
  }
}

// Removes supports one at a time while more remain than the system allows; the best payload
// carries over between passes, so a later pass removes a support only if the road's payload
// then exceeds every earlier best.
void Placement::reduce() {
  float bestPayload = 0.0f;
  while (p_.maxIntSupports < count_) {
    int candidate = -1;
    for (int k = 2; k <= n_ - 1; ++k) {
      if (!marks_[k]) continue;
      marks_[k] = 0;
      const float payload = hooks_.analyseCandidate(work_);
      if (payload > bestPayload) {
        bestPayload = payload;
        candidate = k;
      }
      marks_[k] = 1;
    }
    if (candidate < 2) {
      work_.flags.supportReductionFailed = 1;
      hooks_.supportReductionFailed();
      return;
    }
    marks_[candidate] = 0;
    --count_;
  }
}

void Placement::run() {
  std::fill(marks_.begin(), marks_.end(), std::uint8_t{0});
  count_ = 0;
  chordTest();
  convexBreaks();
  if (n_ >= 1) {
    marks_[1] = 1;
    marks_[n_] = 1;
  }
  thin();
  if (count_ > 0) clearanceTest();
  count_ = countMarks();
  if (count_ > 0) breakAngleTest();
  if (count_ > 0 && !work_.flags.steepChordBreak) reduce();
  marks_[1] = 0;
  if (n_ >= 0) marks_[n_] = 0;
  work_.supportCount = countMarks();
}

}  // namespace

void placeSupports(const CableSystemParams& params, CableWorkArea& work,
                   const SupportPlacementOptions& options, SupportPlacementHooks& hooks) {
  Placement(params, work, options, hooks).run();
}

}  // namespace skyrig
