#include "field/sight.hpp"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "field/field.hpp"
#include "support/game_fixture.hpp"

namespace zaldrun {
namespace {

using testing::GameFixture;

std::vector<std::pair<int, int>> LineCells(int x1, int y1, int x2, int y2) {
  std::vector<std::pair<int, int>> cells;
  StepLine(x1, y1, x2, y2, [&](int x, int y) {
    cells.emplace_back(x, y);
    return true;
  });
  return cells;
}

TEST(LineStepping, TiesRoundToEven) {
  using Cells = std::vector<std::pair<int, int>>;
  EXPECT_EQ(LineCells(0, 0, 4, 2), (Cells{{0, 0}, {1, 0}, {2, 1}, {3, 2}, {4, 2}}));
  EXPECT_EQ(LineCells(5, 5, 5, 5), (Cells{{5, 5}}));
  EXPECT_EQ(LineCells(3, 6, 3, 4), (Cells{{3, 6}, {3, 5}, {3, 4}}));
  EXPECT_EQ(LineCells(0, 0, 1, 3), (Cells{{0, 0}, {0, 1}, {1, 2}, {1, 3}}));
}

// A corridor with a door, a wall beside the viewer and an open cell behind the wall.
const std::vector<std::string> kCorridor = {
    "AAAAAAAAAAAA",
    "AC@CC+CCCCCA",
    "AAAAAAAAAAAA",
};

TEST(Sight, WallsAndClosedDoorsStopSightAndAreSeen) {
  GameFixture fixture(kCorridor);
  Game& game = fixture.game();
  Clear(game);
  LOSLine(game, 2, 1, 2, 1, 8);
  EXPECT_EQ(game.world.level.Cell(2, 1).seen, 1) << "a line to the own cell draws it only";
  EXPECT_EQ(game.world.level.Cell(3, 1).seen, 0);
  LOSRound(game, 2, 1, 8);
  EXPECT_EQ(game.world.level.Cell(5, 1).seen, 1) << "the closed door is seen";
  EXPECT_EQ(game.world.level.Cell(6, 1).seen, 0) << "nothing behind it";
  EXPECT_EQ(game.world.level.Cell(2, 0).seen, 1) << "the wall next to the viewer";
  game.world.level.Cell(5, 1).feature = feature::kOpenDoor;
  LOSRound(game, 2, 1, 8);
  EXPECT_EQ(game.world.level.Cell(8, 1).seen, 1) << "an open door does not stop sight";
  EXPECT_EQ(game.world.level.Cell(11, 1).seen, 0) << "beyond the radius";
}

// The kept plans of a sweep must see exactly what its lines, walked one by one, see: on maps with
// walls and doors scattered at random, from the middle, the edges and the corners.
TEST(Sight, PlannedSweepsSeeWhatTheirLinesSee) {
  std::vector<std::string> picture(kMapHeight, std::string(kMapWidth, 'C'));
  picture[0][0] = '@';
  GameFixture fixture(picture);
  Game& game = fixture.game();
  Level& level = game.world.level;
  auto seen_cells = [&] {
    std::string seen;
    for (const MapCell& cell : level.cells) seen += static_cast<char>('0' + cell.seen);
    return seen;
  };
  const int spots[][3] = {{40, 19, 8}, {0, 0, 8}, {79, 37, 3}, {2, 30, 12}, {60, 1, 1}, {33, 20, 0}};
  for (int seed = 0; seed < 6; ++seed) {
    for (int y = 0; y < kMapHeight; ++y) {
      for (int x = 0; x < kMapWidth; ++x) {
        const double roll = game.random.Next();
        level.SetTerrain(x, y, roll < 0.15 * seed / 5 ? 'A' : 'C');
        level.Cell(x, y).feature = roll > 0.97 ? feature::kClosedDoor : 0;
      }
    }
    for (const auto& [x, y, r] : spots) {
      Clear(game);
      LOSRound(game, x, y, r);
      const std::string planned = seen_cells();
      Clear(game);
      for (int i = 0; i <= r; ++i) {
        for (const auto& [ex, ey] : {std::pair{x + i, y - r}, {x + i, y + r}, {x - i, y - r},
                                     {x - i, y + r}, {x + r, y - i}, {x - r, y - i},
                                     {x + r, y + i}, {x - r, y + i}}) {
          LOSLine(game, x, y, ex, ey, r);
        }
      }
      EXPECT_EQ(planned, seen_cells()) << "seed " << seed << " at " << x << "," << y << " r " << r;
    }
  }
}

TEST(Sight, SeePlayerIsFalseWhenAnEndBlocks) {
  GameFixture fixture(kCorridor);
  Game& game = fixture.game();
  EXPECT_TRUE(SeePlayer(game, 1, 1, 4, 1, 8));
  EXPECT_FALSE(SeePlayer(game, 1, 1, 5, 1, 8)) << "the door at the end";
  EXPECT_FALSE(SeePlayer(game, 2, 0, 4, 1, 8)) << "the wall at the start";
  EXPECT_FALSE(SeePlayer(game, 1, 1, 7, 1, 8)) << "behind the door";
  game.world.level.Cell(5, 1).feature = feature::kSecretDoor;
  EXPECT_FALSE(SeePlayer(game, 1, 1, 7, 1, 8)) << "a secret door blocks like the wall";
}

TEST(Sight, SeePlayerStraightDownFailsBeyondTheRadius) {
  GameFixture fixture({"AAAA", "ACCA", "AC@A", "ACCA", "ACCA", "ACCA", "AAAA"});
  EXPECT_TRUE(SeePlayer(fixture.game(), 1, 1, 1, 5, 4));
  EXPECT_FALSE(SeePlayer(fixture.game(), 1, 1, 1, 5, 3));
}

TEST(Sweeps, DiscsVisitEachCellOnce) {
  GameFixture fixture(
      {"AAAAAAA", "ACCCCCA", "ACCCCCA", "ACC@CCA", "ACCCCCA", "ACCCCCA", "AAAAAAA"});
  Game& game = fixture.game();
  auto swept = [&](int r) {
    game.view.field.cell_list.clear();
    game.world.hero.x = 0;  // the hero's cell is no free cell; move him out of the way
    game.world.hero.y = 0;
    SelRound(game, 3, 3, r, CellOperation::kPusto, 0);
    return game.view.field.cell_list;
  };
  EXPECT_EQ(swept(0), "0303") << "radius 0 is the centre only";
  EXPECT_EQ(swept(1), "020203020402020403040404020303030403");
  const std::string two = swept(2);
  EXPECT_EQ(two.size() / 4, 21u) << "rows of 5, 5, 5 and 3, 3: each cell once";
}

TEST(Sweeps, MissilesLandAtTheTargetOverOpenGround) {
  GameFixture fixture(kCorridor);
  Game& game = fixture.game();
  game.view.field.landing_pending = 1;
  SelLine(game, 4, 1, 1, 1, CellOperation::kCheck, 0, 0, 0);
  EXPECT_EQ(game.view.field.landing_x, 4);
  // With the door in the way the missile stops in front of it.
  game.view.field.landing_pending = 1;
  SelLine(game, 8, 1, 2, 1, CellOperation::kCheck, 0, 0, 0);
  EXPECT_EQ(game.view.field.landing_x, 4);
}

TEST(Sweeps, FlyingObjectsPauseForTheFlightDelay) {
  GameFixture fixture(kCorridor);
  Game& game = fixture.game();
  game.session.settings.fly_delay = 30;
  SelLine(game, 1, 1, 4, 1, CellOperation::kFly, 0, 0, 0);
  EXPECT_EQ(fixture.frontend().slept_ms(), 4 * 30);
  EXPECT_EQ(game.view.field.selection_x, 4);
}

}  // namespace
}  // namespace zaldrun
