// A whole turn of a crowded level: 300 monsters awake and walking toward the hero, or asleep.
#include <benchmark/benchmark.h>

#include "model/game.hpp"
#include "support/bench_games.hpp"

namespace zaldrun {
namespace {

void RunTurns(benchmark::State& state, bool awake) {
  auto game = bench::CrowdedLevel(awake);
  if (game == nullptr) {
    state.SkipWithError("the data files are missing");
    return;
  }
  const Level start = game->world.level;
  for (auto _ : state) {
    state.PauseTiming();
    game->world.level = start;
    state.ResumeTiming();
    bench::CrowdedTurn(*game);
  }
}

void BM_TurnOf300AwakeMonsters(benchmark::State& state) { RunTurns(state, true); }
BENCHMARK(BM_TurnOf300AwakeMonsters)->Unit(benchmark::kMicrosecond);

void BM_TurnOf300SleepingMonsters(benchmark::State& state) { RunTurns(state, false); }
BENCHMARK(BM_TurnOf300SleepingMonsters)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace zaldrun
