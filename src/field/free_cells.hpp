// Free cells: where a creature could step or something could be put on the level.
#pragma once

#include <cstdint>

#include "model/game.hpp"
#include "records/terrain.hpp"

namespace zaldrun {

// Whether the hero could walk into (x, y): inside the map, not the hero's cell, no blocking
// terrain, no closed door, and — unless monsters are allowed — no monster. Inline: every monster
// step of a turn asks it a few times.
inline bool CellIsFree(const Game& game, int x, int y, bool monsters_allowed) {
  if (!Level::Inside(x, y)) return false;
  // Cheapest first: among a crowd most cells are refused for their monster.
  const MapCell& cell = game.world.level.Cell(x, y);
  if (!monsters_allowed && cell.monster != 0) return false;
  if (cell.feature == feature::kClosedDoor) return false;
  if (x == game.world.hero.x && y == game.world.hero.y) return false;
  return !TerrainOf(game.world.level.Terrain(x, y)).blocks_move;
}
// A random free cell in columns 1..77 and rows 1..37. After many failed draws the whole area is
// searched; returns false, leaving x and y alone, when no cell is free at all.
bool RandomFreeCell(Game& game, int16_t& x, int16_t& y, bool monsters_allowed);

}  // namespace zaldrun
