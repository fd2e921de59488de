// The hero's melee blow at a monster: to-hit, criticals, slaying, damage, life drain, the crimson
// aura, weapon practice and the time the blow takes.
#pragma once

namespace zaldrun {

struct Game;
struct MonsterRecord;
struct MonsterTypeRecord;

// One blow of hand 0 (right) or 1 (left), with the figures the equipment set up for it, at the
// monster in `slot`, charging its time where due (a right-hand blow that a left-hand blow will
// follow is charged with it). Returns true when the blow killed the monster.
bool HeroMeleeBlow(Game& game, int slot, int which_hand);

// The damage of one blow of hand `which` (right, left or the missiles) at a monster before it is
// dealt: slaying raises the factor and adds a bonus to the hand's own damage, a critical doubles
// the factor, a protective field halves it (and a type that shrugs off missiles halves a shot
// again), and the extra components add what gets through. Never below 0.
int BlowDamage(Game& game, int which, const MonsterTypeRecord& type, const MonsterRecord& monster,
               bool critical);

// Texts of the hero's blow: the adverb is " " or " критически ".
inline constexpr const char* kPlainBlow = " ";
inline constexpr const char* kCriticalBlow = " критически ";

}  // namespace zaldrun
