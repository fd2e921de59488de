// Kicking doors, door traps, items, trees and walls.
#include "combat/kicks.hpp"

#include <algorithm>
#include <string>

#include "combat/doors.hpp"
#include "combat/hit_rolls.hpp"
#include "combat/melee.hpp"
#include "combat/missiles.hpp"
#include "combat/traps.hpp"
#include "engine/condition.hpp"
#include "engine/message_line.hpp"
#include "engine/turn.hpp"
#include "field/field.hpp"
#include "field/free_cells.hpp"
#include "items/item_names.hpp"
#include "items/piles.hpp"
#include "model/game.hpp"
#include "records/game_enums.hpp"
#include "records/terrain.hpp"

namespace zaldrun {
namespace {

constexpr uint8_t kExplodingDoor = 6;
constexpr uint8_t kElectrocuted = 7;
constexpr int kExplosionSize = 5;
constexpr int kFlightCells = 2;
constexpr char kTree = 'E';

void Rocks(Game& game, int x, int y) {
  if (!Level::Inside(x, y) || TerrainOf(game.world.level.Terrain(x, y)).blocks_move) return;
  RockFall(game, x, y, 1 + static_cast<int>(game.random.Next() * 2));
}

void SpringDoorTrap(Game& game, MapCell& cell, int x, int y) {
  Hero& hero = game.world.hero;
  const int kind = cell.params[1];
  cell.params[1] = 0;
  ShowMessage(game, "Своим пинком ты активизировал ловушку!");
  if (static_cast<int>(game.random.Next() * 30) <= hero.fortune + hero.fortune_bonus) {
    ShowMessage(game, "Но, к счастью, ловушка не сработала.");
    return;
  }
  switch (kind) {
    case door_trap::kRocks: {
      // Along the hero's row and column: his own cell once, and its four neighbours.
      const int hx = hero.x;
      const int hy = hero.y;
      for (const auto& [cx, cy] : {std::pair{hx, hy}, std::pair{hx - 1, hy}, std::pair{hx + 1, hy},
                                   std::pair{hx, hy - 1}, std::pair{hx, hy + 1}}) {
        if (game.GameOver()) return;
        Rocks(game, cx, cy);
      }
      break;
    }
    case door_trap::kExplosion:
      game.control.end_reason = kExplodingDoor;
      ShowMessage(game, "Дверь внезапно взрывается!");
      cell.feature = 0;
      DarkenSight(game);
      Renew(game, x, y);
      FlameBurst(game, x, y, 25, 40, kExplosionSize, true);
      break;
    case door_trap::kShock: {
      game.control.end_reason = kElectrocuted;
      ShowMessage(game, "Тебя ударило током.");
      const int damage =
          hit_rolls::Roll(game, 4, 37, hit_rolls::HeroProtection(hero, damage_kind::kElectricity));
      ChangeHP(game, -std::max(0, damage));
      break;
    }
    default:
      ShowMessage(game, "Но, к счастью, ловушка не сработала.");
      break;
  }
}

// The top stack on the cell: the floor stack, or the first stack of the heap.
struct TopStack {
  ItemRecord item;
  int place = 0;
  int category = 0;
};

bool FindTopStack(const Game& game, const MapCell& cell, TopStack& top) {
  if (cell.item > kLooseItemBase && cell.item - kLooseItemBase <= kLooseItems) {
    top.item = game.world.level.loose_items[static_cast<size_t>(cell.item - kLooseItemBase)];
    top.place = cell.item;
    return top.item.count > 0;
  }
  if (cell.item < 1 || cell.item >= kPileCount) return false;
  const PileRecord& pile = game.world.piles[static_cast<size_t>(cell.item)];
  for (int group = 0; group < kPileGroups; ++group) {
    if (pile.GroupCount(group) == 0) continue;
    top.item = pile.groups[static_cast<size_t>(group)].front();
    top.place = cell.item;
    top.category = group;
    return true;
  }
  return false;
}

void KickItems(Game& game, const TopStack& top, int x, int y) {
  const int tx = x + kFlightCells * (x - game.world.hero.x);
  const int ty = y + kFlightCells * (y - game.world.hero.y);
  if (!CellIsFree(game, tx, ty, false) || !PlaceItem(game, tx, ty, top.item, false)) {
    ShowMessage(game, "Ай! Больно!");
    return;
  }
  RemoveFromPlace(game, top.place, top.category, 1, top.item.count);
  ShowMessage(game, ItemName(game, top.item) + " отлетает в сторону.");
  PlaceShadow(game, x, y);
  Renew(game, x, y);
  Renew(game, tx, ty);
}

}  // namespace

void KickAt(Game& game, int x, int y) {
  if (!Level::Inside(x, y)) {
    ShowMessage(game, "Ай! Больно!");
    AdvanceTime(game, game.world.hero.action_cost);
    return;
  }
  MapCell& cell = game.world.level.Cell(x, y);
  if (cell.monster >= 1 && cell.monster <= game.world.level.monster_count) {
    HeroMeleeBlow(game, cell.monster, hand::kRight);
    return;
  }
  const char letter = game.world.level.Terrain(x, y);
  TopStack top;
  if (cell.feature == feature::kClosedDoor) {
    if (cell.params[1] != 0) {
      SpringDoorTrap(game, cell, x, y);
    } else {
      ShowMessage(game, "Ты выбил дверь.");
      cell.feature = 0;
      DarkenSight(game);
      Renew(game, x, y);
    }
  } else if (letter == kTree) {
    ShowMessage(game, "Ты пнул дерево, но оно почему-то не рухнуло.");
  } else if (TerrainOf(letter).blocks_move || cell.feature == feature::kSecretDoor) {
    ShowMessage(game, "Ай! Больно!");
  } else if (FindTopStack(game, cell, top)) {
    KickItems(game, top, x, y);
  } else {
    ShowMessage(game, "Ты пнул воздух.");
  }
  if (!game.GameOver()) AdvanceTime(game, game.world.hero.action_cost);
}

}  // namespace zaldrun
