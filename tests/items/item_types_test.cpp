#include "items/item_types.hpp"

#include <gtest/gtest.h>

#include <map>
#include <set>

#include "model/game.hpp"
#include "records/handler_names.hpp"
#include "records/item_names_check.hpp"
#include "records/item_type_table.hpp"
#include "records/text_table.hpp"
#include "support/data_files.hpp"
#include "support/temp_folder.hpp"

namespace zaldrun {
namespace {

using testing::CompiledFile;
using Bytes = std::vector<uint8_t>;

// Writes the files, changed by `damage`, to a fresh folder and loads them into `game`.
std::string Load(Game& game, void (*damage)(Bytes& items, Bytes& affixes)) {
  testing::TempFolder folder;
  Bytes items = CompiledFile("Items.dat");
  Bytes affixes = CompiledFile("Affixes.dat");
  damage(items, affixes);
  testing::WriteFileText(folder / kItemsFileName, std::string(items.begin(), items.end()));
  testing::WriteFileText(folder / kAffixesFileName, std::string(affixes.begin(), affixes.end()));
  game.session.folder = folder.path();
  return LoadItemFiles(game);
}

TEST(ItemFiles, SoundFilesLoadAndDescriptionsAreReadFromMemory) {
  testing::TempFolder empty;
  Game game;
  game.session.folder = empty.path();
  EXPECT_NE(LoadItemFiles(game).find("Items.dat"), std::string::npos) << "no files";
  ASSERT_EQ(Load(game, [](Bytes&, Bytes&) {}), "");
  EXPECT_EQ(game.data.items.affixes[0].level, 1);
  LoadItemDescription(game, item_type::kWater);
  EXPECT_EQ(game.data.items.current_type, 66);
  EXPECT_EQ(game.data.items.current.handler, "qWater");
  LoadItemDescription(game, 208);
  EXPECT_EQ(game.data.items.current.name_one, "");
}

TEST(ItemFiles, DamagedFilesAreRefusedByNameAndRecord) {
  const std::pair<void (*)(Bytes&, Bytes&), std::vector<const char*>> cases[] = {
      {[](Bytes& items, Bytes&) { items.pop_back(); }, {"Items.dat", "69758"}},
      {[](Bytes& items, Bytes&) { items[71 * kItemRecordSize + 271] = 3; },  // a sword on the body
       {"Items.dat", "запись 72", "slot"}},
      {[](Bytes& items, Bytes&) {
         std::copy_n("pHeel", 5, items.begin() + 29 * kItemRecordSize + 203);
       },
       {"запись 30", "pHeel"}},
      {[](Bytes&, Bytes& affixes) { affixes.resize(affixes.size() + 97); }, {"Affixes.dat"}},
      {[](Bytes&, Bytes& affixes) {  // prefix 3 allowed nowhere
         affixes[2 * kAffixRecordSize + 2] = affixes[2 * kAffixRecordSize + 3] = 0;
       },
       {"Affixes.dat", "запись 3"}},
      {[](Bytes&, Bytes& affixes) {  // a prefix list that never ends
         for (int r = 1; r < kAffixListLength; ++r) {
           std::copy_n(affixes.begin(), kAffixRecordSize, affixes.begin() + r * kAffixRecordSize);
         }
       },
       {"не завершён"}},
  };
  for (const auto& [damage, said] : cases) {
    Game game;
    const std::string error = Load(game, damage);
    for (const char* part : said) EXPECT_NE(error.find(part), std::string::npos) << error;
    EXPECT_FALSE(game.data.items.Loaded()) << error;
  }
}

std::vector<int> Appearances(uint64_t seed) {
  Game game;
  game.random.Seed(seed);
  InitItemTable(game);
  std::vector<int> out;
  for (int t = 1; t <= kItemTypeCount; ++t) out.push_back(game.world.item_types[t].appearance);
  return out;
}

TEST(ItemTable, EachPoolDealsDistinctLooksThatTheSeedDecides) {
  Game game;
  game.random.Seed(12345);
  InitItemTable(game);
  using enum AppearancePool;
  // Where the colours of each pool's looks start in the text table; scrolls are all white.
  const std::map<AppearancePool, int> colours = {
      {kPotion, 1000}, {kAmulet, 1400}, {kRing, 1700}, {kWand, 2000}};
  std::map<AppearancePool, std::set<int>> dealt;
  for (int t = 1; t <= kItemTypeCount; ++t) {
    const ItemType& type = game.world.item_types[t];
    if (type.pool == kNone) {
      EXPECT_EQ(type.appearance, 0) << t;
      EXPECT_EQ(type.colour, BaseItemType(t).colour) << t;
      continue;
    }
    EXPECT_TRUE(type.appearance >= 1 && type.appearance <= 50) << t;
    EXPECT_TRUE(dealt[type.pool].insert(type.appearance).second) << "type " << t << " shares";
    EXPECT_EQ(type.colour, type.pool == kScroll
                               ? 16777215
                               : FetchNumber(colours.at(type.pool) + 3 * type.appearance))
        << t;
  }
  EXPECT_EQ(dealt.size(), 5u);
  EXPECT_EQ(Appearances(7), Appearances(7));
  EXPECT_NE(Appearances(7), Appearances(8));
}

// Every handler the data names is checked as the file loads (CheckItemNames); the names of the
// generic operations are listed: handler_names_test.cpp.
TEST(ItemNamesCheck, HandlersBelongToTheirKindOfItem) {
  // A potion with a wand's handler, a generic operation or none; a sword with a potion's.
  for (const auto& [handler, type] :
       {std::pair{"wSlow", 30}, {"Drink", 30}, {"", 30}, {"pHeal", 72}}) {
    ItemDescription d;
    d.handler = handler;
    EXPECT_FALSE(CheckItemNames(d, type).empty()) << handler << " " << type;
  }
}

}  // namespace
}  // namespace zaldrun
