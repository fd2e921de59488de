// The cell grid: what every front end draws (a code point, a foreground and a background per cell).
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/color.hpp"

namespace platform {

struct Cell {
  char32_t ch = U' ';
  Color fg = colors::kLightGray;
  Color bg = colors::kBlack;

  friend bool operator==(const Cell&, const Cell&) = default;
};

class Grid {
 public:
  Grid(int width, int height);

  int width() const { return width_; }
  int height() const { return height_; }

  bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }
  const Cell& At(int x, int y) const { return cells_[Index(x, y)]; }
  Cell& At(int x, int y) { return cells_[Index(x, y)]; }
  const std::vector<Cell>& cells() const { return cells_; }

  // Writes one cell; positions outside the grid are ignored.
  void Put(int x, int y, char32_t ch, Color fg, Color bg);
  // Writes UTF-8 text from (x, y) to the right, clipped at max_width columns and at the grid's
  // edge. Returns the number of columns written.
  int PutText(int x, int y, std::string_view utf8, Color fg, Color bg, int max_width = 1 << 30);
  void Fill(int x, int y, int w, int h, char32_t ch, Color fg, Color bg);
  void Clear(Color bg = colors::kBlack);
  // A single-line box frame with the given interior colours.
  void Frame(int x, int y, int w, int h, Color fg, Color bg);

  // One row as UTF-8 text, trailing blanks removed (tests and snapshots).
  std::string RowText(int y) const;
  // The whole grid as UTF-8 text, one row per line.
  std::string Text() const;

 private:
  size_t Index(int x, int y) const { return static_cast<size_t>(y) * width_ + x; }

  int width_;
  int height_;
  std::vector<Cell> cells_;
};

}  // namespace platform
