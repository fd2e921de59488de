// The item description: one 337-byte record of Items.dat per item type, its byte codec and its
// checks, and the words the data sources use for the record's coded values.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "records/data_words.hpp"

namespace zaldrun {

inline constexpr size_t kItemRecordSize = 337;
inline constexpr int kItemTypeCount = 207;
inline constexpr size_t kItemNameWidth = 30;
inline constexpr size_t kHandlerNameWidth = 12;
inline constexpr size_t kMaterialChoiceCount = 10;
// The padding of the weight and material texts; never a weight of its own.
inline constexpr uint8_t kPaddingByte = 32;

// The per-game appearance pools: the kinds of items whose looks are dealt anew each game.
enum class AppearancePool : uint8_t { kNone, kPotion, kScroll, kAmulet, kRing, kWand };

// One record of Items.dat, field by field in file order. Names are kept right-trimmed (UTF-8);
// the weight and material texts are kept as their raw byte codes.
struct ItemDescription {
  std::string name_one;   // identified, count 1 and counts ending in 1 (not 11)
  std::string name_many;  // identified, counts ending in 0, 5..9 and 11..19
  std::string name_few;   // identified, counts ending in 2..4 (not 12..14)
  std::string unknown_one;
  std::string unknown_many;
  std::string unknown_few;
  std::array<uint8_t, 3> blessing_weights{};                     // cursed, uncursed, blessed
  std::array<uint8_t, kMaterialChoiceCount> material_weights{};  // padded with blanks
  std::array<uint8_t, kMaterialChoiceCount> material_choices{};  // material 1..20, blank padded
  std::string handler;                  // effect handler name, right-trimmed, may be empty
  std::string second_handler;           // never used; kept blank
  std::array<int16_t, 4> damage_min{};  // entry 0 the base damage, 1..3 extra damage
  std::array<int16_t, 4> damage_max{};
  std::array<uint8_t, 4> damage_kind{};  // damage kinds 1..10; 0 = entry absent
  int16_t second_bonus_low = 0;          // wands: the aiming mode
  int16_t second_bonus_high = 0;
  std::array<int16_t, 10> attribute_modifiers{};  // modifiers 1..10 at indices 0..9
  uint8_t slot = 0;                               // equipment slot 1..13, 0 = not worn
  int16_t first_bonus_low = 0;                    // wands: lowest charges
  int16_t first_bonus_high = 0;                   // wands: highest charges
  std::array<int16_t, 9> resistances{};           // protection for damage kinds 1..9
  int16_t luck = 0;
  int16_t health_bonus = 0;
  int16_t mana_bonus = 0;
  int32_t kind = 0;                        // kind bits
  std::array<uint8_t, 4> special_codes{};  // creature class 0..16 of a slaying entry
  std::array<float, 4> special_strengths{};
  std::array<int16_t, 4> special_values{};
  int16_t stack_min = 1;
  int16_t stack_max = 1;
  uint8_t survival = 0;  // ammunition: the per cent chance a shot piece lands whole

  // Material choices in use (up to the blank padding) and their weights.
  int MaterialCount() const;

  bool operator==(const ItemDescription&) const = default;
};

std::vector<uint8_t> EncodeItemDescription(const ItemDescription& description);
// Decodes one record; false when `bytes` is not exactly one record long.
bool DecodeItemDescription(std::span<const uint8_t> bytes, ItemDescription* description);

// What the checks need to know of the type beyond its record (from the item-type table).
struct ItemRecordContext {
  int category = 0;     // 0..9
  int skill_class = 0;  // 0..12
  int gender = 0;       // 0 masculine, 1 feminine, 2 neuter, 3 plural only
  AppearancePool pool = AppearancePool::kNone;
};

// Checks one record against its type: ranges, names and their agreement, slots, blessings,
// materials, wand aiming and scroll flags. Each problem is one text naming the field.
std::vector<std::string> ValidateItemRecord(const ItemDescription& description,
                                            const ItemRecordContext& context);

// Name forms: the three forms of one name must agree in number (see the checks' texts).
std::vector<std::string> CheckNameForms(std::string_view field, std::string_view one,
                                        std::string_view many, std::string_view few, int gender);

// Bit values of the kind field.
namespace item_kind {
inline constexpr int32_t kNoPrefix = 1;
inline constexpr int32_t kNoSuffix = 2;
inline constexpr int32_t kNoAffixes = kNoPrefix | kNoSuffix;
inline constexpr int32_t kPiercesArmour = 4;
inline constexpr int32_t kDrainsLife = 8;
inline constexpr int32_t kRegeneration = 16;
inline constexpr int32_t kStrongRegeneration = 32;
inline constexpr int32_t kCursesItself = 64;
inline constexpr int32_t kPreventsSlowing = 128;
inline constexpr int32_t kRepelsSummoned = 256;
inline constexpr int32_t kDamageReduction1 = 512;
inline constexpr int32_t kDamageReduction2 = 1024;
inline constexpr int32_t kPoisonResistance = 4096;
inline constexpr int32_t kParalysisResistance = 8192;
inline constexpr int32_t kClearMind = 16384;
inline constexpr int32_t kExperience10 = 32768;
inline constexpr int32_t kExperience15 = 65536;
inline constexpr int32_t kArtifact = 131072;
inline constexpr int32_t kReversedBlessing = 262144;
inline constexpr int32_t kCriticalHits = 524288;
}  // namespace item_kind

// Equipment slots 1..15 of the hero, and the slot an item record names (1..13).
namespace equipment_slot {
inline constexpr int kHead = 1;
inline constexpr int kNeck = 2;
inline constexpr int kBody = 3;
inline constexpr int kBelt = 4;
inline constexpr int kCloak = 5;
inline constexpr int kRightHand = 6;  // an item record's slot 6: held in one hand
inline constexpr int kLeftHand = 7;   // an item record's slot 7: needs both hands
inline constexpr int kRightRing = 8;  // an item record's slot 8: a ring, which fits slot 15 too
inline constexpr int kBracelet = 9;
inline constexpr int kGloves = 10;
inline constexpr int kBoots = 11;
inline constexpr int kLauncher = 12;
inline constexpr int kAmmunition = 13;
inline constexpr int kOther = 14;
inline constexpr int kLeftRing = 15;
}  // namespace equipment_slot

// The words of the data sources for the record's own coded values; damage kinds, protections,
// attribute modifiers and creature classes are in data_words.hpp.
// Kind bits.
std::span<const DataWord> ItemPropertyWords();
// Equipment slots of item records.
std::span<const DataWord> ItemSlotWords();
// Wand aiming modes 0..2.
std::span<const DataWord> WandAimingWords();
// Every kind bit the game knows.
int32_t KnownKindBits();

}  // namespace zaldrun
