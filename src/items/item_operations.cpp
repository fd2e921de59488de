// Opening the window, choosing, picking up and dropping; the equipping operations are in
// item_operations_equip.cpp.
#include "items/item_operations.hpp"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>

#include "base/byte_record.hpp"
#include "base/numbers.hpp"
#include "engine/message_line.hpp"
#include "engine/turn.hpp"
#include "items/equipment.hpp"
#include "items/item_lookup.hpp"
#include "items/item_maker.hpp"
#include "items/item_names.hpp"
#include "items/pack.hpp"
#include "items/piles.hpp"
#include "model/chance.hpp"
#include "model/type_info.hpp"
#include "records/item_type_table.hpp"

namespace zaldrun {
namespace {

constexpr int16_t kPlantWithered = 41;  // a plant below this condition gives nothing
constexpr int16_t kPlantIdentified = 30;
constexpr int kHarvestLoss = 80;  // what an unidentified plant suffers from a harvest
constexpr size_t kAmountDigits = 10;

InventoryState& Window(Game& game) { return game.control.inventory; }

bool PileInUse(const Game& game, int pile) {
  if (pile < 0 || pile >= kPileCount) return false;
  const PileRecord& record = game.world.piles[static_cast<size_t>(pile)];
  return pile == kPackPile || record.count > 0;
}

void ShowPile(Game& game, int pile, int category, PendingOperation operation) {
  InventoryState& window = Window(game);
  window.pile = static_cast<int16_t>(pile);
  window.equipment_list = false;
  window.category = static_cast<uint8_t>(category);
  window.place = 1;
  window.first_place = 1;
  window.from_equipment = false;
  window.open_requested = true;
  game.control.pending_operation = operation;
}

// The operation that follows a choice by SelectItem, by its name, and the category it is offered.
PendingOperation OperationNamed(std::string_view name) {
  for (PendingOperation operation :
       {PendingOperation::kDip, PendingOperation::kDrink, PendingOperation::kRead,
        PendingOperation::kEat, PendingOperation::kZap, PendingOperation::kDrop}) {
    if (PendingOperationName(operation) == name) return operation;
  }
  return PendingOperation::kNone;
}
int OfferedCategory(const Game& game, PendingOperation operation) {
  switch (operation) {
    case PendingOperation::kDip:
    case PendingOperation::kDrink:
      return item_category::kPotion;
    case PendingOperation::kRead:
      return item_category::kScroll;
    case PendingOperation::kEat:
      return item_category::kFood;
    case PendingOperation::kZap:
      return item_category::kWand;
    default:
      return FirstCategoryWithStacks(game, kPackPile);
  }
}

// A worn item dropped from the equipment list: the curse keeps it on; the launcher's ammunition
// goes into the pack first; a floor without room keeps it worn.
void DropWorn(Game& game, int slot) {
  if (slot < 1 || slot > kEquipmentSlots) return;
  const ItemRecord item = game.world.hero.equipment[static_cast<size_t>(slot)];
  if (item.count <= 0 || RefuseCursedRemoval(game, slot)) return;
  if (slot == equipment_slot::kLauncher && !TakeOff(game, equipment_slot::kAmmunition)) return;
  if (!PlaceItem(game, game.world.hero.x, game.world.hero.y, item, false)) {
    ShowMessage(game, kNoRoomHereMessage);
    return;
  }
  ClearSlot(game, slot);
  AdvanceTime(game, game.world.hero.action_cost);
}

// Into the quiver or the pack, or "В рюкзаке больше нет места!" and false.
bool GiveToHero(Game& game, const ItemRecord& item) {
  if (TakeIntoQuiverOrPack(game, item)) return true;
  ShowMessage(game, kPackFullMessage);
  return false;
}

void PickUpLoose(Game& game, int number) {
  if (number < 1 || number > kFloorStacks) return;
  const ItemRecord item = game.world.level.loose_items[static_cast<size_t>(number)];
  if (item.count <= 0) return;
  const std::string name = ItemName(game, item);
  if (!GiveToHero(game, item)) return;
  ShowMessage(game, "Ты поднял " + name + ".");
  RemoveFromPlace(game, kFloorPlaceBase + number, 0, 0, item.count);
  AdvanceTime(game, game.world.hero.action_cost);
}

// A weight of the harvest's blessing pick, as the character code it is stored in.
char HarvestWeight(double value) {
  return static_cast<char>(static_cast<int>(std::clamp(std::abs(value), 0.0, 255.0)));
}

void Harvest(Game& game, MapCell& cell) {
  if (cell.params[3] < kPlantWithered) {
    ShowMessage(game, "Это растение уже завяло!");
    return;
  }
  const double herbology = game.world.hero.SkillAt(skill::kHerbology).value;
  const double difficulty = cell.params[1];
  const bool identified = cell.params[2] == kPlantIdentified;
  std::string states = "345";
  const std::string weights = {HarvestWeight(23 - 3 * std::floor(difficulty + herbology)),
                               HarvestWeight(20),
                               HarvestWeight(3 * std::floor(herbology - difficulty + 12))};
  const std::string picked = PickFromList(game, states, weights, 1, false);
  ItemRequest request;
  request.type = cell.params[0];
  request.blessing = picked.size() == 1 && picked[0] >= '3' && picked[0] <= '5'
                         ? picked[0] - '0'
                         : blessing::kUncursedUnknown;
  request.count = 1;
  request.identified = identified ? 1 : 0;
  const std::optional<ItemRecord> crop = MakeItem(game, request);
  if (!crop) return;
  if (!TakeIntoPack(game, *crop)) {
    ShowMessage(game, kPackFullMessage);
    return;
  }
  ShowMessage(game, "Ты собрал урожай с растения.");
  // A skilled herbalist harms an identified plant less; with much skill it may even grow.
  const int loss = identified
                       ? static_cast<int>(std::floor(game.random.Next() * 50 + 44 - 2 * herbology))
                       : kHarvestLoss;
  cell.params[3] = Clamp16(cell.params[3] - loss);
}

}  // namespace

int FirstCategoryWithStacks(const Game& game, int pile) {
  if (pile < 0 || pile >= kPileCount) return 0;
  const PileRecord& record = game.world.piles[static_cast<size_t>(pile)];
  for (int c = 0; c < kPileGroups; ++c) {
    if (record.GroupCount(c) > 0) return c;
  }
  return 0;
}

ItemRecord* ChosenStack(Game& game) {
  const InventoryState& window = Window(game);
  if (!PileInUse(game, window.pile) || window.category >= kPileGroups) return nullptr;
  auto& group = game.world.piles[static_cast<size_t>(window.pile)].groups[window.category];
  if (window.place < 1 || window.place > static_cast<int>(group.size())) return nullptr;
  ItemRecord& stack = group[static_cast<size_t>(window.place - 1)];
  return stack.count > 0 ? &stack : nullptr;
}

void OpenPack(Game& game, int category, PendingOperation operation) {
  ShowPile(game, kPackPile, std::clamp(category, 0, kPileGroups - 1), operation);
}

void OpenPackAtFirstCategory(Game& game, PendingOperation operation) {
  OpenPack(game, FirstCategoryWithStacks(game, kPackPile), operation);
}

void OpenEquipmentList(Game& game) {
  ShowPile(game, kPackPile, Window(game).category, PendingOperation::kNone);
  Window(game).equipment_list = true;
}

void OpenPile(Game& game, int pile) {
  if (!PileInUse(game, pile)) return;
  ShowPile(game, pile, FirstCategoryWithStacks(game, pile), PendingOperation::kPickUp);
}

void PickUpHere(Game& game) {
  const Hero& hero = game.world.hero;
  MapCell& cell = game.world.level.Cell(hero.x, hero.y);
  if (cell.item == 0 && cell.feature != feature::kPlant) {
    ShowMessage(game, "Тут ничего нет.", msg::kNoLog);
  } else if (cell.item == 0) {
    Harvest(game, cell);
  } else if (cell.item > kLooseItemBase) {
    PickUpLoose(game, cell.item - kLooseItemBase);
  } else {
    OpenPile(game, cell.item);
  }
}

void LeaveSingleStack(Game& game, int pile) {
  if (pile < 1 || pile > kLevelPiles || !PileInUse(game, pile)) return;
  const PileRecord& record = game.world.piles[static_cast<size_t>(pile)];
  const Hero& hero = game.world.hero;
  if (record.count != 1 || record.y >= kContainerRowOffset || record.x != hero.x ||
      record.y != hero.y || game.world.level.Cell(hero.x, hero.y).item != pile) {
    return;
  }
  const auto& loose = game.world.level.loose_items;
  const bool floor_stack_free = std::any_of(loose.begin() + 1, loose.begin() + kFloorStacks + 1,
                                            [](const ItemRecord& item) { return item.count <= 0; });
  if (!floor_stack_free) return;
  const int category = FirstCategoryWithStacks(game, pile);
  const ItemRecord item = record.groups[static_cast<size_t>(category)].front();
  RemoveFromPlace(game, pile, category, 1, item.count);
  PlaceItem(game, hero.x, hero.y, item, false);
}

void SelectItem(Game& game) {
  InventoryState& window = Window(game);
  if (!window.from_equipment && ChosenStack(game) == nullptr) return;
  window.chosen_from_equipment = window.from_equipment;
  window.chosen_category = window.category;
  window.chosen_place = window.from_equipment ? window.slot : window.place;
  const PendingOperation next = OperationNamed(game.control.effect_handler);
  OpenPack(game, OfferedCategory(game, next), next);
}

void PickUp(Game& game) {
  InventoryState& window = Window(game);
  game.control.pending_operation = PendingOperation::kNone;
  const int pile = window.pile;
  const ItemRecord* stack = ChosenStack(game);
  if (pile == kPackPile || stack == nullptr) return;
  const ItemRecord item = *stack;
  if (!GiveToHero(game, item)) return;
  RemoveFromPlace(game, pile, window.category, window.place, item.count);
  AdvanceTime(game, game.world.hero.action_cost);
  if (game.GameOver() || !PileInUse(game, pile)) return;
  // The window stays on the pile while it holds anything, at a category that has stacks.
  const int category = game.world.piles[static_cast<size_t>(pile)].GroupCount(window.category) > 0
                           ? window.category
                           : FirstCategoryWithStacks(game, pile);
  ShowPile(game, pile, category, PendingOperation::kPickUp);
}

int PeacefulShopkeeper(const Game& game) {
  const Level& level = game.world.level;
  const int slot = level.shopkeeper;
  if (slot < 1 || slot > level.monster_count) return 0;
  return level.Monster(slot).peaceful != 0 ? slot : 0;
}

bool InOpenShop(const Game& game, int x, int y) {
  if (!Level::Inside(x, y)) return false;
  const Level& level = game.world.level;
  const int room = level.Cell(x, y).room;
  if (room < 1 || room > kMaxRooms || level.RoomAt(room).kind != kShopRoomKind) return false;
  return PeacefulShopkeeper(game) != 0;
}

void Drop(Game& game) {
  InventoryState& window = Window(game);
  game.control.pending_operation = PendingOperation::kNone;
  if (window.from_equipment) {
    DropWorn(game, window.slot);
    return;
  }
  const ItemRecord* stack = ChosenStack(game);
  if (window.pile != kPackPile || stack == nullptr) return;
  int32_t amount = 1;
  if (stack->count > 1) {
    ShowMessage(game, "Сколько?", msg::kEntry | msg::kNoLog);
    stack = ChosenStack(game);
    if (stack == nullptr) return;
    const std::optional<int32_t> answer = ParseAmount(game.view.number_input.text, stack->count);
    if (!answer) return;
    amount = *answer;
  }
  ItemRecord dropped = *stack;
  dropped.count = amount;
  const int x = game.world.hero.x;
  const int y = game.world.hero.y;
  // The shop's own goods go back on its floor as they are; anything else the keeper buys.
  const bool sale = (dropped.flags & item_flag::kUnpaid) == 0 && InOpenShop(game, x, y);
  int32_t price = 0;
  if (sale) {
    price = static_cast<int32_t>(WholePart(ItemValue(game, dropped) * kSaleShare));
    const std::string keeper(TrimRight(
        MonsterTypeName(game, game.world.level.Monster(PeacefulShopkeeper(game)).type, 1)));
    if (price <= 0) {
      ShowMessage(game, keeper + " говорит: \"Это барахло мне ни к чему.\"");
      return;
    }
    ShowMessage(game, "Я заплачу за эту вещь " + std::to_string(price) + "$. Продаешь?",
                msg::kQuestion);
    // Refusing the offer changes nothing and costs no time: the hero has not acted.
    if (!TakeYes(game) || ChosenStack(game) == nullptr) return;
    // Sold goods are the shop's: taking them back owes their value, as for any of its goods.
    dropped.flags = static_cast<int16_t>(dropped.flags | item_flag::kUnpaid);
  }
  if (!PlaceItem(game, x, y, dropped, false)) {
    ShowMessage(game, kNoRoomHereMessage);
    return;
  }
  RemoveFromPack(game, window.category, window.place, amount);
  if (sale) {
    ItemRequest request;
    request.type = item_type::kMoney;
    request.count = price;
    request.blessing = blessing::kUncursed;
    request.identified = 1;
    request.prefix = 0;
    request.suffix = 0;
    const std::optional<ItemRecord> money = MakeItem(game, request);
    if (money) TakeIntoPack(game, *money);
  }
  AdvanceTime(game, game.world.hero.action_cost);
}

std::optional<int32_t> ParseAmount(std::string_view text, int32_t count) {
  const size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return std::nullopt;
  text = text.substr(first, text.find_last_not_of(' ') - first + 1);
  if (text.empty() || text.size() > kAmountDigits) return std::nullopt;
  long long value = 0;
  for (char ch : text) {
    if (ch < '0' || ch > '9') return std::nullopt;
    value = value * 10 + (ch - '0');
  }
  if (value < 1 || value > count) return std::nullopt;
  return static_cast<int32_t>(value);
}

}  // namespace zaldrun
