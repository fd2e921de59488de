#include "combat/monster_loot.hpp"

#include <algorithm>
#include <cmath>
#include <string>

#include "base/numbers.hpp"
#include "items/item_maker.hpp"
#include "items/piles.hpp"
#include "model/game.hpp"
#include "records/game_enums.hpp"
#include "records/monster_type_table.hpp"

namespace zaldrun {

namespace {

// Native depths from this one on belong to special creatures: their extra item is drawn from a
// fixed level window.
constexpr int kSpecialDepth = 60;
constexpr int kRandomCategory = 60;
constexpr int32_t kHighestPrice = 100000;

void Put(Game& game, int x, int y, const ItemRequest& request) {
  if (const auto item = MakeItem(game, request)) PlaceItem(game, x, y, *item, false);
}

// One pick of a row: choice 1 with its percentage, then choice 2, …, or nothing.
int PickChoice(Game& game, const MonsterTypeRecord& type, int row) {
  std::string choices;
  std::string percentages;
  for (int choice = 1; choice <= kMonsterLootChoices; ++choice) {
    choices.push_back(static_cast<char>(choice));
    const int percent = type.loot_percent[MonsterTypeRecord::LootIndex(row, choice)];
    percentages.push_back(
        static_cast<char>(static_cast<unsigned char>(std::clamp(percent, 0, 255))));
  }
  return static_cast<unsigned char>(PercentPick(game, choices, percentages));
}

int ExtraLootChance(const MonsterTypeRecord& type, int fortune) {
  int chance = 0;
  if (type.HasFlag(monster_flag::kExtraLoot)) chance += 30 + fortune;
  if (type.HasFlag(monster_flag::kRichLoot)) {
    chance = static_cast<int>(RoundHalfEven(std::floor(fortune * 0.7) + chance + 20));
  }
  return chance;
}

}  // namespace

void DropMonsterLoot(Game& game, int slot) {
  if (slot < 1 || slot > game.world.level.monster_count || !game.data.monsters.loaded) return;
  const MonsterRecord& monster = game.world.level.Monster(slot);
  const int type_number = monster.type;
  if (type_number < 1 || type_number > kMonsterTypeCount) return;
  const int x = monster.x;
  const int y = monster.y;
  const MonsterTypeRecord& type = game.data.monsters.records[static_cast<size_t>(type_number)];

  for (int row = 1; row <= kMonsterLootRows; ++row) {
    if (type.loot_type[MonsterTypeRecord::LootIndex(row, 1)] == 0) break;
    const int choice = PickChoice(game, type, row);
    if (choice < 1 || choice > kMonsterLootChoices) continue;
    const size_t at = MonsterTypeRecord::LootIndex(row, choice);
    if (type.loot_type[at] == 0) continue;
    const int low = std::min(type.loot_count_low[at], type.loot_count_high[at]);
    const int high = std::max(type.loot_count_low[at], type.loot_count_high[at]);
    ItemRequest request;
    request.type = type.loot_type[at];
    request.count = static_cast<int>(game.random.Next() * (high - low + 1)) + low;
    request.blessing = type.loot_blessing[at];
    Put(game, x, y, request);
  }

  const float chance = ExtraLootChance(type, game.world.hero.fortune) / 100.0f;
  if (chance <= game.random.Next()) return;
  const int depth = MonsterTypeConstants(type_number).native_depth;
  const bool special = depth >= kSpecialDepth;
  const int lowest = special ? 3 : static_cast<int>((depth + 1) * 0.5);
  const int highest = special ? 12 : 50;
  ItemRequest request;
  request.type = ChooseItemType(game, lowest, highest, kRandomCategory, 0, kHighestPrice);
  // Random and unknown to the hero, as for every random item.
  request.blessing = blessing::kRandomUnknown;
  if (request.type != 0) Put(game, x, y, request);
}

}  // namespace zaldrun
