// The dungeon generator over many seeds: doors by the lock percentage and secret-door chance,
// corridors of stone floor whatever the floor letter, the hero on the way up, the way down never on
// it, traps only on bare cells, loose items within 1..500, gold never empty; and the special rooms.
#include "levelgen/dungeon.hpp"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "levelgen/level_tools.hpp"
#include "levelgen/populate.hpp"
#include "levelgen/treasure_rooms.hpp"
#include "model/game.hpp"
#include "support/game_fixture.hpp"

namespace zaldrun {
namespace {

using testing::GameFixture;

// A plain dungeon level of the endless cave, built into the fixture's game.
void Generate(Game& game, const DungeonPlan& plan) {
  ResetLevel(game, 'A');
  game.world.level.monster_depth = 3;
  SetLink(game, 1, feature::kStairsUp, 5, 1);
  SetLink(game, 2, feature::kStairsDown, 5, 3);
  GenerateDungeon(game, plan);
}

struct Counts {
  int doors = 0;
  int locked = 0;   // P1: "Эта дверь заперта!"
  int trapped = 0;  // P2: a kick sets off rocks, a blast or a shock
  int secret = 0;   // outside a special room
  int ups = 0;
  int downs = 0;
};

Counts Count(const Game& game) {
  Counts counts;
  const Level& level = game.world.level;
  for (int y = 0; y < kMapHeight; ++y) {
    for (int x = 0; x < kMapWidth; ++x) {
      const MapCell& cell = level.Cell(x, y);
      const bool special = level.special_room_count > 0 && cell.room == 1;
      if (cell.feature == feature::kClosedDoor || cell.feature == feature::kSecretDoor) {
        ++counts.doors;
        if (cell.params[0] == 1) ++counts.locked;
        if (cell.params[1] != 0) ++counts.trapped;
        EXPECT_TRUE(cell.params[1] >= 0 && cell.params[1] <= 3) << cell.params[1];
      }
      if (cell.feature == feature::kSecretDoor && !special) ++counts.secret;
      if (cell.feature == feature::kStairsUp) ++counts.ups;
      if (cell.feature == feature::kStairsDown) ++counts.downs;
    }
  }
  return counts;
}

TEST(Dungeon, LockPercentageAndSecretChanceDecideTheDoors) {
  GameFixture fixture({"@"});
  Game& game = fixture.game();
  int secret_with_all = 0;
  int trapped_without_locks = 0;
  for (uint64_t seed = 1; seed <= 30; ++seed) {
    game.random.Seed(seed);
    Generate(game, DungeonPlan{5, 5, 0, 'C', 'A', 0});
    const Counts none = Count(game);
    EXPECT_GT(none.doors, 0);
    EXPECT_EQ(none.locked, 0) << "lock percentage 0 locks no door";
    trapped_without_locks += none.trapped;
    EXPECT_EQ(none.secret, 0) << "secret chance 0: only a special room's doors may be secret";
    game.random.Seed(seed);
    Generate(game, DungeonPlan{5, 5, 100, 'C', 'A', 20});
    const Counts all = Count(game);
    EXPECT_EQ(all.locked, all.doors) << "lock percentage 100 locks every door";
    secret_with_all += all.secret;
  }
  EXPECT_GT(trapped_without_locks, 0) << "door traps do not hang on the lock percentage";
  EXPECT_GT(secret_with_all, 0);
}

TEST(Dungeon, CorridorsAreStoneFloorWhateverTheFloorLetter) {
  GameFixture fixture({"@"});
  Game& game = fixture.game();
  for (uint64_t seed = 1; seed <= 20; ++seed) {
    game.random.Seed(seed);
    Generate(game, DungeonPlan{0, 0, 20, 'M', 'L', 3});
    const Level& level = game.world.level;
    int corridor = 0;
    for (int y = 0; y < kMapHeight; ++y) {
      for (int x = 0; x < kMapWidth; ++x) {
        const char letter = level.Terrain(x, y);
        if (level.Cell(x, y).room == 0 && letter != 'A') {
          EXPECT_EQ(letter, 'C') << x << "," << y;
          ++corridor;
        }
        if (level.Cell(x, y).feature == feature::kClosedDoor && level.Cell(x, y).room > 1) {
          // A door lies on the floor letter, or on the stone floor of the corridor that ends there.
          EXPECT_TRUE(letter == 'M' || letter == 'C') << letter;
        }
        if (level.Cell(x, y).feature == feature::kSecretDoor && level.Cell(x, y).room > 1) {
          EXPECT_EQ(letter, 'L') << "secret doors in the wall letter";
        }
      }
    }
    EXPECT_GT(corridor, 0);
  }
}

TEST(Dungeon, ALevelWhoseRoomTriesAllFailStillGetsARoomForItsStairs) {
  GameFixture fixture({"@"});
  Game& game = fixture.game();
  ResetLevel(game, 'A');
  // A fixed area leaves free only columns 72..78, where no try of the generator can start a room.
  RegisterRoom(game, 0, 0, 71, 39, 0);
  game.world.level.special_room_count = 1;
  SetLink(game, 1, feature::kStairsUp, 5, 1);
  SetLink(game, 2, feature::kStairsDown, 5, 3);
  GenerateDungeon(game, DungeonPlan{0, 0, 0, 'C', 'A', 0});
  ASSERT_EQ(game.world.level.room_count, 2);
  const Room& room = game.world.level.RoomAt(2);
  EXPECT_GE(room.x1, 72);
  EXPECT_EQ(game.world.level.Cell(game.world.hero.x, game.world.hero.y).room, 2);
  EXPECT_EQ(Count(game).downs, 1);
}

TEST(Dungeon, TheHeroStandsOnTheWayUpAndTrapsItemsAndGoldKeepTheirLimits) {
  GameFixture fixture({"@"});
  Game& game = fixture.game();
  game.world.hero.fortune = -60;  // a gold heap of Int(Rnd * (12 L + 120)) + 7 would be empty
  for (uint64_t seed = 1; seed <= 40; ++seed) {
    game.random.Seed(seed);
    Generate(game, DungeonPlan{10, 20, 45, 'C', 'A', 6});
    const Level& level = game.world.level;
    const Counts counts = Count(game);
    EXPECT_EQ(counts.ups, 1);
    EXPECT_EQ(counts.downs, 1) << "the way down is elsewhere";
    const MapCell& here = level.Cell(game.world.hero.x, game.world.hero.y);
    EXPECT_EQ(here.feature, feature::kStairsUp);
    EXPECT_EQ(here.params, (std::array<int16_t, 4>{5, 1, 0, 0}));
    EXPECT_GT(level.room_count, level.special_room_count);
    int traps = 0;
    for (const MapCell& cell : level.cells) {
      if (cell.feature == feature::kHiddenTrap) {
        ++traps;
        EXPECT_GE(cell.params[0], 1);
      }
    }
    EXPECT_GE(traps, 3);
    EXPECT_EQ(level.loose_items[kLooseItems].count, 0) << "loose item 501 is never handed out";
    EXPECT_EQ(game.world.piles[kPileCount - 1].count, 0) << "pile 261 is never handed out";
    for (int n = 1; n < kLooseItems; ++n) {
      const ItemRecord& item = level.loose_items[static_cast<size_t>(n)];
      if (item.type == 117) {
        EXPECT_GE(item.count, 1);
      }
    }
  }
  EXPECT_GE(GoldAmount(game, 12, 120, -200), 1);
}

TEST(Dungeon, ACacheKeepsItsTreasureInsideTheWall) {
  GameFixture fixture({"@"});
  Game& game = fixture.game();
  for (uint64_t seed = 1; seed <= 5; ++seed) {
    game.random.Seed(seed);
    ResetLevel(game, 'A');
    PutFeature(game, 10, 10, feature::kHiddenCache, 0, 0, 0, 0);
    FillCache(game, 10, 10);
    const MapCell& cell = game.world.level.Cell(10, 10);
    EXPECT_EQ(cell.item, 0) << "nothing lies on the wall";
    ASSERT_GT(cell.container, 0);
    EXPECT_GE(game.world.piles[static_cast<size_t>(cell.container)].count, 2);
  }
}

TEST(Dungeon, TrapsNeverCoverAFeature) {
  GameFixture fixture({"@"});
  Game& game = fixture.game();
  ResetLevel(game, 'C');
  game.world.level.Cell(3, 3).feature = feature::kStairsDown;
  EXPECT_FALSE(PlaceTrap(game, 3, 3, 12));
  EXPECT_EQ(game.world.level.Cell(3, 3).feature, feature::kStairsDown);
  EXPECT_TRUE(PlaceTrap(game, 4, 3, 12));
  EXPECT_EQ(game.world.level.Cell(4, 3).feature, feature::kHiddenTrap);
  EXPECT_EQ(game.world.level.Cell(4, 3).params[0], 12);
  // Everything but one cell has a feature: random traps find that one cell.
  for (MapCell& cell : game.world.level.cells) cell.feature = feature::kPlant;
  game.world.level.Cell(20, 20).feature = 0;
  game.world.hero.x = 0;
  game.world.hero.y = 0;
  EXPECT_TRUE(PlaceTrap(game, -1, -1, 0));
  EXPECT_EQ(game.world.level.Cell(20, 20).feature, feature::kHiddenTrap);
  EXPECT_FALSE(PlaceTrap(game, -1, -1, 0)) << "no bare cell left";
}

TEST(Dungeon, TrapKindsFollowTheMonsterDepth) {
  Game game;
  for (int depth : {1, 2, 3}) {
    game.world.level.monster_depth = static_cast<uint8_t>(depth);
    std::set<int> kinds;
    for (int i = 0; i < 400; ++i) kinds.insert(PickTrapKind(game));
    std::set<int> expected = {11, 12, 31};
    if (depth < 3) expected.insert({1, 6});
    if (depth > 1) expected.insert(21);
    if (depth > 2) expected.insert({2, 7, 16});
    EXPECT_EQ(kinds, expected) << "depth " << depth;
  }
}

TEST(Dungeon, PlantsGrowOnlyOnBareWalkableCells) {
  GameFixture fixture({"@"});
  Game& game = fixture.game();
  ResetLevel(game, 'A');
  for (int x = 9; x <= 11; ++x) game.world.level.SetTerrain(x, 10, 'D');
  game.world.level.Cell(10, 10).feature = feature::kChest;
  for (int i = 0; i < 50; ++i) PlantCluster(game, 10, 10, 158);
  EXPECT_EQ(game.world.level.Cell(10, 10).feature, feature::kChest);
  EXPECT_EQ(game.world.level.Cell(9, 10).feature, feature::kPlant);
  EXPECT_EQ(game.world.level.Cell(9, 10).params[0], 158);
  EXPECT_GE(game.world.level.Cell(9, 10).params[3], 110);
  EXPECT_LE(game.world.level.Cell(9, 10).params[3], 220);
  EXPECT_EQ(game.world.level.Cell(10, 9).feature, 0) << "walls grow nothing";
  EXPECT_NE(game.world.level.level_flags & kLevelHasPlants, 0);
}

TEST(SpecialRooms, APlaceIsTriedOnceAndNeedsAMargin) {
  GameFixture fixture({"@"});
  Game& game = fixture.game();
  int built = 0;
  for (uint64_t seed = 1; seed <= 60; ++seed) {
    game.random.Seed(seed);
    ResetLevel(game, 'A');
    const CellPos at = FindRoomPlace(game, 17, 14);
    if (at.x < 0) {
      EXPECT_EQ(game.world.level.room_count, 0);
      continue;
    }
    ++built;
    EXPECT_GE(at.x, 0);
    EXPECT_LE(at.x + 17, 78) << "x = 79 - w fails the margin";
    EXPECT_LE(at.y + 14, 38);
    EXPECT_EQ(game.world.level.room_count, 1);
  }
  EXPECT_GT(built, 0);
}

TEST(SpecialRooms, EachRoomWritesItsTemplateOffersDoorsAndBringsItsGuardsAndTreasure) {
  GameFixture fixture({"@"});
  Game& game = fixture.game();
  struct Case {
    void (*build)(Game&);
    int width;
    int guards;
    bool chest;
  };
  const Case cases[] = {
      {SpecRoom1, 9, 4, false}, {SpecRoom2, 17, 5, true}, {SpecRoom3, 17, 4, true}};
  for (const Case& c : cases) {
    for (uint64_t seed = 1; seed <= 40; ++seed) {
      game.random.Seed(seed);
      ResetLevel(game, 'A');
      game.world.level.monster_depth = 2;
      c.build(game);
      const Level& level = game.world.level;
      if (level.room_count == 0) {
        EXPECT_TRUE(level.door_candidates.empty());
        continue;
      }
      const Room& room = level.RoomAt(1);
      EXPECT_EQ(room.x2 - room.x1 + 1, c.width);
      EXPECT_EQ(level.Terrain(room.x1, room.y1), 'A') << "the template's corner";
      for (const CellPos& door : ParseCells(level.door_candidates)) {
        EXPECT_EQ(level.Cell(door.x, door.y).room, 1) << "doors are in the room's walls";
        EXPECT_TRUE(door.x == room.x1 || door.x == room.x2 || door.y == room.y1 ||
                    door.y == room.y2);
        EXPECT_GT(door.x, 0);
        EXPECT_GT(door.y, 0);
      }
      EXPECT_EQ(level.monster_count, c.guards);
      for (int slot = 1; slot <= level.monster_count; ++slot) {
        EXPECT_EQ(level.Monster(slot).state, -1) << "guards are awake";
      }
      int chests = 0;
      for (const MapCell& cell : level.cells) chests += cell.feature == feature::kChest;
      EXPECT_EQ(chests, c.chest ? 1 : 0);
      if (!c.chest) {
        int gold = 0;
        for (int n = 1; n < kLooseItems; ++n)
          gold += level.loose_items[static_cast<size_t>(n)].type == 117;
        EXPECT_EQ(gold, 4) << "a heap of gold by each guard";
      }
      break;
    }
  }
}

}  // namespace
}  // namespace zaldrun
