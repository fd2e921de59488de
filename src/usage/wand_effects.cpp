// The effect handlers of wands: balls flying toward the cell chosen with the cursor, bolts along a
// direction, the fire column, opening, paralysis and slowing.
#include <algorithm>
#include <string>
#include <vector>

#include "combat/missile_flight.hpp"
#include "combat/missiles.hpp"
#include "combat/monster_damage.hpp"
#include "creatures/monster_table.hpp"
#include "engine/condition.hpp"
#include "engine/message_line.hpp"
#include "model/monster_types.hpp"
#include "model/world_ops.hpp"
#include "records/text_table.hpp"
#include "usage/effect_handlers.hpp"
#include "usage/effect_support.hpp"

namespace zaldrun {
namespace {

constexpr const char* kNotAtYourself = "Ты так и не смог нацелить жезл на себя.";
constexpr const char* kFlash = "Жезл на мгновение вспыхивает.";
constexpr int kLivingDoor = 18;  // the monster a cursed wand of opening wakes in a door
constexpr int kSlowing = 30;

bool AtHero(const Game& game, int x, int y) {
  return x == game.world.hero.x && y == game.world.hero.y;
}

// The monster slot on the cell chosen with the cursor; 0 when none.
int TargetSlot(const Game& game) {
  const int x = game.control.target_x;
  const int y = game.control.target_y;
  if (!Level::Inside(x, y)) return 0;
  const int slot = game.world.level.Cell(x, y).monster;
  return slot >= 1 && slot <= game.world.level.monster_count ? slot : 0;
}

// A ball flies from the hero toward the cell chosen with the cursor, drawn as a star of its
// element's colour; it stops at the first wall or creature on its way. The monster slot where it
// stops, or 0.
int FlyBall(Game& game, int kind) {
  const Hero& hero = game.world.hero;
  const auto [x, y] =
      MissileLanding(game, hero.x, hero.y, game.control.target_x, game.control.target_y);
  FlyObject(game, hero.x, hero.y, x, y, '*', FetchNumber(text_ids::kElementColourBase + kind));
  if (!Level::Inside(x, y)) return 0;
  const int slot = game.world.level.Cell(x, y).monster;
  return slot >= 1 && slot <= game.world.level.monster_count ? slot : 0;
}

// Damage of `kind` rolled in low..high, less the monster's protection against it.
void Strike(Game& game, int slot, int low, int high, int kind) {
  LoadMonsterType(game, game.world.level.Monster(slot).type);
  const int protection = game.data.monsters.current.Resistance(kind);
  DamageMonster(game, slot, std::max(0, RollRange(game, low, high) - protection), true, true);
}

// A ball to the cell chosen with the cursor.
void Ball(Game& game, const char* hits, const char* fades, int low, int high, int kind) {
  if (AtHero(game, game.control.target_x, game.control.target_y)) {
    ShowMessage(game, kNotAtYourself);
    return;
  }
  LearnCurrentType(game);
  const int slot = FlyBall(game, kind);
  if (slot == 0) {
    ShowMessage(game, fades);
    return;
  }
  ShowMessage(game, hits + MonsterObjectName(game, slot) + ".");
  Strike(game, slot, low, high, kind);
}

// A bolt from the hero along the direction given, Int(Rnd × 3) + 3 cells long.
void HeroBolt(Game& game, const EffectAim& aim, const char* message, int low, int high, int kind) {
  const Hero& hero = game.world.hero;
  if (aim.kind != EffectAim::Kind::kDirection || (aim.x == 0 && aim.y == 0)) {
    ShowMessage(game, kNotAtYourself);
    TakeActionTime(game);
    return;
  }
  LearnCurrentType(game);
  ShowMessage(game, message);
  Bolt(game, hero.x, hero.y, aim.x, aim.y, RndInt(game, 3) + 3, low, high, kind, true);
  if (!game.GameOver()) TakeActionTime(game);
}

}  // namespace

void wMagicBite(Game& game, const EffectAim&) {
  Ball(game, "Магический сгусток попадает в ", "Магический пучок растаял в воздухе.",
       ByGrade(game, 8, 14, 25), ByGrade(game, 16, 30, 40), damage_kind::kMagic);
}

void wLBall(Game& game, const EffectAim&) {
  Ball(game, "Шаровая молния попадает в ", "Шаровая молния исчезла в воздухе.",
       ByGrade(game, 13, 18, 31), ByGrade(game, 46, 69, 107), damage_kind::kElectricity);
}

void wBreath(Game& game, const EffectAim& aim) {
  HeroBolt(game, aim, "Жезл извергает струю пламени!", ByGrade(game, 21, 29, 47),
           ByGrade(game, 35, 51, 85), damage_kind::kFire);
}

void wAcidS(Game& game, const EffectAim& aim) {
  HeroBolt(game, aim, "Жезл извергает струю кислоты!", ByGrade(game, 24, 33, 54),
           ByGrade(game, 36, 52, 90), damage_kind::kAcid);
}

void wOpen(Game& game, const EffectAim&) {
  const int x = game.control.target_x;
  const int y = game.control.target_y;
  if (!Level::Inside(x, y) || game.world.level.Cell(x, y).feature != feature::kClosedDoor) {
    ShowMessage(game, kNothingHappens);
    return;
  }
  MapCell& cell = game.world.level.Cell(x, y);
  if (CurrentGrade(game) != Grade::kCursed) {
    cell.feature = feature::kOpenDoor;
    cell.params[0] = 0;  // the lock is broken: closed again, the door still opens
    ShowMessage(game, "Дверь открывается под действитем неизвестной силы.");
    LearnCurrentType(game);
  } else {
    cell.feature = feature::kNone;
    ShowMessage(game, "Дверь внезапно оживает!", msg::kAcknowledge);
    CreateMonster(game, x, y, kLivingDoor, 0, 0);
  }
}

// A column of fire on the target cell and the eight around it.
void wInferno(Game& game, const EffectAim&) {
  const int cx = game.control.target_x;
  const int cy = game.control.target_y;
  ShowMessage(game, "Внезапно из земли поднимается столб пламени!");
  LearnCurrentType(game);
  const int low = ByGrade(game, 10, 18, 30);
  const int high = ByGrade(game, 25, 40, 60);
  bool wood = false;
  for (int y = cy - 1; y <= cy + 1; ++y) {
    for (int x = cx - 1; x <= cx + 1; ++x) {
      if (!Level::Inside(x, y)) continue;
      MapCell& cell = game.world.level.Cell(x, y);
      if (cell.feature == feature::kClosedDoor || cell.feature == feature::kOpenDoor) {
        cell.feature = feature::kNone;
        wood = true;
      }
    }
  }
  FlameBurst(game, cx, cy, low, high, 3, true);
  if (wood && !game.GameOver()) ShowMessage(game, "Запахло палёной древесиной.");
}

void wParalyz(Game& game, const EffectAim&) {
  const int strength = RollRange(game, ByGrade(game, 12, 14, 17), ByGrade(game, 40, 80, 110));
  if (AtHero(game, game.control.target_x, game.control.target_y)) {
    Hero& hero = game.world.hero;
    const int ticks = strength * 10 - hero.paralysis_resistance * 10;
    if (ticks <= 0) {
      ShowMessage(game, kNothingHappens);
      return;
    }
    hero.paralysis_time = static_cast<int16_t>(std::min(ticks, 32767));
    game.view.labels.Set(Condition::kParalyzed, true);
    ShowMessage(game, "Ты внезапно потерял возможность двигаться!");
    LearnCurrentType(game);
    return;
  }
  const int slot = TargetSlot(game);
  if (slot == 0) {
    ShowMessage(game, kFlash);
    return;
  }
  LoadMonsterType(game, game.world.level.Monster(slot).type);
  if (game.data.monsters.current.HasFlag(monster_flag::kParalysisImmune)) {
    ShowMessage(game, "Магия не подействовала на " + MonsterObjectName(game, slot) + ".");
    return;
  }
  MonsterRecord& monster = game.world.level.Monster(slot);
  monster.action_delay =
      static_cast<int16_t>(std::min(32767, monster.action_delay + strength * 10));
  ShowMessage(game, MonsterSubjectName(game, slot) + " внезапно перестаёт двигаться!");
  LearnCurrentType(game);
}

void wSlow(Game& game, const EffectAim&) {
  if (AtHero(game, game.control.target_x, game.control.target_y)) {
    Hero& hero = game.world.hero;
    if (RndInt(game, 100) + 1 <= 10 * hero.anti_slowing) {
      ShowMessage(game, kNothingHappens);
      return;
    }
    Add16(hero.speed_bonus, -kSlowing);
    AddEvent(game, "RemSpeed", RndInt(game, 24) * 10 + 270, -kSlowing);
    ShowMessage(game, "Внезапно мир вокруг тебя становится быстрее!");
    LearnCurrentType(game);
    return;
  }
  const int slot = TargetSlot(game);
  if (slot == 0) {
    ShowMessage(game, kFlash);
    return;
  }
  MonsterRecord& monster = game.world.level.Monster(slot);
  // A cursed wand often fails; the slowest creatures cannot be slowed further.
  if ((CurrentGrade(game) == Grade::kCursed && Rnd(game) < 0.5) || monster.speed <= 20) {
    ShowMessage(game, "Магия не подействовала на " + MonsterObjectName(game, slot) + ".");
    return;
  }
  monster.speed = static_cast<int16_t>(std::max(10, monster.speed - ByGrade(game, 20, 30, 45)));
  ShowMessage(game, MonsterSubjectName(game, slot) + " замедляется!");
  LearnCurrentType(game);
}

}  // namespace zaldrun
