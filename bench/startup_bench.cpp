// Start-up: from nothing to the first frame in a window, and loading the data files.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <memory>

#include "platform/sdl/sdl_frontend.hpp"
#include "model/game.hpp"
#include "ui/main_window.hpp"
#include "ui/screen.hpp"
#include "ui/startup.hpp"
#include "world/game_data.hpp"

namespace zaldrun {
namespace {

// The build folder holds the compiled data files beside the game.
const std::filesystem::path kBuildFolder = ZALDRUN_BINARY_DIR;

void BM_StartUpToFirstFrame(benchmark::State& state) {
  setenv("SDL_VIDEODRIVER", "dummy", 1);
  const std::filesystem::path folder =
      std::filesystem::temp_directory_path() / "zaldrun-bench-start";
  std::filesystem::create_directories(folder);
  for (auto _ : state) {
    std::string error;
    platform::SdlOptions options;
    auto frontend = platform::CreateSdlFrontend(options, &error);
    if (!frontend) {
      state.SkipWithError(error.c_str());
      return;
    }
    auto game = std::make_unique<Game>();
    game->session.folder = folder;
    Screen screen(*frontend);
    game->session.io = &screen;
    MainWindow window(*game, screen);
    screen.Push(&window);
    StartUp(*game, screen, 1);
    screen.Present();
  }
  std::filesystem::remove_all(folder);
}
BENCHMARK(BM_StartUpToFirstFrame)->Unit(benchmark::kMillisecond);

void BM_LoadGameData(benchmark::State& state) {
  for (auto _ : state) {
    auto game = std::make_unique<Game>();
    game->session.folder = kBuildFolder;
    const std::string error = LoadGameData(*game);
    if (!error.empty()) {
      state.SkipWithError(error.c_str());
      return;
    }
    benchmark::DoNotOptimize(game.get());
  }
}
BENCHMARK(BM_LoadGameData)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace zaldrun
