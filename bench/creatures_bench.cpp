// A whole turn of a crowded level: 300 monsters awake and walking toward the hero, or asleep.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <string>

#include "creatures/monster_table.hpp"
#include "engine/turn.hpp"
#include "model/game.hpp"
#include "world/game_data.hpp"

namespace zaldrun {
namespace {

constexpr int kBigRat = 2;  // the standard behaviour, bites and claws

// An open level with the hero at the bottom and 300 monsters in the top rows, far enough that
// none reaches him within one turn.
std::unique_ptr<Game> CrowdedLevel(bool awake) {
  auto game = std::make_unique<Game>();
  game->session.data_folder = ZALDRUN_BINARY_DIR;
  game->session.folder = std::filesystem::temp_directory_path();
  if (!LoadGameData(*game).empty()) return nullptr;
  for (int y = 0; y < kMapHeight; ++y) {
    for (int x = 0; x < kMapWidth; ++x) game->world.level.SetTerrain(x, y, 'C');
  }
  game->world.hero.x = 40;
  game->world.hero.y = 38;
  game->world.hero.sight_radius = 8;
  game->world.hero.speed_base = 100;
  game->world.hero.hp = game->world.hero.max_hp = 1000;
  for (int i = 0; i < kMaxMonsters; ++i) {
    const int slot = CreateMonster(*game, 1 + i % 78, 1 + i / 78, kBigRat, 0, 0);
    game->world.level.Monster(slot).speed = 100;
    if (awake) game->world.level.Monster(slot).state = -1;
  }
  return game;
}

void RunTurns(benchmark::State& state, bool awake) {
  auto game = CrowdedLevel(awake);
  if (game == nullptr) {
    state.SkipWithError("the data files are missing");
    return;
  }
  const Level start = game->world.level;
  for (auto _ : state) {
    state.PauseTiming();
    game->world.level = start;
    state.ResumeTiming();
    AdvanceTime(*game, 1000);
  }
}

void BM_TurnOf300AwakeMonsters(benchmark::State& state) { RunTurns(state, true); }
BENCHMARK(BM_TurnOf300AwakeMonsters)->Unit(benchmark::kMicrosecond);

void BM_TurnOf300SleepingMonsters(benchmark::State& state) { RunTurns(state, false); }
BENCHMARK(BM_TurnOf300SleepingMonsters)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace zaldrun
