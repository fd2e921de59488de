#include "world/new_hero.hpp"

#include <algorithm>
#include <cmath>
#include <sstream>
#include <vector>

#include "engine/attributes.hpp"
#include "engine/condition.hpp"
#include "engine/skills.hpp"
#include "model/game.hpp"
#include "records/hero_tables.hpp"
#include "model/world_ops.hpp"
#include "world/starting_kit.hpp"

namespace zaldrun {
namespace {

constexpr int kStartingSatiation = 4500;
constexpr int kFirstMeal = 480;
constexpr int kRegenerationInterval = 200;

int RollAttribute(Game& game, const AttributeRoll& roll) {
  return static_cast<int>(std::floor(game.random.Next() * roll.spread)) + roll.base;
}

void SetRate(Skill& skill, int rate) { skill.learning_rate = Clamp16(std::max(0, rate)); }

void Raise(Game& game, int skill, double amount) { RaiseSkill(game, skill, amount, false); }

void ResetHero(Game& game, const HeroChoice& choice) {
  Hero& hero = game.world.hero;
  const std::string name = hero.name;
  hero = Hero{};
  hero.name = name;
  hero.race = choice.race;
  hero.hero_class = choice.hero_class;
  hero.weapon_choice = choice.weapon;
  hero.missile_choice = choice.missile;
  const auto& table = SkillTable();
  for (int s = 1; s <= kSkillCount; ++s) {
    Skill& skill = hero.SkillAt(s);
    const SkillInfo& info = table[static_cast<size_t>(s)];
    skill.name = std::string(info.name);
    skill.first_attribute = info.first_attribute;
    skill.first_weight = info.first_weight;
    skill.second_attribute = info.second_attribute;
    skill.second_weight = info.second_weight;
    skill.cap = info.cap;
    skill.learning_rate = kUnlistedLearningRate;
  }
}

void ApplyClass(Game& game, const HeroChoice& choice) {
  Hero& hero = game.world.hero;
  const ClassInfo& info = ClassTable(choice.hero_class);
  for (int a = 0; a < kAttributeCount; ++a) {
    hero.attributes.natural[static_cast<size_t>(a)] =
        static_cast<int16_t>(RollAttribute(game, info.attributes[static_cast<size_t>(a)]));
  }
  for (const SkillRate& rate : info.rates) SetRate(hero.SkillAt(rate.skill), rate.rate);
  for (const SkillAmount& raise : info.raises) Raise(game, raise.skill, raise.amount);
  // Warriors learn their letters, unless orcs or trolls.
  if (choice.hero_class == classes::kWarrior && choice.race != races::kOrc &&
      choice.race != races::kTroll)
    Raise(game, skill::kLiteracy, 1);
  auto train_choice = [&](std::span<const int> skills, int pick, int rate_bonus, double raise) {
    if (pick < 1 || pick > static_cast<int>(skills.size())) return;
    const int s = skills[static_cast<size_t>(pick - 1)];
    SetRate(hero.SkillAt(s), hero.SkillAt(s).learning_rate + rate_bonus);
    Raise(game, s, raise);
  };
  train_choice(info.weapon_skills, choice.weapon, kWeaponRateBonus, info.weapon_raise);
  train_choice(info.missile_skills, choice.missile, kMissileRateBonus, info.missile_raise);
  for (int kind = damage_kind::kFire; kind <= damage_kind::kAcid; ++kind) {
    hero.resistance_base[static_cast<size_t>(kind)] =
        Clamp16(hero.resistance_base[static_cast<size_t>(kind)] + info.element_resistance);
  }
  hero.move_cost = static_cast<int16_t>(info.move_cost);
}

void ApplyRace(Game& game, const HeroChoice& choice) {
  Hero& hero = game.world.hero;
  const RaceInfo& info = RaceTable(choice.race);
  for (int a = 0; a < kAttributeCount; ++a) {
    const AttributeRoll& roll = info.attributes[static_cast<size_t>(a)];
    if (roll.sign == 0) continue;
    int16_t& natural = hero.attributes.natural[static_cast<size_t>(a)];
    natural = Clamp16(natural + roll.sign * RollAttribute(game, roll));
  }
  for (const SkillAmount& raise : info.raises) {
    // Dwarves learn their letters, unless barbarians.
    if (choice.race == races::kDwarf && raise.skill == skill::kLiteracy &&
        choice.hero_class == classes::kBarbarian)
      continue;
    Raise(game, raise.skill, raise.amount);
  }
  // Rate changes never take a learning rate below 0: a skill is never unlearned by use.
  for (const SkillRate& change : info.rate_changes) {
    Skill& skill = hero.SkillAt(change.skill);
    SetRate(skill, skill.learning_rate + change.rate);
  }
  hero.experience_factor = info.experience_factor;
  hero.regen_rate = Clamp16(hero.regen_rate + info.regen_change);
  hero.resistance_base[damage_kind::kMagic] =
      Clamp16(hero.resistance_base[damage_kind::kMagic] + info.magic_resistance);
  hero.resistance_base[damage_kind::kFire] =
      Clamp16(hero.resistance_base[damage_kind::kFire] + info.fire_resistance);
  hero.poison_resistance = static_cast<uint8_t>(hero.poison_resistance + info.poison_resistance);
  hero.hunger_rate = info.hunger_rate;
}

}  // namespace

void SetUpNewHero(Game& game, const HeroChoice& choice) {
  ResetHero(game, choice);
  Hero& hero = game.world.hero;
  // 1. Costs and rates.
  hero.move_cost = 1000;
  hero.action_cost = 1000;
  hero.regen_rate = kRegenerationInterval;
  hero.hunger_rate = 1.0f;
  hero.satiation = kStartingSatiation;
  ChangeSatiation(game, kFirstMeal);
  game.world.event_count = 0;
  // 2. Class, 3. race.
  ApplyClass(game, choice);
  ApplyRace(game, choice);
  // 4. The events that keep the world running.
  AddEvent(game, "Consumption", 50, 1);
  AddEvent(game, "Regen", 240, 1);
  AddEvent(game, "EnemyRegen", 160, 1);
  AddEvent(game, "CreateMon", 300, 1);
  // 5. Derived figures, starting hit and power points, the first level.
  RecomputeAllDerived(game);
  for (int s = 1; s <= 12; ++s) RefreshCombatValues(game, s);
  hero.max_hp = Clamp16(hero.hp_per_level +
                        static_cast<int>(RoundHalfEven(hero.Current(attribute::kEndurance) / 2.0)));
  hero.hp = hero.max_hp;
  hero.max_pp = Clamp16(hero.pp_per_level +
                        static_cast<int>(RoundHalfEven(hero.Current(attribute::kMagicLink) / 5.0)));
  hero.pp = hero.max_pp;
  hero.level = kStartingLevel;
  hero.experience_to_next = ExperienceNeed(game, hero.level);
  // 6. The starting equipment, wielded, worn and readied.
  GiveStartingKit(game, choice);
  UpdateHeroLabels(game);
}

bool ParseHeroChoice(const std::string& text, HeroChoice* choice, std::string* error) {
  std::vector<int> numbers;
  std::stringstream stream(text);
  std::string part;
  while (std::getline(stream, part, ',')) {
    try {
      size_t used = 0;
      numbers.push_back(std::stoi(part, &used));
      if (used != part.size()) throw std::invalid_argument(part);
    } catch (const std::exception&) {
      if (error)
        *error =
            "--hero: \"" + text + "\" — нужны числа через запятую: РАСА,КЛАСС,ОРУЖИЕ,МЕТАТЕЛЬНОЕ";
      return false;
    }
  }
  if (numbers.size() < 3 || numbers.size() > 4) {
    if (error) *error = "--hero: нужно три или четыре числа: РАСА,КЛАСС,ОРУЖИЕ[,МЕТАТЕЛЬНОЕ]";
    return false;
  }
  if (numbers.size() == 3) numbers.push_back(0);
  const int race = numbers[0];
  const int hero_class = numbers[1];
  const ClassInfo& info = ClassTable(hero_class);
  const int weapons = static_cast<int>(info.weapon_skills.size());
  const int missiles = static_cast<int>(info.missile_skills.size());
  if (race < 1 || race > kRaceCount || hero_class < 1 || hero_class > kClassCount ||
      numbers[2] < 1 || numbers[2] > weapons || numbers[3] < 0 || numbers[3] > missiles ||
      (missiles > 0 && numbers[3] == 0)) {
    if (error) {
      *error = "--hero: раса 1..5, класс 1..4; у этого класса оружие 1.." +
               std::to_string(weapons) +
               (missiles > 0 ? ", метательное 1.." + std::to_string(missiles)
                             : ", метательного нет (0)");
    }
    return false;
  }
  *choice = HeroChoice{static_cast<uint8_t>(race), static_cast<uint8_t>(hero_class),
                       static_cast<uint8_t>(numbers[2]), static_cast<uint8_t>(numbers[3])};
  return true;
}

}  // namespace zaldrun
