// Automatic walks: run, rest, travel and explore. Each is a loop of the very step or wait a key
// press makes, with a look between them at whether something worth stopping for happened; the
// world moves exactly as if the keys had been pressed one by one. Any key stops them.
#pragma once

namespace zaldrun {

struct Game;

// Steps in one direction until a creature comes into view, the hero is hurt or hungrier, a
// message tells something, a door comes near, a side opens (a branch of a corridor, a room) or
// the way ahead is not known ground.
void RunHero(Game& game, int dx, int dy);
// Waits until hit points and power points are full; refused while an enemy is in view or the hero
// is starving.
void RestHero(Game& game);
// Walks the shortest known way toward the nearest ground not yet seen, stopping like a run and in
// front of every closed door; when nothing is left it says so and offers the way down. Like
// travel, refused while an enemy is in view, and never strikes a creature in the way.
void ExploreLevel(Game& game);
// Walks the shortest known way to a seen cell, stopping like a run. False when no way is known.
bool TravelTo(Game& game, int x, int y);
// Offers to walk to the nearest known staircase or way out; false when none is known.
bool OfferTravelToStairs(Game& game);

}  // namespace zaldrun
