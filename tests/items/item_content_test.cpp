// The authored item and affix content: fixed roles, sound equipment, Russian names.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <tuple>

#include "items/item_types.hpp"
#include "records/text_table.hpp"
#include "support/data_files.hpp"

namespace zaldrun {
namespace {

class ItemContentTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(DecodeItemsFile(testing::CompiledFile("Items.dat"), &records_), "");
    ASSERT_EQ(DecodeAffixesFile(testing::CompiledFile("Affixes.dat"), &affixes_), "");
  }

  const ItemDescription& Of(int type) const { return records_[type - 1]; }

  std::vector<ItemDescription> records_;
  std::vector<AffixRecord> affixes_;
};

TEST_F(ItemContentTest, FixedRolesHaveTheirTypes) {
  EXPECT_EQ(Of(item_type::kMoney).name_one, "Золотая Монета");
  EXPECT_EQ(Of(item_type::kWater).handler, "qWater");
  EXPECT_EQ(Of(item_type::kNote).handler, "VornsMsg");
  EXPECT_EQ(Of(item_type::kStoneTablet).attribute_modifiers[0], 2) << "reading keeps the tablet";
  EXPECT_EQ(Of(item_type::kBracelet).slot, 9);
  EXPECT_NE(Of(item_type::kForestArtefact).kind & item_kind::kArtifact, 0);
  EXPECT_EQ(Of(30).handler, "pHeal") << "the healer sells healing potions";
}

TEST_F(ItemContentTest, NamesAgreeWithCountsAreUniqueAndPoolNamesAreBare) {
  // The form the game picks for a count: one, few or many.
  const auto form = [this](int type, int count) {
    const ItemDescription& d = Of(type);
    if (count % 100 >= 11 && count % 100 <= 19) return d.name_many;
    if (count % 10 == 1) return d.name_one;
    return count % 10 >= 2 && count % 10 <= 4 ? d.name_few : d.name_many;
  };
  const std::tuple<int, int, const char*> cases[] = {
      {72, 2, "Широких меча"}, {72, 11, "Широких мечей"},    {72, 21, "Широкий меч"},
      {98, 14, "Стрел"},       {117, 534, "Золотых Монеты"}, {59, 2, "Лёгких Копья"},
      {10, 2, "Вил"},          {27, 3, "Кожаных Перчаток"},  {17, 2, "Святых Уха"}};
  for (const auto& [type, count, name] : cases) EXPECT_EQ(form(type, count), name) << count;
  // What the name builder puts after the look of an unknown pool item.
  using enum AppearancePool;
  const std::map<AppearancePool, std::string> bare = {
      {kPotion, "Зелье"}, {kScroll, "Свиток"}, {kAmulet, "Амулет"}, {kRing, "Кольцо"}};
  std::set<std::string> names;
  for (int t = 1; t <= kItemTypeCount; ++t) {
    EXPECT_TRUE(names.insert(Of(t).name_one).second) << Of(t).name_one << " twice";
    const auto it = bare.find(BaseItemType(t).pool);
    EXPECT_TRUE(it == bare.end() || Of(t).unknown_one == it->second) << Of(t).unknown_one;
  }
}

TEST_F(ItemContentTest, EquipmentIsSound) {
  for (int t = 1; t <= kItemTypeCount; ++t) {
    const int category = BaseItemType(t).category;
    const ItemDescription& d = Of(t);
    EXPECT_TRUE(category != 0 || d.slot == 12 || d.damage_min[0] >= 1) << t << " deals no damage";
    EXPECT_TRUE(category > 1 || d.stack_max == 1) << t << " is worn one at a time";
    EXPECT_TRUE(category != 9 || d.stack_max > 1) << t << ": ammunition comes in stacks";
    EXPECT_TRUE(category != 7 || d.first_bonus_low >= 1) << t << " comes without charges";
  }
  // Heavier armour protects better against the first physical kind.
  EXPECT_GT(Of(124).resistances[0], Of(20).resistances[0]);
  EXPECT_GT(Of(20).resistances[0], Of(185).resistances[0]);
}

TEST_F(ItemContentTest, AffixesDoWhatTheirNamesSay) {
  const auto suffix = [&](int s) -> const AffixRecord& { return affixes_[200 + s - 1]; };
  ASSERT_EQ(FetchText(540), "Огненный");
  EXPECT_EQ(affixes_[40 - 1].extra_damage_kind, 5);
  ASSERT_EQ(FetchText(728), "Слабости");
  EXPECT_LT(suffix(28).price_multiplier, 1.0f) << "a curse lowers the price";
  ASSERT_EQ(FetchText(701), "Силы");
  EXPECT_GT(suffix(1).attribute_addends[1], 0);
}

}  // namespace
}  // namespace zaldrun
