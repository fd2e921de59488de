#include "items/item_types.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "items/compiled_item_files.hpp"
#include "items/effect_registry.hpp"
#include "items/item_names_check.hpp"
#include "state/game.hpp"
#include "state/text_table.hpp"
#include "support/temp_folder.hpp"

namespace zaldrun {
namespace {

using testing::CompiledAffixesFile;
using testing::CompiledItemsFile;
using testing::TempFolder;
using testing::WriteFileText;

std::string AsText(const std::vector<uint8_t>& bytes) {
  return std::string(bytes.begin(), bytes.end());
}

class ItemFilesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string errors;
    items_ = CompiledItemsFile(&errors);
    ASSERT_FALSE(items_.empty()) << errors;
    affixes_ = CompiledAffixesFile(&errors);
    ASSERT_FALSE(affixes_.empty()) << errors;
    game_.folder = folder_.path();
  }

  std::string Load() {
    WriteFileText(folder_ / kItemsFileName, AsText(items_));
    WriteFileText(folder_ / kAffixesFileName, AsText(affixes_));
    return LoadItemFiles(game_);
  }

  TempFolder folder_;
  Game game_;
  std::vector<uint8_t> items_;
  std::vector<uint8_t> affixes_;
};

TEST_F(ItemFilesTest, SoundFilesLoad) {
  EXPECT_EQ(Load(), "");
  EXPECT_TRUE(game_.item_data.Loaded());
  EXPECT_EQ(game_.item_data.descriptions[71].name_one, "Широкий меч");
  EXPECT_EQ(game_.item_data.affixes[0].level, 1);
}

TEST_F(ItemFilesTest, MissingOrShortFilesAreRefusedByName) {
  std::string error = LoadItemFiles(game_);
  EXPECT_NE(error.find("Items.dat"), std::string::npos) << error;
  EXPECT_FALSE(game_.item_data.Loaded());

  items_.resize(items_.size() - 1);
  error = Load();
  EXPECT_NE(error.find("Items.dat"), std::string::npos) << error;
  EXPECT_NE(error.find("69758"), std::string::npos) << error;
  EXPECT_FALSE(game_.item_data.Loaded());
}

TEST_F(ItemFilesTest, DamagedItemRecordsAreRefused) {
  const size_t sword = 71 * kItemRecordSize;
  items_[sword + 271] = 3;  // a sword worn on the body
  std::string error = Load();
  EXPECT_NE(error.find("Items.dat"), std::string::npos) << error;
  EXPECT_NE(error.find("запись 72"), std::string::npos) << error;
  EXPECT_NE(error.find("slot"), std::string::npos) << error;

  items_ = CompiledItemsFile();
  const size_t potion = 29 * kItemRecordSize + 203;
  std::copy_n("pHeel", 5, items_.begin() + static_cast<std::ptrdiff_t>(potion));
  error = Load();
  EXPECT_NE(error.find("запись 30"), std::string::npos) << error;
  EXPECT_NE(error.find("pHeel"), std::string::npos) << error;

  items_ = CompiledItemsFile();
  items_[116 * kItemRecordSize + 180] = 0;  // money without any blessing weight left
  items_[116 * kItemRecordSize + 181] = 0;
  items_[116 * kItemRecordSize + 182] = 0;
  error = Load();
  EXPECT_NE(error.find("запись 117"), std::string::npos) << error;
  EXPECT_FALSE(game_.item_data.Loaded());
}

TEST_F(ItemFilesTest, DamagedAffixFilesAreRefused) {
  affixes_.resize(affixes_.size() + 97);
  std::string error = Load();
  EXPECT_NE(error.find("Affixes.dat"), std::string::npos) << error;

  affixes_ = CompiledAffixesFile();
  affixes_[2 * kAffixRecordSize + 2] = 0;  // prefix 3 allowed nowhere
  affixes_[2 * kAffixRecordSize + 3] = 0;
  error = Load();
  EXPECT_NE(error.find("Affixes.dat"), std::string::npos) << error;
  EXPECT_NE(error.find("запись 3"), std::string::npos) << error;

  // A prefix list that never ends.
  affixes_ = CompiledAffixesFile();
  for (int r = 1; r < kAffixListLength; ++r) {
    std::copy_n(affixes_.begin(), kAffixRecordSize,
                affixes_.begin() + static_cast<std::ptrdiff_t>(r * kAffixRecordSize));
  }
  error = Load();
  EXPECT_NE(error.find("не завершён"), std::string::npos) << error;
  EXPECT_FALSE(game_.item_data.Loaded());
}

TEST_F(ItemFilesTest, DescriptionIsReadFromMemory) {
  ASSERT_EQ(Load(), "");
  LoadItemDescription(game_, item_type::kWater);
  EXPECT_EQ(game_.item_data.current_type, 66);
  EXPECT_EQ(game_.item_data.current.handler, "qWater");
  LoadItemDescription(game_, 208);
  EXPECT_EQ(game_.item_data.current.name_one, "");
  EXPECT_EQ(game_.item_data.current.handler, "");
}

std::vector<int> Appearances(uint64_t seed) {
  Game game;
  game.random.Seed(seed);
  InitItemTable(game);
  std::vector<int> out;
  for (int t = 1; t <= kItemTypeCount; ++t) out.push_back(game.item_data.types[t].appearance);
  return out;
}

