// Chance and the small helpers beside it: ranges, resisted rolls, coded-list picks, free cells,
// the bit test and the choice of a word form by gender.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace zaldrun {

struct Game;

// A uniform whole number low..high.
int16_t RandomRange(Game& game, int low, int high);
// A roll low..high reduced (or, for a negative resistance, raised) by the resistance.
int16_t RollResisted(Game& game, int low, int high, int resistance);
// True when `value` has every bit of the power of two `flag`.
bool HasFlag(int32_t value, int32_t flag);
// gender 0 masculine, 1 feminine, 2 neuter; anything else gives an empty text.
std::string PickByGender(int gender, std::string_view neuter, std::string_view feminine,
                         std::string_view masculine);
// Picks one entry of width `width` from a coded list: weighted by the character codes of
// `weights` when there is one weight per entry, otherwise uniformly (and, with `remove`, cut out
// of the list while at least two entries remain). An empty list gives "0"; weights that are all 0
// give the single character with code 0.
std::string PickFromList(Game& game, std::string& list, std::string_view weights, int width,
                         bool remove);
// Whether the hero could walk into (x, y): inside the map, not the hero's cell, no blocking
// terrain, no closed door, and — unless monsters are allowed — no monster.
bool CellIsFree(const Game& game, int x, int y, bool monsters_allowed);
// A random free cell in columns 1..77 and rows 1..37. After many failed draws the whole area is
// searched; returns false, leaving x and y alone, when no cell is free at all.
bool RandomFreeCell(Game& game, int16_t& x, int16_t& y, bool monsters_allowed);

}  // namespace zaldrun
