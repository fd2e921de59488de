#include "items/pack.hpp"

#include <algorithm>
#include <array>
#include <limits>
#include <string>

#include "base/numbers.hpp"
#include "items/equipment.hpp"
#include "items/item_lookup.hpp"
#include "items/item_maker.hpp"
#include "items/item_names.hpp"
#include "items/piles.hpp"
#include "model/game.hpp"
#include "records/item_type_table.hpp"

namespace zaldrun {

namespace {

// The speed the hero loses in each burden state.
constexpr std::array<int, 3> kBurdenSlowdown = {0, 15, 40};
constexpr double kBurdenedShare = 0.66;
constexpr uint32_t kBurdenedColour = 65535;    // yellow
constexpr uint32_t kOverburdenedColour = 255;  // red

ItemRecord* PackStack(Game& game, int category, int place) {
  if (category < 0 || category >= kPileGroups) return nullptr;
  auto& group = game.world.piles[kPackPile].groups[static_cast<size_t>(category)];
  if (place < 1 || static_cast<size_t>(place) > group.size()) return nullptr;
  return &group[static_cast<size_t>(place - 1)];
}

// The pack stack `item` would merge into, if any.
const ItemRecord* MergeTarget(const Game& game, const ItemRecord& item) {
  const int category = CategoryOf(game, item.type);
  if (category < 0) return nullptr;
  for (const ItemRecord& stack :
       game.world.piles[kPackPile].groups[static_cast<size_t>(category)]) {
    if (SameStack(game, stack, item)) return &stack;
  }
  return nullptr;
}

void ChangeDebt(Game& game, int64_t amount) {
  Hero& hero = game.world.hero;
  hero.shop_debt = Clamp32(std::max<int64_t>(0, hero.shop_debt + amount));
}

bool Unpaid(const ItemRecord& item) {
  return item.count > 0 && (item.flags & item_flag::kUnpaid) != 0;
}

void ClearUnpaidMark(ItemRecord& item) {
  item.flags = static_cast<int16_t>(item.flags & ~item_flag::kUnpaid);
}

bool JoinsWithRoom(const Game& game, const ItemRecord& stack, const ItemRecord& item) {
  return stack.count > 0 && SameStack(game, stack, item) &&
         static_cast<int64_t>(stack.count) + item.count <= std::numeric_limits<int32_t>::max();
}

// Whether pack stack `index` of `category` would join another stack carried: the readied
// ammunition or another pack stack of its kind.
bool HasLikeStack(const Game& game, int category, size_t index) {
  const auto& group = game.world.piles[kPackPile].groups[static_cast<size_t>(category)];
  const ItemRecord& item = group[index];
  if (JoinsWithRoom(game, game.world.hero.equipment[equipment_slot::kAmmunition], item)) {
    return true;
  }
  for (size_t other = 0; other < group.size(); ++other) {
    if (other != index && JoinsWithRoom(game, group[other], item)) return true;
  }
  return false;
}

}  // namespace

int32_t StackWeight(const Game& game, const ItemRecord& item, int32_t count) {
  const ItemType* entry = FindItemType(game, item.type);
  const MaterialType* material = FindMaterial(item.material);
  if (entry == nullptr || material == nullptr) return 0;
  return Clamp32(WholePart(static_cast<double>(entry->weight) * count * material->weight_factor));
}

bool TakeIntoPack(Game& game, const ItemRecord& given) {
  const int category = CategoryOf(game, given.type);
  if (category < 0 || given.count <= 0) return false;
  // A potion, scroll, book, wand or food of a type the hero has learned is known by its name.
  ItemRecord item = given;
  if (category >= item_category::kPotion && category <= item_category::kFood &&
      game.world.item_types[static_cast<size_t>(item.type)].knowledge == 1) {
    item.identified = 1;
  }
  Hero& hero = game.world.hero;
  if (item.type == item_type::kMoney) {
    if (static_cast<int64_t>(hero.money) + item.count > std::numeric_limits<int32_t>::max()) {
      return false;
    }
    ChangeMoney(game, item.count);
    return true;
  }
  // The burden grows by what the stack in the pack weighs now less what it weighed before, so
  // that taking things in and out piece by piece always sums to the weight of what is carried.
  const ItemRecord* target = MergeTarget(game, item);
  const int32_t before = target != nullptr ? target->count : 0;
  const ItemRecord kind = target != nullptr ? *target : item;
  if (!AddToPile(game, kPackPile, item)) return false;
  ChangeBurden(game,
               StackWeight(game, kind, before + item.count) - StackWeight(game, kind, before));
  if ((item.flags & item_flag::kUnpaid) != 0) ChangeDebt(game, ItemValue(game, item));
  return true;
}

bool TakeIntoQuiverOrPack(Game& game, const ItemRecord& item) {
  const ItemRecord& quiver = game.world.hero.equipment[equipment_slot::kAmmunition];
  if (JoinsWithRoom(game, quiver, item)) {
    ResizeWornStack(game, equipment_slot::kAmmunition, quiver.count + item.count);
    return true;
  }
  return TakeIntoPack(game, item);
}

void OwnCarriedGoods(Game& game) {
  for (ItemRecord& worn : game.world.hero.equipment) ClearUnpaidMark(worn);
  for (int category = 0; category < kPileGroups; ++category) {
    auto& group = game.world.piles[kPackPile].groups[static_cast<size_t>(category)];
    for (size_t index = 0; index < group.size();) {
      if (!Unpaid(group[index])) {
        ++index;
        continue;
      }
      ClearUnpaidMark(group[index]);
      if (!HasLikeStack(game, category, index)) {
        ++index;
        continue;
      }
      // Taken out and given back, it joins its like; the next stack has moved into its place.
      const ItemRecord owned = group[index];
      RemoveFromPack(game, category, static_cast<int>(index) + 1, owned.count);
      TakeIntoQuiverOrPack(game, owned);
    }
  }
  game.world.hero.shop_debt = 0;
}

void JoinAlikePackStacks(Game& game) {
  auto weight = [&game] {
    int64_t total = 0;
    for (const auto& group : game.world.piles[kPackPile].groups) {
      for (const ItemRecord& stack : group) total += StackWeight(game, stack, stack.count);
    }
    return total;
  };
  const int64_t before = weight();
  MergeAlikeStacks(game, kPackPile);
  ChangeBurden(game, static_cast<int32_t>(weight() - before));
}

bool CarriesUnpaidGoods(const Game& game) {
  const auto& equipment = game.world.hero.equipment;
  if (std::any_of(equipment.begin(), equipment.end(), Unpaid)) return true;
  for (const auto& group : game.world.piles[kPackPile].groups) {
    if (std::any_of(group.begin(), group.end(), Unpaid)) return true;
  }
  return false;
}

bool RemoveFromPack(Game& game, int category, int place, int32_t count) {
  ItemRecord* stack = PackStack(game, category, place);
  if (stack == nullptr || count <= 0) return false;
  const int32_t taken = std::min(count, stack->count);
  const ItemRecord removed = *stack;
  ChangeBurden(game, StackWeight(game, removed, removed.count - taken) -
                         StackWeight(game, removed, removed.count));
  if ((removed.flags & item_flag::kUnpaid) != 0) {
    ItemRecord part = removed;
    part.count = taken;
    ChangeDebt(game, -static_cast<int64_t>(ItemValue(game, part)));
  }
  return RemoveFromPlace(game, kPackPile, category, place, taken);
}

void ChangeBurden(Game& game, int32_t delta) {
  Hero& hero = game.world.hero;
  hero.carried_weight =
      Clamp32(std::max<int64_t>(0, static_cast<int64_t>(hero.carried_weight) + delta));
  const int64_t capacity = hero.max_weight;
  uint8_t state = burden::kBurdened;
  if (hero.carried_weight > capacity) {
    state = burden::kOverburdened;
  } else if (hero.carried_weight <= WholePart(static_cast<double>(capacity) * kBurdenedShare)) {
    state = burden::kUnburdened;
  }
  StatusLabels& labels = game.view.labels;
  labels.burden_visible = state != burden::kUnburdened;
  labels.burden_text = state == burden::kOverburdened ? "Перегружен" : "Нагружен";
  labels.burden_colour = state == burden::kOverburdened ? kOverburdenedColour : kBurdenedColour;
  const uint8_t old_state = std::min<uint8_t>(hero.burden, burden::kOverburdened);
  if (state != old_state) {
    hero.speed_bonus =
        Clamp16(hero.speed_bonus + kBurdenSlowdown[old_state] - kBurdenSlowdown[state]);
    hero.burden = state;
  }
}

void ReweighBurden(Game& game) { ChangeBurden(game, 0); }

void ChangeMoney(Game& game, int32_t amount) {
  Hero& hero = game.world.hero;
  hero.money = Clamp32(static_cast<int64_t>(hero.money) + amount);
  game.view.labels.money = std::to_string(hero.money) + "$";
}

int FindCarried(const Game& game, int type) {
  const int category = CategoryOf(game, type);
  if (category < 0) return 0;
  int found = 0;
  const auto& equipment = game.world.hero.equipment;
  for (int slot = 1; slot <= kEquipmentSlots; ++slot) {
    if (equipment[static_cast<size_t>(slot)].type == type) {
      found = -slot;
      break;
    }
  }
  const auto& group = game.world.piles[kPackPile].groups[static_cast<size_t>(category)];
  for (size_t p = 0; p < group.size(); ++p) {
    if (group[p].type == type) return static_cast<int>(p) + 1;
  }
  return found;
}

}  // namespace zaldrun
