// Where items lie on the level: single floor stacks, piles on cells and in chests, the pack as
// pile 0; which stacks merge; putting items down and taking them out.
#pragma once

#include <cstdint>

#include "model/level.hpp"

namespace zaldrun {

struct Game;

// The pile number of the hero's pack.
inline constexpr int kPackPile = 0;
// A place number above this names a floor stack (place - 1000) in RemoveFromPlace.
inline constexpr int kFloorPlaceBase = kLooseItemBase;

// Two stacks are the same kind and merge: type, blessing, identified, material, both bonuses,
// prefix, suffix and flags agree, and for wands also the charges (a stack of wands shares one
// charge count, so wands of different charges stay apart and no charge is gained or lost).
bool SameStack(const Game& game, const ItemRecord& a, const ItemRecord& b);

// Adds a stack to pile `pile` (0 = the pack): merged into a stack of the same kind, else stored
// after the last stack of its category. False, and nothing changes, when the category already
// holds 100 stacks, or the pile number or the item's type is out of range.
bool AddToPile(Game& game, int pile, const ItemRecord& item);

// Joins the stacks of pile `pile` that have become the same kind in place (a paid price mark, a
// blessing or a type come to be known): each into the first stack of its kind, which keeps its
// place; the later places close up. Stacks whose joined count would not fit stay apart.
void MergeAlikeStacks(Game& game, int pile);

// Puts a stack on cell (x, y): merged into the floor stack there, made into a pile with it, added
// to the cell's pile, or laid as a new floor stack; with `into_container`, into the chest's pile
// of the cell (made on first use). False when there is no room (no free pile or floor stack, or a
// full category): the message box of the game tells it where one applies, and the caller keeps
// the item.
bool PlaceItem(Game& game, int x, int y, const ItemRecord& item, bool into_container);

// Takes `count` items out of a pile stack (place = pile 0..261, category, stack place 1..count)
// or out of a floor stack (place = 1000 + number; category and stack place ignored). The stack
// goes when nothing is left; an emptied pile is freed and its cell cleared; a freed floor stack
// clears its cell. False when there is no such stack or `count` is not positive.
bool RemoveFromPlace(Game& game, int place, int category, int stack_place, int32_t count);

// Links the chests' piles to their cells again (the container reference is not in level files):
// every pile in use whose row is 40 or more names the cell (x, row - 40).
void RelinkContainers(Game& game);

}  // namespace zaldrun
