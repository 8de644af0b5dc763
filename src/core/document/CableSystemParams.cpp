#include "document/CableSystemParams.h"

#include "document/CableSystemTable.h"

namespace skyrig {

namespace {

// The defaults of one column of the parameter table.
void setDefaults(CableSystemParams& p, int column) {
  const auto c = static_cast<std::size_t>(column);
  p.name = kDefaultCableSystemNames[c];
  for (const CableParameter& f : cableParameters()) {
    if (f.member != nullptr) p.*f.member = f.defaults[c];
    else p.maxIntSupports = static_cast<std::int32_t>(f.defaults[c]);
  }
  for (const CableFlag& f : cableFlags()) p.*f.member = f.defaults[c];
  p.parametersChanged = 0;
}

}  // namespace

CableSystemParams::CableSystemParams() { setDefaults(*this, 0); }

CableSystemParams defaultCableSystem(int system) {
  CableSystemParams p;
  setDefaults(p, cableDefaultColumn(system));
  return p;
}

float* cableSystemFloatField(CableSystemParams& params, int fieldNumber) {
  const CableParameter* f = cableParameter(fieldNumber);
  return f != nullptr && f->member != nullptr ? &(params.*f->member) : nullptr;
}

const float* cableSystemFloatField(const CableSystemParams& params, int fieldNumber) {
  const CableParameter* f = cableParameter(fieldNumber);
  return f != nullptr && f->member != nullptr ? &(params.*f->member) : nullptr;
}

}  // namespace skyrig
