#include "field/path_map.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/game_fixture.hpp"

namespace zaldrun {
namespace {

using testing::GameFixture;

const std::vector<std::string> kRoom = {"AAAAAAAAA", "A@CCCCCCA", "ACCCHCCCA", "ACCCCCCCA",
                                        "AAAAAAAAA"};

TEST(PathMap, KnownWalkableShunsWhatTheHeroKnowsToAvoid) {
  struct Case {
    const char* name;
    int x;
    int y;
    void (*change)(Game& game, MapCell& cell);
    bool walkable;
  };
  const Case cases[] = {
      {"seen floor", 3, 1, [](Game&, MapCell&) {}, true},
      {"water", 4, 2, [](Game&, MapCell&) {}, false},
      {"wall", 0, 0, [](Game&, MapCell&) {}, false},
      {"never seen", 3, 3, [](Game&, MapCell& c) { c.seen = 0; }, false},
      {"known trap", 3, 3, [](Game&, MapCell& c) { c.feature = feature::kFirstTrap + 2; }, false},
      {"hidden trap", 3, 3, [](Game&, MapCell& c) { c.feature = feature::kHiddenTrap; }, true},
      {"way out", 3, 3, [](Game&, MapCell& c) { c.feature = feature::kEdgeExit; }, false},
      {"closed door", 3, 3, [](Game&, MapCell& c) { c.feature = feature::kClosedDoor; }, true},
      {"locked door", 3, 3,
       [](Game&, MapCell& c) {
         c.feature = feature::kClosedDoor;
         c.params[0] = 1;
       },
       false},
  };
  for (const Case& c : cases) {
    GameFixture fixture(kRoom);
    c.change(fixture.game(), fixture.game().world.level.Cell(c.x, c.y));
    const PassableCells walkable = KnownWalkable(fixture.game());
    EXPECT_EQ(walkable[static_cast<size_t>(c.y * kMapWidth + c.x)], c.walkable) << c.name;
  }
  for (bool peaceful : {true, false}) {
    GameFixture fixture(kRoom);
    fixture.AddMonster(1, 3, 3, peaceful);
    fixture.Keys("{Clear}").PlayKeys();  // a look around sees it
    EXPECT_EQ(KnownWalkable(fixture.game())[3 * kMapWidth + 3], !peaceful);
  }
}

TEST(PathMap, DistancesLeadDownhillToTheNearestGoal) {
  GameFixture fixture(kRoom);
  PathMap map;
  const std::vector<MapPoint> goals = {{7, 3}, {2, 3}};
  map.Fill(KnownWalkable(fixture.game()), goals);
  EXPECT_EQ(map.Distance(1, 1), 2);
  EXPECT_EQ(map.Distance(7, 1), 2);
  EXPECT_EQ(map.Distance(4, 2), PathMap::kUnreached) << "water is never reached";
  EXPECT_EQ(map.StepFrom(1, 1), (MapPoint{1, 2})) << "straight before diagonal on a tie";
  EXPECT_FALSE(map.StepFrom(2, 3)) << "a goal is where the walk ends";
  for (MapCell& cell : fixture.game().world.level.cells) cell.seen = 1;
  fixture.game().world.level.Cell(7, 3).seen = 0;
  EXPECT_EQ(ExploreGoals(fixture.game(), KnownWalkable(fixture.game())),
            (std::vector<MapPoint>{{6, 2}, {7, 2}, {6, 3}}))
      << "the known ground next to the one cell never seen";
}

}  // namespace
}  // namespace zaldrun
