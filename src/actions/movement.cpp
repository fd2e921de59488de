#include "actions/movement.hpp"

#include <cmath>
#include <string>

#include "combat/attack_time.hpp"
#include "combat/doors.hpp"
#include "combat/melee.hpp"
#include "combat/rooms.hpp"
#include "combat/traps.hpp"
#include "engine/message_line.hpp"
#include "engine/search.hpp"
#include "engine/skills.hpp"
#include "engine/turn.hpp"
#include "field/field.hpp"
#include "items/item_names.hpp"
#include "model/game.hpp"
#include "model/type_info.hpp"
#include "records/terrain.hpp"
#include "records/text_table.hpp"
#include "world/level_change.hpp"

namespace zaldrun {
namespace {

constexpr double kTrapAvoidChance = 0.58;
constexpr int kManyItems = 11;

bool Confused(const Game& game) { return game.view.labels.Has(Condition::kConfused); }

void DescribePlant(Game& game, MapCell& cell) {
  const int herbology =
      static_cast<int>(std::floor(game.world.hero.SkillAt(skill::kHerbology).value));
  auto& p = cell.params;
  const std::string name = ItemTypeName(game, p[0]);
  if (herbology > p[2]) {
    ShowMessage(game, "Здесь растёт какое-то растение.");
    if (herbology - p[1] + 1 >= static_cast<int>(game.random.Next() * 4)) {
      p[2] = 30;
      ShowMessage(game, "Ты определил, что это на самом деле " + name + ".");
      TrainSkill(game, skill::kHerbology, 0.75);
    } else {
      p[2] = static_cast<int16_t>(herbology);
      ShowMessage(game, "Ты не смог определить, что это такое.");
    }
  } else if (p[2] == 30) {
    ShowMessage(game, "Здесь растёт " + name + ".");
    if (p[3] <= 39)
      ShowMessage(game, "Растение полностью завяло.");
    else if (p[3] <= 100)
      ShowMessage(game, "Растение завядает.");
    else if (p[3] > 250)
      ShowMessage(game, "Растение в прекрасном состоянии.");
    else
      ShowMessage(game, "Растение в нормальном состоянии.");
  } else {
    ShowMessage(game, "Здесь растёт какое-то растение.");
  }
}

void DescribeItems(Game& game, MapCell& cell) {
  if (cell.item > kLooseItemBase && cell.item - kLooseItemBase <= kLooseItems) {
    ItemRecord& item =
        game.world.level.loose_items[static_cast<size_t>(cell.item - kLooseItemBase)];
    IdentifyOnSight(game, item);
    ShowMessage(game, "Здесь лежит " + ItemName(game, item) + ".");
  } else if (cell.item >= 1 && cell.item < kPileCount) {
    const PileRecord& pile = game.world.piles[static_cast<size_t>(cell.item)];
    ShowMessage(game, pile.count < kManyItems ? "Здесь лежат несколько вещей."
                                              : "Здесь лежит много вещей.");
  }
}

void Step(Game& game, int x, int y) {
  Hero& hero = game.world.hero;
  MapCell& target = game.world.level.Cell(x, y);
  const int left_room = game.world.level.Cell(hero.x, hero.y).room;
  if (left_room != target.room) {
    LeaveRoom(game, left_room);
    EnterRoom(game, target.room);
    if (game.GameOver()) return;
  }
  DarkenSight(game);
  PlPl(game, x, y);

  switch (target.feature) {
    case feature::kHiddenTrap:
      TrapAt(game, x, y);
      break;
    case feature::kChest:
      ShowMessage(game, "Здесь стоит сундук.");
      break;
    case feature::kPlant:
      DescribePlant(game, target);
      break;
    case feature::kEntrance:
      ShowMessage(game, FetchText(target.params[1]));
      break;
    default:
      if (target.feature >= feature::kFirstTrap && target.feature <= feature::kLastTrap) {
        if (!Confused(game) && game.random.Next() < kTrapAvoidChance) {
          ShowMessage(game, "Ты сумел пройти по ловушке, не активируя её.");
        } else {
          TrapAt(game, x, y);
        }
      }
      break;
  }
  if (game.GameOver()) return;
  // A teleport trap carries the hero off the cell he stepped on.
  if (hero.x == x && hero.y == y) DescribeItems(game, target);
  SearchAround(game, kPassivePerPoint, kPassiveBase);
  AdvanceTime(game, game.world.OnOverworld() ? kOverworldStepCost : hero.move_cost);
}

}  // namespace

void AttackSequence(Game& game, int slot) {
  if (HeroMeleeBlow(game, slot, hand::kRight) || game.GameOver()) return;
  if (HasOffHandWeapon(game)) HeroMeleeBlow(game, slot, hand::kLeft);
}

void MoveHero(Game& game, int x, int y) {
  if (!Level::Inside(x, y)) return;
  Hero& hero = game.world.hero;
  if (hero.burden == 2) {
    ShowMessage(game, "Ты перегружен и не можешь больше идти!");
    return;
  }
  MapCell& target = game.world.level.Cell(x, y);
  if (target.feature == feature::kClosedDoor) {
    if (Confused(game)) {
      ShowMessage(game, "Ты врезался в дверь.");
      AdvanceTime(game, hero.move_cost);
    } else {
      OpenDoor(game, x, y);
    }
    return;
  }
  if (target.feature == feature::kEdgeExit) {
    ShowMessage(game, "Покинуть эту локацию?", msg::kQuestion);
    if (TakeYes(game)) {
      const auto p = target.params;
      ChangeLevel(game, p[0], p[1], p[2], p[3]);
    }
    return;
  }
  if (target.monster >= 1 && target.monster <= game.world.level.monster_count) {
    const int slot = target.monster;
    MonsterRecord& monster = game.world.level.Monster(slot);
    if (monster.peaceful == 0) {
      AttackSequence(game, slot);
      return;
    }
    const std::string name = MonsterTypeName(game, monster.type, 2);
    ShowMessage(game, "Ты действительно ударишь " + name + "?", msg::kQuestion);
    // The answer is taken before the attack: the attack may end the game.
    if (TakeYes(game)) {
      monster.peaceful = 0;
      AttackSequence(game, slot);
    }
    return;
  }
  if (target.feature != feature::kSecretDoor &&
      !TerrainOf(game.world.level.Terrain(x, y)).blocks_move) {
    Step(game, x, y);
    return;
  }
  if (Confused(game)) {
    ShowMessage(game, "Ты ударился о стену.");
    AdvanceTime(game, hero.move_cost);
  } else {
    ShowMessage(game, "Ты не можешь туда идти.", msg::kNoLog);
  }
}

}  // namespace zaldrun
