// Sandbox pictures for fights and walks: an open floor ringed by wall, the hero on it.
#pragma once

#include <string>
#include <vector>

namespace zaldrun::testing {

// A room of `width` x `height` cells including its wall ring, stone floor inside, the hero at
// (hero_x, hero_y).
inline std::vector<std::string> OpenRoom(int width, int height, int hero_x, int hero_y) {
  std::vector<std::string> rows;
  for (int y = 0; y < height; ++y) {
    std::string row;
    for (int x = 0; x < width; ++x) {
      const bool wall = x == 0 || y == 0 || x == width - 1 || y == height - 1;
      row += x == hero_x && y == hero_y ? '@' : wall ? 'A' : 'C';
    }
    rows.push_back(row);
  }
  return rows;
}

}  // namespace zaldrun::testing
