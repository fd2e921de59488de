// Moving and removing monsters on the level, keeping the cells and the monster slots in step.
#pragma once

namespace zaldrun {

struct Game;

// Moves the monster in `slot` to (x, y) unless a monster stands there; the old cell is shown as the
// hero remembers it. A trap on the new cell springs when the hero sees that cell.
void MoveMonster(Game& game, int slot, int x, int y);
// Takes the monster in `slot` off the level; later slots move down one place.
void RemoveMonster(Game& game, int slot);
// Puts a monster record on its cell in slot MonsterCount + 1; false (nothing changes) when 300 are
// already on the level or the cell is taken.
bool PlaceMonster(Game& game, const struct MonsterRecord& monster);

// The target monster slot if it still names a monster on the level, else 0 (and it is cleared).
int ValidTarget(Game& game);

}  // namespace zaldrun
