// The monsters' behaviours, called by name each time a monster may act: the standard one (wake,
// choose an action, approach), standing still and the shopkeeper's post; and their building
// blocks: the applicable actions, doing one, and the spell-casters' murmurs.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>

#include "records/monster_record.hpp"

namespace zaldrun {

struct Game;

// What a monster makes of the hero this moment: how far he is, and whether it sees him (the sight
// line is only traced when a rule asks).
class MonsterSight {
 public:
  MonsterSight() = default;
  // A sight whose answer is already known.
  MonsterSight(bool sees_hero, int distance) : distance_(distance), sees_(sees_hero ? 1 : 0) {}

  // Measured on the first question, like the sight line: a monster awake and far away never asks.
  int distance() const;
  bool SeesHero() const;

 private:
  friend MonsterSight LookAtHero(const Game& game, int slot);
  const Game* game_ = nullptr;
  int x_ = 0;
  int y_ = 0;
  mutable int distance_ = 0;  // -1 until measured
  mutable int sees_ = -1;      // -1 until traced
};
MonsterSight LookAtHero(const Game& game, int slot);

// A monster wakes when it sees the hero closer than this.
inline constexpr int kWakeDistance = 11;

// The standard behaviour: a hostile monster that sees the hero near wakes (an alarm type wakes the
// whole level); asleep it drifts a random step and saves no energy; awake it acts while it has
// 1000 energy, choosing among its applicable actions or else approaching the hero. It stops at
// once when the game ends or the monster is gone.
void StndAI(Game& game, int slot);
// Stands still while peaceful; once angered behaves as StndAI.
void HoldStill(Game& game, int slot);
// Keeps its post at the shop door while peaceful (one post while the hero owes money, another
// while he does not); once angered behaves as StndAI.
void ShopKeeper(Game& game, int slot);

// The applicable entries of the type's six actions, in order: each entry's action code and its
// weight.
struct ActionChoices {
  std::array<uint8_t, kMonsterActionEntries> actions{};
  std::array<uint8_t, kMonsterActionEntries> weights{};
  size_t count = 0;

  std::span<const uint8_t> Actions() const { return {actions.data(), count}; }
  std::span<const uint8_t> Weights() const { return {weights.data(), count}; }
};
ActionChoices ChekActions(Game& game, int slot, const MonsterSight& sight);
// Performs one action: 0, 7, 43, 44 spend the turn; 1..6 a melee blow of that kind; 11 a step
// toward the hero, 12 a step away; the others are the special actions (monster_powers.hpp).
void DoAction(Game& game, int action, int slot);
// A spell-caster's murmur, when it is intelligent and sees the hero.
void Mumble(Game& game, int slot, const MonsterSight& sight);

}  // namespace zaldrun
