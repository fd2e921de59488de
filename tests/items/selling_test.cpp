// Selling in a shop: the keeper pays a quarter of the value of what is dropped, after "Сколько?"
// and a yes/no question; what he bought lies on his floor as his unpaid goods, so taking it back
// costs its full value. No sale outside the shop, with an angry keeper, or for the shop's own
// goods; a refused offer changes nothing.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "base/byte_record.hpp"
#include "items/item_lookup.hpp"
#include "items/item_maker.hpp"
#include "items/item_names.hpp"
#include "items/item_operations.hpp"
#include "items/pack.hpp"
#include "items/piles.hpp"
#include "model/type_info.hpp"
#include "support/game_fixture.hpp"

namespace zaldrun {
namespace {

using testing::GameFixture;

constexpr int kShortSword = 57;
constexpr int kBread = 28;
constexpr int kTazar = 61;  // the village shopkeeper
constexpr int kShopRoom = 1;

// A shop of four cells (room 1: x 1..4 of row 1) with the hero at (2, 1), and the floor outside
// it in row 3.
const std::vector<std::string> kShop = {"AAAAAAA", "AC@CCCA", "ACCCCCA", "ACCCCCA", "AAAAAAA"};
constexpr int kHeroX = 2;
constexpr int kHeroY = 1;

ItemRecord Item(int type, int count = 1) {
  ItemRecord item;
  item.type = static_cast<int16_t>(type);
  item.count = count;
  item.blessing = blessing::kUncursed;
  item.material = 5;
  item.identified = 1;
  return item;
}

class SellingTest : public ::testing::Test {
 protected:
  SellingTest() : fixture_(kShop) {
    Level& level = game().world.level;
    Room& shop = level.RoomAt(kShopRoom);
    shop.used = 1;
    shop.kind = kShopRoomKind;
    for (int x = 1; x <= 4; ++x) level.Cell(x, 1).room = kShopRoom;
    // The keeper stands apart from the hero, so that an angry one does not reach him at once.
    keeper_ = fixture_.AddMonster(kTazar, 5, 3, true);
    level.shopkeeper = static_cast<int16_t>(keeper_);
    game().world.hero.hp = game().world.hero.max_hp = 500;
  }

  Game& game() { return fixture_.game(); }
  Hero& hero() { return game().world.hero; }
  PileRecord& pack() { return game().world.piles[kPackPile]; }

  // Takes the stack into the pack and chooses it in the window, as the drop command does.
  void Choose(const ItemRecord& item) {
    ASSERT_TRUE(TakeIntoPack(game(), item));
    InventoryState& window = game().control.inventory;
    window.pile = kPackPile;
    window.from_equipment = false;
    window.category = static_cast<uint8_t>(CategoryOf(game(), item.type));
    window.place = 1;
    for (const ItemRecord& stack : pack().groups[window.category]) {
      if (stack.type == item.type) break;
      ++window.place;
    }
  }
  // Drops the chosen stack with the keys that answer its questions.
  void DropWith(std::string_view keys) {
    hero().last_action_time = -1;
    fixture_.Keys(keys);
    ASSERT_TRUE(fixture_.Act([](Game& g) { Drop(g); })) << "the keys ran out: " << keys;
  }
  const ItemRecord* FloorStack(int x, int y) {
    const int reference = game().world.level.Cell(x, y).item;
    if (reference <= kLooseItemBase) return nullptr;
    const ItemRecord& item =
        game().world.level.loose_items[static_cast<size_t>(reference - kLooseItemBase)];
    return item.count > 0 ? &item : nullptr;
  }
  int32_t PackCount(int type) {
    const int category = CategoryOf(game(), type);
    for (const ItemRecord& stack : pack().groups[static_cast<size_t>(category)]) {
      if (stack.type == type) return stack.count;
    }
    return 0;
  }
  bool Logged(const std::string& line) {
    const auto log = fixture_.LogLines();
    return std::find(log.begin(), log.end(), line) != log.end();
  }
  // What the keeper pays for `count` items like `item`.
  int32_t Offer(const ItemRecord& item, int32_t count) {
    ItemRecord part = item;
    part.count = count;
    return static_cast<int32_t>(WholePart(ItemValue(game(), part) * kSaleShare));
  }

