#include "levelgen/treasure_rooms.hpp"

#include <array>
#include <cmath>
#include <string_view>

#include "base/numbers.hpp"
#include "creatures/monster_table.hpp"
#include "levelgen/level_tools.hpp"
#include "levelgen/populate.hpp"
#include "model/game.hpp"

namespace zaldrun {
namespace {

constexpr std::array<std::string_view, 9> kHallWithCross = {"AAAAAAAAA", "ACCCCCCCA", "ACCCCCCCA",
                                                            "ACCCBCCCA", "ACCBBBCCA", "ACCCBCCCA",
                                                            "ACCCCCCCA", "ACCCCCCCA", "AAAAAAAAA"};

constexpr std::array<std::string_view, 14> kMetalCross = {
    "AAAAABBBBBBBAAAAA", "AAAAABCCCCCBAAAAA", "AAAAABCCCCCBAAAAA", "AAAAABCCCCCBAAAAA",
    "BBBBBBCCCCCBBBBBB", "BCCCCCCCCCCCCCCCB", "BCCCCCCCCCCCCCCCB", "BCCCCCCCCCCCCCCCB",
    "BCCCCCCCCCCCCCCCB", "BBBBBBCCCCCBBBBBB", "AAAAABCCCCCBAAAAA", "AAAAABCCCCCBAAAAA",
    "AAAAABCCCCCBAAAAA", "AAAAABBBBBBBAAAAA"};

constexpr std::array<std::string_view, 14> kLakeCave = {
    "AAAAAAAAAAAAAAAAA", "ACCCCAAAAAAAAAAAA", "AACCCCCAAAAAAAAAA", "AAICCCCCCCCAAAAAA",
    "AIIHICCCCCCCAAAAA", "IIIHHCHHHCCCCCCAA", "IHHHHCHIHHHHCCCCA", "IHHHHCCHHHCCCCCCA",
    "IIHHHHCCHHHCCCCCA", "AIIHHHCCICCCCCCAA", "AAIIIICCCCCCAAAAA", "AAACCCCCCCCCCCCAA",
    "ACCCCCCCCCCCCCCAA", "AAAAAAAAAAAAAAAAA"};

template <size_t N>
void WriteTemplate(Game& game, CellPos at, const std::array<std::string_view, N>& rows) {
  for (size_t row = 0; row < N; ++row) {
    for (size_t col = 0; col < rows[row].size(); ++col) {
      const int x = at.x + static_cast<int>(col);
      const int y = at.y + static_cast<int>(row);
      if (Level::Inside(x, y)) game.world.level.SetTerrain(x, y, rows[row][col]);
    }
  }
}

void OfferDoor(Game& game, bool condition, int x, int y) {
  if (condition) AppendCell(game.world.level.door_candidates, x, y);
}

// A guard of a type from the level's list, or (deeper) of a type one level deeper; guards keep
// watch, so they are made awake.
void Guard(Game& game, int x, int y, bool deeper) {
  const int depth = deeper ? game.world.level.monster_depth + 1 : kLevelListDepth;
  const int type = PickMonsterType(game, depth);
  const int slot = type != 0 ? CreateMonster(game, x, y, type, 0, 0) : 0;
  if (slot != 0) game.world.level.Monster(slot).state = -1;
}

// A chest with gold and `items` random items of minimum level given by `min_level`.
template <typename MinLevel>
void Chest(Game& game, int x, int y, int32_t gold, int items, MinLevel min_level) {
  PutFeature(game, x, y, feature::kChest, 0, 0, 0, 0);
  PlaceGold(game, x, y, gold, true);
  for (int i = 0; i < items; ++i) PutRandomItem(game, x, y, min_level(), 50, 0, 100000, true);
}

}  // namespace

CellPos FindRoomPlace(Game& game, int w, int h) {
  const int x = RollBelow(game, kMapWidth - w);
  const int y = RollBelow(game, kMapHeight - h);
  if (!RoomAreaFree(game.world.level, x + 1, x + w - 1, y + 1, y + h - 1)) return {-1, -1};
  RegisterRoom(game, x, y, x + w - 1, y + h - 1, 0);
  return {x, y};
}

void SpecRoom1(Game& game) {
  game.world.level.door_candidates.clear();
  const CellPos at = FindRoomPlace(game, 9, 9);
  if (at.x < 0 || at.y < 0) return;
  const int x = at.x;
  const int y = at.y;
  WriteTemplate(game, at, kHallWithCross);
  OfferDoor(game, x > 1, x, y + 4);
  OfferDoor(game, x + 8 < 78, x + 8, y + 4);
  OfferDoor(game, y > 1, x + 4, y);
  OfferDoor(game, y + 8 < 38, x + 4, y + 8);
  const CellPos corners[] = {{x + 2, y + 2}, {x + 2, y + 6}, {x + 6, y + 2}, {x + 6, y + 6}};
  for (const CellPos& cell : corners) Guard(game, cell.x, cell.y, false);
  for (const CellPos& cell : corners) {
    PlaceGold(game, cell.x, cell.y, GoldAmount(game, 12, 70, 7), false);
  }
}

void SpecRoom2(Game& game) {
  game.world.level.door_candidates.clear();
  const CellPos at = FindRoomPlace(game, 17, 14);
  if (at.x < 0 || at.y < 0) return;
  const int x = at.x;
  const int y = at.y;
  WriteTemplate(game, at, kMetalCross);
  OfferDoor(game, x > 1, x, y + 6);
  OfferDoor(game, x + 16 < 78, x + 16, y + 7);
  OfferDoor(game, y > 1, x + 8, y);
  OfferDoor(game, y < 25, x + 8, y + 13);
  Guard(game, x + 8, y + 6, true);
  const CellPos guards[] = {{x + 3, y + 7}, {x + 14, y + 6}, {x + 8, y + 2}, {x + 8, y + 11}};
  for (const CellPos& cell : guards) Guard(game, cell.x, cell.y, false);
  const int32_t gold = GoldAmount(game, 24, 170, 40);
  const int items = static_cast<int>(RoundHalfEven(game.random.Next() * 4.0));
  Chest(game, x + 8, y + 6, gold, items, [&] { return RollBelow(game, 2) + 2; });
}

void SpecRoom3(Game& game) {
  game.world.level.door_candidates.clear();
  const CellPos at = FindRoomPlace(game, 17, 14);
  if (at.x < 0 || at.y < 0) return;
  const int x = at.x;
  const int y = at.y;
  WriteTemplate(game, at, kLakeCave);
  OfferDoor(game, x > 1, x, y + 12);
  OfferDoor(game, x + 16 < 78, x + 16, y + 7);
  OfferDoor(game, y > 1, x + 3, y);
  OfferDoor(game, y < 25, x + 13, y + 13);
  Guard(game, x + 5, y + 7, true);
  const CellPos guards[] = {{x + 4, y + 2}, {x + 13, y + 7}, {x + 9, y + 11}};
  for (const CellPos& cell : guards) Guard(game, cell.x, cell.y, false);
  const int32_t gold = GoldAmount(game, 15, 100, 20);
  const int items = RollBelow(game, 3) + 2;
  Chest(game, x + 5, y + 7, gold, items, [] { return 2; });
}

}  // namespace zaldrun
