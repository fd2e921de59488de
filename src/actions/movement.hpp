// Hero movement: what walking into a cell does — refuse, open a door, leave the place, attack,
// or step and look at what lies there.
#pragma once

namespace zaldrun {

struct Game;

void MoveHero(Game& game, int x, int y);

// The hero's melee attack on the monster in `slot`: the right hand, then the left hand when it
// fights too and the first blow did not kill.
void AttackSequence(Game& game, int slot);

}  // namespace zaldrun
