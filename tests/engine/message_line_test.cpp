#include "engine/message_line.hpp"

#include <gtest/gtest.h>

#include "base/cp1251.hpp"
#include "base/utf8.hpp"
#include "support/game_fixture.hpp"

namespace zaldrun {
namespace {

using testing::GameFixture;

const std::vector<std::string> kRoom = {"AAAA", "A@CA", "AAAA"};

TEST(MessageLine, MessagesOfOneActionShareTheLineAndAreLoggedApart) {
  GameFixture fixture(kRoom);
  ShowMessage(fixture.game(), "Первое.");
  ShowMessage(fixture.game(), "Второе.");
  EXPECT_EQ(fixture.game().view.message_line, " Первое. Второе.");
  EXPECT_EQ(fixture.LogLines(), (std::vector<std::string>{"Первое.", "Второе."}));
  // Windows-1251 with CR LF, nothing else.
  EXPECT_EQ(testing::ReadFileText(fixture.game().session.LogPath()),
            Utf8ToCp1251("Первое.") + "\r\n" + Utf8ToCp1251("Второе.") + "\r\n");
}

TEST(MessageLine, TheLineHoldsTwoHundredCharactersThenTheMoreMarkWaits) {
  GameFixture fixture(kRoom);
  Game& game = fixture.game();
  game.view.message_line = std::string(150, 'a');
  ShowMessage(game, std::string(50, 'b'));  // 150 + 50 = 200: appended
  EXPECT_EQ(Utf8Length(game.view.message_line), 201u);

  game.view.message_line = std::string(150, 'a');
  EXPECT_FALSE(fixture.Act([](Game& g) { ShowMessage(g, std::string(51, 'c')); }));
  EXPECT_TRUE(game.view.message_line.ends_with(" <ещё>"));
  EXPECT_TRUE(fixture.ScreenHas("<ещё>"));

  GameFixture answered(kRoom);
  answered.game().view.message_line = std::string(150, 'a');
  ASSERT_TRUE(answered.Keys("{Space}").Act([](Game& g) { ShowMessage(g, std::string(51, 'c')); }));
  EXPECT_EQ(answered.game().view.message_line, std::string(51, 'c'))
      << "after the more-mark: the text alone";
  EXPECT_EQ(answered.game().control.prompt_state, prompt::kIdle);
}

TEST(MessageLine, ALongTextOnAnEmptyLineFirstShowsTheMarkAlone) {
  GameFixture fixture(kRoom);
  const std::string longer =
      std::string(120, 'x') +
      "ЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖ";
  EXPECT_FALSE(fixture.Act([&](Game& g) { ShowMessage(g, longer); }));
  EXPECT_EQ(fixture.game().view.message_line, " <ещё>");
  fixture.Keys("{Space}");
  fixture.game().control.prompt_state = prompt::kIdle;
  fixture.game().view.message_line.clear();
  ASSERT_TRUE(fixture.Act([&](Game& g) { ShowMessage(g, longer); }));
  EXPECT_EQ(fixture.game().view.message_line, longer);
}

TEST(MessageLine, YesNoQuestions) {
  struct Case {
    const char* keys;
    bool fast_more;
    uint8_t state;
  };
  const Case cases[] = {{"y", false, prompt::kYes},        {"n", false, prompt::kIdle},
                        {"{Space}", false, prompt::kIdle}, {"Y", false, prompt::kWaiting},
                        {"д", false, prompt::kWaiting},    {"q", true, prompt::kIdle},
                        {"{Up}", true, prompt::kIdle},     {"{Hangup}", false, prompt::kIdle}};
  for (const Case& c : cases) {
    GameFixture fixture(kRoom);
    fixture.game().session.settings.fast_more = c.fast_more ? 1 : 0;
    fixture.Keys(c.keys);
    const bool finished =
        fixture.Act([](Game& g) { ShowMessage(g, "Покинуть эту локацию?", msg::kQuestion); });
    EXPECT_EQ(finished, c.state != prompt::kWaiting) << c.keys;
    EXPECT_EQ(fixture.game().control.prompt_state, c.state) << c.keys;
    EXPECT_EQ(fixture.game().view.message_line, " Покинуть эту локацию?(Y/N)") << c.keys;
  }
}

TEST(MessageLine, AcknowledgedUnloggedMessages) {
  GameFixture fixture(kRoom);
  fixture.Keys("x{Space}");  // a letter does not end the wait without the any-key option
  ASSERT_TRUE(
      fixture.Act([](Game& g) { ShowMessage(g, "Тихо.", msg::kAcknowledge | msg::kNoLog); }));
  EXPECT_EQ(fixture.game().view.message_line, "");
  EXPECT_TRUE(fixture.LogLines().empty());
  EXPECT_EQ(fixture.frontend().pending_keys(), 0u);
}

TEST(MessageLine, EntryBoxTakesTypedTextOrTheAnswerListsChoice) {
  GameFixture fixture(kRoom);
  ASSERT_TRUE(fixture.Keys("12x{Backspace}{Enter}").Act([](Game& g) {
    ShowMessage(g, "Сколько?", msg::kEntry);
  }));
  EXPECT_EQ(fixture.game().view.number_input.text, "12");
  EXPECT_FALSE(fixture.game().view.number_input.visible);

  fixture.game().view.chat = AnswerList{true, 0, {"Да.", "Нет."}, 0};
  ASSERT_TRUE(
      fixture.Keys("{Down}{Enter}").Act([](Game& g) { ShowMessage(g, "Ну?", msg::kEntry); }));
  EXPECT_EQ(fixture.game().view.number_input.text, "Нет.");
  EXPECT_FALSE(fixture.game().view.chat.visible) << "tag 0 hides the list after a choice";

  // A hang-up answers with nothing, whatever was typed or offered.
  fixture.game().view.chat = AnswerList{true, 0, {"Да.", "Нет."}, 0};
  fixture.game().view.number_input.preset = "1";
  ASSERT_TRUE(fixture.Keys("5{Hangup}").Act([](Game& g) { ShowMessage(g, "Ну?", msg::kEntry); }));
  EXPECT_EQ(fixture.game().view.number_input.text, "");
  EXPECT_EQ(fixture.game().control.prompt_state, prompt::kIdle);
}

TEST(MessageLine, NothingAfterTheGameIsOver) {
  GameFixture fixture(kRoom);
  fixture.game().control.prompt_state = prompt::kGameOver;
  ShowMessage(fixture.game(), "Призрак.", msg::kAcknowledge);
  EXPECT_EQ(fixture.game().view.message_line, "");
  EXPECT_TRUE(fixture.LogLines().empty());
}

}  // namespace
}  // namespace zaldrun
