#include "combat/grammar.hpp"

#include <gtest/gtest.h>

namespace zaldrun {
namespace {

TEST(PickByGender, ChoosesTheForm) {
  EXPECT_EQ(PickByGender(1, "ое ", "ая ", "ый "), "ая ");
  EXPECT_EQ(PickByGender(0, "ое ", "ая ", "ый "), "ый ");
  EXPECT_EQ(PickByGender(2, "ое ", "ая ", "ый "), "ое ");
  EXPECT_EQ(PickByGender(3, "ое ", "ая ", "ый "), "");
}

}  // namespace
}  // namespace zaldrun
