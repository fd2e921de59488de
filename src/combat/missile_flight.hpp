// The flight of a thrown or shot object: where it lands on its way and its animation across the
// map at the flight delay.
#pragma once

#include <cstdint>
#include <utility>

namespace zaldrun {

struct Game;

// Where a missile from (x1, y1) aimed at (x2, y2) stops: on the first monster that catches it
// (16 chances in 30 each), just in front of the first obstacle, or at the target.
std::pair<int, int> MissileLanding(Game& game, int x1, int y1, int x2, int y2);

// Animates the object (glyph, colour) flying from (x1, y1) to (x2, y2), then hides it.
void FlyObject(Game& game, int x1, int y1, int x2, int y2, uint8_t glyph, int32_t colour);

// Shows what the screen holds and waits `ms` milliseconds (nothing without a front end).
void PauseFrame(Game& game, int ms);

}  // namespace zaldrun
