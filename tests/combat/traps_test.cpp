// Traps under the hero and under monsters, and falling rocks.
#include "combat/traps.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "actions/movement.hpp"
#include "engine/condition.hpp"
#include "engine/monsters_on_level.hpp"
#include "records/game_enums.hpp"
#include "support/game_fixture.hpp"

namespace zaldrun {
namespace {

using testing::GameFixture;

constexpr int kRat = 1;
constexpr int kBat = 4;  // flies over traps

std::vector<std::string> Room() {
  return {"AAAAAAAAAAAAA", "ACCCCCCCCCCCA", "AC@CCCCCCCCCA", "ACCCCCCCCCCCA", "AAAAAAAAAAAAA"};
}

class TrapTest : public ::testing::Test {
 protected:
  TrapTest() : fixture_(Room()) {
    Hero& hero = game().world.hero;
    hero.hp = hero.max_hp = 500;
    hero.attributes.current[attribute::kDexterity] = 0;
    hero.attributes.current[attribute::kPerception] = 0;
  }
  Game& game() { return fixture_.game(); }
  void Trap(int x, int y, int kind, int feature = feature::kHiddenTrap) {
    MapCell& cell = game().world.level.Cell(x, y);
    cell.feature = static_cast<int16_t>(feature);
    cell.params[0] = static_cast<int16_t>(kind);
  }
  bool Logged(const std::string& text) { return fixture_.LogHas(text); }
  void Run(const std::function<void(Game&)>& action) {
    fixture_.Keys("                ").Act(action);
  }
  MonsterRecord& Monster(int slot) { return game().world.level.Monster(slot); }

