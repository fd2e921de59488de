#include "world/save_game.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "model/game.hpp"
#include "model/world_ops.hpp"
#include "support/temp_folder.hpp"
#include "world/game_data.hpp"
#include "world/level_file.hpp"
#include "world/new_game.hpp"
#include "world/new_hero.hpp"

namespace zaldrun {
namespace {

namespace fs = std::filesystem;
using testing::TempFolder;

// A new human warrior named Вася standing on the overworld, whose level file lies in Save/.
class SaveGameTest : public ::testing::Test {
 protected:
  void SetUp() override {
    game_ = std::make_unique<Game>();
    game_->session.folder = folder_.path();
    game_->session.data_folder = ZALDRUN_BINARY_DIR;
    game_->random.Seed(7);
    fs::create_directories(Save());
    ASSERT_EQ(LoadGameData(*game_), "");
    game_->world.hero.name = "Вася";
    SetUpNewHero(*game_, HeroChoice{1, 1, 2, 0});
    game_->world.current_place = 1;
    game_->world.current_level = 100;
    game_->world.hero.x = 4;
    game_->world.hero.y = 20;
    PutLevelFile("Lev1_100.lev", 1);
  }

  fs::path Save() const { return folder_.path() / "Save"; }
  // A level file of an empty level, told apart by its monster depth.
  void PutLevelFile(const std::string& name, uint8_t depth) {
    auto level = std::make_unique<Game>();
    level->world.level.monster_depth = depth;
    for (auto& row : level->world.level.terrain) row.fill('C');
    const std::vector<uint8_t> bytes = EncodeLevel(*level);
    testing::WriteFileText(Save() / name, std::string(bytes.begin(), bytes.end()));
  }
  void PutFile(const std::string& name, size_t size) {
    testing::WriteFileText(Save() / name, std::string(size, '\x09'));
  }
  std::string Saved() const { return testing::ReadFileText(Save() / "Вася.sav"); }

