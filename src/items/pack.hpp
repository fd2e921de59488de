// The hero's pack, burden and money: taking items in and out, the weight carried with its states,
// speeds and label, the money label, and finding carried quest items.
#pragma once

#include <cstdint>

#include "model/level.hpp"

namespace zaldrun {

struct Game;

// Burden states (hero.burden).
namespace burden {
inline constexpr uint8_t kUnburdened = 0;
inline constexpr uint8_t kBurdened = 1;
inline constexpr uint8_t kOverburdened = 2;  // the hero cannot walk
}  // namespace burden

// The weight of `count` items of the stack: Int(type weight × count × material weight factor).
// The one formula for every burden change (pack, quiver, removals), so the burden never drifts.
// 0 for a type or material out of range.
int32_t StackWeight(const Game& game, const ItemRecord& item, int32_t count);

// Gives a stack to the hero: money goes to ChangeMoney; anything else into the pack with its
// weight, and unpaid shop goods add their value to the shop debt. False, and nothing changes,
// when the pack cannot take it (its category holds 100 stacks, or the type is out of range): the
// caller says so and leaves the item where it was.
bool TakeIntoPack(Game& game, const ItemRecord& item);

// Gives a stack to the hero as picking it up does: ammunition like the readied stack joins it,
// anything else goes by TakeIntoPack. False when the pack cannot take it.
bool TakeIntoQuiverOrPack(Game& game, const ItemRecord& item);

// The shop's goods the hero carries become his (paid for, or carried off): their unpaid marks go
// and the debt with them, and a stack now like another one carried joins it as picking it up
// would; a stack like no other keeps its place.
void OwnCarriedGoods(Game& game);
// Whether the hero carries goods with the unpaid mark, in the pack or worn.
bool CarriesUnpaidGoods(const Game& game);

// Joins the pack's stacks that have become alike in place (a blessing or a type come to be
// known), each into the first of its kind; the burden follows the joined stacks' weight.
void JoinAlikePackStacks(Game& game);

// Takes `count` items out of pack stack (category, place 1..count): the burden drops by their
// weight, unpaid goods take their value off the shop debt. False when there is no such stack.
bool RemoveFromPack(Game& game, int category, int place, int32_t count);

// Changes the carried weight (never below 0) and sets the burden state against the carrying
// capacity (hero.max_weight): above it overburdened ("Перегружен", red), above 66 % of it
// burdened ("Нагружен", yellow), else unburdened (label hidden). The hero's speed is 15 lower when
// burdened and 40 lower when overburdened; each change of state applies the difference at once.
void ChangeBurden(Game& game, int32_t delta);
// Weighs the burden again after the capacity changed (strength).
void ReweighBurden(Game& game);

// Adds `amount` (may be negative) to the hero's money and shows it on the money label ("534$").
void ChangeMoney(Game& game, int32_t amount);

// Where the hero carries an item of `type`: its pack place (1..100, in the type's category) of the
// first pack stack of that type, else -slot of the first equipment slot (1..15) holding it, else 0.
int FindCarried(const Game& game, int type);

}  // namespace zaldrun
