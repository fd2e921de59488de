#include "engine/attributes.hpp"

#include <algorithm>
#include <cmath>

#include "model/game.hpp"
#include "model/world_ops.hpp"

namespace zaldrun {
namespace {

int16_t Rounded(double value) { return Clamp16(static_cast<long long>(RoundHalfEven(value))); }

// Hit points per level follow will and endurance; never negative, so a level never costs health.
void HitPointsPerLevel(Hero& hero) {
  const double athletics = std::floor(hero.SkillAt(skill::kAthletics).value);
  const double gain = athletics * 3 + (hero.Current(attribute::kEndurance) - 10) * 0.4 +
                      (hero.Current(attribute::kWill) - 25) / 6.0 + 1;
  hero.hp_per_level = std::max<int16_t>(0, Rounded(gain));
}

// Power points per level; after a change of will the magic-link term is (link - 10) / 2, after a
// change of the link itself it is link / 2.
void PowerPointsPerLevel(Hero& hero, bool after_will) {
  const double link = hero.Current(attribute::kMagicLink);
  const double will = hero.Current(attribute::kWill);
  const double gain =
      std::pow(link / 35, 2) + (will - 25) / 5 + (after_will ? (link - 10) / 2 : link / 2) + 1;
  hero.pp_per_level = std::max<int16_t>(0, Rounded(gain));
}

}  // namespace

void RecomputeDerived(Game& game, int a) {
  if (a < 0 || a >= kAttributeCount) return;
  Hero& hero = game.world.hero;
  Attributes& at = hero.attributes;
  const size_t i = static_cast<size_t>(a);
  const long long sum = static_cast<long long>(at.natural[i]) + at.equipment[i] +
                        at.temporary_a[i] + at.temporary_b[i];
  at.current[i] = std::max<int16_t>(1, Clamp16(sum));
  const double value = at.current[i];
  switch (a) {
    case attribute::kStrength:
      hero.max_weight =
          static_cast<int32_t>(RoundHalfEven(std::pow(value / 10, 2) * 12 + value * 58));
      hero.damage_factor = static_cast<float>((value - 35) * 0.01 + 1);
      break;
    case attribute::kIntellect:
      hero.skill_points_per_level =
          static_cast<uint8_t>(std::clamp<int>(Rounded(value * 0.3 + 5), 0, 255));
      break;
    case attribute::kWill:
      HitPointsPerLevel(hero);
      PowerPointsPerLevel(hero, true);
      break;
    case attribute::kDexterity: {
      hero.to_hit = Rounded(value / 2 + 3);
      const double dodging = hero.SkillAt(skill::kDodging).value;
      hero.defence = Rounded(std::pow((value + 120) / 36, 2) + value / 4 - 6 + (dodging - 2) * 4.4);
      const double athletics = hero.SkillAt(skill::kAthletics).value;
      hero.speed_base = Clamp16(static_cast<long long>(std::floor(value / 4 + 94)) +
                                static_cast<long long>(std::floor(athletics / 2)));
      break;
    }
    case attribute::kEndurance: {
      const int16_t resistance = value >= 26 ? Rounded((value - 20) / 15) : 0;
      for (int kind = 1; kind <= 3; ++kind)
        hero.resistance_base[static_cast<size_t>(kind)] = resistance;
      HitPointsPerLevel(hero);
      break;
    }
    case attribute::kCharisma:
      hero.price_factor = static_cast<float>(std::max(0.5, 1 - (value - 35) * 0.01));
      break;
    case attribute::kMagicLink:
      PowerPointsPerLevel(hero, false);
      break;
    case attribute::kPerception:
      hero.sight_radius =
          static_cast<uint8_t>(std::clamp<int>(Rounded(std::sqrt(value * 0.5) * 3 - 1), 0, 255));
      break;
    default:
      break;
  }
}

void RecomputeAllDerived(Game& game) {
  for (int a = 0; a < kAttributeCount; ++a) RecomputeDerived(game, a);
}

}  // namespace zaldrun
