// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

// Narrowing to single precision at the edges of the float range.
#include "pages/distance_angle/narrow_to_float.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

constexpr float kMax = std::numeric_limits<float>::max();
constexpr float kInf = std::numeric_limits<float>::infinity();

TEST(NarrowToFloatTest, RoundsToNearestAndOverflowsToInfinity) {
  struct Case {
    double value;
    float expected;
  };
  const Case cases[] = {
      {1.0 / 3, 0x1.555556p-2f},
      {16777217.0, 16777216.0f},      // a tie goes to the even neighbour, down
      {16777219.0, 16777220.0f},      // and up
      {0x1.fffffep127, kMax},         // the largest float itself
      {0x1.fffffefffffffp127, kMax},  // just below half a step above it
      {0x1.ffffffp127, kInf},         // half a step above: a tie, to the even infinity
      {-0x1.ffffffp127, -kInf},
      {-0x1.fffffefffffffp127, -kMax},  // and below it, on the negative side
      {-3.4028235e38, -kMax},           // the shortest text above the largest float
      {1e39, kInf},
      {-1e39, -kInf},
      {std::numeric_limits<double>::infinity(), kInf},
      {0x1p-149, 0x1p-149f},  // the smallest subnormal
      {0x1p-150, 0.0f},       // half of it: a tie, to even zero
      {0x1.000001p-150, 0x1p-149f},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.value);
    EXPECT_EQ(NarrowToFloat(c.value), c.expected);
  }
}

TEST(NarrowToFloatTest, KeepsTheSignOfZeroAndNotANumber) {
  EXPECT_TRUE(std::signbit(NarrowToFloat(-0.0)));
  EXPECT_FALSE(std::signbit(NarrowToFloat(0.0)));
  EXPECT_TRUE(std::isnan(NarrowToFloat(std::numeric_limits<double>::quiet_NaN())));
}

}  // namespace
