#include "creatures/monster_types.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "compilers.hpp"
#include "state/game.hpp"
#include "support/temp_folder.hpp"

namespace zaldrun {
namespace {

// The game's own Monsters.dat, compiled from data/.
const std::vector<uint8_t>& CompiledMonsters() {
  static const std::vector<uint8_t> bytes = [] {
    const datac::CompileResult result = datac::CompileMonsters(ZALDRUN_SOURCE_DIR "/data");
    EXPECT_TRUE(result.errors.empty()) << result.errors.front();
    return result.bytes;
  }();
  return bytes;
}

// Record `type` of a copy of the file, changed by `change`, encoded back.
template <typename Change>
std::vector<uint8_t> WithRecordChanged(int type, Change change) {
  std::vector<uint8_t> bytes = CompiledMonsters();
  const size_t start = static_cast<size_t>(type - 1) * kMonsterRecordSize;
  auto record = DecodeMonsterRecord(std::span(bytes).subspan(start));
  change(*record);
  const std::vector<uint8_t> encoded = EncodeMonsterRecord(*record);
  std::copy(encoded.begin(), encoded.end(), bytes.begin() + static_cast<std::ptrdiff_t>(start));
  return bytes;
}

TEST(MonsterTypeTable, ConstantsAsTheGameDefinesThem) {
  const MonsterTypeEntry& rat = MonsterTypeConstants(1);
  EXPECT_EQ(std::vector<int>({rat.glyph, rat.colour, rat.attack_cost, rat.critical, rat.gender,
                              rat.native_depth, rat.weight}),
            std::vector<int>({'r', 20640, 800, 12, 1, 1, 28}));
  EXPECT_EQ(MonsterTypeConstants(13).glyph, 0xDA) << "Ъ in Windows-1251";
  EXPECT_EQ(MonsterTypeConstants(84).glyph, 0xF2) << "т in Windows-1251";
  const MonsterTypeEntry& last = MonsterTypeConstants(85);
  EXPECT_EQ(std::vector<int>({last.glyph, last.colour, last.native_depth, last.weight}),
            std::vector<int>({'P', 25855, 5, 20}));
  EXPECT_EQ(MonsterTypeConstants(0).glyph, 0);
  EXPECT_EQ(MonsterTypeConstants(86).glyph, 0);
  for (int type = 1; type <= kMonsterTypeCount; ++type) {
    const MonsterTypeEntry& e = MonsterTypeConstants(type);
    EXPECT_EQ(e.native_depth == 200, e.weight == 0) << type;
  }
}

TEST(MonsterTypeTable, InitFillsTheTableAndLoadsTheFileOnce) {
  testing::TempFolder folder;
  testing::WriteFileText(folder / "Monsters.dat",
                         std::string(CompiledMonsters().begin(), CompiledMonsters().end()));
  Game game;
  game.folder = folder.path();
  game.monster_data.types[5].kill_count = 7;
  std::string error;
  ASSERT_TRUE(InitMonsterTable(game, &error)) << error;
  EXPECT_TRUE(game.monster_data.loaded);
  EXPECT_EQ(game.monster_data.types[5].kill_count, 0) << "a new game counts from 0";
  EXPECT_EQ(game.monster_data.types[44].glyph, 'D');
  EXPECT_EQ(game.monster_data.records[1].name, "Крыса");

  // Loaded once: a second game of the same run does not read the file again.
  std::filesystem::remove(folder / "Monsters.dat");
  EXPECT_TRUE(InitMonsterTable(game, &error)) << error;
}

TEST(MonsterTypeTable, TheCurrentRecordIsRestoredByEveryLoad) {
  Game game;
  ASSERT_EQ(LoadMonsterRecords(game.monster_data, CompiledMonsters()), "");
  ASSERT_TRUE(LoadMonsterType(game, 45));
  EXPECT_EQ(game.monster_data.current_type, 45);
  const int16_t low = game.monster_data.current.damage_low[0];
  game.monster_data.current.damage_low[0] = static_cast<int16_t>(low * 2);  // a critical blow
  game.monster_data.current.flags |= monster_flag::kPiercesArmour;
  ASSERT_TRUE(LoadMonsterType(game, 45));
  EXPECT_EQ(game.monster_data.current.damage_low[0], low);
  EXPECT_FALSE(game.monster_data.current.HasFlag(monster_flag::kPiercesArmour));

  EXPECT_FALSE(LoadMonsterType(game, 0));
  EXPECT_FALSE(LoadMonsterType(game, 86));
  EXPECT_EQ(game.monster_data.current_type, 45) << "a refused load leaves the buffer";
  Game unloaded;
  EXPECT_FALSE(LoadMonsterType(unloaded, 1));
}

TEST(MonsterTypeTable, DamagedFilesAreRefusedByName) {
  MonsterData data;
  const auto expect_refused = [&data](const std::vector<uint8_t>& bytes, const char* detail) {
    const std::string error = LoadMonsterRecords(data, bytes);
    EXPECT_NE(error.find("Monsters.dat"), std::string::npos) << error;
    EXPECT_NE(error.find(detail), std::string::npos) << error;
    EXPECT_FALSE(data.loaded);
  };
  std::vector<uint8_t> bytes = CompiledMonsters();
  bytes.pop_back();
  expect_refused(bytes, "56185");
  bytes = CompiledMonsters();
  bytes.resize(bytes.size() + kMonsterRecordSize);
  expect_refused(bytes, "56185");
  expect_refused({}, "56185");

  expect_refused(WithRecordChanged(12, [](MonsterTypeRecord& r) { r.behaviour = "Fly"; }),
                 "запись 12");
  expect_refused(WithRecordChanged(30, [](MonsterTypeRecord& r) { r.talk = "Regen"; }), "talk");
  expect_refused(WithRecordChanged(85, [](MonsterTypeRecord& r) { r.hp_low = 30001; }),
                 "hit_points");
  expect_refused(WithRecordChanged(1, [](MonsterTypeRecord& r) { r.action_codes[0] = 99; }),
                 "actions[1]");

  // A blank talk handler is silence, like "NoAns".
  EXPECT_EQ(
      LoadMonsterRecords(data, WithRecordChanged(1, [](MonsterTypeRecord& r) { r.talk.clear(); })),
      "");
  EXPECT_TRUE(data.loaded);
}

TEST(MonsterTypeTable, AMissingFileStopsTheNewGame) {
  testing::TempFolder folder;
  Game game;
  game.folder = folder.path();
  std::string error;
  EXPECT_FALSE(InitMonsterTable(game, &error));
  EXPECT_NE(error.find("Monsters.dat"), std::string::npos) << error;
  EXPECT_FALSE(game.monster_data.loaded);
  EXPECT_EQ(game.monster_data.types[1].glyph, 'r') << "the constants are there all the same";

  testing::WriteFileText(folder / "Monsters.dat", "short");
  EXPECT_FALSE(InitMonsterTable(game, &error));
  EXPECT_NE(error.find("повреждён"), std::string::npos) << error;
}

}  // namespace
}  // namespace zaldrun
