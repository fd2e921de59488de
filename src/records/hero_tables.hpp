// The fixed tables of heroes: the nineteen skills, the four classes and the five races.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

#include "records/game_enums.hpp"

namespace zaldrun {

inline constexpr int kAttributeCount = 9;
inline constexpr int kSkillCount = 19;      // skills 1..19
inline constexpr int kDamageKinds = 10;     // kinds 1..10
inline constexpr int kQuestCount = 100;     // quest states 1..100
inline constexpr int kEquipmentSlots = 15;  // slots 1..15


namespace skill {
inline constexpr int kDodging = 13;
inline constexpr int kAthletics = 14;
inline constexpr int kSearching = 15;
inline constexpr int kDualWielding = 16;
inline constexpr int kHerbology = 17;
inline constexpr int kAlchemy = 18;
inline constexpr int kLiteracy = 19;
}  // namespace skill


inline constexpr int kClassCount = 4;  // classes 1..4: "Воин", "Лучник", "Странник", "Варвар"
inline constexpr int kRaceCount = 5;  // races 1..5: "Человек", "Эльф", "Орк", "Гном", "Тролль"

struct SkillInfo {
  std::string_view name;
  uint8_t first_attribute;
  uint8_t first_weight;
  uint8_t second_attribute;  // attribute::kNone when the skill has one
  uint8_t second_weight;
  // The most a skill can reach. Herbology stays below 30, the mark of an identified plant.
  uint8_t cap;
};

// Skill n at index n (index 0 unused).
const std::array<SkillInfo, kSkillCount + 1>& SkillTable();

struct SkillAmount {
  int skill;
  double amount;
};
struct SkillRate {
  int skill;
  int rate;  // a learning rate, or a change of one
};
// An attribute roll: base + Int(r × spread); for races the sign tells whether it adds or takes
// away.
struct AttributeRoll {
  int base;
  int spread;
  int sign;  // +1 adds, -1 takes away, 0 leaves the attribute alone (races)
};

struct ClassInfo {
  std::array<AttributeRoll, kAttributeCount> attributes;
  std::span<const SkillRate> rates;
  std::span<const SkillAmount> raises;
  // Weapon choice k (1..) trains weapon_skills[k - 1]; missile choice likewise (empty: no choice).
  std::span<const int> weapon_skills;
  double weapon_raise;
  std::span<const int> missile_skills;
  double missile_raise;
  // Class 3 resists the elements a little; class 4 walks fast.
  int element_resistance;
  int move_cost;
};

struct RaceInfo {
  std::array<AttributeRoll, kAttributeCount> attributes;
  std::span<const SkillAmount> raises;
  std::span<const SkillRate> rate_changes;
  float experience_factor;
  int regen_change;
  int magic_resistance;  // resistance kind 4
  int fire_resistance;   // resistance kind 5
  int poison_resistance;
  float hunger_rate;
};

const ClassInfo& ClassTable(int hero_class);  // 1..4; others read as class 1
const RaceInfo& RaceTable(int race);          // 1..5; others read as race 1

// The learning rate of a skill that the class does not list.
inline constexpr int kUnlistedLearningRate = 700;
// Extra learning rate and raise of the skill the chosen weapon or missile trains.
inline constexpr int kWeaponRateBonus = 50;
inline constexpr int kMissileRateBonus = 70;

}  // namespace zaldrun
