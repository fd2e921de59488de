#include "field/free_cells.hpp"

#include <vector>

#include "model/game.hpp"
#include "records/terrain.hpp"

namespace zaldrun {
namespace {

// Random draws before the whole area is searched.
constexpr int kFreeCellDraws = 2000;

}  // namespace

bool RandomFreeCell(Game& game, int16_t& x, int16_t& y, bool monsters_allowed) {
  for (int draw = 0; draw < kFreeCellDraws; ++draw) {
    const int cx = 1 + static_cast<int>(game.random.Next() * 77);
    const int cy = 1 + static_cast<int>(game.random.Next() * 37);
    if (CellIsFree(game, cx, cy, monsters_allowed)) {
      x = static_cast<int16_t>(cx);
      y = static_cast<int16_t>(cy);
      return true;
    }
  }
  // A crowded or walled-in level: search it all and pick among what is free.
  std::vector<int> free_cells;
  for (int cy = 1; cy <= 37; ++cy) {
    for (int cx = 1; cx <= 77; ++cx) {
      if (CellIsFree(game, cx, cy, monsters_allowed)) free_cells.push_back(cy * kMapWidth + cx);
    }
  }
  if (free_cells.empty()) return false;
  const size_t pick = static_cast<size_t>(game.random.Next() * free_cells.size());
  x = static_cast<int16_t>(free_cells[pick] % kMapWidth);
  y = static_cast<int16_t>(free_cells[pick] / kMapWidth);
  return true;
}

}  // namespace zaldrun
