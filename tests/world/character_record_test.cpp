#include "world/character_record.hpp"

#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <vector>

#include "base/utf8.hpp"
#include "engine/condition.hpp"
#include "model/game.hpp"
#include "records/item_type_table.hpp"
#include "support/temp_folder.hpp"
#include "world/game_data.hpp"
#include "world/new_hero.hpp"

namespace zaldrun {
namespace {

namespace fs = std::filesystem;

// A human warrior named Вася with his starting kit, standing at (10, 5) of a floor level.
class CharacterRecordTest : public ::testing::Test {
 protected:
  void SetUp() override {
    game_ = std::make_unique<Game>();
    game_->session.folder = folder_.path();
    game_->session.data_folder = ZALDRUN_BINARY_DIR;
    game_->random.Seed(3);
    ASSERT_EQ(LoadGameData(*game_), "");
    game_->world.hero.name = "Вася";
    SetUpNewHero(*game_, HeroChoice{1, 1, 1, 0});
    Level& level = game_->world.level;
    for (auto& row : level.terrain) row.fill('C');
    for (MapCell& cell : level.cells) cell.remembered_glyph = '.';
    game_->world.hero.x = 10;
    game_->world.hero.y = 5;
  }

  std::vector<std::string> Lines() {
    std::vector<std::string> lines;
    std::istringstream in(CharacterRecordText(*game_));
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
  }
  // The line after the one that starts with `header`, and the ones after it up to an empty line.
  std::vector<std::string> Section(const std::string& header, int skip = 0) {
    const std::vector<std::string> lines = Lines();
    std::vector<std::string> section;
    for (size_t i = 0; i < lines.size(); ++i) {
      if (lines[i] != header || skip-- > 0) continue;
      for (size_t j = i + 1; j < lines.size() && !lines[j].empty(); ++j)
        section.push_back(lines[j]);
      break;
    }
    return section;
  }
  int AddMonster(int type, int x, int y) {
    Level& level = game_->world.level;
    const int slot = ++level.monster_count;
    level.Monster(slot).type = static_cast<int16_t>(type);
    level.Monster(slot).x = static_cast<uint8_t>(x);
    level.Monster(slot).y = static_cast<uint8_t>(y);
    level.Cell(x, y).monster = static_cast<int16_t>(slot);
    return slot;
  }

