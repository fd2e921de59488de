// Floor stacks, piles and chests: merging, making and freeing piles, the limits of the level.
#include "items/piles.hpp"

#include <gtest/gtest.h>

#include "item_game.hpp"
#include "items/item_maker.hpp"

namespace zaldrun {
namespace {

using testing::Item;
namespace tt = testing::test_type;
constexpr int kSwordGroup = 0;
constexpr int kPotionGroup = 4;

class Piles : public ::testing::Test {
 protected:
  void SetUp() override { game_->session.io = &io_; }
  Level& level() { return game_->world.level; }
  PileRecord& pile(int n) { return game_->world.piles[static_cast<size_t>(n)]; }

  std::unique_ptr<Game> game_ = testing::NewItemGame();
  testing::RecordingIo io_;
};

TEST_F(Piles, DroppingTheSameKindMergesOtherKindsMakeAPile) {
  ASSERT_TRUE(PlaceItem(*game_, 5, 6, Item(tt::kShortSword, 2), false));
  EXPECT_EQ(level().Cell(5, 6).item, 1001);
  EXPECT_EQ(level().loose_x[1], 5);
  EXPECT_EQ(level().loose_y[1], 6);

  ASSERT_TRUE(PlaceItem(*game_, 5, 6, Item(tt::kShortSword, 3), false));
  EXPECT_EQ(level().Cell(5, 6).item, 1001) << "merged, no pile";
  EXPECT_EQ(level().loose_items[1].count, 5);

  ASSERT_TRUE(PlaceItem(*game_, 5, 6, Item(tt::kHealingPotion, 1), false));
  EXPECT_EQ(level().Cell(5, 6).item, 1);
  EXPECT_EQ(level().loose_items[1].count, 0) << "the floor stack went into the pile";
  EXPECT_EQ(level().loose_x[1] + level().loose_y[1], 0);
  EXPECT_EQ(pile(1).first, 1);
  EXPECT_EQ(pile(1).count, 2);
  EXPECT_EQ(pile(1).x, 5);
  EXPECT_EQ(pile(1).y, 6);
  EXPECT_EQ(pile(1).groups[kSwordGroup].at(0).count, 5);

  ASSERT_TRUE(PlaceItem(*game_, 5, 6, Item(tt::kHealingPotion, 4), false));
  EXPECT_EQ(pile(1).count, 2);
  EXPECT_EQ(pile(1).groups[kPotionGroup].at(0).count, 5);
}

TEST_F(Piles, TakingTheLastStackFreesThePileAndTheCell) {
  PlaceItem(*game_, 2, 3, Item(tt::kShortSword, 2), false);
  PlaceItem(*game_, 2, 3, Item(tt::kHealingPotion, 1), false);
  EXPECT_TRUE(RemoveFromPlace(*game_, 1, kSwordGroup, 1, 1));
  EXPECT_EQ(pile(1).groups[kSwordGroup].at(0).count, 1) << "part of a stack leaves the rest";
  EXPECT_TRUE(RemoveFromPlace(*game_, 1, kSwordGroup, 1, 1));
  EXPECT_EQ(pile(1).count, 1);
  EXPECT_EQ(level().Cell(2, 3).item, 1);
  EXPECT_TRUE(RemoveFromPlace(*game_, 1, kPotionGroup, 1, 1));
  EXPECT_EQ(pile(1).first, 0);
  EXPECT_EQ(level().Cell(2, 3).item, 0);

  PlaceItem(*game_, 4, 4, Item(tt::kShortSword, 3), false);
  EXPECT_TRUE(RemoveFromPlace(*game_, kFloorPlaceBase + 1, 0, 0, 2));
  EXPECT_EQ(level().loose_items[1].count, 1);
  EXPECT_TRUE(RemoveFromPlace(*game_, kFloorPlaceBase + 1, 0, 0, 5));
  EXPECT_EQ(level().loose_items[1].count, 0);
  EXPECT_EQ(level().Cell(4, 4).item, 0);
  EXPECT_FALSE(RemoveFromPlace(*game_, kFloorPlaceBase + 1, 0, 0, 1)) << "nothing left there";
}

TEST_F(Piles, ChestsHoldTheirOwnPile) {
  PlaceItem(*game_, 7, 8, Item(tt::kShortSword), false);
  ASSERT_TRUE(PlaceItem(*game_, 7, 8, Item(tt::kHealingPotion), true));
  ASSERT_TRUE(PlaceItem(*game_, 7, 8, Item(tt::kWand), true));
  MapCell& cell = level().Cell(7, 8);
  EXPECT_EQ(cell.item, 1001) << "the floor keeps its stack";
  EXPECT_EQ(cell.container, 1);
  EXPECT_EQ(pile(1).y, 48);
  EXPECT_EQ(pile(1).count, 2);

  cell.container = 0;
  RelinkContainers(*game_);
  EXPECT_EQ(cell.container, 1) << "linked again as after reading the level";

  RemoveFromPlace(*game_, 1, kPotionGroup, 1, 1);
  RemoveFromPlace(*game_, 1, 7, 1, 1);
  EXPECT_EQ(cell.container, 0);
  EXPECT_EQ(cell.item, 1001);
}

TEST_F(Piles, WhenPilesOrFloorStacksRunOutTheItemStaysWithTheCaller) {
  PlaceItem(*game_, 1, 1, Item(tt::kShortSword), false);
  for (int i = 1; i <= kLevelPiles; ++i) pile(i).first = 1;
  EXPECT_FALSE(PlaceItem(*game_, 1, 1, Item(tt::kHealingPotion), false));
  EXPECT_FALSE(PlaceItem(*game_, 2, 2, Item(tt::kHealingPotion), true));
  EXPECT_EQ(level().Cell(1, 1).item, 1001) << "the cell keeps its stack";
  EXPECT_EQ(level().loose_items[1].count, 1);
  EXPECT_EQ(level().Cell(2, 2).container, 0);
  ASSERT_EQ(io_.boxes.size(), 2u);
  EXPECT_EQ(io_.boxes[0].first, "Невозможно создать кучу!");
  EXPECT_EQ(io_.boxes[0].second, "Случилась гадость!");

  for (int n = 1; n <= kFloorStacks; ++n) level().loose_items[static_cast<size_t>(n)].count = 1;
  EXPECT_FALSE(PlaceItem(*game_, 3, 3, Item(tt::kShortSword), false));
  EXPECT_EQ(level().Cell(3, 3).item, 0);
  ASSERT_EQ(io_.boxes.size(), 3u);
  EXPECT_EQ(io_.boxes[2].first, "Невозможно положить предмет - слишком много предметов на карте!");
}

TEST_F(Piles, OutOfRangeRequestsAreRefused) {
  EXPECT_FALSE(PlaceItem(*game_, 80, 0, Item(tt::kShortSword), false));
  EXPECT_FALSE(PlaceItem(*game_, 1, 1, Item(0), false));
  EXPECT_FALSE(PlaceItem(*game_, 1, 1, Item(tt::kShortSword, 0), false));
  EXPECT_FALSE(AddToPile(*game_, 262, Item(tt::kShortSword)));
  EXPECT_FALSE(AddToPile(*game_, kPackPile, Item(300)));
  EXPECT_FALSE(RemoveFromPlace(*game_, 0, 10, 1, 1));
  EXPECT_FALSE(RemoveFromPlace(*game_, 0, 0, 1, 1)) << "an empty group";
  EXPECT_FALSE(RemoveFromPlace(*game_, 262, 0, 1, 1));
  EXPECT_FALSE(RemoveFromPlace(*game_, kFloorPlaceBase + 502, 0, 0, 1));
  level().Cell(9, 9).item = 700;  // a reference to nothing
  EXPECT_FALSE(PlaceItem(*game_, 9, 9, Item(tt::kShortSword), false));
}

// Wands merge only with equal charges (pack_test.cpp); other items' charges are not compared.
TEST_F(Piles, OnlyWandsCompareTheirCharges) {
  ItemRecord sword = Item(tt::kShortSword);
  ItemRecord valued = sword;
  valued.charges = 9;
  EXPECT_TRUE(SameStack(*game_, sword, valued)) << "other items' values are not compared";
  valued.bonus2 = 1;
  EXPECT_FALSE(SameStack(*game_, sword, valued));
}

}  // namespace
}  // namespace zaldrun
