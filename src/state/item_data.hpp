// The item types of a running game: Items.dat's records, the type table with its per-game
// appearances, and the affixes of Affixes.dat.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "state/affix_record.hpp"
#include "state/item_record.hpp"

namespace zaldrun {

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

struct ItemData {
  // Records of Items.dat, index type - 1; empty until the files are loaded.
  std::vector<ItemDescription> descriptions;
  // Records of Affixes.dat, index record - 1 (prefixes 0..199, suffixes 200..399).
  std::vector<AffixRecord> affixes;
  // The type table, index 1..207 (0 is no type).
  std::array<ItemType, kItemTypeCount + 1> types{};
  // The current description: the record the last operation read.
  ItemDescription current;
  int current_type = 0;

  bool Loaded() const {
    return descriptions.size() == static_cast<size_t>(kItemTypeCount) &&
           affixes.size() == static_cast<size_t>(kAffixRecordCount);
  }
};

}  // namespace zaldrun
