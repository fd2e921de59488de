#include "ui/commands.hpp"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "engine/message_line.hpp"
#include "field/field.hpp"
#include "support/game_fixture.hpp"
#include "ui/prompts.hpp"

namespace zaldrun {
namespace {

using testing::GameFixture;

const std::vector<std::string> kRoom = {
    "AAAAAAAA", "ACCCCCCA", "AC@C+CCA", "ACCCCCCA", "AAAAAAAA",
};

TEST(Commands, DirectionKeysWalkAndTheCentreKeyWaits) {
  GameFixture fixture(kRoom);
  fixture.Keys("{Right}{Down}{Left}{Up}{PgDn}{Home}{End}{PgUp}").PlayKeys();
  EXPECT_EQ(fixture.game().world.hero.x, 2);
  EXPECT_EQ(fixture.game().world.hero.y, 2);
  fixture.game().world.hero.last_action_time = 0;
  fixture.Keys("{Clear}").PlayKeys();
  EXPECT_EQ(fixture.game().world.hero.last_action_time, 10);
}

TEST(Commands, AConfusedHeroStumblesInsteadOfWalkingOrWaiting) {
  GameFixture fixture(kRoom, 3);
  fixture.game().view.labels.Set(Condition::kConfused, true);
  std::set<std::pair<int, int>> reached;
  for (int i = 0; i < 60; ++i) {
    fixture.game().world.hero.x = 3;
    fixture.game().world.hero.y = 2;
    fixture.Keys(i % 2 == 0 ? "{Clear}" : "{Right}").PlayKeys();
    reached.insert({fixture.game().world.hero.x, fixture.game().world.hero.y});
  }
  EXPECT_GE(reached.size(), 5u) << "stumbling goes anywhere around, the hero's cell included";
}

TEST(Commands, AnyKeyOptionOnlyDismissesTheMoreMark) {
  for (int fast_more : {0, 1}) {
    GameFixture fixture(kRoom);
    Game& game = fixture.game();
    game.session.settings.fast_more = static_cast<uint8_t>(fast_more);
    // A message that must be acknowledged, then a letter, then Space if still needed.
    ASSERT_TRUE(fixture.Keys(fast_more != 0 ? "l" : "l{Space}").Act([](Game& g) {
      ShowMessage(g, "Внимание!", msg::kAcknowledge);
    }));
    EXPECT_EQ(fixture.frontend().pending_keys(), 0u) << "the wait took every key";
    EXPECT_FALSE(game.view.field.selection_visible)
        << "the key did not also start the look command";
  }
}

TEST(Commands, TheEarlierBindingWinsForTheSameCharacter) {
  GameFixture fixture(kRoom);
  Game& game = fixture.game();
  game.session.settings.Binding(Command::kSearch) =
      'k';  // Kick comes before Search in the match order
  fixture.Keys("k{Esc}").PlayKeys();
  EXPECT_EQ(game.view.message_line, " В каком направлении? Странное направление.")
      << "the kick prompt ran";
}

TEST(Commands, RefusalsOfCommandsWithNothingToUse) {
  struct Case {
    const char* key;
    const char* message;
  };
  const Case cases[] = {{"q", " А пить-то нечего!"},
                        {"e", " А есть-то нечего!"},
                        {"z", " Нету жезлов"},
                        {"!", " Нету зелий."},
                        {"t", " Нечем стрельнуть..."},
                        {",", " Тут ничего нет."},
                        {">", " Здесь нет никаких лестниц или входов."}};
  for (const Case& c : cases) {
    GameFixture fixture(kRoom);
    fixture.Keys(c.key).PlayKeys();
    EXPECT_EQ(fixture.game().view.message_line, c.message) << c.key;
  }
}

TEST(Commands, EatingAndReadingLimits) {
  GameFixture fixture(kRoom);
  Game& game = fixture.game();
  game.world.piles[0].groups[8].push_back(ItemRecord{.type = 1});
  game.world.piles[0].groups[5].push_back(ItemRecord{.type = 2});
  game.world.hero.satiation = 6501;
  fixture.Keys("e").PlayKeys();
  EXPECT_EQ(game.view.message_line, " Ты больше не можешь ничего есть!");
  game.world.hero.satiation = 6500;
  fixture.Keys("e").PlayKeys();
  EXPECT_EQ(game.control.pending_operation, PendingOperation::kEat);

  game.world.hero.SkillAt(skill::kLiteracy).value = 0.9f;
  fixture.Keys("r").PlayKeys();
  EXPECT_EQ(game.view.message_line, " Да ты читать не умеешь!");
  game.world.hero.SkillAt(skill::kLiteracy).value = 1.0f;
  fixture.Keys("r").PlayKeys();
  EXPECT_EQ(game.control.pending_operation, PendingOperation::kRead);
}

TEST(Commands, ConfusedHeroesCannotDoFineWork) {
  for (const char* key : {"k", "o", "r", "z", "s", "!", "t"}) {
    GameFixture fixture(kRoom);
    fixture.game().view.labels.Set(Condition::kConfused, true);
    fixture.Keys(std::string(key) + "{Space}").PlayKeys();
    EXPECT_EQ(fixture.LogLines(),
              (std::vector<std::string>{"Ты не можешь это делать в таком состоянии!"}))
        << key;
  }
}

TEST(Commands, OpenAndCloseADoorByDirection) {
  GameFixture fixture(kRoom);
  Game& game = fixture.game();
  fixture.Keys("{Right}o{Right}").PlayKeys();
  EXPECT_EQ(game.world.level.Cell(4, 2).feature, feature::kOpenDoor);
  fixture.Keys("o{Right}").PlayKeys();
  EXPECT_EQ(game.world.level.Cell(4, 2).feature, feature::kClosedDoor);
  EXPECT_EQ(game.view.message_line, " В каком направлении? Ты закрыл дверь.");
  fixture.Keys("o{Clear}").PlayKeys();
  EXPECT_EQ(game.view.message_line,
            " В каком направлении? ГГ выполнил недопустимую операцию и будет ЗАКРЫТ :)");
  fixture.Keys("o{Up}").PlayKeys();
  EXPECT_EQ(game.view.message_line, " В каком направлении? Нет тут никакой двери!");
}

TEST(Commands, SpaceAtAPromptServesALeftoverAnswerThenCountsAsAKey) {
  GameFixture fixture(kRoom);
  Game& game = fixture.game();
  game.control.prompt_state = prompt::kYes;  // an answer nobody took
  ASSERT_TRUE(fixture.Keys("x{Space}").Act([](Game& g) { RunKickPrompt(g); }));
  EXPECT_EQ(game.view.message_line, " Странное направление.");
}

TEST(Commands, LookDescribesCells) {
  struct Case {
    const char* keys;
    const char* message;
  };
  // The cursor prompt lasts while direction keys come; the keys of one look go in together.
  for (const Case& c : {Case{"l{Up}", " Каменный пол."}, Case{"l{Up}{Up}", " Каменная стена."},
                        Case{"l{Right}{Right}", " Закрытая дверь. Каменный пол."}}) {
    GameFixture fixture(kRoom);
    fixture.Keys(c.keys).PlayKeys();
    EXPECT_EQ(fixture.game().view.message_line, c.message) << c.keys;
    EXPECT_TRUE(fixture.game().view.field.selection_visible);
  }
  GameFixture fixture(kRoom);
  Game& game = fixture.game();
  fixture.Keys("l{Up}{Esc}").PlayKeys();
  EXPECT_FALSE(game.view.field.selection_visible) << "any other key ends the look";
  // A cell never seen; then confirming on it, an empty cell, clears the target.
  game.world.level.Cell(6, 3).seen = 0;
  SelMove(game, 5, 3, kCursorGlyph, kCursorColour);
  EXPECT_FALSE(fixture.Keys("{Right}").Act([](Game& g) { RunCursorPrompt(g); }));
  EXPECT_EQ(game.view.message_line, " Неизвесто.");
  game.control.target_monster = 5;
  ASSERT_TRUE(fixture.Keys("{Enter}").Act([](Game& g) { RunCursorPrompt(g); }));
  EXPECT_EQ(game.control.target_monster, 0);
}

TEST(Commands, ZappingAtTheCentrePassesTheHerosCell) {
  GameFixture fixture(kRoom);
  Game& game = fixture.game();
  game.control.pending_operation = PendingOperation::kZap;
  game.control.effect_handler = "NoWand";
  ASSERT_TRUE(fixture.Keys("{Clear}").Act([](Game& g) { RunOpenPrompt(g); }));
  EXPECT_EQ(game.view.message_line, " Ничего не происходит.") << "an unknown handler does nothing";
}

TEST(Commands, QuitAsksAndEndsTheGame) {
  GameFixture fixture(kRoom);
  EXPECT_TRUE(fixture.Keys("Qn").PlayKeys());
  EXPECT_FALSE(fixture.Keys("Qy").PlayKeys());
  EXPECT_EQ(fixture.game().control.end_reason, 1);
}

TEST(Commands, AfterDeathEveryKeyEndsTheGame) {
  for (const char* key : {"{Right}", "k", "{Space}", "y", "{Clear}"}) {
    GameFixture fixture(kRoom);
    fixture.game().control.prompt_state = prompt::kGameOver;
    EXPECT_FALSE(fixture.Keys(key).PlayKeys()) << key;
    EXPECT_EQ(fixture.game().control.prompt_state, prompt::kGameOver) << key;
  }
}

TEST(Commands, ShowMapAndDiagnostics) {
  GameFixture fixture(kRoom);
  Game& game = fixture.game();
  fixture.Keys("{Ctrl+E}").PlayKeys();
  EXPECT_EQ(game.view.field.At(70, 30).glyph, '#');
  fixture.Keys("/").PlayKeys();
  EXPECT_FALSE(game.view.message_line.empty());
  EXPECT_TRUE(fixture.LogLines().empty());
}

}  // namespace
}  // namespace zaldrun
