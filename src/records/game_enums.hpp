// The coded values the data files and the game share, each declared once with the word the data
// sources use for it: the game reads the constants, the data compiler and the dumper the words.
// Each list is X(constant, value, "word").
#pragma once

#include <cstdint>

// Damage kinds 1..10 (1..3 physical).
#define ZALDRUN_DAMAGE_KINDS(X)                                                             \
  X(kPhysical1, 1, "physical_1") X(kPhysical2, 2, "physical_2") X(kPhysical3, 3, "physical_3") \
  X(kMagic, 4, "magic") X(kFire, 5, "fire") X(kCold, 6, "cold")                              \
  X(kElectricity, 7, "electricity") X(kAcid, 8, "acid") X(kHoly, 9, "holy") X(kDark, 10, "dark")

// Attributes 0..8.
#define ZALDRUN_ATTRIBUTES(X)                                                            \
  X(kStrength, 0, "strength") X(kIntellect, 1, "intellect") X(kWill, 2, "will")          \
  X(kDexterity, 3, "dexterity") X(kEndurance, 4, "endurance") X(kCharisma, 5, "charisma") \
  X(kAppearance, 6, "appearance") X(kMagicLink, 7, "magic_link") X(kPerception, 8, "perception")

// Creature classes 0..16: the slaying entries of items and affixes name them by number, a
// monster's class bits hold class n as bit 1 << n.
#define ZALDRUN_CREATURE_CLASSES(X)                                                           \
  X(kHumanoid, 0, "humanoid") X(kAnimal, 1, "animal") X(kUndead, 2, "undead")                  \
  X(kDemon, 3, "demon") X(kHuman, 4, "human") X(kOrc, 5, "orc") X(kIntelligent, 6, "intelligent") \
  X(kPlant, 7, "plant") X(kInsect, 8, "insect") X(kSpider, 9, "spider") X(kElf, 10, "elf")      \
  X(kReptile, 11, "reptile") X(kDragon, 12, "dragon") X(kGiant, 13, "giant")                   \
  X(kGolem, 14, "golem") X(kEvil, 15, "evil") X(kGood, 16, "good")

// Grammatical genders 0..3.
#define ZALDRUN_GENDERS(X) \
  X(kMasculine, 0, "masculine") X(kFeminine, 1, "feminine") X(kNeuter, 2, "neuter") X(kPlural, 3, "plural")

// Bits of a monster type's flags.
#define ZALDRUN_MONSTER_FLAGS(X)                                                          \
  X(kPiercesArmour, 1, "pierces_armour") X(kPoisonous, 2, "poisonous")                   \
  X(kAvoidsTraps, 4, "avoids_traps") X(kRegenerates, 8, "regenerates")                   \
  X(kHalfMissileDamage, 16, "half_missile_damage") X(kParalysing, 32, "paralysing")       \
  X(kParalysisImmune, 64, "paralysis_immune") X(kAlarm, 128, "alarm")                    \
  X(kDrainsAttribute, 256, "drains_attribute") X(kExtraLoot, 512, "extra_loot")          \
  X(kRichLoot, 1024, "rich_loot")

// A monster type's four attack slots, by the field the monster source gives each. Slot 1 is
// carried by the record but read by nothing.
#define ZALDRUN_MONSTER_ATTACKS(X)                                             \
  X(kMelee, 0, "melee_attack") X(kSpare, 1, "spare_attack") X(kMissile, 2, "missile_attack") \
  X(kBreath, 3, "breath_attack")