  TempFolder folder_;
  std::unique_ptr<Game> game_;
};

TEST(LevelFileNames, OnlyTheGamesOwnNamesCount) {
  struct Case {
    const char* name;
    int place;  // 0: not a level file
    int level;
  } cases[] = {
      {"Lev7_12.lev", 7, 12},     {"Lev1_100.lev", 1, 100},       {"LEV5_3.LEV", 5, 3},
      {"Lev5_1000.lev", 5, 1000}, {"lev5_32000.lev", 5, 32000},   {"Lev5_32001.lev", 0, 0},
      {"Lev8_1.lev", 0, 0},       {"Lev5_99999999999.lev", 0, 0}, {"Lev07_1.lev", 0, 0},
      {"Lev1_02.lev", 0, 0},      {"Lev0_3.lev", 0, 0},           {"Lev1000_1.lev", 0, 0},
      {"Lev-1_3.lev", 0, 0},      {"Lev+1_3.lev", 0, 0},          {"Lev1-2.lev", 0, 0},
      {"Lev1_2_3.lev", 0, 0},     {"Lev1_2.lev.bak", 0, 0},       {"Level1_2.lev", 0, 0},
      {"Lev_.lev", 0, 0},         {"Lev1_2.sav", 0, 0},           {".lev", 0, 0},
      {"Lev1_ 2.lev", 0, 0},
  };
  for (const Case& c : cases) {
    const auto parsed = ParseLevelFileName(c.name);
    if (c.place == 0) {
      EXPECT_FALSE(parsed.has_value()) << c.name;
    } else {
      ASSERT_TRUE(parsed.has_value()) << c.name;
      EXPECT_EQ(*parsed, std::make_pair(c.place, c.level)) << c.name;
    }
  }
  EXPECT_EQ(LevelFileName(5, 12), "Lev5_12.lev");
  EXPECT_EQ(LevelFileName(1, 100), "Lev1_100.lev");
}

TEST_F(SaveGameTest, GathersLevelFilesAndLeavesStraysOut) {
  PutLevelFile("Lev7_12.lev", 7);
  PutLevelFile("Lev07_1.lev", 8);
  PutFile("Lev2_2.lev", 10);                   // too short for a level
  PutFile("Lev3_3.lev", kLevelFileLimit + 1);  // too long
  PutLevelFile("notes.lev", 9);
  PutLevelFile("Lev1_2.lev.old", 9);
  PutLevelFile("lev7_12.LEV", 5);  // the game's own spelling wins
  fs::create_directory(Save() / "Lev4_4.lev");
  std::vector<SavedLevel> levels;
  std::string error;
  ASSERT_TRUE(GatherLevelFiles(Save(), &levels, &error)) << error;
  ASSERT_EQ(levels.size(), 2u);
  EXPECT_EQ(levels[0].place * 1000 + levels[0].level, 1100);
  EXPECT_EQ(levels[1].place * 1000 + levels[1].level, 7012);
  EXPECT_EQ(levels[1].bytes.front(), 7);
}

TEST_F(SaveGameTest, SavesAndKeepsThePreviousSaveAsBackup) {
  std::string error;
  ASSERT_TRUE(SaveGame(*game_, &error)) << error;
  const std::string first = Saved();
  EXPECT_FALSE(fs::exists(Save() / "Вася.bak")) << "nothing to back up the first time";
  game_->world.hero.money = 999;
  ASSERT_TRUE(SaveGame(*game_, &error)) << error;
  EXPECT_NE(Saved(), first);
  EXPECT_EQ(testing::ReadFileText(Save() / "Вася.bak"), first);
  EXPECT_FALSE(fs::exists(Save() / "Вася.sav.tmp"));
  const auto image = ReadSaveFile(Save(), "Вася", &error);
  ASSERT_TRUE(image.has_value()) << error;
  EXPECT_EQ(image->hero.money, 999);
  EXPECT_EQ(image->levels.size(), 1u);
}

TEST_F(SaveGameTest, AHeroDeepInTheEndlessDungeonSavesAndLoadsBack) {
  game_->world.current_place = 5;
  game_->world.current_level = 32000;
  PutLevelFile("Lev5_32000.lev", 4);
  PutLevelFile("Lev5_1000.lev", 3);
  std::string error;
  ASSERT_TRUE(SaveGame(*game_, &error)) << error;
  const auto image = ReadSaveFile(Save(), "Вася", &error);
  ASSERT_TRUE(image.has_value()) << error;
  EXPECT_EQ(image->level, 32000);
  ASSERT_EQ(image->levels.size(), 3u);
  EXPECT_EQ(image->levels[1].level, 1000);
  ASSERT_TRUE(LoadGame(*game_, "Вася", &error)) << error;
  EXPECT_EQ(game_->world.current_level, 32000);
  EXPECT_EQ(game_->world.level.monster_depth, 4) << "the saved level, not a new one";
  EXPECT_TRUE(LevelIsKept(*game_, 5, 1000));
  EXPECT_FALSE(fs::exists(Save() / "Lev5_1000.lev")) << "loaded levels are not written out";

  // A level left after the load has a file again; saved, the kept levels and a file put there by
  // hand go in together in order, each with its own bytes.
  game_->world.level.monster_depth = 6;
  ASSERT_TRUE(WriteLevel(*game_, 5, 500, &error)) << error;
  EXPECT_TRUE(fs::exists(Save() / "Lev5_500.lev"));
  PutLevelFile("Lev5_700.lev", 7);
  ASSERT_TRUE(SaveGame(*game_, &error)) << error;
  const auto again = ReadSaveFile(Save(), "Вася", &error);
  ASSERT_TRUE(again.has_value()) << error;
  std::vector<std::pair<int, int>> order;
  std::vector<int> depths;
  for (const SavedLevel& level : again->levels) {
    order.emplace_back(level.place, level.level);
    depths.push_back(level.bytes[0]);
  }
  EXPECT_EQ(order, (std::vector<std::pair<int, int>>{
                       {1, 100}, {5, 500}, {5, 700}, {5, 1000}, {5, 32000}}));
  EXPECT_EQ(depths, (std::vector<int>{1, 6, 7, 3, 4}));
  EXPECT_EQ(again->levels[3].bytes, image->levels[1].bytes);
}

TEST_F(SaveGameTest, AFailedWriteLeavesTheOldSaveAlone) {
  std::string error;
  ASSERT_TRUE(SaveGame(*game_, &error)) << error;
  const std::string old_save = Saved();
  // The temporary file cannot be made: a folder stands in its place.
  fs::create_directory(Save() / "Вася.sav.tmp");
  game_->world.hero.money = 5;
  EXPECT_FALSE(SaveGame(*game_, &error));
  EXPECT_NE(error.find("Не удалось записать файл"), std::string::npos) << error;
  EXPECT_EQ(Saved(), old_save);
  EXPECT_FALSE(fs::exists(Save() / "Вася.bak"));
}

TEST_F(SaveGameTest, ASaveThatWouldNotLoadIsNeverWritten) {
  std::string error;
  ASSERT_TRUE(SaveGame(*game_, &error)) << error;
  const std::string old_save = Saved();
  // An event the game does not know would make the save unreadable.
  AddEvent(*game_, "Boom", 10, 1);
  EXPECT_FALSE(SaveGame(*game_, &error));
  EXPECT_NE(error.find("не прочиталось"), std::string::npos) << error;
  EXPECT_EQ(Saved(), old_save);
}

TEST_F(SaveGameTest, RefusesWithoutTheCurrentLevelOrAName) {
  std::string error;
  fs::remove(Save() / "Lev1_100.lev");
  EXPECT_FALSE(SaveGame(*game_, &error));
  EXPECT_NE(error.find("Lev1_100.lev"), std::string::npos) << error;
  PutLevelFile("Lev1_100.lev", 1);
  game_->world.hero.name = "../x";
  EXPECT_FALSE(SaveGame(*game_, &error));
  EXPECT_FALSE(fs::exists(folder_.path() / "x.sav"));
  EXPECT_EQ(SavedHeroes(Save()).size(), 0u);
}

TEST_F(SaveGameTest, ADamagedSaveIsReportedByNameAndKeptAndLeavesTheGameAsItWas) {
  std::string error;
  ASSERT_TRUE(SaveGame(*game_, &error)) << error;
  ASSERT_TRUE(SaveGame(*game_, &error)) << error;  // a backup now exists
  std::string damaged = Saved();
  damaged.resize(damaged.size() - 3);
  testing::WriteFileText(Save() / "Вася.sav", damaged);
  EXPECT_FALSE(ReadSaveFile(Save(), "Вася", &error).has_value());
  EXPECT_NE(error.find((Save() / "Вася.sav").string() + " повреждено"), std::string::npos) << error;
  EXPECT_NE(error.find("Вася.bak"), std::string::npos) << error;
  EXPECT_TRUE(fs::exists(Save() / "Вася.sav"));
  EXPECT_FALSE(ReadSaveFile(Save(), "Петя", &error).has_value());
  EXPECT_NE(error.find("Не удалось прочитать сохранение"), std::string::npos) << error;

  testing::WriteFileText(Save() / "Петя.sav", "not a save");
  const std::string before = testing::ReadFileText(Save() / "Lev1_100.lev");
  EXPECT_FALSE(LoadGame(*game_, "Петя", &error));
  EXPECT_EQ(game_->world.hero.name, "Вася");
  EXPECT_EQ(game_->world.current_place, 1);
  EXPECT_EQ(testing::ReadFileText(Save() / "Lev1_100.lev"), before);
  EXPECT_TRUE(fs::exists(Save() / "Петя.sav"));
}

TEST_F(SaveGameTest, LoadingRestoresTheLabelsFromWhatTheFileKeeps) {
  Hero& hero = game_->world.hero;
  game_->view.labels.Set(Condition::kPoisoned, true);
  game_->view.labels.Set(Condition::kBlessed, true);
  hero.paralysis_time = 30;
  hero.satiation = 800;
  hero.carried_weight = hero.max_weight + 1;
  hero.burden = 2;
  hero.money = 534;
  std::string error;
  ASSERT_TRUE(SaveGame(*game_, &error)) << error;

  game_->view = View{};
  ASSERT_TRUE(LoadGame(*game_, "Вася", &error)) << error;
  const StatusLabels& labels = game_->view.labels;
  EXPECT_TRUE(labels.Has(Condition::kPoisoned));
  EXPECT_TRUE(labels.Has(Condition::kBlessed));
  EXPECT_FALSE(labels.Has(Condition::kConfused));
  EXPECT_TRUE(labels.Has(Condition::kParalyzed)) << "paralysis lasts while its time runs";
  EXPECT_TRUE(labels.hunger_visible);
  EXPECT_EQ(labels.hunger_text, "Голоден");
  EXPECT_TRUE(labels.burden_visible);
  EXPECT_EQ(labels.burden_text, "Перегружен");
  EXPECT_EQ(labels.money, "534$");
  EXPECT_EQ(game_->world.hero.name, "Вася");
  EXPECT_EQ(game_->world.hero.SkillAt(19).name, "Грамотность");
  EXPECT_TRUE(game_->session.game_in_progress);
  EXPECT_FALSE(game_->session.saved);
}

TEST_F(SaveGameTest, ANewGameNeverTakesTheNameOfASavedHero) {
  testing::WriteFileText(Save() / "ВАСЯ.sav", "x");
  game_->session.settings.name = "Вася";
  EXPECT_FALSE(StartNewGame(*game_, NewGameStart{}));
  EXPECT_EQ(game_->view.message_line, kNameTaken);
  EXPECT_TRUE(fs::exists(Save() / "ВАСЯ.sav"));
}

TEST_F(SaveGameTest, ListsSavedHeroesByTheirNames) {
  for (const char* file :
       {"Вася.sav", "Аня.sav", "bad.name.sav", "Вася.bak", "Пётр.sav.tmp", "Lev1_2.lev"}) {
    testing::WriteFileText(Save() / file, "x");
  }
  fs::create_directory(Save() / "Папка.sav");
  EXPECT_EQ(SavedHeroes(Save()), (std::vector<std::string>{"Аня", "Вася"}));
  EXPECT_EQ(FindSavedHero(Save(), "вася"), std::optional<std::string>("Вася"));
  EXPECT_EQ(FindSavedHero(Save(), "Петя"), std::nullopt);
  DeleteSave(Save(), "Вася");
  EXPECT_FALSE(fs::exists(Save() / "Вася.sav"));
  EXPECT_FALSE(fs::exists(Save() / "Вася.bak"));
  EXPECT_TRUE(fs::exists(Save() / "Аня.sav"));
}

}  // namespace
}  // namespace zaldrun
