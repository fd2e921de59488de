// The world records: one level's cells, terrain, monsters, piles and loose items; the event slots;
// and the fixed limits. Fields keep the widths of the file formats.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace zaldrun {

inline constexpr int kMapWidth = 80;
inline constexpr int kMapHeight = 40;
inline constexpr int kMaxMonsters = 300;
inline constexpr int kMaxEvents = 100;
inline constexpr int kPileCount = 262;   // piles 0..261; 0 is the hero's pack
inline constexpr int kLevelPiles = 260;  // piles 1..260 are saved with the level
inline constexpr int kPileGroups = 10;
inline constexpr int kGroupPlaces = 100;
inline constexpr int kLooseItems = 501;      // loose items 1..501
inline constexpr int kFloorStacks = 500;     // loose items handed out: 1..500
inline constexpr int kLooseItemBase = 1000;  // a cell's item reference above this is a loose item
// A pile holding a chest's contents records its row plus this.
inline constexpr int kContainerRowOffset = 40;
inline constexpr int kMaxRooms = 40;
// Bits of a level's flags.
inline constexpr int32_t kLevelHasPlants = 1;
inline constexpr int32_t kLevelOutdoors = 2;

// Map feature ids with a meaning to the engine.
namespace feature {
inline constexpr int16_t kHiddenTrap = -5;
inline constexpr int16_t kEdgeExit = -4;
inline constexpr int16_t kEntrance = -3;
inline constexpr int16_t kSecretDoor = -2;
inline constexpr int16_t kHiddenCache = -1;
inline constexpr int16_t kNone = 0;
inline constexpr int16_t kClosedDoor = 1;
inline constexpr int16_t kOpenDoor = 2;
inline constexpr int16_t kStairsDown = 3;
inline constexpr int16_t kStairsUp = 4;
inline constexpr int16_t kChest = 5;
inline constexpr int16_t kCache = 6;
inline constexpr int16_t kCorpse = 7;
inline constexpr int16_t kPlant = 8;
inline constexpr int16_t kFirstTrap = 9;
inline constexpr int16_t kLastTrap = 15;
inline constexpr int16_t kPortal = 16;
}  // namespace feature

struct MapCell {
  uint8_t seen = 0;
  uint8_t remembered_glyph = 0;   // Windows-1251 byte
  int32_t remembered_colour = 0;  // red + 256 * green + 65536 * blue
  int16_t item = 0;               // 0 none; 1..261 a pile; above 1000 a loose item
  int16_t feature = 0;
  std::array<int16_t, 4> params{};  // the feature's parameters 1..4 (index 0..3)
  uint8_t room = 0;
  int16_t monster = 0;  // 0 none; 1..300 a monster slot
  // 0, or the pile holding the contents of the chest on this cell. Level files do not hold it:
  // it is linked again from the piles' positions (row + 40) when a level is read.
  int16_t container = 0;
};

struct MonsterRecord {
  int16_t max_hp = 0;
  int16_t hp = 0;
  int16_t attack = 0;
  int16_t defence = 0;
  int16_t speed = 0;
  uint8_t x = 0;
  uint8_t y = 0;
  int16_t state = 0;
  int16_t energy = 0;
  int16_t type = 0;
  uint8_t creation_flag = 0;
  uint8_t peaceful = 0;
  int16_t action_delay = 0;
  int32_t status = 0;
};

struct ItemRecord {
  int16_t type = 0;
  uint8_t blessing = 0;
  int32_t count = 0;
  uint8_t material = 0;
  uint8_t prefix = 0;
  uint8_t suffix = 0;
  int16_t charges = 0;
  int16_t bonus1 = 0;
  int16_t bonus2 = 0;
  uint8_t identified = 0;
  int16_t flags = 0;
};

// A heap of items on one cell, or the hero's pack (pile 0). Each group holds its records in
// places 1..count (index 0..count-1 of its list).
struct PileRecord {
  uint8_t first = 0;  // 1 = the pile is in use (the pack, a heap on a cell, a chest's contents)
  int16_t count = 0;
  std::array<std::vector<ItemRecord>, kPileGroups> groups;
  uint8_t x = 0;
  uint8_t y = 0;  // a chest's contents: the chest's row + 40

  int GroupCount(int group) const {
    return static_cast<int>(groups[static_cast<size_t>(group)].size());
  }
};

struct EventSlot {
  std::string name;  // up to 12 characters; stored blank-padded in files
  int16_t parameter = 0;
  int16_t countdown = 0;
};

