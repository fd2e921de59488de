#include "levelgen/level_tools.hpp"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <memory>

#include "field/field.hpp"
#include "model/game.hpp"

namespace zaldrun {
namespace {

// The inner area that rooms, marks and paths keep to: the border stays untouched.
constexpr int kInnerLeft = 1;
constexpr int kInnerRight = kMapWidth - 2;  // 78
constexpr int kInnerTop = 1;
constexpr int kInnerBottom = kMapHeight - 2;  // 38

// Makes a record anew in place: assigning a new one would build it and then copy or move it over.
template <typename T>
void MakeAnew(T& record) {
  std::destroy_at(&record);
  std::construct_at(&record);
}

}  // namespace

int RollBelow(Game& game, int n) {
  if (n <= 0) return 0;
  const int value = static_cast<int>(std::floor(game.random.Next() * static_cast<float>(n)));
  return std::min(value, n - 1);
}

void ResetLevel(Game& game, char letter) {
  Level& level = game.world.level;
  MakeAnew(level);
  for (auto& row : level.terrain) row.fill(letter);
  for (int pile = 1; pile < kPileCount; ++pile) MakeAnew(game.world.piles[static_cast<size_t>(pile)]);
  for (MapCell& cell : level.cells) cell.remembered_glyph = ' ';
  Clear(game);
}

int RegisterRoom(Game& game, int x1, int y1, int x2, int y2, int kind) {
  Level& level = game.world.level;
  int number = 0;
  for (int r = 1; r <= kMaxRooms; ++r) {
    if (level.RoomAt(r).used == 0) {
      number = r;
      break;
    }
  }
  if (number == 0) return 0;
  Room& room = level.RoomAt(number);
  room = Room{};
  room.used = 1;
  room.x1 = static_cast<uint8_t>(std::clamp(x1, 0, kMapWidth - 1));
  room.y1 = static_cast<uint8_t>(std::clamp(y1, 0, kMapHeight - 1));
  room.x2 = static_cast<uint8_t>(std::clamp(x2, 0, kMapWidth - 1));
  room.y2 = static_cast<uint8_t>(std::clamp(y2, 0, kMapHeight - 1));
  room.kind = static_cast<int16_t>(kind);
  ++level.room_count;
  for (int y = std::max(y1, kInnerTop); y <= std::min(y2, kInnerBottom); ++y) {
    for (int x = std::max(x1, kInnerLeft); x <= std::min(x2, kInnerRight); ++x) {
      level.Cell(x, y).room = static_cast<uint8_t>(number);
    }
  }
  return number;
}

bool RoomAreaFree(const Level& level, int x1, int x2, int y1, int y2) {
  if (x1 - 1 < 0 || y1 - 1 < 0 || x2 + 1 > kInnerRight || y2 + 1 > kInnerBottom) return false;
  for (int y = y1 - 1; y <= y2 + 1; ++y) {
    for (int x = x1 - 1; x <= x2 + 1; ++x) {
      if (level.Cell(x, y).room != 0) return false;
    }
  }
  return true;
}

void CarveRoom(Game& game, int x1, int y1, int x2, int y2, char letter) {
  if (x1 > x2) std::swap(x1, x2);
  if (y1 > y2) std::swap(y1, y2);
  for (int y = std::max(y1, kInnerTop); y <= std::min(y2, kInnerBottom); ++y) {
    for (int x = std::max(x1, kInnerLeft); x <= std::min(x2, kInnerRight); ++x) {
      game.world.level.SetTerrain(x, y, letter);
    }
  }
  RegisterRoom(game, x1 - 1, y1 - 1, x2 + 1, y2 + 1, 0);
}

void ScatterTerrain(Game& game, char a, char b, double p) {
  for (int y = 0; y < kMapHeight; ++y) {
    for (int x = 0; x < kMapWidth; ++x) {
      game.world.level.SetTerrain(x, y, game.random.Next() < p ? b : a);
    }
  }
}

void FillUnmarked(Game& game, char letter) {
  Level& level = game.world.level;
  for (int y = 0; y < kMapHeight; ++y) {
    for (int x = 0; x < kMapWidth; ++x) {
      if (level.Cell(x, y).room == 0) level.SetTerrain(x, y, letter);
    }
  }
}

CellPos RandomWalk(Game& game, int x, int y, int steps, char letter) {
  Level& level = game.world.level;
  if (Level::Inside(x, y)) level.SetTerrain(x, y, letter);
  // Moves west, east, north, south; a move that repeats the last is likely, a reversal rare.
  constexpr int kDx[4] = {-1, 1, 0, 0};
  constexpr int kDy[4] = {0, 0, -1, 1};
  constexpr int kReverse[4] = {1, 0, 3, 2};
  int last = -1;
  for (int step = 0; step < steps; ++step) {
    const bool allowed[4] = {
        y > 0 && y < kMapHeight - 1 && x > 1,
        y > 0 && y < kMapHeight - 1 && x<kInnerRight, x> 0 && x < kMapWidth - 1 && y > 1,
        x > 0 && x < kMapWidth - 1 && y < kInnerBottom};
    int weights[4] = {};
    int total = 0;
    for (int d = 0; d < 4; ++d) {
      if (!allowed[d]) continue;
      weights[d] = last < 0 ? 30 : d == last ? 200 : d == kReverse[last] ? 15 : 30;
      total += weights[d];
    }
    if (total == 0) break;  // a cell on the border: nowhere to go
    int t = RollBelow(game, total) + 1;
    int move = 0;
    for (; move < 4; ++move) {
      t -= weights[move];
      if (t <= 0) break;
    }
    x += kDx[move];
    y += kDy[move];
    last = move;
    level.SetTerrain(x, y, letter);
  }
  return {x, y};
}

void SetEdgeExits(Game& game, int place, int level, int x, int y) {
  auto exit = [&](int cx, int cy) {
    PutFeature(game, cx, cy, feature::kEdgeExit, place, level, x, y);
  };
  for (int cx = 0; cx < kMapWidth; ++cx) {
    exit(cx, 0);
    exit(cx, kMapHeight - 1);
  }
  for (int cy = 1; cy < kMapHeight - 1; ++cy) {
    exit(0, cy);
    exit(kMapWidth - 1, cy);
  }
}

CellPos RandomEdgeCell(Game& game) {
  CellPos cell{RollBelow(game, 76) + 2, RollBelow(game, 36) + 2};
  if (game.random.Next() >= 0.5f) {
    cell.x = game.random.Next() < 0.5f ? 0 : kMapWidth - 1;
  } else {
    cell.y = game.random.Next() < 0.5f ? 0 : kMapHeight - 1;
  }
  return cell;
}

void SetLink(Game& game, int number, int feature, int place, int level, int x, int y) {
  LevelLink& link = game.world.level.links[static_cast<size_t>(number)];
  link.feature = static_cast<int16_t>(feature);
  link.place = static_cast<uint8_t>(place);
  link.level = static_cast<int16_t>(level);
  link.x = static_cast<uint8_t>(x);
  link.y = static_cast<uint8_t>(y);
}

void PutLink(Game& game, int x, int y, const LevelLink& link) {
  PutFeature(game, x, y, link.feature, link.place, link.level, link.x, link.y);
}

void PutFeature(Game& game, int x, int y, int feature, int p1, int p2, int p3, int p4) {
  if (!Level::Inside(x, y)) return;
  MapCell& cell = game.world.level.Cell(x, y);
  cell.feature = static_cast<int16_t>(feature);
  cell.params = {static_cast<int16_t>(p1), static_cast<int16_t>(p2), static_cast<int16_t>(p3),
                 static_cast<int16_t>(p4)};
}

void PutDoor(Game& game, int x, int y, bool secret, bool locked, int trap, char floor, char wall) {
  if (!Level::Inside(x, y)) return;
  game.world.level.SetTerrain(x, y, secret ? wall : floor);
  PutFeature(game, x, y, secret ? feature::kSecretDoor : feature::kClosedDoor, locked ? 1 : 0, trap,
             0, 0);
}

void AppendCell(std::string& list, int x, int y) {
  char text[8];
  std::snprintf(text, sizeof text, "%02d%02d", std::clamp(x, 0, 99), std::clamp(y, 0, 99));
  list += text;
}

std::vector<CellPos> ParseCells(std::string_view list) {
  std::vector<CellPos> cells;
  auto digit = [](char c) { return c >= '0' && c <= '9' ? c - '0' : 0; };
  for (size_t i = 0; i + 4 <= list.size(); i += 4) {
    cells.push_back(
        {digit(list[i]) * 10 + digit(list[i + 1]), digit(list[i + 2]) * 10 + digit(list[i + 3])});
  }
  return cells;
}

bool LoadPlaceMap(Game& game, int map) {
  if (!game.data.places.HasMap(map)) return false;
  for (int y = 0; y < kMapHeight; ++y) {
    const std::string_view row = game.data.places.MapRow(map, y);
    std::copy(row.begin(), row.end(), game.world.level.terrain[static_cast<size_t>(y)].begin());
  }
  return true;
}

}  // namespace zaldrun
