#include "ui/new_game_window.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>

#include "base/utf8.hpp"
#include "support/program_harness.hpp"
#include "support/screen_cells.hpp"

namespace zaldrun {
namespace {

namespace fs = std::filesystem;
using testing::ProgramHarness;
using Stop = NewGameWindow::Stop;

// The window over a game whose settings hold the given last choices.
class NewGameWindowTest : public ::testing::Test {
 protected:
  NewGameWindowTest() { fs::create_directories(program_.folder() / "Save"); }

  NewGameWindow& Open(int race, int hero_class, int weapon, int missile) {
    Settings& settings = program_.game().session.settings;
    settings.race = static_cast<uint8_t>(race);
    settings.hero_class = static_cast<uint8_t>(hero_class);
    settings.weapon = static_cast<uint8_t>(weapon);
    settings.missile = static_cast<uint8_t>(missile);
    window_.emplace(program_.game(), program_.screen());
    return *window_;
  }
  void Press(std::string_view script) {
    program_.frontend().PushScript(script);
    while (program_.frontend().pending_keys() > 0) {
      if (window_->HandleKey(program_.frontend().NextKey())) break;
    }
  }
  std::vector<int> Selections() const {
    return {window_->Selected(Stop::kRace), window_->Selected(Stop::kClass),
            window_->Selected(Stop::kMelee), window_->Selected(Stop::kRanged)};
  }

