#include "item_game.hpp"

#include <gtest/gtest.h>

#include "items/item_maker.hpp"
#include "items/item_types.hpp"
#include "support/data_files.hpp"

namespace zaldrun::testing {

std::unique_ptr<Game> NewItemGame() {
  auto game = std::make_unique<Game>();
  EXPECT_EQ(DecodeItemsFile(CompiledFile("Items.dat"), &game->data.items.descriptions), "");
  EXPECT_EQ(DecodeAffixesFile(CompiledFile("Affixes.dat"), &game->data.items.affixes), "");
  InitItemTable(*game);
  for (ItemType& type : game->world.item_types) {
    if (type.pool != AppearancePool::kNone) type.appearance = 1;
    if (type.pool == AppearancePool::kScroll) type.appearance = 9;
  }
  game->world.hero.price_factor = 1.0f;
  return game;
}

ItemRecord Item(int type, int count) {
  ItemRecord item;
  item.type = static_cast<int16_t>(type);
  item.count = count;
  item.blessing = blessing::kUncursed;
  item.material = 5;  // no word, factors 1
  item.identified = 1;
  return item;
}

}  // namespace zaldrun::testing
