// The pieces of every talk: wildcard topics, counts within the purse, the silent and the absent.
#include "quests/conversation.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "quests/talk.hpp"
#include "support/game_fixture.hpp"

namespace zaldrun {
namespace {

using testing::GameFixture;

bool Logged(const GameFixture& fixture, std::string_view line) {
  const auto log = fixture.LogLines();
  return std::find(log.begin(), log.end(), line) != log.end();
}

TEST(ConversationTest, AnswersMatchWildcardTopicsWithoutCase) {
  struct Case {
    const char* answer;
    const char* pattern;
    bool matches;
  };
  constexpr Case kCases[] = {
      {"Исцели меня", "*исцел*", true},
      {"ИСЦЕЛИ", "*исцел*", true},
      {"heal me", "*heal*", true},
      {"пока", "*пока*", true},
      {"ну пока!", "*пока*", true},
      {"цель", "*цели*", false},
      {"Ёжик", "ё?ик", true},
      {"", "*", true},
      {"табличка", "*табличк*", true},
      {"таблица", "*табличк*", false},
      {"a*b", "a*b", true},
      {"ab", "a?b", false},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(std::string(c.answer) + " / " + c.pattern);
    EXPECT_EQ(Like(c.answer, c.pattern), c.matches);
  }
}

TEST(ConversationTest, AnAnswerIsChosenByKeysTypedOrClicked) {
  GameFixture fixture({"C@C"});
  constexpr std::string_view kTopics[] = {"пока", "задание", "деревня"};
  std::string answer;
  const auto ask = [&](Game& g) { answer = AskTopic(g, kTopics); };
  fixture.Keys("{Down}{Enter}").Act(ask);
  EXPECT_EQ(answer, "задание");
  fixture.Keys("  Тазар {Enter}").Act(ask);
  EXPECT_EQ(answer, "Тазар");
  EXPECT_FALSE(fixture.game().view.chat.visible);
  // A click on the third answer takes it; a click beside the list does nothing.
  fixture.frontend().PushClick(1, 1);
  fixture.frontend().PushClick(82, 25);
  fixture.Act(ask);
  EXPECT_EQ(answer, "деревня");
}

TEST(ConversationTest, ACountIsAWholeNumberTheHeroCanPayFor) {
  GameFixture fixture({"C@C"});
  Game& game = fixture.game();
  game.world.hero.money = 200;
  // The box starts with "1": Enter alone buys one.
  int32_t bought = -1;
  fixture.Keys("{Enter}").Act([&](Game& g) { bought = BuyCount(g, 75); });
  EXPECT_EQ(bought, 1);
  EXPECT_EQ(game.world.hero.money, 125);
  // More than the purse holds, garbage, zero and a number too long for any purse buy nothing.
  for (const char* typed : {"{Backspace}2{Enter}", "{Backspace}x{Enter}", "{Backspace}0{Enter}",
                            "{Backspace}99999999999999999999{Enter}", "{Backspace}-1{Enter}"}) {
    SCOPED_TRACE(typed);
    fixture.Keys(typed).Act([&](Game& g) { bought = BuyCount(g, 75); });
    EXPECT_EQ(bought, 0);
    EXPECT_EQ(game.world.hero.money, 125);
  }
  EXPECT_TRUE(Logged(fixture, "Ты ошибся. Нету у тебя таких денег."));
  // A price so high that the total would overflow is simply unaffordable.
  EXPECT_EQ(Affordable(game, int64_t{1} << 40), 0);
  EXPECT_FALSE(Pay(game, int64_t{1} << 40));
  EXPECT_EQ(game.world.hero.money, 125);
}

TEST(ConversationTest, NobodyThereAndTheSilentAnswerWithoutACrash) {
  GameFixture fixture({"C@CC"});
  Game& game = fixture.game();
  game.world.hero.last_action_time = 0;
  fixture.Act([](Game& g) { Talk(g, 0, 0); });
  EXPECT_TRUE(Logged(fixture, "А тут никого нету."));
  EXPECT_EQ(game.world.hero.last_action_time, 0);
  // A rat has no answer; a creature whose type names a handler nobody built answers likewise.
  constexpr int kRat = 1;
  fixture.AddMonster(kRat, 2, 0);
  fixture.Keys("     ").Act([](Game& g) { Talk(g, 2, 0); });
  EXPECT_TRUE(Logged(fixture, "И молчание было тебе ответом..."));
  EXPECT_GT(game.world.hero.last_action_time, 0);
  game.data.monsters.records[kRat].talk = "Nobody";
  fixture.Keys("     ").Act([](Game& g) { Talk(g, 2, 0); });
  const auto log = fixture.LogLines();
  EXPECT_EQ(std::count(log.begin(), log.end(), std::string("И молчание было тебе ответом...")), 2);
}

}  // namespace
}  // namespace zaldrun
