// Guarded look-ups of what an item record refers to (its type entry, description, affixes and
// material), so that no index out of range reaches an array.
#pragma once

#include <cstdint>

#include "records/item_type_table.hpp"
#include "records/materials.hpp"

namespace zaldrun {

struct Game;

// The game's entry of `type` (1..207); nullptr outside.
const ItemType* FindItemType(const Game& game, int type);
// The loaded description of `type`; nullptr outside 1..207 or before the files are loaded.
const ItemDescription* FindDescription(const Game& game, int type);
// Affix record `record` (1..400); nullptr outside the file, before it is loaded, or for a record
// past the end of its list (level 0).
const AffixRecord* FindAffix(const Game& game, int record);
// The category 0..9 of `type`, or -1 outside 1..207.
int CategoryOf(const Game& game, int type);

// The whole part of a product of money or weight figures (rounding down), kept clear of the
// binary fractions that would put 85.0 at 84.999…
int64_t WholePart(double value);
// Stores a wide value into a 32-bit field, clamping it into range.
int32_t Clamp32(int64_t value);

}  // namespace zaldrun
