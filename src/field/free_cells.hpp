// Free cells: where a creature could step or something could be put on the level.
#pragma once

#include <cstdint>

namespace zaldrun {

struct Game;

// Whether the hero could walk into (x, y): inside the map, not the hero's cell, no blocking
// terrain, no closed door, and — unless monsters are allowed — no monster.
bool CellIsFree(const Game& game, int x, int y, bool monsters_allowed);
// A random free cell in columns 1..77 and rows 1..37. After many failed draws the whole area is
// searched; returns false, leaving x and y alone, when no cell is free at all.
bool RandomFreeCell(Game& game, int16_t& x, int16_t& y, bool monsters_allowed);

}  // namespace zaldrun
