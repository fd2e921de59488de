#include "usage/effect_support.hpp"

#include <algorithm>
#include <cmath>
#include <limits>

#include "base/numbers.hpp"
#include "engine/turn.hpp"
#include "items/item_lookup.hpp"
#include "model/monster_types.hpp"
#include "model/world_ops.hpp"

namespace zaldrun {

Grade GradeOf(const ItemRecord& item) { return static_cast<Grade>(item.blessing % 3); }

Grade CurrentGrade(const Game& game) { return GradeOf(game.control.current_item); }

double Rnd(Game& game) { return game.random.Next(); }

int RndInt(Game& game, int n) { return static_cast<int>(std::floor(Rnd(game) * n)); }

int RollRange(Game& game, int low, int high) {
  return high <= low ? low : low + RndInt(game, high - low + 1);
}

void LearnCurrentType(Game& game) { LearnType(game, game.control.current_item.type); }

void LearnType(Game& game, int type) {
  if (type < 1 || type > kItemTypeCount) return;
  ItemType& entry = game.world.item_types[static_cast<size_t>(type)];
  entry.knowledge = 1;
  // Only the kinds used up or drawn on are known by their type; a weapon or a ring stays unknown
  // until it is identified itself.
  if (entry.category < item_category::kPotion || entry.category > item_category::kFood) return;
  auto learn = [type](ItemRecord& item) {
    if (item.type == type && item.count > 0) item.identified = 1;
  };
  for (PileRecord& pile : game.world.piles) {
    for (auto& group : pile.groups) std::for_each(group.begin(), group.end(), learn);
  }
  std::for_each(game.world.hero.equipment.begin(), game.world.hero.equipment.end(), learn);
  std::for_each(game.world.level.loose_items.begin(), game.world.level.loose_items.end(), learn);
}

int SkillLevel(const Game& game, int skill) {
  return static_cast<int>(std::floor(game.world.hero.SkillAt(skill).value));
}

bool ProlongOrSchedule(Game& game, std::string_view name, int ticks, int amount) {
  const int slot = FindEvent(game, name);
  if (slot == 0) {
    AddEvent(game, name, ticks, amount);
    return false;
  }
  int16_t& countdown = game.world.events[static_cast<size_t>(slot)].countdown;
  countdown = static_cast<int16_t>(std::min<long long>(static_cast<long long>(countdown) + ticks,
                                                       std::numeric_limits<int16_t>::max()));
  return true;
}

void Add16(int16_t& value, int delta) { value = Clamp16(static_cast<long long>(value) + delta); }

void LowerPoison(Game& game, int amount) {
  Hero& hero = game.world.hero;
  hero.poison = static_cast<int16_t>(std::max(0, hero.poison - amount));
  if (hero.poison == 0) game.view.labels.Set(Condition::kPoisoned, false);
}

void TakeActionTime(Game& game) { AdvanceTime(game, game.world.hero.action_cost); }

std::string MonsterObjectName(Game& game, int slot) {
  if (!LoadMonsterType(game, game.world.level.Monster(slot).type)) return {};
  return game.data.monsters.current.name_object;
}

std::string MonsterSubjectName(Game& game, int slot) {
  if (!LoadMonsterType(game, game.world.level.Monster(slot).type)) return {};
  return game.data.monsters.current.name;
}

}  // namespace zaldrun
