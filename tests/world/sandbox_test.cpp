#include "world/sandbox.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zaldrun {
namespace {

// A 40-line map of stone floor walled round, the hero at (5, 5), then the given extra lines.
std::string Sandbox(const std::vector<std::string>& extra) {
  std::string text;
  for (int y = 0; y < kMapHeight; ++y) {
    std::string row(kMapWidth, y == 0 || y == kMapHeight - 1 ? 'A' : 'C');
    row.front() = row.back() = 'A';
    if (y == 5) row[5] = '@';
    text += row + "\n";
  }
  for (const std::string& line : extra) text += line + "\n";
  return text;
}

TEST(SandboxPlacements, ItemsGoldAndMonstersAreRead) {
  std::string error;
  const auto level = ParseSandbox(Sandbox({"", "# a comment", "item 6 5 63", "item 7 5 30 3",
                                           "gold 8 5 37", "  monster 9 5 1 awake", "monster 10 5 45"}),
                                  "sb.txt", &error);
  ASSERT_TRUE(level) << error;
  ASSERT_EQ(level->placements.size(), 5u);
  const SandboxPlacement& sword = level->placements[0];
  EXPECT_EQ(sword.kind, SandboxPlacement::Kind::kItem);
  EXPECT_EQ(sword.x, 6);
  EXPECT_EQ(sword.type, 63);
  EXPECT_EQ(sword.count, 1);
  EXPECT_EQ(sword.line, 43);
  EXPECT_EQ(level->placements[1].count, 3);
  EXPECT_EQ(level->placements[2].kind, SandboxPlacement::Kind::kGold);
  EXPECT_EQ(level->placements[2].type, 117);
  EXPECT_EQ(level->placements[2].count, 37);
  EXPECT_TRUE(level->placements[3].awake);
  EXPECT_FALSE(level->placements[4].awake);
}

TEST(SandboxPlacements, FaultsNameTheFileAndLine) {
  const std::pair<std::string, const char*> cases[] = {
      {"potion 6 5 30", "неизвестное слово"},
      {"item 80 5 30", "вне карты"},
      {"item 6 -1 30", "вне карты"},
      {"item 6 5 208", "тип должен быть от 1 до 207"},
      {"item 6 5 0", "тип должен быть от 1 до 207"},
      {"item 6 5 30 0", "число предметов"},
      {"item 6 5 30 x", "число предметов"},
      {"item 6 5", "нужно: item"},
      {"gold 6 5 99999999999", "число монет"},
      {"gold 6 5 10 2", "нужно: gold"},
      {"item 0 5 30", "стена"},
      {"monster 6 5 86", "от 1 до 85"},
      {"monster 5 5 1", "стоит герой"},
      {"monster 6 5 1 sleepy", "awake"},
      {"monster 79 39 1", "стена"},
  };
  for (const auto& [line, said] : cases) {
    std::string error;
    EXPECT_FALSE(ParseSandbox(Sandbox({line}), "sb.txt", &error)) << line;
    EXPECT_NE(error.find("sb.txt, строка 41: "), std::string::npos) << line << ": " << error;
    EXPECT_NE(error.find(said), std::string::npos) << line << ": " << error;
  }
  std::string error;
  EXPECT_FALSE(ParseSandbox(Sandbox({"monster 6 5 1", "monster 6 5 2"}), "sb.txt", &error));
  EXPECT_NE(error.find("строка 42: на этой клетке уже есть чудовище"), std::string::npos) << error;
}

TEST(SandboxMap, FaultsNameLineAndColumn) {
  std::string error;
  std::string text = Sandbox({});
  text[3 * (kMapWidth + 1) + 10] = '?';
  EXPECT_FALSE(ParseSandbox(text, "m.txt", &error));
  EXPECT_NE(error.find("m.txt, строка 4, столбец 11: неизвестный знак \"?\""), std::string::npos)
      << error;
  EXPECT_FALSE(ParseSandbox(Sandbox({}).substr(0, 20 * (kMapWidth + 1)), "m.txt", &error));
  EXPECT_NE(error.find("а их 20"), std::string::npos) << error;
  std::string two_heroes = Sandbox({});
  two_heroes[7 * (kMapWidth + 1) + 7] = '@';
  EXPECT_FALSE(ParseSandbox(two_heroes, "m.txt", &error));
  EXPECT_NE(error.find("ровно один герой"), std::string::npos) << error;
}

}  // namespace
}  // namespace zaldrun
