// Moving and removing monsters on the level, keeping the cells and the monster slots in step.
#pragma once

#include <cstddef>
#include <cstdint>

#include "model/game.hpp"

namespace zaldrun {

// Moves the monster in `slot` to (x, y) unless a monster stands there; the old cell is shown as the
// hero remembers it. Traps there are left alone: a monster's own step is StepMonster (combat/traps).
void MoveMonster(Game& game, int slot, int x, int y);
// Takes the monster in `slot` off the level; later slots move down one place.
void RemoveMonster(Game& game, int slot);
// Puts a monster record on its cell in slot MonsterCount + 1; false (nothing changes) when 300 are
// already on the level or the cell is taken.
bool PlaceMonster(Game& game, const struct MonsterRecord& monster);

// The target monster slot if it still names a monster on the level, else 0 (and it is cleared).
int ValidTarget(Game& game);

// Keeps a stored monster slot in step with the removal of slot `removed`: it becomes 0 when its
// own monster went, and moves down one place when an earlier one did.
void FollowRemoval(int16_t& reference, int removed);

// Follows one monster through the removals that happen while it acts (a blow, a trap, a spell):
// Slot() tells where it stands now, or 0 once it is gone.
class MonsterFollower {
 public:
  MonsterFollower(const Game& game, int slot)
      : slot_(slot), seen_(game.control.removed_monster_slots.size()) {}
  // Nothing removed since the last question: the monster stands where it stood.
  int Slot(const Game& game) {
    return seen_ == game.control.removed_monster_slots.size() ? slot_ : FollowRemovals(game);
  }

 private:
  int FollowRemovals(const Game& game);

  int slot_;
  size_t seen_;
};

}  // namespace zaldrun
