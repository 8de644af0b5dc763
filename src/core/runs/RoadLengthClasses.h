// The grade and side-slope classes of the road mileage report: the first bound from the top
// that a link's value reaches wins.
#pragma once

namespace skyrig {

// 0 = below 5 %, 1 = 5-10 %, ..., 5 = 25 % and more.
inline int gradeClass(float grade) {
  if (grade >= 0.25f) return 5;
  if (grade >= 0.20f) return 4;
  if (grade >= 0.15f) return 3;
  if (grade >= 0.10f) return 2;
  if (grade >= 0.05f) return 1;
  return 0;
}

// 0 = below 15 %, 1 = 15-30 %, ..., 5 = 75 % and more.
inline int sideSlopeClass(float sideSlope) {
  if (sideSlope >= 0.75f) return 5;
  if (sideSlope >= 0.60f) return 4;
  if (sideSlope >= 0.45f) return 3;
  if (sideSlope >= 0.30f) return 2;
  if (sideSlope >= 0.15f) return 1;
  return 0;
}

}  // namespace skyrig
