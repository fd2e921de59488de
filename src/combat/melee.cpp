#include "combat/melee.hpp"

#include <algorithm>
#include <cmath>
#include <string>

#include "base/numbers.hpp"
#include "combat/hand_figures.hpp"
#include "combat/monster_damage.hpp"
#include "engine/condition.hpp"
#include "engine/message_line.hpp"
#include "engine/skills.hpp"
#include "engine/turn.hpp"
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

// The damage of one blow before it is dealt.
int BlowDamage(Game& game, const HandFigures& hand, const MonsterTypeRecord& type,
               const MonsterRecord& monster, bool critical) {
  float factor = 1;
  int bonus = 0;
  for (int k = 0; k < kCreatureClasses; ++k) {
    if ((type.class_bits & (int32_t{1} << k)) == 0) continue;
    factor += hand.slay_multiplier[static_cast<size_t>(k)];
    bonus += hand.slay_bonus[static_cast<size_t>(k)];
  }
  if (critical) factor *= 2;
  const int protection = hand.ignores_resistance ? 0 : type.Resistance(hand.kind[0]);
  int damage = Roll(game, Rounded(hand.low[0] * factor + bonus),
                    Rounded(hand.high[0] * factor + bonus), protection);
  if ((monster.status & kHalvesBlows) != 0) damage /= 2;
  for (size_t c = 1; c < 4; ++c) {
    if (hand.kind[c] == 0) continue;
    damage += Roll(game, Rounded(hand.low[c] * factor), Rounded(hand.high[c] * factor),
                   type.Resistance(hand.kind[c]));
  }
  return damage;
}

void CrimsonAura(Game& game) {
  game.control.end_reason = end_reason::kCrimsonAura;
  const int burn =
      Roll(game, kAuraLow, kAuraHigh, HeroProtection(game.world.hero, damage_kind::kFire));
  ShowMessage(game, "Тебя обжигает багряная аура! (" + std::to_string(burn) + ")");
  ChangeHP(game, -burn);
}

void Practise(Game& game, const HandFigures& hand, int gain) {
  Hero& hero = game.world.hero;
  hero.weapon_practice = static_cast<uint8_t>(std::min(255, hero.weapon_practice + gain));
  if (hero.weapon_practice < kPracticeStep) return;
  hero.weapon_practice = static_cast<uint8_t>(hero.weapon_practice - kPracticeStep);
  if (hand.item_type != 0 && hand.skill != 0) TrainSkill(game, hand.skill, 0.7);
}

}  // namespace

bool HeroMeleeBlow(Game& game, int slot, int hand_index) {
  if (game.GameOver() || slot < 1 || slot > game.world.level.monster_count) return false;
  if (!game.data.monsters.loaded) return false;
  const MonsterRecord& monster = game.world.level.Monster(slot);
  const int type_number = monster.type;
  if (!LoadMonsterType(game, type_number)) return false;
  const MonsterTypeRecord type = game.data.monsters.current;
  Hero& hero = game.world.hero;
  const HandFigures hand = HeroHand(game, hand_index);
  bool killed = false;

  const float r = game.random.Next();
  if (HitChance(hand.to_hit + hero.to_hit, monster.defence) < r) {
    ShowMessage(game, "Ты промахнулся по " + type.name_dative + ".");
  } else {
    const int skill =
        hand.skill != 0 ? static_cast<int>(std::floor(hero.SkillAt(hand.skill).value)) : 0;
    const float critical_chance =
        static_cast<float>(3 * skill + hero.fortune + hero.fortune_bonus + 15) / 300.0f;
    const bool critical = critical_chance > game.random.Next();
    const char* adverb = critical ? kCriticalBlow : kPlainBlow;
    int practice = critical ? 3 : 0;
    const bool aura = (monster.status & kCrimsonAura) != 0;
    const int damage = BlowDamage(game, hand, type, monster, critical);
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
    Practise(game, hand, practice);
  }
  const int cost = MeleeAttackCost(game, hand_index, killed);
  if (cost > 0) AdvanceTime(game, cost);
  return killed;
}

}  // namespace zaldrun
