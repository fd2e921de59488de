// The generated underground places: the catacombs under Каргуд's house (2), the dark cave with
// the witch's grotto (3) and the endless dark cave (5).
#include <cmath>

#include "creatures/monster_table.hpp"
#include "items/item_maker.hpp"
#include "items/piles.hpp"
#include "levelgen/dungeon.hpp"
#include "levelgen/level_tools.hpp"
#include "levelgen/place_builds.hpp"
#include "levelgen/places.hpp"
#include "levelgen/populate.hpp"
#include "model/game.hpp"
#include "records/item_type_table.hpp"
#include "records/monster_type_ids.hpp"

namespace zaldrun {
namespace {

constexpr int kCatacombLevels = 4;
constexpr int kDarkCaveLevels = 3;
constexpr int kBlueSpider = 7;
constexpr int kWalkingDead = 15;
constexpr int kWight = 17;
constexpr int kGardenCrop = 158;

void DungeonLinks(Game& game, int place, int up_place, int up_level, int down_level) {
  SetLink(game, 1, feature::kStairsUp, up_place, up_level);
  if (down_level > 0) SetLink(game, 2, feature::kStairsDown, place, down_level);
}

// The catacombs' deepest tier: galleries of burial niches, the ossuary, the underground garden
// and the shrine of the stone tablet.
bool BuildCatacombsBottom(Game& game) {
  if (!LoadPlaceMap(game, 4)) return false;
  PutFeature(game, 5, 4, feature::kStairsUp, place::kCatacombs, 3, 0, 0);
  game.world.hero.x = 5;
  game.world.hero.y = 4;
  // The shrine with the tablet on its pedestal, guarded by the dead of the catacombs.
  RegisterRoom(game, 64, 26, 74, 34, 0);
  ItemRequest tablet;
  tablet.type = item_type::kStoneTablet;
  tablet.count = 1;
  if (const auto item = MakeItem(game, tablet)) PlaceItem(game, 69, 30, *item, false);
  Inhabitant(game, 66, 28, kWight, false);
  Inhabitant(game, 70, 16, kWalkingDead, false);
  Inhabitant(game, 50, 16, kWalkingDead, false);
  Inhabitant(game, 8, 35, kWalkingDead, false);
  PlaceGold(game, 72, 33, GoldAmount(game, 12, 120, 7), false);
  PlaceGold(game, 8, 34, GoldAmount(game, 12, 120, 7), false);
  const int monsters = RollBelow(game, 6) + 9;
  for (int i = 0; i < monsters; ++i) PlaceRandomMonster(game, -1);
  const int traps = RollBelow(game, 5) + 3;
  for (int i = 0; i < traps; ++i) PlaceTrap(game, -1, -1, 0);
  const int items = RollBelow(game, 7) + 6;
  const Level& level = game.world.level;
  for (int i = 0; i < items; ++i) {
    PlaceRandomItem(game, level.item_min_level, level.item_max_level, kAnyItemCategory,
                    level.item_min_price, level.item_max_price);
  }
  PlantCluster(game, 27, 32, kGardenCrop);
  return true;
}

}  // namespace

bool BuildCatacombs(Game& game, int level) {
  if (level < 1 || level > kCatacombLevels) return false;
  Level& state = game.world.level;
  state.monster_depth = 1;
  state.spawn_rate = 0;
  state.item_max_price = 600;
  state.item_min_level = 1;
  state.item_max_level = 6;
  if (level == kCatacombLevels) return BuildCatacombsBottom(game);
  if (level == 1) {
    DungeonLinks(game, place::kCatacombs, place::kWorld, place::kVillage, 2);
  } else {
    DungeonLinks(game, place::kCatacombs, place::kCatacombs, level - 1, level + 1);
  }
  DungeonPlan plan;
  plan.monster_base = RollBelow(game, 4) + 11;
  plan.item_base = level == 1 ? 5 : 6;
  plan.lock_percent = level == 1 ? 10 : 14;
  plan.secret_chance = 0;
  GenerateDungeon(game, plan);
  return true;
}

bool BuildDarkCave(Game& game, int level) {
  if (level < 1 || level > kDarkCaveLevels) return false;
  Level& state = game.world.level;
  state.monster_depth = 1;
  state.spawn_rate = 18;
  state.item_max_price = 800;
  state.item_min_level = 1;
  state.item_max_level = 7;
  DungeonPlan plan;
  plan.secret_chance = 6;
  if (level == kDarkCaveLevels) {
    // The witch's grotto fills the top-left corner; the generator digs the rest of the rock.
    if (!LoadPlaceMap(game, 6)) return false;
    state.plant_chance = 0.3f;
    state.item_max_price = 650;
    RegisterRoom(game, 0, 0, 51, 20, 0);
    state.special_room_count = 1;
    Room& grotto = state.RoomAt(1);
    grotto.door_x[0] = 51;
    grotto.door_y[0] = 9;
    grotto.door_x[1] = 36;
    grotto.door_y[1] = 20;
    FixedDoor(game, 51, 9);
    FixedDoor(game, 36, 20);
    FixedDoor(game, 30, 11);
    Inhabitant(game, 30, 8, monster_type::kWitch, false);
    Inhabitant(game, 10, 6, kBlueSpider, false);
    Inhabitant(game, 20, 15, kBlueSpider, false);
    SetLink(game, 1, feature::kStairsUp, place::kDarkCave, 2);
    plan.monster_base = 11;
    plan.item_base = 4;
    plan.lock_percent = 12;
  } else {
    if (level == 1) {
      SetLink(game, 1, feature::kStairsUp, place::kWorld, place::kOverworld, 8, 14);
    } else {
      SetLink(game, 1, feature::kStairsUp, place::kDarkCave, level - 1);
    }
    SetLink(game, 2, feature::kStairsDown, place::kDarkCave, level + 1);
    plan.monster_base = RollBelow(game, 4) + 14;
    plan.item_base = level == 1 ? 6 : 8;
    plan.lock_percent = 16;
  }
  GenerateDungeon(game, plan);
  return true;
}

bool BuildEndless(Game& game, int level) {
  if (level < 1 || level > place::kEndlessDeepest) return false;
  Level& state = game.world.level;
  DungeonPlan plan;
  if (level == 1) {
    state.monster_depth = 2;
    plan.item_base = 16;
    SetLink(game, 1, feature::kStairsUp, place::kWorld, place::kOverworld, 21, 16);
  } else {
    state.monster_depth = level <= 4 ? 3 : 4;
    plan.item_base = level <= 4 ? 18 : 20;
    SetLink(game, 1, feature::kStairsUp, place::kEndless, level - 1);
  }
  if (level < place::kEndlessDeepest)
    SetLink(game, 2, feature::kStairsDown, place::kEndless, level + 1);
  state.spawn_rate = 20;
  plan.lock_percent = 35;
  plan.secret_chance = 6;
  plan.monster_base = RollBelow(game, 6) + 14;
  GenerateDungeon(game, plan);
  return true;
}

}  // namespace zaldrun
