// The item types of a running game: Items.dat's records, the type table with its per-game
// appearances, and the affixes of Affixes.dat.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "records/item_type_table.hpp"

namespace zaldrun {


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
