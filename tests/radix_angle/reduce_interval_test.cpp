// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

#include "pages/radix_angle/reduce_interval.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

TEST(ReduceIntervalTest, LandsInTheHalfOpenInterval) {
  constexpr double kTwoPi = 6.283185307179586;
  constexpr double kMax = std::numeric_limits<double>::max();
  struct {
    double value, bound, reduced;
  } const cases[] = {
      {720, 360, 360},
      {361, 360, 1},
      {-720, 360, -360},
      {-361, 360, -1},
      {360, 360, 360},
      {-360, 360, -360},
      {0, 360, 0},
      {1.5, 1, 0.5},
      {2, 1, 1},
      {-2, 1, -1},
      {-1.5, 1, -0.5},
      {2 * kTwoPi, kTwoPi, kTwoPi},
      {1e300, 360, 360},
      {450, 360, 90},
      {-400, 360, -40},
      {800, 400, 400},
      // One step above the bound, 360 + 2^-44 (the step of doubles in [256, 512)), leaves
      // that step.
      {0x1.6800000000001p+8, 360, 0x1p-44},
      // The largest double, (2^53 - 1) * 2^971, leaves 128 by 360: it is a multiple of 8,
      // and modulo 45 it is 31 * 23 = 38, as 2^12 leaves 1.
      {kMax, 360, 128},
      {-kMax, 360, -128},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.value << " by " << c.bound);
    const double reduced = ReduceInterval(c.value, c.bound);
    EXPECT_EQ(reduced, c.reduced);
    EXPECT_LE(std::fabs(reduced), c.bound);
    if (c.value > c.bound) {
      EXPECT_GT(reduced, 0);
    }
    if (c.value < -c.bound) {
      EXPECT_LT(reduced, 0);
    }
  }
}

}  // namespace