TEST(ItemTable, EachPoolDealsDistinctLooks) {
  Game game;
  game.random.Seed(12345);
  InitItemTable(game);
  std::map<AppearancePool, std::set<int>> dealt;
  std::map<AppearancePool, int> counts;
  for (int t = 1; t <= kItemTypeCount; ++t) {
    const ItemType& type = game.item_data.types[t];
    if (type.pool == AppearancePool::kNone) {
      EXPECT_EQ(type.appearance, 0) << t;
      EXPECT_EQ(type.colour, BaseItemType(t).colour) << t;
      continue;
    }
    EXPECT_GE(type.appearance, 1) << t;
    EXPECT_LE(type.appearance, 50) << t;
    EXPECT_TRUE(dealt[type.pool].insert(type.appearance).second) << "type " << t << " shares";
    ++counts[type.pool];
    if (type.pool == AppearancePool::kScroll) {
      EXPECT_EQ(type.colour, 16777215) << t;
    } else {
      const int base = type.pool == AppearancePool::kPotion   ? 1000
                       : type.pool == AppearancePool::kAmulet ? 1400
                       : type.pool == AppearancePool::kRing   ? 1700
                                                              : 2000;
      EXPECT_EQ(type.colour, FetchNumber(base + 3 * type.appearance)) << t;
    }
  }
  EXPECT_EQ(counts[AppearancePool::kPotion], 14);
  EXPECT_EQ(counts[AppearancePool::kScroll], 11);
  EXPECT_EQ(counts[AppearancePool::kAmulet], 14);
  EXPECT_EQ(counts[AppearancePool::kRing], 16);
  EXPECT_EQ(counts[AppearancePool::kWand], 8);
}

TEST(ItemTable, SeedsDecideTheLooks) {
  EXPECT_EQ(Appearances(7), Appearances(7));
  EXPECT_NE(Appearances(7), Appearances(8));
}

TEST(ItemTable, ConstantRowsMatchTheirRoles) {
  const ItemType& money = BaseItemType(item_type::kMoney);
  EXPECT_EQ(money.category, 2);
  EXPECT_EQ(money.glyph, '$');
  EXPECT_EQ(money.weight, 0);
  EXPECT_EQ(money.price, 1);
  EXPECT_EQ(BaseItemType(item_type::kWater).colour, 16776960);
  EXPECT_EQ(BaseItemType(124).speed, -9);
  EXPECT_EQ(BaseItemType(0).category, 0);
  EXPECT_EQ(BaseItemType(208).level, 0);
  for (int t = 1; t <= kItemTypeCount; ++t) {
    const ItemType& type = BaseItemType(t);
    if (type.level == 200) {
      EXPECT_EQ(type.frequency, 0) << t;
    }
  }
}

TEST(EffectRegistry, SortedAndCoversEveryNameTheDataUses) {
  const auto& registry = EffectRegistry();
  EXPECT_TRUE(registry.IsSorted());
  for (const char* generic : {"SelectItem", "PickUp", "Drop", "Read", "Drink", "Eat", "Zap", "Dip",
                              "Wear", "Wield", "ReadyAmmo", "PutOn"}) {
    EXPECT_TRUE(registry.Contains(generic)) << generic;
    EXPECT_TRUE(IsGenericItemOperation(generic)) << generic;
  }
  EXPECT_TRUE(registry.Contains("DetCurse"));
  EXPECT_TRUE(registry.Contains("wInferno    "));
  std::string errors;
  const std::vector<uint8_t>& items = CompiledItemsFile(&errors);
  ASSERT_FALSE(items.empty()) << errors;
  std::set<std::string> used;
  for (int t = 1; t <= kItemTypeCount; ++t) {
    ItemDescription d;
    DecodeItemDescription(std::span(items).subspan((t - 1) * kItemRecordSize, kItemRecordSize), &d);
    if (d.handler.empty()) continue;
    EXPECT_TRUE(registry.Contains(d.handler)) << d.handler;
    used.insert(d.handler);
  }
  // Every effect handler of the registry but the priest's service is named by some item.
  for (const auto& entry : registry.entries()) {
    const std::string name(entry.name);
    if (IsGenericItemOperation(name) || name == "DetCurse") continue;
    EXPECT_TRUE(used.count(name)) << name << " is named by no item";
  }
}

TEST(ItemNamesCheck, HandlersBelongToTheirKindOfItem) {
  ItemDescription d;
  d.handler = "wSlow";
  EXPECT_FALSE(CheckItemNames(d, 30).empty()) << "a potion cannot use a wand's handler";
  d.handler = "Drink";
  EXPECT_FALSE(CheckItemNames(d, 30).empty()) << "generic operations are no effects";
  d.handler = "";
  EXPECT_FALSE(CheckItemNames(d, 30).empty()) << "a potion needs a handler";
  EXPECT_TRUE(CheckItemNames(d, 72).empty()) << "a sword needs none";
  d.handler = "pHeal";
  EXPECT_FALSE(CheckItemNames(d, 72).empty()) << "and may not have one";
  d.handler = "rFireBolt";
  EXPECT_FALSE(CheckItemNames(d, 195).empty()) << "the fire bolt needs a target";
  d.attribute_modifiers[1] = 1;
  EXPECT_TRUE(CheckItemNames(d, 195).empty());
}

}  // namespace
}  // namespace zaldrun