// A room of the level's room table: the rectangle with its walls, its kind (1 shop, 2 storeroom,
// 3 tomb, 4 corpse place, 0 none) and up to six doors.
inline constexpr int kRoomDoors = 6;
struct Room {
  uint8_t used = 0;
  uint8_t x1 = 0;
  uint8_t y1 = 0;
  uint8_t x2 = 0;
  uint8_t y2 = 0;
  int16_t kind = 0;
  std::array<uint8_t, kRoomDoors> door_x{};  // doors 1..6 at index 0..5
  std::array<uint8_t, kRoomDoors> door_y{};
  uint8_t connected = 0;  // bit k - 1: door k has a corridor
  uint8_t door_count = 0;
};

// Where a staircase or an edge exit of a level being built leads: link 1 is the way up, link 2
// the way down. Used while the level is built; not kept in the level file.
inline constexpr int kLevelLinks = 6;
struct LevelLink {
  int16_t feature = 0;
  uint8_t place = 0;
  int16_t level = 0;
  uint8_t x = 0;
  uint8_t y = 0;

  bool Used() const { return place != 0 && level > 0; }
};

// One level: cells, terrain letters, monsters, piles 1..261 and loose items.
struct Level {
  std::array<MapCell, kMapWidth * kMapHeight> cells{};
  std::array<std::array<char, kMapWidth>, kMapHeight> terrain{};  // letters 'A'..'['
  std::array<MonsterRecord, kMaxMonsters + 1> monsters{};         // slots 1..300
  int16_t monster_count = 0;
  // The slot of the level's shopkeeper, 0 for none; kept in step when monsters are removed.
  int16_t shopkeeper = 0;
  // Generation settings kept with the level: the depth random monsters are chosen for, the
  // wandering-monster chance in thirtieths, and the level flags (bit 1: plants grow here).
  uint8_t monster_depth = 1;
  uint8_t spawn_rate = 0;
  int32_t level_flags = 0;
  // The level's list of random monster types (three-digit codes) and their weights: built on the
  // first random choice, or preset by special places; not saved, a new level starts without it.
  std::string monster_list;
  std::string monster_weights;
  std::array<ItemRecord, kLooseItems + 1> loose_items{};  // 1..501; free while the count is 0
  // The cell of each loose item (1..500), (0, 0) while it is free.
  std::array<uint8_t, kLooseItems + 1> loose_x{};
  std::array<uint8_t, kLooseItems + 1> loose_y{};
  // The level window of random items (ItemMinLevel, ItemMaxLevel): set by whoever makes the level
  // before it places items; random affixes are chosen from the same window.
  uint8_t item_min_level = 1;
  uint8_t item_max_level = 50;
  uint8_t room_count = 0;

  static bool Inside(int x, int y) { return x >= 0 && y >= 0 && x < kMapWidth && y < kMapHeight; }
  MapCell& Cell(int x, int y) { return cells[static_cast<size_t>(y * kMapWidth + x)]; }
  const MapCell& Cell(int x, int y) const { return cells[static_cast<size_t>(y * kMapWidth + x)]; }
  char Terrain(int x, int y) const {
    return terrain[static_cast<size_t>(y)][static_cast<size_t>(x)];
  }
  void SetTerrain(int x, int y, char letter) {
    terrain[static_cast<size_t>(y)][static_cast<size_t>(x)] = letter;
  }
  MonsterRecord& Monster(int slot) { return monsters[static_cast<size_t>(slot)]; }
  const MonsterRecord& Monster(int slot) const { return monsters[static_cast<size_t>(slot)]; }

  // The room table: rooms 1..40; entry 0 stays empty (it is kept in the level file all the same).
  std::array<Room, kMaxRooms + 1> rooms{};
  Room& RoomAt(int number) { return rooms[static_cast<size_t>(number)]; }
  const Room& RoomAt(int number) const { return rooms[static_cast<size_t>(number)]; }

  // The price window of the level's random items, kept with it.
  int32_t item_min_price = 0;
  int32_t item_max_price = 100000;

  // Only while the level is built (not kept in the level file): the chance of plants, how many
  // of the first rooms are special rooms or fixed areas, where the stairs and exits lead, and the
  // door cells a special room offers (four digits each, x then y).
  float plant_chance = 0.22f;
  uint8_t special_room_count = 0;
  std::array<LevelLink, kLevelLinks + 1> links{};  // 1..6
  std::string door_candidates;
};

}  // namespace zaldrun
