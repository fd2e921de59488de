// Opening and closing doors and caches in the wall.
#pragma once

namespace zaldrun {

struct Game;

// The open command on (x, y): opens or closes a door, opens a cache. Takes an action's time.
void OpenDoor(Game& game, int x, int y);

// Shows the hero's old field of view as remembered (before it is swept again).
void DarkenSight(Game& game);

}  // namespace zaldrun
