// The inventory window's keys, mouse and loop; the drawing is in inventory_window_draw.cpp.
#include "ui/inventory_window.hpp"

#include <algorithm>
#include <string>

#include "engine/dispatch.hpp"
#include "engine/message_line.hpp"
#include "engine/turn.hpp"
#include "items/effect_registry.hpp"
#include "items/equipment.hpp"
#include "items/item_description.hpp"
#include "items/item_lookup.hpp"
#include "items/item_operations.hpp"
#include "items/pack.hpp"
#include "items/piles.hpp"
#include "model/game.hpp"
#include "model/io.hpp"
#include "records/text_table.hpp"

namespace zaldrun {
namespace {

namespace keys = platform::keys;

constexpr int kLastWeaponSkill = 12;

// The operation and pack category of an empty slot, and what is said when the pack has nothing
// for it (the slot table of the equipment).
struct SlotRule {
  PendingOperation operation;
  int category;
  const char* nothing;
};
constexpr const char* kNoArmour = "Да нету никакой брони!";
constexpr const char* kNoJewellery = "Украшений нету";
constexpr const char* kNothing = "А ничего нету!";
constexpr SlotRule kSlotRules[kEquipmentSlots + 1] = {
    {PendingOperation::kNone, 0, ""},
    {PendingOperation::kWear, item_category::kArmour, kNoArmour},
    {PendingOperation::kPutOn, item_category::kJewellery, kNoJewellery},
    {PendingOperation::kWear, item_category::kArmour, kNoArmour},
    {PendingOperation::kWear, item_category::kArmour, kNoArmour},
    {PendingOperation::kWear, item_category::kArmour, kNoArmour},
    {PendingOperation::kWield, item_category::kWeapon, kNothing},
    {PendingOperation::kWield, item_category::kWeapon, kNothing},
    {PendingOperation::kPutOn, item_category::kJewellery, kNoJewellery},
    {PendingOperation::kPutOn, item_category::kJewellery, kNoJewellery},
    {PendingOperation::kWear, item_category::kArmour, kNoArmour},
    {PendingOperation::kWear, item_category::kArmour, kNoArmour},
    {PendingOperation::kWield, item_category::kWeapon, kNothing},
    {PendingOperation::kReadyAmmo, item_category::kAmmunition, "Отсутсвуют боеприпасы..."},
    {PendingOperation::kNone, 0, ""},
    {PendingOperation::kPutOn, item_category::kJewellery, kNoJewellery},
};

bool IsToggleKey(const platform::Key& key) {
  return key.ch == U'V' || key.ch == U'v' || key.ch == U'М' || key.ch == U'м';
}

InventoryState& State(Game& game) { return game.control.inventory; }

}  // namespace

void CallPendingOperation(Game& game) {
  const std::string name(game.control.pending_operation == PendingOperation::kItemEffect
                             ? std::string(game.control.effect_handler)
                             : std::string(PendingOperationName(game.control.pending_operation)));
  const auto* entry = EffectRegistry().Find(name);
  if (entry == nullptr || entry->fn == nullptr) {
    ReportOnce(game, "Нет действия предмета \"" + name + "\".");
    game.control.pending_operation = PendingOperation::kNone;
    ShowMessage(game, "Ничего не происходит.");
    return;
  }
  entry->fn(game, EffectAim{});
  // An operation may leave two pack stacks alike (a blessing or a type it made known): they show
  // as one once it is over. Not while it goes on in the window: a stored choice keeps its place.
  if (!game.control.inventory.open_requested) JoinAlikePackStacks(game);
}

void RunInventoryWindow(Game& game, Screen& screen) {
  InventoryState& state = State(game);
  while (state.open_requested && !game.GameOver()) {
    state.open_requested = false;
    InventoryWindow window(game);
    InventoryWindow::Result result = InventoryWindow::Result::kStay;
    {
      LayerScope scope(screen, window);
      while (result == InventoryWindow::Result::kStay && !game.GameOver()) {
        result = window.HandleKey(screen.NextWindowKey());
      }
    }
    // The window is hidden while the operation runs; it may ask for the window again.
    if (result == InventoryWindow::Result::kRunOperation) CallPendingOperation(game);
  }
}

InventoryWindow::InventoryWindow(Game& game) : game_(game) { Refresh(); }

std::string InventoryWindow::Caption() const {
  const InventoryState& state = State(game_);
  if (std::string question = Question(); !question.empty()) return question;
  if (state.equipment_list) return kEquipmentCaption;
  return FetchText(text_ids::kCategoryBase + state.category);
}

std::string InventoryWindow::Question() const {
  const Control& control = game_.control;
  switch (control.pending_operation) {
    case PendingOperation::kSelectItem:
      return control.effect_handler == "Dip" ? "Что окунуть?" : "Какой предмет выбрать?";
    case PendingOperation::kDip:
      return "Во что окунуть?";
    case PendingOperation::kItemEffect:
      break;
    default:
      return {};
  }
  if (control.effect_handler == "DetCurse") return "Статус какого предмета определить?";
  // An unknown scroll keeps its secret: the question names no effect.
  const ItemType* scroll = FindItemType(game_, control.current_item.type);
  if (control.current_item.identified == 1 || (scroll != nullptr && scroll->knowledge == 1)) {
    if (control.effect_handler == "sID") return "Что опознать?";
    if (control.effect_handler == "sRC") return "С какого предмета снять проклятие?";
    if (control.effect_handler == "sDC") return "Какой предмет проверить на проклятие?";
  }
  return "К какому предмету применить свиток?";
}

int InventoryWindow::StackCount() const {
  const InventoryState& state = State(game_);
  if (state.pile < 0 || state.pile >= kPileCount || state.category >= kPileGroups) return 0;
  return game_.world.piles[static_cast<size_t>(state.pile)].GroupCount(state.category);
}

void InventoryWindow::ViewPile(int pile, int first_place) {
  InventoryState& state = State(game_);
  state.pile = static_cast<int16_t>(std::clamp(pile, 0, kPileCount - 1));
  state.equipment_list = false;
  state.first_place = static_cast<int16_t>(std::max(1, first_place));
  Refresh();
}

void InventoryWindow::HideUseless(PanelMode mode) {
  if (mode == PanelMode::kEmpty) {
    info_.clear();
  } else if (mode == PanelMode::kWeightOnly && info_.size() > 1) {
    info_.resize(1);
  }
}

void InventoryWindow::ClearInfo() { info_.clear(); }

void InventoryWindow::ShowDescription(const ItemRecord& item, int worn_slot) {
  info_ = DescribeItem(game_, item, worn_slot);
  HideUseless(item.count <= 0        ? PanelMode::kEmpty
              : item.identified == 0 ? PanelMode::kWeightOnly
                                     : PanelMode::kFull);
}

void InventoryWindow::Refresh() {
  InventoryState& state = State(game_);
  ClearInfo();
  if (state.equipment_list) {
    state.slot = static_cast<uint8_t>(std::clamp<int>(state.slot, 1, kEquipmentSlots));
    ShowDescription(game_.world.hero.equipment[state.slot], state.slot);
    return;
  }
  const int count = StackCount();
  state.place = static_cast<int16_t>(std::clamp<int>(state.place, 1, std::max(1, count)));
  // The list scrolls so that the choice stays in sight.
  if (state.place < state.first_place) state.first_place = state.place;
  if (state.place >= state.first_place + kPageRows) {
    state.first_place = static_cast<int16_t>(state.place - kPageRows + 1);
  }
  state.first_place = static_cast<int16_t>(
      std::clamp<int>(state.first_place, 1, std::max(1, count - kPageRows + 1)));
  if (const ItemRecord* stack = ChosenStack(game_)) ShowDescription(*stack, 0);
}

void InventoryWindow::SelectPlace(int place) {
  State(game_).place = static_cast<int16_t>(std::clamp(place, 1, std::max(1, StackCount())));
  Refresh();
}

void InventoryWindow::SelectCategory(int category) {
  InventoryState& state = State(game_);
  state.category = static_cast<uint8_t>(std::clamp(category, 0, kPileGroups - 1));
  state.place = 1;
  ViewPile(state.pile, 1);
}

void InventoryWindow::MoveCategory(int step) {
  const InventoryState& state = State(game_);
  const PileRecord& pile = game_.world.piles[static_cast<size_t>(state.pile)];
  for (int c = state.category + step; c >= 0 && c < kPileGroups; c += step) {
    if (pile.GroupCount(c) > 0) {
      SelectCategory(c);
      return;
    }
  }
}

void InventoryWindow::ToggleEquipment() {
  InventoryState& state = State(game_);
  if (state.pile != kPackPile) return;
  // Only the operations that can use a worn item stay pending over the switch.
  const PendingOperation operation = game_.control.pending_operation;
  if (operation != PendingOperation::kWear && operation != PendingOperation::kWield &&
      operation != PendingOperation::kDrop) {
    game_.control.pending_operation = PendingOperation::kNone;
  }
  if (state.equipment_list) {
    ViewPile(state.pile, state.first_place);
  } else {
    state.equipment_list = true;
    Refresh();
  }
}

void InventoryWindow::ShowAffixNumbers() {
  const ItemRecord* stack = ChosenStack(game_);
  if (stack == nullptr) return;
  game_.session.io->MessageBox(std::to_string(stack->prefix) + " " + std::to_string(stack->suffix),
                               Caption());
}

void InventoryWindow::ShowSkillFigures() {
  const ItemRecord& item = game_.world.hero.equipment[State(game_).slot];
  if (item.count <= 0 || item.type < 1 || item.type > kItemTypeCount) return;
  const int skill_class = game_.world.item_types[static_cast<size_t>(item.type)].skill_class;
  if (skill_class < 1 || skill_class > kLastWeaponSkill) return;
  const Skill& skill = game_.world.hero.SkillAt(skill_class);
  game_.session.io->MessageBox(skill.name + ": " + std::to_string(static_cast<int>(skill.value)) +
                                   ", точность " + std::to_string(skill.combat_value1) + ", урон " +
                                   std::to_string(skill.combat_value2) + "%",
                               Caption());
}

InventoryWindow::Result InventoryWindow::Escape() {
  InventoryState& state = State(game_);
  // A heap of one stack left on the hero's own cell becomes a single floor stack again. Only a
  // heap on the floor: a chest's or a wall cache's contents stay where they are.
  if (game_.control.pending_operation == PendingOperation::kPickUp && state.pile != kPackPile &&
      !state.equipment_list) {
    LeaveSingleStack(game_, state.pile);
  }
  game_.control.pending_operation = PendingOperation::kNone;
  return Result::kClose;
}

InventoryWindow::Result InventoryWindow::ChooseSlot() {
  InventoryState& state = State(game_);
  const int slot = state.slot;
  const ItemRecord& worn = game_.world.hero.equipment[static_cast<size_t>(slot)];
  if (worn.count > 0) {
    if (TakeOff(game_, slot)) AdvanceTime(game_, game_.world.hero.action_cost);
    Refresh();
    return game_.GameOver() ? Result::kClose : Result::kStay;
  }
  const SlotRule& rule = kSlotRules[slot];
  if (rule.operation == PendingOperation::kNone) return Result::kStay;
  int category = rule.category;
  const PileRecord& pack = game_.world.piles[kPackPile];
  // The hands take armour (shields) when the pack holds no weapons.
  if (rule.operation == PendingOperation::kWield && slot != equipment_slot::kLauncher &&
      pack.GroupCount(category) == 0) {
    category = item_category::kArmour;
  }
  if (pack.GroupCount(category) == 0) {
    ShowMessage(game_, rule.nothing);
    return Result::kStay;
  }
  game_.control.pending_operation = rule.operation;
  SelectCategory(category);
  return Result::kStay;
}

InventoryWindow::Result InventoryWindow::PackKey(const platform::Key& key) {
  InventoryState& state = State(game_);
  switch (key.code) {
    case keys::kUp:
      SelectPlace(state.place - 1);
      return Result::kStay;
    case keys::kDown:
      SelectPlace(state.place + 1);
      return Result::kStay;
    case keys::kPageUp:
      state.first_place = static_cast<int16_t>(std::max(1, state.first_place - kPageRows));
      SelectPlace(state.place - kPageRows);
      return Result::kStay;
    case keys::kPageDown:
      state.first_place = static_cast<int16_t>(state.first_place + kPageRows);
      SelectPlace(state.place + kPageRows);
      return Result::kStay;
    case keys::kHome:
      SelectPlace(1);
      return Result::kStay;
    case keys::kEnd:
      SelectPlace(StackCount());
      return Result::kStay;
    case keys::kLeft:
      MoveCategory(-1);
      return Result::kStay;
    case keys::kRight:
      MoveCategory(1);
      return Result::kStay;
    case keys::kEnter:
      if (game_.control.pending_operation == PendingOperation::kNone ||
          ChosenStack(game_) == nullptr) {
        return Result::kStay;
      }
      state.from_equipment = false;
      return Result::kRunOperation;
    default:
      break;
  }
  if (key.ch >= U'0' && key.ch <= U'9') {
    SelectCategory(static_cast<int>(key.ch - U'0'));
  } else if (IsToggleKey(key)) {
    ToggleEquipment();
  } else if (key.ch == U'/') {
    ShowAffixNumbers();
  }
  return Result::kStay;
}

InventoryWindow::Result InventoryWindow::EquipmentKey(const platform::Key& key) {
  InventoryState& state = State(game_);
  auto select = [&](int slot) {
    state.slot = static_cast<uint8_t>(std::clamp(slot, 1, kEquipmentSlots));
    Refresh();
  };
  switch (key.code) {
    case keys::kUp:
      select(state.slot - 1);
      return Result::kStay;
    case keys::kDown:
      select(state.slot + 1);
      return Result::kStay;
    case keys::kPageUp:
    case keys::kHome:
      select(1);
      return Result::kStay;
    case keys::kPageDown:
    case keys::kEnd:
      select(kEquipmentSlots);
      return Result::kStay;
    case keys::kEnter:
      if (game_.control.pending_operation != PendingOperation::kNone) {
        state.from_equipment = true;
        return Result::kRunOperation;
      }
      return ChooseSlot();
    default:
      break;
  }
  if (IsToggleKey(key)) {
    ToggleEquipment();
  } else if (key.ch == U'/') {
    ShowSkillFigures();
  } else if (key.ch >= U'0' && key.ch <= U'9') {
    SelectCategory(static_cast<int>(key.ch - U'0'));
  }
  return Result::kStay;
}

InventoryWindow::Result InventoryWindow::HandleKey(const platform::Key& key) {
  if (key.kind == platform::KeyKind::kCloseRequest) return Escape();
  if (key.kind == platform::KeyKind::kMouseClick) return Click(key.x, key.y);
  ClearMessageLine(game_);
  if (key.code == keys::kEscape) return Escape();
  return State(game_).equipment_list ? EquipmentKey(key) : PackKey(key);
}

InventoryWindow::Result InventoryWindow::Click(int x, int y) {
  InventoryState& state = State(game_);
  if (close_rect_.Contains(x, y)) return Escape();
  if (toggle_rect_.Contains(x, y)) {
    ToggleEquipment();
    return Result::kStay;
  }
  for (int c = 0; c < kPileGroups; ++c) {
    if (category_rects_[static_cast<size_t>(c)].Contains(x, y)) {
      SelectCategory(c);
      return Result::kStay;
    }
  }
  if (!state.equipment_list && up_rect_.Contains(x, y))
    return PackKey(platform::Key::Code(keys::kPageUp));
  if (!state.equipment_list && down_rect_.Contains(x, y)) {
    return PackKey(platform::Key::Code(keys::kPageDown));
  }
  if (!rows_rect_.Contains(x, y)) return Result::kStay;
  // A click chooses a row; a click on the chosen row acts on it as Enter does.
  const int row = y - rows_rect_.y;
  if (state.equipment_list) {
    const int slot = row + 1;
    if (slot != state.slot) {
      state.slot = static_cast<uint8_t>(slot);
      Refresh();
      return Result::kStay;
    }
    return EquipmentKey(platform::Key::Code(keys::kEnter));
  }
  const int place = state.first_place + row;
  if (place > StackCount()) return Result::kStay;
  if (place != state.place) {
    SelectPlace(place);
    return Result::kStay;
  }
  return PackKey(platform::Key::Code(keys::kEnter));
}

}  // namespace zaldrun
