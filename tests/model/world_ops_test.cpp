#include "model/world_ops.hpp"

#include <gtest/gtest.h>

#include <memory>

#include "engine/monsters_on_level.hpp"
#include "model/game.hpp"

namespace zaldrun {
namespace {

TEST(EventSlots, AddRemoveAndFindKeepTheSlotsDense) {
  auto game = std::make_unique<Game>();
  EXPECT_EQ(FindEvent(*game, "Regen"), 0) << "no slots at all";
  ASSERT_TRUE(AddEvent(*game, "Consumption", 50, 1));
  ASSERT_TRUE(AddEvent(*game, "Regen", 240, 2));
  ASSERT_TRUE(AddEvent(*game, "EnemyRegen", 160, 3));
  EXPECT_EQ(FindEvent(*game, "Regen"), 2);
  EXPECT_EQ(FindEvent(*game, "regen"), 0) << "names are case-sensitive";

  RemoveEvent(*game, 1);
  ASSERT_EQ(game->world.event_count, 2);
  EXPECT_EQ(game->world.events[1].name, "Regen");
  EXPECT_EQ(game->world.events[1].countdown, 240);
  EXPECT_EQ(game->world.events[1].parameter, 2);
  EXPECT_EQ(game->world.events[2].name, "EnemyRegen");
  EXPECT_EQ(game->world.events[2].countdown, 160);

  RemoveEvent(*game, game->world.event_count);  // the last slot: only the count drops
  EXPECT_EQ(game->world.event_count, 1);
  EXPECT_EQ(game->world.events[1].name, "Regen");
  RemoveEvent(*game, 7);  // outside the slots in use: nothing happens
  EXPECT_EQ(game->world.event_count, 1);
}

TEST(EventSlots, TheHundredAndFirstEventIsRefused) {
  auto game = std::make_unique<Game>();
  for (int i = 0; i < kMaxEvents; ++i) ASSERT_TRUE(AddEvent(*game, "CreateMon", i, 0));
  EXPECT_FALSE(AddEvent(*game, "Regen", 5, 0));
  EXPECT_EQ(game->world.event_count, kMaxEvents);
  EXPECT_EQ(FindEvent(*game, "Regen"), 0);
}

TEST(Monsters, RemovalShiftsLaterSlotsAndTheirCells) {
  auto game = std::make_unique<Game>();
  for (int i = 0; i < 3; ++i) {
    MonsterRecord monster;
    monster.type = static_cast<int16_t>(10 + i);
    monster.x = static_cast<uint8_t>(5 + i);
    monster.y = 5;
    ASSERT_TRUE(PlaceMonster(*game, monster));
  }
  EXPECT_EQ(FindMonsterOfType(*game, 11), 2);
  EXPECT_EQ(FindMonsterOfType(*game, 99), 0);
  game->control.target_monster = 3;

  RemoveMonster(*game, 1);
  EXPECT_EQ(game->world.level.monster_count, 2);
  EXPECT_EQ(game->world.level.Monster(1).type, 11);
  EXPECT_EQ(game->world.level.Monster(2).type, 12);
  EXPECT_EQ(game->world.level.Cell(5, 5).monster, 0);
  EXPECT_EQ(game->world.level.Cell(6, 5).monster, 1);
  EXPECT_EQ(game->world.level.Cell(7, 5).monster, 2);
  EXPECT_EQ(game->control.target_monster, 2) << "the target follows its monster";

  RemoveMonster(*game, 2);  // the last slot: its cell is cleared and the count drops
  EXPECT_EQ(game->world.level.monster_count, 1);
  EXPECT_EQ(game->world.level.Cell(7, 5).monster, 0);
  EXPECT_EQ(game->control.target_monster, 0) << "a removed target is forgotten";
}

TEST(Monsters, MovingOntoAnotherMonsterDoesNothing) {
  auto game = std::make_unique<Game>();
  for (int x : {3, 4}) {
    MonsterRecord monster;
    monster.x = static_cast<uint8_t>(x);
    monster.y = 2;
    ASSERT_TRUE(PlaceMonster(*game, monster));
  }
  MoveMonster(*game, 1, 4, 2);
  EXPECT_EQ(game->world.level.Monster(1).x, 3);
  MoveMonster(*game, 1, 3, 3);
  EXPECT_EQ(game->world.level.Cell(3, 2).monster, 0);
  EXPECT_EQ(game->world.level.Cell(3, 3).monster, 1);
  EXPECT_EQ(game->world.level.Monster(1).y, 3);
}

}  // namespace
}  // namespace zaldrun
