// A trip through the endless dark cave played with keys: the hero walks to the way down and takes
// it three times with the stairs command, then climbs back up level by level, and finds every
// level as he left it, its remembered map drawn at once. Elsewhere the key refuses: commands_test.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "levelgen/places.hpp"
#include "model/game.hpp"
#include "records/terrain.hpp"
#include "support/game_fixture.hpp"
#include "world/level_file.hpp"

namespace zaldrun {
namespace {

using testing::GameFixture;

struct Step {
  int dx;
  int dy;
  const char* key;
};
constexpr Step kSteps[] = {{0, -1, "{Up}"},   {0, 1, "{Down}"},   {-1, 0, "{Left}"},
                           {1, 0, "{Right}"}, {-1, -1, "{Home}"}, {1, -1, "{PgUp}"},
                           {-1, 1, "{End}"},  {1, 1, "{PgDn}"}};

// The key of the first step of a shortest walk to the nearest cell with the feature, or nothing.
std::string NextKeyTowards(const Game& game, int wanted) {
  const Level& level = game.world.level;
  std::vector<int> from(kMapWidth * kMapHeight, -1);
  std::vector<int> queue = {game.world.hero.y * kMapWidth + game.world.hero.x};
  from[static_cast<size_t>(queue[0])] = queue[0];
  for (size_t head = 0; head < queue.size(); ++head) {
    const int cell = queue[head];
    const int x = cell % kMapWidth;
    const int y = cell / kMapWidth;
    if (level.Cell(x, y).feature == wanted && head > 0) {
      int step = cell;
      while (from[static_cast<size_t>(step)] != queue[0]) step = from[static_cast<size_t>(step)];
      for (const Step& s : kSteps) {
        if (step == queue[0] + s.dy * kMapWidth + s.dx) return s.key;
      }
    }
    for (const Step& s : kSteps) {
      const int nx = x + s.dx;
      const int ny = y + s.dy;
      if (!Level::Inside(nx, ny) || from[static_cast<size_t>(ny * kMapWidth + nx)] >= 0) continue;
      const int feature = level.Cell(nx, ny).feature;
      const bool door = feature == feature::kClosedDoor;
      if (!door && (TerrainOf(level.Terrain(nx, ny)).blocks_move || FeatureBlocks(feature) ||
                    feature == feature::kEdgeExit)) {
        continue;
      }
      from[static_cast<size_t>(ny * kMapWidth + nx)] = cell;
      queue.push_back(ny * kMapWidth + nx);
    }
  }
  return "";
}

// Doors unlocked and secret doors shown: the trip is about levels kept, not about lockpicking.
void OpenTheWay(Game& game) {
  for (int y = 0; y < kMapHeight; ++y) {
    for (int x = 0; x < kMapWidth; ++x) {
      MapCell& cell = game.world.level.Cell(x, y);
      if (cell.feature == feature::kSecretDoor) {
        cell.feature = feature::kClosedDoor;
        game.world.level.SetTerrain(x, y, 'C');
      }
      if (cell.feature == feature::kClosedDoor) cell.params[0] = 0;
    }
  }
}

// Walks to the nearest staircase of the feature and takes it; the level as it was left.
std::vector<uint8_t> WalkAndTake(GameFixture& fixture, int wanted) {
  Game& game = fixture.game();
  game.world.hero.hp = game.world.hero.max_hp = 30000;
  for (int keys = 0; keys < 600; ++keys) {
    if (game.world.level.Cell(game.world.hero.x, game.world.hero.y).feature == wanted) break;
    // Gazes and bites may confuse the hero, who would then stumble about at random.
    game.view.labels.Set(Condition::kConfused, false);
    const std::string key = NextKeyTowards(game, wanted);
    if (key.empty()) break;
    fixture.Keys(key + "{Space}{Space}").PlayKeys();
  }
  EXPECT_EQ(game.world.level.Cell(game.world.hero.x, game.world.hero.y).feature, wanted);
  const std::vector<uint8_t> left = EncodeLevel(game);
  fixture.Keys(">{Space}{Space}").PlayKeys();
  return left;
}

// The level file's bytes without the seen marks and remembered glyphs, which change wherever the
// hero looks again on arrival.
std::vector<uint8_t> WithoutMemory(std::vector<uint8_t> bytes) {
  for (size_t cell = 0; cell < 3200; ++cell) {
    for (size_t b = 0; b < 6; ++b) bytes[16 + 21 * cell + b] = 0;
  }
  return bytes;
}

TEST(WorldTrip, ThreeLevelsDownAndBackUpFindEachLevelAsItWasLeft) {
  GameFixture fixture({"@"}, 31);
  Game& game = fixture.game();
  game.session.settings.fast_more = 1;
  ASSERT_TRUE(fixture.StartOn(place::kEndless, 1));
  std::vector<std::vector<uint8_t>> left(5);
  for (int level = 1; level <= 3; ++level) {
    ASSERT_EQ(game.world.current_level, level);
    OpenTheWay(game);
    // Something seen far away before he left.
    game.world.level.Cell(1, 1).seen = 1;
    game.world.level.Cell(1, 1).remembered_glyph = static_cast<uint8_t>('0' + level);
    left[static_cast<size_t>(level)] = WalkAndTake(fixture, feature::kStairsDown);
    ASSERT_EQ(game.world.current_level, level + 1);
    EXPECT_EQ(game.world.level.Cell(game.world.hero.x, game.world.hero.y).feature,
              feature::kStairsUp);
    EXPECT_TRUE(std::filesystem::exists(game.session.SaveFolder() /
                                        ("Lev5_" + std::to_string(level) + ".lev")));
  }
  for (int level = 3; level >= 1; --level) {
    OpenTheWay(game);
    WalkAndTake(fixture, feature::kStairsUp);
    ASSERT_EQ(game.world.current_level, level);
    EXPECT_EQ(WithoutMemory(EncodeLevel(game)), WithoutMemory(left[static_cast<size_t>(level)]))
        << "level " << level << " as it was left";
    const MapCell& arrival = game.world.level.Cell(game.world.hero.x, game.world.hero.y);
    EXPECT_EQ(arrival.feature, feature::kStairsDown) << "back on the way down";
    EXPECT_EQ(game.view.field.At(1, 1).glyph, '0' + level) << "the remembered map is drawn at once";
  }
  EXPECT_EQ(fixture.LogCount("Ты спустился вниз."), 3);
  EXPECT_EQ(fixture.LogCount("Ты поднялся наверх."), 3);
}

}  // namespace
}  // namespace zaldrun
