#include "combat/hand_figures.hpp"

#include <algorithm>
#include <cmath>

#include "base/numbers.hpp"
#include "model/game.hpp"
#include "records/game_enums.hpp"
#include "records/item_type_table.hpp"
#include "records/materials.hpp"

namespace zaldrun {

namespace {

constexpr int kRightHandSlot = 6;
constexpr int kLeftHandSlot = 7;
constexpr int kBareHandKind = damage_kind::kPhysical1;
// Kind bits of an item's description that matter to its blows.
constexpr int32_t kPiercesArmour = 4;
constexpr int32_t kBlessingReversed = 262144;

int Rounded(double value) { return static_cast<int>(RoundHalfEven(value)); }

const ItemRecord* HeldItem(const Game& game, int slot) {
  const ItemRecord& item = game.world.hero.equipment[static_cast<size_t>(slot)];
  if (item.count <= 0 || item.type < 1 || item.type > kItemTypeCount) return nullptr;
  return &item;
}

bool IsWeapon(const ItemRecord& item) {
  return BaseItemType(item.type).category == item_category::kWeapon;
}

// 0 cursed, 1 uncursed, 2 blessed, whether known or not; reversed by the kind bit.
int BlessingFactor(const ItemRecord& item, int32_t kind) {
  int b = item.blessing >= 3 ? item.blessing - 3 : item.blessing;
  b = std::clamp(b, 0, 2);
  return (kind & kBlessingReversed) != 0 ? 2 - b : b;
}

// Bare fists: the strength of the blow and nothing else.
HandFigures BareHand(const Game& game) {
  HandFigures hand;
  const int fist = std::max(1, Rounded(game.world.hero.Current(attribute::kStrength) / 20.0));
  hand.low[0] = fist;
  hand.high[0] = fist + 2;
  hand.kind[0] = kBareHandKind;
  return hand;
}

HandFigures ItemHand(const Game& game, const ItemRecord& item) {
  const Hero& hero = game.world.hero;
  const ItemType& type = BaseItemType(item.type);
  HandFigures hand;
  hand.item_type = item.type;
  hand.weapon = type.category == item_category::kWeapon;
  hand.skill = type.skill_class >= 1 && type.skill_class <= 12 ? type.skill_class : 0;
  hand.attack_time = type.speed > 0 ? type.speed : 1000;
  hand.to_hit = item.bonus1;
  int damage_figure = 0;
  if (hand.skill != 0) {
    hand.to_hit += hero.SkillAt(hand.skill).combat_value1;
    damage_figure = hero.SkillAt(hand.skill).combat_value2;
  }
  const auto& descriptions = game.data.items.descriptions;
  if (static_cast<size_t>(item.type) > descriptions.size()) return hand;
  const ItemDescription& d = descriptions[static_cast<size_t>(item.type - 1)];
  const MaterialType* material = FindMaterial(item.material);
  const double material_factor = material != nullptr ? material->damage_factor : 1.0;
  const double scale = (damage_figure / 100.0 + hero.damage_factor) * material_factor;
  const int b = BlessingFactor(item, d.kind);
  hand.low[0] = Rounded(scale * d.damage_min[0]);
  hand.high[0] = Rounded(scale * d.damage_max[0]);
  hand.kind[0] = d.damage_kind[0] != 0 ? d.damage_kind[0] : kBareHandKind;
  for (size_t c = 1; c < 4; ++c) {
    if (d.damage_kind[c] == 0) continue;
    hand.low[c] = static_cast<int>(std::floor((b + 9) * 0.1 * d.damage_min[c]));
    hand.high[c] = static_cast<int>(std::floor((b + 9) * 0.1 * d.damage_max[c]));
    hand.kind[c] = d.damage_kind[c];
  }
  hand.ignores_resistance = (d.kind & kPiercesArmour) != 0;
  for (size_t e = 0; e < d.special_codes.size(); ++e) {
    const size_t target = d.special_codes[e];
    if (target >= static_cast<size_t>(kCreatureClasses)) continue;
    hand.slay_multiplier[target] += static_cast<float>((b + 4) * 0.2 * d.special_strengths[e]);
    hand.slay_bonus[target] += static_cast<int>(std::floor((b + 4) * 0.2 * d.special_values[e]));
  }
  return hand;
}

int SkillRounded(const Game& game, int skill) {
  return skill >= 1 && skill <= kSkillCount ? Rounded(game.world.hero.SkillAt(skill).value) : 0;
}

}  // namespace

HandFigures HeroHand(const Game& game, int hand) {
  if (hand == kOffHand) {
    const ItemRecord* item = HeldItem(game, kLeftHandSlot);
    if (item == nullptr || !IsWeapon(*item)) return HandFigures{};
    return ItemHand(game, *item);
  }
  const ItemRecord* item = HeldItem(game, kRightHandSlot);
  return item != nullptr ? ItemHand(game, *item) : BareHand(game);
}

bool HasOffHandWeapon(const Game& game) {
  const ItemRecord* item = HeldItem(game, kLeftHandSlot);
  return item != nullptr && IsWeapon(*item);
}

int MeleeAttackCost(const Game& game, int hand, bool killed) {
  const bool pair = HasOffHandWeapon(game);
  const HandFigures main = HeroHand(game, kMainHand);
  double cost = 1000;
  if (!pair) {
    // One hand: a weapon strikes faster with skill; fists and anything else take a plain turn.
    if (main.item_type != 0 && main.weapon) {
      cost = main.attack_time - 12 * SkillRounded(game, main.skill);
    }
  } else {
    const int dual = SkillRounded(game, skill::kDualWielding);
    const int main_time = main.item_type != 0 ? main.attack_time : 1000;
    if (hand == kOffHand) {
      // Both blows were struck: the pair is charged, whether the second one killed or not.
      cost = RoundHalfEven((main_time + HeroHand(game, kOffHand).attack_time) * 0.9 - 30.0 * dual);
    } else if (killed) {
      cost = RoundHalfEven(main_time * 0.8 - 10.0 * dual);
    } else {
      return 0;
    }
  }
  return std::max(kMinimumAttackCost, static_cast<int>(cost));
}

}  // namespace zaldrun
