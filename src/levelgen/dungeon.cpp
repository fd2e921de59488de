#include "levelgen/dungeon.hpp"

#include <array>
#include <cmath>
#include <string>
#include <vector>

#include "combat/kicks.hpp"
#include "levelgen/corridor.hpp"
#include "levelgen/level_tools.hpp"
#include "levelgen/populate.hpp"
#include "levelgen/room_registry.hpp"
#include "model/chance.hpp"
#include "model/game.hpp"
#include "records/terrain.hpp"

namespace zaldrun {
namespace {

// Rounds of room tries before the level is searched cell by cell for a place for one room.
constexpr int kRoomRounds = 50;
// Draws of the way down that may fall on the way up's cell before the room is searched.
constexpr int kStairDraws = 100;

// Takes a random entry out of a list; nothing when the list is empty.
bool TakeRandom(Game& game, std::vector<CellPos>& list, CellPos* out) {
  if (list.empty()) return false;
  const size_t index = static_cast<size_t>(RollBelow(game, static_cast<int>(list.size())));
  *out = list[index];
  list.erase(list.begin() + static_cast<std::ptrdiff_t>(index));
  return true;
}

void AddDoorToRoom(Room& room, CellPos door) {
  for (int k = 0; k < kRoomDoors; ++k) {
    if (room.door_x[static_cast<size_t>(k)] == 0) {
      room.door_x[static_cast<size_t>(k)] = static_cast<uint8_t>(door.x);
      room.door_y[static_cast<size_t>(k)] = static_cast<uint8_t>(door.y);
      return;
    }
  }
}

// A door of the plan: locked by the lock percentage; one in three hides a trap that a kick sets
// off (rocks, a blast or a shock).
void PutRandomDoor(Game& game, const DungeonPlan& plan, CellPos door, bool secret) {
  const bool locked = plan.lock_percent / 100.0f > game.random.Next();
  const int trap =
      RollBelow(game, 3) == 1 ? RandomRange(game, door_trap::kRocks, door_trap::kShock) : 0;
  PutDoor(game, door.x, door.y, secret, locked, trap, plan.floor, plan.wall);
}

// Step 1: now and then a special room, called by name, with one or two of its offered doors.
void MaybeSpecialRoom(Game& game, const DungeonPlan& plan) {
  Level& level = game.world.level;
  if (RollBelow(game, 4) != 0 || level.special_room_count != 0) return;
  const std::string name = "SpecRoom" + std::to_string(RollBelow(game, 3) + 1);
  const auto* entry = RoomRegistry().Find(name);
  if (entry == nullptr || entry->fn == nullptr) return;
  level.door_candidates.clear();
  const int rooms_before = level.room_count;
  entry->fn(game);
  if (level.room_count == rooms_before) return;
  ++level.special_room_count;
  std::vector<CellPos> offered = ParseCells(level.door_candidates);
  const int doors = RollBelow(game, 2) + 1;
  for (int i = 0; i < doors; ++i) {
    CellPos door;
    if (!TakeRandom(game, offered, &door)) break;
    PutRandomDoor(game, plan, door, RollBelow(game, 15) > 10);
    AddDoorToRoom(level.RoomAt(level.special_room_count), door);
  }
}

void TryRooms(Game& game, int tries) {
  for (int t = game.world.level.special_room_count + 1; t <= tries; ++t) {
    const int y1 = RandomRange(game, 1, 32);
    const int x1 = RandomRange(game, 1, 71);
    float s = game.random.Next();
    int y2 = static_cast<int>(std::floor(RollBelow(game, 16) * s)) + y1 + 4;
    s = game.random.Next();
    int x2 = static_cast<int>(std::floor(RollBelow(game, 24) * s)) + x1 + 4;
    if (x2 > 79) x2 = 78;
    if (y2 > 39) y2 = 38;
    if (game.world.level.room_count >= kMaxRooms) return;
    if (RoomAreaFree(game.world.level, x1, x2, y1, y2)) CarveRoom(game, x1, y1, x2, y2, 'C');
  }
}

// The last resort when every round of tries failed: the first place a small room fits.
void FitOneRoom(Game& game) {
  for (int y1 = 1; y1 <= 33; ++y1) {
    for (int x1 = 1; x1 <= 73; ++x1) {
      if (RoomAreaFree(game.world.level, x1, x1 + 4, y1, y1 + 4)) {
        CarveRoom(game, x1, y1, x1 + 4, y1 + 4, 'C');
        return;
      }
    }
  }
}

// Step 2: ordinary rooms. A level needs at least one beside the special rooms for its stairs, so
// the tries run again until one stands.
void PlaceRooms(Game& game) {
  Level& level = game.world.level;
  for (int round = 0; round < kRoomRounds && level.room_count <= level.special_room_count;
       ++round) {
    TryRooms(game, RollBelow(game, 30) + 50);
  }
  if (level.room_count <= level.special_room_count) FitOneRoom(game);
}

std::vector<CellPos> DoorCandidates(const Level& level, const Room& room) {
  std::vector<CellPos> list;
  for (int x = room.x1 + 1; x <= room.x2 - 1; ++x) {
    if (room.y1 > 1 && level.Cell(x, room.y1 - 1).room == 0) list.push_back({x, room.y1});
    if (room.y2 < 38 && level.Cell(x, room.y2 + 1).room == 0) list.push_back({x, room.y2});
  }
  for (int y = room.y1 + 1; y <= room.y2 - 1; ++y) {
    if (room.x1 > 1 && level.Cell(room.x1 - 1, y).room == 0) list.push_back({room.x1, y});
    if (room.x2 < 78 && level.Cell(room.x2 + 1, y).room == 0) list.push_back({room.x2, y});
  }
  return list;
}

// Step 3: one to three doors in each ordinary room, sometimes a hidden cache in its wall.
void PlaceDoors(Game& game, const DungeonPlan& plan) {
  Level& level = game.world.level;
  for (int r = level.special_room_count + 1; r <= level.room_count; ++r) {
    std::vector<CellPos> list = DoorCandidates(level, level.RoomAt(r));
    const int doors = static_cast<int>(std::floor(std::fabs(game.random.Next() * 3.0f - 0.5f))) + 1;
    for (int k = 0; k < doors; ++k) {
      CellPos door;
      if (!TakeRandom(game, list, &door)) break;
      PutRandomDoor(game, plan, door, plan.secret_chance / 20.0f > game.random.Next());
      AddDoorToRoom(level.RoomAt(r), door);
    }
    CellPos cache;
    if (RollBelow(game, 6) == 1 && TakeRandom(game, list, &cache)) {
      PutFeature(game, cache.x, cache.y, feature::kHiddenCache, 0, 0, 0, 0);
      FillCache(game, cache.x, cache.y);
    }
  }
}

// Step 4: a room's door count is its door slots filled before the first empty one.
void CountDoors(Level& level) {
  for (int r = 1; r <= level.room_count; ++r) {
    Room& room = level.RoomAt(r);
    room.door_count = 0;
    while (room.door_count < kRoomDoors && room.door_x[room.door_count] != 0) ++room.door_count;
  }
}

// Step 5: every door of every room gets a corridor to a door of another room, as long as either
// room has more than one door (two rooms of one door each would only make a closed pair).
void DigCorridors(Game& game, CorridorDigger& digger) {
  Level& level = game.world.level;
  for (int a = 1; a <= level.room_count; ++a) {
    std::vector<int> targets;
    for (int b = 1; b <= level.room_count; ++b) {
      const Room& other = level.RoomAt(b);
      if (b != a && other.door_count > 0 &&
          (other.door_count > 1 || level.RoomAt(a).door_count > 1)) {
        targets.push_back(b);
      }
    }
    Room& room = level.RoomAt(a);
    for (int k = 1; k <= room.door_count; ++k) {
      if ((room.connected & (1 << (k - 1))) != 0 || targets.empty()) continue;
      const int b = targets[static_cast<size_t>(RollBelow(game, static_cast<int>(targets.size())))];
      Room& other = level.RoomAt(b);
      const int j = RandomRange(game, 1, other.door_count);
      digger.Dig(game, room.door_x[static_cast<size_t>(k - 1)],
                 room.door_y[static_cast<size_t>(k - 1)], other.door_x[static_cast<size_t>(j - 1)],
                 other.door_y[static_cast<size_t>(j - 1)]);
      other.connected = static_cast<uint8_t>(other.connected | (1 << (j - 1)));
      room.connected = static_cast<uint8_t>(room.connected | (1 << (k - 1)));
    }
  }
}

// The cells the hero can walk to from (x, y), through walkable ground and doors, secret ones
// included (they are found by searching). The map gets a border of blocked cells so that the
// eight neighbours of a cell need no bounds check.
class WalkableFrom {
 public:
  WalkableFrom(const Level& level, int x, int y) {
    for (int cy = 0; cy < kMapHeight; ++cy) {
      for (int cx = 0; cx < kMapWidth; ++cx) {
        state_[static_cast<size_t>(Index(cx, cy))] = Passable(level, cx, cy) ? kOpen : kBlocked;
      }
    }
    Flood(Index(x, y));
  }
  bool Reached(int x, int y) const { return state_[static_cast<size_t>(Index(x, y))] == kReached; }

