// The hero's attributes and what follows from them: speed, defence, to-hit, sight, carrying,
// the gains of each new level, prices and three resistances.
#pragma once

namespace zaldrun {

struct Game;

// Sums attribute a's parts into its current value (at least 1) and refreshes exactly the figures
// that depend on it. A new strength also changes the burden and the hands' damage, which the items
// keep: outside the equipment, attributes change through ReapplyAttribute
// (items/hero_attributes.hpp), which calls this and then sees to those.
void RecomputeDerived(Game& game, int attribute);
void RecomputeAllDerived(Game& game);

}  // namespace zaldrun
