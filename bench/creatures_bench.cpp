// A whole turn of a crowded level: 300 monsters awake and walking toward the hero, or asleep.
#include <benchmark/benchmark.h>

#include <chrono>

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
  // Only the turn is timed: pausing the timer for each fresh level costs about as much as a turn.
  const Level start = game->world.level;
  for (auto _ : state) {
    game->world.level = start;
    const auto begin = std::chrono::steady_clock::now();
    bench::CrowdedTurn(*game);
    state.SetIterationTime(
        std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count());
  }
}

void BM_TurnOf300AwakeMonsters(benchmark::State& state) { RunTurns(state, true); }
BENCHMARK(BM_TurnOf300AwakeMonsters)->UseManualTime()->Unit(benchmark::kMicrosecond);

void BM_TurnOf300SleepingMonsters(benchmark::State& state) { RunTurns(state, false); }
BENCHMARK(BM_TurnOf300SleepingMonsters)->UseManualTime()->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace zaldrun