  GameFixture fixture_;
};

// With no luck and no agility the hero never jumps aside; each trap hurts within its roll.
TEST_F(TrapTest, EachTrapHurtsTheHeroWithinItsRollAndNamesTheEnd) {
  struct Case {
    int kind;
    const char* message;
    int low, high;
    int end_reason;
  };
  const Case cases[] = {
      {trap_kind::kFire, "Тебя обожгло пламя! (", 7, 17, 11},
      {trap_kind::kSpears, "Из пола с лязгом вылезают копья и протыкают тебя!", 29, 54, 14},
      {trap_kind::kDart, "В тебя попал дротик и пробил сквозь броню! (", 6, 14, 13},
      {trap_kind::kRake, "Ты наступил на грабли и получил удар по лбу! (", 4, 12, 12},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.kind);
    Hero& hero = game().world.hero;
    hero.hp = 500;
    hero.fortune = -500;
    Trap(2, 2, c.kind);
    Run([](Game& g) { TrapAt(g, 2, 2); });
    EXPECT_TRUE(Logged(c.message));
    EXPECT_GE(500 - hero.hp, c.low);
    EXPECT_LE(500 - hero.hp, c.high);
    EXPECT_EQ(game().control.end_reason, c.end_reason);
  }
}

TEST_F(TrapTest, StrongArmourTurnsTrapsAsideWithoutHealing) {
  Hero& hero = game().world.hero;
  hero.fortune = -500;
  hero.resistance_base[damage_kind::kPhysical2] = 1000;
  hero.resistance_base[damage_kind::kPhysical3] = 1000;
  Trap(2, 2, trap_kind::kSpears);
  Run([](Game& g) { TrapAt(g, 2, 2); });
  EXPECT_TRUE(Logged("К счастью, твоя броня оказалась крепка."));
  Run([](Game& g) { RockFall(g, 2, 2, 2); });
  EXPECT_TRUE(Logged("Тебе на голову упал тяжёлый кирпич!"));
  EXPECT_EQ(hero.hp, 500);
}

TEST_F(TrapTest, ALuckyHeroJumpsAsideFromFireAndGas) {
  game().world.hero.fortune = 1000;
  Trap(2, 2, trap_kind::kFire);
  Run([](Game& g) { TrapAt(g, 2, 2); });
  Trap(2, 2, trap_kind::kPoisonGas);
  Run([](Game& g) { TrapAt(g, 2, 2); });
  EXPECT_TRUE(Logged("Ты вовремя успел отскочить!"));
  EXPECT_TRUE(Logged("Ты успел отскочить, как в воздухе появилось облако яда!"));
  EXPECT_EQ(game().world.hero.hp, 500);
  EXPECT_EQ(game().world.hero.poison, 0);
}

TEST_F(TrapTest, GasPoisonsTheHeroAndIsRecordedAsThePoisoner) {
  Hero& hero = game().world.hero;
  hero.fortune = -500;
  Trap(2, 2, trap_kind::kPoisonGas);
  Run([](Game& g) { TrapAt(g, 2, 2); });
  EXPECT_TRUE(Logged("Ты отравлен!"));
  EXPECT_GE(hero.poison, 18);
  EXPECT_LE(hero.poison, 46);
  EXPECT_EQ(game().control.poisoner_type, -5);
  EXPECT_TRUE(game().view.labels.Has(Condition::kPoisoned));
  hero.poison = 0;
  hero.poison_resistance = 20;
  Run([](Game& g) { TrapAt(g, 2, 2); });
  EXPECT_TRUE(Logged("Яд не причинил тебе вреда."));
  EXPECT_EQ(hero.poison, 0);
}

TEST_F(TrapTest, ATeleportTrapCarriesTheHeroAway) {
  Trap(3, 2, trap_kind::kTeleport);
  Run([](Game& g) { MoveHero(g, 3, 2); });
  EXPECT_TRUE(Logged("Внезапно ты переносишься в другое место!"));
  EXPECT_FALSE(game().world.hero.x == 3 && game().world.hero.y == 2);
}

TEST_F(TrapTest, AMonsterSteppingOnATrapInSightIsHurtButAFlyerIsNotAndRocksFallOnIt) {
  const int rat = fixture_.AddMonster(kRat, 6, 2);
  const int bat = fixture_.AddMonster(kBat, 6, 3);
  for (int slot : {rat, bat}) Monster(slot).hp = Monster(slot).max_hp = 100;
  Trap(7, 2, trap_kind::kSpears);
  Trap(7, 3, trap_kind::kSpears);
  Run([&](Game& g) {
    StepMonster(g, rat, 7, 2);
    StepMonster(g, bat, 7, 3);
  });
  EXPECT_TRUE(Logged("Из пола с лязгом вылезают копья и протыкают крысу!"));
  EXPECT_GE(Monster(rat).hp, 100 - 54);
  EXPECT_LE(Monster(rat).hp, 100 - 29);
  EXPECT_EQ(Monster(bat).hp, 100);
  EXPECT_EQ(Monster(bat).x, 7) << "the flyer still moves";
  // A rock falling on a monster hits it within the roll.
  Monster(rat).hp = 100;
  Run([&](Game& g) { RockFall(g, 7, 2, 1); });
  EXPECT_TRUE(Logged("На крысу падает булыжник!"));
  EXPECT_GE(Monster(rat).hp, 100 - 28);
  EXPECT_LE(Monster(rat).hp, 100 - 15);
}

TEST_F(TrapTest, AMonsterOutOfSightSetsOffTrapsTooAndTheHeroHearsThem) {
  game().world.hero.sight_radius = 1;
  struct Case {
    int kind;
    const char* heard;
    const char* seen;
  } cases[] = {
      {trap_kind::kFire, "Ты слышишь треск пламени и чей-то вопль.", "вспыхивает пламя!"},
      {trap_kind::kFireColumn, "Ты чувствуешь запах горелой плоти.", "окружён языками"},
      {trap_kind::kSpears, "Ты слышишь лязг металла и чей-то вопль.", "протыкают крысу!"},
      {trap_kind::kPoisonGas, "Ты слышишь шипение газа.", "окружает облако яда!"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.kind);
    const int rat = fixture_.AddMonster(kRat, 9, 2);
    Monster(rat).hp = Monster(rat).max_hp = 100;
    Trap(10, 2, c.kind);
    Run([&](Game& g) { StepMonster(g, rat, 10, 2); });
    EXPECT_TRUE(Logged(c.heard));
    EXPECT_LT(Monster(rat).hp, 100);
    EXPECT_FALSE(Logged(c.seen)) << "nothing of what only the eyes would tell";
    RemoveMonster(game(), rat);
  }
}

}  // namespace
}  // namespace zaldrun