  GameFixture fixture_;
  int keeper_ = 0;
};

TEST_F(SellingTest, PartOfAStackIsSoldForAQuarterOfItsValueAndBuyingItBackCostsItsValue) {
  const ItemRecord bread = Item(kBread, 5);
  Choose(bread);
  const int32_t offer = Offer(bread, 2);
  ASSERT_GT(offer, 0);
  EXPECT_EQ(offer, static_cast<int32_t>(ItemValue(game(), Item(kBread, 2)) / 4));
  const int32_t money = hero().money;
  const int32_t weight = hero().carried_weight;

  DropWith("2{Enter}y");
  EXPECT_TRUE(Logged("Я заплачу за эту вещь " + std::to_string(offer) + "$. Продаешь?"));
  EXPECT_EQ(PackCount(kBread), 3) << "the rest stays in the pack";
  EXPECT_EQ(hero().money, money + offer);
  EXPECT_EQ(game().view.labels.money, std::to_string(money + offer) + "$");
  EXPECT_EQ(hero().shop_debt, 0);
  EXPECT_LT(hero().carried_weight, weight);
  EXPECT_NE(hero().last_action_time, -1) << "a sale takes the hero's time";
  const ItemRecord* sold = FloorStack(kHeroX, kHeroY);
  ASSERT_NE(sold, nullptr);
  EXPECT_EQ(sold->type, kBread);
  EXPECT_EQ(sold->count, 2);
  EXPECT_NE(sold->flags & item_flag::kUnpaid, 0) << "the sold goods are the shop's now";
  EXPECT_EQ(game().world.level.Monster(keeper_).peaceful, 1);

  // Taking them back owes their whole value: no money comes out of nothing.
  fixture_.Keys("    ");
  ASSERT_TRUE(fixture_.Act([](Game& g) { PickUpHere(g); }));
  EXPECT_EQ(FloorStack(kHeroX, kHeroY), nullptr);
  EXPECT_EQ(hero().shop_debt, ItemValue(game(), Item(kBread, 2)));
  EXPECT_GT(hero().shop_debt, offer);
}

TEST_F(SellingTest, TheShopsOwnGoodsGoBackToItsFloorAndOffTheDebtUnsold) {
  ItemRecord goods = Item(kShortSword);
  goods.flags = item_flag::kUnpaid;
  Choose(goods);
  const int32_t value = ItemValue(game(), goods);
  ASSERT_EQ(hero().shop_debt, value);
  const int32_t money = hero().money;
  DropWith("");
  EXPECT_EQ(hero().shop_debt, 0);
  EXPECT_EQ(hero().money, money) << "nothing is paid for the shop's own goods";
  EXPECT_EQ(PackCount(kShortSword), 0);
  const ItemRecord* floor = FloorStack(kHeroX, kHeroY);
  ASSERT_NE(floor, nullptr);
  EXPECT_NE(floor->flags & item_flag::kUnpaid, 0);
}

TEST_F(SellingTest, RefusingTheOfferKeepsEverythingAndTakesNoTime) {
  Choose(Item(kShortSword));
  const int32_t money = hero().money;
  const int32_t weight = hero().carried_weight;
  DropWith("n");
  EXPECT_TRUE(Logged("Я заплачу за эту вещь " + std::to_string(Offer(Item(kShortSword), 1)) +
                     "$. Продаешь?"));
  EXPECT_EQ(PackCount(kShortSword), 1);
  EXPECT_EQ(hero().money, money);
  EXPECT_EQ(hero().carried_weight, weight);
  EXPECT_EQ(FloorStack(kHeroX, kHeroY), nullptr);
  EXPECT_EQ(hero().last_action_time, -1) << "no time passes";
}

TEST_F(SellingTest, NoSaleOutsideTheShopOrWithAnAngryKeeperOrWithoutHim) {
  struct Case {
    const char* what;
    int x;
    int y;
    int peaceful;
    bool keeper;
  };
  const Case cases[] = {
      {"outside the shop", 2, 3, 1, true},
      {"an angry keeper", kHeroX, kHeroY, 0, true},
      {"no keeper on the level", kHeroX, kHeroY, 1, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    hero().x = static_cast<int16_t>(c.x);
    hero().y = static_cast<int16_t>(c.y);
    MonsterRecord& keeper = game().world.level.Monster(keeper_);
    keeper.peaceful = static_cast<uint8_t>(c.peaceful);
    // An angry keeper shoots at once; held still, he leaves the floor to the dropped sword.
    keeper.speed = 0;
    game().world.level.shopkeeper = static_cast<int16_t>(c.keeper ? keeper_ : 0);
    EXPECT_EQ(InOpenShop(game(), c.x, c.y), false);
    Choose(Item(kShortSword));
    const int32_t money = hero().money;
    DropWith("");
    EXPECT_EQ(PackCount(kShortSword), 0);
    EXPECT_EQ(hero().money, money);
    const ItemRecord* floor = FloorStack(c.x, c.y);
    ASSERT_NE(floor, nullptr);
    EXPECT_EQ(floor->flags & item_flag::kUnpaid, 0) << "a plain drop: the item stays the hero's";
    // Pick it up again for the next case.
    fixture_.Keys("    ");
    ASSERT_TRUE(fixture_.Act([](Game& g) { PickUpHere(g); }));
    ASSERT_EQ(FloorStack(c.x, c.y), nullptr);
    ASSERT_EQ(PackCount(kShortSword), 1);
    ASSERT_TRUE(RemoveFromPack(game(), item_category::kWeapon, game().control.inventory.place, 1));
  }
  EXPECT_FALSE(Logged("Я заплачу за эту вещь " + std::to_string(Offer(Item(kShortSword), 1)) +
                      "$. Продаешь?"));
}

TEST_F(SellingTest, WhatIsWorthNothingToTheKeeperStaysInThePack) {
  ItemRecord junk = Item(kBread);
  junk.blessing = blessing::kCursed;
  hero().price_factor = 0;  // nothing is worth anything to this hero's keeper
  ASSERT_EQ(Offer(junk, 1), 0);
  Choose(junk);
  const int32_t money = hero().money;
  DropWith("");
  const std::string keeper(TrimRight(MonsterTypeName(game(), kTazar, 1)));
  EXPECT_TRUE(Logged(keeper + " говорит: \"Это барахло мне ни к чему.\""));
  EXPECT_EQ(PackCount(kBread), 1);
  EXPECT_EQ(hero().money, money);
  EXPECT_EQ(FloorStack(kHeroX, kHeroY), nullptr);
  EXPECT_EQ(hero().last_action_time, -1);
}

}  // namespace
}  // namespace zaldrun
