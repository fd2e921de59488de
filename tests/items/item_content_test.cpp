// The authored item and affix content: fixed roles, the new-game weapons, Russian names.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "items/compiled_item_files.hpp"
#include "items/item_types.hpp"
#include "items/materials.hpp"
#include "state/text_table.hpp"

namespace zaldrun {
namespace {

class ItemContentTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string errors;
    const std::vector<uint8_t>& items = testing::CompiledItemsFile(&errors);
    ASSERT_FALSE(items.empty()) << errors;
    ASSERT_EQ(DecodeItemsFile(items, &records_), "");
    const std::vector<uint8_t>& affixes = testing::CompiledAffixesFile(&errors);
    ASSERT_FALSE(affixes.empty()) << errors;
    ASSERT_EQ(DecodeAffixesFile(affixes, &affixes_), "");
  }

  const ItemDescription& Of(int type) const { return records_[type - 1]; }

  int TypeNamed(const std::string& name) const {
    for (int t = 1; t <= kItemTypeCount; ++t) {
      if (Of(t).name_one == name) return t;
    }
    return 0;
  }

  // The name form the game picks for a count: one, few or many.
  const std::string& FormFor(int type, int count) const {
    const ItemDescription& d = Of(type);
    const int last = count % 10;
    const int last_two = count % 100;
    if (last_two >= 11 && last_two <= 19) return d.name_many;
    if (last == 1) return d.name_one;
    if (last >= 2 && last <= 4) return d.name_few;
    return d.name_many;
  }

  std::vector<ItemDescription> records_;
  std::vector<AffixRecord> affixes_;
};

TEST_F(ItemContentTest, NewGameWeaponsExistWithTheirSkills) {
  const std::map<std::string, int> weapons = {
      {"Широкий меч", 2},    {"Топор", 4},          {"Тяжёлое Копье", 5}, {"Булава", 6},
      {"Дубина", 7},         {"Гладиус", 1},        {"Томагавк", 4},      {"Лёгкое Копье", 5},
      {"Дубинка", 7},        {"Ятаган", 1},         {"Двуручный Меч", 2}, {"Боевой Топор", 4},
      {"Большая Дубина", 7}, {"Составной Лук", 9},  {"Арбалет", 10},      {"Праща", 11},
      {"Короткий Лук", 9},   {"Лёгкий Арбалет", 10}};
  for (const auto& [name, skill] : weapons) {
    const int type = TypeNamed(name);
    ASSERT_NE(type, 0) << name;
    EXPECT_EQ(BaseItemType(type).category, 0) << name;
    EXPECT_EQ(BaseItemType(type).skill_class, skill) << name;
    EXPECT_LT(BaseItemType(type).level, 200) << name << " must be an ordinary weapon";
  }
}

TEST_F(ItemContentTest, FixedRolesHaveTheirTypes) {
  EXPECT_EQ(Of(item_type::kMoney).name_one, "Золотая Монета");
  EXPECT_EQ(Of(item_type::kWater).handler, "qWater");
  EXPECT_EQ(Of(item_type::kVodka).handler, "qVodka");
  EXPECT_EQ(Of(item_type::kEar).handler, "eUho");
  EXPECT_EQ(Of(item_type::kNote).handler, "VornsMsg");
  EXPECT_EQ(Of(item_type::kStoneTablet).handler, "MysticLetter");
  EXPECT_EQ(Of(item_type::kStoneTablet).attribute_modifiers[0], 2) << "reading keeps the tablet";
  EXPECT_EQ(Of(item_type::kBracelet).slot, 9);
  EXPECT_NE(Of(item_type::kForestArtefact).kind & item_kind::kArtifact, 0);
  EXPECT_EQ(Of(item_type::kGoblinGift).damage_kind[0], 3);
  // The crops of plants are eaten herbs; each names a herb handler of its own.
  std::set<std::string> herbs;
  for (int crop : {132, 133, 158, 159, 160, 161, 162, 164}) {
    EXPECT_EQ(BaseItemType(crop).category, 8) << crop;
    ASSERT_FALSE(Of(crop).handler.empty()) << crop;
    EXPECT_EQ(Of(crop).handler[0], 'h') << crop;
    herbs.insert(Of(crop).handler);
  }
  EXPECT_EQ(herbs.size(), 8u);
  // Lekar sells healing potions.
  EXPECT_EQ(Of(30).handler, "pHeal");
}

