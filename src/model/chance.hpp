// Chance on the game's generator and the helpers beside it: ranges, resisted rolls, coded-list
// picks and the bit test.
#pragma once

#include <cstdint>
#include <span>
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
// Picks one entry of width `width` from a coded list: weighted by the character codes of
// `weights` when there is one weight per entry, otherwise uniformly (and, with `remove`, cut out
// of the list while at least two entries remain). An empty list gives "0"; weights that are all 0
// give the single character with code 0.
std::string PickFromList(Game& game, std::string& list, std::string_view weights, int width,
                         bool remove);
// The weighted draw of PickFromList over a list kept as numbers: the index of the entry drawn, or
// -1 (and no draw) when there is no entry or every weight is 0.
int PickWeighted(Game& game, std::span<const uint8_t> weights);
}  // namespace zaldrun
