// The pack: burden states with speeds and labels, money, shop debt, the wand merge and finding
// carried items.
#include "items/pack.hpp"

#include <gtest/gtest.h>

#include "item_game.hpp"
#include "items/item_maker.hpp"
#include "items/piles.hpp"

namespace zaldrun {
namespace {

using testing::Item;
namespace tt = testing::test_type;

class Pack : public ::testing::Test {
 protected:
  void SetUp() override { hero().max_weight = 100; }
  Hero& hero() { return game_->world.hero; }
  PileRecord& pack() { return game_->world.piles[kPackPile]; }

  std::unique_ptr<Game> game_ = testing::NewItemGame();
};

TEST_F(Pack, BurdenStatesFollowTheCapacityAndChangesApplyTheSpeedDifference) {
  struct Case {
    int32_t weight;
    uint8_t state;
    bool shown;
    const char* caption;
    uint32_t colour;
    int speed;
  };
  const Case cases[] = {{66, 0, false, "", 0, 0},
                        {67, 1, true, "Нагружен", 65535, -15},
                        {100, 1, true, "Нагружен", 65535, -15},
                        {101, 2, true, "Перегружен", 255, -40},
                        {0, 0, false, "", 0, 0}};
  for (const Case& c : cases) {
    ChangeBurden(*game_, c.weight - hero().carried_weight);
    EXPECT_EQ(hero().carried_weight, c.weight);
    EXPECT_EQ(hero().burden, c.state) << c.weight;
    EXPECT_EQ(hero().speed_bonus, c.speed) << c.weight;
    const StatusLabels& labels = game_->view.labels;
    EXPECT_EQ(labels.burden_visible, c.shown) << c.weight;
    if (c.shown) {
      EXPECT_EQ(labels.burden_text, c.caption);
      EXPECT_EQ(labels.burden_colour, c.colour);
    }
  }

  // From nothing carried: each change of state applies the speed difference.
  ChangeBurden(*game_, 150);
  EXPECT_EQ(hero().speed_bonus, -40) << "unburdened to overburdened";
  ChangeBurden(*game_, -60);
  EXPECT_EQ(hero().speed_bonus, -15) << "back to burdened gives 25";
  ChangeBurden(*game_, 5);
  EXPECT_EQ(hero().speed_bonus, -15) << "no change while the state stays";
  hero().max_weight = 200;
  ReweighBurden(*game_);
  EXPECT_EQ(hero().burden, burden::kUnburdened) << "stronger now";
  EXPECT_EQ(hero().speed_bonus, 0);
  ChangeBurden(*game_, -500);
  EXPECT_EQ(hero().carried_weight, 0) << "never below nothing";
}

TEST_F(Pack, MoneyGoesToThePurseNotThePack) {
  ASSERT_TRUE(TakeIntoPack(*game_, Item(item_type::kMoney, 534)));
  EXPECT_EQ(hero().money, 534);
  EXPECT_EQ(game_->view.labels.money, "534$");
  EXPECT_EQ(hero().carried_weight, 0);
  EXPECT_EQ(pack().count, 0);
  ChangeMoney(*game_, -34);
  EXPECT_EQ(game_->view.labels.money, "500$");
}

TEST_F(Pack, TakingAndDroppingPieceByPieceNeverDrifts) {
  ItemRecord daggers = Item(tt::kDagger, 3);  // weight 5
  daggers.material = 13;                      // mithril, half the weight
  ASSERT_TRUE(TakeIntoPack(*game_, daggers));
  EXPECT_EQ(hero().carried_weight, 7) << "Int(7.5)";
  EXPECT_EQ(StackWeight(*game_, daggers, 3), 7);
  for (int i = 0; i < 3; ++i) ASSERT_TRUE(RemoveFromPack(*game_, 0, 1, 1));
  EXPECT_EQ(hero().carried_weight, 0);
  EXPECT_EQ(pack().count, 0);

  daggers.count = 1;
  for (int i = 0; i < 3; ++i) ASSERT_TRUE(TakeIntoPack(*game_, daggers));
  EXPECT_EQ(hero().carried_weight, 7) << "the same as taking all three at once";
  ASSERT_TRUE(RemoveFromPack(*game_, 0, 1, 10));
  EXPECT_EQ(hero().carried_weight, 0) << "asking for more takes what there is";
  EXPECT_FALSE(RemoveFromPack(*game_, 0, 1, 1));
}

TEST_F(Pack, UnpaidGoodsAreOwed) {
  ItemRecord goods = Item(tt::kShortSword, 3);  // 90 each
  goods.flags = item_flag::kUnpaid;
  ASSERT_TRUE(TakeIntoPack(*game_, goods));
  EXPECT_EQ(hero().shop_debt, 270);
  ASSERT_TRUE(RemoveFromPack(*game_, 0, 1, 1));
  EXPECT_EQ(hero().shop_debt, 180);
  ASSERT_TRUE(RemoveFromPack(*game_, 0, 1, 2));
  EXPECT_EQ(hero().shop_debt, 0);
}

TEST_F(Pack, ACategoryHoldsAHundredStacksAndAFullOneRefusesAndChangesNothing) {
  for (int i = 0; i < kGroupPlaces; ++i) {
    ItemRecord sword = Item(tt::kShortSword);
    sword.bonus1 = static_cast<int16_t>(i);
    ASSERT_TRUE(TakeIntoPack(*game_, sword));
  }
  EXPECT_EQ(pack().GroupCount(0), 100);
  EXPECT_EQ(pack().count, 100);
  const int32_t weight = hero().carried_weight;
  ItemRecord goods = Item(tt::kShortSword);
  goods.bonus1 = -1;
  goods.flags = item_flag::kUnpaid;
  EXPECT_FALSE(TakeIntoPack(*game_, goods));
  EXPECT_EQ(hero().carried_weight, weight);
  EXPECT_EQ(hero().shop_debt, 0);
  EXPECT_TRUE(TakeIntoPack(*game_, Item(tt::kShortSword))) << "merging still works";
  EXPECT_TRUE(TakeIntoPack(*game_, Item(tt::kHealingPotion))) << "other categories too";
}

TEST_F(Pack, WandsOfDifferentChargesStayApart) {
  ItemRecord wand = Item(tt::kWand);
  wand.charges = 3;
  ASSERT_TRUE(TakeIntoPack(*game_, wand));
  wand.charges = 5;
  ASSERT_TRUE(TakeIntoPack(*game_, wand));
  EXPECT_EQ(pack().GroupCount(7), 2) << "no charge is lost or gained";
  wand.charges = 3;
  ASSERT_TRUE(TakeIntoPack(*game_, wand));
  ASSERT_EQ(pack().GroupCount(7), 2);
  EXPECT_EQ(pack().groups[7][0].count, 2);
  EXPECT_EQ(pack().groups[7][0].charges, 3);
  EXPECT_EQ(pack().groups[7][1].charges, 5);
}

TEST_F(Pack, CarriedItemsAreFoundInThePackBeforeTheEquipment) {
  EXPECT_EQ(FindCarried(*game_, tt::kShortSword), 0);
  EXPECT_EQ(FindCarried(*game_, 0), 0) << "empty slots hold no type";
  hero().equipment[4] = Item(tt::kShortSword);
  hero().equipment[9] = Item(tt::kShortSword);
  EXPECT_EQ(FindCarried(*game_, tt::kShortSword), -4);
  TakeIntoPack(*game_, Item(tt::kDagger));
  TakeIntoPack(*game_, Item(tt::kShortSword));
  EXPECT_EQ(FindCarried(*game_, tt::kShortSword), 2);
  EXPECT_EQ(FindCarried(*game_, 300), 0);
}

}  // namespace
}  // namespace zaldrun
