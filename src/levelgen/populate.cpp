#include "levelgen/populate.hpp"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "creatures/monster_table.hpp"
#include "field/free_cells.hpp"
#include "items/item_maker.hpp"
#include "items/piles.hpp"
#include "levelgen/level_tools.hpp"
#include "model/chance.hpp"
#include "model/game.hpp"
#include "records/item_type_table.hpp"
#include "records/terrain.hpp"

namespace zaldrun {
namespace {

// Draws of a random cell that may hit a cell with a feature before the level is searched whole.
constexpr int kBareCellDraws = 200;

// The crops of plants and their weights.
constexpr int kCrops[] = {132, 133, 158, 159, 160, 161, 162, 164};
constexpr int kCropWeights[] = {17, 16, 21, 26, 25, 20, 22, 30};

int ScaledRoll(Game& game, double factor, int base) {
  return static_cast<int>(std::floor(factor * base * game.random.Next()));
}

// A random cell the hero could walk into that holds no feature (stairs, doors, chests, plants and
// traps are never covered by a trap).
bool RandomBareCell(Game& game, bool monsters_allowed, int16_t& x, int16_t& y) {
  for (int draw = 0; draw < kBareCellDraws; ++draw) {
    if (!RandomFreeCell(game, x, y, monsters_allowed)) return false;
    if (game.world.level.Cell(x, y).feature == feature::kNone) return true;
  }
  std::vector<CellPos> bare;
  for (int cy = 1; cy <= 37; ++cy) {
    for (int cx = 1; cx <= 77; ++cx) {
      if (game.world.level.Cell(cx, cy).feature == feature::kNone &&
          CellIsFree(game, cx, cy, monsters_allowed)) {
        bare.push_back({cx, cy});
      }
    }
  }
  if (bare.empty()) return false;
  const CellPos pick = bare[static_cast<size_t>(RollBelow(game, static_cast<int>(bare.size())))];
  x = static_cast<int16_t>(pick.x);
  y = static_cast<int16_t>(pick.y);
  return true;
}

// How hard a plant is to know: the crop's price in tens (rare herbs are the hard ones).
int16_t PlantDifficulty(int crop) {
  if (crop < 1 || crop > kItemTypeCount) return 0;
  return static_cast<int16_t>(std::min<int32_t>(BaseItemType(crop).price / 10, 100));
}

}  // namespace

int32_t GoldAmount(Game& game, int per_fortune, int base, int add) {
  const int span = std::max(0, per_fortune * game.world.hero.fortune + base);
  return std::max(1, RollBelow(game, span) + add);
}

void PlaceGold(Game& game, int x, int y, int32_t amount, bool into_container) {
  ItemRequest request;
  request.type = item_type::kMoney;
  request.count = std::max<int32_t>(1, amount);
  request.blessing = blessing::kUncursed;
  request.identified = 1;
  request.prefix = 0;
  request.suffix = 0;
  if (const auto gold = MakeItem(game, request)) PlaceItem(game, x, y, *gold, into_container);
}

bool PutRandomItem(Game& game, int x, int y, int min_level, int max_level, int32_t min_price,
                   int32_t max_price, bool into_container, int flags) {
  const int type =
      ChooseItemType(game, min_level, max_level, kAnyItemCategory, min_price, max_price);
  if (type <= 0) return false;
  ItemRequest request;
  request.type = type;
  request.flags = flags;
  const auto item = MakeItem(game, request);
  return item && PlaceItem(game, x, y, *item, into_container);
}

bool PlaceRandomItem(Game& game, int min_level, int max_level, int category, int32_t min_price,
                     int32_t max_price) {
  int16_t x = 0;
  int16_t y = 0;
  if (!RandomFreeCell(game, x, y, true)) return false;
  const int type = ChooseItemType(game, min_level, max_level, category, min_price, max_price);
  if (type <= 0) return false;
  ItemRequest request;
  request.type = type;
  const auto item = MakeItem(game, request);
  return item && PlaceItem(game, x, y, *item, false);
}

void FillCache(Game& game, int x, int y) {
  const Level& level = game.world.level;
  if (RollBelow(game, 3) == 1) PlaceGold(game, x, y, GoldAmount(game, 12, 120, 7), true);
  if (RollBelow(game, 3) == 1) PlaceGold(game, x, y, GoldAmount(game, 46, 200, 40), true);
  const int items = RollBelow(game, 8) + 2;
  for (int i = 0; i < items; ++i) {
    PutRandomItem(game, x, y, level.item_min_level + 2, level.item_max_level + 1, 0, 100000, true);
  }
}

int PickTrapKind(Game& game) {
  const int depth = game.world.level.monster_depth;
  std::vector<int> kinds = {11, 12, 31};
  if (depth < 3) kinds.insert(kinds.end(), {1, 6});
  if (depth > 1) kinds.push_back(21);
  if (depth > 2) kinds.insert(kinds.end(), {2, 7, 16});
  return kinds[static_cast<size_t>(RollBelow(game, static_cast<int>(kinds.size())))];
}

bool PlaceTrap(Game& game, int x, int y, int kind) {
  if (x == -1) {
    int16_t cx = 0;
    int16_t cy = 0;
    if (!RandomBareCell(game, false, cx, cy)) return false;
    x = cx;
    y = cy;
  }
  if (!Level::Inside(x, y) || game.world.level.Cell(x, y).feature != feature::kNone) return false;
  if (kind == 0) kind = PickTrapKind(game);
  PutFeature(game, x, y, feature::kHiddenTrap, kind, 0, 0, 0);
  return true;
}

int PickCrop(Game& game) {
  int total = 0;
  for (int w : kCropWeights) total += w;
  int t = RandomRange(game, 1, total);
  for (size_t i = 0; i < std::size(kCrops); ++i) {
    t -= kCropWeights[i];
    if (t <= 0) return kCrops[i];
  }
  return kCrops[std::size(kCrops) - 1];
}

bool PlantAt(Game& game, int x, int y, int kind) {
  if (!Level::Inside(x, y) || game.world.level.Cell(x, y).feature != feature::kNone) return false;
  if (kind == kRandomCrop) kind = PickCrop(game);
  PutFeature(game, x, y, feature::kPlant, kind, PlantDifficulty(kind), 0,
             RandomRange(game, 110, 220));
  game.world.level.level_flags |= kLevelHasPlants;
  return true;
}

void PlantCluster(Game& game, int x, int y, int kind) {
  if (kind == kRandomCropCluster) kind = PickCrop(game);
  for (int i = 0; i < 9; ++i) {
    const int cx = x + i / 3 - 1;
    const int cy = y + i % 3 - 1;
    if (!Level::Inside(cx, cy) || TerrainOf(game.world.level.Terrain(cx, cy)).blocks_move) continue;
    if (RollBelow(game, 3) == 1) PlantAt(game, cx, cy, kind);
  }
}

void MaybePlants(Game& game) {
  if (game.random.Next() >= game.world.level.plant_chance) return;
  const int clusters = RollBelow(game, 4) + 2;
  for (int i = 0; i < clusters; ++i) {
    int16_t x = 0;
    int16_t y = 0;
    if (RandomFreeCell(game, x, y, true)) PlantCluster(game, x, y, kRandomCropCluster);
  }
}

void PlaceMonsters(Game& game, int base, int flag) {
  const int count = base + ScaledRoll(game, 0.75, base);
  for (int i = 0; i < count; ++i) PlaceRandomMonster(game, flag);
}

void PlaceItems(Game& game, int base) {
  const Level& level = game.world.level;
  const int count = base + ScaledRoll(game, 0.75, base);
  for (int i = 0; i < count; ++i) {
    PlaceRandomItem(game, level.item_min_level, level.item_max_level, kAnyItemCategory,
                    level.item_min_price, level.item_max_price);
  }
}

namespace {

void PlaceGoldHeaps(Game& game, int item_base, int per_fortune, int base) {
  const int heaps = 1 + ScaledRoll(game, 0.5, item_base);
  for (int i = 0; i < heaps; ++i) {
    int16_t x = 0;
    int16_t y = 0;
    if (RandomFreeCell(game, x, y, true)) {
      PlaceGold(game, x, y, GoldAmount(game, per_fortune, base, 7), false);
    }
  }
}

// The inner neighbour of a border cell: where the hero stands when he comes in by an edge exit.
CellPos InsideOf(CellPos edge) {
  return {std::clamp(edge.x, 1, kMapWidth - 2), std::clamp(edge.y, 1, kMapHeight - 2)};
}

}  // namespace

void PopulateDungeon(Game& game, int monster_base, int item_base, int lock_percent) {
  PlaceMonsters(game, monster_base, 0);
  PlaceItems(game, item_base);
  PlaceGoldHeaps(game, item_base, 12, 120);
  const int traps = RandomRange(game, 3, std::max(3, lock_percent / 4 + 1));
  for (int i = 0; i < traps; ++i) PlaceTrap(game, -1, -1, 0);
  MaybePlants(game);
}

void PopulateOutdoors(Game& game, int monster_base, int item_base, char path) {
  Level& level = game.world.level;
  level.level_flags |= kLevelOutdoors;
  const LevelLink& up = level.links[1];
  const LevelLink& down = level.links[2];
  bool walked = false;
  CellPos end{};
  CellPos up_cell{-1, -1};
  auto stand = [&](CellPos cell) {
    game.world.hero.x = static_cast<int16_t>(cell.x);
    game.world.hero.y = static_cast<int16_t>(cell.y);
  };
  if (up.feature == feature::kEdgeExit && up.Used()) {
    up_cell = RandomEdgeCell(game);
    PutLink(game, up_cell.x, up_cell.y, up);
    end = RandomWalk(game, up_cell.x, up_cell.y, 1900, path);
    walked = true;
    stand(InsideOf(up_cell));
  } else if (up.Used()) {
    up_cell = {RollBelow(game, 76) + 2, RollBelow(game, 36) + 2};
    PutLink(game, up_cell.x, up_cell.y, up);
    end = RandomWalk(game, up_cell.x, up_cell.y, 2200, path);
    walked = true;
    stand(up_cell);
  }
  if (down.feature == feature::kEdgeExit && down.Used()) {
    CellPos cell = RandomEdgeCell(game);
    for (int draw = 0; draw < 100 && cell == up_cell; ++draw) cell = RandomEdgeCell(game);
    PutLink(game, cell.x, cell.y, down);
    RandomWalk(game, cell.x, cell.y, 500, path);
  } else if (down.Used()) {
    if (!walked)
      end = RandomWalk(game, RollBelow(game, 76) + 2, RollBelow(game, 36) + 2, 2200, path);
    // The way down never covers the way up: the path goes on a little until it leaves that cell.
    for (int more = 0; more < 100 && end == up_cell; ++more) {
      end = RandomWalk(game, end.x, end.y, 10, path);
    }
    PutLink(game, end.x, end.y, down);
  }
  PlaceMonsters(game, monster_base, 0);
  PlaceItems(game, item_base);
  PlaceGoldHeaps(game, item_base, 7, 70);
  MaybePlants(game);
}

}  // namespace zaldrun
