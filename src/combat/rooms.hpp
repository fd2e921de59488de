// What the hero meets on stepping into a room: the shop's greeting, the storeroom, the tomb's trap
// hall and the place of a corpse.
#pragma once

namespace zaldrun {

struct Game;

// The hero steps into room `room` (0 = no room): its entry, by the room's kind.
void EnterRoom(Game& game, int room);

// Room kinds that announce themselves.
namespace room_kind {
inline constexpr int kShop = 1;
inline constexpr int kStoreroom = 2;
inline constexpr int kTomb = 3;
inline constexpr int kCorpsePlace = 4;
}  // namespace room_kind

}  // namespace zaldrun
