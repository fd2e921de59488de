#include "ui/widgets.hpp"

#include <algorithm>

#include "base/utf8.hpp"

namespace zaldrun::ui {

Rect CentredRect(const platform::Grid& grid, int w, int h) {
  w = std::min(w, grid.width());
  h = std::min(h, grid.height());
  return Rect{(grid.width() - w) / 2, (grid.height() - h) / 2, w, h};
}

void DrawWindow(platform::Grid& grid, const Rect& rect, std::string_view title) {
  grid.Frame(rect.x, rect.y, rect.w, rect.h, palette::kFrame, palette::kWindowBg);
  if (title.empty()) return;
  const size_t length = Utf8Length(title) + 2;
  const int column = CentreColumn(rect.x, rect.w, length);
  grid.PutText(column, rect.y, " " + std::string(title) + " ", palette::kTitle, palette::kWindowBg,
               rect.w - 2);
}

int ButtonWidth(std::string_view caption) { return static_cast<int>(Utf8Length(caption)) + 4; }

Rect DrawButton(platform::Grid& grid, int x, int y, std::string_view caption, bool focused) {
  const platform::Color fg = focused ? palette::kFocusFg : palette::kWindowFg;
  const platform::Color bg = focused ? palette::kFocusBg : palette::kButtonBg;
  const int width = grid.PutText(x, y, "[ " + std::string(caption) + " ]", fg, bg);
  return Rect{x, y, width, 1};
}

std::vector<std::string> WrapText(std::string_view utf8, int width) {
  std::vector<std::string> lines;
  if (width <= 0) return lines;
  const std::u32string text = DecodeUtf8(utf8);
  size_t start = 0;
  while (start < text.size()) {
    size_t end = std::min(text.size(), start + static_cast<size_t>(width));
    const size_t newline = text.find(U'\n', start);
    if (newline != std::u32string::npos && newline < end) {
      lines.push_back(EncodeUtf8(text.substr(start, newline - start)));
      start = newline + 1;
      continue;
    }
    if (end < text.size()) {
      const size_t blank = text.rfind(U' ', end);
      if (blank != std::u32string::npos && blank > start) end = blank;
    }
    lines.push_back(EncodeUtf8(text.substr(start, end - start)));
    start = end;
    while (start < text.size() && text[start] == U' ') ++start;
  }
  if (lines.empty()) lines.emplace_back();
  return lines;
}

int CentreColumn(int left, int span, size_t length) {
  const int free = span - static_cast<int>(length);
  return left + std::max(0, free / 2);
}

}  // namespace zaldrun::ui
