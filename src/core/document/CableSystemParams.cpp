#include "document/CableSystemParams.h"

namespace skyrig {

namespace {

using FloatMember = float CableSystemParams::*;

constexpr FloatMember kFloatFields[48] = {
    &CableSystemParams::maxYardingDistance,
    &CableSystemParams::maxLateralYardingDistance,
    &CableSystemParams::towerHeight,
    &CableSystemParams::intSupportHeight,
    &CableSystemParams::maxSparTreeHeight,
    &CableSystemParams::minSparTreeHeight,
    &CableSystemParams::maxSkylineTension,
    &CableSystemParams::maxMainlineTension,
    &CableSystemParams::skylineUnitWeight,
    &CableSystemParams::mainlineUnitWeight,
    &CableSystemParams::haulbackUnitWeight,
    &CableSystemParams::carriageWeight,
    &CableSystemParams::effectiveChokerLength,
    &CableSystemParams::carriageDepth,
    &CableSystemParams::logLength,
    &CableSystemParams::logDiameter,
    &CableSystemParams::logToGroundAngle,
    &CableSystemParams::frictionCoefficient,
    &CableSystemParams::groundClearance,
    &CableSystemParams::allowableDeflection,
    &CableSystemParams::slopeLimitWithoutHaulback,
    &CableSystemParams::maxSlopeChange,
    nullptr,  // 22 maxIntSupports is an integer
    nullptr,  // 23 the flag bytes
    &CableSystemParams::woodDensity,
    &CableSystemParams::powerEfficiency,
    &CableSystemParams::enginePower,
    &CableSystemParams::hookTime,
    &CableSystemParams::riggingCost,
    &CableSystemParams::unhookTime,
    &CableSystemParams::hourlyCost,
    &CableSystemParams::delayPercent,
    &CableSystemParams::fellingCost,
    &CableSystemParams::moveInCost,
    &CableSystemParams::initialSetupHours,
    &CableSystemParams::roadChangeHours,
    &CableSystemParams::maxPayloadPerTurn,
    &CableSystemParams::minPayloadPerTurn,
    &CableSystemParams::loadFactor,
    &CableSystemParams::maxSpeedPartialSuspension,
    &CableSystemParams::maxSpeedFullSuspension,
    &CableSystemParams::avgOuthaulSpeed,
    &CableSystemParams::lateralYardingSpeed,
    &CableSystemParams::beyondLateralZoneMultiplier,
    &CableSystemParams::lateralMultiplierFirstThird,
    &CableSystemParams::lateralMultiplierSecondThird,
    &CableSystemParams::lateralMultiplierLastThird,
    &CableSystemParams::giveUpDistance,
};

}  // namespace

CableSystemParams defaultCableSystem(int system) {
  CableSystemParams p;  // generic defaults (systems 4 and 5)
  switch (system) {
    case 1:
      p.name = "MADILL6150";
      p.maxYardingDistance = 600; p.maxLateralYardingDistance = 50; p.towerHeight = 15;
      p.intSupportHeight = 12; p.maxSparTreeHeight = 15; p.minSparTreeHeight = 12;
      p.maxSkylineTension = 12000; p.maxMainlineTension = 6200; p.skylineUnitWeight = 2.1f;
      p.mainlineUnitWeight = 1.1f; p.haulbackUnitWeight = 0.7f; p.carriageWeight = 750;
      p.effectiveChokerLength = 3.0f; p.carriageDepth = 1.0f; p.logLength = 12;
      p.logDiameter = 0.3f; p.slopeLimitWithoutHaulback = -10; p.maxSlopeChange = 45;
      p.maxIntSupports = 2; p.haulbackLine = 1;
      p.woodDensity = 700; p.powerEfficiency = 0.65f; p.enginePower = 230; p.hookTime = 30;
      p.riggingCost = 200; p.unhookTime = 10; p.hourlyCost = 465; p.delayPercent = 20;
      p.fellingCost = 3.5f; p.moveInCost = 465; p.initialSetupHours = 4; p.roadChangeHours = 1;
      p.maxPayloadPerTurn = 7500; p.minPayloadPerTurn = 2500; p.maxSpeedPartialSuspension = 3;
      p.maxSpeedFullSuspension = 4; p.avgOuthaulSpeed = 5; p.lateralYardingSpeed = 0.33f;
      p.giveUpDistance = 100;
      break;
    case 2:
      p.name = "KOLLER-300";
      p.maxYardingDistance = 300; p.maxLateralYardingDistance = 30; p.towerHeight = 7;
      p.intSupportHeight = 8; p.maxSparTreeHeight = 15; p.minSparTreeHeight = 12;
      p.maxSkylineTension = 5000; p.maxMainlineTension = 2200; p.skylineUnitWeight = 0.9f;
      p.mainlineUnitWeight = 0.4f; p.haulbackUnitWeight = 0.4f; p.carriageWeight = 150;
      p.effectiveChokerLength = 2.5f; p.carriageDepth = 0.7f; p.logLength = 12;
      p.logDiameter = 0.3f; p.slopeLimitWithoutHaulback = -10; p.maxSlopeChange = 45;
      p.maxIntSupports = 2;
      p.woodDensity = 700; p.powerEfficiency = 0.65f; p.enginePower = 65; p.hookTime = 30;
      p.riggingCost = 60; p.unhookTime = 10; p.hourlyCost = 160; p.delayPercent = 20;
      p.fellingCost = 3.5f; p.moveInCost = 160; p.initialSetupHours = 1; p.roadChangeHours = 1;
      p.maxPayloadPerTurn = 3000; p.minPayloadPerTurn = 1000; p.maxSpeedPartialSuspension = 1;
      p.maxSpeedFullSuspension = 2; p.avgOuthaulSpeed = 3; p.lateralYardingSpeed = 0.17f;
      p.giveUpDistance = 60;
      break;
    case 3:
      p.name = "TY-290    ";
      p.maxYardingDistance = 610; p.maxLateralYardingDistance = 61; p.towerHeight = 27;
      p.intSupportHeight = 18; p.maxSparTreeHeight = 18; p.minSparTreeHeight = 18;
      p.maxSkylineTension = 32700; p.maxMainlineTension = 11800; p.skylineUnitWeight = 6.15f;
      p.mainlineUnitWeight = 2.1f; p.haulbackUnitWeight = 0.4f; p.carriageWeight = 1785;
      p.effectiveChokerLength = 2.5f; p.carriageDepth = 1.2f; p.logLength = 12.5f;
      p.logDiameter = 0.9f; p.slopeLimitWithoutHaulback = -10; p.maxSlopeChange = 45;
      p.maxIntSupports = 2;
      p.woodDensity = 860; p.powerEfficiency = 0.7f; p.enginePower = 450; p.hookTime = 30;
      p.riggingCost = 1000; p.unhookTime = 10; p.hourlyCost = 522; p.delayPercent = 15;
      p.fellingCost = 3.5f; p.moveInCost = 1500; p.initialSetupHours = 8;
      p.roadChangeHours = 1.2f; p.maxPayloadPerTurn = 15000; p.minPayloadPerTurn = 6000;
      p.maxSpeedPartialSuspension = 4; p.maxSpeedFullSuspension = 10; p.avgOuthaulSpeed = 5;
      p.lateralYardingSpeed = 0.33f; p.giveUpDistance = 122;
      break;
    default:
      break;
  }
  return p;
}

float* cableSystemFloatField(CableSystemParams& params, int fieldNumber) {
  if (fieldNumber < 0 || fieldNumber >= 48 || kFloatFields[fieldNumber] == nullptr) return nullptr;
  return &(params.*kFloatFields[fieldNumber]);
}

const float* cableSystemFloatField(const CableSystemParams& params, int fieldNumber) {
  if (fieldNumber < 0 || fieldNumber >= 48 || kFloatFields[fieldNumber] == nullptr) return nullptr;
  return &(params.*kFloatFields[fieldNumber]);
}

}  // namespace skyrig
