// The look cursor's description of a cell: the creature there (how hurt, asleep or awake,
// peaceful or hostile), what lies there, the feature, the terrain.
#pragma once

#include <string>

namespace zaldrun {

struct Game;

// What the hero knows of the cell, in sentences; empty outside the map.
std::string CellDescription(const Game& game, int x, int y);
// Moves the cursor to (x, y) and says what the hero knows of the cell. Outside the map: nothing.
void DescribeCell(Game& game, int x, int y);

}  // namespace zaldrun
