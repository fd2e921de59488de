// The windows a player of the genre looks for: the help, the past messages, the world map; the
// detailed look and the line that says where the hero is.
#include "ui/help_window.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/message_line.hpp"
#include "support/game_fixture.hpp"
#include "ui/message_history_window.hpp"
#include "ui/world_map_window.hpp"

namespace zaldrun {
namespace {

using testing::GameFixture;

const std::vector<std::string> kRoom = {"AAAAAAAA", "AC@CCCCA", "ACCCCCCA", "AAAAAAAA"};

std::string RowWith(const std::string& screen, std::string_view text) {
  const size_t at = screen.find(text);
  if (at == std::string::npos) return std::string();
  const size_t start = screen.rfind('\n', at) + 1;
  return screen.substr(start, screen.find('\n', at) - start);
}

TEST(HelpWindow, ListsEveryCommandUnderItsCurrentKeyAndTheMapSymbols) {
  GameFixture fixture(kRoom);
  fixture.game().session.settings.Binding(Command::kRest) = 'w';
  fixture.game().session.settings.Binding(Command::kMessages) = 23;  // Ctrl+W
  fixture.Keys("?").PlayKeys();
  const std::string screen = fixture.frontend().ScreenText();
  EXPECT_NE(RowWith(screen, "Отдыхать").find("  w  "), std::string::npos) << screen;
  EXPECT_NE(RowWith(screen, "Прошлые сообщения").find("Ctrl+W"), std::string::npos);
  for (const char* text : {"Помощь", "Бежать", "Исследовать уровень", "Карта мира"}) {
    EXPECT_NE(screen.find(text), std::string::npos) << text;
  }
  // Further pages: the prompts, the mouse and the legend.
  const std::vector<PagerLine> lines = HelpLines(fixture.game());
  std::string all;
  for (const PagerLine& line : lines) {
    for (const PagerPiece& piece : line) all += piece.text;
    all += "\n";
  }
  for (const char* text : {"Пробел", "Щелчок по карте", "Каменная стена", "Закрытая дверь",
                           "Оружие", "Зелья", "герой"}) {
    EXPECT_NE(all.find(text), std::string::npos) << text;
  }
  EXPECT_GT(static_cast<int>(lines.size()), TextPager::PageRows()) << "paged";
}

TEST(MessageHistory, KeepsTheSessionsMessagesInTheirColoursNewestAtTheBottom) {
  GameFixture fixture(kRoom);
  Game& game = fixture.game();
  for (int i = 1; i <= 2100; ++i) {
    ShowMessage(game, "Весть " + std::to_string(i), msg::kNoLog);
    ClearMessageLine(game);
  }
  ShowMessage(game, "Опасно!", msg::kBeep | msg::kNoLog);
  EXPECT_EQ(game.view.history.entries.size(), MessageHistory::kKept);
  EXPECT_EQ(game.view.history.entries.front().text, "Весть 102");
  EXPECT_EQ(game.view.history.entries.back().colour, MessageColour(msg::kBeep));
  EXPECT_NE(MessageColour(msg::kBeep), MessageColour(0));
  fixture.Keys("{Ctrl+P}").PlayKeys();
  const std::string screen = fixture.frontend().ScreenText();
  EXPECT_NE(screen.find("Весть 2100"), std::string::npos);
  EXPECT_LT(screen.find("Весть 2100"), screen.find("Опасно!")) << "newest at the bottom";
  fixture.Keys("{Ctrl+P}{PgUp}{PgUp}").PlayKeys();
  EXPECT_EQ(fixture.frontend().ScreenText().find("Опасно!"), std::string::npos) << "scrolled";
}

TEST(LookAndPlace, LookTellsHowACreatureFaresAndThePanelWhereTheHeroIs) {
  struct Case {
    int hp;
    int state;
    bool peaceful;
    const char* told;
  };
  for (const Case& c : {Case{10, 0, false, "Ран нет, спит, враг."},
                        Case{3, -1, false, "Раны тяжёлые, не спит, враг."},
                        Case{7, -1, true, "(Мирный). Раны лёгкие, не спит."}}) {
    GameFixture fixture(kRoom);
    const int slot = fixture.AddMonster(1, 3, 1, c.peaceful);
    MonsterRecord& monster = fixture.game().world.level.Monster(slot);
    monster.hp = static_cast<int16_t>(c.hp);
    monster.state = static_cast<int16_t>(c.state);
    fixture.Keys("l{Right}").PlayKeys();
    EXPECT_NE(fixture.game().view.message_line.find(c.told), std::string::npos)
        << fixture.game().view.message_line;
  }
  // The pointer over the map tells the same without a key, and leaves the history alone.
  GameFixture pointed(kRoom);
  const int still = pointed.AddMonster(1, 3, 1);
  pointed.game().world.level.Monster(still).action_delay = 30000;  // it stays where it is
  pointed.Keys("{Clear}").PlayKeys();
  const uint64_t messages = pointed.game().view.history.total;
  pointed.frontend().PushMouseMove(3, 1 + 4);  // the map starts on the screen's fifth row
  pointed.PlayKeys();
  EXPECT_NE(pointed.game().view.message_line.find("Ран нет, спит, враг."), std::string::npos)
      << pointed.game().view.message_line;
  EXPECT_EQ(pointed.game().view.history.total, messages);
  GameFixture fixture({"@"});
  ASSERT_TRUE(fixture.StartOn(3, 3));
  EXPECT_TRUE(fixture.ScreenHas("Пещера, уровень 3"));
}

TEST(WorldMap, NamesTheEntrancesTheHeroHasSeen) {
  GameFixture fixture({"@"});
  ASSERT_TRUE(fixture.StartOn(1, 100));
  Game& game = fixture.game();
  game.world.level.Cell(11, 21).seen = 1;  // the village's entrance, as after a visit
  const std::vector<EntranceLabel> found = FoundEntrances(game.world.level);
  ASSERT_EQ(found.size(), 1u);
  fixture.Keys("M").PlayKeys();
  const std::string screen = fixture.frontend().ScreenText();
  EXPECT_NE(screen.find("Карта мира"), std::string::npos);
  EXPECT_NE(screen.find(found[0].name), std::string::npos) << screen;
  EXPECT_TRUE(fixture.ScreenHas("Окрестные земли")) << "the panel names the overworld";
}

}  // namespace
}  // namespace zaldrun
