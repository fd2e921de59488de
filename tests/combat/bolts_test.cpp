#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/cp1251.hpp"
#include "combat/doors.hpp"
#include "combat/missile_flight.hpp"
#include "combat/missiles.hpp"
#include "model/type_info.hpp"
#include "records/game_enums.hpp"
#include "support/game_fixture.hpp"
#include "ui/layout.hpp"

namespace zaldrun {
namespace {

using testing::GameFixture;

constexpr int kRat = 1;

// A corridor along row 2 with a wall across it at x = 8 and a room cell beyond.
std::vector<std::string> Corridor() {
  return {"AAAAAAAAAAAA", "AAAAAAAAAAAA", "AA@CCCCCACCA", "AAAAAAAAAAAA"};
}

class BoltTest : public ::testing::Test {
 protected:
  BoltTest() : fixture_(Corridor()) {
    Hero& hero = game().world.hero;
    hero.hp = hero.max_hp = 500;
    near_ = fixture_.AddMonster(kRat, 4, 2);
    far_ = fixture_.AddMonster(kRat, 6, 2);
    behind_ = fixture_.AddMonster(kRat, 9, 2);
    for (int slot : {near_, far_, behind_}) {
      game().world.level.Monster(slot).hp = game().world.level.Monster(slot).max_hp = 100;
    }
  }
  Game& game() { return fixture_.game(); }
  int Count(const std::string& line) { return fixture_.LogCount(line); }
  void Run(const std::function<void(Game&)>& action) {
    fixture_.Keys("                ").Act(action);
  }

  GameFixture fixture_;
  int near_ = 0;
  int far_ = 0;
  int behind_ = 0;
};

TEST_F(BoltTest, ABoltPassesThroughEveryCreatureAndStopsAtTheWall) {
  Run([](Game& g) { Bolt(g, 2, 2, 1, 0, 8, 10, 10, damage_kind::kFire, true); });
  EXPECT_EQ(Count("Струя огня попадает в крысу."), 2);
  EXPECT_EQ(game().world.level.Monster(near_).hp, 90);
  EXPECT_EQ(game().world.level.Monster(far_).hp, 90);
  EXPECT_EQ(game().world.level.Monster(behind_).hp, 100) << "the wall at x = 8 stops it";
  EXPECT_EQ(game().world.level.Monster(near_).peaceful, 0);
}

TEST_F(BoltTest, AKillOnTheWayMovesNoOtherMonsterOutOfTheBoltsPath) {
  game().world.level.Monster(near_).hp = 1;
  Run([](Game& g) { Bolt(g, 2, 2, 1, 0, 8, 10, 10, damage_kind::kCold, true); });
  ASSERT_EQ(game().world.level.monster_count, 2);
  EXPECT_EQ(game().world.level.Cell(4, 2).monster, 0);
  const int far_now = game().world.level.Cell(6, 2).monster;
  ASSERT_NE(far_now, 0);
  EXPECT_EQ(game().world.level.Monster(far_now).hp, 90);
  EXPECT_EQ(game().world.kill_counts[kRat], 1) << "the hero's bolt counts its kill";
}

TEST_F(BoltTest, ABreathFromAMonsterBurnsTheHeroOnItsLine) {
  // From the far rat back toward the hero: through the near rat, then the hero.
  Run([](Game& g) { Bolt(g, 6, 2, -1, 0, 5, 7, 7, damage_kind::kFire, false); });
  EXPECT_EQ(Count("Струя огня попадает в тебя!"), 1);
  EXPECT_EQ(game().world.hero.hp, 493);
  EXPECT_EQ(game().world.level.Monster(near_).hp, 93);
  EXPECT_EQ(game().world.level.Monster(far_).hp, 100) << "the start cell is not on the line";
}

TEST_F(BoltTest, ABurstBurnsTheSquareAndNeverHealsTheHero) {
  game().world.hero.resistance_base[damage_kind::kFire] = 100;
  // A 3 × 3 burst around (3, 2) covers the hero and the near rat, not the far one.
  Run([](Game& g) { FlameBurst(g, 3, 2, 5, 5, 3, false); });
  EXPECT_EQ(Count("Крыса окружён языками жаркого пламени!"), 1);
  EXPECT_EQ(Count("Ты окружён языками жаркого пламени!"), 1);
  EXPECT_EQ(Count("Но пламя не причинило тебе вреда."), 1);
  EXPECT_EQ(game().world.hero.hp, 500);
  EXPECT_EQ(game().world.level.Monster(near_).hp, 95);
  EXPECT_EQ(game().world.level.Monster(far_).hp, 100);
}

TEST_F(BoltTest, OnlyTheHerosBurstAngersWhatItBurnsAndEarnsItsKills) {
  Level& level = game().world.level;
  level.Monster(near_).peaceful = 1;
  level.Monster(far_).peaceful = 1;
  level.Monster(far_).hp = 8;
  // A 5 × 5 burst around (5, 2) burns both rats: a trap's burst first, then the hero's.
  for (const bool by_hero : {false, true}) {
    Run([by_hero](Game& g) { FlameBurst(g, 5, 2, 5, 5, 5, by_hero); });
    EXPECT_EQ(level.Monster(near_).peaceful, by_hero ? 0 : 1) << by_hero;
    EXPECT_EQ(game().world.kill_counts[kRat], by_hero ? 1 : 0) << by_hero;
    EXPECT_EQ(Count("Ты убил крысу!"), by_hero ? 1 : 0) << by_hero;
  }
  EXPECT_EQ(level.monster_count, 2);
}

TEST_F(BoltTest, AnimationsPlayOverTheMonstersInSightRightAfterAStep) {
  struct Case {
    const char* what;
    std::function<void(Game&)> play;
  };
  const Case cases[] = {
      {"a missile", [](Game& g) { FlyObject(g, 6, 2, 2, 2, '|', 255); }},
      {"a bolt", [](Game& g) { Bolt(g, 5, 2, -1, 0, 2, 0, 0, damage_kind::kFire, false); }},
      {"a burst", [](Game& g) { FlameBurst(g, 3, 2, 0, 0, 3, false); }},
  };
  const char32_t rat = Cp1251ToUnicode(MonsterTypeGlyph(game(), kRat).glyph);
  for (const Case& c : cases) {
    DarkenSight(game());  // a step shows the old view as remembered until the turn ends
    Run(c.play);
    const platform::Grid& frame = *fixture_.frontend().last_grid();
    EXPECT_EQ(frame.At(layout::kMapLeft + 6, layout::kMapTop + 2).ch, rat) << c.what;
  }
}

}  // namespace
}  // namespace zaldrun
