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
      // One step above the bound leaves the exact difference.
      {std::nextafter(360.0, 400.0), 360, std::nextafter(360.0, 400.0) - 360},
      {kMax, 360, std::fmod(kMax, 360.0)},
      {-kMax, 360, std::fmod(-kMax, 360.0)},
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
