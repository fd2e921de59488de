// What the hero meets on stepping into a room: the shop's greeting, the storeroom, the tomb's trap
// hall and the place of a corpse; and on stepping out of the shop with goods not paid for.
#pragma once

#include "items/item_operations.hpp"

namespace zaldrun {

struct Game;

// The hero steps into room `room` (0 = no room): its entry, by the room's kind. Called while the
// hero still stands on the cell he steps from: the storeroom was entered quietly when that cell
// is still a door (opened, by the wand of opening), and loudly when the door was broken in (a
// kicked or exploded door is gone: feature 0) or there was no door at all.
void EnterRoom(Game& game, int room);

// The hero steps out of room `room` (0 = no room) into a cell of another room or of none. Out of
// a shop it is CarryOffUnpaidGoods.
void LeaveRoom(Game& game, int room);

// The hero leaves the shop, or its level, by any way with goods not paid for (owing money, or
// carrying a marked item): theft. A keeper who is there and peaceful shouts at the thief and turns
// hostile; the goods are the hero's now (OwnCarriedGoods), so no debt is left behind unpayable.
void CarryOffUnpaidGoods(Game& game);

// The hero is carried off by magic to (x, y) (a teleport trap or scroll): leaving his room as a
// step out would, without entering the new one; then sight and the map follow.
void TeleportHero(Game& game, int x, int y);

// Room kinds that announce themselves.
namespace room_kind {
inline constexpr int kShop = kShopRoomKind;
inline constexpr int kStoreroom = 2;
inline constexpr int kTomb = 3;
inline constexpr int kCorpsePlace = 4;
}  // namespace room_kind

}  // namespace zaldrun
