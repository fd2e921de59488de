// What a dead monster leaves on its cell: one pick from each of its loot rows, and the extra item
// of the types that carry more.
#pragma once

namespace zaldrun {

struct Game;

// Drops the loot of the monster in `slot` on its cell (the monster is still there).
void DropMonsterLoot(Game& game, int slot);

}  // namespace zaldrun
