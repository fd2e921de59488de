#include "ui/main_window.hpp"

#include <gtest/gtest.h>

#include <filesystem>

#include "engine/message_line.hpp"
#include "support/game_fixture.hpp"
#include "support/program_harness.hpp"
#include "support/temp_folder.hpp"

namespace zaldrun {
namespace {

using testing::ProgramHarness;
namespace fs = std::filesystem;

TEST(MainWindow, ShowsItsLayoutAndCaptionTheCaptionRowOnlyWithoutATitleBar) {
  ProgramHarness program;
  EXPECT_EQ(program.Keys("{Ctrl+Q}").Run(), 0);
  const std::string screen = program.ScreenText();
  for (const char* text : {"Начать Игру", "Настройки", "О программе",
                           "HP:", "PP:", "Exp:", "УРОВЕНЬ", "Деньги:", "Залдрун"}) {
    EXPECT_NE(screen.find(text), std::string::npos) << text;
  }
  EXPECT_EQ(program.frontend().title(), "Залдрун");
  ProgramHarness titled;
  titled.frontend().set_has_title_bar(true);
  titled.Keys("{Ctrl+Q}").Run();
  EXPECT_EQ(titled.frontend().last_grid()->RowText(0).find("Залдрун"), std::string::npos);
}

// A window as large as the screen, hiding the main window under it.
class ScreenWideWindow : public Layer {
 public:
  void Draw(platform::Grid& grid) const override {
    grid.Fill(0, 0, grid.width(), grid.height(), U'░', platform::colors::kWhite,
              platform::colors::kBlack);
  }
};

TEST(MainWindow, AMessageThatWaitsShowsOverAnOpenWindowWithWhatIsTyped) {
  struct Case {
    int flags;
    const char* typed;
    const char* shown;
  };
  const Case cases[] = {{msg::kAcknowledge, "", "Готово. <ещё>"},
                        {msg::kQuestion, "", "Готово.(Y/N)"},
                        {msg::kEntry, "12", "Готово. 12_"}};
  for (const Case& c : cases) {
    testing::GameFixture fixture({"@C"});
    ScreenWideWindow window;
    LayerScope scope(*ScreenOf(fixture.game()), window);
    fixture.Keys(c.typed);
    EXPECT_FALSE(fixture.Act([&c](Game& g) { ShowMessage(g, "Готово.", c.flags); }));
    EXPECT_NE(fixture.frontend().ScreenText().find(c.shown), std::string::npos)
        << fixture.frontend().ScreenText();
  }
  // With no window open the message line itself is where the player looks: no box.
  testing::GameFixture fixture({"@C"});
  EXPECT_FALSE(fixture.Act([](Game& g) { ShowMessage(g, "Готово.", msg::kAcknowledge); }));
  EXPECT_EQ(fixture.frontend().ScreenText().find("┌"), std::string::npos);
}

TEST(MainWindow, StartUpPreparesTheProgramFolder) {
  ProgramHarness program;
  const fs::path folder = program.folder().path();
  fs::create_directory(folder / "Save");
  testing::WriteFileText(folder / "Save" / "Lev1_3.lev", "old");
  testing::WriteFileText(folder / "Save" / "Hero.sav", "keep");
  testing::WriteFileText(folder / "Messages.log", "old run");
  program.Keys("{Esc}");  // keys run out while the menu is open: no close happened
  EXPECT_EQ(program.Run(), -1);
  EXPECT_FALSE(fs::exists(folder / "Save" / "Lev1_3.lev"));
  EXPECT_TRUE(fs::exists(folder / "Save" / "Hero.sav"));
  EXPECT_FALSE(fs::exists(folder / "Messages.log"));
  EXPECT_TRUE(fs::exists(folder / "Zaldrun.ini"));
  EXPECT_EQ(program.game().session.settings.name, "Вася");
}

// An installed game keeps its settings apart from the player's other files.
TEST(MainWindow, StartUpWritesTheSettingsIntoTheSettingsFolder) {
  ProgramHarness program;
  const fs::path config = program.folder() / "config";
  fs::create_directory(config);
  program.game().session.settings_folder = config;
  EXPECT_EQ(program.Keys("{Esc}").Run(), -1);
  EXPECT_TRUE(fs::exists(config / "Zaldrun.ini"));
  EXPECT_FALSE(fs::exists(program.folder() / "Zaldrun.ini"));
  EXPECT_TRUE(fs::is_directory(program.folder() / "Save"));

  ProgramHarness unwritable;
  testing::WriteFileText(unwritable.folder() / "plain-file", "");
  unwritable.game().session.settings_folder = unwritable.folder() / "plain-file";
  EXPECT_EQ(unwritable.Run(), -1);  // waits on the message box
  EXPECT_TRUE(unwritable.ScreenHas("plain-file")) << unwritable.ScreenText();
}

TEST(MainWindow, BadSettingsAreReplacedByDefaultsWithAMessageNamingTheFile) {
  for (const bool dismissed : {false, true}) {
    ProgramHarness program;
    testing::WriteFileText(program.folder() / "Zaldrun.ini", "[Controls]\r\nDrop=300\r\n");
    if (!dismissed) {
      EXPECT_EQ(program.Run(), -1);  // no keys: stops at the message box
      EXPECT_TRUE(program.ScreenHas("В Zaldrun.ini ошибка! Настройки поставлены по умолчанию!"));
      continue;
    }
    EXPECT_EQ(program.Keys("{Enter}{Ctrl+Q}").Run(), 0);
    EXPECT_EQ(program.game().session.settings.Binding(Command::kDrop), 'd');
    Settings reread;
    EXPECT_TRUE(ReadSettings(program.folder() / "Zaldrun.ini", &reread));
  }
}

TEST(MainWindow, ClosingWithoutAGameDeletesLevelFilesAndWritesNoRecord) {
  ProgramHarness program;
  const fs::path folder = program.folder().path();
  program.Keys("{Close}");
  // Level files that appear during the run are gone after the close.
  fs::create_directories(folder / "Save");
  EXPECT_EQ(program.Run(), 0);
  EXPECT_TRUE(program.game().session.saved);
  for (const auto& entry : fs::directory_iterator(folder)) {
    EXPECT_NE(entry.path().extension(), ".txt") << "no character record";
  }
}

TEST(MainWindow, MenuOpensTheAboutWindowByKeysAndByMouse) {
  ProgramHarness program;
  EXPECT_EQ(program.Keys("{F10}{Right}{Right}{Right}{Enter}").Run(), -1);
  EXPECT_TRUE(program.ScreenHas("Пошаговая игра-исследование подземелий."));
  EXPECT_TRUE(program.ScreenHas("█"));

  ProgramHarness clicked;
  clicked.frontend().PushClick(40, 0);  // "О программе" on the menu row
  EXPECT_EQ(clicked.Run(), -1);
  EXPECT_TRUE(clicked.ScreenHas("Пошаговая игра-исследование подземелий."));
}

TEST(MainWindow, EscapeClosesTheMenuWithoutChoosing) {
  ProgramHarness program;
  EXPECT_EQ(program.Keys("{Esc}{Esc}{Ctrl+Q}").Run(), 0);
  EXPECT_FALSE(program.ScreenHas("Прокрутка"));
}

// While the menu is open it says so, and keys drive it rather than the hero; Esc closes it and
// keys are the hero's again. "Выход" closes the program as the window's close button does.
TEST(MainWindow, AnOpenMenuShowsItselfAndExitClosesTheProgram) {
  constexpr std::string_view kPlay = "{F10}{Enter}{Enter}";
  ProgramHarness opened;
  EXPECT_EQ(opened.Keys(kPlay).Keys("{Esc}").Run(), -1);
  EXPECT_TRUE(opened.ScreenHas(MainWindow::kMenuOpenHint)) << opened.ScreenText();
  const int x = opened.game().world.hero.x;
  ProgramHarness closed;
  EXPECT_EQ(closed.Keys(kPlay).Keys("{Esc}{Right}{Esc}").Run(), -1);
  EXPECT_FALSE(closed.ScreenHas(MainWindow::kMenuOpenHint));
  EXPECT_EQ(closed.game().world.hero.x, x) << "the arrow moved the menu, not the hero";
  ProgramHarness walked;
  EXPECT_EQ(walked.Keys(kPlay).Keys("{Esc}{Right}{Esc}{Right}").Run(), -1);
  EXPECT_EQ(walked.game().world.hero.x, x + 1);

  ProgramHarness asked;
  EXPECT_EQ(asked.Keys(kPlay).Keys("{F10}{Left}{Enter}").Run(), -1);
  EXPECT_TRUE(asked.ScreenHas("Сохранить игру?(Y/N)")) << asked.ScreenText();
  ProgramHarness idle;
  EXPECT_EQ(idle.Keys("{F10}{Left}{Enter}").Run(), 0);
}

// The hall of fame lists the heroes best first; a damaged file is told and left as it is.
TEST(MainWindow, HallOfFameWindowListsHeroesBestFirstOrTellsOfDamage) {
  const std::string header = "Залдрун: зал славы, версия 1\n";
  const std::string heroes = header +
      "10\t1\tВася\t1\t1\tдеревня Мухоморово\tпросто вышел из игры\t2024-05-30\tВася.txt\n"
      "900\t4\tБорис\t2\t2\tтёмная пещера, уровень 2\tумер от голода\t2024-05-31\t"
      "Борис (2).txt\n";
  const struct {
    std::string file;
    std::vector<const char*> shown;
  } kCases[] = {
      {heroes, {"1. Борис — Эльф Лучник, уровень 4, опыт 900", "2. Вася — Человек Воин",
                "тёмная пещера, уровень 2: умер от голода. Запись: Борис (2).txt", "2024-05-31"}},
      {header + "10\tВася\n", {"Файл «Зал славы.tsv» повреждён: строка 2", "оставлен как есть"}},
      {"", {}},
  };
  for (const auto& c : kCases) {
    ProgramHarness program;
    if (!c.file.empty()) testing::WriteFileText(program.folder() / "Зал славы.tsv", c.file);
    EXPECT_EQ(program.Keys("{F10}{Right}{Right}{Enter}").Run(), -1);
    EXPECT_TRUE(program.ScreenHas("Зал славы")) << program.ScreenText();
    for (const char* text : c.shown) EXPECT_TRUE(program.ScreenHas(text)) << text;
    if (c.file.empty()) {
      EXPECT_TRUE(program.ScreenHas("Здесь пока никого нет"));
    } else {
      EXPECT_EQ(testing::ReadFileText(program.folder() / "Зал славы.tsv"), c.file);
    }
  }
}

TEST(MainWindow, UnwritableFolderEndsWithAClearMessage) {
  ProgramHarness program;
  // A "folder" that is a plain file cannot take files, whoever runs the test.
  testing::WriteFileText(program.folder() / "plain-file", "");
  program.game().session.folder = program.folder() / "plain-file";
  EXPECT_EQ(program.Run(), -1);  // waits on the message box
  EXPECT_TRUE(program.ScreenHas("Игре нужна папка, в которую можно писать"));
}

}  // namespace
}  // namespace zaldrun
