// Saving and loading a game with 20 or 100 visited levels: the overworld, the village and 18 or
// 98 levels of the endless dungeon.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <string>
#include <system_error>

#include "model/game.hpp"
#include "world/game_data.hpp"
#include "world/level_change.hpp"
#include "world/new_hero.hpp"
#include "world/save_game.hpp"

namespace zaldrun {
namespace {

constexpr int kEndlessPlace = 5;

// A game that has visited the overworld, the village and `dungeon_levels` levels of the endless
// dungeon and stands on the overworld, in its own folder; nullptr (with the reason) when the data
// files or the level change fail.
std::unique_ptr<Game> TravelledGame(const std::filesystem::path& folder, int dungeon_levels,
                                    std::string* error) {
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder / "Save");
  auto game = std::make_unique<Game>();
  game->session.folder = folder;
  game->session.data_folder = ZALDRUN_BINARY_DIR;
  game->random.Seed(5);
  *error = LoadGameData(*game);
  if (!error->empty()) return nullptr;
  game->world.hero.name = "Вася";
  SetUpNewHero(*game, HeroChoice{1, 1, 1, 0});
  bool entered = ChangeLevel(*game, kOverworldPlace, kOverworldLevel, 4, 20) &&
                 ChangeLevel(*game, kOverworldPlace, 1, 7, 38);
  for (int level = 1; level <= dungeon_levels && entered; ++level) {
    entered = ChangeLevel(*game, kEndlessPlace, level, 0, 0);
  }
  entered = entered && ChangeLevel(*game, kOverworldPlace, kOverworldLevel, 11, 21);
  if (!entered) {
    *error = "the journey through the levels failed";
    return nullptr;
  }
  return game;
}

// Levels visited beside the dungeon's: the overworld and the village.
constexpr int kOtherLevels = 2;

// Times `round` over and over on a game that has visited state.range(0) levels, in a folder of
// its own (saved once first when `saved_first`); counts the bytes of the save it leaves.
template <typename Round>
void TimeRounds(benchmark::State& state, const char* folder_name, bool saved_first, Round round) {
  const auto folder = std::filesystem::temp_directory_path() / folder_name;
  std::string error;
  auto game = TravelledGame(folder, static_cast<int>(state.range(0)) - kOtherLevels, &error);
  if (!game || (saved_first && !SaveCurrentGame(*game, &error))) {
    state.SkipWithError(error.c_str());
    return;
  }
  for (auto _ : state) {
    if (!round(*game, &error)) {
      state.SkipWithError(error.c_str());
      break;
    }
  }
  std::error_code ec;
  const auto bytes = std::filesystem::file_size(folder / "Save" / "Вася.sav", ec);
  if (!ec) state.counters["bytes"] = static_cast<double>(bytes);
  std::filesystem::remove_all(folder);
}

void BM_SaveGame(benchmark::State& state) {
  TimeRounds(state, "zaldrun-bench-save", false, SaveCurrentGame);
}
BENCHMARK(BM_SaveGame)->ArgName("levels")->Arg(20)->Arg(100)->Unit(benchmark::kMillisecond);

void BM_LoadGame(benchmark::State& state) {
  TimeRounds(state, "zaldrun-bench-load", true,
             [](Game& game, std::string* error) { return LoadGame(game, "Вася", error); });
}
BENCHMARK(BM_LoadGame)->ArgName("levels")->Arg(20)->Arg(100)->Unit(benchmark::kMillisecond);

// A checkpoint (the save at every level change, with its mark) and a load of it, as a player's
// next session begins: the figure the 20 ms goal for a hundred levels is about.
void BM_CheckpointThenLoad(benchmark::State& state) {
  TimeRounds(state, "zaldrun-bench-round", false, [](Game& game, std::string* error) {
    return SaveCheckpoint(game, error) && LoadGame(game, "Вася", error);
  });
}
BENCHMARK(BM_CheckpointThenLoad)->ArgName("levels")->Arg(20)->Arg(100)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace zaldrun
