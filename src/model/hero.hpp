// The hero: name, race and class, position, vital numbers, attributes, skills, money and gear.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "model/level.hpp"
#include "records/hero_tables.hpp"

namespace zaldrun {

struct Skill {
  std::string name;
  uint8_t first_attribute = attribute::kNone;
  uint8_t first_weight = 0;
  uint8_t second_attribute = attribute::kNone;
  uint8_t second_weight = 0;
  int16_t learning_rate = 0;  // 1000 = normal
  float value = 0;
  uint8_t cap = 0;
  int16_t combat_value1 = 0;  // weapon skills 1..12
  int16_t combat_value2 = 0;
};

struct Attributes {
  std::array<int16_t, kAttributeCount> current{};
  std::array<int16_t, kAttributeCount> equipment{};
  std::array<int16_t, kAttributeCount> temporary_a{};
  std::array<int16_t, kAttributeCount> natural{};
  std::array<int16_t, kAttributeCount> temporary_b{};
  std::array<int16_t, kAttributeCount> extra{};
};

// The weapon indexes of the attack profile: the right hand (slot 6 "Правая Рука"), the left hand
// (slot 7 "Левая рука") and missiles (slot 13 "Стрелы", shot from the launcher in slot 12 or
// thrown).
namespace hand {
inline constexpr int kRight = 0;
inline constexpr int kLeft = 1;
inline constexpr int kMissile = 2;
}  // namespace hand
inline constexpr int kHands = 3;
inline constexpr int kDamageComponents = 4;  // 0 the weapon's own damage, 1..3 extra damage
inline constexpr int kSlayClasses = 31;      // creature classes 0..30 of a monster's class bits

// What the hero strikes with, as the equipment sets it up whenever a hand, the strength or a
// weapon skill changes. Combat reads it; the save file keeps it.
struct AttackProfile {
  // To-hit of each hand: the weapon's first bonus and its skill's to-hit figure (combat adds the
  // hero's base to-hit).
  std::array<int16_t, kHands> to_hit{};
  // Damage of component c of hand w at index w + 3 * c (see Component).
  std::array<int16_t, kHands * kDamageComponents> damage_low{};
  std::array<int16_t, kHands * kDamageComponents> damage_high{};
  // Damage kind 1..10 of each component; 0 = no such component (kind 0 of component 0 of the left
  // hand: no second weapon; of the missiles: nothing to shoot).
  std::array<int16_t, kHands * kDamageComponents> damage_kind{};
  // Non-zero: component 0 of the hand is rolled with no protection (armour-piercing items).
  std::array<uint8_t, kHands> ignores_resistance{};
  // Against members of a creature class: added to the damage factor and to the damage, at index
  // w * 31 + class (see Slay).
  std::array<float, kHands * kSlayClasses> slay_multiplier{};
  std::array<int16_t, kHands * kSlayClasses> slay_bonus{};
  // The launcher figure L of the launcher in slot 12: shots do (L / 100 + 1) times the damage of
  // their ammunition.
  int16_t launcher = 0;

  static constexpr size_t Component(int hand, int c) {
    return static_cast<size_t>(hand + kHands * c);
  }
  static constexpr size_t Slay(int hand, int creature_class) {
    return static_cast<size_t>(hand * kSlayClasses + creature_class);
  }
};

struct Hero {
  std::string name;  // at most 40 characters
  uint8_t race = 0;
  uint8_t hero_class = 0;
  uint8_t weapon_choice = 0;
  uint8_t missile_choice = 0;

  int16_t x = 0;
  int16_t y = 0;

  int16_t hp = 0;
  int16_t max_hp = 0;
  uint8_t absorption = 0;
  int16_t pp = 0;
  int16_t max_pp = 0;

  Attributes attributes;
  std::array<int16_t, kDamageKinds + 1> resistance_base{};   // kinds 1..10
  std::array<int16_t, kDamageKinds + 1> resistance_bonus{};  // kinds 1..10

  int16_t speed_base = 100;
  int16_t speed_bonus = 0;
  uint8_t sight_radius = 8;
  int16_t move_cost = 1000;
  int16_t action_cost = 1000;
  int16_t time_carry = 0;
  int16_t last_action_time = 0;
  int16_t paralysis_time = 0;

  // Figures derived from the attributes.
  int16_t defence = 0;
  int16_t to_hit = 0;
  int32_t max_weight = 0;
  float damage_factor = 1.0f;
  int16_t hp_per_level = 0;
  int16_t pp_per_level = 0;
  float price_factor = 1.0f;

  // Regeneration: one hit point every `regen_rate` time units (0 or below: several every unit).
  int16_t regen_rate = 200;
  // Multiplies the food used at every consumption.
  float hunger_rate = 1.0f;
  int16_t poison = 0;
  uint8_t poison_resistance = 0;
  // Successful blows counted toward the growth of the weapon's skill.
  uint8_t weapon_practice = 0;
  // Successful shots and throws counted toward the growth of the ranged skill.
  uint8_t missile_practice = 0;
  // Percent in steps of 5 added to every experience gain.
  uint8_t experience_bonus = 0;

  // Figures of worn items (kept by the equipment, read by combat, the timed effects and the
  // effect handlers).
  int16_t defence_bonus = 0;  // added to the defence value
  uint8_t life_drain = 0;     // regains Round(damage × 0.1 × value) per damaging blow
  uint8_t ward = 0;           // value / 20: the chance to turn aside a conjured creature
  uint8_t paralysis_resistance = 0;
  uint8_t confusion_resistance = 0;
  uint8_t anti_slowing = 0;      // protects from slowing
  int16_t fortune = 0;           // raises critical blows and loot
  int16_t fortune_bonus = 0;     // the same from worn items (luck, critical hits)
  int16_t missile_critical = 0;  // raises critical shots
  AttackProfile attack;

  int32_t satiation = 0;
  uint8_t level = 0;
  int32_t experience_to_next = 0;
  float experience_factor = 1.0f;
  int16_t skill_points = 0;
  uint8_t skill_points_per_level = 0;
  std::array<Skill, kSkillCount + 1> skills{};  // skills 1..19

  uint8_t burden = 0;  // 2 = overloaded: the hero cannot walk
  int32_t money = 0;
  int32_t carried_weight = 0;
  int32_t shop_debt = 0;
  std::array<int16_t, kQuestCount> quests{};                // quest states, index 0..99
  std::array<ItemRecord, kEquipmentSlots + 1> equipment{};  // 1..15

  Skill& SkillAt(int n) { return skills[static_cast<size_t>(n)]; }
  const Skill& SkillAt(int n) const { return skills[static_cast<size_t>(n)]; }
  int16_t Current(int attr) const { return attributes.current[static_cast<size_t>(attr)]; }
};

}  // namespace zaldrun
