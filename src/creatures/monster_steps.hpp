// How monsters walk: a step toward or away from the hero with its fallback cells, and the random
// drift of a sleeping monster.
#pragma once

namespace zaldrun {

struct Game;

// One step toward the hero (direction 1) or away from him (−1): the diagonal (or straight) cell
// first, then the two cells beside it, the first free one taken; a monster never steps onto the
// hero. Costs 1000 energy whether or not a cell was free.
void MoveToHero(Game& game, int slot, int direction);
// One step to a random cell of the nine around the monster (its own included, where it stays).
// Costs nothing.
void RandStep(Game& game, int slot);

// Takes `amount` from a monster's energy, never below the 16-bit floor.
void SpendEnergy(Game& game, int slot, int amount);

}  // namespace zaldrun
