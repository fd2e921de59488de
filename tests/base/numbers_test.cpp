#include "base/numbers.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace zaldrun {
namespace {

TEST(Distance, RoundsToTheNearest) {
  EXPECT_EQ(Distance(0, 0, 3, 4), 5);
  EXPECT_EQ(Distance(0, 0, 1, 1), 1);
  EXPECT_EQ(Distance(0, 0, 0, 0), 0);
  EXPECT_EQ(Distance(79, 39, 0, 0), 88);
  EXPECT_EQ(Distance(0, 0, 300, 300), 255) << "capped";
}

// Whole-number rounding of the root agrees with rounding it half to even, on the map and far off.
TEST(Distance, AgreesWithTheRoundedRootEverywhere) {
  for (int dx = -400; dx <= 400; ++dx) {
    for (int dy = -400; dy <= 400; dy += dx % 7 == 0 ? 1 : 13) {
      const double root = std::sqrt(static_cast<double>(dx) * dx + static_cast<double>(dy) * dy);
      const int expected = static_cast<int>(std::min(255.0, RoundHalfEven(root)));
      ASSERT_EQ(Distance(7, 9, 7 + dx, 9 + dy), expected) << dx << "," << dy;
    }
  }
}

TEST(Rounding, TiesGoToEven) {
  EXPECT_EQ(RoundHalfEven(0.5), 0);
  EXPECT_EQ(RoundHalfEven(1.5), 2);
  EXPECT_EQ(RoundHalfEven(2.5), 2);
  EXPECT_EQ(RoundHalfEven(-2.5), -2);
  EXPECT_EQ(RoundHalfEven(2.6), 3);
  EXPECT_EQ(Clamp16(40000), 32767);
  EXPECT_EQ(Clamp16(-40000), -32768);
}

}  // namespace
}  // namespace zaldrun
