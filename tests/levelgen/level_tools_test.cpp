// The builder's tools: room marks and margins, carving, winding paths kept off the border, edge
// exits, the four-digit cell lists, and corridors that carve stone floor between two doors.
#include "levelgen/level_tools.hpp"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "levelgen/corridor.hpp"
#include "model/game.hpp"

namespace zaldrun {
namespace {

TEST(LevelTools, RoomsMarkOnlyTheInnerAreaAndTheTableHoldsForty) {
  Game game;
  ResetLevel(game, 'A');
  EXPECT_EQ(RegisterRoom(game, 0, 0, 5, 5, 3), 1);
  const Level& level = game.world.level;
  EXPECT_EQ(level.Cell(0, 0).room, 0) << "the border is never marked";
  EXPECT_EQ(level.Cell(1, 1).room, 1);
  EXPECT_EQ(level.Cell(5, 5).room, 1);
  EXPECT_EQ(level.RoomAt(1).kind, 3);
  for (int r = 2; r <= kMaxRooms; ++r) EXPECT_EQ(RegisterRoom(game, 10, 10, 11, 11, 0), r);
  EXPECT_EQ(RegisterRoom(game, 20, 20, 21, 21, 0), 0) << "a 41st room is refused";
  EXPECT_EQ(level.room_count, kMaxRooms);
  EXPECT_EQ(level.Cell(20, 20).room, 0);
}

TEST(LevelTools, AreaFreeNeedsAMarginInsideTheMapAndNoMarks) {
  Game game;
  ResetLevel(game, 'A');
  struct Case {
    int x1, x2, y1, y2;
    bool free;
  };
  const Case cases[] = {{1, 10, 1, 10, true}, {0, 10, 1, 10, false}, {1, 10, 0, 10, false},
                        {60, 77, 5, 9, true}, {60, 78, 5, 9, false}, {5, 9, 30, 37, true},
                        {5, 9, 30, 38, false}};
  for (const Case& c : cases) {
    EXPECT_EQ(RoomAreaFree(game.world.level, c.x1, c.x2, c.y1, c.y2), c.free)
        << c.x1 << ".." << c.x2 << " x " << c.y1 << ".." << c.y2;
  }
  CarveRoom(game, 14, 14, 10, 10, 'C');  // corners in any order
  EXPECT_EQ(game.world.level.Terrain(10, 10), 'C');
  EXPECT_EQ(game.world.level.Terrain(14, 14), 'C');
  EXPECT_EQ(game.world.level.Terrain(9, 9), 'A') << "the walls stay";
  EXPECT_EQ(game.world.level.Cell(9, 9).room, 1) << "the walls belong to the room";
  EXPECT_FALSE(RoomAreaFree(game.world.level, 16, 20, 16, 20)) << "touching the walls";
  EXPECT_TRUE(RoomAreaFree(game.world.level, 17, 20, 17, 20));
}

TEST(LevelTools, WindingPathsStayOffTheBorderAndEdgeCellsAvoidCorners) {
  for (uint64_t seed = 1; seed <= 20; ++seed) {
    Game game;
    game.random.Seed(seed);
    ResetLevel(game, 'N');
    const CellPos start = RandomEdgeCell(game);
    const bool on_border = start.x == 0 || start.x == 79 || start.y == 0 || start.y == 39;
    EXPECT_TRUE(on_border);
    EXPECT_FALSE((start.x == 0 || start.x == 79) && (start.y == 0 || start.y == 39));
    RandomWalk(game, start.x, start.y, 2000, 'D');
    for (int x = 0; x < kMapWidth; ++x) {
      for (int y = 0; y < kMapHeight; ++y) {
        const bool border = x == 0 || x == 79 || y == 0 || y == 39;
        if (border && !(x == start.x && y == start.y)) {
          ASSERT_EQ(game.world.level.Terrain(x, y), 'N') << x << "," << y;
        }
      }
    }
  }
}

TEST(LevelTools, EdgeExitsCoverTheWholeBorder) {
  Game game;
  ResetLevel(game, 'D');
  SetEdgeExits(game, 1, 100, 33, 24);
  int exits = 0;
  for (const MapCell& cell : game.world.level.cells) {
    if (cell.feature == feature::kEdgeExit) {
      ++exits;
      EXPECT_EQ(cell.params, (std::array<int16_t, 4>{1, 100, 33, 24}));
    }
  }
  EXPECT_EQ(exits, 2 * 80 + 2 * 38);
  EXPECT_EQ(game.world.level.Cell(1, 1).feature, 0);
}

TEST(LevelTools, CellListsAreFourDigitsEach) {
  std::string list;
  AppendCell(list, 7, 23);
  AppendCell(list, 78, 3);
  EXPECT_EQ(list, "07237803");
  const std::vector<CellPos> cells = ParseCells(list);
  ASSERT_EQ(cells.size(), 2u);
  EXPECT_EQ(cells[0], (CellPos{7, 23}));
  EXPECT_EQ(cells[1], (CellPos{78, 3}));
  EXPECT_TRUE(ParseCells("").empty());
}

TEST(Corridor, CarvesStoneFloorThroughRockBetweenTwoDoorsAndKeepsSecretDoors) {
  for (uint64_t seed = 1; seed <= 10; ++seed) {
    Game game;
    game.random.Seed(seed);
    ResetLevel(game, 'A');
    CarveRoom(game, 5, 5, 10, 10, 'M');
    CarveRoom(game, 50, 25, 60, 30, 'M');
    // Doors in the walls: the right wall of the first room, the top wall of the second.
    PutDoor(game, 11, 7, false, 0, 0, 'M', 'A');
    PutDoor(game, 55, 24, true, 0, 0, 'M', 'A');
    DigCorridor(game, 11, 7, 55, 24);
    const Level& level = game.world.level;
    EXPECT_EQ(level.Terrain(55, 24), 'A') << "the secret door keeps its wall";
    EXPECT_EQ(level.Terrain(12, 7), 'C') << "the corridor leaves the first door";
    EXPECT_EQ(level.Terrain(55, 23), 'C') << "and reaches the second";
    for (int y = 0; y < kMapHeight; ++y) {
      for (int x = 0; x < kMapWidth; ++x) {
        const char letter = level.Terrain(x, y);
        if (level.Cell(x, y).room == 0) {
          EXPECT_TRUE(letter == 'A' || letter == 'C') << x << "," << y;
        } else if (letter != 'A' && level.Cell(x, y).feature == 0) {
          EXPECT_EQ(letter, 'M') << "rooms are left alone " << x << "," << y;
        }
      }
    }
  }
}

// One digger serves all corridors of a level: each corridor is the one a fresh digger would dig,
// whatever the corridors before it left in the distance map (doors on the map's edge included).
TEST(Corridor, ADiggerKeptForManyCorridorsDigsWhatFreshOnesDig) {
  const int kDoors[][4] = {{11, 7, 55, 24}, {55, 24, 11, 7}, {0, 7, 78, 38},
                           {30, 30, 11, 7}, {11, 7, 11, 7},  {61, 27, 79, 20}};
  auto fresh_level = [](uint64_t seed) {
    auto game = std::make_unique<Game>();
    game->random.Seed(seed);
    ResetLevel(*game, 'A');
    CarveRoom(*game, 5, 5, 10, 10, 'M');
    CarveRoom(*game, 50, 25, 60, 30, 'M');
    return game;
  };
  for (uint64_t seed = 1; seed <= 5; ++seed) {
    auto kept = fresh_level(seed);
    auto single = fresh_level(seed);
    CorridorDigger digger(kept->world.level);
    for (const auto& d : kDoors) {
      digger.Dig(*kept, d[0], d[1], d[2], d[3]);
      DigCorridor(*single, d[0], d[1], d[2], d[3]);
      ASSERT_EQ(kept->world.level.terrain, single->world.level.terrain)
          << "seed " << seed << ", corridor from " << d[0] << "," << d[1];
    }
  }
}

TEST(LevelTools, ResetLevelLeavesNothingOfTheLevelBefore) {
  Game game;
  ResetLevel(game, 'B');
  const Level blank = game.world.level;
  Level& level = game.world.level;
  RegisterRoom(game, 2, 2, 9, 9, 1);
  level.Cell(3, 3) = MapCell{1, 'x', 7, 1001, 4, {1, 2, 3, 4}, 5, 6, 7};
  level.Monster(1).hp = 9;
  level.monster_count = 1;
  level.monster_list = "002";
  level.door_candidates = "0101";
  level.links[1].place = 5;
  level.loose_items[1].count = 3;
  game.world.piles[7].groups[2].push_back(ItemRecord{});
  game.world.piles[7].first = 1;

  ResetLevel(game, 'B');
  EXPECT_EQ(level.terrain, blank.terrain);
  for (int i = 0; i < kMapWidth * kMapHeight; ++i) {
    const MapCell& a = level.cells[static_cast<size_t>(i)];
    const MapCell& b = blank.cells[static_cast<size_t>(i)];
    ASSERT_TRUE(a.seen == b.seen && a.remembered_glyph == b.remembered_glyph && a.item == 0 &&
                a.feature == 0 && a.params == b.params && a.room == 0 && a.monster == 0)
        << "cell " << i;
  }
  EXPECT_EQ(level.Cell(3, 3).remembered_glyph, ' ');
  EXPECT_EQ(level.Monster(1).hp, 0);
  EXPECT_EQ(level.monster_count + level.room_count + level.RoomAt(1).used, 0);
  EXPECT_EQ(level.monster_list + level.door_candidates, "");
  EXPECT_EQ(level.links[1].place, 0);
  EXPECT_EQ(level.loose_items[1].count, 0);
  EXPECT_EQ(game.world.piles[7].first, 0);
  EXPECT_EQ(game.world.piles[7].GroupCount(2), 0);
}

}  // namespace
}  // namespace zaldrun
