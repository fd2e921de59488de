#include "combat/monster_blow.hpp"

#include <algorithm>
#include <cmath>
#include <string>

#include "base/numbers.hpp"
#include "combat/grammar.hpp"
#include "engine/condition.hpp"
#include "engine/message_line.hpp"
#include "items/hero_attributes.hpp"
#include "model/chance.hpp"
#include "model/game.hpp"
#include "model/monster_types.hpp"
#include "records/game_enums.hpp"
#include "records/monster_type_table.hpp"
#include "records/text_table.hpp"

namespace zaldrun {

namespace {

constexpr int32_t kEnraged = 2;  // monster status: dark smoke
constexpr int kDrainThreshold = -599;
constexpr int kDrainStep = 1000;

int Rounded(double value) { return static_cast<int>(RoundHalfEven(value)); }

float HitChance(int to_hit, int defence) {
  const double t2 = static_cast<double>(to_hit) * to_hit;
  const double sum = t2 + static_cast<double>(defence) * defence;
  return sum > 0 ? static_cast<float>(t2 / sum) : 0.0f;
}

// A whole number low..high drawn as Int(Rnd × (high − low + 1)) + low.
int Strength(Game& game, int low, int high) {
  if (high < low) std::swap(low, high);
  return RandomRange(game, low, high);
}

int Protection(const Hero& hero, int kind) {
  if (kind < 1 || kind > kDamageKinds) return 0;
  return hero.resistance_base[static_cast<size_t>(kind)] +
         hero.resistance_bonus[static_cast<size_t>(kind)];
}

void Poison(Game& game, const MonsterTypeRecord& type, int type_number) {
  Hero& hero = game.world.hero;
  const int dose =
      std::max(0, Strength(game, type.on_hit_low, type.on_hit_high) - hero.poison_resistance);
  if (dose == 0) return;
  hero.poison = Clamp16(static_cast<long long>(hero.poison) + dose);
  game.view.labels.Set(Condition::kPoisoned, true);
  game.control.poisoner_type = static_cast<int16_t>(type_number);
  ShowMessage(game, "Ты отравлен!");
}

void DrainingHit(Game& game, const MonsterTypeRecord& type) {
  const int i = type.on_hit_attribute;
  if (i < 0 || i >= kAttributeCount) return;
  Attributes& attributes = game.world.hero.attributes;
  int16_t& counter = attributes.extra[static_cast<size_t>(i)];
  counter =
      Clamp16(static_cast<long long>(counter) - Strength(game, type.on_hit_low, type.on_hit_high));
  if (counter >= kDrainThreshold) return;
  counter = Clamp16(counter + kDrainStep);
  DrainAttribute(game, i, 1);
  ShowMessage(game, FetchText(text_ids::kAttributeLossBase + i), msg::kAcknowledge);
}

void Paralyse(Game& game, const MonsterTypeRecord& type) {
  Hero& hero = game.world.hero;
  const int resistance = std::min<int>(hero.paralysis_resistance, 20);
  if (static_cast<int>(game.random.Next() * 20) + 1 <= resistance || hero.paralysis_time > 0)
    return;
  const int length =
      Rounded(Strength(game, type.on_hit_low, type.on_hit_high) * (20 - resistance) / 20.0);
  if (length < 1) return;
  hero.paralysis_time = Clamp16(length);
  ShowMessage(game, "Ты парализован!");
}

void OnHit(Game& game, const MonsterTypeRecord& type, int type_number) {
  if (static_cast<int>(game.random.Next() * 200) > type.on_hit_chance) return;
  if (type.HasFlag(monster_flag::kPoisonous)) Poison(game, type, type_number);
  if (type.HasFlag(monster_flag::kDrainsAttribute)) DrainingHit(game, type);
  if (type.HasFlag(monster_flag::kParalysing)) Paralyse(game, type);
}

}  // namespace

void MonsterMeleeBlow(Game& game, int slot, int attack, int kind) {
  if (game.GameOver() || slot < 1 || slot > game.world.level.monster_count) return;
  MonsterRecord& monster = game.world.level.Monster(slot);
  const int type_number = monster.type;
  // Read in place: the loaded records never change in play.
  const MonsterTypeRecord* found = FindMonsterType(game, type_number);
  if (found == nullptr) return;
  const MonsterTypeRecord& type = *found;
  const MonsterTypeEntry& constants = MonsterTypeConstants(type_number);
  const int gender = constants.gender;
  const size_t a = static_cast<size_t>(std::clamp(attack, 0, kMonsterAttackSlots - 1));
  Hero& hero = game.world.hero;

  const float r = game.random.Next();
  if (HitChance(monster.attack, hero.defence + hero.defence_bonus) < r) {
    ShowMessage(game, MissesYouText(type.name, gender));
  } else {
    // The blow's own figures: rage and a critical change them for this blow only.
    int low = type.damage_low[a];
    int high = type.damage_high[a];
    bool pierces = type.HasFlag(monster_flag::kPiercesArmour);
    if ((monster.status & kEnraged) != 0) {
      low = Rounded(low * 1.35 + 4);
      high = Rounded(high * 1.35 + 4);
    }
    if (static_cast<int>(game.random.Next() * 250) + 1 <= constants.critical) {
      const double boost = pierces ? 1.7 : 1.2;
      pierces = true;
      low = Rounded(low * boost);
      high = Rounded(high * boost);
    }
    const int damage_kind = type.damage_kind[a];
    if (high < low) std::swap(low, high);
    const int damage =
        std::max(0, static_cast<int>(RollResisted(game, low, high,
                                                  pierces ? 0 : Protection(hero, damage_kind))));
    const std::string phrase = HitPhrase(kind, gender, pierces);
    if (monster.creation_flag != 0 && game.random.Next() < hero.ward / 20.0f) {
      ShowMessage(game, WardedText(type.name, AttemptPhrase(kind), gender));
    } else if (damage < 1) {
      ShowMessage(game, NoHarmText(type.name, phrase, gender));
    } else {
      game.control.end_reason = end_reason::kKilled;
      game.control.killer_type = static_cast<int16_t>(type_number);
      std::string text = type.name + " " + phrase + ".";
      if (damage_kind >= damage_kind::kMagic && damage_kind <= damage_kind::kDark) {
        text += " " + FetchText(text_ids::kElementHitBase + damage_kind);
      }
      ShowMessage(game, text + " (" + std::to_string(damage) + ")");
      ChangeHP(game, -damage);
      if (!game.GameOver()) OnHit(game, type, type_number);
    }
  }
  // Energy never falls below the 16-bit floor.
  MonsterRecord& striker = game.world.level.Monster(slot);
  striker.energy = Clamp16(static_cast<long long>(striker.energy) - constants.attack_cost);
}

}  // namespace zaldrun
