// Scrolls and wands on a level, through the command keys: the inventory window hands the chosen
// stack to the operation, which asks for the cursor or a direction; the handlers' effects on the
// hero, the monsters, doors and the items chosen for a scroll.
#include <gtest/gtest.h>

#include <cstdlib>

#include "combat/doors.hpp"
#include "events/timed_effects.hpp"
#include "items/equipment.hpp"
#include "items/item_maker.hpp"
#include "items/item_names.hpp"
#include "items/pack.hpp"
#include "model/monster_types.hpp"
#include "model/world_ops.hpp"
#include "records/monster_type_table.hpp"
#include "support/game_fixture.hpp"
#include "use_game.hpp"

namespace zaldrun {
namespace {

using testing::GameFixture;
using testing::Item;
using testing::ItemWith;
using testing::UseAs;

const std::vector<std::string> kHall = {
    "AAAAAAAAAA", "ACCCCCCCCA", "AC@CCCCCCA", "ACCCCCCCCA", "AAAAAAAAAA",
};

bool Logged(const GameFixture& fixture, std::string_view text) { return fixture.LogHas(text); }

ItemRecord Wand(const Game& game, const char* handler, int charges) {
  ItemRecord wand = ItemWith(game, handler);
  wand.charges = static_cast<int16_t>(charges);
  return wand;
}

TEST(ScrollsAndWands, ZappingAimsByDirectionAndByCursor) {
  GameFixture fixture(kHall);
  Game& game = fixture.game();
  const Hero& hero = game.world.hero;
  fixture.AddMonster(1, hero.x + 2, hero.y);
  ASSERT_TRUE(TakeIntoPack(game, Wand(game, "wBreath", 3)));
  fixture.Keys("z{Enter}{Right}{Space}{Space}").PlayKeys();
  EXPECT_TRUE(Logged(fixture, "Жезл извергает струю пламени!"));
  EXPECT_EQ(game.world.level.monster_count, 0) << "29..51 fire burns a monster of 10";
  EXPECT_EQ(game.world.piles[0].groups[item_category::kWand][0].charges, 2);

  fixture.AddMonster(1, hero.x + 3, hero.y + 1);
  game.control.target_monster = 1;
  ASSERT_TRUE(TakeIntoPack(game, Wand(game, "wMagicBite", 1)));
  fixture.Keys("z{Down}{Enter}{Enter}{Space}{Space}").PlayKeys();
  EXPECT_TRUE(Logged(fixture, "Магический сгусток попадает в "));
}

TEST(ScrollsAndWands, ReadingAimsTheFireballAndIdentifiesChosenItems) {
  GameFixture fixture(kHall);
  Game& game = fixture.game();
  game.world.hero.SkillAt(skill::kLiteracy).value = 3;
  ASSERT_TRUE(TakeIntoPack(game, ItemWith(game, "rFireBolt")));
  fixture.Keys("r{Enter}{Enter}").PlayKeys();
  EXPECT_TRUE(Logged(fixture, "Ты так и не смог нацелить заклинание на себя."));

  ItemRecord potion = ItemWith(game, "BoostSpeed");
  potion.identified = 0;
  ASSERT_TRUE(TakeIntoPack(game, potion));
  const std::string unknown = ItemName(game, potion);
  game.world.hero.SkillAt(skill::kLiteracy).value = 2;  // no second choice
  ASSERT_TRUE(TakeIntoPack(game, ItemWith(game, "sID", 1)));
  fixture.Keys("r{Enter}{Enter}{Space}").PlayKeys();
  const ItemRecord& known = game.world.piles[0].groups[item_category::kPotion][0];
  EXPECT_EQ(known.identified, 1);
  EXPECT_TRUE(Logged(fixture, "Ты узнал, что " + unknown + " - это на самом деле Зелье Скорости."));
}

TEST(ScrollsAndWands, ScrollsOnTheHero) {
  GameFixture fixture(kHall);
  Game& game = fixture.game();
  Hero& hero = game.world.hero;
  hero.SkillAt(skill::kLiteracy).value = 6;
  const int points = hero.skill_points;
  UseAs(game, ItemWith(game, "rEducat", 2));
  EXPECT_EQ(hero.skill_points, points + 6);
  EXPECT_TRUE(Logged(fixture, "Ты становишься более умелым."));

  const std::array<int16_t, kHands> to_hit = hero.attack.to_hit;
  UseAs(game, ItemWith(game, "rBless", 1));
  UseAs(game, ItemWith(game, "rBless", 1));
  EXPECT_TRUE(game.view.labels.Has(Condition::kBlessed));
  EXPECT_EQ(hero.defence_bonus, 3) << "a second blessing only prolongs";
  EXPECT_TRUE(Logged(fixture, "Тебя окружает белое свечение."));
  // The glow's to-hit outlives a new weapon in hand, and its end takes back just what it gave.
  ASSERT_TRUE(PutIntoSlot(game, equipment_slot::kRightHand, Item(12)));
  const int16_t armed = hero.attack.to_hit[hand::kRight];
  ClearSlot(game, equipment_slot::kRightHand);
  EXPECT_EQ(hero.attack.to_hit[hand::kLeft], to_hit[hand::kLeft] + 3);
  game.control.current_slot = static_cast<int16_t>(FindEvent(game, "UnBless"));
  ASSERT_TRUE(fixture.Keys(" ").Act(UnBless));
  EXPECT_EQ(hero.attack.to_hit, to_hit);
  EXPECT_EQ(hero.defence_bonus, 0);
  ASSERT_TRUE(PutIntoSlot(game, equipment_slot::kRightHand, Item(12)));
  EXPECT_EQ(hero.attack.to_hit[hand::kRight], armed - 3);

  UseAs(game, ItemWith(game, "rStoneSkin", 2));
  EXPECT_EQ(hero.resistance_bonus[1], 3);
  EXPECT_EQ(hero.resistance_bonus[4], 0);
  EXPECT_TRUE(Logged(fixture, "Твоя кожа твердеет."));

  const int x = hero.x;
  const int y = hero.y;
  UseAs(game, ItemWith(game, "rTelek", 1));
  EXPECT_TRUE(hero.x != x || hero.y != y);
  EXPECT_TRUE(Logged(fixture, "Внезапно ты переносишься в другое место!"));
}

// The summoning scroll calls creatures of the level's monster depth, wherever the level lies.
TEST(ScrollsAndWands, SummoningCallsTheLevelsOwnCreatures) {
  struct Case {
    int place, level, depth;
  } cases[] = {{1, 100, 1}, {5, 1000, 4}};
  for (const Case& c : cases) {
    GameFixture fixture(kHall);
    Game& game = fixture.game();
    game.world.current_place = static_cast<int16_t>(c.place);
    game.world.current_level = static_cast<int16_t>(c.level);
    game.world.level.monster_depth = static_cast<uint8_t>(c.depth);
    game.world.hero.hp = game.world.hero.max_hp = 10000;
    for (int reading = 0; reading < 3; ++reading) {
      fixture.Keys(std::string(40, ' ')).Act([](Game& g) { UseAs(g, ItemWith(g, "rCRM", 1)); });
    }
    const Level& level = game.world.level;
    EXPECT_GT(level.monster_count, 0) << c.level;
    for (int slot = 1; slot <= level.monster_count; ++slot) {
      const int native = MonsterTypeConstants(level.Monster(slot).type).native_depth;
      EXPECT_LE(std::abs(native - c.depth), 1)
          << "level " << c.level << ", type " << level.Monster(slot).type;
    }
  }
}

TEST(ScrollsAndWands, CursesAreLiftedAndDoorsOpened) {
  GameFixture fixture(kHall);
  Game& game = fixture.game();
  ItemRecord cursed = Item(5);  // a dagger
  cursed.blessing = blessing::kCursed;
  ASSERT_TRUE(TakeIntoPack(game, cursed));
  InventoryState& window = game.control.inventory;
  window.pile = 0;
  window.from_equipment = false;
  window.category = item_category::kWeapon;
  window.place = 1;
  UseAs(game, ItemWith(game, "sRC", 1));
  EXPECT_EQ(game.world.piles[0].groups[item_category::kWeapon][0].blessing, blessing::kUncursed);
  EXPECT_TRUE(Logged(fixture, " на пару секунд окружается голубым свечением"));

  MapCell& door = game.world.level.Cell(5, 1);
  door.feature = feature::kClosedDoor;
  door.params[0] = 1;  // locked
  game.control.target_x = 5;
  game.control.target_y = 1;
  UseAs(game, Wand(game, "wOpen", 1));
  EXPECT_EQ(door.feature, feature::kOpenDoor);
  EXPECT_TRUE(Logged(fixture, "Дверь открывается под действитем неизвестной силы."));
  fixture.Keys("    ").Act([](Game& g) {
    OpenDoor(g, 5, 1);  // closes it
    OpenDoor(g, 5, 1);
  });
  EXPECT_EQ(door.feature, feature::kOpenDoor) << "the wand broke the lock for good";
  EXPECT_FALSE(Logged(fixture, "Эта дверь заперта!"));
  UseAs(game, Wand(game, "wOpen", 1));
  EXPECT_TRUE(Logged(fixture, "Ничего не происходит."));
}

}  // namespace
}  // namespace zaldrun
