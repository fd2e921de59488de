// The affix record: one 97-byte record of Affixes.dat (prefixes in records 1..200, suffixes in
// 201..400), its byte codec and its checks.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace zaldrun {

inline constexpr size_t kAffixRecordSize = 97;
inline constexpr int kAffixRecordCount = 400;
inline constexpr int kAffixListLength = 200;  // records per list (prefixes, then suffixes)
inline constexpr int kPrefixTextCount = 49;   // prefixes 1..49 have names (texts 501..549)
inline constexpr int kSuffixTextCount = 55;   // suffixes 1..55 have names (texts 701..755)
// Bits of the allowed mask: slots 1..13 for the slot test, weapon skill classes 1..12.
inline constexpr int32_t kAffixMaskBits = (1 << 13) - 1;

struct AffixRecord {
  uint8_t level = 0;  // 0 ends the list
  uint8_t frequency = 0;
  int32_t allowed_mask = 0;
  int32_t unused = 0;
  float price_multiplier = 1.0f;
  int16_t price_addend = 0;
  std::array<int16_t, 10> attribute_addends{};  // attribute modifiers 1..10
  std::array<int16_t, 9> resistance_addends{};  // resistances 0..8
  float damage_multiplier = 1.0f;
  int16_t damage_addend = 0;
  float attribute_multiplier = 1.0f;  // for attribute modifiers 1..3
  int16_t extra_damage_min = 0;
  int16_t extra_damage_max = 0;
  uint8_t extra_damage_kind = 0;
  int16_t luck_addend = 0;    // the item's first equipment value
  int16_t health_addend = 0;  // second
  int16_t mana_addend = 0;    // third
  std::array<int32_t, 2> kind_flags{};
  std::array<uint8_t, 2> special_codes{};
  std::array<float, 2> special_strengths{};
  std::array<int16_t, 2> special_values{};

  bool EndsList() const { return level == 0; }
  bool operator==(const AffixRecord&) const = default;
};

std::vector<uint8_t> EncodeAffixRecord(const AffixRecord& record);
// Decodes one record; false when `bytes` is not exactly one record long.
bool DecodeAffixRecord(std::span<const uint8_t> bytes, AffixRecord* record);

// Checks one record's ranges; a list-ending record (level 0) must be all zero.
std::vector<std::string> ValidateAffixRecord(const AffixRecord& record);

// The record a list ends with: all zeros.
AffixRecord EndOfListAffix();

}  // namespace zaldrun
