// Test-only program for the end-to-end test of the terminal front end: shows a known screen and
// every key it receives. Ctrl+Q ends it; Ctrl+X aborts it, to show that the terminal is restored
// all the same.
//
// tests/CMakeLists.txt collects every .cpp under tests/ into the unit tests; only the probe's own
// target defines ZALDRUN_TERMINAL_PROBE, so there this file is empty.
#ifdef ZALDRUN_TERMINAL_PROBE

#include <cstdio>
#include <cstdlib>
#include <deque>
#include <memory>
#include <string>

#include "platform/grid.hpp"
#include "platform/key_fields.hpp"
#include "platform/terminal/terminal_frontend.hpp"

int main() {
  namespace colors = platform::colors;
  std::string error;
  std::unique_ptr<platform::TerminalFrontend> frontend =
      platform::TerminalFrontend::Open(platform::TerminalOptions{}, &error);
  if (!frontend) {
    std::fprintf(stderr, "terminal_probe: %s\n", error.c_str());
    return 2;
  }
  std::deque<std::string> log;
  for (int keys = 1;; ++keys) {
    platform::Grid grid(100, 45);
    grid.Frame(0, 0, 100, 45, colors::kWhite, colors::kNavy);
    grid.PutText(2, 1, "Залдрун — проверка терминала", colors::kYellow, colors::kNavy);
    for (size_t i = 0; i < log.size(); ++i) {
      grid.PutText(2, 3 + static_cast<int>(i), log[i], colors::kWhite, colors::kNavy);
    }
    frontend->Present(grid);
    const platform::Key key = frontend->NextKey();
    if (key.ctrl && key.code == 'Q') break;
    if (key.ctrl && key.code == 'X') std::abort();
    char number[16];
    std::snprintf(number, sizeof number, "#%02d ", keys);
    log.push_back(number + platform::testing::Fields(key));
    if (log.size() > 40) log.pop_front();
  }
  return 0;
}

#endif  // ZALDRUN_TERMINAL_PROBE
