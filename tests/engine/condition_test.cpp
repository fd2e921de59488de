#include "engine/condition.hpp"

#include <gtest/gtest.h>

#include <algorithm>

#include "support/game_fixture.hpp"

namespace zaldrun {
namespace {

using testing::GameFixture;

const std::vector<std::string> kRoom = {"AAAA", "A@CA", "AAAA"};

class ConditionTest : public ::testing::Test {
 protected:
  ConditionTest() : fixture_(kRoom) {
    Hero& hero = game().world.hero;
    hero.max_hp = 34;
    hero.hp = 15;
    hero.max_pp = 10;
    hero.pp = 3;
    hero.satiation = 3000;
    hero.level = 1;
    hero.experience_to_next = ExperienceNeed(game(), 1);
  }
  Game& game() { return fixture_.game(); }
  GameFixture fixture_;
};

// Starving to death is played out in hunger_scenario_test.cpp.
TEST_F(ConditionTest, AbsorptionCancelsLossesButNeverHealsAndPointsStayInRange) {
  game().world.hero.absorption = 5;
  ChangeHP(game(), -3);
  EXPECT_EQ(game().world.hero.hp, 15);
  ChangeHP(game(), -8);
  EXPECT_EQ(game().world.hero.hp, 12);
  EXPECT_EQ(game().view.labels.hp, "12(34)");
  ChangeHP(game(), 100);
  EXPECT_EQ(game().world.hero.hp, 34) << "healing stops at the maximum";
  ChangePP(game(), -10);
  EXPECT_EQ(game().world.hero.pp, 0);
  ChangePP(game(), 40);
  EXPECT_EQ(game().view.labels.pp, "10(10)");
}

TEST_F(ConditionTest, ExactlyZeroHitPointsKillAndDeathIsFinal) {
  ASSERT_TRUE(fixture_.Keys("{Space}").Act([](Game& g) { ChangeHP(g, -15); }));
  EXPECT_TRUE(game().GameOver());
  EXPECT_EQ(game().view.labels.hp, "0(34)");
  EXPECT_EQ(fixture_.LogLines(), (std::vector<std::string>{"Ты умер!..."}));
  EXPECT_EQ(fixture_.frontend().beeps(), 1);
  // Nothing lifts a dead hero.
  ChangeHP(game(), 50);
  ChangePP(game(), 5);
  ChangeSatiation(game(), 100);
  GainExperience(game(), 1000);
  EXPECT_EQ(game().world.hero.hp, 0);
  EXPECT_EQ(game().world.hero.pp, 3);
  EXPECT_EQ(game().world.hero.satiation, 3000);
  EXPECT_EQ(game().world.hero.level, 1);
}

TEST_F(ConditionTest, HungerStatesMessagesAndSpeed) {
  struct Step {
    int32_t to;
    const char* message;  // nullptr: none
    int speed_bonus;
    const char* label;  // nullptr: hidden
  };
  const Step steps[] = {
      {4999, nullptr, 0, nullptr},
      {5000, "Ты наелся.", -6, "Сытый"},
      {6501, "Ты окончательно наелся.", -12, "Объелся"},
      {6500, nullptr, -6, "Сытый"},
      {4999, nullptr, 0, nullptr},
      {1000, "Ты проголодался.", 0, "Голоден"},
      {1500, "Ты полностью утолил голод.", 0, nullptr},
      {0, "Ты умираешь от голода!", 0, "Истощён!"},
      {-699, "Ты умираешь от голода!", 0, "Истощён!"},
      {1, "Теперь ты только немного голоден.", 0, "Голоден"},
      {5000, "Ты наелся.", -6, "Сытый"},
      {7000, "Ты окончательно наелся.", -12, "Объелся"},
  };
  for (const Step& step : steps) {
    game().view.message_line.clear();
    ChangeSatiation(game(), step.to - game().world.hero.satiation);
    const std::string expected = step.message ? std::string(" ") + step.message : "";
    EXPECT_EQ(game().view.message_line, expected) << step.to;
    EXPECT_EQ(game().world.hero.speed_bonus, step.speed_bonus) << step.to;
    EXPECT_EQ(game().view.labels.hunger_visible, step.label != nullptr) << step.to;
    if (step.label != nullptr) {
      EXPECT_EQ(game().view.labels.hunger_text, step.label) << step.to;
    }
  }
}

TEST_F(ConditionTest, HungryLabelIsYellowAndBeeps) {
  ChangeSatiation(game(), 1000 - game().world.hero.satiation);
  EXPECT_EQ(game().view.labels.hunger_colour, 65535u);
  EXPECT_EQ(fixture_.frontend().beeps(), 1);
}

TEST_F(ConditionTest, ExperienceRaisesLevelsWithTheirRewards) {
  Hero& hero = game().world.hero;
  hero.race = 4;  // dwarves grow resistant to fire at even levels
  hero.hp_per_level = 7;
  hero.pp_per_level = 2;
  hero.skill_points_per_level = 14;
  EXPECT_EQ(ExperienceNeed(game(), 1), 140);
  EXPECT_EQ(ExperienceNeed(game(), 2), 230);
  EXPECT_EQ(ExperienceNeed(game(), 3), 380);
  ASSERT_TRUE(fixture_.Keys("{Space}{Space}{Space}{Space}").Act([](Game& g) {
    GainExperience(g, 140 + 230 + 5);
  }));
  EXPECT_EQ(hero.level, 3);
  EXPECT_EQ(hero.experience_to_next, 375);
  EXPECT_EQ(hero.max_hp, 48);
  EXPECT_EQ(hero.hp, 29);
  EXPECT_EQ(hero.max_pp, 14);
  EXPECT_EQ(hero.skill_points, 28);
  EXPECT_EQ(hero.resistance_base[5], 1);
  EXPECT_EQ(game().view.labels.level, "3");
  EXPECT_EQ(game().view.labels.exp, "5(380)");
  const auto log = fixture_.LogLines();
  EXPECT_EQ(std::count(log.begin(), log.end(), "Получен новый уровнень!"), 2);
  EXPECT_EQ(std::count(log.begin(), log.end(), "Ты становишься устойчивей к огню."), 1);
}

TEST_F(ConditionTest, ExperienceBonusScalesGains) {
  game().world.hero.experience_bonus = 5;
  GainExperience(game(), 10);
  EXPECT_EQ(game().world.hero.experience_to_next, 140 - 12) << "Round(12.5) is 12";
}

}  // namespace
}  // namespace zaldrun
