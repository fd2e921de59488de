// The level change: the level left goes to its level file, the destination is read back or built,
// its entry script runs, and the hero arrives where the link says or on the link leading back.
#pragma once

namespace zaldrun {

struct Game;

// Leaves the current level for (place, level), arriving at (x, y); (0, 0) means the link of the
// new level that leads back to the level left. Returns false, with a message and nothing changed,
// when the level left cannot be written or the destination does not exist; a destination whose
// level file is damaged is built anew (with a message).
bool ChangeLevel(Game& game, int place, int level, int x, int y);

struct ArrivalCell {
  bool found = false;
  int x = 0;
  int y = 0;
};
// The link of the current level that leads to (from_place, from_level): stairs inside the map, or
// an edge exit on any of the four borders (the hero then stands on the inner cell beside it).
ArrivalCell FindLinkBack(const Game& game, int from_place, int from_level);
// Whether the hero can stand on a cell: walkable ground, no blocking feature, no monster.
bool CanStandOn(const Game& game, int x, int y);
// The cell nearest to (x, y) the hero can stand on (border exits only when nothing else is left).
ArrivalCell NearestStandingCell(const Game& game, int x, int y);

}  // namespace zaldrun
