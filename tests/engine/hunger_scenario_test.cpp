// A new hero who only waits: hungry, then starving, then dead of hunger; then a key ends the game.
#include <gtest/gtest.h>

#include <string>

#include "engine/condition.hpp"
#include "support/game_fixture.hpp"
#include "ui/layout.hpp"
#include "world/new_hero.hpp"

namespace zaldrun {
namespace {

using testing::GameFixture;

TEST(HungerScenario, WaitingUntilDeathByHunger) {
  GameFixture fixture({"AAAAA", "AC@CA", "AAAAA"});
  Game& game = fixture.game();
  SetUpNewHero(game, HeroChoice{1, 1, 1, 0});
  ASSERT_EQ(game.world.hero.satiation, 4980);

  bool saw_hungry_label = false;
  bool saw_starving_label = false;
  for (int i = 0; i < 2500; ++i) fixture.Keys("{Clear}");
  fixture.Keys("{Space}");  // acknowledges the death
  fixture.Keys("x");        // any key after death ends the game
  const bool still_running = fixture.PlayKeys([&] {
    if (!game.view.labels.hunger_visible || saw_starving_label) return;
    const std::string screen = fixture.ScreenText();
    if (game.view.labels.hunger_text == "Голоден" && !saw_hungry_label) {
      saw_hungry_label = screen.find("Голоден") != std::string::npos;
      // The label is yellow.
      const platform::Grid& grid = *fixture.frontend().last_grid();
      for (int y = 0; y < grid.height(); ++y) {
        if (grid.RowText(y).find("Голоден") != std::string::npos) {
          EXPECT_EQ(grid.At(layout::kPanelLeft, y).fg, (platform::Color{255, 255, 0}));
        }
      }
    }
    if (game.view.labels.hunger_text == "Истощён!") saw_starving_label = true;
  });
  EXPECT_FALSE(still_running) << "the key after death ended the game";
  EXPECT_TRUE(saw_hungry_label);
  EXPECT_TRUE(saw_starving_label);
  EXPECT_TRUE(game.GameOver());
  EXPECT_EQ(game.control.end_reason, end_reason::kStarved);
  // The message of each hunger state is condition_test's; here the last word is death's.
  ASSERT_FALSE(fixture.LogLines().empty());
  EXPECT_EQ(fixture.LogLines().back(), "Ты умер от голода...");
}

}  // namespace
}  // namespace zaldrun
