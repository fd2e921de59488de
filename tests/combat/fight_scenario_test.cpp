// A fight played with keys: a new warrior bumps into an awake rat until one of them dies.
#include <gtest/gtest.h>

#include <algorithm>
#include <regex>
#include <string>
#include <vector>

#include "creatures/monster_table.hpp"
#include "support/game_fixture.hpp"
#include "support/open_room.hpp"

namespace zaldrun {
namespace {

using testing::GameFixture;

TEST(FightScenario, BumpingIntoARatFillsTheLogUntilOneOfThemDies) {
  for (uint64_t seed : {1, 2, 3}) {
    SCOPED_TRACE(seed);
    GameFixture fixture(testing::OpenRoom(10, 5, 2, 2), seed);
    Game& game = fixture.game();
    const HeroChoice warrior{1, 1, 1, 0};
    StartSandbox(game, testing::PictureLevel(testing::OpenRoom(10, 5, 2, 2)), &warrior);
    ASSERT_TRUE(PlaceMonsterOfType(game, 3, 2, 1, true));
    for (int i = 0; i < 60; ++i) fixture.Keys("{Right}{Space}");
    fixture.PlayKeys();

    const std::regex hero_blow(
        "Ты( критически)? ударил крысу(\\. \\(\\d+\\)|, но не причинил никаких повреждений\\.)");
    const std::regex rat_blow(
        "Крыса (пробила сквозь твою броню и )?(укусила тебя|ударила тебя когтями)"
        "(\\. \\(\\d+\\)|, но не причинила никаких повреждений\\.)");
    int hero_lines = 0;
    int rat_lines = 0;
    const std::vector<std::string> log = fixture.LogLines();
    ASSERT_FALSE(log.empty());
    for (size_t i = 0; i < log.size(); ++i) {
      const std::string& line = log[i];
      if (std::regex_match(line, hero_blow) || line == "Ты промахнулся по крысе.") {
        ++hero_lines;
      } else if (std::regex_match(line, rat_blow) || line == "Крыса промахнулась по тебе.") {
        ++rat_lines;
      } else {
        EXPECT_TRUE(line == "Ты убил крысу!" || line == "Ты умер!..." ||
                    line.rfind("Навык", 0) == 0 || line == "Получен новый уровнень!" ||
                    line.rfind("Здесь лежит", 0) == 0 || line.rfind("Ты становишься", 0) == 0)
            << line;
      }
    }
    EXPECT_GT(hero_lines, 0);
    const bool rat_died = std::find(log.begin(), log.end(), "Ты убил крысу!") != log.end();
    EXPECT_TRUE(rat_died || game.GameOver());
    if (rat_died) {
      EXPECT_EQ(game.world.kill_counts[1], 1);
      EXPECT_EQ(game.world.level.monster_count, 0);
    }
  }
}

}  // namespace
}  // namespace zaldrun