// Monster action codes that have an action of their own. Codes 6 (a blow with no message of its
// own), 7, 43 and 44 (no action at all) are left out on purpose: data naming them would do nothing
// or worse.
#define ZALDRUN_MONSTER_ACTIONS(X)                                                              \
  X(kWait, 0, "wait") X(kHit, 1, "hit") X(kBite, 2, "bite") X(kSting, 3, "sting")               \
  X(kClaw, 4, "claw") X(kTouch, 5, "touch") X(kThrow, 8, "throw") X(kShootBow, 9, "shoot_bow")  \
  X(kShootCrossbow, 10, "shoot_crossbow") X(kApproach, 11, "approach") X(kRetreat, 12, "retreat") \
  X(kDrink, 13, "drink") X(kBreathe, 21, "breathe") X(kSpitAcid, 22, "spit_acid")               \
  X(kParalysingGaze, 24, "paralysing_gaze") X(kHypnoticGaze, 25, "hypnotic_gaze")               \
  X(kMindBlast, 26, "mind_blast") X(kSpellMissile, 29, "spell_missile")                         \
  X(kSummonSpider, 30, "summon_spider") X(kSlowHero, 31, "slow_hero") X(kHasteAlly, 32, "haste_ally") \
  X(kHealAlly, 33, "heal_ally") X(kEnrageAlly, 34, "enrage_ally") X(kRedGlow, 35, "red_glow")   \
  X(kFlameAlly, 36, "flame_ally") X(kShieldAlly, 37, "shield_ally")                             \
  X(kWeakenHero, 38, "weaken_hero") X(kBlink, 41, "blink") X(kSummon, 42, "summon")

// Item categories 0..9; they are also the groups of a pile.
#define ZALDRUN_ITEM_CATEGORIES(X)                                                          \
  X(kWeapon, 0, "weapon") X(kArmour, 1, "armour") X(kMiscellany, 2, "miscellany")            \
  X(kJewellery, 3, "jewellery") X(kPotion, 4, "potion") X(kScroll, 5, "scroll")              \
  X(kBook, 6, "book") X(kWand, 7, "wand") X(kFood, 8, "food") X(kAmmunition, 9, "ammunition")

// The hero's races 1..5 and classes 1..4.
#define ZALDRUN_RACES(X) \
  X(kHuman, 1, "human") X(kElf, 2, "elf") X(kOrc, 3, "orc") X(kDwarf, 4, "dwarf") X(kTroll, 5, "troll")
#define ZALDRUN_HERO_CLASSES(X) \
  X(kWarrior, 1, "warrior") X(kArcher, 2, "archer") X(kWanderer, 3, "wanderer") X(kBarbarian, 4, "barbarian")

#define ZALDRUN_INT_CONSTANT(name, value, word) inline constexpr int name = value;
#define ZALDRUN_BIT_CONSTANT(name, value, word) inline constexpr int32_t name = value;
#define ZALDRUN_CLASS_BIT(name, value, word) inline constexpr int32_t name = int32_t{1} << value;

namespace zaldrun {

namespace damage_kind {
ZALDRUN_DAMAGE_KINDS(ZALDRUN_INT_CONSTANT)
}
namespace attribute {
ZALDRUN_ATTRIBUTES(ZALDRUN_INT_CONSTANT)
inline constexpr uint8_t kNone = 200;  // a skill's missing second attribute
}  // namespace attribute
namespace creature_class {
ZALDRUN_CREATURE_CLASSES(ZALDRUN_INT_CONSTANT)
}
// The class bits of a monster type: monster_class::kUndead is creature_class::kUndead's bit.
namespace monster_class {
ZALDRUN_CREATURE_CLASSES(ZALDRUN_CLASS_BIT)
}
namespace gender {
ZALDRUN_GENDERS(ZALDRUN_INT_CONSTANT)
}
namespace monster_flag {
ZALDRUN_MONSTER_FLAGS(ZALDRUN_BIT_CONSTANT)
}
namespace monster_attack {
ZALDRUN_MONSTER_ATTACKS(ZALDRUN_INT_CONSTANT)
}
namespace monster_action {
ZALDRUN_MONSTER_ACTIONS(ZALDRUN_INT_CONSTANT)
}
namespace item_category {
ZALDRUN_ITEM_CATEGORIES(ZALDRUN_INT_CONSTANT)
}
namespace races {
ZALDRUN_RACES(ZALDRUN_INT_CONSTANT)
}
namespace classes {
ZALDRUN_HERO_CLASSES(ZALDRUN_INT_CONSTANT)
}

}  // namespace zaldrun

#undef ZALDRUN_INT_CONSTANT
#undef ZALDRUN_BIT_CONSTANT
#undef ZALDRUN_CLASS_BIT
