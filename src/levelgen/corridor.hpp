// Corridors between room doors: a breadth-first distance map through the rock between the rooms,
// then a winding walk back along it that carves stone floor.
#pragma once

namespace zaldrun {

struct Game;

// Connects the door (x1, y1) to the door (x2, y2). The flood spreads from the first door through
// cells that belong to no room (x 1..78, y 1..38) until it reaches the second door or runs out of
// cells; the walk back from the second door prefers to keep its direction, carves "C" into every
// cell it passes (a secret door keeps its wall) and stops at the first door or after 1000 steps.
void DigCorridor(Game& game, int x1, int y1, int x2, int y2);

}  // namespace zaldrun
