#include "levelgen/build_level.hpp"

#include <algorithm>

#include "creatures/monster_table.hpp"
#include "items/item_maker.hpp"
#include "levelgen/level_tools.hpp"
#include "levelgen/overworld.hpp"
#include "levelgen/place_builds.hpp"
#include "levelgen/places.hpp"
#include "levelgen/populate.hpp"
#include "levelgen/quest_hooks.hpp"
#include "model/game.hpp"
#include "model/world_ops.hpp"

namespace zaldrun {
namespace {

constexpr int kCatacombLevels = 4;
constexpr int kDarkCaveLevels = 3;
constexpr int kThicketLevels = 4;

// Every free cell of the shop's floor gets a ware, priced for the shop's customers.
void RestockShop(Game& game, int x1, int y1, int x2, int y2, int min_level, int max_level,
                 bool village_prices) {
  for (int x = x1; x <= x2; ++x) {
    for (int y = y1; y <= y2; ++y) {
      if (game.world.level.Cell(x, y).item != 0) continue;
      const int32_t max_price = village_prices ? 450 + 50 * RollBelow(game, 11) : 100000;
      PutRandomItem(game, x, y, min_level, max_level, 0, max_price, false, item_flag::kUnpaid);
    }
  }
}

// The map of Places.dat a level is built on, or 0 for a level made from nothing.
int FixedMapOf(int place, int level) {
  struct FixedMap {
    int place;
    int level;
    int map;
  };
  constexpr FixedMap kMaps[] = {
      {place::kWorld, place::kCellars, 1},
      {place::kWorld, place::kFloodedGrotto, 2},
      {place::kWorld, place::kVillage, 3},
      {place::kCatacombs, kCatacombLevels, 4},
      {place::kWorld, place::kGoblinCamp, 5},
      {place::kDarkCave, kDarkCaveLevels, 6},
      {place::kWorld, place::kOverworld, 7},
      {place::kWorld, place::kTown, 8},
      {place::kTomb, 1, 9},
      {place::kTomb, place::kTombBreach, 10},
      {place::kTomb, place::kTombBurialHall, 11},
      {place::kSwamp, place::kSwampHall, 12},
  };
  for (const FixedMap& fixed : kMaps) {
    if (fixed.place == place && fixed.level == level) return fixed.map;
  }
  return 0;
}

void ScheduleOnce(Game& game, const char* name, int countdown, int parameter) {
  if (FindEvent(game, name) == 0) AddEvent(game, name, countdown, parameter);
}

}  // namespace

bool LevelExists(int place, int level) {
  switch (place) {
    case place::kWorld:
      return level == place::kVillage || level == place::kGoblinCamp || level == place::kTown ||
             level == place::kCellars || level == place::kFloodedGrotto ||
             level == place::kOverworld;
    case place::kCatacombs:
      return level >= 1 && level <= kCatacombLevels;
    case place::kDarkCave:
      return level >= 1 && level <= kDarkCaveLevels;
    case place::kTomb:
      return level >= 1 && level <= place::kAnthillBottom;
    case place::kEndless:
      return level >= 1 && level <= place::kEndlessDeepest;
    case place::kSwamp:
      return level >= 1 && level <= place::kSwampHall;
    case place::kThicket:
      return level >= 1 && level <= kThicketLevels;
    default:
      return false;
  }
}

bool LevelCanBeBuilt(const Game& game, int place, int level) {
  if (!LevelExists(place, level)) return false;
  const int map = FixedMapOf(place, level);
  return map == 0 || game.data.places.HasMap(map);
}

bool BuildLevel(Game& game, int place, int level) {
  // A fixed map missing from Places.dat leaves the level as it was.
  if (!LevelCanBeBuilt(game, place, level)) return false;
  ResetLevel(game, 'A');
  ClearLevelMonsterList(game);
  switch (place) {
    case place::kWorld:
      switch (level) {
        case place::kVillage:
          return BuildVillage(game);
        case place::kGoblinCamp:
          return BuildGoblinCamp(game);
        case place::kTown:
          return BuildTown(game);
        case place::kOverworld:
          return BuildOverworld(game);
        default:
          return BuildClosedMap(game, level);
      }
    case place::kCatacombs:
      return BuildCatacombs(game, level);
    case place::kDarkCave:
      return BuildDarkCave(game, level);
    case place::kTomb:
      return BuildTomb(game, level);
    case place::kEndless:
      return BuildEndless(game, level);
    case place::kSwamp:
      return BuildSwamp(game, level);
    default:
      return BuildThicket(game, level);
  }
}

void LevelEntryScript(Game& game, int place, int level) {
  ClearLevelMonsterList(game);
  // The tomb and the thicket keep their own creatures for those who wander in later.
  PresetMonsterList(game, place, level);
  if (place == place::kWorld && level == place::kVillage) {
    RestockShop(game, 29, 1, 45, 6, 2, 8, true);
    // Чупакабра stays himself until the hero, having found the treasure, talks to him: his talk
    // turns him into Чазор's ghost. The frog is the camp's (see below).
  } else if (place == place::kWorld && level == place::kGoblinCamp) {
    ScheduleOnce(game, "CheckGobs", 10, 0);
    GoblinCampByQuests(game);
  } else if (place == place::kWorld && level == place::kTown) {
    RestockShop(game, 26, 28, 40, 33, 3, 12, false);
  } else if (place == place::kWorld && level == place::kOverworld) {
    OpenThicketIfRead(game);
    SolveRiddleIfFound(game);
  } else if (place == place::kCatacombs) {
    // The check that tells when a tier has been cleared follows the hero from tier to tier.
    const int counter = FindEvent(game, "CountMons");
    if (counter == 0) {
      AddEvent(game, "CountMons", 30, level + 3);
    } else {
      game.world.events[static_cast<size_t>(counter)].parameter = static_cast<int16_t>(level + 3);
    }
    CatacombsByQuests(game);
  } else if (place == place::kDarkCave && level == kDarkCaveLevels) {
    ScheduleOnce(game, "CheckWitch", 10, 0);
    WitchCaveByQuests(game);
  } else if (place == place::kTomb) {
    // The bracelet lies in Ар'Кхамет's sarcophagus from the hall's build and needs nothing here.
    TombByQuests(game, level);
  } else if (place == place::kThicket) {
    ThicketByQuests(game, level);
  }
}

}  // namespace zaldrun
