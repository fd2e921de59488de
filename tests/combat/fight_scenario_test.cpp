// A fight played with keys: a new warrior bumps into an awake rat until one of them dies.
#include <gtest/gtest.h>

#include <algorithm>
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

    // The blow texts are melee_test's and monster_blow_test's; here the hero strikes at all.
    const std::vector<std::string> log = fixture.LogLines();
    EXPECT_TRUE(std::any_of(log.begin(), log.end(), [](const std::string& line) {
      return line.starts_with("Ты ") && line.find("крыс") != std::string::npos &&
             line != "Ты убил крысу!";
    }));
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
