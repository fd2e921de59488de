// The kick: doors broken in, door traps set off, things sent flying, trees and walls.
#pragma once

namespace zaldrun {

struct Game;

// The hero kicks the cell (x, y) next to him. A monster there takes the blow as in melee; every
// other kick takes an action's time.
void KickAt(Game& game, int x, int y);

// What a door's second feature parameter may hold: the trap a kick sets off.
namespace door_trap {
inline constexpr int kRocks = 1;
inline constexpr int kExplosion = 2;
inline constexpr int kShock = 3;
}  // namespace door_trap

}  // namespace zaldrun
