// The look cursor's description of a cell: the creature there, the feature, the terrain.
#pragma once

namespace zaldrun {

struct Game;

// Moves the cursor to (x, y) and says what the hero knows of the cell. Outside the map: nothing.
void DescribeCell(Game& game, int x, int y);

}  // namespace zaldrun
