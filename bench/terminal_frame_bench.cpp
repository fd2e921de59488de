// A frame of the terminal front end in which every cell changed, drawn through curses into
// /dev/null: the cost of the front end and of curses' own screen update, per frame.
#include <benchmark/benchmark.h>

#include <array>
#include <cstdio>
#include <string>

#include "platform/grid.hpp"
#include "platform/terminal/terminal_colors.hpp"
#include "platform/terminal/terminal_frontend.hpp"

namespace {

using platform::Color;
using platform::Grid;

// Colour n of the 16 basic ones, among them the colours of the game's map and windows.
Color Basic(int n) { return platform::Xterm256Color(n % 16); }

// Two frames that differ in every cell: character, foreground and background. The colours change
// every colour_run cells along a row: 1 is the worst case, a colour change in every cell; the
// game's screens have runs of map floor, wall and window text.
Grid MakeFrame(int phase, int colour_run) {
  Grid grid(100, 45);
  for (int y = 0; y < grid.height(); ++y) {
    for (int x = 0; x < grid.width(); ++x) {
      const int i = x + y + phase;
      grid.Put(x, y, static_cast<char32_t>(U'А' + i % 32), Basic(x / colour_run + phase),
               Basic(y + 2 * phase + 5));
    }
  }
  return grid;
}

void BM_TerminalFullFrame(benchmark::State& state, const char* term, int colour_run) {
  FILE* output = std::fopen("/dev/null", "w");
  FILE* input = std::fopen("/dev/null", "r");
  platform::TerminalOptions options;
  options.output = output;
  options.input = input;
  options.term = term;
  options.columns = 100;
  options.lines = 45;
  options.guard_signals = false;
  options.mouse = false;
  std::string error;
  auto frontend = platform::TerminalFrontend::Open(options, &error);
  if (!frontend) {
    state.SkipWithError(error.c_str());
  } else {
    const std::array<Grid, 2> frames = {MakeFrame(0, colour_run), MakeFrame(1, colour_run)};
    frontend->Present(frames[1]);
    size_t next = 0;
    for (auto _ : state) {
      frontend->Present(frames[next]);
      next ^= 1;
    }
    state.counters["cells"] = frontend->cells_drawn();
    state.SetItemsProcessed(state.iterations());
    frontend.reset();
  }
  std::fclose(input);
  std::fclose(output);
}

BENCHMARK_CAPTURE(BM_TerminalFullFrame, xterm_256color, "xterm-256color", 1)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_TerminalFullFrame, xterm_direct, "xterm-direct", 1)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_TerminalFullFrame, xterm_256color_runs_of_8, "xterm-256color", 8)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_TerminalFullFrame, xterm_direct_runs_of_8, "xterm-direct", 8)
    ->Unit(benchmark::kMicrosecond);

}  // namespace
