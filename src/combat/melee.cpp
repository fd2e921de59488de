#include "combat/melee.hpp"

#include <algorithm>
#include <cmath>
#include <string>

#include "base/numbers.hpp"
#include "combat/attack_time.hpp"
#include "combat/monster_damage.hpp"
#include "engine/condition.hpp"
#include "engine/message_line.hpp"
#include "engine/turn.hpp"
#include "items/hand_figures.hpp"
#include "model/chance.hpp"
#include "model/game.hpp"
#include "model/monster_types.hpp"
#include "records/game_enums.hpp"
#include "records/monster_record.hpp"

namespace zaldrun {

namespace {

constexpr int kObject = 2;
constexpr int kDative = 3;
constexpr int kPracticeStep = 25;
constexpr int kAuraLow = 4;
constexpr int kAuraHigh = 16;
constexpr int32_t kHalvesBlows = 1;  // monster status: a protective field
constexpr int32_t kCrimsonAura = 4;  // monster status: flames around it

int Rounded(double value) { return static_cast<int>(RoundHalfEven(value)); }

// A damage roll that never heals: low and high in order, the result at least 0.
int Roll(Game& game, int low, int high, int protection) {
  if (high < low) std::swap(low, high);
  return std::max(0, static_cast<int>(RollResisted(game, low, high, protection)));
}

// t² / (t² + d²) in double precision, kept as single precision; no to-hit never hits.
float HitChance(int to_hit, int defence) {
  const double t2 = static_cast<double>(to_hit) * to_hit;
  const double sum = t2 + static_cast<double>(defence) * defence;
  return sum > 0 ? static_cast<float>(t2 / sum) : 0.0f;
}

int HeroProtection(const Hero& hero, int kind) {
  if (kind < 1 || kind > kDamageKinds) return 0;
  return hero.resistance_base[static_cast<size_t>(kind)] +
         hero.resistance_bonus[static_cast<size_t>(kind)];
}

void CrimsonAura(Game& game) {
  game.control.end_reason = end_reason::kCrimsonAura;
  const int burn =
      Roll(game, kAuraLow, kAuraHigh, HeroProtection(game.world.hero, damage_kind::kFire));
  ShowMessage(game, "Тебя обжигает багряная аура! (" + std::to_string(burn) + ")");
  ChangeHP(game, -burn);
}

void Practise(Game& game, int which, int gain) {
  Hero& hero = game.world.hero;
  hero.weapon_practice = static_cast<uint8_t>(std::min(255, hero.weapon_practice + gain));
  if (hero.weapon_practice < kPracticeStep) return;
  hero.weapon_practice = static_cast<uint8_t>(hero.weapon_practice - kPracticeStep);
  const int skill = HandSkill(game, which);
  if (skill != 0) TrainWeaponSkill(game, skill, 0.7);
}

}  // namespace

int BlowDamage(Game& game, int which, const MonsterTypeRecord& type, const MonsterRecord& monster,
               bool critical) {
  const AttackProfile& attack = game.world.hero.attack;
  float factor = 1;
  int bonus = 0;
  for (int k = 0; k < kSlayClasses; ++k) {
    if ((type.class_bits & (int32_t{1} << k)) == 0) continue;
    factor += attack.slay_multiplier[AttackProfile::Slay(which, k)];
    bonus += attack.slay_bonus[AttackProfile::Slay(which, k)];
  }
  if (critical) factor *= 2;
  const size_t own = AttackProfile::Component(which, 0);
  const bool ignores = attack.ignores_resistance[static_cast<size_t>(which)] != 0;
  const int protection = ignores ? 0 : type.Resistance(attack.damage_kind[own]);
  int damage = Roll(game, Rounded(attack.damage_low[own] * factor + bonus),
                    Rounded(attack.damage_high[own] * factor + bonus), protection);
  if ((monster.status & kHalvesBlows) != 0) damage /= 2;
  if (which == hand::kMissile && type.HasFlag(monster_flag::kHalfMissileDamage)) damage /= 2;
  for (int c = 1; c < kDamageComponents; ++c) {
    const size_t extra = AttackProfile::Component(which, c);
    if (attack.damage_kind[extra] == 0) continue;
    damage += Roll(game, Rounded(attack.damage_low[extra] * factor),
                   Rounded(attack.damage_high[extra] * factor),
                   type.Resistance(attack.damage_kind[extra]));
  }
  return damage;
}

bool HeroMeleeBlow(Game& game, int slot, int which_hand) {
  if (game.GameOver() || slot < 1 || slot > game.world.level.monster_count) return false;
  if (!game.data.monsters.loaded) return false;
  const MonsterRecord& monster = game.world.level.Monster(slot);
  const int type_number = monster.type;
  const MonsterTypeRecord* found = FindMonsterType(game, type_number);
  if (found == nullptr) return false;
  const MonsterTypeRecord& type = *found;
  Hero& hero = game.world.hero;
  const int striking = which_hand == hand::kLeft ? hand::kLeft : hand::kRight;
  bool killed = false;

  const float r = game.random.Next();
  const int to_hit = hero.attack.to_hit[static_cast<size_t>(striking)] + hero.to_hit;
  if (HitChance(to_hit, monster.defence) < r) {
    ShowMessage(game, "Ты промахнулся по " + type.name_dative + ".");
  } else {
    const int skill_class = HandSkill(game, striking);
    const int skill =
        skill_class != 0 ? static_cast<int>(std::floor(hero.SkillAt(skill_class).value)) : 0;
    const float critical_chance =
        static_cast<float>(3 * skill + hero.fortune + hero.fortune_bonus + 15) / 300.0f;
    const bool critical = critical_chance > game.random.Next();
    const char* adverb = critical ? kCriticalBlow : kPlainBlow;
    int practice = critical ? 3 : 0;
    const bool aura = (monster.status & kCrimsonAura) != 0;
    const int damage = BlowDamage(game, striking, type, monster, critical);
    if (damage > 0) {
      if (hero.life_drain != 0) ChangeHP(game, Rounded(damage * 0.1 * hero.life_drain));
      ShowMessage(game, std::string("Ты") + adverb + "ударил " + type.name_object + ". (" +
                            std::to_string(damage) + ")");
      killed = DamageMonster(game, slot, damage, false, true);
      practice += 2;
    } else {
      ShowMessage(game, std::string("Ты") + adverb + "ударил " + type.name_object +
                            ", но не причинил никаких повреждений.");
      practice += 1;
    }
    if (aura && !game.GameOver()) CrimsonAura(game);
    Practise(game, striking, practice);
  }
  const int cost = MeleeAttackCost(game, striking, killed);
  if (cost > 0) AdvanceTime(game, cost);
  return killed;
}

}  // namespace zaldrun
