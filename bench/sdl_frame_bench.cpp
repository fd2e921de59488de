// One full frame of the window front end: a 100 x 45 grid drawn by the software renderer under
// the dummy video driver (what tests and machines without a graphics card get).
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>

#include "platform/sdl/sdl_frontend.hpp"

namespace platform {
namespace {

constexpr int kColumns = 100;
constexpr int kRows = 45;

// Letters of both alphabets, digits, map glyphs and line drawing.
constexpr char32_t kGlyphs[] =
    U"abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789"
    U"абвгдеёжзийклмнопрстуфхцчшщъыьэюяАБВГДЕЁЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯ"
    U"@#.,:;!?%&*+-=<>()[]{}/\\|~^$\"'¦†„‡ћ§─│┌┐└┘";
constexpr int kGlyphCount = static_cast<int>(sizeof(kGlyphs) / sizeof(kGlyphs[0])) - 1;

Color Varied(int seed) {
  return Color{static_cast<uint8_t>(64 + seed * 37 % 192),
               static_cast<uint8_t>(64 + seed * 53 % 192),
               static_cast<uint8_t>(64 + seed * 91 % 192)};
}

// Every cell holds a glyph in a colour of its own. With `every_background_differs` each cell's
// background differs too; otherwise backgrounds come in runs, as on the game's screens (a black
// map, coloured panels and highlighted rows).
Grid FullGrid(bool every_background_differs) {
  Grid grid(kColumns, kRows);
  for (int y = 0; y < kRows; ++y) {
    for (int x = 0; x < kColumns; ++x) {
      const int i = y * kColumns + x;
      Color bg = colors::kBlack;
      if (every_background_differs) {
        bg = Color{static_cast<uint8_t>(x * 2), static_cast<uint8_t>(y * 5), 40};
      } else if (x >= 80) {
        bg = colors::kNavy;  // side panel
      } else if (y % 9 == 4) {
        bg = colors::kDarkGray;  // a highlighted row
      }
      grid.Put(x, y, kGlyphs[(i * 7) % kGlyphCount], Varied(i), bg);
    }
  }
  return grid;
}

void RunFrames(benchmark::State& state, bool every_background_differs) {
  setenv("SDL_VIDEODRIVER", "dummy", 1);
  SdlOptions options;
  options.columns = kColumns;
  options.rows = kRows;
  std::string error;
  std::unique_ptr<Frontend> frontend = CreateSdlFrontend(options, &error);
  if (frontend == nullptr) {
    state.SkipWithError(error.c_str());
    return;
  }
  const Grid grid = FullGrid(every_background_differs);
  frontend->Present(grid);  // draws every glyph into the atlas once
  for (auto _ : state) frontend->Present(grid);
}

void BM_SdlFrameFullGrid(benchmark::State& state) { RunFrames(state, false); }
void BM_SdlFrameEveryBackgroundDiffers(benchmark::State& state) { RunFrames(state, true); }

BENCHMARK(BM_SdlFrameFullGrid)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SdlFrameEveryBackgroundDiffers)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace platform
