#include "model/chance.hpp"

#include <gtest/gtest.h>

#include <memory>
#include <set>

#include "model/game.hpp"

namespace zaldrun {
namespace {

class ChanceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    game_ = std::make_unique<Game>();
    game_->random.Seed(7);
    for (auto& row : game_->world.level.terrain) row.fill('C');
  }
  std::unique_ptr<Game> game_;
};

TEST_F(ChanceTest, RandomRangeCoversItsRangeAndNothingElse) {
  std::set<int> seen;
  for (int i = 0; i < 2000; ++i) {
    EXPECT_EQ(RandomRange(*game_, 5, 5), 5);
    const int value = RandomRange(*game_, 1, 6);
    ASSERT_GE(value, 1);
    ASSERT_LE(value, 6);
    seen.insert(value);
  }
  EXPECT_EQ(seen.size(), 6u);
}

TEST_F(ChanceTest, ResistedRolls) {
  // A span of one fixes the roll, so the resistance alone decides.
  EXPECT_EQ(RollResisted(*game_, 10, 10, 0), 10);
  EXPECT_EQ(RollResisted(*game_, 10, 10, 3), 7);
  EXPECT_EQ(RollResisted(*game_, 4, 4, 3), 2);
  EXPECT_EQ(RollResisted(*game_, 10, 10, -4), 11) << "each point of vulnerability adds 2.5%";
  EXPECT_EQ(RollResisted(*game_, 3, 3, -4), 3);
  EXPECT_LE(RollResisted(*game_, 1, 1, 20), 1) << "may end at 0 or below";
}

TEST(HasFlag, TestsPowersOfTwo) {
  EXPECT_TRUE(HasFlag(6, 2));
  EXPECT_TRUE(HasFlag(6, 4));
  EXPECT_FALSE(HasFlag(6, 1));
  EXPECT_FALSE(HasFlag(0, 1));
  EXPECT_TRUE(HasFlag(8, 8));
  EXPECT_FALSE(HasFlag(7, 8));
  EXPECT_TRUE(HasFlag(0, 0));
}

TEST_F(ChanceTest, PickFromListWeightedUniformAndEdgeCases) {
  std::string list = "001002003";
  for (int i = 0; i < 50; ++i) {
    EXPECT_EQ(PickFromList(*game_, list, std::string("\0\0\5", 3), 3, false), "003");
  }
  EXPECT_EQ(list, "001002003") << "weighted picks leave the list alone";
  EXPECT_EQ(PickFromList(*game_, list, std::string("\0\0\0", 3), 3, false), std::string(1, '\0'));

  std::string empty;
  EXPECT_EQ(PickFromList(*game_, empty, "A", 3, true), "0");

  std::string two = "017085";
  const std::string first = PickFromList(*game_, two, "A", 3, true);
  EXPECT_TRUE(first == "017" || first == "085");
  EXPECT_EQ(two.size(), 3u);
  EXPECT_NE(two, first);
  const std::string second = PickFromList(*game_, two, "A", 3, true);
  EXPECT_EQ(second, two) << "the last entry is returned and stays";
  EXPECT_EQ(two.size(), 3u);

  // A weight count that does not match the entries falls back to the uniform pick.
  std::set<std::string> seen;
  std::string three = "abc";
  for (int i = 0; i < 200; ++i) seen.insert(PickFromList(*game_, three, "AB", 1, false));
  EXPECT_EQ(seen.size(), 3u);
}

}  // namespace
}  // namespace zaldrun