 private:
  static constexpr int kWidth = kMapWidth + 2;
  static constexpr int kCells = kWidth * (kMapHeight + 2);
  static constexpr uint8_t kBlocked = 0;
  static constexpr uint8_t kOpen = 1;
  static constexpr uint8_t kReached = 2;
  static constexpr int kNeighbours[8] = {-kWidth - 1, -kWidth, -kWidth + 1, -1,
                                         1,           kWidth - 1, kWidth, kWidth + 1};

  static int Index(int x, int y) { return (y + 1) * kWidth + x + 1; }
  static bool Passable(const Level& level, int x, int y) {
    const int f = level.Cell(x, y).feature;
    return f == feature::kClosedDoor || f == feature::kSecretDoor ||
           (!TerrainOf(level.Terrain(x, y)).blocks_move && !FeatureBlocks(f));
  }

  void Flood(int start) {
    if (state_[static_cast<size_t>(start)] != kOpen) return;
    std::array<int16_t, kCells> queue;
    int tail = 0;
    state_[static_cast<size_t>(start)] = kReached;
    queue[static_cast<size_t>(tail++)] = static_cast<int16_t>(start);
    for (int head = 0; head < tail; ++head) {
      for (int step : kNeighbours) {
        const int next = queue[static_cast<size_t>(head)] + step;
        if (state_[static_cast<size_t>(next)] != kOpen) continue;
        state_[static_cast<size_t>(next)] = kReached;
        queue[static_cast<size_t>(tail++)] = static_cast<int16_t>(next);
      }
    }
  }

