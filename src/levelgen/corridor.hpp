// Corridors between room doors: a breadth-first distance map through the rock between the rooms,
// then a winding walk back along it that carves stone floor.
#pragma once

#include <array>
#include <cstdint>

#include "model/level.hpp"

namespace zaldrun {

struct Game;

// Digs the corridors of one level. The flood looks only at the room marks, which corridors never
// change, so they are read once; the distance map is cleared after each corridor only where the
// flood reached, which is most of the cost of a corridor on a crowded map.
class CorridorDigger {
 public:
  explicit CorridorDigger(const Level& level);

  // Connects the door (x1, y1) to the door (x2, y2). The flood spreads from the first door through
  // cells that belong to no room (x 1..78, y 1..38) until it reaches the second door or runs out
  // of cells; the walk back from the second door prefers to keep its direction, carves "C" into
  // every cell it passes (a secret door keeps its wall) and stops at the first door or after 1000
  // steps.
  void Dig(Game& game, int x1, int y1, int x2, int y2);

 private:
  static constexpr int kCells = kMapWidth * kMapHeight;

  void Flood(int start, int target);
  int Distance(int x, int y) const;
  void WalkBack(Game& game, int x1, int y1, int x2, int y2);

  // Each cell's distance from the start door; closed to the flood for cells outside x 1..78,
  // y 1..38 or in a room.
  std::array<int16_t, kCells> distance_;
  std::array<int16_t, kCells> reached_;  // the cells the flood gave a distance, in order
  int reached_count_ = 0;
};

// One corridor on its own (see CorridorDigger::Dig).
void DigCorridor(Game& game, int x1, int y1, int x2, int y2);

}  // namespace zaldrun
