// The hero's melee blow at a monster: to-hit, criticals, slaying, damage, life drain, the crimson
// aura, weapon practice and the time the blow takes.
#pragma once

namespace zaldrun {

struct Game;

// One blow of hand 0 (right) or 1 (left), with the figures the equipment set up for it, at the
// monster in `slot`, charging its time where due (a right-hand blow that a left-hand blow will
// follow is charged with it). Returns true when the blow killed the monster.
bool HeroMeleeBlow(Game& game, int slot, int which_hand);

// Texts of the hero's blow: the adverb is " " or " критически ".
inline constexpr const char* kPlainBlow = " ";
inline constexpr const char* kCriticalBlow = " критически ";

}  // namespace zaldrun
