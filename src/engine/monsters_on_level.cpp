#include "engine/monsters_on_level.hpp"

#include "field/field.hpp"
#include "model/game.hpp"

namespace zaldrun {

void MoveMonster(Game& game, int slot, int x, int y) {
  Level& level = game.world.level;
  if (slot < 1 || slot > level.monster_count || !Level::Inside(x, y)) return;
  MapCell& target = level.Cell(x, y);
  if (target.monster != 0) return;
  MonsterRecord& monster = level.Monster(slot);
  level.Cell(monster.x, monster.y).monster = 0;
  Eras(game, monster.x, monster.y);
  PlaceShadow(game, monster.x, monster.y);
  target.monster = static_cast<int16_t>(slot);
  monster.x = static_cast<uint8_t>(x);
  monster.y = static_cast<uint8_t>(y);
}

void RemoveMonster(Game& game, int slot) {
  Level& level = game.world.level;
  if (slot < 1 || slot > level.monster_count) return;
  const MonsterRecord& removed = level.Monster(slot);
  Eras(game, removed.x, removed.y);
  level.Cell(removed.x, removed.y).monster = 0;
  for (int i = slot; i < level.monster_count; ++i) {
    level.Monster(i) = level.Monster(i + 1);
    const MonsterRecord& moved = level.Monster(i);
    level.Cell(moved.x, moved.y).monster = static_cast<int16_t>(i);
  }
  level.Monster(level.monster_count) = MonsterRecord{};
  --level.monster_count;
  // Whatever holds a slot follows its monster down a slot, and forgets it with it.
  FollowRemoval(game.control.target_monster, slot);
  FollowRemoval(level.shopkeeper, slot);
  game.control.removed_monster_slots.push_back(slot);
}

void FollowRemoval(int16_t& reference, int removed) {
  if (reference == removed)
    reference = 0;
  else if (reference > removed)
    --reference;
}

int MonsterFollower::FollowRemovals(const Game& game) {
  const std::vector<int>& removed = game.control.removed_monster_slots;
  // The list is emptied between two monsters' turns; nothing older than that can be unseen.
  if (seen_ > removed.size()) seen_ = 0;
  for (; seen_ < removed.size() && slot_ != 0; ++seen_) {
    if (removed[seen_] == slot_)
      slot_ = 0;
    else if (removed[seen_] < slot_)
      --slot_;
  }
  return slot_;
}

bool PlaceMonster(Game& game, const MonsterRecord& monster) {
  Level& level = game.world.level;
  if (level.monster_count >= kMaxMonsters || !Level::Inside(monster.x, monster.y)) return false;
  MapCell& cell = level.Cell(monster.x, monster.y);
  if (cell.monster != 0) return false;
  ++level.monster_count;
  level.Monster(level.monster_count) = monster;
  cell.monster = level.monster_count;
  return true;
}

int ValidTarget(Game& game) {
  if (game.control.target_monster < 1 ||
      game.control.target_monster > game.world.level.monster_count) {
    game.control.target_monster = 0;
  }
  return game.control.target_monster;
}

}  // namespace zaldrun
