// The operations that put the chosen pack stack into the chosen equipment slot: Wear, Wield, PutOn
// and ReadyAmmo, with their refusals.
#include "engine/message_line.hpp"
#include "engine/turn.hpp"
#include "items/equipment.hpp"
#include "items/item_maker.hpp"
#include "items/item_operations.hpp"
#include "items/pack.hpp"
#include "items/piles.hpp"

namespace zaldrun {
namespace {

constexpr int kBowClass = 9;
constexpr int kCrossbowClass = 10;
constexpr int kSlingClass = 11;
constexpr int kThrownClass = 12;

InventoryState& Window(Game& game) { return game.control.inventory; }
ItemRecord& Worn(Game& game, int slot) {
  return game.world.hero.equipment[static_cast<size_t>(slot)];
}
bool Occupied(Game& game, int slot) { return Worn(game, slot).count > 0; }

// What the placement rules need to know of the chosen stack.
struct Chosen {
  ItemRecord* stack = nullptr;
  int category = 0;
  int item_slot = 0;  // the slot its record names
  int skill_class = 0;
};

// The chosen pack stack, or nothing (with the refusal of shop goods not paid for).
std::optional<Chosen> ChoosePackStack(Game& game) {
  if (Window(game).pile != kPackPile) return std::nullopt;
  ItemRecord* stack = ChosenStack(game);
  if (stack == nullptr || stack->type < 1 || stack->type > kItemTypeCount) return std::nullopt;
  if ((stack->flags & item_flag::kUnpaid) != 0) {
    ShowMessage(game, kUnpaidMessage);
    return std::nullopt;
  }
  const ItemType& type = game.world.item_types[static_cast<size_t>(stack->type)];
  Chosen chosen;
  chosen.stack = stack;
  chosen.category = type.category;
  chosen.skill_class = type.skill_class;
  chosen.item_slot = LoadFullDescription(game, *stack).slot;
  return chosen;
}

// Moves one item (the whole stack for ammunition) from the pack into the slot; then the window
// reopens on the equipment list and time passes, unless the call is passive.
void Place(Game& game, int slot, bool whole_stack, bool passive) {
  const InventoryState& window = Window(game);
  const ItemRecord* stack = ChosenStack(game);
  if (stack == nullptr) return;
  ItemRecord item = *stack;
  item.count = whole_stack ? item.count : 1;
  if (!RemoveFromPack(game, window.category, window.place, item.count)) return;
  PutIntoSlot(game, slot, item);
  if (passive) return;
  OpenEquipmentList(game);
  Window(game).slot = static_cast<uint8_t>(slot);
  AdvanceTime(game, game.world.hero.action_cost);
}

// An item placed by its own slot rule (Wear, PutOn) into a slot that must be free.
void PlaceChecked(Game& game, bool fits, int slot, bool passive) {
  if (!fits) {
    ShowMessage(game, kOtherUseMessage);
  } else if (Occupied(game, slot)) {
    ShowMessage(game, kSlotTakenMessage);
  } else {
    Place(game, slot, false, passive);
  }
}

bool TwoHandedInRightHand(Game& game) {
  return Occupied(game, equipment_slot::kRightHand) &&
         LoadFullDescription(game, Worn(game, equipment_slot::kRightHand)).slot ==
             equipment_slot::kLeftHand;
}

// Readying ammunition that the launcher in slot 12 (or its absence) does not fit.
void RefuseAmmunition(Game& game, int skill_class) {
  switch (skill_class) {
    case kBowClass:
      ShowMessage(game, "Для этого нужен лук!");
      break;
    case kCrossbowClass:
      ShowMessage(game, "Для этого нужен арбалет!");
      break;
    case kSlingClass:
      ShowMessage(game, "Для этого нужна праща!");
      break;
    case kThrownClass:
      ShowMessage(game, "Это нужно кидать вручную!");
      break;
    default:
      break;
  }
}

}  // namespace

void Wear(Game& game, bool passive) {
  game.control.pending_operation = PendingOperation::kNone;
  const auto chosen = ChoosePackStack(game);
  if (!chosen) return;
  const int slot = Window(game).slot;
  PlaceChecked(game, chosen->item_slot == slot, slot, passive);
}

void PutOn(Game& game, bool passive) {
  game.control.pending_operation = PendingOperation::kNone;
  const auto chosen = ChoosePackStack(game);
  if (!chosen) return;
  const int slot = Window(game).slot;
  const bool fits = chosen->item_slot == slot || (chosen->item_slot == equipment_slot::kRightRing &&
                                                  slot == equipment_slot::kLeftRing);
  PlaceChecked(game, fits, slot, passive);
}

void Wield(Game& game, bool passive) {
  game.control.pending_operation = PendingOperation::kNone;
  const auto chosen = ChoosePackStack(game);
  if (!chosen) return;
  int slot = Window(game).slot;
  // A weapon meant for the left hand goes to the right one while that is free, a shield meant for
  // the right hand to the left one.
  if (chosen->category == item_category::kWeapon && slot == equipment_slot::kLeftHand &&
      !Occupied(game, equipment_slot::kRightHand)) {
    slot = equipment_slot::kRightHand;
  } else if (chosen->category == item_category::kArmour && slot == equipment_slot::kRightHand &&
             !Occupied(game, equipment_slot::kLeftHand)) {
    slot = equipment_slot::kLeftHand;
  }
  const int item_slot = chosen->item_slot;
  const bool hand_item =
      item_slot == equipment_slot::kRightHand || item_slot == equipment_slot::kLeftHand;
  if (TwoHandedInRightHand(game) && slot != equipment_slot::kLauncher) {
    ShowMessage(game, "У тебя обе руки заняты!");
  } else if (item_slot == equipment_slot::kLeftHand &&
             (Occupied(game, equipment_slot::kRightHand) ||
              Occupied(game, equipment_slot::kLeftHand))) {
    ShowMessage(game, "Ты не можешь носить двуручное оружие в одной руке!");
  } else if (slot == equipment_slot::kLauncher && item_slot != equipment_slot::kLauncher) {
    ShowMessage(game, "Это не оружие дальнего боя!");
  } else if (!(hand_item &&
               (slot == equipment_slot::kRightHand || slot == equipment_slot::kLeftHand)) &&
             !(item_slot == equipment_slot::kLauncher && slot == equipment_slot::kLauncher)) {
    // A launcher is no hand weapon, and nothing but hand items and launchers is wielded.
    ShowMessage(game, kOtherUseMessage);
  } else if (Occupied(game, slot)) {
    ShowMessage(game, kSlotTakenMessage);
  } else {
    Place(game, slot, false, passive);
  }
}

void ReadyAmmo(Game& game, bool passive) {
  game.control.pending_operation = PendingOperation::kNone;
  const auto chosen = ChoosePackStack(game);
  if (!chosen) return;
  if (chosen->item_slot != equipment_slot::kAmmunition) {
    ShowMessage(game, kOtherUseMessage);
    return;
  }
  const ItemRecord& launcher = Worn(game, equipment_slot::kLauncher);
  const bool has_launcher =
      launcher.count > 0 && launcher.type >= 1 && launcher.type <= kItemTypeCount;
  const bool fits = has_launcher
                        ? game.world.item_types[static_cast<size_t>(launcher.type)].skill_class ==
                              chosen->skill_class
                        : chosen->skill_class == kSlingClass || chosen->skill_class == kThrownClass;
  if (!fits) {
    RefuseAmmunition(game, chosen->skill_class);
    return;
  }
  ItemRecord& quiver = Worn(game, equipment_slot::kAmmunition);
  if (quiver.count > 0) {
    // More of the same ammunition joins the readied stack; other ammunition waits its turn.
    if (!SameStack(game, quiver, *chosen->stack)) {
      ShowMessage(game, kSlotTakenMessage);
      return;
    }
    const int32_t count = chosen->stack->count;
    const InventoryState& window = Window(game);
    if (!RemoveFromPack(game, window.category, window.place, count)) return;
    ResizeWornStack(game, equipment_slot::kAmmunition, quiver.count + count);
    if (!passive) AdvanceTime(game, game.world.hero.action_cost);
    return;
  }
  Place(game, equipment_slot::kAmmunition, true, passive);
}

bool EquipFromPack(Game& game, int category, int place, int slot) {
  if (slot < 1 || slot > kEquipmentSlots) return false;
  InventoryState& window = Window(game);
  window.pile = kPackPile;
  window.category = static_cast<uint8_t>(category);
  window.place = static_cast<int16_t>(place);
  window.slot = static_cast<uint8_t>(slot);
  window.from_equipment = false;
  const ItemRecord* stack = ChosenStack(game);
  if (stack == nullptr) return false;
  const int16_t type = stack->type;
  switch (slot) {
    case equipment_slot::kAmmunition:
      ReadyAmmo(game, true);
      break;
    case equipment_slot::kRightHand:
    case equipment_slot::kLeftHand:
    case equipment_slot::kLauncher:
      Wield(game, true);
      break;
    case equipment_slot::kNeck:
    case equipment_slot::kRightRing:
    case equipment_slot::kBracelet:
    case equipment_slot::kLeftRing:
      PutOn(game, true);
      break;
    default:
      Wear(game, true);
      break;
  }
  return Occupied(game, slot) && Worn(game, slot).type == type;
}

}  // namespace zaldrun
