// The room-and-corridor generator: a special room now and then, ordinary rooms, their doors and
// caches, the corridors between them, the stairs, then monsters, items, gold, traps and plants.
#pragma once

namespace zaldrun {

struct Game;

struct DungeonPlan {
  int monster_base = 0;   // a + Int(0.75 a Rnd) monsters
  int item_base = 0;      // b + Int(0.75 b Rnd) items and 1 + Int(0.5 b Rnd) heaps of gold
  int lock_percent = 0;   // chance of a locked door, and more traps on deeper levels
  char floor = 'C';       // the letter of doors on floor (rooms and corridors are always "C")
  char wall = 'A';        // the letter of secret doors
  int secret_chance = 0;  // in twentieths: a door is secret
};

// Builds rooms and corridors into the level as it stands (a fixed area registered before as room
// 1 and counted as special is kept out of). Links 1 and 2 of the level become the stairs; the hero
// stands on the way up.
void GenerateDungeon(Game& game, const DungeonPlan& plan);

}  // namespace zaldrun