TEST_F(ItemContentTest, NamesAgreeWithCounts) {
  EXPECT_EQ(FormFor(72, 1), "Широкий меч");
  EXPECT_EQ(FormFor(72, 2), "Широких меча");
  EXPECT_EQ(FormFor(72, 5), "Широких мечей");
  EXPECT_EQ(FormFor(72, 11), "Широких мечей");
  EXPECT_EQ(FormFor(72, 21), "Широкий меч");
  EXPECT_EQ(FormFor(98, 3), "Стрелы");
  EXPECT_EQ(FormFor(98, 14), "Стрел");
  EXPECT_EQ(FormFor(98, 22), "Стрелы");
  EXPECT_EQ(FormFor(117, 534), "Золотых Монеты");
  EXPECT_EQ(FormFor(117, 535), "Золотых Монет");
  EXPECT_EQ(FormFor(59, 2), "Лёгких Копья");
  EXPECT_EQ(FormFor(10, 2), "Вил");
  EXPECT_EQ(FormFor(30, 5), "Зелий Лечения");
  EXPECT_EQ(FormFor(27, 1), "Кожаные Перчатки");
  EXPECT_EQ(FormFor(27, 3), "Кожаных Перчаток");
  EXPECT_EQ(FormFor(17, 2), "Святых Уха");
}

TEST_F(ItemContentTest, NamesAreUniqueAndPoolNamesAreBare) {
  std::set<std::string> names;
  for (int t = 1; t <= kItemTypeCount; ++t) {
    EXPECT_TRUE(names.insert(Of(t).name_one).second) << Of(t).name_one << " twice";
    switch (BaseItemType(t).pool) {
      case AppearancePool::kPotion:
        EXPECT_EQ(Of(t).unknown_one, "Зелье") << t;
        break;
      case AppearancePool::kScroll:
        EXPECT_EQ(Of(t).unknown_one, "Свиток") << t;
        break;
      case AppearancePool::kAmulet:
        EXPECT_EQ(Of(t).unknown_one, "Амулет") << t;
        break;
      case AppearancePool::kRing:
        EXPECT_EQ(Of(t).unknown_one, "Кольцо") << t;
        break;
      case AppearancePool::kWand:
        EXPECT_EQ(Of(t).unknown_many, "Жезлов") << t;
        break;
      case AppearancePool::kNone:
        break;
    }
  }
}

TEST_F(ItemContentTest, EquipmentIsSound) {
  for (int t = 1; t <= kItemTypeCount; ++t) {
    const ItemType& type = BaseItemType(t);
    const ItemDescription& d = Of(t);
    for (int i = 0; i < d.MaterialCount(); ++i) {
      EXPECT_NE(FindMaterial(d.material_choices[i]), nullptr) << t;
    }
    if (type.category == 0 && d.slot != 12) {
      EXPECT_GE(d.damage_min[0], 1) << t << " deals no damage";
    }
    if (type.category == 0 || type.category == 1) {
      EXPECT_EQ(d.stack_max, 1) << t << " is worn one at a time";
    }
    if (type.category == 9) {
      EXPECT_GT(d.stack_max, 1) << t;
    }
    if (type.category == 7) {
      EXPECT_GE(d.first_bonus_low, 1) << t << " comes without charges";
    }
  }
  // Heavier armour protects better.
  EXPECT_GT(Of(124).resistances[0], Of(20).resistances[0]);
  EXPECT_GT(Of(20).resistances[0], Of(185).resistances[0]);
  // Among the blades of one class the stronger ones are found deeper.
  EXPECT_GT(Of(74).damage_max[0], Of(72).damage_max[0]);
}

TEST_F(ItemContentTest, AffixesDoWhatTheirNamesSay) {
  auto prefix = [&](int p) -> const AffixRecord& { return affixes_[p - 1]; };
  auto suffix = [&](int s) -> const AffixRecord& { return affixes_[200 + s - 1]; };
  ASSERT_EQ(FetchText(540), "Огненный");
  EXPECT_EQ(prefix(40).extra_damage_kind, 5);
  ASSERT_EQ(FetchText(701), "Силы");
  EXPECT_GT(suffix(1).attribute_addends[1], 0);
  ASSERT_EQ(FetchText(728), "Слабости");
  EXPECT_LT(suffix(28).attribute_addends[1], 0);
  EXPECT_LT(suffix(28).price_multiplier, 1.0f) << "a curse lowers the price";
  ASSERT_EQ(FetchText(746), "Паладина");
  EXPECT_EQ(suffix(46).extra_damage_kind, 9);
  // The tiers of an attribute grow with their level: +3, +6, +10.
  EXPECT_LT(suffix(1).level, suffix(10).level);
  EXPECT_LT(suffix(10).level, suffix(19).level);
  EXPECT_EQ(suffix(19).attribute_addends[1], 10);
  // Each list holds its named affixes and then ends.
  for (int p = 1; p <= kPrefixTextCount; ++p) EXPECT_GT(prefix(p).level, 0) << p;
  EXPECT_EQ(prefix(kPrefixTextCount + 1).level, 0);
  for (int s = 1; s <= kSuffixTextCount; ++s) EXPECT_GT(suffix(s).level, 0) << s;
  EXPECT_EQ(suffix(kSuffixTextCount + 1).level, 0);
}

}  // namespace
}  // namespace zaldrun
