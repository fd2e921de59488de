// The events that keep a level alive: monsters heal and plants grow, and wandering monsters come.
#pragma once

namespace zaldrun {

struct Game;

// Every 160 time units: each monster regains a 35th of its hit points and one more (never above
// its maximum); on a level with plants each growing plant ripens a little or withers further.
void EnemyRegen(Game& game);
// Now and then, by the level's spawn rate (in thirtieths), a monster of the level's list comes to
// a random free cell, awake half of the time; then waits 280..610 time units.
void CreateMon(Game& game);

}  // namespace zaldrun
