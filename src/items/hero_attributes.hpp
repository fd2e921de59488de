// Changes of the hero's attributes that reach the items: a new strength reweighs the burden and
// sets up the hands' blows again, whatever changed it.
#pragma once

namespace zaldrun {

struct Game;

// Sums the attribute's parts again after one of them changed; the derived figures follow, and for
// strength the burden and the hands too. Every change of an attribute outside the equipment goes
// through here.
void ReapplyAttribute(Game& game, int attribute);

// A drain (a draining blow, a blast of the mind, a bitter herb) takes `amount` points of the
// attribute. The loss is kept apart from the natural value, as the attribute's first temporary
// modifier, so that a potion of recovery or a blueberry can give back exactly what was taken.
void DrainAttribute(Game& game, int attribute, int amount);

// What drains have taken from the attribute and not yet given back (0 or more).
int DrainedFrom(const Game& game, int attribute);

}  // namespace zaldrun
