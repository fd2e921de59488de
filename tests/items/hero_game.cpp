#include "hero_game.hpp"

#include <gtest/gtest.h>

#include "engine/attributes.hpp"
#include "items/hand_figures.hpp"
#include "items/item_operations.hpp"
#include "items/pack.hpp"

namespace zaldrun::testing {

HeroGame::HeroGame() : game_(NewItemGame()) {
  game_->session.folder = folder_.path();
  game_->session.io = &io_;
  Hero& h = hero();
  h.hero_class = classes::kArcher;
  h.attributes.natural.fill(35);
  RecomputeAllDerived(*game_);
  h.max_weight = 100000;
  h.hp = h.max_hp = 30;
  h.pp = h.max_pp = 10;
  h.regen_rate = 200;
  game_->world.piles[0].first = 1;
  RebuildHands(*game_);
}

void HeroGame::Choose(const ItemRecord& item, int slot) {
  ASSERT_TRUE(TakeIntoPack(*game_, item));
  const int category = game_->world.item_types[static_cast<size_t>(item.type)].category;
  InventoryState& window = game_->control.inventory;
  window.pile = 0;
  window.category = static_cast<uint8_t>(category);
  window.place = static_cast<int16_t>(FindCarried(*game_, item.type));
  window.slot = static_cast<uint8_t>(slot);
  window.from_equipment = false;
}

bool HeroGame::Equip(const ItemRecord& item, int slot) {
  EXPECT_TRUE(TakeIntoPack(*game_, item));
  const int category = game_->world.item_types[static_cast<size_t>(item.type)].category;
  return EquipFromPack(*game_, category, FindCarried(*game_, item.type), slot);
}

std::string HeroGame::Message() const {
  const std::string& line = game_->view.message_line;
  return line.empty() ? line : line.substr(1);
}

}  // namespace zaldrun::testing
