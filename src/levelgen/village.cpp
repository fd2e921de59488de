// The levels of place 1 besides the overworld: the village "Мухоморово" with its folk, shop and
// cellar stairs, the goblins' camp north of it, the town Геладан, and two closed maps.
#include <array>

#include "field/free_cells.hpp"
#include "items/item_maker.hpp"
#include "items/piles.hpp"
#include "levelgen/level_tools.hpp"
#include "levelgen/place_builds.hpp"
#include "levelgen/places.hpp"
#include "levelgen/populate.hpp"
#include "model/game.hpp"
#include "records/item_type_table.hpp"
#include "records/monster_type_ids.hpp"

namespace zaldrun {
namespace {

// Kinds of rooms that something happens in when the hero walks in.
constexpr int kShopRoom = 1;
constexpr int kStoreroom = 2;

struct Cell {
  int x;
  int y;
};

// Places a few peasants on random walkable cells outside the rooms (shops stay to their keeper).
void Peasants(Game& game, int count) {
  for (int i = 0; i < count; ++i) {
    for (int draw = 0; draw < 50; ++draw) {
      int16_t x = 0;
      int16_t y = 0;
      if (!RandomFreeCell(game, x, y, false)) return;
      if (game.world.level.Cell(x, y).room != 0 || game.world.level.Cell(x, y).feature != 0) {
        continue;
      }
      Inhabitant(game, x, y, monster_type::kPeasant, true);
      break;
    }
  }
}

void PutItemOfType(Game& game, int x, int y, int type, bool into_container) {
  ItemRequest request;
  request.type = type;
  request.count = 1;
  if (const auto item = MakeItem(game, request)) PlaceItem(game, x, y, *item, into_container);
}

}  // namespace

bool BuildVillage(Game& game) {
  if (!LoadPlaceMap(game, 3)) return false;
  StandAt(game, 7, 38);
  Level& level = game.world.level;
  level.item_min_level = 1;
  level.item_max_level = 7;
  // The road south leads back to the overworld; the path north to the goblins' forest.
  for (int x : {6, 7})
    PutFeature(game, x, 39, feature::kEdgeExit, place::kWorld, place::kOverworld, 11, 21);
  PutFeature(game, 73, 0, feature::kEdgeExit, place::kWorld, place::kGoblinCamp, 27, 38);
  PutFeature(game, 74, 0, feature::kEdgeExit, place::kWorld, place::kGoblinCamp, 28, 38);
  // Каргуд's cellar: the stairs down to the catacombs.
  PutFeature(game, 72, 32, feature::kStairsDown, place::kCatacombs, 1, 0, 0);
  // The two signs "Чуфырк-Чуфырк!" that carry the hero to the islet in the pond and back.
  PutFeature(game, 28, 19, feature::kEntrance, 101, 1324, 33, 35);
  PutFeature(game, 32, 36, feature::kEntrance, 101, 1324, 57, 12);

  RegisterRoom(game, 29, 1, 45, 6, kShopRoom);
  RegisterRoom(game, 47, 1, 53, 6, kStoreroom);
  FixedDoor(game, 50, 7, true);
  constexpr std::array<Cell, 8> kHouseDoors = {
      {{10, 10}, {22, 10}, {48, 31}, {65, 9}, {10, 22}, {63, 17}, {73, 28}, {16, 29}}};
  for (const Cell& door : kHouseDoors) FixedDoor(game, door.x, door.y);

  // Чазор's treasure by the brook: the holy Ear, the yellowed note and the ghost's gold.
  PutFeature(game, 34, 36, feature::kChest, 0, 0, 0, 0);
  PutItemOfType(game, 34, 36, item_type::kEar, true);
  PutItemOfType(game, 34, 36, item_type::kNote, true);
  PlaceGold(game, 34, 36, GoldAmount(game, 0, 200, 150), true);

  level.shopkeeper = static_cast<int16_t>(Inhabitant(game, 32, 6, monster_type::kShopkeeper, true));
  Inhabitant(game, 8, 6, monster_type::kElder, true);
  Inhabitant(game, 65, 5, monster_type::kHealer, true);
  Inhabitant(game, 16, 22, monster_type::kPriest, true);
  Inhabitant(game, 63, 19, monster_type::kFarmer, true);
  Inhabitant(game, 68, 32, monster_type::kHunter, true);
  Inhabitant(game, 18, 27, monster_type::kOldMan, true);
  Peasants(game, 5);
  return true;
}

bool BuildGoblinCamp(Game& game) {
  if (!LoadPlaceMap(game, 5)) return false;
  StandAt(game, 27, 38);
  Level& level = game.world.level;
  level.monster_depth = 1;
  level.spawn_rate = 0;
  for (int x : {27, 28})
    PutFeature(game, x, 39, feature::kEdgeExit, place::kWorld, place::kVillage, 73, 1);
  FixedDoor(game, 40, 13);
  Inhabitant(game, 44, 9, monster_type::kGoblinChief, true);
  Inhabitant(game, 47, 27, monster_type::kFrog, true);
  // The tribe: goblins, shamans, warriors and hobgoblins about the huts.
  struct Goblin {
    int x;
    int y;
    int type;
  };
  constexpr std::array<Goblin, 12> kTribe = {{{20, 9, 8},
                                              {25, 14, 8},
                                              {30, 8, 9},
                                              {36, 18, 8},
                                              {45, 16, 24},
                                              {52, 12, 8},
                                              {58, 22, 75},
                                              {22, 24, 8},
                                              {40, 24, 24},
                                              {55, 5, 9},
                                              {28, 18, 8},
                                              {50, 19, 75}}};
  for (const Goblin& goblin : kTribe) Inhabitant(game, goblin.x, goblin.y, goblin.type, true);
  return true;
}

bool BuildTown(Game& game) {
  if (!LoadPlaceMap(game, 8)) return false;
  StandAt(game, 3, 6);
  Level& level = game.world.level;
  level.item_min_level = 4;
  level.item_max_level = 12;
  SetEdgeExits(game, place::kWorld, place::kOverworld, 33, 24);
  RegisterRoom(game, 26, 28, 40, 33, kShopRoom);
  constexpr std::array<Cell, 7> kDoors = {
      {{17, 16}, {59, 16}, {31, 15}, {39, 15}, {15, 28}, {52, 28}, {63, 28}}};
  for (const Cell& door : kDoors) FixedDoor(game, door.x, door.y);
  level.shopkeeper =
      static_cast<int16_t>(Inhabitant(game, 33, 26, monster_type::kTownShopkeeper, true));
  Inhabitant(game, 14, 12, monster_type::kTraveller, true);
  Inhabitant(game, 62, 12, monster_type::kLandlord, true);
  Peasants(game, 4);
  return true;
}

bool BuildClosedMap(Game& game, int level) {
  // No entrance of the world leads to these two maps; a hero who finds himself there climbs
  // back to the overworld by the stairs he stands on.
  const bool cellars = level == place::kCellars;
  if (!LoadPlaceMap(game, cellars ? 1 : 2)) return false;
  const Cell stairs = cellars ? Cell{4, 3} : Cell{30, 4};
  PutFeature(game, stairs.x, stairs.y, feature::kStairsUp, place::kWorld, place::kOverworld,
             kNewGameX, kNewGameY);
  game.world.hero.x = static_cast<int16_t>(stairs.x);
  game.world.hero.y = static_cast<int16_t>(stairs.y);
  return true;
}

}  // namespace zaldrun
