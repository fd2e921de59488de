// The hero's melee figures for each hand, read from what he holds in equipment slots 6 and 7 and
// the items' descriptions, and the time a blow or a pair of blows takes.
#pragma once

#include <array>

namespace zaldrun {

struct Game;

inline constexpr int kMainHand = 0;
inline constexpr int kOffHand = 1;
inline constexpr int kCreatureClasses = 31;  // slaying tables hold classes 0..30

// What one hand strikes with. Component 0 is the weapon's own damage, 1..3 extra damage of other
// kinds (kind 0: no such component).
struct HandFigures {
  int item_type = 0;  // 0: the hand is empty (the right hand then fights bare)
  bool weapon = false;
  int skill = 0;   // the weapon skill 1..12 that governs it, 0 none
  int to_hit = 0;  // added to the hero's general to-hit
  int attack_time = 1000;
  std::array<int, 4> low{};
  std::array<int, 4> high{};
  std::array<int, 4> kind{};
  bool ignores_resistance = false;
  std::array<float, kCreatureClasses> slay_multiplier{};
  std::array<int, kCreatureClasses> slay_bonus{};
};

// The right hand (0; bare fists when slot 6 is empty) or the left hand (1; only a weapon there
// strikes, a shield does not).
HandFigures HeroHand(const Game& game, int hand);
// True when the left hand holds a weapon, so that it strikes after the right.
bool HasOffHandWeapon(const Game& game);

// The fewest energy units any attack costs, however skilled the hero.
inline constexpr int kMinimumAttackCost = 100;

// The time to charge after the blow of `hand`; 0 when nothing is due yet (the right-hand blow that
// a left-hand blow follows: the pair is charged once, after the second blow).
int MeleeAttackCost(const Game& game, int hand, bool killed);

}  // namespace zaldrun
