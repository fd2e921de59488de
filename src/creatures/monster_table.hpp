// Monsters coming into play: the random choice of a type for a depth (with the level's cached
// list), the creation rolls, and putting a new monster on the level.
#pragma once

#include <string_view>

namespace zaldrun {

struct Game;

// The depth code that asks for the level's own list of monster types.
inline constexpr int kLevelListDepth = 167;

// A random type number for a dungeon depth: types of that native depth at their full weight and
// those one deeper or shallower at two thirds of it (rounded down). Depth 167 uses the level's
// list, built for the level's monster depth on first use and kept until the level changes.
// Returns 0 when no type can be chosen.
int PickMonsterType(Game& game, int depth);
// Forgets the level's list (a new level starts without one).
void ClearLevelMonsterList(Game& game);
// Presets the level's list: three-digit type codes ("005006068") and one weight character each.
void SetLevelMonsterList(Game& game, std::string_view codes, std::string_view weights);

// Creates a monster of `type` (1..85) on (x, y), asleep, with its hit points, defence, attack and
// speed rolled in the type's ranges, and the creation flag and peaceful field given. Nothing is
// created on a cell that already holds a monster, outside the map, for a type outside 1..85, before
// the monster types are loaded, or with 300 monsters on the level. Returns the new slot, or 0.
int CreateMonster(Game& game, int x, int y, int type, int creation_flag, int peaceful);

// A monster of the level's list on a random free cell; with `flag` −1 it is awake half of the
// time. Returns the new slot, or 0 when no type or no cell could be found.
int PlaceRandomMonster(Game& game, int flag);

// A monster of `type` placed by hand (the sandbox): on a cell the hero could walk into, not his
// own, asleep or awake. False, with nothing created, when that is not possible.
bool PlaceMonsterOfType(Game& game, int x, int y, int type, bool awake);

}  // namespace zaldrun
