#include "events/monster_events.hpp"

#include <gtest/gtest.h>

#include "creatures/monster_table.hpp"
#include "engine/turn.hpp"
#include "model/world_ops.hpp"
#include "records/monster_type_table.hpp"
#include "support/game_fixture.hpp"
#include "support/open_room.hpp"

namespace zaldrun {
namespace {

using testing::GameFixture;

void Fire(Game& game, void (*handler)(Game&), const char* name) {
  game.control.current_slot = static_cast<int16_t>(FindEvent(game, name));
  handler(game);
}

TEST(MonsterEvents, MonstersHealAThirtyFifthAndOneUpToTheirMaximum) {
  GameFixture fixture(testing::OpenRoom(10, 5, 1, 1));
  Game& game = fixture.game();
  const struct {
    int max_hp;
    int hp;
    int healed;
  } cases[] = {{70, 10, 13}, {34, 10, 11}, {70, 69, 70}, {20, 25, 20}};
  for (int i = 0; i < 4; ++i) {
    const int slot = CreateMonster(game, 3 + i, 2, 1, 0, 0);
    game.world.level.Monster(slot).max_hp = static_cast<int16_t>(cases[i].max_hp);
    game.world.level.Monster(slot).hp = static_cast<int16_t>(cases[i].hp);
  }
  AddEvent(game, "EnemyRegen", 0, 1);
  Fire(game, EnemyRegen, "EnemyRegen");
  for (int i = 0; i < 4; ++i) EXPECT_EQ(game.world.level.Monster(i + 1).hp, cases[i].healed) << i;
  EXPECT_EQ(game.world.events[1].countdown, 160);
}

TEST(MonsterEvents, PlantsGrowOnlyOnLevelsWithPlants) {
  GameFixture fixture(testing::OpenRoom(10, 5, 1, 1));
  Game& game = fixture.game();
  const int16_t growths[] = {30, 60, 100, 380, 400};
  for (int i = 0; i < 5; ++i) {
    MapCell& cell = game.world.level.Cell(2 + i, 3);
    cell.feature = feature::kPlant;
    cell.params[3] = growths[i];
  }
  EnemyRegen(game);
  for (int i = 0; i < 5; ++i) EXPECT_EQ(game.world.level.Cell(2 + i, 3).params[3], growths[i]);
  game.world.level.level_flags = kLevelHasPlants;
  EnemyRegen(game);
  const auto growth = [&](int i) { return game.world.level.Cell(2 + i, 3).params[3]; };
  EXPECT_EQ(growth(0), 30) << "withered plants stay withered";
  EXPECT_GE(growth(1), 40);  // Int((r + 1) * 60) - 20: 40..99
  EXPECT_LE(growth(1), 99);
  EXPECT_GE(growth(2), 104);
  EXPECT_LE(growth(2), 112);
  EXPECT_GE(growth(3), 384);
  EXPECT_EQ(growth(4), 400) << "ripe plants stop growing";
}

TEST(MonsterEvents, WanderersComeByTheSpawnRate) {
  GameFixture fixture(testing::OpenRoom(20, 8, 1, 1));
  Game& game = fixture.game();
  AddEvent(game, "CreateMon", 0, 1);
  game.world.level.monster_depth = 1;
  for (int i = 0; i < 20; ++i) Fire(game, CreateMon, "CreateMon");
  EXPECT_EQ(game.world.level.monster_count, 0) << "a spawn rate of 0 brings nobody";
  game.world.level.spawn_rate = 30;
  for (int i = 0; i < 10; ++i) {
    Fire(game, CreateMon, "CreateMon");
    const int countdown = game.world.events[1].countdown;
    EXPECT_TRUE(countdown >= 280 && countdown <= 610 && countdown % 10 == 0) << countdown;
  }
  EXPECT_EQ(game.world.level.monster_count, 10);
  for (int slot = 1; slot <= 10; ++slot) {
    const MonsterRecord& m = game.world.level.Monster(slot);
    EXPECT_LE(MonsterTypeConstants(m.type).native_depth, 2);
    EXPECT_EQ(game.world.level.Cell(m.x, m.y).monster, slot);
  }
}

TEST(MonsterEvents, TheTurnCycleCallsThemByName) {
  GameFixture fixture(testing::OpenRoom(10, 5, 1, 1));
  Game& game = fixture.game();
  AddEvent(game, "EnemyRegen", 5, 1);
  AddEvent(game, "CreateMon", 5, 1);
  AdvanceTime(game, 1000);
  EXPECT_EQ(game.world.events[1].countdown, 160);
  EXPECT_GE(game.world.events[2].countdown, 280);
}

}  // namespace
}  // namespace zaldrun
