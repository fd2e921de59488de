// The rolls every attack shares: the to-hit chance, a damage roll that never heals, the hero's
// protection against a damage kind and the game's rounding.
#pragma once

#include <algorithm>

#include "base/numbers.hpp"
#include "model/chance.hpp"
#include "model/game.hpp"

namespace zaldrun::hit_rolls {

inline int Rounded(double value) { return static_cast<int>(RoundHalfEven(value)); }

// t² / (t² + d²), kept as single precision; no to-hit never hits.
inline float HitChance(int to_hit, int defence) {
  const double t2 = static_cast<double>(to_hit) * to_hit;
  const double sum = t2 + static_cast<double>(defence) * defence;
  return sum > 0 ? static_cast<float>(t2 / sum) : 0.0f;
}

// low..high (in either order) reduced by the protection, never below 0.
inline int Roll(Game& game, int low, int high, int protection) {
  if (high < low) std::swap(low, high);
  return std::max(0, static_cast<int>(RollResisted(game, low, high, protection)));
}

// The hero's protection (base and from worn items) against damage kind 1..10.
inline int HeroProtection(const Hero& hero, int kind) {
  if (kind < 1 || kind > kDamageKinds) return 0;
  return hero.resistance_base[static_cast<size_t>(kind)] +
         hero.resistance_bonus[static_cast<size_t>(kind)];
}

// The hero's defence value against a missile or spell.
inline int HeroDefence(const Hero& hero) { return hero.defence + hero.defence_bonus; }

}  // namespace zaldrun::hit_rolls
