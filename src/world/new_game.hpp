// Starting a new game: the hero of the player's choices, named by the settings file, the
// new-game state, and the first level — the overworld, or any level of the world to try a place.
#pragma once

#include "world/new_hero.hpp"

namespace zaldrun {

struct Game;

// Where a new game begins: the overworld at (4, 20) unless another level is asked for.
struct NewGameStart {
  HeroChoice hero;
  int place = 1;
  int level = 100;
};

// Sets up the new hero (name from the settings file), clears what an earlier game left in the
// world (the level, the piles, the kills, the events) and enters the starting level: the overworld
// with the hero at (4, 20), or level `level` of place `place` with the hero where a newcomer
// arrives. Needs the game data loaded. False, with a message, when that level cannot be entered.
bool StartNewGame(Game& game, const NewGameStart& start);

}  // namespace zaldrun
