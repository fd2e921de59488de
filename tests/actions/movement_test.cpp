#include "actions/movement.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "support/game_fixture.hpp"

namespace zaldrun {
namespace {

using testing::GameFixture;

const std::vector<std::string> kRoom = {
    "AAAAAAAA",
    "AC@C+CCA",
    "ACCCCCCA",
    "AAAAAAAA",
};

TEST(Movement, WallsAndOverloadRefuseWithoutTimeOrLog) {
  GameFixture fixture(kRoom);
  Game& game = fixture.game();
  game.world.hero.last_action_time = -1;
  MoveHero(game, 2, 0);
  EXPECT_EQ(game.view.message_line, " Ты не можешь туда идти.");
  EXPECT_EQ(game.world.hero.last_action_time, -1) << "no time passed";
  EXPECT_TRUE(fixture.LogLines().empty());
  MoveHero(game, -1, 1);  // off the map: nothing at all
  EXPECT_EQ(game.world.hero.x, 2);
  game.world.hero.burden = 2;
  game.view.message_line.clear();
  MoveHero(game, 3, 1);
  EXPECT_EQ(game.world.hero.x, 2);
  EXPECT_EQ(game.world.hero.last_action_time, -1);
  EXPECT_EQ(game.view.message_line, " Ты перегружен и не можешь больше идти!");
}

TEST(Movement, AConfusedHeroBumpsAndLosesTime) {
  GameFixture fixture(kRoom);
  Game& game = fixture.game();
  game.view.labels.Set(Condition::kConfused, true);
  MoveHero(game, 2, 0);
  EXPECT_EQ(game.view.message_line, " Ты ударился о стену.");
  EXPECT_EQ(game.world.hero.last_action_time, 10);
  game.view.message_line.clear();
  game.world.hero.x = 3;
  MoveHero(game, 4, 1);
  EXPECT_EQ(game.view.message_line, " Ты врезался в дверь.");
  EXPECT_EQ(game.world.level.Cell(4, 1).feature, feature::kClosedDoor);
}

TEST(Movement, WalkingIntoADoorOpensIt) {
  GameFixture fixture(kRoom);
  Game& game = fixture.game();
  MoveHero(game, 3, 1);
  MoveHero(game, 4, 1);
  EXPECT_EQ(game.world.level.Cell(4, 1).feature, feature::kOpenDoor);
  EXPECT_EQ(game.world.hero.x, 3) << "opening is not a step";
  EXPECT_EQ(game.view.message_line, " Ты открыл дверь.");
  MoveHero(game, 4, 1);
  EXPECT_EQ(game.world.hero.x, 4);
}

TEST(Movement, ExitsAskBeforeLeaving) {
  for (const char* answer : {"n", "y"}) {
    GameFixture fixture(kRoom);
    Game& game = fixture.game();
    MapCell& exit = game.world.level.Cell(3, 2);
    exit.feature = feature::kEdgeExit;
    exit.params = {1, 100, 11, 21};
    game.world.hero.last_action_time = -1;
    ASSERT_TRUE(fixture.Keys(answer).Act([](Game& g) { MoveHero(g, 3, 2); }));
    EXPECT_EQ(game.world.hero.last_action_time, -1) << "leaving takes no time";
    if (std::string(answer) == "y") {
      EXPECT_TRUE(game.world.OnOverworld());
      EXPECT_EQ(game.world.hero.x, 11);
      EXPECT_EQ(game.world.hero.y, 21);
      EXPECT_TRUE(std::filesystem::exists(game.session.SaveFolder() / "Lev99_1.lev"));
    } else {
      EXPECT_EQ(game.world.current_place, kSandboxPlace);
      EXPECT_EQ(game.world.hero.x, 2);
    }
  }
}

TEST(Movement, StepsTellWhatLiesThere) {
  GameFixture fixture(kRoom);
  Game& game = fixture.game();
  game.world.level.Cell(3, 2).feature = feature::kChest;
  MoveHero(game, 3, 2);
  EXPECT_EQ(game.view.message_line, " Здесь стоит сундук.");

  for (int records : {10, 11}) {
    game.view.message_line.clear();
    game.world.piles[4].count = static_cast<int16_t>(records);
    game.world.level.Cell(2, 2).item = 4;
    game.world.hero.x = 3;
    game.world.hero.y = 2;
    MoveHero(game, 2, 2);
    EXPECT_EQ(game.view.message_line,
              records == 10 ? " Здесь лежат несколько вещей." : " Здесь лежит много вещей.");
  }
}

TEST(Movement, OverworldStepsCostTwentyThousand) {
  GameFixture fixture({"QQQQ", "Q@QQ", "QQQQ"});
  Game& game = fixture.game();
  game.world.current_place = kOverworldPlace;
  game.world.current_level = kOverworldLevel;
  game.world.hero.move_cost = 800;
  MoveHero(game, 2, 1);
  EXPECT_EQ(game.world.hero.last_action_time, 200);
}

TEST(Movement, PassiveSearchFindsSecretDoorsNextToTheHero) {
  // A strong searcher always finds: the chance covers every draw.
  GameFixture fixture({"AAAAAA", "A*C@CA", "AAAAAA"});
  Game& game = fixture.game();
  game.world.hero.SkillAt(skill::kSearching).value = 25;
  game.world.hero.SkillAt(skill::kSearching).cap = 50;
  ASSERT_TRUE(fixture.Keys("{Space}").Act([](Game& g) { MoveHero(g, 2, 1); }));
  EXPECT_EQ(game.world.level.Cell(1, 1).feature, feature::kClosedDoor);
  EXPECT_EQ(game.world.level.Terrain(1, 1), 'C');
  EXPECT_EQ(fixture.LogCount("Ты нашёл секретную дверь!"), 1);
}

}  // namespace
}  // namespace zaldrun
