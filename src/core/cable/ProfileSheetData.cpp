#include "cable/ProfileSheetData.h"

#include <array>
#include <memory>

#include "cable/GroundProfile.h"
#include "cable/IntermediateSupports.h"
#include "cable/PayloadAnalysis.h"
#include "document/CSkyrigDoc.h"

namespace skyrig {

namespace {

// The support reduction analyses candidate sets on scratch rows, as the batch does on the
// trial road.
class ScratchHooks final : public SupportPlacementHooks {
 public:
  ScratchHooks(const CableSystemParams& params, float tail) : params_(params), tail_(tail) {}
  float analyseCandidate(CableWorkArea& work) override {
    analyseRoad(params_, work, 0, tail_, {payload_.data(), cycleTime_.data()});
    return work.minPayload;
  }

 private:
  const CableSystemParams& params_;
  float tail_;
  std::array<float, kProfilePointSlots> payload_{};
  std::array<float, kProfilePointSlots> cycleTime_{};
};

// Keeps the carriage height of every analysed point.
class CarriageHeights final : public CarriageObserver {
 public:
  explicit CarriageHeights(std::vector<ProfileSheetPoint>& points) : points_(points) {}
  void carriagePlaced(int point, const CableWorkArea& work) override {
    const auto index = static_cast<std::size_t>(point - 1);
    if (index < points_.size()) points_[index].carriageHeight = work.carriage.height;
  }

 private:
  std::vector<ProfileSheetPoint>& points_;
};

std::string roadName(int landing, int road) {
  return "cable road " + std::to_string(road) + " of landing " + std::to_string(landing);
}

}  // namespace

bool computeProfileSheet(CSkyrigDoc& doc, int landing, int road, ProfileSheetData& out,
                         std::string& error) {
  if (landing < 1 || landing > std::min(doc.landingCount, kMaxLandings) || road < 0 ||
      road >= kCablewaysPerLanding) {
    error = "there is no " + roadName(landing, road);
    return false;
  }
  const auto li = static_cast<std::size_t>(landing);
  const auto ri = static_cast<std::size_t>(road);
  const int system = doc.landings[li].system;
  if (system < 1 || system > kCableSystemCount) {
    error = "landing " + std::to_string(landing) + " has no cable system";
    return false;
  }
  if (doc.landingAnalysed[li] != 1) {
    error = "the cable roads of landing " + std::to_string(landing) + " are not analysed";
    return false;
  }
  CablewayRecord& record = doc.cableways[li][ri];
  const CablewayRecord kept = record;
  auto work = std::make_unique<CableWorkArea>();
  sampleProfile(doc, *work, landing, system, road);
  record = kept;
  const int n = kept.pointCount;
  if (work->sampledCount < 3 || n < 3) {
    error = roadName(landing, road) + " has no ground profile";
    return false;
  }
  if (n > work->sampledCount) {
    error = roadName(landing, road) + " ends at point " + std::to_string(n) +
            " of a ground profile of " + std::to_string(work->sampledCount) + " points";
    return false;
  }

  const CableSystemParams& params = doc.cableSystems[static_cast<std::size_t>(system)];
  const float tail = doc.tailSparHeight[li][ri];
  ProfileSheetData data;
  data.landing = landing;
  data.road = road;
  data.system = system;
  data.towerHeight = params.towerHeight;
  data.supportHeight = params.intSupportHeight;
  data.tailHeight = tail;
  data.cycleTime = doc.cablewayCycleTime[li][ri];
  for (int k = 1; k <= work->sampledCount; ++k) {
    const ProfilePoint& p = work->profile[static_cast<std::size_t>(k)];
    data.points.push_back({p.horDist, p.z, false, p.streamBuffer != 0, -1, -1});
  }
  data.tailPoint = n - 1;
  data.length = data.points[static_cast<std::size_t>(n - 1)].distance;

  work->analysedCount = n;
  work->flags.clearAll();
  ScratchHooks hooks(params, tail);
  placeSupports(params, *work, {tail, tail, true}, hooks);
  work->flags.streamDragging = 0;
  std::array<float, kProfilePointSlots> payloads{};
  CarriageHeights heights(data.points);
  analysePayloads(params, *work, tail, payloads.data(), &heights);
  if (work->minPayload < params.minPayloadPerTurn) work->flags.payloadTooSmall = 1;
  if (params.downhillAvailable == 1) work->flags.downhillYarding = 0;
  if (params.haulbackLine == 1) work->flags.needsHaulback = 0;
  data.flags = work->flags;
  data.supportCount = work->supportCount;
  data.minPayload = work->minPayload;

  float smallest = 1.0e9f;
  for (int k = 2; k <= n - 1; ++k) {
    ProfileSheetPoint& point = data.points[static_cast<std::size_t>(k - 1)];
    point.support = work->supportMarks[static_cast<std::size_t>(k)] == 1;
    if (point.support) {
      point.carriageHeight = -1;
      continue;
    }
    point.payload = payloads[static_cast<std::size_t>(k)];
    if (point.payload < smallest) {
      smallest = point.payload;
      data.limitingPoint = k - 1;
    }
    if (point.carriageHeight >= 0 &&
        (data.minClearance < 0 || point.carriageHeight < data.minClearance)) {
      data.minClearance = point.carriageHeight;
      data.minClearancePoint = k - 1;
    }
  }
  out = std::move(data);
  return true;
}

}  // namespace skyrig
