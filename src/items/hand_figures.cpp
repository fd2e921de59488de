#include "items/hand_figures.hpp"

#include <algorithm>
#include <string_view>

#include "base/byte_record.hpp"
#include "base/numbers.hpp"
#include "engine/skills.hpp"
#include "items/equipment.hpp"
#include "items/pack.hpp"
#include "model/game.hpp"
#include "records/materials.hpp"

namespace zaldrun {
namespace {

constexpr int kFirstLauncherClass = 9;  // bows; crossbows 10, slings 11
constexpr int kSlingClass = 11;
constexpr int kThrownClass = 12;  // thrown by hand, never from a launcher
constexpr int kLastWeaponSkill = 12;
constexpr std::string_view kBlessingEnd = "UnBless";

int Rounded(double value) { return static_cast<int>(RoundHalfEven(value)); }

double DamageFactorOf(int material) {
  const MaterialType* m = FindMaterial(material);
  return m != nullptr ? m->damage_factor : 1.0;
}

const ItemRecord& Worn(const Game& game, int slot) {
  return game.world.hero.equipment[static_cast<size_t>(slot)];
}
bool Holds(const Game& game, int slot) {
  const ItemRecord& item = Worn(game, slot);
  return item.count > 0 && item.type >= 1 && item.type <= kItemTypeCount;
}
const ItemType& TypeOf(const Game& game, const ItemRecord& item) {
  return game.world.item_types[static_cast<size_t>(item.type)];
}
bool HoldsWeapon(const Game& game, int slot) {
  return Holds(game, slot) && TypeOf(game, Worn(game, slot)).category == item_category::kWeapon;
}

void ClearHand(AttackProfile& a, int h) {
  a.to_hit[static_cast<size_t>(h)] = 0;
  for (int c = 0; c < kDamageComponents; ++c) {
    a.damage_low[AttackProfile::Component(h, c)] = 0;
    a.damage_high[AttackProfile::Component(h, c)] = 0;
    a.damage_kind[AttackProfile::Component(h, c)] = 0;
  }
  a.ignores_resistance[static_cast<size_t>(h)] = 0;
  for (int k = 0; k < kSlayClasses; ++k) {
    a.slay_multiplier[AttackProfile::Slay(h, k)] = 0;
    a.slay_bonus[AttackProfile::Slay(h, k)] = 0;
  }
}

// The slaying entries and the armour piercing of an item add to hand h.
void AddSpecials(AttackProfile& a, int h, const ItemDescription& d, int b) {
  if ((d.kind & item_kind::kPiercesArmour) != 0) {
    uint8_t& count = a.ignores_resistance[static_cast<size_t>(h)];
    if (count < 255) ++count;
  }
  for (size_t i = 0; i < d.special_codes.size(); ++i) {
    const int code = d.special_codes[i];
    const float strength = d.special_strengths[i];
    const int value = d.special_values[i];
    if ((strength == 0 && value == 0) || code >= kSlayClasses) continue;
    // A multiplier is a fraction (0.5 more damage against undead): scaled, not cut to a whole.
    a.slay_multiplier[AttackProfile::Slay(h, code)] += static_cast<float>((b + 4) * 0.2 * strength);
    int16_t& bonus = a.slay_bonus[AttackProfile::Slay(h, code)];
    bonus = Clamp16(bonus + ScaleByBlessing(b, value));
  }
}

// Fills hand h from a weapon or ammunition; `factor` is the damage factor of its blows (the
// strength's, or the launcher's for shots).
void FillHand(Game& game, int h, const ItemRecord& item, double factor) {
  AttackProfile& a = game.world.hero.attack;
  const int skill_class = TypeOf(game, item).skill_class;
  const ItemDescription d = LoadFullDescription(game, item);
  const int b = BlessingFactor(item, d.kind);
  int to_hit_figure = 0;
  int damage_figure = 0;
  if (skill_class >= 1 && skill_class <= kLastWeaponSkill) {
    const Skill& skill = game.world.hero.SkillAt(skill_class);
    to_hit_figure = skill.combat_value1;
    damage_figure = skill.combat_value2;
  }
  const double scale = (damage_figure / 100.0 + factor) * DamageFactorOf(item.material);
  const size_t base = AttackProfile::Component(h, 0);
  const int low = std::max(0, Rounded(scale * d.damage_min[0]) + item.bonus2);
  const int high = std::max(low, Rounded(scale * d.damage_max[0]) + item.bonus2);
  a.damage_low[base] = Clamp16(low);
  a.damage_high[base] = Clamp16(high);
  // A weapon always strikes with some kind: one without a kind in its record strikes as a blade.
  a.damage_kind[base] = d.damage_kind[0] != 0 ? d.damage_kind[0] : damage_kind::kPhysical1;
  for (int c = 1; c < kDamageComponents; ++c) {
    const size_t i = static_cast<size_t>(c);
    if (d.damage_kind[i] == 0) continue;
    const size_t at = AttackProfile::Component(h, c);
    a.damage_low[at] = Clamp16(ScaleExtraDamage(b, d.damage_min[i]));
    a.damage_high[at] = Clamp16(ScaleExtraDamage(b, d.damage_max[i]));
    a.damage_kind[at] = d.damage_kind[i];
  }
  int16_t& to_hit = a.to_hit[static_cast<size_t>(h)];
  to_hit = Clamp16(to_hit + item.bonus1 + to_hit_figure);
  AddSpecials(a, h, d, b);
}

void BareHands(Game& game) {
  AttackProfile& a = game.world.hero.attack;
  const int strength = game.world.hero.Current(attribute::kStrength);
  const size_t base = AttackProfile::Component(hand::kRight, 0);
  a.damage_low[base] = Clamp16(BareHandLow(strength));
  a.damage_high[base] = Clamp16(BareHandHigh(strength));
  a.damage_kind[base] = damage_kind::kPhysical3;
}

void Missiles(Game& game) {
  AttackProfile& a = game.world.hero.attack;
  a.launcher = 0;
  const bool has_launcher = Holds(game, equipment_slot::kLauncher);
  const ItemRecord launcher = Worn(game, equipment_slot::kLauncher);
  if (has_launcher) a.launcher = Clamp16(LauncherFigure(game, launcher));
  if (!Holds(game, equipment_slot::kAmmunition)) return;
  const ItemRecord ammo = Worn(game, equipment_slot::kAmmunition);
  const int ammo_class = TypeOf(game, ammo).skill_class;
  const bool shot = has_launcher && ammo_class >= kFirstLauncherClass &&
                    ammo_class < kThrownClass && TypeOf(game, launcher).skill_class == ammo_class;
  const bool thrown = ammo_class == kThrownClass || (ammo_class == kSlingClass && !has_launcher);
  if (!shot && !thrown) return;  // ammunition for another launcher: nothing to shoot
  const double factor = shot ? a.launcher / 100.0 + 1 : game.world.hero.damage_factor;
  FillHand(game, hand::kMissile, ammo, factor);
  if (shot) {
    int16_t& to_hit = a.to_hit[hand::kMissile];
    to_hit = Clamp16(to_hit + launcher.bonus1);
    const ItemDescription d = LoadFullDescription(game, launcher);
    AddSpecials(a, hand::kMissile, d, BlessingFactor(launcher, d.kind));
  }
}

// The to-hit a blessing gives every hand for as long as it glows: what its "UnBless" will take
// back.
int BlessingToHit(const Game& game) {
  int total = 0;
  for (int slot = 1; slot <= game.world.event_count; ++slot) {
    const EventSlot& event = game.world.events[static_cast<size_t>(slot)];
    if (TrimRight(event.name) == kBlessingEnd) total += event.parameter;
  }
  return total;
}

}  // namespace

int LauncherFigure(Game& game, const ItemRecord& launcher) {
  const ItemDescription& d = LoadFullDescription(game, launcher);
  const int b = BlessingFactor(launcher, d.kind);
  const int figure = Rounded(d.damage_min[0] * DamageFactorOf(launcher.material)) + launcher.bonus2;
  return figure > 0 ? ScaleByBlessing(b, figure) : figure;
}

int BareHandLow(int strength) { return Rounded(strength / 20.0); }
int BareHandHigh(int strength) { return std::max(BareHandLow(strength), Rounded(strength / 10.0)); }

void RebuildHands(Game& game) {
  AttackProfile& a = game.world.hero.attack;
  for (int h = 0; h < kHands; ++h) ClearHand(a, h);
  const int blessing = BlessingToHit(game);
  for (int16_t& to_hit : a.to_hit) to_hit = Clamp16(blessing);
  if (HoldsWeapon(game, equipment_slot::kRightHand)) {
    FillHand(game, hand::kRight, Worn(game, equipment_slot::kRightHand),
             game.world.hero.damage_factor);
  } else {
    BareHands(game);
  }
  if (HoldsWeapon(game, equipment_slot::kLeftHand)) {
    FillHand(game, hand::kLeft, Worn(game, equipment_slot::kLeftHand),
             game.world.hero.damage_factor);
  }
  Missiles(game);
}

void TrainWeaponSkill(Game& game, int skill, double fraction) {
  if (skill < 1 || skill > kLastWeaponSkill) return;
  const Skill& trained = game.world.hero.SkillAt(skill);
  const int16_t to_hit = trained.combat_value1;
  const int16_t damage = trained.combat_value2;
  TrainSkill(game, skill, fraction);
  if (trained.combat_value1 != to_hit || trained.combat_value2 != damage) RebuildHands(game);
}

bool MissileReady(const Game& game) {
  return game.world.hero.attack.damage_kind[AttackProfile::Component(hand::kMissile, 0)] != 0;
}

}  // namespace zaldrun