  std::array<uint8_t, kCells> state_{};  // the border stays blocked
};

// Step 5b: corridors between random doors may leave groups of rooms apart from each other. A
// room that cannot be walked to from the first room with doors gets a corridor from one of its
// doors to a door of a room that can, until all are joined.
void JoinRooms(Game& game, CorridorDigger& digger) {
  Level& level = game.world.level;
  constexpr int kJoinRounds = 12;
  int first = 1;
  while (first <= level.room_count && level.RoomAt(first).door_count == 0) ++first;
  if (first > level.room_count) return;
  for (int round = 0; round < kJoinRounds; ++round) {
    const WalkableFrom walkable(level, level.RoomAt(first).door_x[0],
                                level.RoomAt(first).door_y[0]);
    std::vector<int> joined;
    std::vector<int> apart;
    for (int r = 1; r <= level.room_count; ++r) {
      const Room& room = level.RoomAt(r);
      if (room.door_count == 0) continue;
      (walkable.Reached(room.door_x[0], room.door_y[0]) ? joined : apart).push_back(r);
    }
    if (apart.empty() || joined.empty()) return;
    const Room& from = level.RoomAt(apart.front());
    const Room& to =
        level.RoomAt(joined[static_cast<size_t>(RollBelow(game, static_cast<int>(joined.size())))]);
    const size_t a = static_cast<size_t>(RollBelow(game, from.door_count));
    const size_t b = static_cast<size_t>(RollBelow(game, to.door_count));
    digger.Dig(game, from.door_x[a], from.door_y[a], to.door_x[b], to.door_y[b]);
  }
}

// A random cell of a random ordinary room; rooms that no door leads into are passed over while
// there are others, so that no staircase is walled in.
CellPos RandomRoomCell(Game& game) {
  const Level& level = game.world.level;
  const int ordinary = level.room_count - level.special_room_count;
  int number = RollBelow(game, ordinary) + level.special_room_count + 1;
  for (int draw = 1; draw < kStairDraws && level.RoomAt(number).door_count == 0; ++draw) {
    number = RollBelow(game, ordinary) + level.special_room_count + 1;
  }
  const Room& room = level.RoomAt(number);
  return {RollBelow(game, room.x2 - room.x1 - 1) + room.x1 + 1,
          RollBelow(game, room.y2 - room.y1 - 1) + room.y1 + 1};
}

// Step 6: the stairs in ordinary rooms; the hero stands on the way up. The way down is drawn
// again when it falls on the way up's cell.
void PlaceStairs(Game& game) {
  Level& level = game.world.level;
  const LevelLink& up = level.links[1];
  const LevelLink& down = level.links[2];
  CellPos up_cell{-1, -1};
  if (up.Used()) {
    up_cell = RandomRoomCell(game);
    PutLink(game, up_cell.x, up_cell.y, up);
    game.world.hero.x = static_cast<int16_t>(up_cell.x);
    game.world.hero.y = static_cast<int16_t>(up_cell.y);
  }
  if (!down.Used()) return;
  CellPos cell = RandomRoomCell(game);
  for (int draw = 1; draw < kStairDraws && cell == up_cell; ++draw) cell = RandomRoomCell(game);
  PutLink(game, cell.x, cell.y, down);
}

}  // namespace

void GenerateDungeon(Game& game, const DungeonPlan& plan) {
  MaybeSpecialRoom(game, plan);
  PlaceRooms(game);
  PlaceDoors(game, plan);
  CountDoors(game.world.level);
  CorridorDigger digger(game.world.level);  // rooms stand from here on
  DigCorridors(game, digger);
  JoinRooms(game, digger);
  PlaceStairs(game);
  PopulateDungeon(game, plan.monster_base, plan.item_base, plan.lock_percent);
}

}  // namespace zaldrun
