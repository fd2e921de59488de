// Selling in a shop: the keeper pays a quarter of the value of what is dropped; what he bought is
// his unpaid goods, so taking it back costs its full value. A refused offer changes nothing.
#include <gtest/gtest.h>

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
#include "records/monster_type_ids.hpp"
#include "support/game_fixture.hpp"

namespace zaldrun {
namespace {

using testing::GameFixture;

constexpr int kShortSword = 57;
constexpr int kBread = 28;
constexpr int kShopRoom = 1;

// A shop of four cells (room 1: x 1..4 of row 1) with the hero at (2, 1); outside it, row 3.
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
    keeper_ = fixture_.AddMonster(monster_type::kShopkeeper, 5, 3, true);
    level.shopkeeper = static_cast<int16_t>(keeper_);
    game().world.hero.hp = game().world.hero.max_hp = 500;
  }

  Game& game() { return fixture_.game(); }
  Hero& hero() { return game().world.hero; }

  // Takes the stack into the pack and chooses it in the window, as the drop command does.
  void Choose(const ItemRecord& item) {
    ASSERT_TRUE(TakeIntoPack(game(), item));
    InventoryState& window = game().control.inventory;
    window.pile = kPackPile;
    window.from_equipment = false;
    window.category = static_cast<uint8_t>(CategoryOf(game(), item.type));
    window.place = 1;
    for (const ItemRecord& stack : game().world.piles[kPackPile].groups[window.category]) {
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
    for (const ItemRecord& stack :
         game().world.piles[kPackPile].groups[static_cast<size_t>(category)]) {
      if (stack.type == type) return stack.count;
    }
    return 0;
  }
  bool Logged(const std::string& line) { return fixture_.LogCount(line) > 0; }
  // What the keeper offers for the stack: a quarter of its value.
  int32_t Offer(const ItemRecord& item) {
    return static_cast<int32_t>(ItemValue(game(), item) / 4);
  }
  std::string OfferLine(const ItemRecord& item) {
    return "Я заплачу за эту вещь " + std::to_string(Offer(item)) + "$. Продаешь?";
  }

  GameFixture fixture_;
  int keeper_ = 0;
};

TEST_F(SellingTest, PartOfAStackIsSoldForAQuarterOfItsValueAndBuyingItBackCostsItsValue) {
  Choose(Item(kBread, 5));
  const int32_t offer = Offer(Item(kBread, 2));
  ASSERT_GT(offer, 0);
  const int32_t money = hero().money;
  const int32_t weight = hero().carried_weight;
  DropWith("2{Enter}y");
  EXPECT_TRUE(Logged(OfferLine(Item(kBread, 2))));
  EXPECT_EQ(PackCount(kBread), 3) << "the rest stays in the pack";
  EXPECT_EQ(hero().money, money + offer);
  EXPECT_LT(hero().carried_weight, weight);
  EXPECT_NE(hero().last_action_time, -1) << "a sale takes the hero's time";
  const ItemRecord* sold = FloorStack(kHeroX, kHeroY);
  ASSERT_NE(sold, nullptr);
  EXPECT_EQ(sold->count, 2);
  EXPECT_NE(sold->flags & item_flag::kUnpaid, 0) << "the sold goods are the shop's now";
  // Taking them back owes their whole value: no money comes out of nothing.
  fixture_.Keys("    ");
  ASSERT_TRUE(fixture_.Act([](Game& g) { PickUpHere(g); }));
  EXPECT_EQ(hero().shop_debt, ItemValue(game(), Item(kBread, 2)));
}

TEST_F(SellingTest, RefusingTheOfferOrAWorthlessOfferKeepsEverythingAndTakesNoTime) {
  ItemRecord junk = Item(kBread);
  junk.blessing = blessing::kCursed;
  const std::string keeper(TrimRight(MonsterTypeName(game(), monster_type::kShopkeeper, 1)));
  for (const bool worthless : {false, true}) {
    SCOPED_TRACE(worthless ? "worthless" : "refused");
    const ItemRecord item = worthless ? junk : Item(kShortSword);
    hero().price_factor = worthless ? 0 : hero().price_factor;  // nothing is worth anything
    Choose(item);
    const int32_t money = hero().money;
    const int32_t weight = hero().carried_weight;
    DropWith(worthless ? "" : "n");
    EXPECT_TRUE(
        Logged(worthless ? keeper + " говорит: \"Это барахло мне ни к чему.\"" : OfferLine(item)));
    EXPECT_EQ(PackCount(item.type), 1);
    EXPECT_EQ(hero().money, money);
    EXPECT_EQ(hero().carried_weight, weight);
    EXPECT_EQ(FloorStack(kHeroX, kHeroY), nullptr);
    EXPECT_EQ(hero().last_action_time, -1) << "no time passes";
  }
}

TEST_F(SellingTest, NoSaleOutsideTheShopWithAnAngryKeeperWithoutHimOrOfTheShopsOwnGoods) {
  struct Case {
    const char* what;
    int x, y, peaceful;
    bool keeper, shops_own;
  };
  const Case cases[] = {
      {"outside the shop", 2, 3, 1, true, false},
      {"an angry keeper", 3, 1, 0, true, false},
      {"no keeper on the level", 4, 1, 1, false, false},
      {"the shop's own goods go back to its floor", 1, 1, 1, true, true},
  };
  MonsterRecord& keeper = game().world.level.Monster(keeper_);
  keeper.speed = 0;  // an angry keeper shoots at once; held still, he leaves the floor alone
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    hero().x = static_cast<int16_t>(c.x);
    hero().y = static_cast<int16_t>(c.y);
    keeper.peaceful = static_cast<uint8_t>(c.peaceful);
    game().world.level.shopkeeper = static_cast<int16_t>(c.keeper ? keeper_ : 0);
    EXPECT_EQ(InOpenShop(game(), c.x, c.y), c.shops_own);
    ItemRecord sword = Item(kShortSword);
    sword.flags = c.shops_own ? item_flag::kUnpaid : 0;
    Choose(sword);
    const int32_t money = hero().money;
    DropWith("");
    EXPECT_EQ(PackCount(kShortSword), 0);
    EXPECT_EQ(hero().money, money);
    EXPECT_EQ(hero().shop_debt, 0);
    const ItemRecord* floor = FloorStack(c.x, c.y);
    ASSERT_NE(floor, nullptr);
    EXPECT_EQ((floor->flags & item_flag::kUnpaid) != 0, c.shops_own) << "whose the item is";
  }
  EXPECT_FALSE(Logged(OfferLine(Item(kShortSword))));
}

}  // namespace
}  // namespace zaldrun
