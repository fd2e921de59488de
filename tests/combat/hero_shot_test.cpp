#include <gtest/gtest.h>

#include <regex>
#include <string>

#include "combat/missiles.hpp"
#include "creatures/monster_table.hpp"
#include "engine/skills.hpp"
#include "items/equipment.hpp"
#include "items/hand_figures.hpp"
#include "items/item_maker.hpp"
#include "items/pack.hpp"
#include "support/game_fixture.hpp"
#include "support/open_room.hpp"

namespace zaldrun {
namespace {

using testing::GameFixture;

constexpr int kRat = 1;
constexpr int kDart = 36;
constexpr int kShortBow = 94;
constexpr int kArrow = 98;

class HeroShotTest : public ::testing::Test {
 protected:
  HeroShotTest() : fixture_(testing::OpenRoom(14, 5, 2, 2)) {
    Hero& hero = game().world.hero;
    hero.to_hit = 1000;
    hero.fortune = -1000;
    hero.hp = hero.max_hp = 100;
    hero.max_weight = 100000;
    slot_ = CreateMonster(game(), 8, 2, kRat, 0, 0);
    Rat().hp = Rat().max_hp = 1000;
    Rat().defence = 5;
    Rat().speed = 0;  // it stays where it is shot at
    Ready(kDart, 5);
  }
  Game& game() { return fixture_.game(); }
  MonsterRecord& Rat() { return game().world.level.Monster(slot_); }
  ItemRecord& Quiver() { return game().world.hero.equipment[equipment_slot::kAmmunition]; }
  void Ready(int type, int count) {
    ClearSlot(game(), equipment_slot::kAmmunition);
    ItemRequest request{.type = type, .blessing = blessing::kUncursed, .count = count};
    request.prefix = request.suffix = 0;
    const auto item = MakeItem(game(), request);
    ASSERT_TRUE(item.has_value());
    ASSERT_TRUE(PutIntoSlot(game(), equipment_slot::kAmmunition, *item));
    game().world.hero.carried_weight = StackWeight(game(), *item, item->count);
  }
  void Shoot() {
    fixture_.Keys("        ").Act([&](Game& g) { HeroShot(g, 8, 2); });
  }
  std::string Shown() {
    const std::string& line = game().view.message_line;
    return line.size() > 1 ? line.substr(1) : line;
  }

  GameFixture fixture_;
  int slot_ = 0;
};

TEST_F(HeroShotTest, AThrowHitsSpendsOnePieceAndItsWeightAndTakesAPlainTurn) {
  ASSERT_TRUE(MissileReady(game()));
  const int32_t weight = game().world.hero.carried_weight;
  const int32_t piece = StackWeight(game(), Quiver(), 5) - StackWeight(game(), Quiver(), 4);
  Shoot();
  EXPECT_TRUE(std::regex_match(Shown(), std::regex("Ты попал в крысу\\. \\(\\d+\\)"))) << Shown();
  EXPECT_LT(Rat().hp, 1000);
  EXPECT_EQ(Quiver().count, 4);
  EXPECT_EQ(game().world.hero.carried_weight, weight - piece);
  EXPECT_EQ(game().world.hero.missile_practice, 2);
  EXPECT_EQ(ShotCost(game()), 1000) << "no launcher and no throwing skill";
  EXPECT_EQ(game().world.hero.last_action_time, 10);
  EXPECT_FALSE(game().view.field.selection_visible) << "the flying object is hidden again";
  // The last piece empties the quiver.
  Ready(kDart, 1);
  Shoot();
  EXPECT_EQ(Quiver().count, 0);
  EXPECT_FALSE(MissileReady(game()));
  EXPECT_EQ(game().world.hero.carried_weight, 0);
  // Practice that brings the throwing skill to a new level reaches the next throw at once.
  Skill& throwing = game().world.hero.SkillAt(12);
  throwing.value = 1.99f;
  throwing.learning_rate = 1000;
  throwing.cap = 30;
  RefreshCombatValues(game(), 12);
  Ready(kDart, 5);
  const int16_t to_hit = game().world.hero.attack.to_hit[hand::kMissile];
  game().world.hero.missile_practice = 23;
  Shoot();
  EXPECT_EQ(game().world.hero.attack.to_hit[hand::kMissile], to_hit + 5) << "throwing 2: 5, not 0";
}

TEST_F(HeroShotTest, MissCriticalAndPeacefulTarget) {
  game().world.hero.to_hit = 0;
  Rat().peaceful = 1;
  Shoot();
  EXPECT_EQ(Shown(), "Ты промахнулся по крысе.");
  EXPECT_EQ(Rat().peaceful, 0) << "a shot angers even when it misses";

  game().world.hero.to_hit = 1000;
  game().world.hero.fortune = 1000;
  game().view.message_line.clear();
  Shoot();
  EXPECT_TRUE(std::regex_match(Shown(), std::regex("Ты метко попал в крысу\\. \\(\\d+\\)")))
      << Shown();
  EXPECT_EQ(game().world.hero.missile_practice, 5);
}

TEST_F(HeroShotTest, ABowShotCostsItsSpeedLessSkillButNeverBelowTheFloor) {
  ItemRequest bow{.type = kShortBow, .blessing = blessing::kUncursed, .count = 1};
  bow.prefix = bow.suffix = 0;
  ASSERT_TRUE(PutIntoSlot(game(), equipment_slot::kLauncher, *MakeItem(game(), bow)));
  Ready(kArrow, 3);
  ASSERT_TRUE(MissileReady(game()));
  const int speed = game().world.item_types[kShortBow].speed;
  game().world.hero.SkillAt(9).value = 4.7f;
  EXPECT_EQ(ShotCost(game()), speed - 60);
  game().world.hero.SkillAt(9).value = 200;
  EXPECT_EQ(ShotCost(game()), 100);
  game().world.hero.SkillAt(12).value = 200;
  ClearSlot(game(), equipment_slot::kLauncher);
  EXPECT_EQ(ShotCost(game()), 100) << "throwing has the same floor";
}

TEST_F(HeroShotTest, AWallInTheWayStopsTheMissileBeforeIt) {
  game().world.level.SetTerrain(5, 2, 'A');
  Shoot();
  EXPECT_EQ(Rat().hp, 1000);
  EXPECT_EQ(Quiver().count, 4);
  EXPECT_EQ(game().view.field.landing_x, 4);
  EXPECT_EQ(game().view.field.landing_y, 2);
}

TEST_F(HeroShotTest, MostDartsLandWholeAndTheRestBreak) {
  Ready(kDart, 40);
  for (int i = 0; i < 40; ++i) {
    fixture_.Keys("    ").Act([](Game& g) { HeroShot(g, 5, 3); });
  }
  EXPECT_EQ(Quiver().count, 0);
  const MapCell& cell = game().world.level.Cell(5, 3);
  ASSERT_GT(cell.item, kLooseItemBase);
  const int landed =
      game().world.level.loose_items[static_cast<size_t>(cell.item - kLooseItemBase)].count;
  EXPECT_GT(landed, 18) << "seven in ten land";
  EXPECT_LT(landed, 40) << "some break";
}

TEST_F(HeroShotTest, TheShootCommandAimsAtTheMonsterAndFires) {
  fixture_.Keys("t{Enter}        ").PlayKeys();
  bool shot = false;
  for (const std::string& line : fixture_.LogLines()) {
    shot = shot || std::regex_match(line, std::regex("Ты попал в крысу\\. \\(\\d+\\)"));
  }
  EXPECT_TRUE(shot);
  EXPECT_EQ(Quiver().count, 4);
}

}  // namespace
}  // namespace zaldrun
