#include "items/item_types.hpp"

#include <cmath>

#include "base/file_io.hpp"
#include "model/game.hpp"
#include "records/text_table.hpp"

namespace zaldrun {

namespace {

constexpr uint32_t kScrollColour = 16777215;
constexpr int kPoolSize = 50;

int PoolTextBase(AppearancePool pool) {
  switch (pool) {
    case AppearancePool::kPotion:
      return text_ids::kPotionBase;
    case AppearancePool::kAmulet:
      return text_ids::kAmuletBase;
    case AppearancePool::kRing:
      return text_ids::kRingBase;
    case AppearancePool::kWand:
      return text_ids::kWandBase;
    default:
      return 0;
  }
}

// The uniform pick that removes what it deals: entry 1 + Int(r * n), drawn in single precision.
int DealFromPool(std::vector<int>& pool, Random& random) {
  const auto n = static_cast<float>(pool.size());
  auto index = static_cast<size_t>(std::floor(random.Next() * n));
  if (index >= pool.size()) index = pool.size() - 1;
  const int dealt = pool[index];
  if (pool.size() >= 2) pool.erase(pool.begin() + static_cast<std::ptrdiff_t>(index));
  return dealt;
}

}  // namespace

std::string LoadItemFiles(Game& game) {
  game.data.items.descriptions.clear();
  game.data.items.affixes.clear();
  std::vector<ItemDescription> descriptions;
  std::vector<AffixRecord> affixes;
  std::string error;
  const auto items = ReadWholeFile(game.session.DataFolder() / kItemsFileName, 1u << 20, &error);
  if (!items) return error;
  error = DecodeItemsFile(*items, &descriptions);
  if (!error.empty()) return error;
  const auto affix_bytes = ReadWholeFile(game.session.DataFolder() / kAffixesFileName, 1u << 20, &error);
  if (!affix_bytes) return error;
  error = DecodeAffixesFile(*affix_bytes, &affixes);
  if (!error.empty()) return error;
  game.data.items.descriptions = std::move(descriptions);
  game.data.items.affixes = std::move(affixes);
  return {};
}

void InitItemTable(Game& game) {
  ItemData& data = game.data.items;
  std::array<std::vector<int>, 6> pools;
  for (auto& pool : pools) {
    for (int k = 1; k <= kPoolSize; ++k) pool.push_back(k);
  }
  for (int type = 1; type <= kItemTypeCount; ++type) {
    ItemType t = BaseItemType(type);
    if (t.pool != AppearancePool::kNone) {
      t.appearance =
          static_cast<uint8_t>(DealFromPool(pools[static_cast<size_t>(t.pool)], game.random));
      if (t.pool == AppearancePool::kScroll) {
        t.colour = static_cast<int32_t>(kScrollColour);
      } else {
        t.colour = FetchNumber(text_ids::AppearanceColour(PoolTextBase(t.pool), t.appearance));
      }
    }
    game.world.item_types[type] = t;
  }
  data.current = ItemDescription{};
  data.current_type = 0;
}

void LoadItemDescription(Game& game, int type) {
  ItemData& data = game.data.items;
  data.current_type = type;
  if (type < 1 || type > kItemTypeCount ||
      data.descriptions.size() != static_cast<size_t>(kItemTypeCount)) {
    data.current = ItemDescription{};
    return;
  }
  data.current = data.descriptions[type - 1];
}

}  // namespace zaldrun
