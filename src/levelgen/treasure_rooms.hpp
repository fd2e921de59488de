// The special rooms of generated dungeons, built from letter templates and called by name: a hall
// with a metal cross, a cross-shaped hall walled in metal, a cave with an underground lake. Each
// places itself, offers its door cells to the generator and brings its guards and treasure.
#pragma once

#include "levelgen/level_tools.hpp"

namespace zaldrun {

struct Game;

// One try at a place for a w x h room: a random corner; when the room and a margin of one cell
// are free of rooms, the room is registered and its corner returned, else (-1, -1).
CellPos FindRoomPlace(Game& game, int w, int h);

void SpecRoom1(Game& game);
void SpecRoom2(Game& game);
void SpecRoom3(Game& game);

}  // namespace zaldrun
