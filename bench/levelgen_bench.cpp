// Building levels and keeping them in level files: the endless dungeon's levels 1..40 with their
// monsters, items, gold, traps and plants, and a level written and read back.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <memory>
#include <string>

#include "levelgen/build_level.hpp"
#include "levelgen/places.hpp"
#include "model/game.hpp"
#include "support/bench_games.hpp"
#include "world/level_file.hpp"

namespace zaldrun {
namespace {

// A game with the data files loaded and a scratch program folder of its own.
std::unique_ptr<Game> WorldGame() {
  return bench::GameWithData(
      std::filesystem::temp_directory_path() / ("zaldrun-bench-" + std::to_string(::getpid())), 42);
}

void BM_BuildEndlessLevels1To40(benchmark::State& state) {
  auto game = WorldGame();
  if (!game) {
    state.SkipWithError("the data files are missing");
    return;
  }
  int level = 0;
  for (auto _ : state) {
    level = level % 40 + 1;
    benchmark::DoNotOptimize(BuildLevel(*game, place::kEndless, level));
  }
  state.SetLabel("one level of 1..40 per iteration");
}
BENCHMARK(BM_BuildEndlessLevels1To40)->Unit(benchmark::kMicrosecond);

void BM_LevelBytesRoundTrip(benchmark::State& state) {
  auto game = WorldGame();
  if (!game || !BuildLevel(*game, place::kEndless, 10)) {
    state.SkipWithError("the data files are missing");
    return;
  }
  for (auto _ : state) {
    const std::vector<uint8_t> bytes = EncodeLevel(*game);
    benchmark::DoNotOptimize(DecodeLevel(*game, bytes));
  }
}
BENCHMARK(BM_LevelBytesRoundTrip)->Unit(benchmark::kMicrosecond);

void BM_EncodeLevel(benchmark::State& state) {
  auto game = WorldGame();
  if (!game || !BuildLevel(*game, place::kEndless, 10)) {
    state.SkipWithError("the data files are missing");
    return;
  }
  for (auto _ : state) benchmark::DoNotOptimize(EncodeLevel(*game));
}
BENCHMARK(BM_EncodeLevel)->Unit(benchmark::kMicrosecond);

void BM_WriteLevelAndReadLevel(benchmark::State& state) {
  auto game = WorldGame();
  if (!game || !BuildLevel(*game, place::kEndless, 10)) {
    state.SkipWithError("the data files are missing");
    return;
  }
  std::string error;
  for (auto _ : state) {
    WriteLevel(*game, place::kEndless, 10, &error);
    benchmark::DoNotOptimize(ReadLevel(*game, place::kEndless, 10, &error));
  }
  std::filesystem::remove_all(game->session.folder);
}
BENCHMARK(BM_WriteLevelAndReadLevel)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace zaldrun
