#include "cable/ProfileCheckData.h"

namespace skyrig {

float startingTailSparHeight(float storedHeight, const CableSystemParams& params) {
  if (storedHeight < params.minSparTreeHeight || storedHeight > params.maxSparTreeHeight)
    return params.minSparTreeHeight;
  return storedHeight;
}

void recountSupports(ProfileCheckData& data) {
  data.work.supportCount = 0;
  for (int k = 2; k <= data.tailPoint() - 1; ++k)
    if (data.work.supportMarks[k]) ++data.work.supportCount;
}

}  // namespace skyrig