  ProgramHarness program_;
  std::optional<NewGameWindow> window_;
};

TEST_F(NewGameWindowTest, StoredChoicesOutOfRangeFallBackToTheFirstEntry) {
  struct Case {
    int race, hero_class, weapon, missile;
    std::vector<int> selected;  // race, class, melee, ranged (-1: no ranged weapons)
  } cases[] = {
      {2, 3, 4, 3, {1, 2, 3, 2}},
      {9, 1, 5, 7, {0, 0, 4, -1}},  // a warrior: five weapons, no ranged list
      {1, 4, 5, 1, {0, 3, 0, -1}},  // a barbarian has three weapons
      {1, 2, 1, 0, {0, 1, 0, 0}},   // an archer always has a ranged weapon chosen
      {0, 0, 0, 0, {0, 0, 0, -1}},
      {5, 3, 2, 9, {4, 2, 1, 0}},
  };
  for (const Case& c : cases) {
    Open(c.race, c.hero_class, c.weapon, c.missile);
    EXPECT_EQ(Selections(), c.selected) << c.race << c.hero_class << c.weapon << c.missile;
  }
}

TEST_F(NewGameWindowTest, ChangingTheClassRefillsTheWeaponsWithTheStoredChoices) {
  Open(1, 1, 4, 3);
  Press("{Tab}{Tab}{Down}");  // the class list: Воин → Лучник
  EXPECT_EQ(Selections(), (std::vector<int>{0, 1, 3, 2}));
  Press("{Down}{Down}");  // Варвар: weapon 4 is too large, no ranged weapons
  EXPECT_EQ(Selections(), (std::vector<int>{0, 3, 0, -1}));
}

TEST_F(NewGameWindowTest, TabSkipsWhatCannotBeUsedAndShiftTabGoesBack) {
  Open(1, 1, 1, 0);  // a warrior, and no saves: no ranged list, no saves list, no load button
  EXPECT_FALSE(window_->LoadEnabled());
  std::vector<Stop> visited;
  for (int i = 0; i < 5; ++i) {
    Press("{Tab}");
    visited.push_back(window_->focus());
  }
  EXPECT_EQ(visited, (std::vector<Stop>{Stop::kRace, Stop::kClass, Stop::kMelee, Stop::kCreate,
                                        Stop::kName}));
  Press("{Shift+Tab}");
  EXPECT_EQ(window_->focus(), Stop::kCreate);
  Press("{Shift+Tab}{Shift+Tab}{Down}{Tab}{Tab}");  // the class: Лучник; then on
  EXPECT_EQ(window_->focus(), Stop::kRanged) << "an archer's ranged list takes the focus";
}

TEST_F(NewGameWindowTest, TheNameBoxTakesOnlyNameCharactersUpToForty) {
  Open(1, 1, 1, 0);
  Press("{Backspace}{Backspace}{Backspace}{Backspace}");
  EXPECT_EQ(window_->name_text(), "");
  Press("Ив/ан.:*_ 2-й");
  EXPECT_EQ(window_->name_text(), "Иван_ 2-й");
  Press(std::string(50, 'x'));
  EXPECT_EQ(Utf8Length(window_->name_text()), 40u);
}

TEST_F(NewGameWindowTest, CreateRefusesAnEmptyOrUsedName) {
  testing::WriteFileText(program_.folder() / "Save" / "Вася.sav", "x");
  Open(1, 1, 1, 0);
  // A message box shows until its Enter; the screen keeps the box after it.
  Press("{Backspace}{Backspace}{Backspace}{Backspace}  {Enter}{Enter}");
  EXPECT_TRUE(program_.ScreenHas("Введите имя!"));
  Press("вАСЯ{Enter}{Enter}");
  EXPECT_TRUE(program_.ScreenHas("Персонаж с таким именем уже существует!"));
  EXPECT_FALSE(window_->started());
  EXPECT_FALSE(program_.game().session.game_in_progress);
}

TEST_F(NewGameWindowTest, LoadTakesTheFirstHeroWhenNoneWasChosen) {
  testing::WriteFileText(program_.folder() / "Save" / "Вася.sav", "x");
  Open(1, 1, 1, 0);
  EXPECT_TRUE(window_->LoadEnabled());
  EXPECT_EQ(window_->Selected(Stop::kSaves), 0);
  Press("{Shift+Tab}{Enter}{Enter}");  // the load button: the only hero, a damaged file
  EXPECT_FALSE(program_.ScreenHas("Не выбран файл!"));
  EXPECT_TRUE(program_.ScreenHas("Вася.sav")) << program_.ScreenText();
  EXPECT_TRUE(program_.ScreenHas("повреждено")) << program_.ScreenText();
  EXPECT_FALSE(window_->started());
  EXPECT_TRUE(fs::exists(program_.folder() / "Save" / "Вася.sav")) << "named, and kept";
}

TEST_F(NewGameWindowTest, TheMouseChoosesAndCreates) {
  Open(1, 1, 1, 0);
  LayerScope scope(program_.screen(), *window_);
  // A click on the text as the window shows it now; what the window makes of it.
  const auto click = [&](std::string_view text) {
    program_.screen().Present();
    const auto cell = testing::CellOf(program_.frontend(), text);
    EXPECT_TRUE(cell.has_value()) << text;
    const auto [x, y] = cell.value_or(std::pair{-1, -1});
    program_.frontend().PushClick(x, y);
    return window_->HandleKey(program_.frontend().NextKey());
  };
  click("Лучник");
  EXPECT_EQ(window_->Selected(Stop::kClass), 1);
  click("Праща");
  EXPECT_EQ(window_->Selected(Stop::kRanged), 2);
  EXPECT_TRUE(click(NewGameWindow::kCreateCaption));
  EXPECT_TRUE(window_->started());
  EXPECT_EQ(program_.game().world.hero.hero_class, 2);
  EXPECT_EQ(program_.game().world.hero.missile_choice, 3);
}

// --- From the menu, through the whole program ---

TEST(NewGame, CreateStartsOnTheOverworldStoresTheChoicesAndWritesNoSave) {
  ProgramHarness program;
  EXPECT_EQ(
      program.Keys("{F10}{Enter}{Backspace}{Backspace}{Backspace}{Backspace}Ёж{Tab}{Down}{Enter}")
          .Run(),
      -1);
  const Game& game = program.game();
  ASSERT_TRUE(game.session.game_in_progress);
  EXPECT_EQ(game.world.hero.name, "Ёж");
  EXPECT_EQ(game.world.hero.race, 2);
  EXPECT_EQ(game.world.hero.missile_choice, 0) << "a warrior";
  EXPECT_TRUE(game.world.OnOverworld());
  EXPECT_EQ(game.world.hero.x, 4);
  EXPECT_EQ(game.world.hero.y, 20);
  EXPECT_FALSE(fs::exists(program.folder() / "Save" / "Ёж.sav"));
  Settings stored;
  ASSERT_TRUE(ReadSettings(program.folder() / "Zaldrun.ini", &stored));
  EXPECT_EQ(stored.name, "Ёж");
  EXPECT_EQ(stored.race, 2);
  EXPECT_EQ(stored.hero_class, 1);
  EXPECT_EQ(stored.weapon, 1);
  EXPECT_EQ(stored.missile, 0);
  EXPECT_TRUE(program.ScreenHas("HP: "));
}

TEST(NewGame, EscapeClosesTheWindowAndTheMenuEntryWaitsForTheGameToEnd) {
  ProgramHarness program;
  EXPECT_EQ(program.Keys("{F10}{Enter}{Esc}").Run(), -1);
  EXPECT_FALSE(program.game().session.game_in_progress);
  EXPECT_FALSE(program.ScreenHas(NewGameWindow::kCaption));

  ProgramHarness playing;
  EXPECT_EQ(playing.Keys("{F10}{Enter}{Enter}{F10}{Enter}").Run(), -1);
  EXPECT_TRUE(playing.game().session.game_in_progress);
  EXPECT_FALSE(playing.ScreenHas(NewGameWindow::kCaption)) << "no new game over a running one";
  EXPECT_TRUE(playing.ScreenHas("Прокрутка сообщений любой кнопкой"))
      << "the menu opens on the first item that can be chosen: the settings";
}

}  // namespace
}  // namespace zaldrun
