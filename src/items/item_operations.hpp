// The generic item operations that the inventory window calls by name on the chosen stack —
// choosing an item for the operation that follows, picking up, dropping, wearing, wielding,
// putting on, readying ammunition — and the pick-up command on the hero's cell.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "model/game.hpp"

namespace zaldrun {

// Asking for the inventory window (the user interface opens it once the command is done): on the
// pack at a category with an operation pending, on the pack at its first category that holds
// stacks, on the equipment list ("Экипировка"), or on a pile in pick-up mode.
void OpenPack(Game& game, int category, PendingOperation operation);
void OpenPackAtFirstCategory(Game& game, PendingOperation operation);
void OpenEquipmentList(Game& game);
void OpenPile(Game& game, int pile);

// The first category (0..9) of a pile that holds stacks; 0 when none does.
int FirstCategoryWithStacks(const Game& game, int pile);
// The stack the window has chosen in the pile it shows; nullptr when the place is empty.
ItemRecord* ChosenStack(Game& game);

// Leaving a heap in pick-up mode: a heap of a single stack on the floor of the hero's own cell
// becomes a single floor stack again (when a floor stack is free). The contents of a chest or a
// wall cache never move.
void LeaveSingleStack(Game& game, int pile);

// The pick-up command on the hero's cell: a loose item goes into the pack (or joins the readied
// ammunition), a pile opens in the window in pick-up mode, a plant gives its crop.
void PickUpHere(Game& game);

// The generic operations. With `passive` the window does not reopen on the equipment list and no
// time passes (the starting equipment is put on this way).
void SelectItem(Game& game);
void PickUp(Game& game);
// Drop: the chosen pack stack (after "Сколько?" for more than one) goes onto the hero's cell. In
// an open shop (InOpenShop) goods that are not the shop's are offered for sale instead: the keeper
// pays Int(ItemValue of the part × kSaleShare), asked as a yes/no question; sold goods lie on the
// shop's floor as its unpaid goods (picking them up again owes their full value). A refused
// offer, or goods worth nothing to him, leave everything as it was and take no time. A worn item
// dropped from the equipment list is never sold.
void Drop(Game& game);
void Wear(Game& game, bool passive = false);
void Wield(Game& game, bool passive = false);
void PutOn(Game& game, bool passive = false);
void ReadyAmmo(Game& game, bool passive = false);

// Puts pack stack (category, place) into equipment slot `slot` by the slot's own operation,
// passively. True when the slot holds it afterwards.
bool EquipFromPack(Game& game, int category, int place, int slot);

// The answer to "Сколько?" for a stack of `count`: a whole number 1..count, blanks around it
// allowed; anything else (0, a sign, letters, a number too large) is no answer.
std::optional<int32_t> ParseAmount(std::string_view text, int32_t count);

// The room kind (Room::kind) of a shop; combat/rooms.hpp names it among the other kinds.
inline constexpr int kShopRoomKind = 1;
// The slot of the level's shopkeeper while he is on the level and peaceful; 0 otherwise.
int PeacefulShopkeeper(const Game& game);
// True when (x, y) lies in a shop room and the level's shopkeeper is there and peaceful: the
// cells where he buys what the hero drops.
bool InOpenShop(const Game& game, int x, int y);

// The share of an item's value (ItemValue) the shopkeeper pays for it.
inline constexpr double kSaleShare = 0.25;

// The refusals of the operations.
inline constexpr std::string_view kUnpaidMessage = "Сначала купи это!";
inline constexpr std::string_view kOtherUseMessage = "Это используется по другому назначению!";
inline constexpr std::string_view kSlotTakenMessage = "Это место уже занято!";
inline constexpr std::string_view kNoRoomHereMessage = "Здесь больше некуда положить вещи!";

}  // namespace zaldrun
