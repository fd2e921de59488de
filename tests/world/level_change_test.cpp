// The level change: levels kept in their files while the hero is away, the arrival rules (a given
// cell, the link back on any border, a free cell instead of a blocked one), and the faults of
// writing and reading level files. The stairs command: world_trip_test.cpp.
#include "world/level_change.hpp"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <tuple>
#include <vector>

#include "levelgen/places.hpp"
#include "model/game.hpp"
#include "support/game_fixture.hpp"
#include "support/temp_folder.hpp"
#include "world/level_file.hpp"

namespace zaldrun {
namespace {

using testing::GameFixture;

bool Change(GameFixture& fixture, int place, int level, int x, int y) {
  bool changed = false;
  fixture.Act([&](Game& g) { changed = ChangeLevel(g, place, level, x, y); });
  fixture.game().view.message_line.clear();
  return changed;
}

TEST(LevelChange, TheLinkBackIsFoundOnEveryBorderAndInside) {
  struct Case {
    int x, y, feature, expect_x, expect_y;
  };
  const Case cases[] = {
      {40, 39, feature::kEdgeExit, 40, 38}, {79, 12, feature::kEdgeExit, 78, 12},
      {10, 0, feature::kEdgeExit, 10, 1},   {0, 15, feature::kEdgeExit, 1, 15},
      {30, 20, feature::kStairsUp, 30, 20}, {31, 21, feature::kStairsDown, 31, 21},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.x) + "," + std::to_string(c.y));
    Game game;
    MapCell& cell = game.world.level.Cell(c.x, c.y);
    cell.feature = static_cast<int16_t>(c.feature);
    cell.params = {7, 2, 0, 0};
    const ArrivalCell arrival = FindLinkBack(game, 7, 2);
    ASSERT_TRUE(arrival.found);
    EXPECT_EQ(arrival.x, c.expect_x);
    EXPECT_EQ(arrival.y, c.expect_y);
    EXPECT_FALSE(FindLinkBack(game, 7, 3).found) << "another level's link is not taken";
  }
}

// Arrivals other than (0, 0) are used as given; a blocked arrival moves to the nearest free cell.
// (A new game's start on the overworld is checked by e2e/world_terminal.sh.)
TEST(LevelChange, ArrivalsFromTheOverworld) {
  GameFixture fixture({"@"}, 4);
  ASSERT_TRUE(fixture.StartOn(place::kWorld, place::kOverworld));
  Game& game = fixture.game();
  // The old cellars: the stairs are at (4, 3), yet (3, 3) is where the hero is sent.
  ASSERT_TRUE(Change(fixture, place::kWorld, place::kCellars, 3, 3));
  EXPECT_EQ(game.world.hero.x, 3);
  EXPECT_EQ(game.world.hero.y, 3);
  ASSERT_TRUE(Change(fixture, place::kWorld, place::kOverworld, 33, 24));

  // (3, 6) is the town's arrival; a goblin stands there when the hero comes again.
  ASSERT_TRUE(Change(fixture, place::kWorld, place::kTown, 4, 6));
  fixture.AddMonster(8, 3, 6);
  ASSERT_TRUE(Change(fixture, place::kWorld, place::kOverworld, 33, 24));
  ASSERT_TRUE(Change(fixture, place::kWorld, place::kTown, 3, 6));
  EXPECT_FALSE(game.world.hero.x == 3 && game.world.hero.y == 6);
  EXPECT_LE(std::abs(game.world.hero.x - 3) + std::abs(game.world.hero.y - 6), 2)
      << "the nearest free cell";
  // Water is no place to stand either.
  ASSERT_TRUE(Change(fixture, place::kWorld, place::kVillage, 57, 12));
  int wx = -1;
  int wy = -1;
  for (int y = 1; y < 39 && wx < 0; ++y) {
    for (int x = 1; x < 79 && wx < 0; ++x) {
      if (game.world.level.Terrain(x, y) == 'H') std::tie(wx, wy) = std::pair{x, y};
    }
  }
  ASSERT_GE(wx, 0);
  ASSERT_TRUE(Change(fixture, place::kWorld, place::kVillage, wx, wy));
  EXPECT_NE(game.world.level.Terrain(game.world.hero.x, game.world.hero.y), 'H');
}

TEST(LevelChange, AFileThatCannotBeWrittenKeepsTheHeroWhereHeIs) {
  GameFixture fixture({"@"}, 6);
  ASSERT_TRUE(fixture.StartOn(place::kEndless, 1));
  Game& game = fixture.game();
  std::filesystem::remove_all(game.session.SaveFolder());
  testing::WriteFileText(game.session.SaveFolder(), "not a folder");
  const int hx = game.world.hero.x;
  fixture.Keys("{Space}{Space}");
  bool changed = true;
  fixture.Act([&](Game& g) { changed = ChangeLevel(g, place::kEndless, 2, 0, 0); });
  EXPECT_FALSE(changed);
  EXPECT_EQ(game.world.current_level, 1);
  EXPECT_EQ(game.world.hero.x, hx);
  const std::vector<std::string> log = fixture.LogLines();
  ASSERT_FALSE(log.empty());
  EXPECT_NE(log.back().find("Lev5_1.lev"), std::string::npos) << log.back();
}

TEST(LevelChange, ADamagedLevelFileIsBuiltAnew) {
  GameFixture fixture({"@"}, 8);
  ASSERT_TRUE(fixture.StartOn(place::kEndless, 1));
  Game& game = fixture.game();
  ASSERT_TRUE(Change(fixture, place::kEndless, 2, 0, 0));
  // Only its file is left, and that is damaged.
  ASSERT_EQ(game.world.kept_levels.erase({place::kEndless, 1}), 1u);
  testing::WriteFileText(game.session.SaveFolder() / "Lev5_1.lev", "short");
  fixture.Keys("{Space}{Space}");
  bool changed = false;
  fixture.Act([&](Game& g) { changed = ChangeLevel(g, place::kEndless, 1, 0, 0); });
  EXPECT_TRUE(changed);
  const std::vector<std::string> log = fixture.LogLines();
  ASSERT_FALSE(log.empty());
  EXPECT_NE(log.back().find("построен заново"), std::string::npos) << log.back();
  EXPECT_EQ(game.world.current_level, 1);
  // The new level 1 has its own way down to level 2, and the hero comes up on it.
  const MapCell& arrival = game.world.level.Cell(game.world.hero.x, game.world.hero.y);
  EXPECT_EQ(arrival.feature, feature::kStairsDown);
  EXPECT_EQ(arrival.params[1], 2);
}

}  // namespace
}  // namespace zaldrun
