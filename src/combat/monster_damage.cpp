#include "combat/monster_damage.hpp"

#include <algorithm>
#include <cstdint>
#include <string>

#include "combat/grammar.hpp"
#include "combat/monster_loot.hpp"
#include "combat/monster_sight.hpp"
#include "engine/condition.hpp"
#include "engine/message_line.hpp"
#include "engine/monsters_on_level.hpp"
#include "model/game.hpp"
#include "model/type_info.hpp"
#include "records/monster_type_table.hpp"

namespace zaldrun {

namespace {

constexpr int kNominative = 1;
constexpr int kObject = 2;

void CountKill(Game& game, int type) {
  if (type < 1 || type > kMonsterTypeCount) return;
  int32_t& count = game.world.kill_counts[static_cast<size_t>(type)];
  if (count < INT32_MAX) ++count;
}

}  // namespace

bool DamageMonster(Game& game, int slot, int damage, bool notice, bool by_hero) {
  Level& level = game.world.level;
  if (slot < 1 || slot > level.monster_count) return false;
  MonsterRecord& monster = level.Monster(slot);
  const int type = monster.type;
  const bool sees = MonsterSeesHero(game, monster);
  if (by_hero && sees) {
    monster.peaceful = 0;
    monster.state = -1;
  }
  damage = std::max(0, damage);
  if (notice && damage < 1 && sees)
    ShowMessage(game, IgnoresText(MonsterTypeConstants(type).gender));
  monster.hp = Clamp16(static_cast<long long>(monster.hp) - damage);
  if (monster.hp > 0) return false;

  // A conjured creature goes back where it came from and leaves nothing behind.
  if (monster.creation_flag == kConjured) {
    if (sees)
      ShowMessage(game, MonsterTypeName(game, type, kNominative) + " внезапно испарается...");
  } else {
    DropMonsterLoot(game, slot);
  }
  if (by_hero) {
    ShowMessage(game, "Ты убил " + MonsterTypeName(game, type, kObject) + "!", msg::kAcknowledge);
    CountKill(game, type);
    if (game.data.monsters.loaded && type >= 1 && type <= kMonsterTypeCount) {
      GainExperience(game, game.data.monsters.records[static_cast<size_t>(type)].experience);
    }
  } else if (sees) {
    ShowMessage(game, MonsterTypeName(game, type, kNominative) + " умирает!");
  }
  RemoveMonster(game, slot);
  return true;
}

}  // namespace zaldrun
