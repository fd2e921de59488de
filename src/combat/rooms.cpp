// Room entries: the shopkeeper's greeting, the storeroom, the tomb's closing door, Кави's corpse;
// and leaving the shop without paying.
#include "combat/rooms.hpp"

#include <string>

#include "base/byte_record.hpp"
#include "combat/doors.hpp"
#include "engine/message_line.hpp"
#include "field/field.hpp"
#include "items/pack.hpp"
#include "model/game.hpp"
#include "model/type_info.hpp"
#include "model/world_ops.hpp"
#include "records/quest_list.hpp"

namespace zaldrun {
namespace {

// The tomb's way back, walled up behind the hero, and the secret door that opens elsewhere.
constexpr int kTombWayX = 11;
constexpr int kTombWayY = 13;
constexpr int kTombDoorX = 31;
constexpr int kTombDoorY = 18;
// Turns until the golem rooms open.
constexpr int kTombTrapCountdown = 5;

bool ShopkeeperHere(const Game& game) {
  const int slot = game.world.level.shopkeeper;
  return slot >= 1 && slot <= game.world.level.monster_count;
}

// The shopkeeper's name as the subject of what he says.
std::string KeeperName(const Game& game) {
  const Level& level = game.world.level;
  return std::string(TrimRight(MonsterTypeName(game, level.Monster(level.shopkeeper).type, 1)));
}

// The cell the hero steps from into the storeroom is still a door: he came in through the door
// opened by magic, not broken in.
bool EnteredQuietly(const Game& game) {
  const Hero& hero = game.world.hero;
  return Level::Inside(hero.x, hero.y) &&
         game.world.level.Cell(hero.x, hero.y).feature == feature::kOpenDoor;
}

void EnterTomb(Game& game, Room& room) {
  Level& level = game.world.level;
  level.SetTerrain(kTombWayX, kTombWayY, 'A');
  level.Cell(kTombDoorX, kTombDoorY).feature = feature::kSecretDoor;
  DarkenSight(game);
  Renew(game, kTombWayX, kTombWayY);
  ShowMessage(game, "Внезапно, каменный блок сзади тебя закрывает проход!");
  ShowMessage(game, "У тебя плохие предчувствия по поводу этого...");
  AddEvent(game, "TombTrap", kTombTrapCountdown, 0);
  room.kind = 0;
}

}  // namespace

void EnterRoom(Game& game, int room) {
  if (room < 1 || room > kMaxRooms) return;
  Room& entered = game.world.level.RoomAt(room);
  switch (entered.kind) {
    case room_kind::kShop:
      if (ShopkeeperHere(game)) {
        ShowMessage(game, "\"Добро пожаловать в мою лавку, " +
                              std::string(TrimRight(game.world.hero.name)) + "!\"");
      }
      break;
    case room_kind::kStoreroom:
      if (!ShopkeeperHere(game)) break;
      if (EnteredQuietly(game)) {
        ShowMessage(game, "Тебе удалось незаметно пробраться на склад Тазара.");
      } else {
        ShowMessage(
            game,
            "Кто-то услышал, что ты сломал дверь и пробрался в склад Тазара. Он будет недоволен.");
        game.world.level.Monster(game.world.level.shopkeeper).peaceful = 0;
      }
      break;
    case room_kind::kTomb:
      EnterTomb(game, entered);
      break;
    case room_kind::kCorpsePlace: {
      ShowMessage(game, "На песке лежит труп неудачливого приключенца.");
      ShowMessage(game,
                  "Труп практически полностью обглодан стервятниками, но можно определить, что "
                  "человека убили не очень давно.");
      ShowMessage(game, "Наверное, это труп Кави. Нужно рассказать Браннусу о увиденном.");
      // Кави's quest: 1 while he is sought, 2 once his corpse is found.
      int16_t& kavi = game.world.hero.quests[quest_entry::kKavi];
      if (kavi == 1) kavi = 2;
      break;
    }
    default:
      break;
  }
}

void LeaveRoom(Game& game, int room) {
  if (room < 1 || room > kMaxRooms) return;
  if (game.world.level.RoomAt(room).kind == room_kind::kShop) CarryOffUnpaidGoods(game);
}

void CarryOffUnpaidGoods(Game& game) {
  if (game.world.hero.shop_debt <= 0 && !CarriesUnpaidGoods(game)) return;
  const int keeper = PeacefulShopkeeper(game);
  if (keeper != 0) {
    game.world.level.Monster(keeper).peaceful = 0;
    ShowMessage(
        game, KeeperName(game) + " кричит: \"Ты гнусный воришка! Больше ты не будешь воровать!\"");
  }
  OwnCarriedGoods(game);
}

void TeleportHero(Game& game, int x, int y) {
  const Level& level = game.world.level;
  const int left_room = level.Cell(game.world.hero.x, game.world.hero.y).room;
  if (Level::Inside(x, y) && level.Cell(x, y).room != left_room) LeaveRoom(game, left_room);
  DarkenSight(game);
  PlPl(game, x, y);
}

}  // namespace zaldrun
