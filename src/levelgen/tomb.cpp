// The tomb of Ар'Кхамет (place 4): the desert before its gate, its generated halls, the breach
// where the anthill broke in, the burial hall, and the giant anthill's clay tunnels below.
#include <array>

#include "items/item_maker.hpp"
#include "items/piles.hpp"
#include "levelgen/dungeon.hpp"
#include "levelgen/level_tools.hpp"
#include "levelgen/place_builds.hpp"
#include "levelgen/places.hpp"
#include "levelgen/populate.hpp"
#include "model/game.hpp"
#include "records/item_type_table.hpp"

namespace zaldrun {
namespace {

constexpr int kJadeGolem = 13;
constexpr int kWalkingDead = 15;
constexpr int kMummy = 70;
constexpr int kNaga = 72;
constexpr int kWorkerAnt = 5;
constexpr int kSoldierAnt = 6;
constexpr int kTombTrapRoom = 3;
constexpr int kCorpseRoom = 4;

struct Placed {
  int x;
  int y;
  int type;
};

bool BuildDesertGate(Game& game) {
  if (!LoadPlaceMap(game, 9)) return false;
  StandAt(game, 78, 26);
  Level& level = game.world.level;
  level.spawn_rate = 5;
  SetEdgeExits(game, place::kWorld, place::kOverworld, 35, 33);
  // Кави's body on the old road, where the vultures left it.
  RegisterRoom(game, 16, 1, 22, 5, kCorpseRoom);
  PutFeature(game, 19, 3, feature::kCorpse, 0, 0, 0, 0);
  // The hall of the trap: the passage (11, 13) is walled up behind whoever walks in.
  RegisterRoom(game, 8, 14, 14, 24, kTombTrapRoom);
  FixedSecretDoor(game, 7, 9);
  FixedSecretDoor(game, 15, 9);
  PutFeature(game, 39, 18, feature::kStairsDown, place::kTomb, 2, 0, 0);
  // The jade golems wait behind the hall's walls until the trap opens them.
  constexpr std::array<Placed, 5> kGolems = {{{4, 16, kJadeGolem},
                                              {4, 21, kJadeGolem},
                                              {11, 27, kJadeGolem},
                                              {17, 16, kJadeGolem},
                                              {17, 21, kJadeGolem}}};
  for (const Placed& golem : kGolems) Inhabitant(game, golem.x, golem.y, golem.type, false);
  // The burial niches and the treasury behind the secret doors.
  Inhabitant(game, 4, 9, kWalkingDead, false);
  PlaceGold(game, 18, 9, GoldAmount(game, 12, 120, 40), false);
  PlaceGold(game, 20, 10, GoldAmount(game, 12, 120, 40), false);
  PutRandomItem(game, 19, 9, level.item_min_level + 2, level.item_max_level, 0, 100000, false);
  PlaceMonsters(game, 4, 0);
  return true;
}

bool BuildBreach(Game& game) {
  if (!LoadPlaceMap(game, 10)) return false;
  Level& level = game.world.level;
  RegisterRoom(game, 0, 20, 30, 39, 0);
  level.special_room_count = 1;
  Room& breach = level.RoomAt(1);
  breach.door_x[0] = 30;
  breach.door_y[0] = 25;
  breach.door_x[1] = 22;
  breach.door_y[1] = 20;
  FixedDoor(game, 30, 25);
  FixedDoor(game, 22, 20);
  // The ants' tunnel down to the bottom of their anthill.
  PutFeature(game, 5, 35, feature::kStairsDown, place::kTomb, place::kAnthillBottom, 0, 0);
  Inhabitant(game, 20, 25, kSoldierAnt, false);
  Inhabitant(game, 15, 33, kWorkerAnt, false);
  SetLink(game, 1, feature::kStairsUp, place::kTomb, 2);
  SetLink(game, 2, feature::kStairsDown, place::kTomb, 4);
  DungeonPlan plan{RollBelow(game, 6) + 11, 12, 45, 'C', 'A', 6};
  GenerateDungeon(game, plan);
  return true;
}

bool BuildBurialHall(Game& game) {
  if (!LoadPlaceMap(game, 11)) return false;
  StandAt(game, 4, 19);
  const Level& level = game.world.level;
  PutFeature(game, 4, 19, feature::kStairsUp, place::kTomb, 4, 0, 0);
  PutFeature(game, 76, 19, feature::kStairsDown, place::kTomb, 6, 0, 0);
  constexpr std::array<Placed, 6> kGuards = {{{17, 10, kMummy},
                                              {29, 10, kWalkingDead},
                                              {41, 10, kNaga},
                                              {17, 29, kNaga},
                                              {29, 29, kWalkingDead},
                                              {41, 29, kMummy}}};
  for (const Placed& guard : kGuards) {
    FixedDoor(game, guard.x, guard.y < 19 ? 14 : 25);
    Inhabitant(game, guard.x, guard.y, guard.type, false);
  }
  // Ар'Кхамет's sarcophagus on the dais holds his bracelet and his grave goods.
  PutFeature(game, 61, 19, feature::kChest, 0, 0, 0, 0);
  ItemRequest bracelet;
  bracelet.type = item_type::kBracelet;
  bracelet.count = 1;
  if (const auto item = MakeItem(game, bracelet)) PlaceItem(game, 61, 19, *item, true);
  PlaceGold(game, 61, 19, GoldAmount(game, 24, 300, 100), true);
  for (int i = 0; i < 3; ++i) {
    PutRandomItem(game, 61, 19, level.item_min_level + 2, level.item_max_level, 0, 100000, true);
  }
  for (int i = 0; i < 3; ++i) PlaceTrap(game, -1, -1, 0);
  return true;
}

bool BuildAnthill(Game& game, int level) {
  game.world.level.spawn_rate = 25;
  FillUnmarked(game, 'J');
  if (level == place::kAnthillTop) {
    SetLink(game, 1, feature::kStairsUp, place::kWorld, place::kOverworld, 37, 33);
  } else {
    SetLink(game, 1, feature::kStairsUp, place::kTomb, level - 1);
  }
  if (level == place::kAnthillBottom) {
    // The ants dug up into the tomb: the last tunnel climbs to the breach.
    SetLink(game, 2, feature::kStairsUp, place::kTomb, place::kTombBreach);
  } else {
    SetLink(game, 2, feature::kStairsDown, place::kTomb, level + 1);
  }
  PopulateOutdoors(game, RollBelow(game, 8) + 15, 7, 'F');
  return true;
}

}  // namespace

bool BuildTomb(Game& game, int level) {
  if (level < 1 || level > place::kAnthillBottom) return false;
  Level& state = game.world.level;
  state.monster_depth = 2;
  state.spawn_rate = 20;
  state.plant_chance = level < place::kTombBottom ? 0.0f : 0.37f;
  PresetMonsterList(game, place::kTomb, level);
  if (level == 1) return BuildDesertGate(game);
  if (level == place::kTombBreach) return BuildBreach(game);
  if (level == place::kTombBurialHall) return BuildBurialHall(game);
  if (level >= place::kAnthillTop) return BuildAnthill(game, level);
  SetLink(game, 1, feature::kStairsUp, place::kTomb, level - 1);
  // The tomb ends on its tenth level; the anthill below is reached from the overworld and the
  // breach, and has no way back up to it.
  if (level < place::kTombBottom) SetLink(game, 2, feature::kStairsDown, place::kTomb, level + 1);
  DungeonPlan plan{RollBelow(game, 7) + 13, 12, 45, 'C', 'A', 6};
  GenerateDungeon(game, plan);
  return true;
}

}  // namespace zaldrun
