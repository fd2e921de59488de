// The hero's shot or throw at a chosen cell.
#include <algorithm>
#include <cmath>
#include <string>

#include "combat/attack_time.hpp"
#include "combat/hit_rolls.hpp"
#include "combat/melee.hpp"
#include "combat/missile_flight.hpp"
#include "combat/missiles.hpp"
#include "combat/monster_damage.hpp"
#include "engine/condition.hpp"
#include "engine/message_line.hpp"
#include "engine/turn.hpp"
#include "items/equipment.hpp"
#include "items/hand_figures.hpp"
#include "items/piles.hpp"
#include "model/game.hpp"
#include "model/monster_types.hpp"
#include "records/game_enums.hpp"
#include "records/hero_tables.hpp"
#include "records/item_type_table.hpp"

namespace zaldrun {

namespace {

using hit_rolls::HitChance;
using hit_rolls::Rounded;

constexpr int kThrowingSkill = 12;  // "Метание"
constexpr int kPlainThrow = 1000;
constexpr int kPracticeStep = 25;
constexpr int kCostPerSkillPoint = 15;

const ItemRecord& Worn(const Game& game, int slot) {
  return game.world.hero.equipment[static_cast<size_t>(slot)];
}

bool HasLauncher(const Game& game) {
  const ItemRecord& launcher = Worn(game, equipment_slot::kLauncher);
  return launcher.count > 0 && launcher.type >= 1 && launcher.type <= kItemTypeCount;
}

int SkillWhole(const Game& game, int skill) {
  if (skill < 1 || skill > kSkillCount) return 0;
  return static_cast<int>(std::floor(game.world.hero.SkillAt(skill).value));
}

// The skill the shot trains: the launcher's class, or throwing without one.
int RangedSkill(const Game& game) {
  if (!HasLauncher(game)) return kThrowingSkill;
  const int skill =
      game.world.item_types[static_cast<size_t>(Worn(game, equipment_slot::kLauncher).type)]
          .skill_class;
  return skill >= 1 && skill <= kThrowingSkill ? skill : kThrowingSkill;
}

void Practise(Game& game, int gain) {
  Hero& hero = game.world.hero;
  hero.missile_practice = static_cast<uint8_t>(std::min(255, hero.missile_practice + gain));
  if (hero.missile_practice < kPracticeStep) return;
  hero.missile_practice = static_cast<uint8_t>(hero.missile_practice - kPracticeStep);
  TrainWeaponSkill(game, RangedSkill(game), 0.9);
}

// The shot at the monster in `slot`, with the ammunition of skill class `ammo_skill`.
void ShootMonster(Game& game, int slot, int ammo_skill) {
  MonsterRecord& monster = game.world.level.Monster(slot);
  monster.peaceful = 0;
  const MonsterTypeRecord* found = FindMonsterType(game, monster.type);
  if (found == nullptr) return;
  const MonsterTypeRecord& type = *found;
  Hero& hero = game.world.hero;
  const float r = game.random.Next();
  const int to_hit = hero.attack.to_hit[hand::kMissile] + hero.to_hit;
  if (HitChance(to_hit, monster.defence) < r) {
    ShowMessage(game, "Ты промахнулся по " + type.name_dative + ".");
    return;
  }
  const double luck = hero.fortune + SkillWhole(game, ammo_skill) + hero.missile_critical + 12;
  const bool critical = std::floor(luck) * 3 / 240 > r;
  const char* adverb = critical ? " метко " : " ";
  int practice = critical ? 3 : 0;
  const int damage = BlowDamage(game, hand::kMissile, type, monster, critical);
  if (damage > 0) {
    if (hero.life_drain != 0) ChangeHP(game, Rounded(damage * 0.1 * hero.life_drain));
    ShowMessage(game, std::string("Ты") + adverb + "попал в " + type.name_object + ". (" +
                          std::to_string(damage) + ")");
    DamageMonster(game, slot, damage, false, true);
    practice += 2;
  } else {
    ShowMessage(game, std::string("Ты") + adverb + "попал в " + type.name_object +
                          ", но не причинил никаких повреждений.");
    practice += 1;
  }
  Practise(game, practice);
}

// One piece leaves the quiver; an emptied quiver is cleared with its effects.
void SpendAmmunition(Game& game) {
  const ItemRecord& quiver = game.world.hero.equipment[equipment_slot::kAmmunition];
  ResizeWornStack(game, equipment_slot::kAmmunition, quiver.count - 1);
}

}  // namespace

int ShotCost(const Game& game) {
  int cost = kPlainThrow - kCostPerSkillPoint * SkillWhole(game, kThrowingSkill);
  if (HasLauncher(game)) {
    const ItemRecord& launcher = Worn(game, equipment_slot::kLauncher);
    const int speed = game.world.item_types[static_cast<size_t>(launcher.type)].speed;
    cost = speed - kCostPerSkillPoint * SkillWhole(game, RangedSkill(game));
  }
  return std::max(kMinimumAttackCost, cost);
}

void HeroShot(Game& game, int x, int y) {
  if (game.GameOver() || !MissileReady(game) || !Level::Inside(x, y)) return;
  Hero& hero = game.world.hero;
  const ItemRecord ammo = Worn(game, equipment_slot::kAmmunition);
  const ItemType& ammo_type = game.world.item_types[static_cast<size_t>(ammo.type)];
  const auto [lx, ly] = MissileLanding(game, hero.x, hero.y, x, y);
  FlyObject(game, hero.x, hero.y, lx, ly, ammo_type.glyph, ammo_type.colour);

  const int slot = game.world.level.Cell(lx, ly).monster;
  if (slot >= 1 && slot <= game.world.level.monster_count) {
    ShootMonster(game, slot, ammo_type.skill_class);
  }
  // The missile lands or breaks.
  const int survival = LoadFullDescription(game, ammo).survival;
  if (survival / 100.0f > game.random.Next()) {
    ItemRecord piece = ammo;
    piece.count = 1;
    PlaceItem(game, lx, ly, piece, false);
  }
  if (Worn(game, equipment_slot::kAmmunition).type == ammo.type) SpendAmmunition(game);
  if (!game.GameOver()) AdvanceTime(game, ShotCost(game));
}

}  // namespace zaldrun
