#include "model/game.hpp"

namespace zaldrun {

std::string_view PendingOperationName(PendingOperation operation) {
  switch (operation) {
    case PendingOperation::kDrop: return "Drop";
    case PendingOperation::kEat: return "Eat";
    case PendingOperation::kDrink: return "Drink";
    case PendingOperation::kRead: return "Read";
    case PendingOperation::kZap: return "Zap";
    case PendingOperation::kDip: return "Dip";
    case PendingOperation::kShoot: return "Shoot";
    case PendingOperation::kChat: return "Chat";
    case PendingOperation::kSelectItem: return "SelectItem";
    case PendingOperation::kPickUp: return "PickUp";
    case PendingOperation::kWear: return "Wear";
    case PendingOperation::kWield: return "Wield";
    case PendingOperation::kPutOn: return "PutOn";
    case PendingOperation::kReadyAmmo: return "ReadyAmmo";
    case PendingOperation::kItemEffect: return "ItemEffect";
    case PendingOperation::kTravel: return "Travel";
    case PendingOperation::kNone: break;
  }
  return "None";
}

}  // namespace zaldrun
