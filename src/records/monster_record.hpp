// Monsters.dat: the 661-byte record of one monster type, its byte layout, its range checks and the
// words the data sources use for its enum-like fields.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "records/data_words.hpp"

namespace zaldrun {

inline constexpr std::string_view kMonstersFileName = "Monsters.dat";
inline constexpr size_t kMonsterRecordSize = 661;
inline constexpr int kMonsterTypeCount = 85;
inline constexpr size_t kMonsterNameWidth = 30;
inline constexpr size_t kMonsterHandlerWidth = 12;
inline constexpr int kMonsterResistances = 10;
inline constexpr int kMonsterAttackSlots = 4;
inline constexpr int kMonsterActionEntries = 6;
inline constexpr int kMonsterLootRows = 10;
inline constexpr int kMonsterLootChoices = 5;
inline constexpr int kMonsterLootEntries = kMonsterLootRows * kMonsterLootChoices;
// The talk handler name of a creature that does not answer; a blank name means the same.
inline constexpr std::string_view kSilentTalk = "NoAns";

// One decoded record. Texts are UTF-8 with the trailing blanks cut; arrays are indexed from 0
// (damage kind k and action entry n of the game's rules sit at index k - 1 and n - 1).
struct MonsterTypeRecord {
  std::string name;         // nominative: the subject of monster messages
  std::string name_object;  // after "ударил " and "Ты убил "; also after "Раны "
  std::string name_dative;  // after "Ты промахнулся по "
  std::string name_instrumental;  // after "Под ", ", брошенный " and "был убит "
  int32_t class_bits = 0;
  int32_t flags = 0;
  std::array<int16_t, kMonsterResistances> resistances{};
  int32_t experience = 0;
  int16_t hp_low = 0;
  int16_t hp_high = 0;
  std::array<int16_t, kMonsterAttackSlots> damage_low{};
  std::array<int16_t, kMonsterAttackSlots> damage_high{};
  std::array<int16_t, kMonsterAttackSlots> damage_kind{};
  int16_t defence_low = 0;
  int16_t defence_high = 0;
  int16_t attack_low = 0;
  int16_t attack_high = 0;
  int16_t speed_low = 0;
  int16_t speed_high = 0;
  int16_t action_parameter = 0;
  std::string behaviour;
  int16_t reserved_short = 0;  // not read by the game
  int32_t reserved_long = 0;   // not read by the game
  std::array<int16_t, kMonsterActionEntries> action_codes{};
  std::array<uint8_t, kMonsterActionEntries> action_weights{};
  std::array<int16_t, kMonsterActionEntries> action_limits{};
  // Loot: ten rows of five choices; choice j of row i sits at LootIndex(i, j). The first choice of
  // the first row is also what throwers and archers shoot.
  std::array<uint8_t, kMonsterLootEntries> loot_type{};
  std::array<int16_t, kMonsterLootEntries> loot_percent{};
  std::array<int16_t, kMonsterLootEntries> loot_count_low{};
  std::array<int16_t, kMonsterLootEntries> loot_count_high{};
  std::array<uint8_t, kMonsterLootEntries>
      loot_blessing{};  // the blessing request of item creation
  uint8_t on_hit_chance = 0;
  int16_t on_hit_low = 0;
  int16_t on_hit_high = 0;
  int16_t on_hit_attribute = 0;
  std::string talk;

  // Row 1..10, choice 1..5.
  static constexpr size_t LootIndex(int row, int choice) {
    return static_cast<size_t>((choice - 1) * kMonsterLootRows + (row - 1));
  }
  // Resistance against damage kind 1..10; 0 for any other kind.
  int16_t Resistance(int kind) const {
    return kind >= 1 && kind <= kMonsterResistances ? resistances[static_cast<size_t>(kind - 1)]
                                                    : 0;
  }
  bool HasFlag(int32_t flag) const { return (flags & flag) != 0; }
  bool HasClass(int32_t bit) const { return (class_bits & bit) != 0; }
  // True when some action entry carries the code.
  bool HasAction(int code) const;

  bool operator==(const MonsterTypeRecord&) const = default;
};

// Exactly kMonsterRecordSize bytes; texts in Windows-1251, blank-padded.
std::vector<uint8_t> EncodeMonsterRecord(const MonsterTypeRecord& record);
// Decodes the first kMonsterRecordSize bytes; nothing when fewer are given.
std::optional<MonsterTypeRecord> DecodeMonsterRecord(std::span<const uint8_t> bytes);

// A fault of one record: the field as the data source names it, and what is wrong.
struct MonsterRecordFault {
  std::string field;
  std::string message;
};

// Range and consistency checks of one record (numbers, texts, action codes, loot rows).
std::vector<MonsterRecordFault> ValidateMonsterRecord(const MonsterTypeRecord& record);

// Grammar checks of the four name forms against the type's fixed gender (0 masculine, 1 feminine,
// 2 neuter, 3 plural): endings that fit the gender, forms that differ where Russian makes them
// differ, and actions whose messages need a form the type cannot give.
std::vector<MonsterRecordFault> CheckMonsterGrammar(const MonsterTypeRecord& record, int gender);

}  // namespace zaldrun
