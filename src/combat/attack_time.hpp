// What the hero holds as melee sees it (the weapon in each hand and its skill) and the time a blow,
// or a pair of blows with two weapons, takes.
#pragma once

namespace zaldrun {

struct Game;

// True when the left hand holds a weapon, so that it strikes after the right.
bool HasOffHandWeapon(const Game& game);
// The item type in hand 0 (slot 6) or 1 (slot 7), 0 for an empty hand.
int HeldItemType(const Game& game, int hand);
// The weapon skill 1..12 that governs the item in the hand, 0 for none (bare hands, a shield).
int HandSkill(const Game& game, int hand);

// The fewest energy units any attack costs, however skilled the hero.
inline constexpr int kMinimumAttackCost = 100;

// The time to charge after the blow of `hand` (0 right, 1 left): a plain turn for bare hands, the
// weapon's attack time less its skill for one weapon, and for two weapons the pair once, after the
// second blow (or after the first when it killed). 0 when nothing is due yet.
int MeleeAttackCost(const Game& game, int hand, bool killed);

}  // namespace zaldrun
