// The five operations on the chosen stack: their refusals, what they use up, knowledge learned on
// use, the aim they ask for, a wand's charges, the blessed ration, dipping and its faults.
#include "usage/item_use.hpp"

#include <gtest/gtest.h>

#include <cmath>

#include "items/item_maker.hpp"
#include "items/item_names.hpp"
#include "items/pack.hpp"
#include "use_game.hpp"

namespace zaldrun {
namespace {

using HeroGame = testing::UseGame;
using testing::Item;
using testing::ItemWith;
using testing::Said;
using testing::TypeWithHandler;

const std::vector<ItemRecord>& Group(HeroGame& g, int category) {
  return g.pack().groups[static_cast<size_t>(category)];
}

TEST(ItemUse, OperationsRefuseWhatTheyCannotUse) {
  struct Case {
    const char* handler;  // of the item chosen
    void (*operation)(Game&);
    const char* message;
  };
  const Case cases[] = {
      {"pHeal", Read, "ЭТО ты прочитать не можешь!"},
      {"rEducat", Drink, "ЭТО ты выпить не можешь!"},
      {"pHeal", Eat, "ЭТО не съедобно!"},
      {"eApple", Zap, "Ну и что ты с этим делать собрался?"},
  };
  for (const Case& c : cases) {
    HeroGame g;
    const ItemRecord item = ItemWith(g.game(), c.handler);
    g.Choose(item, 0);
    c.operation(g.game());
    EXPECT_EQ(g.Message(), c.message) << c.handler;
    EXPECT_EQ(FindCarried(g.game(), item.type), 1) << c.handler << ": kept";
  }
  HeroGame g;
  ItemRecord unpaid = ItemWith(g.game(), "pHeal");
  unpaid.flags = item_flag::kUnpaid;
  g.Choose(unpaid, 0);
  Drink(g.game());
  EXPECT_EQ(g.Message(), "Сначала купи это!");
  EXPECT_EQ(FindCarried(g.game(), unpaid.type), 1);
}

TEST(ItemUse, DrinkingTeachesThePotionsTrueNameEverywhere) {
  HeroGame g;
  Game& game = g.game();
  ItemRecord potion = ItemWith(game, "pHeal");
  potion.identified = 0;
  potion.count = 2;
  g.Choose(potion, 0);
  const std::string unknown = ItemName(game, Group(g, item_category::kPotion)[0]);
  g.hero().hp = 5;
  Drink(game);
  EXPECT_TRUE(Said(game, "Твои раны залечиваются."));
  EXPECT_GT(g.hero().hp, 5);
  ASSERT_EQ(Group(g, item_category::kPotion).size(), 1u);
  const ItemRecord& left = Group(g, item_category::kPotion)[0];
  EXPECT_EQ(left.count, 1);
  EXPECT_EQ(left.identified, 1);
  EXPECT_NE(ItemName(game, left), unknown);
  EXPECT_EQ(ItemName(game, left), "Зелье Лечения");
  EXPECT_EQ(game.world.item_types[static_cast<size_t>(potion.type)].knowledge, 1);
  ItemRecord found_later = potion;
  found_later.count = 1;
  ASSERT_TRUE(TakeIntoPack(game, found_later));
  EXPECT_EQ(Group(g, item_category::kPotion)[0].count, 2) << "known when taken later";
}

TEST(ItemUse, ReadingBooksKeepsThemAndChosenItemScrollsOpenTheWindow) {
  HeroGame g;
  Game& game = g.game();
  g.Choose(ItemWith(game, "VornsMsg"), 0);
  Read(game);
  EXPECT_TRUE(Said(game, "На пожелтевшем листе бумаги написано:"));
  EXPECT_EQ(FindCarried(game, item_type::kNote), 1) << "a note is not used up";

  HeroGame h;
  const ItemRecord scroll = ItemWith(h.game(), "sID");
  h.Choose(scroll, 0);
  Read(h.game());
  EXPECT_EQ(FindCarried(h.game(), scroll.type), 0) << "the scroll is read away";
  EXPECT_TRUE(h.game().control.inventory.open_requested);
  EXPECT_EQ(h.game().control.pending_operation, PendingOperation::kItemEffect);
  EXPECT_EQ(h.game().control.effect_handler, "sID");

  HeroGame t;
  t.Choose(ItemWith(t.game(), "rFireBolt"), 0);
  Read(t.game());
  EXPECT_EQ(t.game().control.aim_request, Control::AimRequest::kCursor);
  EXPECT_EQ(t.game().control.pending_operation, PendingOperation::kRead);
}

TEST(ItemUse, EatingFeedsByBlessing) {
  for (uint8_t blessing : {0, 1, 2, 5}) {
    HeroGame g;
    Game& game = g.game();
    const ItemRecord bread = ItemWith(game, "eBread", blessing);
    const int speed = game.world.item_types[static_cast<size_t>(bread.type)].speed;
    g.hero().satiation = 1500;
    g.Choose(bread, 0);
    Eat(game);
    const double factor = blessing % 3 == 0 ? 0.65 : blessing % 3 == 1 ? 1.0 : 1.3;
    EXPECT_EQ(g.hero().satiation, 1500 + static_cast<int>(std::floor(speed * factor)))
        << int(blessing);
    EXPECT_EQ(FindCarried(game, bread.type), 0);
  }
}

TEST(ItemUse, ZappingSpendsChargesOneWandAtATime) {
  HeroGame g;
  Game& game = g.game();
  ItemRecord wand = ItemWith(game, "wInferno");
  wand.charges = 0;
  g.Choose(wand, 0);
  Zap(game);
  EXPECT_EQ(g.Message(), "Ничего не происходит.");
  EXPECT_EQ(Group(g, item_category::kWand)[0].charges, 0);
  EXPECT_EQ(game.control.aim_request, Control::AimRequest::kNone);

  HeroGame s;
  ItemRecord three = ItemWith(s.game(), "wBreath");
  three.count = 3;
  three.charges = 5;
  s.Choose(three, 0);
  Zap(s.game());
  const auto& wands = Group(s, item_category::kWand);
  ASSERT_EQ(wands.size(), 2u) << "the zapped wand is a stack of its own";
  EXPECT_EQ(wands[0].count, 2);
  EXPECT_EQ(wands[0].charges, 5);
  EXPECT_EQ(wands[1].count, 1);
  EXPECT_EQ(wands[1].charges, 4);
  EXPECT_EQ(s.game().control.aim_request, Control::AimRequest::kDirection);
  EXPECT_TRUE(Said(s.game(), "В каком направлении?"));
  // A wand aimed by the cursor: scroll_wand_test.cpp.
}

// Chooses pack stack (category, place) as the item to dip, as SelectItem does.
void ChooseToDip(Game& game, int category, int place) {
  game.control.inventory.chosen_from_equipment = false;
  game.control.inventory.chosen_category = static_cast<uint8_t>(category);
  game.control.inventory.chosen_place = static_cast<int16_t>(place);
}

TEST(ItemUse, HolyWaterBlessesABatchByWeight) {
  HeroGame g;
  Game& game = g.game();
  ItemRecord arrows = Item(98, 10);  // light: six at a time
  ASSERT_TRUE(TakeIntoPack(game, arrows));
  ItemRecord water = Item(item_type::kWater, 2);
  water.blessing = blessing::kBlessed;
  g.Choose(water, 0);
  ChooseToDip(game, item_category::kAmmunition, 1);
  Dip(game);
  EXPECT_TRUE(Said(game, "Ты окунул 6 "));
  EXPECT_TRUE(Said(game, "окружается синим свечением."));
  int blessed = 0;
  for (const ItemRecord& stack : Group(g, item_category::kAmmunition)) {
    if (stack.blessing == blessing::kBlessed) blessed += stack.count;
  }
  EXPECT_EQ(blessed, 6);
  EXPECT_EQ(Group(g, item_category::kPotion)[0].count, 1) << "one water used";
  EXPECT_EQ(DipCount(31, 5), 1);
  EXPECT_EQ(DipCount(10, 5), 2);
  EXPECT_EQ(DipCount(9, 5), 4);
  EXPECT_EQ(DipCount(2, 3), 3);
}

TEST(ItemUse, DippingUsesUpThePotionItChoseAndNeverItself) {
  HeroGame g;
  Game& game = g.game();
  // Plain water before the unholy water it is dipped into: the dipped stack leaves its place.
  ItemRecord plain = Item(item_type::kWater, 1);
  ASSERT_TRUE(TakeIntoPack(game, plain));
  ItemRecord unholy = Item(item_type::kWater, 2);
  unholy.blessing = blessing::kCursed;
  ASSERT_TRUE(TakeIntoPack(game, unholy));
  InventoryState& window = game.control.inventory;
  window.pile = 0;
  window.category = item_category::kPotion;
  window.place = 2;
  ChooseToDip(game, item_category::kPotion, 1);
  Dip(game);
  int cursed = 0;
  for (const ItemRecord& stack : Group(g, item_category::kPotion)) {
    if (stack.blessing == blessing::kCursed) cursed += stack.count;
  }
  EXPECT_EQ(cursed, 2) << "one unholy water used, the plain one cursed";

  window.place = 1;
  ChooseToDip(game, item_category::kPotion, 1);
  const int before = Group(g, item_category::kPotion)[0].count;
  Dip(game);
  EXPECT_EQ(Group(g, item_category::kPotion)[0].count, before) << "no dip into itself";
}

TEST(ItemUse, BlankOrUnknownHandlersDoNothing) {
  HeroGame g;
  for (const char* name : {"", "   ", "NoSuchThing"}) {
    g.ClearMessage();
    RunEffect(g.game(), name);
    EXPECT_EQ(g.Message(), "Ничего не происходит.") << name;
  }
}

}  // namespace
}  // namespace zaldrun
