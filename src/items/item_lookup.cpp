#include "items/item_lookup.hpp"

#include <cmath>
#include <limits>

#include "model/game.hpp"

namespace zaldrun {

const ItemType* FindItemType(const Game& game, int type) {
  if (type < 1 || type > kItemTypeCount) return nullptr;
  return &game.world.item_types[static_cast<size_t>(type)];
}

const ItemDescription* FindDescription(const Game& game, int type) {
  const auto& descriptions = game.data.items.descriptions;
  if (type < 1 || type > kItemTypeCount || descriptions.size() != kItemTypeCount) return nullptr;
  return &descriptions[static_cast<size_t>(type - 1)];
}

const AffixRecord* FindAffix(const Game& game, int record) {
  const auto& affixes = game.data.items.affixes;
  if (record < 1 || static_cast<size_t>(record) > affixes.size()) return nullptr;
  const AffixRecord& affix = affixes[static_cast<size_t>(record - 1)];
  return affix.EndsList() ? nullptr : &affix;
}

int CategoryOf(const Game& game, int type) {
  const ItemType* entry = FindItemType(game, type);
  return entry != nullptr && entry->category < 10 ? entry->category : -1;
}

int64_t WholePart(double value) {
  // Figures are decimals of a few places; a millionth absorbs the error of their binary forms.
  const double whole = std::floor(value + 1e-6);
  if (whole >= static_cast<double>(std::numeric_limits<int64_t>::max())) {
    return std::numeric_limits<int64_t>::max();
  }
  if (whole <= static_cast<double>(std::numeric_limits<int64_t>::min())) {
    return std::numeric_limits<int64_t>::min();
  }
  return static_cast<int64_t>(whole);
}

int32_t Clamp32(int64_t value) {
  if (value > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
  if (value < std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
  return static_cast<int32_t>(value);
}

}  // namespace zaldrun
