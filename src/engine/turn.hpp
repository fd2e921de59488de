// Time: every action that takes time ends with AdvanceTime, which turns its cost into elapsed time
// by the hero's speed, counts down the event slots, lets the monsters act and refreshes the sight.
#pragma once

#include <cstdint>

namespace zaldrun {

struct Game;

// Advances time by an action's cost; the elapsed time is written into `elapsed` (callers pass the
// hero's last action time). While the hero is paralysed the world runs on to the end of it.
void AdvanceTime(Game& game, int16_t& elapsed, int cost);
// The usual call: elapsed time into the hero's last action time.
void AdvanceTime(Game& game, int cost);

// Costs of the actions that do not depend on the hero.
inline constexpr int kOverworldStepCost = 20000;

}  // namespace zaldrun
