// The wild places: the stinking swamp (6) with the caves under it and the demon-summoner's hall,
// and the thicket (7) with its forest levels and the cave at its heart.
#include <array>
#include <vector>

#include "field/free_cells.hpp"
#include "items/item_maker.hpp"
#include "items/piles.hpp"
#include "levelgen/dungeon.hpp"
#include "levelgen/level_tools.hpp"
#include "levelgen/place_builds.hpp"
#include "levelgen/places.hpp"
#include "levelgen/populate.hpp"
#include "model/game.hpp"
#include "model/world_ops.hpp"
#include "records/item_type_table.hpp"
#include "records/monster_type_ids.hpp"
#include "records/terrain.hpp"

namespace zaldrun {
namespace {

constexpr int kSwampHerb = 158;
constexpr int kThicketLevels = 4;

// Whether the swamp's way down at (x, y) joins the open marsh: the grass around it reaches a
// border of the level. Water can close a small pocket; a path of grass then leads out of it.
void OpenWayOut(Game& game, int x, int y) {
  Level& level = game.world.level;
  std::vector<uint8_t> seen(kMapWidth * kMapHeight, 0);
  std::vector<int> queue = {y * kMapWidth + x};
  seen[static_cast<size_t>(queue[0])] = 1;
  for (size_t head = 0; head < queue.size(); ++head) {
    const int cx = queue[head] % kMapWidth;
    const int cy = queue[head] / kMapWidth;
    if (cx == 0 || cy == 0 || cx == kMapWidth - 1 || cy == kMapHeight - 1) return;
    for (int dy = -1; dy <= 1; ++dy) {
      for (int dx = -1; dx <= 1; ++dx) {
        const int nx = cx + dx;
        const int ny = cy + dy;
        if (!Level::Inside(nx, ny) || TerrainOf(level.Terrain(nx, ny)).blocks_move) continue;
        const size_t index = static_cast<size_t>(ny * kMapWidth + nx);
        if (seen[index] != 0) continue;
        seen[index] = 1;
        queue.push_back(ny * kMapWidth + nx);
      }
    }
  }
  for (int cy = y - 1; cy >= 0; --cy) {
    if (TerrainOf(level.Terrain(x, cy)).blocks_move) level.SetTerrain(x, cy, 'D');
  }
}

bool BuildSwampShore(Game& game) {
  Level& level = game.world.level;
  level.monster_depth = 3;
  ScatterTerrain(game, 'D', 'H', 0.3);
  level.spawn_rate = 4;
  SetEdgeExits(game, place::kWorld, place::kOverworld, kSwampEntranceX, kSwampEntranceY);
  const int x = RollBelow(game, 67) + 6;
  const int y = RollBelow(game, 17) + 8;
  level.SetTerrain(x, y, 'C');
  PutFeature(game, x, y, feature::kStairsDown, place::kSwamp, 2, 0, 0);
  OpenWayOut(game, x, y);
  game.world.hero.x = static_cast<int16_t>(RollBelow(game, 51) + 10);
  game.world.hero.y = 1;
  // The swamp's bloodsuckers, and the imps that the villagers take for devils.
  struct Pack {
    int count;
    int type;
  };
  constexpr std::array<Pack, 6> kPacks = {{{4, 83}, {3, 37}, {2, 57}, {2, 35}, {2, 55}, {1, 79}}};
  for (const Pack& pack : kPacks) Inhabitants(game, pack.count, pack.type, false);
  for (int i = 0; i < 3; ++i) {
    int16_t cx = 0;
    int16_t cy = 0;
    if (RandomFreeCell(game, cx, cy, false)) PlantCluster(game, cx, cy, kSwampHerb);
  }
  return true;
}

// Аракус's round hall under the swamp: the stairs that brought the hero vanish behind him, the
// portal glows in the pentagram, and the scene of the demon-summoner begins.
bool BuildSummoningHall(Game& game) {
  if (!LoadPlaceMap(game, 12)) return false;
  Level& level = game.world.level;
  level.monster_depth = 3;
  level.spawn_rate = 0;
  PutFeature(game, 39, 16, feature::kPortal, 0, 0, 0, 0);
  game.world.hero.x = 39;
  game.world.hero.y = 23;
  Inhabitant(game, 39, 19, monster_type::kArakus, true);
  AddEvent(game, "ArakTalk", 4, 1);
  return true;
}

}  // namespace

bool BuildSwamp(Game& game, int level) {
  if (level < 1 || level > place::kSwampHall) return false;
  if (level == 1) return BuildSwampShore(game);
  if (level == place::kSwampHall) return BuildSummoningHall(game);
  Level& state = game.world.level;
  state.monster_depth = 3;
  state.spawn_rate = 19;
  state.plant_chance = 0.33f;
  SetLink(game, 1, feature::kStairsUp, place::kSwamp, level - 1);
  // The last cave's way down lands in the middle of the hall below.
  const bool last = level + 1 == place::kSwampHall;
  SetLink(game, 2, feature::kStairsDown, place::kSwamp, level + 1, last ? 39 : 0, last ? 23 : 0);
  DungeonPlan plan{RollBelow(game, 6) + 12, 10, 30, 'C', 'A', 6};
  GenerateDungeon(game, plan);
  return true;
}

bool BuildThicket(Game& game, int level) {
  if (level < 1 || level > kThicketLevels) return false;
  Level& state = game.world.level;
  state.monster_depth = 2;
  if (level == kThicketLevels) {
    // The small cave at the heart of the thicket, where the ancient amulet lies.
    state.plant_chance = 0.2f;
    state.item_min_level = 4;
    state.item_max_level = 9;
    state.item_max_price = 2000;
    SetLink(game, 1, feature::kStairsUp, place::kThicket, 3);
    GenerateDungeon(game, DungeonPlan{16, 24, 35, 'C', 'A', 6});
    int16_t x = 0;
    int16_t y = 0;
    ItemRequest artefact;
    artefact.type = item_type::kForestArtefact;
    artefact.count = 1;
    if (RandomFreeCell(game, x, y, false)) {
      if (const auto item = MakeItem(game, artefact)) PlaceItem(game, x, y, *item, false);
    }
    return true;
  }
  state.spawn_rate = 15;
  state.plant_chance = 0.5f;
  state.item_min_level = 3;
  state.item_max_level = 7;
  PresetMonsterList(game, place::kThicket, level);
  ScatterTerrain(game, 'N', 'E', 0.26);
  if (level == 1) {
    SetLink(game, 1, feature::kEdgeExit, place::kWorld, place::kOverworld, kThicketX, kThicketY);
  } else if (level == 2) {
    SetLink(game, 1, feature::kEdgeExit, place::kThicket, 1);
  } else {
    // A hole in the ground leads back up to the forest above.
    SetLink(game, 1, feature::kStairsDown, place::kThicket, 2);
  }
  SetLink(game, 2, feature::kStairsDown, place::kThicket, level + 1);
  PopulateOutdoors(game, RollBelow(game, 6) + 11, 3, 'D');
  return true;
}

}  // namespace zaldrun
