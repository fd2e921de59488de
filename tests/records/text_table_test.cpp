#include "records/text_table.hpp"

#include <gtest/gtest.h>

#include "support/temp_folder.hpp"

namespace zaldrun {
namespace {

using namespace text_ids;

TEST(TextTable, AppearanceTriplesSitWhereTheyAreComputed) {
  EXPECT_EQ(AppearanceSingular(kPotionBase, 50), 1148);
  EXPECT_EQ(FetchText(1148), "Крапчато-Синее");
  EXPECT_EQ(FetchText(1149), "Крапчато-Синих");
  EXPECT_EQ(FetchNumber(1150), 13132900);
  EXPECT_EQ(FetchText(AppearanceSingular(kWandBase, 50)), "Хитиновый");
  EXPECT_EQ(FetchNumber(AppearanceColour(kRingBase, 24)), 16777215);
}

// Blanks are kept; the ids the code computes find their entries.
TEST(TextTable, SpecialEntries) {
  EXPECT_EQ(FetchText(456), " ");
  EXPECT_EQ(FetchText(1323), "Чрыщ Джы  чАК") << "the double blank is part of the title";
  EXPECT_EQ(FetchText(QuestTitle(7)), "Загадка деланского леса");
  EXPECT_EQ(FetchNumber(kElementColourBase + 10), 9203340);
  EXPECT_EQ(FetchText(kBallGenitiveBase + 5), "огненного шара");
}

TEST(TextTable, RangesAreComplete) {
  const std::pair<int, int> ranges[] = {
      {100, 104},   {120, 125},   {180, 189},   {201, 216},  {265, 291},  {350, 366},
      {404, 410},   {414, 420},   {424, 430},   {434, 440},  {442, 448},  {450, 458},
      {460, 470},   {474, 480},   {501, 549},   {701, 755},  {996, 1150}, {1301, 1350},
      {1401, 1550}, {1701, 1850}, {2001, 2150}, {2501, 2514}};
  size_t expected = 0;
  for (const auto& [low, high] : ranges) {
    for (int id = low; id <= high; ++id) EXPECT_TRUE(HasText(id)) << id;
    expected += static_cast<size_t>(high - low + 1);
  }
  EXPECT_EQ(TextTableSize(), expected) << "no entries outside the known ranges";
  EXPECT_FALSE(HasText(459));
  EXPECT_EQ(FetchText(459), "");
}

TEST(TextTable, SourceCheckFindsBrokenLines) {
  EXPECT_EQ(CheckTextSource("# comment\n1\tone\n2\ttwo\n"), "");
  EXPECT_NE(CheckTextSource("1\tone\n1\tagain\n"), "");
  EXPECT_NE(CheckTextSource("x\tone\n"), "");
  EXPECT_NE(CheckTextSource("12 no tab\n"), "");
  const std::string source = testing::ReadFileText(ZALDRUN_SOURCE_DIR "/data/texts.tsv");
  EXPECT_EQ(CheckTextSource(source), "");
}

}  // namespace
}  // namespace zaldrun
