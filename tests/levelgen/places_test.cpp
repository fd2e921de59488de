// The places of the world: the overworld's eight entrances with their names and arrivals, the
// anthill found by searching, the thicket opened by the riddle, the village's links, the ways back
// from the places, and what the entry script does on every entry.
#include "levelgen/places.hpp"

#include <gtest/gtest.h>

#include <string>

#include "actions/movement.hpp"
#include "engine/search.hpp"
#include "levelgen/build_level.hpp"
#include "levelgen/overworld.hpp"
#include "model/game.hpp"
#include "model/world_ops.hpp"
#include "records/text_table.hpp"
#include "support/game_fixture.hpp"
#include "world/level_change.hpp"

namespace zaldrun {
namespace {

using testing::GameFixture;

TEST(Overworld, EightEntrancesWithTheirNamesAndArrivals) {
  struct Expected {
    int x, y, place, level;
    const char* name;
    int arrival_x, arrival_y;  // -1: on the way back (stairs or edge)
  };
  const Expected entrances[] = {
      {11, 21, 1, 1, "Деревня \"Мухоморово\"", 7, 38},
      {8, 14, 3, 1, "Вход в тёмную пещеру", -1, -1},
      {21, 16, 5, 1, "Вход в тёмную пещеру", -1, -1},
      {33, 24, 1, 5, "Геладан", 3, 6},
      {35, 33, 4, 1, "Гробница Ар'Кхамета", 78, 26},
      {7, 29, 6, 1, "Вонючее Болото", -1, -1},
  };
  for (const Expected& e : entrances) {
    SCOPED_TRACE(e.name);
    GameFixture fixture({"@"}, 13);
    ASSERT_TRUE(fixture.StartOn(place::kWorld, place::kOverworld));
    Game& game = fixture.game();
    const MapCell& cell = game.world.level.Cell(e.x, e.y);
    ASSERT_EQ(cell.feature, feature::kEntrance);
    EXPECT_EQ(FetchText(cell.params[1]), e.name);
    // The name shows when the hero steps on it, not before.
    game.world.hero.x = static_cast<int16_t>(e.x - 1);
    game.world.hero.y = static_cast<int16_t>(e.y);
    game.view.message_line.clear();
    fixture.Act([&](Game& g) { MoveHero(g, e.x, e.y); });
    EXPECT_NE(game.view.message_line.find(e.name), std::string::npos) << game.view.message_line;
    game.view.message_line.clear();
    fixture.Keys(">").PlayKeys();
    EXPECT_EQ(game.world.current_place, e.place);
    EXPECT_EQ(game.world.current_level, e.level);
    const MapCell& arrival = game.world.level.Cell(game.world.hero.x, game.world.hero.y);
    if (e.arrival_x >= 0) {
      EXPECT_EQ(game.world.hero.x, e.arrival_x);
      EXPECT_EQ(game.world.hero.y, e.arrival_y);
    } else if (e.place == place::kSwamp) {
      EXPECT_LE(game.world.hero.y, 3) << "by the swamp's top edge";
    } else {
      EXPECT_EQ(arrival.feature, feature::kStairsUp);
      EXPECT_EQ(arrival.params[0], 1);
      EXPECT_EQ(arrival.params[1], 100);
      EXPECT_EQ(arrival.params[2], e.x) << "the way back leads to the entrance";
      EXPECT_EQ(arrival.params[3], e.y);
    }
  }
}

TEST(Overworld, SearchingFindsTheAnthillOnceAndCostsAStepEitherWay) {
  GameFixture fixture({"@"}, 3);
  ASSERT_TRUE(fixture.StartOn(place::kWorld, place::kOverworld));
  Game& game = fixture.game();
  // The hidden ways in keep their destination without a feature.
  const MapCell& anthill = game.world.level.Cell(kAnthillX, kAnthillY);
  EXPECT_EQ(anthill.feature, 0);
  EXPECT_EQ(anthill.params, (std::array<int16_t, 4>{411, 996, 0, 0}));
  EXPECT_EQ(game.world.level.Cell(kThicketX, kThicketY).params,
            (std::array<int16_t, 4>{701, 470, 0, 0}));
  game.world.hero.x = kAnthillX;
  game.world.hero.y = kAnthillY;
  game.world.hero.speed_base = 100;
  game.world.hero.speed_bonus = 0;
  fixture.Keys("{Space}").Act([](Game& g) { SearchOverworld(g); });
  EXPECT_EQ(game.world.level.Cell(kAnthillX, kAnthillY).feature, feature::kEntrance);
  EXPECT_EQ(game.world.level.Terrain(kAnthillX, kAnthillY), 'X');
  EXPECT_EQ(game.world.hero.last_action_time, 200) << "20000 at speed 100";
  std::vector<std::string> log = fixture.LogLines();
  EXPECT_EQ(log.back(), "Ты обнаружил вход в гигансткий муравейник!");
  game.view.message_line.clear();
  fixture.Act([](Game& g) { SearchOverworld(g); });
  EXPECT_EQ(fixture.LogLines().back(), "Ты не нашёл ничего особенного.");
  // The way in leads to the anthill's top, onto the tunnel back to this cell.
  game.view.message_line.clear();
  fixture.Keys(">").PlayKeys();
  EXPECT_EQ(game.world.current_place, place::kTomb);
  EXPECT_EQ(game.world.current_level, place::kAnthillTop);
  const MapCell& arrival = game.world.level.Cell(game.world.hero.x, game.world.hero.y);
  EXPECT_EQ(arrival.feature, feature::kStairsUp);
  EXPECT_EQ(arrival.params, (std::array<int16_t, 4>{1, 100, 37, 33}));
}

TEST(Overworld, TheThicketOpensOnceTheRiddleHasBeenRead) {
  GameFixture fixture({"@"}, 4);
  ASSERT_TRUE(fixture.StartOn(place::kWorld, place::kOverworld));
  Game& game = fixture.game();
  LevelEntryScript(game, place::kWorld, place::kOverworld);
  EXPECT_EQ(game.world.level.Cell(kThicketX, kThicketY).feature, 0) << "not before the riddle";
  game.world.hero.quests[kForestRiddleEntry] = 1;
  LevelEntryScript(game, place::kWorld, place::kOverworld);
  EXPECT_EQ(game.world.level.Cell(kThicketX, kThicketY).feature, feature::kEntrance);
  EXPECT_EQ(game.world.level.Terrain(kThicketX, kThicketY), 'Z');
  EXPECT_EQ(game.world.hero.quests[kForestRiddleEntry], 2);
  // Into the thicket: the hero comes in by the forest's edge that leads back to this cell.
  game.world.hero.x = kThicketX;
  game.world.hero.y = kThicketY;
  fixture.Keys(">").PlayKeys();
  EXPECT_EQ(game.world.current_place, place::kThicket);
  bool beside_exit = false;
  for (int dy = -1; dy <= 1; ++dy) {
    for (int dx = -1; dx <= 1; ++dx) {
      const int x = game.world.hero.x + dx;
      const int y = game.world.hero.y + dy;
      if (!Level::Inside(x, y)) continue;
      const MapCell& cell = game.world.level.Cell(x, y);
      beside_exit |= cell.feature == feature::kEdgeExit &&
                     cell.params == std::array<int16_t, 4>{1, 100, kThicketX, kThicketY};
    }
  }
  EXPECT_TRUE(beside_exit);
}

TEST(Places, TheVillageLinksToTheWorldTheCampTheCatacombsAndItsIslet) {
  GameFixture fixture({"@"}, 5);
  ASSERT_TRUE(fixture.StartOn(place::kWorld, place::kVillage));
  const Level& level = fixture.game().world.level;
  auto params = [&](int x, int y) { return level.Cell(x, y).params; };
  using P = std::array<int16_t, 4>;
  EXPECT_EQ(level.Cell(6, 39).feature, feature::kEdgeExit);
  EXPECT_EQ(params(7, 39), (P{1, 100, 11, 21}));
  EXPECT_EQ(params(73, 0), (P{1, 2, 27, 38}));
  EXPECT_EQ(params(74, 0), (P{1, 2, 28, 38}));
  EXPECT_EQ(level.Cell(72, 32).feature, feature::kStairsDown);
  EXPECT_EQ(params(72, 32), (P{2, 1, 0, 0}));
  EXPECT_EQ(level.Cell(28, 19).feature, feature::kEntrance);
  EXPECT_EQ(params(28, 19), (P{101, 1324, 33, 35}));
  EXPECT_EQ(params(32, 36), (P{101, 1324, 57, 12}));
  EXPECT_EQ(level.Cell(50, 7).params[0], 1) << "the storeroom is locked";
  EXPECT_EQ(level.RoomAt(level.Cell(30, 3).room).kind, 1) << "the shop";
}

TEST(Places, LeavingThePlacesLeadsBackToTheirEntrances) {
  struct Way {
    int place, level, x, y;  // the way out
    int to_x, to_y;          // the overworld cell the hero comes back to
  };
  const Way ways[] = {
      {1, 5, 0, 20, 33, 24}, {1, 5, 45, 39, 33, 24}, {4, 1, 79, 3, 35, 33}, {1, 1, 6, 39, 11, 21}};
  for (const Way& way : ways) {
    GameFixture fixture({"@"}, 6);
    ASSERT_TRUE(fixture.StartOn(way.place, way.level));
    Game& game = fixture.game();
    const MapCell& exit = game.world.level.Cell(way.x, way.y);
    ASSERT_EQ(exit.feature, feature::kEdgeExit);
    ASSERT_TRUE(fixture.Act([&](Game& g) {
      ChangeLevel(g, exit.params[0], exit.params[1], exit.params[2], exit.params[3]);
    }));
    EXPECT_TRUE(game.world.OnOverworld());
    EXPECT_EQ(game.world.hero.x, way.to_x);
    EXPECT_EQ(game.world.hero.y, way.to_y);
  }
}

TEST(Places, TheEntryScriptRestocksTheShopsAndSetsTheChecks) {
  GameFixture fixture({"@"}, 7);
  ASSERT_TRUE(fixture.StartOn(place::kWorld, place::kVillage));
  Game& game = fixture.game();
  const Level& level = game.world.level;
  int wares = 0;
  for (int x = 29; x <= 45; ++x) {
    for (int y = 1; y <= 6; ++y) {
      const int item = level.Cell(x, y).item;
      ASSERT_GT(item, kLooseItemBase) << "every floor cell of the shop holds a ware";
      const ItemRecord& ware = level.loose_items[static_cast<size_t>(item - kLooseItemBase)];
      EXPECT_EQ(ware.flags & 1, 1) << "shop goods are owed for";
      ++wares;
    }
  }
  EXPECT_EQ(wares, 17 * 6);
  // A ware taken is put back on the next entry; the others stay.
  const int taken = level.Cell(30, 2).item;
  game.world.level.loose_items[static_cast<size_t>(taken - kLooseItemBase)] = {};
  game.world.level.Cell(30, 2).item = 0;
  const int kept = level.Cell(31, 2).item;
  LevelEntryScript(game, place::kWorld, place::kVillage);
  EXPECT_NE(level.Cell(30, 2).item, 0);
  EXPECT_EQ(level.Cell(31, 2).item, kept);

  LevelEntryScript(game, place::kCatacombs, 2);
  const int counter = FindEvent(game, "CountMons");
  ASSERT_NE(counter, 0);
  EXPECT_EQ(game.world.events[static_cast<size_t>(counter)].parameter, 5);
  LevelEntryScript(game, place::kCatacombs, 3);
  EXPECT_EQ(FindEvent(game, "CountMons"), counter) << "one counter, moved on";
  EXPECT_EQ(game.world.events[static_cast<size_t>(counter)].parameter, 6);
  LevelEntryScript(game, place::kWorld, place::kGoblinCamp);
  LevelEntryScript(game, place::kWorld, place::kGoblinCamp);
  int gobs = 0;
  for (int slot = 1; slot <= game.world.event_count; ++slot) {
    gobs += game.world.events[static_cast<size_t>(slot)].name == "CheckGobs";
  }
  EXPECT_EQ(gobs, 1);
}

TEST(Places, OutdoorLevelsKeepTheirWayUpAndTheirWayDownApart) {
  struct Level2 {
    int place, level, up_place, up_level, down_place, down_level;
  };
  const Level2 levels[] = {
      {4, 12, 4, 11, 4, 13}, {4, 13, 4, 12, 4, 3}, {7, 3, 7, 2, 7, 4}, {7, 1, 1, 100, 7, 2}};
  for (const Level2& l : levels) {
    for (uint64_t seed = 1; seed <= 25; ++seed) {
      GameFixture fixture({"@"}, seed);
      ASSERT_TRUE(fixture.StartOn(l.place, l.level));
      int ups = 0;
      int downs = 0;
      for (const MapCell& cell : fixture.game().world.level.cells) {
        if (cell.feature == 0) continue;
        ups += cell.params[0] == l.up_place && cell.params[1] == l.up_level;
        downs += cell.params[0] == l.down_place && cell.params[1] == l.down_level;
      }
      EXPECT_GE(ups, 1) << l.place << "," << l.level << " seed " << seed;
      EXPECT_EQ(downs, 1) << l.place << "," << l.level << " seed " << seed;
    }
  }
}

TEST(Places, OnlyTheWorldsLevelsExist) {
  EXPECT_TRUE(LevelExists(1, 100));
  EXPECT_FALSE(LevelExists(1, 3));
  EXPECT_TRUE(LevelExists(5, 12345));
  EXPECT_FALSE(LevelExists(5, 0));
  EXPECT_FALSE(LevelExists(6, 6));
  EXPECT_FALSE(LevelExists(8, 1));
  EXPECT_FALSE(LevelExists(0, 0));
}

}  // namespace
}  // namespace zaldrun
