#include "usage/item_use.hpp"

#include <algorithm>
#include <cmath>
#include <string>

#include "base/byte_record.hpp"
#include "engine/condition.hpp"
#include "engine/dispatch.hpp"
#include "engine/message_line.hpp"
#include "engine/skills.hpp"
#include "engine/turn.hpp"
#include "items/equipment.hpp"
#include "items/item_lookup.hpp"
#include "items/item_maker.hpp"
#include "items/item_names.hpp"
#include "items/item_operations.hpp"
#include "items/item_types.hpp"
#include "items/pack.hpp"
#include "items/piles.hpp"
#include "usage/effect_support.hpp"

namespace zaldrun {
namespace {

constexpr double kReadingPractice = 0.28;
constexpr int16_t kBookNotUsedUp = 2;  // attribute modifier 1 of a book
constexpr int16_t kScrollAimed = 1;    // attribute modifier 2 of a scroll aimed with the cursor
constexpr int16_t kAimCursor = 1;      // a wand's aiming mode
constexpr int16_t kAimDirection = 2;
constexpr uint8_t kKnowledgeOnEating = 3;  // a type that eating identifies

// The pack stack chosen in the window for an operation (never an equipment slot).
ItemRecord* ChosenPackStack(Game& game) {
  const InventoryState& window = game.control.inventory;
  if (window.from_equipment || window.pile != kPackPile) return nullptr;
  return ChosenStack(game);
}

bool RefuseUnpaid(Game& game, const ItemRecord& item) {
  if ((item.flags & item_flag::kUnpaid) == 0) return false;
  ShowMessage(game, kUnpaidMessage);
  return true;
}

// Reads the description of the chosen stack and makes it the item being used.
const ItemDescription& TakeAsCurrent(Game& game, const ItemRecord& stack) {
  LoadItemDescription(game, stack.type);
  game.control.current_item = stack;
  game.control.current_item.count = 1;
  game.control.effect_handler = std::string(TrimRight(game.data.items.current.handler));
  return game.data.items.current;
}

void UseOne(Game& game) {
  const InventoryState& window = game.control.inventory;
  RemoveFromPack(game, window.category, window.place, 1);
}

int TypeSpeed(const Game& game, int type) {
  const ItemType* entry = FindItemType(game, type);
  return entry != nullptr ? entry->speed : 0;
}

// The pack place of the first stack in `category` that is the same stack as `item`; 0 when gone.
int FindSameStack(const Game& game, int category, const ItemRecord& item) {
  const auto& group = game.world.piles[kPackPile].groups[static_cast<size_t>(category)];
  for (size_t i = 0; i < group.size(); ++i) {
    if (group[i].count > 0 && SameStack(game, group[i], item)) return static_cast<int>(i) + 1;
  }
  return 0;
}

// What the water does to the dipped items: the new blessing (or none) and the message's ending.
struct WaterWork {
  int blessing;  // -1: unchanged
  const char* ending;
};
WaterWork WaterWorkOf(const ItemRecord& water) {
  switch (GradeOf(water)) {
    case Grade::kUncursed:
      return {-1, " намокает."};
    case Grade::kBlessed:
      return {blessing::kBlessed, " окружается синим свечением."};
    case Grade::kCursed:
      break;
  }
  return {blessing::kCursed, " окружается красным свечением."};
}

}  // namespace

void RunEffect(Game& game, std::string_view name, const EffectAim& aim) {
  const auto* entry = EffectRegistry().Find(TrimRight(name));
  if (TrimRight(name).empty() || entry == nullptr || entry->fn == nullptr) {
    if (!TrimRight(name).empty()) {
      ReportOnce(game, "Нет действия предмета \"" + std::string(TrimRight(name)) + "\".");
    }
    ShowMessage(game, kNothingHappens);
    return;
  }
  entry->fn(game, aim);
}

int DipCount(int weight, int count) {
  const int batch = weight >= 31 ? 1 : weight >= 10 ? 2 : weight >= 3 ? 4 : 6;
  return std::max(0, std::min(batch, count));
}

void Read(Game& game) {
  const ItemRecord* stack = ChosenPackStack(game);
  if (stack == nullptr) return;
  const int category = CategoryOf(game, stack->type);
  if (category != item_category::kScroll && category != item_category::kBook) {
    ShowMessage(game, "ЭТО ты прочитать не можешь!");
    return;
  }
  if (RefuseUnpaid(game, *stack)) return;
  TrainSkill(game, skill::kLiteracy, kReadingPractice);
  const ItemDescription& description = TakeAsCurrent(game, *stack);
  if (description.attribute_modifiers[0] != kBookNotUsedUp) UseOne(game);
  const std::string& handler = game.control.effect_handler;
  if (!handler.empty() && handler[0] == 's') {
    game.control.identify_left = -1;
    OpenPackAtFirstCategory(game, PendingOperation::kItemEffect);
  } else if (description.attribute_modifiers[1] == kScrollAimed) {
    game.control.pending_operation = PendingOperation::kRead;
    game.control.aim_request = Control::AimRequest::kCursor;
  } else {
    RunEffect(game, handler);
  }
}

void Drink(Game& game) {
  const ItemRecord* stack = ChosenPackStack(game);
  if (stack == nullptr) return;
  if (CategoryOf(game, stack->type) != item_category::kPotion) {
    ShowMessage(game, "ЭТО ты выпить не можешь!");
    return;
  }
  if (RefuseUnpaid(game, *stack)) return;
  TakeAsCurrent(game, *stack);
  ChangeSatiation(game, TypeSpeed(game, stack->type));
  UseOne(game);
  RunEffect(game, game.control.effect_handler);
}

void Eat(Game& game) {
  ItemRecord* stack = ChosenPackStack(game);
  if (stack == nullptr) return;
  if (CategoryOf(game, stack->type) != item_category::kFood) {
    ShowMessage(game, "ЭТО не съедобно!");
    return;
  }
  if (RefuseUnpaid(game, *stack)) return;
  const ItemType* entry = FindItemType(game, stack->type);
  if (entry != nullptr && entry->knowledge == kKnowledgeOnEating) stack->identified = 1;
  TakeAsCurrent(game, *stack);
  const int nutrition = TypeSpeed(game, stack->type);
  UseOne(game);
  RunEffect(game, game.control.effect_handler);
  if (game.GameOver()) return;
  ChangeSatiation(game, ByGrade(game, static_cast<int>(std::floor(nutrition * 0.65)), nutrition,
                                static_cast<int>(std::floor(nutrition * 1.3))));
  TakeActionTime(game);
}

void Zap(Game& game) {
  ItemRecord* stack = ChosenPackStack(game);
  if (stack == nullptr) return;
  if (CategoryOf(game, stack->type) != item_category::kWand) {
    ShowMessage(game, "Ну и что ты с этим делать собрался?");
    return;
  }
  if (RefuseUnpaid(game, *stack)) return;
  const ItemDescription& description = TakeAsCurrent(game, *stack);
  if (stack->charges <= 0) {
    ShowMessage(game, kNothingHappens);
    return;
  }
  if (stack->count == 1) {
    --stack->charges;
  } else {
    // The wand zapped leaves its stack with its own charges and becomes a stack of its own.
    ItemRecord wand = *stack;
    wand.count = 1;
    --wand.charges;
    UseOne(game);
    if (!TakeIntoPack(game, wand))
      PlaceItem(game, game.world.hero.x, game.world.hero.y, wand, false);
  }
  game.control.current_item.charges = static_cast<int16_t>(game.control.current_item.charges - 1);
  game.control.pending_operation = PendingOperation::kZap;
  if (description.second_bonus_low == kAimCursor) {
    game.control.aim_request = Control::AimRequest::kCursor;
  } else if (description.second_bonus_low == kAimDirection) {
    ShowMessage(game, "В каком направлении?", msg::kNoLog);
    game.control.aim_request = Control::AimRequest::kDirection;
  } else {
    RunEffect(game, game.control.effect_handler);
    TakeActionTime(game);
  }
}

void Dip(Game& game) {
  InventoryState& window = game.control.inventory;
  game.control.pending_operation = PendingOperation::kNone;
  const ItemRecord* chosen = ChosenPackStack(game);
  if (chosen == nullptr) return;
  if (CategoryOf(game, chosen->type) != item_category::kPotion) {
    ShowMessage(game, "Это НЕ зелье!");
    return;
  }
  if (RefuseUnpaid(game, *chosen)) return;
  const ItemRecord potion = *chosen;
  const int potion_category = window.category;
  const bool worn = window.chosen_from_equipment;
  const int dipped_category = window.chosen_category;
  const int dipped_place = window.chosen_place;
  if (!worn && dipped_category == potion_category && dipped_place == window.place) {
    ShowMessage(game, "Нельзя окунуть зелье в само себя.");
    return;
  }
  // What is dipped, as it stands now.
  ItemRecord dipped;
  if (worn) {
    if (dipped_place < 1 || dipped_place > kEquipmentSlots) return;
    dipped = game.world.hero.equipment[static_cast<size_t>(dipped_place)];
  } else {
    const auto& group = game.world.piles[kPackPile].groups[std::min<size_t>(dipped_category, 9)];
    if (dipped_place < 1 || dipped_place > static_cast<int>(group.size())) return;
    dipped = group[static_cast<size_t>(dipped_place - 1)];
  }
  if (dipped.count <= 0) return;
  const ItemType* dipped_type = FindItemType(game, dipped.type);
  dipped.count = worn ? dipped.count
                      : DipCount(dipped_type != nullptr ? dipped_type->weight : 0, dipped.count);
  ShowMessage(game, "Ты окунул " + ItemName(game, dipped) + " в зелье.");
  if (potion.type == item_type::kWater) {
    const WaterWork work = WaterWorkOf(potion);
    ShowMessage(game, ItemName(game, dipped) + work.ending);
    if (worn) {
      if (work.blessing >= 0)
        ChangeWornBlessing(game, dipped_place, static_cast<uint8_t>(work.blessing));
    } else {
      RemoveFromPack(game, dipped_category, dipped_place, dipped.count);
      if (work.blessing >= 0) dipped.blessing = static_cast<uint8_t>(work.blessing);
      if (!TakeIntoPack(game, dipped)) {
        PlaceItem(game, game.world.hero.x, game.world.hero.y, dipped, false);
      }
    }
  } else {
    ShowMessage(game, kNothingHappens);
  }
  // The potion is found again by what it is: the dip may have moved the stacks.
  if (const int place = FindSameStack(game, potion_category, potion); place > 0) {
    RemoveFromPack(game, potion_category, place, 1);
  }
  TakeActionTime(game);
}

}  // namespace zaldrun
