// The item types of a running game: Items.dat and Affixes.dat loaded, the per-game dealing of
// appearances, and the current description that operations read a type into.
#pragma once

#include <string>

#include "model/item_data.hpp"

namespace zaldrun {

struct Game;

// Reads both files from the program folder into game.data.items. Returns an empty text, or a
// message for the player; a failed load leaves the item data empty (no game can start).
std::string LoadItemFiles(Game& game);

// Fills the type table and deals the appearances of potions, scrolls, amulets, rings and wands
// from the game's random numbers, in type order.
void InitItemTable(Game& game);

// Copies the record of `type` into the current description; an unknown type or missing data
// gives a blank description.
void LoadItemDescription(Game& game, int type);

}  // namespace zaldrun