  testing::TempFolder folder_;
  std::unique_ptr<Game> game_;
};

TEST_F(CharacterRecordTest, EndReasonPhrases) {
  struct Case {
    int reason;
    int monster;
    const char* phrase;
  } cases[] = {
      {1, 0, "просто вышел из игры"},
      {2, 1, "был убит крысой"},
      {2, 0, "был убит злым глюком"},
      {2, 86, "был убит злым глюком"},
      {3, 2, "был отравлен большой крысой"},
      {3, -5, "отравился ядовитыми газами"},
      {3, -1, "был отравлен злым глюком"},
      {4, 0, "был стёрт с лица земли гневом Великого Уха"},
      {5, 0, "был раздавлен кирпичём"},
      {6, 0, "умер от взорвавшейся двери"},
      {7, 0, "умер от высокого напряжения"},
      {8, 0, "был испепелён огненной аурой"},
      {9, 0, "умер от голода"},
      {10, 0, "умер от плохого питания"},
      {11, 0, "сгорел заживо"},
      {12, 0, "умер от удара граблями по лбу"},
      {13, 0, "был застрелен дротиком"},
      {14, 0, "был нанизан на копья"},
      {0, 0, "умер по неизвестной причине"},
      {15, 0, "умер по неизвестной причине"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(EndReasonPhrase(*game_, c.reason, c.monster), c.phrase) << c.reason;
  }
}

TEST_F(CharacterRecordTest, MapSummaryAndFigures) {
  AddMonster(1, 10, 5);   // under the hero: the hero shows
  AddMonster(1, 12, 5);   // in sight
  AddMonster(1, 70, 35);  // far away: the cell's own character shows
  game_->control.end_reason = end_reason::kStarved;
  const std::vector<std::string> lines = Lines();
  ASSERT_GE(lines.size(), 44u);
  for (int y = 0; y < 40; ++y) EXPECT_EQ(Utf8Length(lines[static_cast<size_t>(y)]), 80u) << y;
  const std::u32string row5 = DecodeUtf8(lines[5]);
  EXPECT_EQ(row5[10], U'@');
  EXPECT_NE(row5[12], U'.') << "a rat in sight shows its glyph";
  EXPECT_EQ(DecodeUtf8(lines[35])[70], U'.');
  EXPECT_EQ(lines[40], "");
  EXPECT_EQ(lines[41], "Вася, Человек Воин, умер от голода.");
  EXPECT_EQ(lines[42], "HP: " + game_->view.labels.hp + "   PP: " + game_->view.labels.pp +
                           "   Exp: " + game_->view.labels.exp);
  EXPECT_EQ(lines[43], "");
}

TEST_F(CharacterRecordTest, AttributeColumns) {
  Attributes& attributes = game_->world.hero.attributes;
  attributes.current[0] = 14;
  attributes.natural[0] = 12;
  attributes.current[1] = 30;
  attributes.natural[1] = 30;
  const std::vector<std::string> section = Section("=============== Атрибуты ==============");
  ASSERT_EQ(section.size(), 8u) << "appearance is never listed";
  EXPECT_EQ(section[0], std::string(13, ' ') + "Сила    14 (12)");
  EXPECT_EQ(section[1], std::string(15, ' ') + "Ум    30");
  EXPECT_EQ(section[4].rfind(std::string(5, ' ') + "Выносливость    ", 0), 0u) << section[4];
  for (const std::string& line : section) EXPECT_EQ(line.find("Внешность"), std::string::npos);
}

TEST_F(CharacterRecordTest, EquipmentInRecordOrderAndItemsLeftKnown) {
  Hero& hero = game_->world.hero;
  hero.equipment[15] = hero.equipment[6];  // something on the left ring's slot, to see its place
  hero.equipment[15].blessing = 5;
  hero.equipment[15].identified = 0;
  const std::vector<std::string> section = Section("=============== Экипировка ==============");
  ASSERT_EQ(section.size(), 15u);
  EXPECT_EQ(section[0], "        Голова:  ------");
  // Captions end at the 15th character: the left ring follows the right.
  EXPECT_EQ(section[7], " Правое Кольцо:  ------");
  EXPECT_EQ(section[8].rfind("  Левое Кольцо: ", 0), 0u) << section[8];
  EXPECT_EQ(section[9], "      Браслеты:  ------");
  EXPECT_EQ(section[5].rfind("   Правая Рука: ", 0), 0u);
  EXPECT_NE(section[5].find(" ("), std::string::npos) << "a weapon's figures follow its name";
  EXPECT_EQ(hero.equipment[15].identified, 1) << "listed items stay known";
  EXPECT_EQ(hero.equipment[15].blessing, 2);
}

TEST_F(CharacterRecordTest, PackBySkillsAndKills) {
  PileRecord& pack = game_->world.piles[0];
  int potion = 0;
  for (int type = 1; type <= kItemTypeCount && potion == 0; ++type) {
    if (BaseItemType(type).category == 4) potion = type;
  }
  ItemRecord item;
  item.type = static_cast<int16_t>(potion);
  item.count = 2;
  item.blessing = 4;
  item.material = 1;
  pack.groups[4].push_back(item);
  ++pack.count;
  const std::vector<std::string> pack_lines =
      Section("=============== Экипировка ==============", 1);
  ASSERT_FALSE(pack_lines.empty());
  EXPECT_NE(std::find(pack_lines.begin(), pack_lines.end(), "---- Зелья ----"), pack_lines.end());
  EXPECT_EQ(pack.groups[4].back().identified, 1);

  Hero& hero = game_->world.hero;
  for (int s = 1; s <= kSkillCount; ++s) hero.SkillAt(s).value = 0;
  hero.SkillAt(1).value = 1.5f;
  hero.SkillAt(19).value = 0.125f;
  EXPECT_EQ(Section("=============== Навыки =============="),
            (std::vector<std::string>{std::string(8, ' ') + "Короткие Клинки   1.5000",
                                      std::string(12, ' ') + "Грамотность   0.1250"}));

  game_->world.kill_counts[1] = 3;
  game_->world.kill_counts[2] = 12;
  const std::vector<std::string> lines = Lines();
  ASSERT_GE(lines.size(), 2u);
  EXPECT_EQ(lines[lines.size() - 2], "Крыса" + std::string(25, ' ') + "     3");
  EXPECT_EQ(lines.back(), "Большая крыса" + std::string(17, ' ') + "     12");
}

TEST_F(CharacterRecordTest, WrittenBesideTheProgram) {
  game_->control.end_reason = end_reason::kQuit;
  std::string error;
  ASSERT_TRUE(WriteCharacterRecord(*game_, &error)) << error;
  const std::string text = testing::ReadFileText(folder_.path() / "Вася.txt");
  EXPECT_NE(text.find("Вася, Человек Воин, просто вышел из игры.\n"), std::string::npos);
  game_->world.hero.name = "../Вася";
  EXPECT_FALSE(WriteCharacterRecord(*game_, &error));
  EXPECT_FALSE(fs::exists(folder_.path().parent_path() / "Вася.txt"));
}

// Heroes of one name each keep their story: the later ones are numbered, the first stays as it
// was.
TEST_F(CharacterRecordTest, ARecordNeverOverwritesAnEarlierOne) {
  std::string error;
  std::string file_name;
  for (const char* expected : {"Вася.txt", "Вася (2).txt", "Вася (3).txt"}) {
    game_->control.end_reason = file_name.empty() ? end_reason::kQuit : end_reason::kStarved;
    ASSERT_TRUE(WriteCharacterRecord(*game_, &error, &file_name)) << error;
    EXPECT_EQ(file_name, expected);
  }
  EXPECT_NE(testing::ReadFileText(folder_.path() / "Вася.txt").find("просто вышел из игры"),
            std::string::npos);
  EXPECT_NE(testing::ReadFileText(folder_.path() / "Вася (3).txt").find("умер от голода"),
            std::string::npos);
}

}  // namespace
}  // namespace zaldrun
