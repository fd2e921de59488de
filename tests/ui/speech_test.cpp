#include "ui/speech.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/message_line.hpp"
#include "platform/speech/speaker.hpp"
#include "support/game_fixture.hpp"
#include "support/program_harness.hpp"

namespace zaldrun {
namespace {

using Lines = std::vector<std::string>;

// Writes down what it is given: "! " marks a text that cuts off the one before.
class RecordingSpeaker : public platform::Speaker {
 public:
  bool Say(std::string_view text, bool interrupt) override {
    said.push_back((interrupt ? "! " : "") + std::string(text));
    return available;
  }
  void Stop() override { said.push_back("stop"); }

  Lines said;
  bool available = true;
};

const std::vector<std::string> kRoom = {"AAAAAA", "ACCCCA", "AC@CCA", "ACCCCA", "AAAAAA"};

TEST(Speech, TheMessagesOfAnActionAreSpokenInOrderAndTheNextActionCutsThemOff) {
  testing::GameFixture fixture(kRoom);
  RecordingSpeaker speaker;
  fixture.game().session.speaker = &speaker;
  fixture.game().session.settings.speech = 1;
  fixture.Keys("%%%");
  fixture.Act([](Game& game) {
    ShowMessage(game, "Раз.");
    ShowMessage(game, "Два.", msg::kNoLog);
    game.session.io->NextKey();
    game.session.io->NextKey();  // nothing new: nothing said
    ShowMessage(game, "Три?", msg::kQuestion);
  });
  EXPECT_EQ(speaker.said, (Lines{"! Раз.", "Два.", "! Три?"}));
  // The talk answers are read out as they are chosen, after the question.
  speaker.said.clear();
  fixture.game().view.chat.visible = true;
  fixture.game().view.chat.lines = {"Привет.", "Пока."};
  fixture.Keys("{Down}{Enter}");
  fixture.Act([](Game& game) { ShowMessage(game, "Что ответить?", msg::kEntry); });
  EXPECT_EQ(speaker.said, (Lines{"! Что ответить?", "Привет.", "! Пока."}));
  // Speech off: the game goes on as before and says nothing.
  const size_t said = speaker.said.size();
  fixture.game().session.settings.speech = 0;
  fixture.Keys(">%").PlayKeys();
  EXPECT_EQ(speaker.said.size(), said);
}

TEST(Speech, TheEntryWithTheFocusIsSpokenAsItIsSelected) {
  testing::ProgramHarness program;
  RecordingSpeaker speaker;
  program.game().session.speaker = &speaker;
  program.game().session.speech_from_command_line = true;
  program.Keys("{Esc}{Right}{Enter}{Down}{Down}{Esc}{Esc}{Enter}{Tab}{Down}");
  EXPECT_EQ(program.Run(), -1);
  EXPECT_EQ(speaker.said, (Lines{"! Залдрун. Меню — F10 или Escape.", "! Начать Игру",
                                 "! Настройки", "! Поднять вещь: ,", "! Бросить на пол: d",
                                 "! Есть пищу: e", "! Начать Игру", "! Имя: Вася",
                                 "! Раса: Человек", "! Раса: Эльф"}));
  // The end screen is read out whole as it opens.
  testing::ProgramHarness ended;
  RecordingSpeaker end_speaker;
  ended.game().session.speaker = &end_speaker;
  ended.game().session.speech_from_command_line = true;
  EXPECT_EQ(ended.Keys("{F10}{Enter}{Enter}Qy").Run(), -1);
  ASSERT_FALSE(end_speaker.said.empty());
  EXPECT_EQ(end_speaker.said.back().rfind("! Конец игры. Вася, Человек Воин", 0), 0u)
      << end_speaker.said.back();
}

TEST(Speech, WithoutAServiceTheLineSaysSoOnceAndTheGameGoesOnSilent) {
  for (const bool has_speaker : {false, true}) {
    testing::GameFixture fixture(kRoom);
    RecordingSpeaker speaker;
    speaker.available = false;
    if (has_speaker) fixture.game().session.speaker = &speaker;
    fixture.game().session.settings.speech = 1;
    fixture.Keys(",%>%").PlayKeys();
    EXPECT_EQ(speaker.said.size(), has_speaker ? 1u : 0u);
    EXPECT_EQ(fixture.LogCount(Narrator::kNoService), 1) << has_speaker;
    // Turning speech on again tries the service again.
    speaker.available = true;
    fixture.Keys("V%").PlayKeys();
    if (has_speaker) EXPECT_EQ(speaker.said.back(), "! Озвучивание включено.");
    else EXPECT_EQ(fixture.LogCount(Narrator::kNoService), 2);
  }
}

TEST(Speech, KeysToggleSpeechRepeatTheLastMessagesAndTellWhereTheHeroIs) {
  testing::GameFixture fixture(kRoom);
  RecordingSpeaker speaker;
  fixture.game().session.speaker = &speaker;
  fixture.game().session.settings.speech = 1;
  fixture.Keys("{Ctrl+R}%>%{Right}{Ctrl+R}%W%V>%").PlayKeys();
  EXPECT_EQ(speaker.said,
            (Lines{"! Сообщений ещё не было.", "! Здесь нет никаких лестниц или входов.",
                   "! Здесь нет никаких лестниц или входов.",
                   "! Неизведанное место. Здоровье 10 из 10. Не голоден. Никого не видно.",
                   "! Озвучивание выключено."}));
  EXPECT_NE(testing::ReadFileText(fixture.game().session.SettingsPath()).find("Speech=0"),
            std::string::npos);
}

}  // namespace
}  // namespace zaldrun
