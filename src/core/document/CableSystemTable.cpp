#include "document/CableSystemTable.h"

namespace skyrig {

namespace {

using P = CableSystemParams;
using enum CableForm;
constexpr ParameterKind kNumber = ParameterKind::Number;
constexpr float kTenDegrees = 0.17453289f;  // 10 degrees with pi = 3.141592

// clang-format off
constexpr CableParameter kParameters[] = {
    // number, name, label, unit, form box, form, kind, range, defaults: generic, 1, 2, 3
    {0, "maxYardingDistance", "Max. yarding distance", "m", "General", CableSystem, kNumber, kAnyNumber, {300, 600, 300, 610}, &P::maxYardingDistance},
    {1, "maxLateralYardingDistance", "Max. lateral yarding dist.", "m", "General", CableSystem, kNumber, kAnyNumber, {50, 50, 30, 61}, &P::maxLateralYardingDistance},
    {2, "towerHeight", "Tower height", "m", "General", CableSystem, kNumber, kAnyNumber, {12, 15, 7, 27}, &P::towerHeight},
    {3, "intSupportHeight", "Int. support height", "m", "General", CableSystem, kNumber, kAnyNumber, {12, 12, 8, 18}, &P::intSupportHeight},
    {4, "maxSparTreeHeight", "Max. spar tree height", "m", "General", CableSystem, kNumber, kAnyNumber, {15, 15, 15, 18}, &P::maxSparTreeHeight},
    {5, "minSparTreeHeight", "Min. spar tree height", "m", "General", CableSystem, kNumber, kAnyNumber, {12, 12, 12, 18}, &P::minSparTreeHeight},
    {6, "maxSkylineTension", "Max. skyline tension", "kg", "Cable", CableSystem, kNumber, kAnyNumber, {10000, 12000, 5000, 32700}, &P::maxSkylineTension},
    {7, "maxMainlineTension", "Max. mainline tension", "kg", "Cable", CableSystem, kNumber, kAnyNumber, {10000, 6200, 2200, 11800}, &P::maxMainlineTension},
    {8, "skylineUnitWeight", "SKL unit weight", "kg/m", "Cable", CableSystem, kNumber, kAnyNumber, {1.5f, 2.1f, 0.9f, 6.15f}, &P::skylineUnitWeight},
    {9, "mainlineUnitWeight", "MNL unit weight", "kg/m", "Cable", CableSystem, kNumber, kAnyNumber, {1.2f, 1.1f, 0.4f, 2.1f}, &P::mainlineUnitWeight},
    {10, "haulbackUnitWeight", "HBL unit weight", "kg/m", "Cable", CableSystem, kNumber, kAnyNumber, {0.9f, 0.7f, 0.4f, 0.4f}, &P::haulbackUnitWeight},
    {11, "carriageWeight", "Carriage weight", "kg", "Carriage", CableSystem, kNumber, kAnyNumber, {180, 750, 150, 1785}, &P::carriageWeight},
    {13, "carriageDepth", "Carriage depth", "m", "Carriage", CableSystem, kNumber, kAnyNumber, {0.7f, 1.0f, 0.7f, 1.2f}, &P::carriageDepth},
    {12, "effectiveChokerLength", "Effective choker length", "m", "Log", CableSystem, kNumber, kAnyNumber, {3.0f, 3.0f, 2.5f, 2.5f}, &P::effectiveChokerLength},
    {14, "logLength", "Log length", "m", "Log", CableSystem, kNumber, kAnyNumber, {12, 12, 12, 12.5f}, &P::logLength},
    {15, "logDiameter", "Log diameter", "m", "Log", CableSystem, kNumber, kAnyNumber, {0.3f, 0.3f, 0.3f, 0.9f}, &P::logDiameter},
    {16, "logToGroundAngle", "Log-to-ground angle", "rad.", "Log", CableSystem, kNumber, kAnyNumber, {kTenDegrees, kTenDegrees, kTenDegrees, kTenDegrees}, &P::logToGroundAngle},
    {17, "frictionCoefficient", "Coeff. of friction on ground", "", "Log", CableSystem, kNumber, kAnyNumber, {0.6f, 0.6f, 0.6f, 0.6f}, &P::frictionCoefficient},
    {18, "groundClearance", "Clearance from the ground", "m", "Payload Analyses", CableSystem, kNumber, kAnyNumber, {6, 6, 6, 6}, &P::groundClearance},
    {19, "allowableDeflection", "Allowable deflection", "", "Payload Analyses", CableSystem, kNumber, kAnyNumber, {0.07f, 0.07f, 0.07f, 0.07f}, &P::allowableDeflection},
    {20, "slopeLimitWithoutHaulback", "Slope limit without HBL", "%", "Payload Analyses", CableSystem, kNumber, kAnyNumber, {-20, -10, -10, -10}, &P::slopeLimitWithoutHaulback},
    {21, "maxSlopeChange", "Max. slope change (INT)", "%", "Payload Analyses", CableSystem, kNumber, kAnyNumber, {50, 45, 45, 45}, &P::maxSlopeChange},
    {22, "maxIntSupports", "Max. # of INT. support", "", "Payload Analyses", CableSystem, ParameterKind::Integer, between(0, 20), {5, 2, 2, 2}, nullptr},

    {27, "hookTime", "Hook time", "sec/m3", "Operation time", OperationData, kNumber, kAnyNumber, {60, 30, 30, 30}, &P::hookTime},
    {29, "unhookTime", "Unhook time", "sec/m3", "Operation time", OperationData, kNumber, kAnyNumber, {30, 10, 10, 10}, &P::unhookTime},
    {28, "riggingCost", "Rigging costs", "$/tree", "Operation time", OperationData, kNumber, kAnyNumber, {200, 200, 60, 1000}, &P::riggingCost},
    {30, "hourlyCost", "Hourly costs for yarding system", "$/hr", "Cost", OperationData, kNumber, kAnyNumber, {300, 465, 160, 522}, &P::hourlyCost},
    {31, "delayPercent", "Delay time as a percentage of total time", "%", "Cost", OperationData, kNumber, between(0, 100), {20, 20, 20, 15}, &P::delayPercent},
    {33, "moveInCost", "Yarder move-in costs", "$/move", "Cost", OperationData, kNumber, kAnyNumber, {3000, 465, 160, 1500}, &P::moveInCost},
    {34, "initialSetupHours", "Initial yarder setup", "hours", "Cost", OperationData, kNumber, kAnyNumber, {4, 4, 1, 8}, &P::initialSetupHours},
    {35, "roadChangeHours", "Cable road change ", "hours", "Cost", OperationData, kNumber, kAnyNumber, {1, 1, 1, 1.2f}, &P::roadChangeHours},
    {32, "fellingCost", "Felling costs", "$/m3", "Cost", OperationData, kNumber, kAnyNumber, {15, 3.5f, 3.5f, 3.5f}, &P::fellingCost},
    {37, "minPayloadPerTurn", "Min. payload per turn", "kg", "Payload", OperationData, kNumber, kAnyNumber, {1000, 2500, 1000, 6000}, &P::minPayloadPerTurn},
    {36, "maxPayloadPerTurn", "Max. payload per turn", "kg", "Payload", OperationData, kNumber, kAnyNumber, {3000, 7500, 3000, 15000}, &P::maxPayloadPerTurn},
    {24, "woodDensity", "Density", "kg/m3", "Payload", OperationData, kNumber, kAnyNumber, {700, 700, 700, 860}, &P::woodDensity},
    {38, "loadFactor", "Load factor", "", "Payload", OperationDataHidden, kNumber, kAnyNumber, {0.8f, 0.8f, 0.8f, 0.8f}, &P::loadFactor},
    {39, "maxSpeedPartialSuspension", "Max. speed with partial suspension", "m/sec", "Inhaul speed", OperationData, kNumber, kAnyNumber, {5, 3, 1, 4}, &P::maxSpeedPartialSuspension},
    {40, "maxSpeedFullSuspension", "Max. speed with full suspension", "m/sec", "Inhaul speed", OperationData, kNumber, kAnyNumber, {15, 4, 2, 10}, &P::maxSpeedFullSuspension},
    {41, "avgOuthaulSpeed", "Avg. outhaul speed", "m/sec", "Outhaul speed", OperationData, kNumber, kAnyNumber, {20, 5, 3, 5}, &P::avgOuthaulSpeed},
    {42, "lateralYardingSpeed", "Lateral yarding speed", "m/sec", "Lateral yarding speed", OperationData, kNumber, kAnyNumber, {1.0f, 0.33f, 0.17f, 0.33f}, &P::lateralYardingSpeed},
    {26, "enginePower", "Engine power", "hp", "Engine", OperationData, kNumber, kAnyNumber, {300, 230, 65, 450}, &P::enginePower},
    {25, "powerEfficiency", "Power efficiency", "", "Engine", OperationData, kNumber, kAnyNumber, {0.65f, 0.65f, 0.65f, 0.7f}, &P::powerEfficiency},
    {44, "lateralMultiplierFirstThird", "0 - 1/3 of LYD", "times", "Lateral yarding cost factors", OperationData, kNumber, kAnyNumber, {1, 1, 1, 1}, &P::lateralMultiplierFirstThird},
    {45, "lateralMultiplierSecondThird", "1/3 - 2/3 of LYD", "times", "Lateral yarding cost factors", OperationData, kNumber, kAnyNumber, {1.5f, 1.5f, 1.5f, 1.5f}, &P::lateralMultiplierSecondThird},
    {46, "lateralMultiplierLastThird", "2/3 - 1 of LYD", "times", "Lateral yarding cost factors", OperationData, kNumber, kAnyNumber, {2, 2, 2, 2}, &P::lateralMultiplierLastThird},
    {43, "beyondLateralZoneMultiplier", "Multiplier for beyond lateral yarding zone", "times", "Lateral yarding cost factors", OperationData, kNumber, between(1, 1000000), {10, 10, 10, 10}, &P::beyondLateralZoneMultiplier},
    {47, "giveUpDistance", "Give up timber parcel if it is farther than ", "m", "Lateral yarding cost factors", OperationData, kNumber, between(0, 1000000), {150, 100, 60, 122}, &P::giveUpDistance},
};

constexpr CableFlag kFlags[] = {
    {"englishUnits", "English units", &P::englishUnits, {0, 0, 0, 0}},
    {"haulbackLine", "Haulbackline", &P::haulbackLine, {0, 1, 0, 0}},
    {"downhillAvailable", "Downhill available", &P::downhillAvailable, {0, 0, 0, 0}},
};
// clang-format on

// Table rows by field number.
constexpr std::array<const CableParameter*, 48> indexByNumber() {
  std::array<const CableParameter*, 48> index{};
  for (const CableParameter& p : kParameters) index[static_cast<std::size_t>(p.number)] = &p;
  return index;
}
constexpr std::array<const CableParameter*, 48> kByNumber = indexByNumber();

}  // namespace

int cableDefaultColumn(int system) { return system >= 1 && system <= 3 ? system : 0; }

std::span<const CableParameter> cableParameters() { return kParameters; }
std::span<const CableFlag> cableFlags() { return kFlags; }

const CableParameter* cableParameter(int number) {
  return number >= 0 && number < 48 ? kByNumber[static_cast<std::size_t>(number)] : nullptr;
}

}  // namespace skyrig
