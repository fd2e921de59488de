#include "combat/attack_time.hpp"

#include <algorithm>

#include "base/numbers.hpp"
#include "model/game.hpp"
#include "records/game_enums.hpp"
#include "records/item_record.hpp"
#include "records/item_type_table.hpp"

namespace zaldrun {

namespace {

constexpr int kPlainTurn = 1000;

const ItemRecord* Held(const Game& game, int hand) {
  const int slot = hand == hand::kLeft ? equipment_slot::kLeftHand : equipment_slot::kRightHand;
  const ItemRecord& item = game.world.hero.equipment[static_cast<size_t>(slot)];
  if (item.count <= 0 || item.type < 1 || item.type > kItemTypeCount) return nullptr;
  return &item;
}

const ItemType& TypeOf(const Game& game, const ItemRecord& item) {
  return game.world.item_types[static_cast<size_t>(item.type)];
}

bool IsWeapon(const Game& game, const ItemRecord* item) {
  return item != nullptr && TypeOf(game, *item).category == item_category::kWeapon;
}

// A weapon's attack time; anything else strikes in a plain turn.
int AttackTime(const Game& game, int hand) {
  const ItemRecord* item = Held(game, hand);
  if (!IsWeapon(game, item)) return kPlainTurn;
  const int time = TypeOf(game, *item).speed;
  return time > 0 ? time : kPlainTurn;
}

int SkillRounded(const Game& game, int skill) {
  if (skill < 1 || skill > kSkillCount) return 0;
  return static_cast<int>(RoundHalfEven(game.world.hero.SkillAt(skill).value));
}

}  // namespace

bool HasOffHandWeapon(const Game& game) {
  const auto& attack = game.world.hero.attack;
  return attack.damage_kind[AttackProfile::Component(hand::kLeft, 0)] != 0 &&
         IsWeapon(game, Held(game, hand::kLeft));
}

int HeldItemType(const Game& game, int hand) {
  const ItemRecord* item = Held(game, hand);
  return item != nullptr ? item->type : 0;
}

int HandSkill(const Game& game, int hand) {
  const ItemRecord* item = Held(game, hand);
  if (!IsWeapon(game, item)) return 0;
  const int skill = TypeOf(game, *item).skill_class;
  return skill >= 1 && skill <= 12 ? skill : 0;
}

int MeleeAttackCost(const Game& game, int hand, bool killed) {
  double cost = kPlainTurn;
  if (!HasOffHandWeapon(game)) {
    // One hand: a weapon strikes faster with skill; fists and anything else take a plain turn.
    if (IsWeapon(game, Held(game, hand::kRight))) {
      cost =
          AttackTime(game, hand::kRight) - 12 * SkillRounded(game, HandSkill(game, hand::kRight));
    }
  } else {
    const int dual = SkillRounded(game, skill::kDualWielding);
    const int main_time = AttackTime(game, hand::kRight);
    if (hand == hand::kLeft) {
      // Both blows were struck: the pair is charged, whether the second one killed or not.
      cost = RoundHalfEven((main_time + AttackTime(game, hand::kLeft)) * 0.9 - 30.0 * dual);
    } else if (killed) {
      cost = RoundHalfEven(main_time * 0.8 - 10.0 * dual);
    } else {
      return 0;
    }
  }
  return std::max(kMinimumAttackCost, static_cast<int>(cost));
}

}  // namespace zaldrun
