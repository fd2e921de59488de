// The events that beat with the hero: food used as time passes, and regeneration (with poison).
#pragma once

namespace zaldrun {

struct Game;

// Every 50 time units: food used by the hunger rate.
void Consumption(Game& game);
// Regains hit points by the regeneration rate, or lets poison do its harm instead.
void Regen(Game& game);

}  // namespace zaldrun
