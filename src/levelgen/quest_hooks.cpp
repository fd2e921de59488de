#include "levelgen/quest_hooks.hpp"

#include <array>

#include "combat/rooms.hpp"
#include "engine/monsters_on_level.hpp"
#include "events/quest_checks.hpp"
#include "field/free_cells.hpp"
#include "items/item_maker.hpp"
#include "items/pack.hpp"
#include "items/piles.hpp"
#include "levelgen/place_builds.hpp"
#include "model/game.hpp"
#include "model/world_ops.hpp"
#include "records/item_type_table.hpp"
#include "records/monster_type_ids.hpp"

namespace zaldrun {
namespace {

// The tribe of the camp: goblins, shamans, warriors, hobgoblins, the chief and the bewitched
// goblin.
constexpr std::array<int, 6> kTribe = {monster_type::kGoblin,        monster_type::kGoblinShaman,
                                       monster_type::kGoblinWarrior, monster_type::kHobgoblin,
                                       monster_type::kGoblinChief,   monster_type::kFrog};
constexpr int kThicketCave = 4;

int16_t Quest(const Game& game, int entry) {
  return game.world.hero.quests[static_cast<size_t>(entry)];
}

bool OfTribe(int type) {
  for (int member : kTribe) {
    if (member == type) return true;
  }
  return false;
}

// The frog turns back into the goblin he was, on his cell and in his mood.
void FreeTheFrog(Game& game) {
  for (int frog = FindMonsterOfType(game, monster_type::kFrog); frog != 0;
       frog = FindMonsterOfType(game, monster_type::kFrog)) {
    const MonsterRecord was = game.world.level.Monster(frog);
    RemoveMonster(game, frog);
    Inhabitant(game, was.x, was.y, monster_type::kGoblin, was.peaceful != 0);
  }
}

// Whether an item of `type` lies anywhere on the level: a floor stack, a heap or a chest.
bool LiesOnLevel(const Game& game, int type) {
  const Level& level = game.world.level;
  for (int i = 1; i <= kFloorStacks; ++i) {
    const ItemRecord& item = level.loose_items[static_cast<size_t>(i)];
    if (item.count > 0 && item.type == type) return true;
  }
  for (size_t pile = 1; pile < game.world.piles.size(); ++pile) {
    const PileRecord& heap = game.world.piles[pile];
    if (heap.first == 0) continue;
    for (const auto& group : heap.groups) {
      for (const ItemRecord& item : group) {
        if (item.count > 0 && item.type == type) return true;
      }
    }
  }
  return false;
}

}  // namespace

void GoblinCampByQuests(Game& game) {
  Level& level = game.world.level;
  if (Quest(game, quest_entry::kWitch) >= kQuestDone) FreeTheFrog(game);
  if (game.world.kill_counts[monster_type::kGoblinChief] >= 1) {
    for (int slot = 1; slot <= level.monster_count; ++slot) {
      MonsterRecord& monster = level.Monster(slot);
      if (OfTribe(monster.type) && monster.type != monster_type::kFrog) monster.peaceful = 0;
    }
    return;
  }
  if (Quest(game, quest_entry::kGoblins) < kQuestDone ||
      Quest(game, quest_entry::kWitch) < kQuestDone) {
    return;
  }
  for (int slot = 1; slot <= level.monster_count; ++slot) {
    const MonsterRecord& monster = level.Monster(slot);
    if (OfTribe(monster.type) && monster.peaceful == 0) return;  // at war: nobody leaves
  }
  for (int slot = level.monster_count; slot >= 1; --slot) {
    if (OfTribe(level.Monster(slot).type)) RemoveMonster(game, slot);
  }
}

void CatacombsByQuests(Game& game) {
  if (Quest(game, quest_entry::kCatacombs) >= kQuestDone) game.world.level.spawn_rate = 0;
}

void WitchCaveByQuests(Game& game) {
  if (Quest(game, quest_entry::kWitch) < 2) return;
  for (int witch = FindMonsterOfType(game, monster_type::kWitch); witch != 0;
       witch = FindMonsterOfType(game, monster_type::kWitch)) {
    RemoveMonster(game, witch);
  }
}

void TombByQuests(Game& game, int level) {
  if (level != 1 || Quest(game, quest_entry::kKavi) < kQuestDone) return;
  for (int room = 1; room <= kMaxRooms; ++room) {
    Room& corpse_place = game.world.level.RoomAt(room);
    if (corpse_place.kind == room_kind::kCorpsePlace) corpse_place.kind = 0;
  }
}

void ThicketByQuests(Game& game, int level) {
  if (level != kThicketCave || Quest(game, quest_entry::kForestRiddle) >= kQuestDone) return;
  const int type = item_type::kForestArtefact;
  if (FindCarried(game, type) != 0 || LiesOnLevel(game, type)) return;
  int16_t x = 0;
  int16_t y = 0;
  if (!RandomFreeCell(game, x, y, false)) return;
  ItemRequest artefact;
  artefact.type = type;
  artefact.count = 1;
  if (const auto item = MakeItem(game, artefact)) PlaceItem(game, x, y, *item, false);
}

}  // namespace zaldrun
