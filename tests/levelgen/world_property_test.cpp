// Every level of every place, built over many seeds: the hero arrives on solid ground, can reach
// every staircase, entrance and way out, nothing stands or lies inside a wall, and every link
// leads to a level the game can build.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "levelgen/places.hpp"
#include "model/game.hpp"
#include "support/game_fixture.hpp"
#include "support/world_checks.hpp"

namespace zaldrun {
namespace {

using testing::GameFixture;

std::vector<std::pair<int, int>> EveryLevel() {
  std::vector<std::pair<int, int>> levels;
  for (int level : {1, 2, 5, 59, 60, 100}) levels.push_back({place::kWorld, level});
  for (int level = 1; level <= 4; ++level) levels.push_back({place::kCatacombs, level});
  for (int level = 1; level <= 3; ++level) levels.push_back({place::kDarkCave, level});
  for (int level = 1; level <= 13; ++level) levels.push_back({place::kTomb, level});
  for (int level : {1, 2, 3, 4, 5, 6, 12, 40}) levels.push_back({place::kEndless, level});
  for (int level = 1; level <= 5; ++level) levels.push_back({place::kSwamp, level});
  for (int level = 1; level <= 4; ++level) levels.push_back({place::kThicket, level});
  return levels;
}

// The tomb's way down lies behind the hall of the trap: the trap opens the hall's walls into the
// golem rooms, and the golem hall's east wall becomes a secret door. What the trap will do is done
// here, so that the way down counts as reachable the way the hero reaches it.
void OpenTheTombsTrap(Game& game) {
  Level& level = game.world.level;
  for (int y : {15, 16, 17, 20, 21, 22}) {
    level.SetTerrain(7, y, 'C');
    level.SetTerrain(15, y, 'C');
  }
  for (int x : {10, 11, 12}) level.SetTerrain(x, 25, 'C');
  level.Cell(31, 18).feature = feature::kSecretDoor;
}

TEST(WorldProperties, EveryLevelIsSoundOverManySeeds) {
  for (uint64_t seed = 1; seed <= 16; ++seed) {
    GameFixture fixture({"@"}, seed);
    Game& game = fixture.game();
    for (const auto& [place, level] : EveryLevel()) {
      SCOPED_TRACE("seed " + std::to_string(seed) + ", place " + std::to_string(place) +
                   ", level " + std::to_string(level));
      ASSERT_TRUE(fixture.StartOn(place, level));
      if (place == place::kTomb && level == 1) OpenTheTombsTrap(game);
      EXPECT_EQ(testing::LevelFaults(game), "");
      game.view.message_line.clear();
    }
  }
}

}  // namespace
}  // namespace zaldrun
