#include "engine/skills.hpp"

#include <algorithm>
#include <cmath>
#include <string>

#include "engine/attributes.hpp"
#include "engine/message_line.hpp"
#include "model/game.hpp"
#include "model/world_ops.hpp"

namespace zaldrun {
namespace {

constexpr int kFirstNonWeaponSkill = 13;

struct CombatFormula {
  double a1, b1, c1;  // first value: (a1·W)² + b1·W + c1 + S
  int threshold;      // the second value follows from this whole value on
  double a2, b2, c2;  // second value: (a2·W)² + b2·W + c2
};

const CombatFormula& FormulaOf(int skill) {
  static constexpr CombatFormula kBlades{0.2, 3, -4, 3, 0.33, 1, 1};
  static constexpr CombatFormula kHeavy{0.17, 3, -5, 3, 0.38, 1.2, 2};
  static constexpr CombatFormula kLight{0.22, 3.5, -5, 3, 0.28, 1, 0};
  static constexpr CombatFormula kRanged{0.27, 3.4, -2, 2, 0.57, 1, 7};
  switch (skill) {
    case 1:
    case 2:
    case 5:
      return kBlades;
    case 4:
    case 6:
    case 7:
      return kHeavy;
    case 3:
    case 8:
      return kLight;
    default:
      return kRanged;
  }
}

void UpdateCombatValues(Skill& s, int skill) {
  const CombatFormula& f = FormulaOf(skill);
  const int w = static_cast<int>(std::floor(s.value));
  const int sign = w > 2 ? 1 : (w < 2 ? -1 : 0);
  const double first = std::pow(f.a1 * w, 2) + f.b1 * w + f.c1 + sign;
  s.combat_value1 = Clamp16(static_cast<long long>(RoundHalfEven(first)));
  if (w >= f.threshold) {
    s.combat_value2 =
        Clamp16(static_cast<long long>(RoundHalfEven(std::pow(f.a2 * w, 2) + f.b2 * w + f.c2)));
  }
}

}  // namespace

double SkillGain(const Game& game, int skill) {
  if (skill < 1 || skill > kSkillCount) return 0;
  const Hero& hero = game.world.hero;
  const Skill& s = hero.SkillAt(skill);
  auto attribute_term = [&](uint8_t attr, uint8_t weight) {
    if (attr >= kAttributeCount) return 0;
    return (hero.Current(attr) - 35) * weight;
  };
  const int m = Clamp16(10000 + attribute_term(s.first_attribute, s.first_weight) +
                        attribute_term(s.second_attribute, s.second_weight));
  const double level = std::floor(s.value);
  const double gain =
      m / ((level * 0.3 + 1) * 60000) * (std::max<int>(0, s.learning_rate) / 1000.0);
  return std::max(0.0, std::round(gain * 10000) / 10000);
}

void RaiseSkill(Game& game, int skill, double amount, bool announce) {
  if (skill < 1 || skill > kSkillCount || amount <= 0) return;
  Skill& s = game.world.hero.SkillAt(skill);
  const double whole = std::floor(s.value);
  double value = s.value;
  if ((whole + 1) - value >= amount) {
    value += amount;
  } else {
    if (announce) ShowMessage(game, "Навык \"" + s.name + "\" увеличился!", msg::kAcknowledge);
    value = whole + 1 + amount * 0.5;
  }
  value = std::min(value, static_cast<double>(s.cap));
  s.value = static_cast<float>(value);
  if (skill < kFirstNonWeaponSkill) UpdateCombatValues(s, skill);
  // Dodging feeds the defence, athletics the speed and the health each level brings: both show
  // at once, as a new dexterity or endurance would.
  if (skill == skill::kDodging || skill == skill::kAthletics)
    RecomputeDerived(game, attribute::kDexterity);
  if (skill == skill::kAthletics) RecomputeDerived(game, attribute::kEndurance);
}

void RefreshCombatValues(Game& game, int skill) {
  if (skill >= 1 && skill < kFirstNonWeaponSkill)
    UpdateCombatValues(game.world.hero.SkillAt(skill), skill);
}

void TrainSkill(Game& game, int skill, double fraction) {
  RaiseSkill(game, skill, SkillGain(game, skill) * fraction, true);
}

}  // namespace zaldrun
