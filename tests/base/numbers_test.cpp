#include "base/numbers.hpp"

#include <gtest/gtest.h>

namespace zaldrun {
namespace {

TEST(Distance, RoundsToTheNearest) {
  EXPECT_EQ(Distance(0, 0, 3, 4), 5);
  EXPECT_EQ(Distance(0, 0, 1, 1), 1);
  EXPECT_EQ(Distance(0, 0, 0, 0), 0);
  EXPECT_EQ(Distance(79, 39, 0, 0), 88);
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
