// A monster's melee blow at the hero: to-hit against his defence, criticals, armour piercing, the
// ward, the damage message in the monster's gender, and the poison, drain or paralysis of its hit.
#pragma once

namespace zaldrun {

struct Game;

// The monster in `slot` strikes with attack slot `attack` (always 0, the melee attack) as blow
// kind 1..6 (hit, bite, sting, claw, touch; 6 speaks as 1). Costs the type's attack cost.
void MonsterMeleeBlow(Game& game, int slot, int attack, int kind);

}  // namespace zaldrun
