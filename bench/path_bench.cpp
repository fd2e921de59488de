// One step's path search of auto-explore and travel on a full level.
#include <benchmark/benchmark.h>

#include <memory>

#include "field/path_map.hpp"
#include "model/game.hpp"

namespace zaldrun {
namespace {

// A full 80 x 40 level of rooms in a grid of walls with gaps, its left half seen: the search
// crosses thousands of cells to the edge of what is known.
std::unique_ptr<Game> HalfSeenLevel() {
  auto game = std::make_unique<Game>();
  for (int y = 0; y < kMapHeight; ++y) {
    for (int x = 0; x < kMapWidth; ++x) {
      const bool wall = (x % 6 == 0 || y % 5 == 0) && (x + y) % 4 != 0;
      game->world.level.SetTerrain(x, y, wall ? 'A' : 'C');
      game->world.level.Cell(x, y).seen = x < kMapWidth / 2 ? 1 : 0;
    }
  }
  game->world.hero.x = 1;
  game->world.hero.y = 1;
  game->world.level.SetTerrain(1, 1, 'C');
  return game;
}

void BM_ExploreStepSearch(benchmark::State& state) {
  auto game = HalfSeenLevel();
  PathMap map;
  for (auto _ : state) {
    const PassableCells walkable = KnownWalkable(*game);
    map.Fill(walkable, ExploreGoals(*game, walkable));
    benchmark::DoNotOptimize(map.StepFrom(game->world.hero.x, game->world.hero.y));
  }
}
BENCHMARK(BM_ExploreStepSearch)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace zaldrun
