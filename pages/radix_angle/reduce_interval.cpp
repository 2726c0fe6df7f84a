// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

#include "pages/radix_angle/reduce_interval.h"

#include <cmath>

double ReduceInterval(double value, double bound) {
  if (value >= -bound && value <= bound) return value;
  // fmod is exact: the remainder of value by bound, with value's sign. A whole number of
  // steps leaves 0, which the interval maps to the bound itself.
  const double remainder = std::fmod(value, bound);
  if (remainder == 0) return value > 0 ? bound : -bound;
  return remainder;
}
