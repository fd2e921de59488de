// Putting items on and taking them off: the blessing factor, every figure an item gives and takes
// back, the curse rules, and the hand figures of weapons, launchers and ammunition.
#include "items/equipment.hpp"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "engine/attributes.hpp"
#include "hero_game.hpp"
#include "items/hand_figures.hpp"
#include "items/item_maker.hpp"
#include "items/pack.hpp"
#include "items/piles.hpp"

namespace zaldrun {
namespace {

using testing::HeroGame;
using testing::Item;
namespace slot = equipment_slot;

constexpr int kShortSword = 57;  // class 1, damage 2..6, kind 1
constexpr int kDagger = 5;       // class 3, damage 1..4
constexpr int kCleaver = 11;     // "Колун", both hands
constexpr int kShield = 26;      // armour held in one hand
constexpr int kHelmet = 24;
constexpr int kPlateArmour = 124;  // speed -9, defence -3
constexpr int kEnduranceRing = 43;
constexpr int kWeaknessRing = 173;  // curses itself, strength -5
constexpr int kForestAmulet = 206;  // protections, attributes, strong regeneration, poison
constexpr int kShortBow = 94;       // launcher figure 10
constexpr int kArrow = 98;          // damage 1..4
constexpr int kCrossbow = 100;
constexpr int kStone = 2;        // sling ammunition
constexpr int kDart = 36;        // thrown by hand
constexpr int kMisericord = 76;  // pierces armour
constexpr uint8_t kMithril = 13;

ItemRecord Blessed(int type, uint8_t blessing) {
  ItemRecord item = Item(type);
  item.blessing = blessing;
  return item;
}

int Low(const Hero& hero, int h, int c = 0) {
  return hero.attack.damage_low[AttackProfile::Component(h, c)];
}
int High(const Hero& hero, int h, int c = 0) {
  return hero.attack.damage_high[AttackProfile::Component(h, c)];
}
int Kind(const Hero& hero, int h, int c = 0) {
  return hero.attack.damage_kind[AttackProfile::Component(h, c)];
}

// Every figure the equipment may touch, as text, to compare before and after.
std::string Figures(const Hero& h) {
  std::string text;
  auto add = [&text](auto... values) { ((text += std::to_string(values) + " "), ...); };
  for (int a = 0; a < kAttributeCount; ++a) {
    add(h.attributes.equipment[static_cast<size_t>(a)], h.Current(a));
  }
  for (int k = 1; k <= kDamageKinds; ++k) add(h.resistance_bonus[static_cast<size_t>(k)]);
  add(h.defence_bonus, h.speed_bonus, h.regen_rate, h.life_drain, h.ward, h.paralysis_resistance,
      h.confusion_resistance, h.poison_resistance, h.anti_slowing, h.absorption, h.experience_bonus,
      h.fortune_bonus, h.missile_critical, h.max_hp, h.max_pp, Low(h, 0), High(h, 0));
  return text;
}

TEST(BlessingFactor, ScalesByTheStateKnownOrNotAndReversedBlessingTurnsItRound) {
  struct Case {
    uint8_t blessing;
    int32_t kind;
    int factor;
    int plus_five;
    int minus_five;
  };
  const Case cases[] = {
      {blessing::kBlessed, 0, 2, 6, -6},
      {blessing::kBlessedUnknown, 0, 2, 6, -6},
      {blessing::kUncursed, 0, 1, 5, -5},
      {blessing::kUncursedUnknown, 0, 1, 5, -5},
      {blessing::kCursed, 0, 0, 4, -4},
      {blessing::kCursedUnknown, 0, 0, 4, -4},
      {blessing::kCursed, item_kind::kReversedBlessing, 2, 6, -6},
      {blessing::kBlessed, item_kind::kReversedBlessing, 0, 4, -4},
  };
  for (const Case& c : cases) {
    ItemRecord item = Item(1);
    item.blessing = c.blessing;
    const int b = BlessingFactor(item, c.kind);
    EXPECT_EQ(b, c.factor) << int{c.blessing};
    EXPECT_EQ(ScaleByBlessing(b, 5), c.plus_five) << int{c.blessing};
    EXPECT_EQ(ScaleByBlessing(b, -5), c.minus_five) << int{c.blessing};
  }
  EXPECT_EQ(ScaleByBlessing(2, 4), 4) << "Int(4.8)";
  EXPECT_EQ(ScaleByBlessing(0, 7), 5) << "Int(5.6)";
}

// The factor for every state is BlessingFactor's; here it reaches the worn figures and follows a
// change of the blessing.
TEST(Equipment, ABlessedPlusFiveGivesSixACursedOneFourAndAChangeRescales) {
  HeroGame g;
  // Endurance is modifier 6; the plain material adds nothing.
  g.game().data.items.descriptions[kEnduranceRing - 1].attribute_modifiers[5] = 5;
  ASSERT_TRUE(g.Equip(Blessed(kEnduranceRing, blessing::kUncursed), slot::kRightRing));
  EXPECT_EQ(g.hero().attributes.equipment[attribute::kEndurance], 5);
  EXPECT_EQ(g.hero().Current(attribute::kEndurance), 35 + 5);
  ChangeWornBlessing(g.game(), slot::kRightRing, blessing::kBlessed);
  EXPECT_EQ(g.hero().attributes.equipment[attribute::kEndurance], 6);
  ChangeWornBlessing(g.game(), slot::kRightRing, blessing::kCursed);
  EXPECT_EQ(g.hero().attributes.equipment[attribute::kEndurance], 4);
  EXPECT_EQ(g.hero().Current(attribute::kEndurance), 35 + 4);
}

TEST(Equipment, TakingAnItemOffGivesBackExactlyWhatPuttingItOnGave) {
  struct Case {
    int type;
    int slot;
    uint8_t blessing;
    uint8_t material;
  };
  const Case cases[] = {{kForestAmulet, slot::kNeck, blessing::kBlessed, 5},
                        {kPlateArmour, slot::kBody, blessing::kUncursed, kMithril},
                        {150, slot::kCloak, blessing::kBlessed, 7},  // Мантия Мага, silk
                        {38, slot::kLeftRing, blessing::kUncursed, 19},    // critical hits
                        {199, slot::kNeck, blessing::kUncursed, 5},        // damage reduction
                        {92, slot::kNeck, blessing::kBlessed, 5},          // drains life
                        {182, slot::kRightHand, blessing::kBlessed, 20}};  // the archmage's staff
  for (const Case& c : cases) {
    HeroGame g;
    const std::string before = Figures(g.hero());
    ItemRecord item = Blessed(c.type, c.blessing);
    item.material = c.material;
    ASSERT_TRUE(g.Equip(item, c.slot)) << c.type;
    EXPECT_NE(Figures(g.hero()), before) << c.type << " changes the hero";
    ASSERT_TRUE(TakeOff(g.game(), c.slot)) << c.type;
    EXPECT_EQ(Figures(g.hero()), before) << c.type;
    EXPECT_EQ(g.pack().count, 1) << "back in the pack";
  }
}

TEST(Equipment, WornFiguresOfAnArtifactAmulet) {
  HeroGame g;
  ASSERT_TRUE(g.Equip(Blessed(kForestAmulet, blessing::kBlessed), slot::kNeck));
  const Hero& h = g.hero();
  EXPECT_EQ(h.resistance_bonus[damage_kind::kFire], 3) << "Int(1.2 × 3)";
  EXPECT_EQ(h.resistance_bonus[damage_kind::kCold], 6) << "Int(1.2 × 5)";
  EXPECT_EQ(h.attributes.equipment[attribute::kPerception], 3) << "Int(1.2 × 3)";
  EXPECT_EQ(h.regen_rate, 200 - (70 + 10 * 2)) << "strong regeneration";
  EXPECT_EQ(h.poison_resistance, 4 + 2 * 2);
}

TEST(Equipment, KindBitsGiveTheirHeroFigures) {
  struct Case {
    int type;
    int slot;
    std::function<int(const Hero&)> figure;
    int expected;
  };
  const Case cases[] = {
      {31, slot::kNeck, [](const Hero& h) { return h.regen_rate; }, 200 - 40},
      {91, slot::kRightRing, [](const Hero& h) { return h.regen_rate; }, 200 - 80},
      {41, slot::kBoots, [](const Hero& h) { return h.anti_slowing; }, 6},
      {120, slot::kNeck, [](const Hero& h) { return h.ward; }, 9},
      {199, slot::kNeck, [](const Hero& h) { return h.absorption; }, 2},
      {33, slot::kNeck, [](const Hero& h) { return h.poison_resistance; }, 6},
      {187, slot::kNeck, [](const Hero& h) { return h.paralysis_resistance; }, 10},
      {39, slot::kNeck, [](const Hero& h) { return h.confusion_resistance; }, 10},
      {47, slot::kNeck, [](const Hero& h) { return h.experience_bonus; }, 2},
      {44, slot::kRightRing, [](const Hero& h) { return h.experience_bonus; }, 3},
      {92, slot::kNeck, [](const Hero& h) { return h.life_drain; }, 1},
      {38, slot::kRightRing, [](const Hero& h) { return h.fortune_bonus; }, 15},
      {38, slot::kRightRing, [](const Hero& h) { return h.missile_critical; }, 12},
  };
  for (const Case& c : cases) {
    HeroGame g;
    ASSERT_TRUE(g.Equip(Item(c.type), c.slot)) << c.type;
    EXPECT_EQ(c.figure(g.hero()), c.expected) << c.type;
  }
}

TEST(Equipment, ArmourFollowsItsMaterialAndBonusesAndAWarriorFeelsLessOfItsWeight) {
  for (const uint8_t hero_class : {classes::kArcher, classes::kWarrior}) {
    HeroGame g;
    g.hero().hero_class = hero_class;
    ItemRecord armour = Item(kPlateArmour);
    armour.material = kMithril;
    ASSERT_TRUE(g.Equip(armour, slot::kBody));
    EXPECT_EQ(g.hero().defence_bonus, -4) << "Round(-3 × 1.4)";
    EXPECT_EQ(g.hero().speed_bonus, hero_class == classes::kWarrior ? -6 : -9);
  }

  HeroGame g;
  ItemRecord helmet = Item(kHelmet);
  helmet.bonus1 = 2;
  helmet.bonus2 = 3;
  ASSERT_TRUE(g.Equip(helmet, slot::kHead));
  EXPECT_EQ(g.hero().resistance_bonus[damage_kind::kPhysical1], 3 + 2);
  EXPECT_EQ(g.hero().resistance_bonus[damage_kind::kPhysical3], 2 + 2);
  EXPECT_EQ(g.hero().defence_bonus, 3);
}

TEST(Equipment, CursedItemsStayOnButAmmunitionComesOff) {
  HeroGame g;
  ASSERT_TRUE(g.Equip(Blessed(kEnduranceRing, blessing::kCursed), slot::kRightRing));
  EXPECT_FALSE(TakeOff(g.game(), slot::kRightRing));
  EXPECT_EQ(g.Message(), kCursedItemMessage);
  EXPECT_EQ(g.slot(slot::kRightRing).count, 1);

  g.ClearMessage();
  ASSERT_TRUE(g.Equip(Blessed(kHelmet, blessing::kCursedUnknown), slot::kHead));
  EXPECT_FALSE(TakeOff(g.game(), slot::kHead));
  EXPECT_EQ(g.Message(), kCursedItemMessage);
  EXPECT_EQ(g.slot(slot::kHead).blessing, blessing::kCursed) << "the curse is known now";

  ItemRecord stones = Blessed(kStone, blessing::kCursed);
  stones.count = 12;
  ASSERT_TRUE(g.Equip(stones, slot::kAmmunition));
  EXPECT_TRUE(TakeOff(g.game(), slot::kAmmunition));
  EXPECT_EQ(g.slot(slot::kAmmunition).count, 0);
  EXPECT_EQ(g.pack().groups[item_category::kAmmunition].at(0).count, 12);

  // An item that curses itself turns cursed when put on.
  g.ClearMessage();
  ASSERT_TRUE(g.Equip(Blessed(kWeaknessRing, blessing::kUncursedUnknown), slot::kLeftRing));
  EXPECT_EQ(g.slot(slot::kLeftRing).blessing, blessing::kCursed);
  EXPECT_NE(g.Message().find(" на пару секунд окружается красным сиянием."), std::string::npos)
      << g.Message();
  EXPECT_EQ(g.hero().attributes.equipment[attribute::kStrength], -5)
      << "strength is modifier 2: not scaled by the blessing";
  EXPECT_FALSE(TakeOff(g.game(), slot::kLeftRing));
}

TEST(Equipment, TakingOffTheLauncherTakesItsAmmunitionAlong) {
  HeroGame g;
  ASSERT_TRUE(g.Equip(Item(kShortBow), slot::kLauncher));
  ASSERT_TRUE(g.Equip(Item(kArrow, 20), slot::kAmmunition));
  ASSERT_TRUE(TakeOff(g.game(), slot::kLauncher));
  EXPECT_EQ(g.slot(slot::kLauncher).count, 0);
  EXPECT_EQ(g.slot(slot::kAmmunition).count, 0);
  EXPECT_EQ(g.pack().count, 2);
  EXPECT_FALSE(MissileReady(g.game()));
}

TEST(Equipment, AFullPackKeepsTheItemWorn) {
  HeroGame g;
  ASSERT_TRUE(g.Equip(Item(kHelmet), slot::kHead));
  for (int i = 0; i < kGroupPlaces; ++i) {
    ItemRecord filler = Item(kShield);
    filler.bonus1 = static_cast<int16_t>(i);  // a hundred stacks of different kinds
    ASSERT_TRUE(AddToPile(g.game(), 0, filler));
  }
  EXPECT_FALSE(TakeOff(g.game(), slot::kHead));
  EXPECT_EQ(g.Message(), kPackFullMessage);
  EXPECT_EQ(g.slot(slot::kHead).count, 1);
  EXPECT_EQ(g.hero().resistance_bonus[damage_kind::kPhysical1], 3) << "its effects stay";
}

TEST(Equipment, StrengthFromAWornItemReachesTheBurdenAndTheHands) {
  HeroGame g;
  RecomputeDerived(g.game(), attribute::kStrength);
  ASSERT_EQ(g.hero().max_weight, 2177) << "strength 35";
  ASSERT_TRUE(g.Equip(Item(7), slot::kRightHand));  // "Большая Дубина", 4..13
  EXPECT_EQ(High(g.hero(), hand::kRight), 13);
  ChangeBurden(g.game(), 2300 - g.hero().carried_weight);
  ASSERT_EQ(g.hero().burden, burden::kOverburdened);
  ASSERT_TRUE(g.Equip(Item(152), slot::kBelt));  // "Пояс Великана": strength +4
  EXPECT_EQ(g.hero().max_weight, 2445) << "strength 39";
  EXPECT_EQ(g.hero().burden, burden::kBurdened) << "the load weighed against the new capacity";
  EXPECT_EQ(High(g.hero(), hand::kRight), 14) << "Round(1.04 × 13)";
}

// --- The hand figures.

TEST(HandFigures, BareHandsFollowTheStrength) {
  for (const auto& [strength, low, high] :
       {std::tuple{35, 2, 4}, std::tuple{50, 2, 5}, std::tuple{70, 4, 7}}) {
    HeroGame g;
    g.hero().attributes.natural[attribute::kStrength] = static_cast<int16_t>(strength);
    RecomputeDerived(g.game(), attribute::kStrength);
    RebuildHands(g.game());
    EXPECT_EQ(Low(g.hero(), hand::kRight), low) << strength;
    EXPECT_EQ(Low(g.hero(), hand::kRight), BareHandLow(strength)) << "the mark of a bare hand";
    EXPECT_EQ(High(g.hero(), hand::kRight), high) << strength;
    EXPECT_EQ(Kind(g.hero(), hand::kRight), damage_kind::kPhysical3);
    EXPECT_EQ(Kind(g.hero(), hand::kLeft), 0) << "no second weapon";
  }
}

TEST(HandFigures, AWeaponsDamageGrowsWithSkillStrengthAndMaterial) {
  HeroGame g;
  Hero& h = g.hero();
  h.attributes.natural[attribute::kStrength] = 45;  // damage factor 1.1
  RecomputeDerived(g.game(), attribute::kStrength);
  h.SkillAt(1).combat_value1 = 7;   // to-hit figure
  h.SkillAt(1).combat_value2 = 10;  // damage figure, percent
  ItemRecord sword = Item(kShortSword);
  sword.bonus1 = 2;
  sword.bonus2 = 1;
  ASSERT_TRUE(g.Equip(sword, slot::kRightHand));
  EXPECT_EQ(Low(h, hand::kRight), 3) << "Round(1.2 × 2) + 1";
  EXPECT_EQ(High(h, hand::kRight), 8) << "Round(1.2 × 6) + 1";
  EXPECT_EQ(Kind(h, hand::kRight), damage_kind::kPhysical1);
  EXPECT_EQ(h.attack.to_hit[hand::kRight], 2 + 7);

  h.attributes.natural[attribute::kStrength] = 55;  // 1.2
  RecomputeDerived(g.game(), attribute::kStrength);
  RebuildHands(g.game());
  EXPECT_EQ(Low(h, hand::kRight), 4) << "Round(1.3 × 2) + 1";
  EXPECT_EQ(High(h, hand::kRight), 9) << "Round(1.3 × 6) + 1";

  ASSERT_TRUE(TakeOff(g.game(), slot::kRightHand));
  ASSERT_TRUE(RemoveFromPlace(g.game(), 0, item_category::kWeapon, 1, 1));
  sword.material = 3;  // steel: damage × 1.1
  ASSERT_TRUE(g.Equip(sword, slot::kRightHand));
  EXPECT_EQ(Low(h, hand::kRight), 4) << "Round(1.3 × 2 × 1.1) + 1";
  EXPECT_EQ(High(h, hand::kRight), 10) << "Round(1.3 × 6 × 1.1) + 1";
}

TEST(HandFigures, ExtraDamageSlayingAndPiercingFollowTheBlessing) {
  HeroGame g;
  ItemDescription& d = g.game().data.items.descriptions[kShortSword - 1];
  d.damage_kind[1] = damage_kind::kFire;
  d.damage_min[1] = 2;
  d.damage_max[1] = 5;
  d.special_codes[0] = creature_class::kUndead;
  d.special_strengths[0] = 0.5f;
  d.special_values[0] = 2;
  d.kind |= item_kind::kPiercesArmour;
  ASSERT_TRUE(g.Equip(Blessed(kShortSword, blessing::kBlessed), slot::kRightHand));
  const Hero& h = g.hero();
  EXPECT_EQ(Kind(h, hand::kRight, 1), damage_kind::kFire);
  EXPECT_EQ(Low(h, hand::kRight, 1), 2) << "Int(1.1 × 2)";
  EXPECT_EQ(High(h, hand::kRight, 1), 5) << "Int(1.1 × 5)";
  EXPECT_FLOAT_EQ(h.attack.slay_multiplier[AttackProfile::Slay(hand::kRight, 2)], 0.6f)
      << "a fraction is scaled, not cut to a whole";
  EXPECT_EQ(h.attack.slay_bonus[AttackProfile::Slay(hand::kRight, 2)], 2) << "Int(1.2 × 2)";
  EXPECT_EQ(h.attack.ignores_resistance[hand::kRight], 1);
  ASSERT_TRUE(TakeOff(g.game(), slot::kRightHand));
  EXPECT_EQ(h.attack.slay_multiplier[AttackProfile::Slay(hand::kRight, 2)], 0.0f);
  EXPECT_EQ(h.attack.ignores_resistance[hand::kRight], 0);
}

TEST(HandFigures, TheLeftHandStrikesOnlyWithAWeaponAndPiercingCountsInItsHand) {
  HeroGame g;
  ASSERT_TRUE(g.Equip(Item(kMisericord), slot::kRightHand));
  EXPECT_EQ(g.hero().attack.ignores_resistance[hand::kRight], 1);
  EXPECT_FALSE(g.Equip(Item(kCleaver), slot::kRightHand)) << "the right hand is taken";
  EXPECT_EQ(g.slot(slot::kRightHand).type, kMisericord);
  ASSERT_TRUE(g.Equip(Item(kDagger), slot::kLeftHand));
  EXPECT_EQ(Kind(g.hero(), hand::kLeft), damage_kind::kPhysical2);
  ASSERT_TRUE(TakeOff(g.game(), slot::kLeftHand));
  ASSERT_TRUE(g.Equip(Item(kShield), slot::kLeftHand));
  EXPECT_EQ(Kind(g.hero(), hand::kLeft), 0) << "a shield does not strike";
  EXPECT_EQ(g.hero().defence_bonus, 3);
  EXPECT_EQ(g.hero().attack.ignores_resistance[hand::kLeft], 0);
}

TEST(HandFigures, ShotsTakeTheLauncherFigureThrowsTheStrength) {
  HeroGame g;
  Hero& h = g.hero();
  h.SkillAt(9).combat_value1 = 5;
  h.SkillAt(9).combat_value2 = 20;
  ItemRecord bow = Item(kShortBow);
  bow.material = 9;  // wood: damage × 0.9, so L = 9
  bow.bonus1 = 1;
  ASSERT_TRUE(g.Equip(bow, slot::kLauncher));
  EXPECT_EQ(h.attack.launcher, 9);
  EXPECT_FALSE(MissileReady(g.game())) << "no arrows yet";
  ASSERT_TRUE(g.Equip(Item(kArrow, 30), slot::kAmmunition));
  EXPECT_TRUE(MissileReady(g.game()));
  EXPECT_EQ(Low(h, hand::kMissile), 1) << "Round((0.2 + 1.09) × 1)";
  EXPECT_EQ(High(h, hand::kMissile), 5) << "Round(1.29 × 4)";
  EXPECT_EQ(h.attack.to_hit[hand::kMissile], 5 + 1) << "the skill and the bow's bonus";

  HeroGame thrower;
  thrower.hero().attributes.natural[attribute::kStrength] = 55;  // 1.2
  RecomputeDerived(thrower.game(), attribute::kStrength);
  ASSERT_TRUE(thrower.Equip(Item(kDart, 5), slot::kAmmunition));
  EXPECT_EQ(Low(thrower.hero(), hand::kMissile), 2) << "Round((0 + 1.2) × 2)";
  EXPECT_EQ(High(thrower.hero(), hand::kMissile), 6) << "Round(1.2 × 5)";
}

TEST(HandFigures, AmmunitionForAnotherLauncherCannotBeShot) {
  HeroGame g;
  g.slot(slot::kLauncher) = Item(kCrossbow);
  g.slot(slot::kAmmunition) = Item(kArrow, 10);
  RebuildHands(g.game());
  EXPECT_FALSE(MissileReady(g.game()));
  g.slot(slot::kLauncher) = ItemRecord{};
  g.slot(slot::kAmmunition) = Item(kStone, 10);
  RebuildHands(g.game());
  EXPECT_TRUE(MissileReady(g.game())) << "sling stones thrown by hand";
}

}  // namespace
}  // namespace zaldrun
