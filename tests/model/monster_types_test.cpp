#include "model/monster_types.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/game.hpp"
#include "records/monster_type_table.hpp"
#include "support/data_files.hpp"
#include "support/temp_folder.hpp"

namespace zaldrun {
namespace {

const std::vector<uint8_t>& CompiledMonsters() { return testing::CompiledFile("Monsters.dat"); }

TEST(MonsterTypeTable, InitLoadsTheFileOnceAndAMissingFileStopsTheNewGame) {
  testing::TempFolder folder;
  Game game;
  game.session.folder = folder.path();
  std::string error;
  EXPECT_FALSE(InitMonsterTable(game, &error));
  EXPECT_NE(error.find("Monsters.dat"), std::string::npos) << error;
  EXPECT_FALSE(game.data.monsters.loaded);
  EXPECT_EQ(MonsterTypeConstants(1).glyph, 'r') << "the constants are there all the same";
  EXPECT_EQ(MonsterTypeConstants(86).glyph, 0);

  testing::WriteFileText(folder / "Monsters.dat",
                         std::string(CompiledMonsters().begin(), CompiledMonsters().end()));
  game.world.kill_counts[5] = 7;
  ASSERT_TRUE(InitMonsterTable(game, &error)) << error;
  EXPECT_EQ(game.world.kill_counts[5], 0) << "a new game counts from 0";
  EXPECT_EQ(game.data.monsters.records[1].name, "Крыса");
  // Loaded once: a second game of the same run does not read the file again.
  std::filesystem::remove(folder / "Monsters.dat");
  EXPECT_TRUE(InitMonsterTable(game, &error)) << error;
}

TEST(MonsterTypeTable, TheCurrentRecordIsRestoredByEveryLoad) {
  Game game;
  EXPECT_FALSE(LoadMonsterType(game, 1)) << "nothing is loaded yet";
  ASSERT_EQ(DecodeMonstersFile(CompiledMonsters(), &game.data.monsters.records), "");
  game.data.monsters.loaded = true;
  ASSERT_TRUE(LoadMonsterType(game, 45));
  const int16_t low = game.data.monsters.current.damage_low[0];
  game.data.monsters.current.damage_low[0] = static_cast<int16_t>(low * 2);  // a critical blow
  ASSERT_TRUE(LoadMonsterType(game, 45));
  EXPECT_EQ(game.data.monsters.current.damage_low[0], low);
  EXPECT_FALSE(LoadMonsterType(game, 0) || LoadMonsterType(game, 86));
  EXPECT_EQ(game.data.monsters.current_type, 45) << "a refused load leaves the buffer";
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

TEST(MonsterTypeTable, DamagedFilesAreRefusedByName) {
  const std::pair<std::vector<uint8_t>, const char*> cases[] = {
      {std::vector(CompiledMonsters().begin(), CompiledMonsters().end() - 1), "56185"},
      {WithRecordChanged(12, [](MonsterTypeRecord& r) { r.behaviour = "Fly"; }), "запись 12"},
      {WithRecordChanged(30, [](MonsterTypeRecord& r) { r.talk = "Regen"; }), "talk"},
      {WithRecordChanged(85, [](MonsterTypeRecord& r) { r.hp_low = 30001; }), "hit_points"},
  };
  for (const auto& [bytes, detail] : cases) {
    MonsterData data;
    const std::string error = DecodeMonstersFile(bytes, &data.records);
    EXPECT_NE(error.find("Monsters.dat"), std::string::npos) << error;
    EXPECT_NE(error.find(detail), std::string::npos) << error;
    EXPECT_EQ(data.records[1].name, "") << "a refused file leaves the records alone";
  }
  // A blank talk handler is silence, like "NoAns".
  MonsterData data;
  EXPECT_EQ(
      DecodeMonstersFile(WithRecordChanged(1, [](MonsterTypeRecord& r) { r.talk.clear(); }),
                         &data.records),
      "");
}

}  // namespace
}  // namespace zaldrun
