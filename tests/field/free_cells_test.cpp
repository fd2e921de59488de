#include "field/free_cells.hpp"

#include <gtest/gtest.h>

#include <memory>

#include "model/game.hpp"

namespace zaldrun {
namespace {

class FreeCellsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    game_ = std::make_unique<Game>();
    game_->random.Seed(7);
    for (auto& row : game_->world.level.terrain) row.fill('C');
  }
  std::unique_ptr<Game> game_;
};

TEST_F(FreeCellsTest, FreeCellsRespectWallsDoorsMonstersAndTheHero) {
  Level& level = game_->world.level;
  game_->world.hero.x = 1;
  game_->world.hero.y = 1;
  EXPECT_FALSE(CellIsFree(*game_, 1, 1, true)) << "the hero's own cell";
  EXPECT_FALSE(CellIsFree(*game_, -1, 3, true));
  EXPECT_FALSE(CellIsFree(*game_, 80, 3, true));
  level.SetTerrain(2, 2, 'A');
  EXPECT_FALSE(CellIsFree(*game_, 2, 2, true));
  level.Cell(3, 3).feature = feature::kClosedDoor;
  EXPECT_FALSE(CellIsFree(*game_, 3, 3, true));
  level.Cell(4, 4).monster = 1;
  EXPECT_TRUE(CellIsFree(*game_, 4, 4, true));
  EXPECT_FALSE(CellIsFree(*game_, 4, 4, false));
}

TEST_F(FreeCellsTest, RandomFreeCellFindsTheOnlyCellOrReportsNone) {
  for (auto& row : game_->world.level.terrain) row.fill('A');
  int16_t x = -1;
  int16_t y = -1;
  EXPECT_FALSE(RandomFreeCell(*game_, x, y, true)) << "a solid level has no free cell";
  EXPECT_EQ(x, -1);
  game_->world.level.SetTerrain(40, 20, 'C');
  ASSERT_TRUE(RandomFreeCell(*game_, x, y, true));
  EXPECT_EQ(x, 40);
  EXPECT_EQ(y, 20);
}

}  // namespace
}  // namespace zaldrun
