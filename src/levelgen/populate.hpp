// What fills a new level: random items and gold, the contents of hidden caches, traps, plants, the
// outdoor levels' paths and links, and the population steps of dungeons and outdoor levels.
#pragma once

#include <cstdint>

namespace zaldrun {

struct Game;

// The category request of the level's random items: any category.
inline constexpr int kAnyItemCategory = 60;
// Random crops of plants: kind -2 of PlantCluster, -1 of PlantAt.
inline constexpr int kRandomCropCluster = -2;
inline constexpr int kRandomCrop = -1;

// Int(Rnd * (per_fortune * L + base)) + add coins, L the hero's fortune; at least one coin
// whatever the fortune.
int32_t GoldAmount(Game& game, int per_fortune, int base, int add);
// A heap of gold on a cell (into the chest or cache there with `into_container`).
void PlaceGold(Game& game, int x, int y, int32_t amount, bool into_container);
// One random item of a type chosen within the windows, made as new random items are, on a random
// cell where the hero could walk (monsters allowed). False when no item could be made or put.
bool PlaceRandomItem(Game& game, int min_level, int max_level, int category, int32_t min_price,
                     int32_t max_price);
// One random item put on or into (x, y).
bool PutRandomItem(Game& game, int x, int y, int min_level, int max_level, int32_t min_price,
                   int32_t max_price, bool into_container, int flags = 0);
// The contents of a hidden cache in a wall: perhaps gold, perhaps more gold, 2..9 items.
void FillCache(Game& game, int x, int y);

// A trap kind fit for the level's monster depth.
int PickTrapKind(Game& game);
// A hidden trap of `kind` (0: a random kind) on (x, y), or with x = -1 on a random free cell. A
// trap goes only on a cell with no feature; false when none was found.
bool PlaceTrap(Game& game, int x, int y, int kind);

// A random crop by the weights of the crops.
int PickCrop(Game& game);
// A plant of `kind` (the item type of its crop; kRandomCrop for a random one) on a cell with no
// feature; the level gets the plants flag. False when the cell has a feature.
bool PlantAt(Game& game, int x, int y, int kind);
// Plants on about a third of the walkable cells of the 3 x 3 square around (x, y), all of one
// crop (kRandomCropCluster: a random one).
void PlantCluster(Game& game, int x, int y, int kind);
// Int(Rnd * 4) + 2 clusters of random crops on random cells, with the level's plant chance.
void MaybePlants(Game& game);

// Monster base a gives a + Int(0.75 a Rnd) random monsters (flag as PlaceRandomMonster's).
void PlaceMonsters(Game& game, int base, int flag);
// Item base b gives b + Int(0.75 b Rnd) random items in the level's windows.
void PlaceItems(Game& game, int base);

// Steps 7..11 of a dungeon: monsters, items, gold, traps and plants.
void PopulateDungeon(Game& game, int monster_base, int item_base, int lock_percent);
// An outdoor level: the way up and the way down with winding paths of `path` letter to them, then
// monsters, items, gold and plants. Sets the outdoor flag.
void PopulateOutdoors(Game& game, int monster_base, int item_base, char path);

}  // namespace zaldrun
