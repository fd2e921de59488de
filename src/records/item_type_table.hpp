// The item types' constant table and the decoding of Items.dat and Affixes.dat with full checks.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "records/affix_record.hpp"
#include "records/item_record.hpp"

namespace zaldrun {

inline constexpr char kItemsFileName[] = "Items.dat";
inline constexpr char kAffixesFileName[] = "Affixes.dat";

// One entry of the item-type table, built at start-up; knowledge, appearance and colour change
// per game and are saved with it.
struct ItemType {
  uint8_t category = 0;     // 0..9
  uint8_t skill_class = 0;  // 0 none, 1..12 the weapon skill
  uint8_t glyph = 0;        // Windows-1251 code of the map glyph
  int32_t colour = 0;       // red + 256 * green + 65536 * blue
  uint8_t knowledge = 0;    // 1 = known
  uint8_t appearance = 0;   // 0, or 1..50 dealt from the type's pool
  int16_t weight = 0;       // 20 units are 1 kg
  uint8_t gender = 0;       // 0 masculine, 1 feminine, 2 neuter, 3 plural only
  int16_t speed = 0;        // attack time, wearer's speed change, or nutrition
  int32_t price = 0;
  uint8_t level = 0;      // 200 = never made at random
  uint8_t frequency = 0;  // weight among random candidates
  AppearancePool pool = AppearancePool::kNone;
};

// Well-known types that code refers to by number.
namespace item_type {
inline constexpr int kVodka = 9;
inline constexpr int kEar = 17;
inline constexpr int kBread = 28;
inline constexpr int kHealingPotion = 30;
inline constexpr int kWater = 66;
inline constexpr int kMoney = 117;
inline constexpr int kNote = 134;
inline constexpr int kStoneTablet = 142;
inline constexpr int kBracelet = 181;
inline constexpr int kForestArtefact = 206;
inline constexpr int kGoblinGift = 46;
}  // namespace item_type

// The constant table, as the game starts it: knowledge initial, no appearances, pool colours 0.
const ItemType& BaseItemType(int type);
// The facts the record checks need about a type (1..207).
ItemRecordContext RecordContextOf(int type);

// Decodes and checks every record of Items.dat's bytes. On success fills `out` with 207
// records and returns an empty text; otherwise a message naming the file, record and fault.
std::string DecodeItemsFile(std::span<const uint8_t> bytes, std::vector<ItemDescription>* out);
// The same for Affixes.dat: 400 records, each list ending in a record of level 0.
std::string DecodeAffixesFile(std::span<const uint8_t> bytes, std::vector<AffixRecord>* out);

}  // namespace zaldrun
