// Traps springing under the hero and under monsters, and falling rocks.
#include "combat/traps.hpp"

#include <algorithm>
#include <cmath>
#include <string>
#include <string_view>

#include "combat/doors.hpp"
#include "combat/hit_rolls.hpp"
#include "combat/missiles.hpp"
#include "combat/monster_damage.hpp"
#include "combat/rooms.hpp"
#include "engine/condition.hpp"
#include "engine/message_line.hpp"
#include "engine/monsters_on_level.hpp"
#include "engine/skills.hpp"
#include "field/field.hpp"
#include "field/free_cells.hpp"
#include "field/sight.hpp"
#include "model/game.hpp"
#include "model/monster_types.hpp"
#include "model/type_info.hpp"
#include "records/game_enums.hpp"
#include "records/hero_tables.hpp"
#include "records/terrain.hpp"

namespace zaldrun {
namespace {

using hit_rolls::HeroProtection;
using hit_rolls::Roll;

// End reasons of the traps, as the character record tells them.
constexpr uint8_t kCrushedByRock = 5;
constexpr uint8_t kBurnt = 11;
constexpr uint8_t kRaked = 12;
constexpr uint8_t kShotByDart = 13;
constexpr uint8_t kSpeared = 14;
// The poisoner recorded for a gas trap.
constexpr int16_t kGasPoisoner = -5;
constexpr int kFireColumnSize = 3;
constexpr int kNameForm = 1;
constexpr int kObjectForm = 2;
constexpr int kInstrumentalForm = 4;

void SetEndReason(Game& game, uint8_t reason) { game.control.end_reason = reason; }

void LoseHP(Game& game, int damage) { ChangeHP(game, -std::max(0, damage)); }

int Fortune(const Hero& hero) { return hero.fortune + hero.fortune_bonus; }

// The hero jumps aside from a trap: fortune, dexterity and perception against the draw.
bool HeroJumpsAside(Game& game) {
  const Hero& hero = game.world.hero;
  const double chance = (2.0 * Fortune(hero) + hero.Current(attribute::kDexterity) +
                         hero.Current(attribute::kPerception)) /
                        250.0;
  return chance > game.random.Next();
}

int MonsterResistance(Game& game, int slot, int kind) {
  if (!LoadMonsterType(game, game.world.level.Monster(slot).type)) return 0;
  return game.data.monsters.current.Resistance(kind);
}

std::string MonsterName(const Game& game, int slot, int form) {
  return MonsterTypeName(game, game.world.level.Monster(slot).type, form);
}

bool InSight(Game& game, int x, int y) {
  const Hero& hero = game.world.hero;
  return SeePlayer(game, hero.x, hero.y, x, y, hero.sight_radius);
}

// Rocks fall on the trap's cell and its two neighbours along a row or a column.
void RocksAlong(Game& game, int x, int y, int dx, int dy) {
  for (int i = -1; i <= 1 && !game.GameOver(); ++i) {
    const int cx = x + i * dx;
    const int cy = y + i * dy;
    if (!Level::Inside(cx, cy) || TerrainOf(game.world.level.Terrain(cx, cy)).blocks_move) continue;
    RockFall(game, cx, cy, 1 + static_cast<int>(game.random.Next() * 2));
  }
}

// A rock trap drops its rocks along its row or its column, whoever set it off.
void RocksFor(Game& game, int x, int y, int kind) {
  const bool row = kind == trap_kind::kRocksRow;
  RocksAlong(game, x, y, row ? 1 : 0, row ? 0 : 1);
}

void DartAtHero(Game& game) {
  Hero& hero = game.world.hero;
  SetEndReason(game, kShotByDart);
  if ((Fortune(hero) + 5) / 60.0 > game.random.Next()) {
    ShowMessage(game, "Мимо тебя пролетает дротик.");
  } else if (hit_rolls::HeroDefence(hero) / 80.0 > game.random.Next()) {
    ShowMessage(game, "Ты увернулся от летящего в тебя дротика.");
    TrainSkill(game, skill::kDodging, 0.3);
  } else if ((40 - Fortune(hero)) / 100.0 > game.random.Next()) {
    const int damage = Roll(game, 6, 14, 0);
    ShowMessage(game,
                "В тебя попал дротик и пробил сквозь броню! (" + std::to_string(damage) + ")");
    LoseHP(game, damage);
  } else {
    const int damage = Roll(game, 6, 14, HeroProtection(hero, damage_kind::kPhysical2));
    if (damage < 1) {
      ShowMessage(game, "В тебя попал дротик, но отскочил от брони.");
    } else {
      ShowMessage(game, "В тебя попал дротик! (" + std::to_string(damage) + ")");
      LoseHP(game, damage);
    }
  }
}

void GasAtHero(Game& game) {
  Hero& hero = game.world.hero;
  if (HeroJumpsAside(game)) {
    ShowMessage(game, "Ты успел отскочить, как в воздухе появилось облако яда!");
    return;
  }
  ShowMessage(game, "Около тебя появляется облако яда!");
  if (hero.poison_resistance > 19) {
    ShowMessage(game, "Яд не причинил тебе вреда.");
    return;
  }
  const double level = game.random.Next() * 28 + hero.poison + 18 - hero.poison_resistance;
  hero.poison = static_cast<int16_t>(std::clamp(hit_rolls::Rounded(level), 0, 32767));
  ShowMessage(game, "Ты отравлен!");
  game.view.labels.Set(Condition::kPoisoned, hero.poison > 0);
  game.control.poisoner_type = kGasPoisoner;
}

void TrapUnderHero(Game& game, int x, int y, int kind) {
  Hero& hero = game.world.hero;
  switch (kind) {
    case trap_kind::kFire:
      SetEndReason(game, kBurnt);
      ShowMessage(game, "Внезапно на полу под твоими ногами вспыхивает огонь!");
      if (HeroJumpsAside(game)) {
        ShowMessage(game, "Ты вовремя успел отскочить!");
      } else {
        const int damage = Roll(game, 7, 17, HeroProtection(hero, damage_kind::kFire));
        if (damage < 1) {
          ShowMessage(game, "Но пламя не причинило тебе никакого вреда.");
        } else {
          ShowMessage(game, "Тебя обожгло пламя! (" + std::to_string(damage) + ")");
          LoseHP(game, damage);
        }
      }
      break;
    case trap_kind::kFireColumn:
      SetEndReason(game, kBurnt);
      ShowMessage(game, "Из под земли вырывается столб пламени!");
      FlameBurst(game, x, y, 25, 40, kFireColumnSize, true);
      break;
    case trap_kind::kRocksRow:
    case trap_kind::kRocksColumn:
      RocksFor(game, x, y, kind);
      break;
    case trap_kind::kTeleport: {
      int16_t tx = 0;
      int16_t ty = 0;
      if (RandomFreeCell(game, tx, ty, false)) {
        ShowMessage(game, "Внезапно ты переносишься в другое место!");
        TeleportHero(game, tx, ty);
      }
      break;
    }
    case trap_kind::kDart:
      DartAtHero(game);
      break;
    case trap_kind::kSpears:
      SetEndReason(game, kSpeared);
      if (HeroJumpsAside(game)) {
        ShowMessage(game, "Ты успел отскочить, как из пола велезли копья!");
      } else {
        ShowMessage(game, "Из пола с лязгом вылезают копья и протыкают тебя!");
        const int damage = Roll(game, 29, 54, HeroProtection(hero, damage_kind::kPhysical2));
        if (damage < 1) ShowMessage(game, "К счастью, твоя броня оказалась крепка.");
        LoseHP(game, damage);
      }
      break;
    case trap_kind::kPoisonGas:
      GasAtHero(game);
      break;
    case trap_kind::kRake:
      SetEndReason(game, kRaked);
      if (HeroJumpsAside(game)) {
        ShowMessage(game, "Ты вовремя заметил грабли под ногами и перешагнул их.");
      } else {
        const int damage = Roll(game, 4, 12, HeroProtection(hero, damage_kind::kPhysical3));
        ShowMessage(
            game, "Ты наступил на грабли и получил удар по лбу! (" + std::to_string(damage) + ")");
        LoseHP(game, damage);
      }
      break;
    default:
      ShowMessage(game, "Ловушка щёлкнула, но ничего не произошло.");
      break;
  }
}

void HurtMonster(Game& game, int slot, int low, int high, int kind) {
  DamageMonster(game, slot, Roll(game, low, high, MonsterResistance(game, slot, kind)), true,
                false);
}

// What the hero sees of a trap under a monster, or else what he hears or smells of it; nothing
// when there is nothing to say.
void Tell(Game& game, bool seen, const std::string& sight, std::string_view unseen = {}) {
  if (seen) {
    ShowMessage(game, sight);
  } else if (!unseen.empty()) {
    ShowMessage(game, std::string(unseen));
  }
}

void TrapUnderMonster(Game& game, int slot, int x, int y, int kind) {
  const std::string name = MonsterName(game, slot, kNameForm);
  const bool seen = InSight(game, x, y);
  switch (kind) {
    case trap_kind::kFire:
      Tell(game, seen, "Под " + MonsterName(game, slot, kInstrumentalForm) + " вспыхивает пламя!",
           "Ты слышишь треск пламени и чей-то вопль.");
      HurtMonster(game, slot, 15, 26, damage_kind::kFire);
      break;
    case trap_kind::kFireColumn:
      Tell(game, seen,
           "Под " + MonsterName(game, slot, kInstrumentalForm) + " появляются языки пламени.",
           "Ты чувствуешь запах горелой плоти.");
      Tell(game, seen, "Через пару секунд из под земли вырывается столб огня!");
      FlameBurst(game, x, y, 25, 40, kFireColumnSize, false);
      break;
    case trap_kind::kRocksRow:
    case trap_kind::kRocksColumn:
      RocksFor(game, x, y, kind);
      break;
    case trap_kind::kTeleport: {
      int16_t tx = 0;
      int16_t ty = 0;
      if (RandomFreeCell(game, tx, ty, false)) {
        Tell(game, seen, name + " внезапно исчезает.");
        // A plain move: the creature lands, it does not step, so no trap there springs.
        MoveMonster(game, slot, tx, ty);
        if (InSight(game, tx, ty)) ShowMessage(game, "Вдруг из ниоткуда появляется " + name + "!");
      }
      break;
    }
    case trap_kind::kDart:
      if (game.world.level.Monster(slot).defence / 80.0 > game.random.Next()) {
        Tell(game, seen, name + " уворачивается от летящего дротика.");
      } else {
        Tell(game, seen, "В " + MonsterName(game, slot, kObjectForm) + " попадает дротик!");
        HurtMonster(game, slot, 11, 22, damage_kind::kPhysical2);
      }
      break;
    case trap_kind::kSpears:
      Tell(game, seen,
           "Из пола с лязгом вылезают копья и протыкают " + MonsterName(game, slot, kObjectForm) +
               "!",
           "Ты слышишь лязг металла и чей-то вопль.");
      HurtMonster(game, slot, 29, 54, damage_kind::kPhysical2);
      break;
    case trap_kind::kPoisonGas:
      Tell(game, seen, name + " окружает облако яда!", "Ты слышишь шипение газа.");
      HurtMonster(game, slot, 5, 15, damage_kind::kAcid);
      break;
    case trap_kind::kRake:
      Tell(game, seen, name + " наступает на грабли и получает удар по морде!");
      HurtMonster(game, slot, 4, 12, damage_kind::kPhysical3);
      break;
    default:
      break;
  }
}

}  // namespace

void TrapAt(Game& game, int x, int y) {
  if (!Level::Inside(x, y) || game.GameOver()) return;
  Level& level = game.world.level;
  const MapCell& cell = level.Cell(x, y);
  const int kind = cell.params[0];
  const Hero& hero = game.world.hero;
  if (hero.x == x && hero.y == y) {
    TrapUnderHero(game, x, y, kind);
    return;
  }
  const int slot = cell.monster;
  if (slot < 1 || slot > level.monster_count) return;
  if ((MonsterFlags(game, level.Monster(slot).type) & monster_flag::kAvoidsTraps) != 0) return;
  TrapUnderMonster(game, slot, x, y, kind);
}

void RockFall(Game& game, int x, int y, int size) {
  if (!Level::Inside(x, y) || game.GameOver()) return;
  const std::string object = size == 1 ? "булыжник" : "тяжёлый кирпич";
  Hero& hero = game.world.hero;
  if (hero.x == x && hero.y == y) {
    SetEndReason(game, kCrushedByRock);
    ShowMessage(game, "Тебе на голову упал " + object + "!", msg::kAcknowledge);
    if (HeroJumpsAside(game)) {
      ShowMessage(game, "Ты чудом сумел увернуться.");
    } else {
      LoseHP(game, Roll(game, 12 * size - 3, 24 * size - 7,
                        HeroProtection(hero, damage_kind::kPhysical3)));
    }
    return;
  }
  const int slot = game.world.level.Cell(x, y).monster;
  if (slot < 1 || slot > game.world.level.monster_count) return;
  if (InSight(game, x, y)) {
    ShowMessage(game, "На " + MonsterName(game, slot, kObjectForm) + " падает " + object + "!");
  } else {
    ShowMessage(game, "Ты слышишь стук падающего камня.");
  }
  HurtMonster(game, slot, 13 * size + 2, 26 * size + 2, damage_kind::kPhysical3);
}

void StepMonster(Game& game, int slot, int x, int y) {
  Level& level = game.world.level;
  if (slot < 1 || slot > level.monster_count || !Level::Inside(x, y)) return;
  if (level.Cell(x, y).monster != 0) return;
  MoveMonster(game, slot, x, y);
  const int feature = level.Cell(x, y).feature;
  const bool trap = feature == feature::kHiddenTrap ||
                    (feature >= feature::kFirstTrap && feature <= feature::kLastTrap);
  if (trap) TrapAt(game, x, y);
}

}  // namespace zaldrun
