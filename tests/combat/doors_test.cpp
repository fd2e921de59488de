// Closing doors: nothing is shut inside the wall.
#include "combat/doors.hpp"

#include <gtest/gtest.h>

#include <string>

#include "engine/monsters_on_level.hpp"
#include "support/game_fixture.hpp"

namespace zaldrun {
namespace {

using testing::GameFixture;

constexpr int kRat = 1;

TEST(DoorTest, ADoorDoesNotCloseOnACreatureInTheDoorwayButClosesOnceItIsGone) {
  GameFixture fixture({"AAAAA", "AC@CA", "AAAAA"});
  Game& game = fixture.game();
  MapCell& door = game.world.level.Cell(3, 1);
  door.feature = feature::kOpenDoor;
  const int rat = fixture.AddMonster(kRat, 3, 1);
  fixture.Keys("        ").Act([](Game& g) { OpenDoor(g, 3, 1); });
  EXPECT_EQ(fixture.LogCount("Что-то мешает закрыть дверь."), 1);
  EXPECT_EQ(door.feature, feature::kOpenDoor);
  EXPECT_EQ(game.world.level.Cell(3, 1).monster, rat);
  RemoveMonster(game, rat);
  fixture.Keys("        ").Act([](Game& g) { OpenDoor(g, 3, 1); });
  EXPECT_EQ(door.feature, feature::kClosedDoor);
}

}  // namespace
}  // namespace zaldrun
