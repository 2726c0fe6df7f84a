// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

#include "pages/distance_angle/narrow_to_float.h"

#include <cmath>
#include <limits>

float NarrowToFloat(double value) {
  constexpr float kMax = std::numeric_limits<float>::max();
  constexpr float kInfinity = std::numeric_limits<float>::infinity();
  // Half a step above the largest float: from here on, rounding to nearest gives an infinity
  // (a tie goes to the even neighbour, and the largest float is odd).
  constexpr double kOverflow = 0x1.ffffffp127;
  const double magnitude = std::fabs(value);
  if (magnitude >= kOverflow) return value > 0 ? kInfinity : -kInfinity;
  // Below the overflow point the value rounds to the largest float, but a cast of a value
  // beyond it is undefined.
  if (magnitude > kMax) return value > 0 ? kMax : -kMax;
  return static_cast<float>(value);  // a NaN stays a NaN
}
