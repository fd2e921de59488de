// The names of items as the hero sees them: Russian number and gender agreement, per-game
// appearances, blessing, material and affix words, wand charges, shop prices; and the money value
// of a stack.
#pragma once

#include <cstdint>
#include <string>

#include "model/level.hpp"

namespace zaldrun {

struct Game;

// The form of a noun after a count, decided by the last two digits as Russian agrees: "one" for
// 1, 21, 101 ("21 Меч"), "few" for 2..4, 22..24 ("2 Меча"), "many" for 0, 5..20, 25..30 and for
// 11..14 in any hundred ("111 Мечей").
enum class CountForm : uint8_t { kOne, kFew, kMany };
CountForm CountFormOf(int64_t count);

// The name of an item as the hero sees it now (count, blessing, material, prefix, noun, suffix,
// wand charges, the price of shop goods). Names are computed whenever they are shown, so a type
// learned anywhere shows its true name everywhere at once. Does not touch the current
// description. A type outside 1..207 gives an empty name.
std::string ItemName(const Game& game, const ItemRecord& item);

// The identified name of a type in the form "one" (a plant is named by its crop); empty outside
// 1..207.
std::string ItemTypeName(const Game& game, int type);

// The display name of a stack in a pile (pile 0..261, category 0..9, place 1..count) or of a
// floor stack (1..500); empty when there is no such stack.
std::string PileStackName(const Game& game, int pile, int category, int place);
std::string FloorStackName(const Game& game, int number);

// The money value of the whole stack: the type's price scaled by the hero's price factor, the
// material, the affixes, a wand's remaining charges and the blessing; never below 0. Does not
// touch the current description.
int32_t ItemValue(const Game& game, const ItemRecord& item);

// A weapon or ammunition lying in sight becomes identified when the hero's skill of its class is
// at least the type's level. True when the item became identified now.
bool IdentifyOnSight(Game& game, ItemRecord& item);

}  // namespace zaldrun
