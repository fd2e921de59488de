#include "actions/auto_walk.hpp"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "engine/monsters_on_level.hpp"
#include "field/path_map.hpp"
#include "items/piles.hpp"
#include "model/world_ops.hpp"
#include "records/terrain.hpp"
#include "support/game_fixture.hpp"

namespace zaldrun {
namespace {

using testing::GameFixture;

// A hostile creature that stands where it is put and never acts.
int AddStillFoe(GameFixture& fixture, int x, int y) {
  const int slot = fixture.AddMonster(1, x, y);
  fixture.game().world.level.Monster(slot).action_delay = 30000;
  return slot;
}

// Presses `key` alone, as a player does, so that no later key stops what it starts.
void Press(GameFixture& fixture, std::string_view key) { fixture.Keys(key).PlayKeys(); }

TEST(AutoWalk, RunStopsWhereSomethingIsWorthStoppingFor) {
  struct Case {
    const char* name;
    std::vector<std::string> picture;
    int foe_x;  // -1 for none
    int item_x;
    int stop_x;
  };
  const std::vector<std::string> corridor = {"AAAAAAAAAAAAAAAAAAAA", "A@CCCCCCCCCCCCCCCCCA",
                                             "AAAAAAAAAAAAAAAAAAAA"};
  std::vector<std::string> branch = corridor;
  branch[2][9] = 'C';
  const std::vector<std::string> room = {"AAAAAAAAAAAAAAAAAAAA", "A@CCCCCCCCCCCCCCCCCA",
                                         "ACCCCCCCCCCCCCCCCCCA", "AAAAAAAAAAAAAAAAAAAA"};
  const Case cases[] = {
      {"the end of a corridor", corridor, -1, -1, 18},
      {"a branch of the corridor", branch, -1, -1, 9},
      {"a foe coming into view (sight 8)", room, 16, -1, 8},
      {"an item underfoot", corridor, -1, 6, 6},
  };
  for (const Case& c : cases) {
    GameFixture fixture(c.picture);
    if (c.foe_x >= 0) AddStillFoe(fixture, c.foe_x, 2);
    if (c.item_x >= 0) {
      PlaceItem(fixture.game(), c.item_x, 1, ItemRecord{.type = 4, .count = 1}, false);
    }
    Press(fixture, "{Shift+Right}");
    EXPECT_EQ(fixture.game().world.hero.x, c.stop_x) << c.name;
  }
  // The prefix key for terminals without shifted arrows; and any key waiting stops a run at once.
  GameFixture prefixed(corridor);
  Press(prefixed, ".{Right}");
  EXPECT_EQ(prefixed.game().world.hero.x, 18);
  GameFixture interrupted(corridor);
  interrupted.Keys("{Shift+Right}{Esc}").PlayKeys();
  EXPECT_EQ(interrupted.game().world.hero.x, 2) << "one step, then the waiting key stops it";
}

TEST(AutoWalk, RestWaitsAsTheWaitKeyWouldUntilHealed) {
  const std::vector<std::string> room = {"AAAAAAA", "AC@CCCA", "AAAAAAA"};
  auto wounded = [&](GameFixture& fixture) {
    Game& game = fixture.game();
    game.world.hero.hp = 4;
    game.world.hero.satiation = 3000;
    game.world.hero.regen_rate = 30;
    AddEvent(game, "Regen", 30, 1);
  };
  GameFixture rested(room);
  wounded(rested);
  Press(rested, "R");
  EXPECT_EQ(rested.game().world.hero.hp, 10);
  EXPECT_EQ(rested.game().view.message_line, " Ты отдохнул.");
  GameFixture waited(room);
  wounded(waited);
  for (int i = 0; i < 1000 && waited.game().world.hero.hp < 10; ++i) Press(waited, "{Clear}");
  EXPECT_EQ(waited.game().world.events[1].countdown, rested.game().world.events[1].countdown);
  EXPECT_EQ(waited.game().world.hero.satiation, rested.game().world.hero.satiation);

  struct Refusal {
    const char* name;
    int satiation;
    bool foe;
    const char* message;
  };
  for (const Refusal& r :
       {Refusal{"starving", 0, false, " Ты слишком голоден, чтобы отдыхать."},
        Refusal{"a foe in view", 3000, true, " Рядом враг, тут не отдохнёшь."}}) {
    GameFixture fixture(room);
    wounded(fixture);
    fixture.game().world.hero.satiation = r.satiation;
    if (r.foe) AddStillFoe(fixture, 5, 1);
    Press(fixture, "R");
    EXPECT_EQ(fixture.game().view.message_line, r.message) << r.name;
    EXPECT_EQ(fixture.game().world.events[1].countdown, 30) << r.name << ": no time passed";
  }
}

// A creature that walks into the hero's sight on its fifth turn.
int g_turns = 0;
void ComeIntoView(Game& game, int slot) {
  if (++g_turns == 5) MoveMonster(game, slot, 6, 1);
}
constexpr std::array<RegistryEntry<BehaviourHandler>, 1> kComing = {{{"StndAI", ComeIntoView}}};
constexpr Registry<BehaviourHandler> kComingRegistry(kComing);

TEST(AutoWalk, RestStopsWhenAFoeComesIntoView) {
  GameFixture fixture({"AAAAAAAAAAAAAAA", "AC@CCCCAACCCCCA", "AAAAAAAAAAAAAAA"});
  Game& game = fixture.game();
  game.world.hero.hp = 4;
  game.world.hero.satiation = 3000;
  game.session.behaviours = &kComingRegistry;
  const int slot = fixture.AddMonster(1, 12, 1);
  game.data.monsters.records[static_cast<size_t>(game.world.level.Monster(slot).type)].behaviour =
      "StndAI";
  g_turns = 0;
  Press(fixture, "R");
  EXPECT_EQ(g_turns, 5) << "the rest ended on the turn the foe showed up";
}

TEST(AutoWalk, TravelTakesTheShortestKnownWayAroundWallsAndTraps) {
  GameFixture fixture({"AAAAAAAAAAA", "A@CCACCCCCA", "ACCCACCCCCA", "ACCCACCCCCA", "ACCCCCCCCCA",
                       "ACCCCCCCCCA", "AAAAAAAAAAA"});
  Game& game = fixture.game();
  for (MapCell& cell : game.world.level.cells) cell.seen = 1;  // the hero knows the room
  game.world.level.Cell(4, 4).feature = feature::kFirstTrap;   // a known trap on the short way
  AddEvent(game, "Regen", 30000, 1);                           // counts the time the walk takes
  ASSERT_TRUE(fixture.Act([](Game& g) { EXPECT_TRUE(TravelTo(g, 9, 1)); }));
  EXPECT_EQ(game.world.hero.x, 9);
  EXPECT_EQ(game.world.hero.y, 1);
  EXPECT_EQ((30000 - game.world.events[1].countdown) / 10, 9)
      << "nine steps of 10: round the wall's end by the cell below the trap";
  // An unseen cell has no known way.
  game.world.level.Cell(5, 2).seen = 0;
  ASSERT_TRUE(fixture.Act([](Game& g) { EXPECT_FALSE(TravelTo(g, 5, 2)); }));
  EXPECT_EQ(game.view.message_line, " Ты не знаешь дороги туда.");
  // A walk starts only with no enemy in sight.
  AddStillFoe(fixture, 8, 3);
  fixture.Keys("{Clear}").PlayKeys();
  ASSERT_TRUE(fixture.Act([](Game& g) { TravelTo(g, 1, 1); }));
  EXPECT_EQ(game.view.message_line, " Рядом враг!");
  EXPECT_EQ(game.world.hero.x, 9);
}

// Cells a walker can reach from the hero: open ground and doors that are not locked.
std::vector<MapPoint> FloodFill(const Game& game) {
  std::array<bool, kMapWidth * kMapHeight> reached{};
  std::vector<MapPoint> cells{{game.world.hero.x, game.world.hero.y}};
  reached[static_cast<size_t>(game.world.hero.y * kMapWidth + game.world.hero.x)] = true;
  for (size_t i = 0; i < cells.size(); ++i) {
    for (int dy = -1; dy <= 1; ++dy) {
      for (int dx = -1; dx <= 1; ++dx) {
        const int x = cells[i].x + dx;
        const int y = cells[i].y + dy;
        if (!Level::Inside(x, y) || reached[static_cast<size_t>(y * kMapWidth + x)]) continue;
        const MapCell& cell = game.world.level.Cell(x, y);
        const bool door = cell.feature == feature::kClosedDoor && cell.params[0] != 1;
        if (TerrainOf(game.world.level.Terrain(x, y)).blocks_move ||
            (FeatureBlocks(cell.feature) && !door) || cell.feature == feature::kEdgeExit ||
            cell.feature == feature::kPortal) {
          continue;
        }
        reached[static_cast<size_t>(y * kMapWidth + x)] = true;
        cells.push_back({x, y});
      }
    }
  }
  return cells;
}

TEST(AutoWalk, ExploringAGeneratedLevelSeesEveryReachableCell) {
  GameFixture fixture({"@"});
  ASSERT_TRUE(fixture.StartOn(5, 1));
  Game& game = fixture.game();
  // Nothing on the level may end the walk early: no creatures, no traps.
  while (game.world.level.monster_count > 0) RemoveMonster(game, 1);
  for (MapCell& cell : game.world.level.cells) {
    if (cell.feature == feature::kHiddenTrap ||
        (cell.feature >= feature::kFirstTrap && cell.feature <= feature::kLastTrap)) {
      cell.feature = feature::kNone;
    }
  }
  bool done = false;
  for (int press = 0; press < 600 && !done; ++press) {
    game.world.hero.satiation = 4000;  // hunger would stop the walk now and then
    Press(fixture, "x");
    done = game.view.message_line.find("Здесь больше нечего исследовать.") != std::string::npos;
  }
  ASSERT_TRUE(done);
  for (const MapPoint& cell : FloodFill(game)) {
    EXPECT_NE(game.world.level.Cell(cell.x, cell.y).seen, 0) << cell.x << "," << cell.y;
  }
}

}  // namespace
}  // namespace zaldrun
