// Where the cell grid sits in the window: centred, with black bars around it.
#pragma once

namespace platform {

struct GridLayout {
  int origin_x = 0;  // top-left corner of cell (0, 0) in window pixels
  int origin_y = 0;
  int cell_width = 1;
  int cell_height = 1;
  int columns = 0;
  int rows = 0;

  int pixel_width() const { return columns * cell_width; }
  int pixel_height() const { return rows * cell_height; }

  // The cell under a window pixel; false outside the grid.
  bool CellAt(int px, int py, int* x, int* y) const {
    if (px < origin_x || py < origin_y) return false;
    const int col = (px - origin_x) / cell_width;
    const int row = (py - origin_y) / cell_height;
    if (col >= columns || row >= rows) return false;
    *x = col;
    *y = row;
    return true;
  }
};

// Centres the grid in the output. A window smaller than the grid keeps its top-left corner in view
// rather than cutting off both sides.
inline GridLayout CenterGrid(int output_width, int output_height, int columns, int rows,
                             int cell_width, int cell_height) {
  GridLayout layout{0, 0, cell_width, cell_height, columns, rows};
  const int spare_x = output_width - layout.pixel_width();
  const int spare_y = output_height - layout.pixel_height();
  layout.origin_x = spare_x > 0 ? spare_x / 2 : 0;
  layout.origin_y = spare_y > 0 ? spare_y / 2 : 0;
  return layout;
}

}  // namespace platform
