// Test-only program for the end-to-end test of the terminal front end: shows a known screen and
// every key it receives. Ctrl+Q ends it; Ctrl+X aborts it and Ctrl+V sends it SIGSEGV, to show
// that the terminal is restored all the same.
//
// tests/CMakeLists.txt collects every .cpp under tests/ into the unit tests; only the probe's own
// target defines ZALDRUN_TERMINAL_PROBE, so there this file is empty.
#ifdef ZALDRUN_TERMINAL_PROBE

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <memory>
#include <string>

#include "platform/grid.hpp"
#include "platform/terminal/terminal_frontend.hpp"
#include "state/utf8.hpp"

namespace {

using platform::Color;
using platform::Grid;
using platform::Key;
using platform::KeyKind;
namespace colors = platform::colors;

constexpr int kWidth = 100;
constexpr int kHeight = 45;
constexpr int kLogTop = 9;
constexpr int kLogRows = kHeight - kLogTop - 1;

std::string Describe(const Key& key, int number) {
  char line[160];
  if (key.kind == KeyKind::kMouseClick) {
    std::snprintf(line, sizeof line, "#%02d click x=%d y=%d", number, key.x, key.y);
    return line;
  }
  if (key.kind == KeyKind::kCloseRequest) {
    std::snprintf(line, sizeof line, "#%02d close", number);
    return line;
  }
  std::string shown = ".";
  if (key.ch >= 32 && key.ch != 127) shown = zaldrun::EncodeUtf8(std::u32string(1, key.ch));
  std::snprintf(line, sizeof line, "#%02d code=%d ch=U+%04X '%s' cp1251=%d ctrl=%d alt=%d shift=%d",
                number, key.code, static_cast<unsigned>(key.ch), shown.c_str(), key.cp1251,
                key.ctrl, key.alt, key.shift);
  return line;
}

Grid Screen(std::string_view mode, const std::deque<std::string>& log, int keys) {
  const Color text = colors::kLightGray;
  const Color back = colors::kNavy;
  Grid grid(kWidth, kHeight);
  grid.Frame(0, 0, kWidth, kHeight, colors::kWhite, back);
  grid.PutText(2, 1, "Залдрун — проверка терминала", colors::kYellow, back);
  grid.PutText(2, 2, "Цвета: " + std::string(mode), text, back);
  grid.PutText(2, 3, "Съешь же ещё этих мягких французских булок, да выпей чаю.", text, back);
  int x = 2;
  x += grid.PutText(x, 4, "КРАСНЫЙ", Color{255, 0, 0}, colors::kBlack) + 1;
  x += grid.PutText(x, 4, "ЗЕЛЁНЫЙ", Color{0, 192, 0}, colors::kBlack) + 1;
  x += grid.PutText(x, 4, "ЧЁРНЫЙ", colors::kWhite, Color{0, 0, 0}) + 1;
  x += grid.PutText(x, 4, "ПОЧТИ-ЧЁРНЫЙ", colors::kWhite, Color{0, 0, 5}) + 1;
  grid.PutText(x, 4, "ОРАНЖЕВЫЙ", Color{255, 128, 0}, Color{40, 40, 40});
  grid.PutText(2, 5, "┌─┬─┐ ╔═╦═╗ █▓▒░ ¦†„‡ћ§ №", text, back);
  grid.PutText(2, 6, "└─┴─┘ ╚═╩═╝", text, back);
  grid.PutText(2, 7, "Клавиш получено: " + std::to_string(keys), text, back);
  int row = kLogTop;
  for (const std::string& line : log) grid.PutText(2, row++, line, colors::kWhite, back);
  grid.PutText(3, kHeight - 1, " Ctrl+Q — выход ", colors::kYellow, back);
  return grid;
}

}  // namespace

int main() {
  std::string error;
  std::unique_ptr<platform::Frontend> frontend = platform::CreateTerminalFrontend(&error);
  if (!frontend) {
    std::fprintf(stderr, "terminal_probe: %s\n", error.c_str());
    return 2;
  }
  const auto* terminal = dynamic_cast<platform::TerminalFrontend*>(frontend.get());
  const std::string_view mode =
      terminal ? platform::ColorModeName(terminal->color_mode()) : std::string_view("?");
  std::deque<std::string> log;
  int keys = 0;
  try {
    for (;;) {
      frontend->Present(Screen(mode, log, keys));
      const Key key = frontend->NextKey();
      if (key.kind == KeyKind::kKey && key.ctrl && key.code == 'Q') break;
      if (key.kind == KeyKind::kKey && key.ctrl && key.code == 'X') std::abort();
      if (key.kind == KeyKind::kKey && key.ctrl && key.code == 'V') std::raise(SIGSEGV);
      log.push_back(Describe(key, ++keys));
      if (static_cast<int>(log.size()) > kLogRows) log.pop_front();
    }
  } catch (const platform::InputEnded&) {
    frontend.reset();
    std::printf("terminal_probe: ввод закончился после %d клавиш\n", keys);
    return 3;
  }
  frontend.reset();
  std::printf("terminal_probe: выход после %d клавиш\n", keys);
  return 0;
}

#endif  // ZALDRUN_TERMINAL_PROBE
