#include "platform/grid.hpp"

#include "base/utf8.hpp"

namespace platform {

Grid::Grid(int width, int height)
    : width_(width), height_(height), cells_(static_cast<size_t>(width) * height) {}

void Grid::Put(int x, int y, char32_t ch, Color fg, Color bg) {
  if (!Contains(x, y)) return;
  cells_[Index(x, y)] = Cell{ch, fg, bg};
}

int Grid::PutText(int x, int y, std::string_view utf8, Color fg, Color bg, int max_width) {
  int written = 0;
  for (char32_t ch : zaldrun::DecodeUtf8(utf8)) {
    if (written >= max_width) break;
    Put(x + written, y, ch, fg, bg);
    ++written;
  }
  return written;
}

void Grid::Fill(int x, int y, int w, int h, char32_t ch, Color fg, Color bg) {
  for (int row = y; row < y + h; ++row) {
    for (int col = x; col < x + w; ++col) Put(col, row, ch, fg, bg);
  }
}

void Grid::Clear(Color bg) { Fill(0, 0, width_, height_, U' ', colors::kLightGray, bg); }

void Grid::Frame(int x, int y, int w, int h, Color fg, Color bg) {
  Fill(x, y, w, h, U' ', fg, bg);
  for (int col = x + 1; col < x + w - 1; ++col) {
    Put(col, y, U'─', fg, bg);
    Put(col, y + h - 1, U'─', fg, bg);
  }
  for (int row = y + 1; row < y + h - 1; ++row) {
    Put(x, row, U'│', fg, bg);
    Put(x + w - 1, row, U'│', fg, bg);
  }
  Put(x, y, U'┌', fg, bg);
  Put(x + w - 1, y, U'┐', fg, bg);
  Put(x, y + h - 1, U'└', fg, bg);
  Put(x + w - 1, y + h - 1, U'┘', fg, bg);
}

std::string Grid::RowText(int y) const {
  std::u32string row;
  for (int x = 0; x < width_; ++x) row.push_back(At(x, y).ch);
  while (!row.empty() && row.back() == U' ') row.pop_back();
  return zaldrun::EncodeUtf8(row);
}

std::string Grid::Text() const {
  std::string text;
  for (int y = 0; y < height_; ++y) {
    text += RowText(y);
    text += '\n';
  }
  return text;
}

}  // namespace platform
