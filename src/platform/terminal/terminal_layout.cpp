#include "platform/terminal/terminal_layout.hpp"

#include <algorithm>
#include <cwchar>

namespace platform {
namespace {

constexpr Color kNoticeFg = colors::kWhite;
constexpr Color kNoticeBg{128, 0, 0};

}  // namespace

std::string SmallTerminalNotice(int grid_width, int grid_height, int columns, int lines) {
  return "Окно терминала мало: нужно " + std::to_string(grid_width) + " x " +
         std::to_string(grid_height) + ", сейчас " + std::to_string(columns) + " x " +
         std::to_string(lines);
}

Grid ComposeScreen(const Grid& grid, int columns, int lines) {
  columns = std::max(columns, 0);
  lines = std::max(lines, 0);
  Grid screen(columns, lines);
  const int width = std::min(columns, grid.width());
  const int height = std::min(lines, grid.height());
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const Cell& cell = grid.At(x, y);
      screen.At(x, y) = Cell{PrintableChar(cell.ch), cell.fg, cell.bg};
    }
  }
  if ((columns < grid.width() || lines < grid.height()) && lines > 0) {
    screen.Fill(0, lines - 1, columns, 1, U' ', kNoticeFg, kNoticeBg);
    screen.PutText(0, lines - 1, SmallTerminalNotice(grid.width(), grid.height(), columns, lines),
                   kNoticeFg, kNoticeBg);
  }
  return screen;
}

char32_t PrintableChar(char32_t ch) {
  if (ch == 0) return U' ';
  // wcwidth knows the code points of the current locale; the front end runs under UTF-8.
  return wcwidth(static_cast<wchar_t>(ch)) == 1 ? ch : U'?';
}

}  // namespace platform
