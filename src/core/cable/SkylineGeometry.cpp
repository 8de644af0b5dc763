#include "cable/SkylineGeometry.h"

#include <array>
#include <cmath>

#include "document/CableSystemParams.h"

namespace skyrig {

namespace {

constexpr float kHalfDegree = 0.5f * 3.141592f / 180.0f;  // rad

const std::array<float, kLogAngleCount>& logAngles() {
  static const std::array<float, kLogAngleCount> table = [] {
    std::array<float, kLogAngleCount> t{};
    float theta = 0.0f;
    for (float& value : t) {
      value = theta;
      theta += kHalfDegree;
    }
    return t;
  }();
  return table;
}

const std::array<float, kCarriageHeightCount>& carriageHeights() {
  static const std::array<float, kCarriageHeightCount> table = [] {
    std::array<float, kCarriageHeightCount> t{};
    float y = 0.0f;
    for (float& value : t) {
      value = y;
      y += 0.1f;
    }
    return t;
  }();
  return table;
}

}  // namespace

float groundAngle(const CableWorkArea& work, int k) {
  const ProfilePoint& here = work.profile[k];
  const ProfilePoint& next = work.profile[k + 1];
  return std::atan(static_cast<float>(-(next.z - here.z)) / (next.horDist - here.horDist));
}

float suspensionHeight(const CableSystemParams& p, float alpha, float theta, float& beta) {
  const float mu = p.frictionCoefficient;
  const float cosAlpha = std::cos(alpha);
  const float sinAlpha = std::sin(alpha);
  beta = std::fabs(std::atan((cosAlpha - mu * sinAlpha) / (mu * cosAlpha + sinAlpha) +
                             2.0f * std::tan(theta + alpha)));
  return (p.logLength * std::sin(theta) + p.effectiveChokerLength * std::sin(beta - alpha)) /
             cosAlpha +
         p.carriageDepth;
}

float logAngleAt(int index) { return logAngles()[index]; }

float carriageHeightAt(int index) { return carriageHeights()[index]; }

const float* carriageHeightTable() { return carriageHeights().data(); }

}  // namespace skyrig
