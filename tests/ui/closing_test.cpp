// Whole games through the main window: creating, saving with S, loading, quitting, closing the
// window, dying; what each leaves in the program folder.
#include <gtest/gtest.h>

#include <filesystem>

#include "base/cp1251.hpp"
#include "engine/condition.hpp"
#include "model/game.hpp"
#include "support/game_fixture.hpp"
#include "support/program_harness.hpp"
#include "ui/end_screen.hpp"
#include "ui/main_window.hpp"
#include "world/hall_of_fame.hpp"
#include "world/level_file.hpp"
#include "world/sandbox.hpp"
#include "world/save_game.hpp"

namespace zaldrun {
namespace {

namespace fs = std::filesystem;
using testing::ProgramHarness;
using testing::ReadFileText;

constexpr std::string_view kCreate = "{F10}{Enter}{Enter}";  // Вася, a human warrior
// Loads the first saved hero: Shift+Tab from the name box goes to the load button, the create
// button, then the saves list.
constexpr std::string_view kLoadFirst =
    "{F10}{Enter}{Shift+Tab}{Shift+Tab}{Shift+Tab}{Down}{Enter}";
// From the start: into the village and out again, back on the overworld at its entrance.
constexpr std::string_view kVillageAndBack =
    "{PgDn}{Right}{Right}{Right}{Right}{Right}{Right}>{Down}y";

fs::path SaveOf(const ProgramHarness& program, const std::string& name) {
  return program.folder() / "Save" / (name + ".sav");
}

bool AnyLevelFiles(const ProgramHarness& program) {
  for (const auto& entry : fs::directory_iterator(program.folder() / "Save")) {
    if (entry.path().extension() == ".lev") return true;
  }
  return false;
}

// Where two files first differ (-1: they are the same), to keep failures short.
long FirstDifference(const std::string& a, const std::string& b) {
  const size_t n = std::min(a.size(), b.size());
  for (size_t i = 0; i < n; ++i) {
    if (a[i] != b[i]) return static_cast<long>(i);
  }
  return a.size() == b.size() ? -1 : static_cast<long>(n);
}

// The second run of the program in the first one's folder.
void UseFolderOf(ProgramHarness& later, const ProgramHarness& earlier) {
  later.game().session.folder = earlier.folder().path();
}

TEST(Closing, SaveWithSThenLoadResumesExactlyAndSavesTheSameBytes) {
  ProgramHarness first;
  EXPECT_EQ(first.Keys(kCreate).Keys(kVillageAndBack).Keys("Sy").Run(), -1);  // the end screen
  const Game& saved = first.game();
  ASSERT_TRUE(saved.session.saved);
  EXPECT_EQ(saved.world.hero.x, 11);
  EXPECT_EQ(saved.world.hero.y, 21);
  ASSERT_TRUE(fs::exists(SaveOf(first, "Вася")));
  EXPECT_FALSE(AnyLevelFiles(first));
  EXPECT_FALSE(fs::exists(first.folder() / "Вася.txt")) << "a saved game leaves no record";
  const std::string bytes = ReadFileText(SaveOf(first, "Вася"));
  std::string error;
  const auto image = ReadSaveFile(first.folder() / "Save", "Вася", &error);
  ASSERT_TRUE(image.has_value()) << error;
  EXPECT_EQ(image->levels.size(), 2u) << "the overworld and the village";

  // Loaded, the game has every visited level back.
  ProgramHarness looking;
  UseFolderOf(looking, first);
  EXPECT_EQ(looking.Keys(kLoadFirst).Run(), -1);
  EXPECT_TRUE(looking.game().session.game_in_progress);
  EXPECT_TRUE(LevelIsKept(looking.game(), 1, 1)) << "the village";
  EXPECT_TRUE(LevelIsKept(looking.game(), 1, 100));

  // Load, and save again at once: the same bytes, so nothing was lost or changed on the way (the
  // hero's place, figures, pack and equipment are all in them).
  ProgramHarness second;
  UseFolderOf(second, first);
  EXPECT_EQ(second.Keys(kLoadFirst).Keys("Sy").Run(), -1);
  const Game& loaded = second.game();
  EXPECT_EQ(loaded.world.hero.name, "Вася");
  EXPECT_TRUE(loaded.world.OnOverworld());
  EXPECT_EQ(loaded.view.labels.money, saved.view.labels.money);
  EXPECT_EQ(FirstDifference(ReadFileText(SaveOf(first, "Вася")), bytes), -1);
  EXPECT_EQ(FirstDifference(ReadFileText(first.folder() / "Save" / "Вася.bak"), bytes), -1);
}

// A hang-up anywhere lets the command run to its end, every question refused, and saves what S
// would save, byte for byte; no key after it is read.
TEST(Closing, AHangupAnywhereSavesWhatSWouldSave) {
  ProgramHarness reference;
  ASSERT_EQ(reference.Keys(kCreate).Keys("Sy").Run(), -1);
  const std::string s_save = ReadFileText(SaveOf(reference, "Вася"));
  const struct {
    const char* where;
    std::string_view keys;
  } kCases[] = {
      {"idle", "{Hangup}"},
      {"at the direction prompt", "k{Hangup}"},
      {"at the save question", "S{Hangup}"},
      {"at the quit question", "Q{Hangup}"},
      {"at the close question", "{Close}{Hangup}"},
      {"in the drop window", "d{Hangup}"},
      {"in the menu", "{F10}{Hangup}"},
  };
  for (const auto& c : kCases) {
    ProgramHarness program;
    EXPECT_EQ(program.Keys(kCreate).Keys(c.keys).Keys("y").Run(), 0) << c.where;
    EXPECT_EQ(program.frontend().pending_keys(), 1u) << c.where;
    EXPECT_EQ(FirstDifference(ReadFileText(SaveOf(program, "Вася")), s_save), -1) << c.where;
    EXPECT_FALSE(fs::exists(program.folder() / "Вася.txt")) << c.where;
    EXPECT_FALSE(AnyLevelFiles(program)) << c.where;
  }
}

// A missile in flight when the hang-up comes lands without the pauses, the shot is paid for, and
// then the game is saved: never half a shot.
TEST(Closing, AHangupDuringAFlightLetsTheShotEndThenSaves) {
  const HeroChoice archer{1, 2, 1, 1};
  ProgramHarness before;
  EXPECT_EQ(before.RunNewGame(archer), -1);
  const int16_t arrows = before.game().world.hero.equipment[equipment_slot::kAmmunition].count;
  ASSERT_GT(arrows, 1);

  ProgramHarness program;
  program.frontend().HangUpInSleep(1);  // at the flight's first pause
  EXPECT_EQ(program.Keys("t{Right}{Right}{Right}{Right}{Enter}{Right}").RunNewGame(archer), 0);
  EXPECT_EQ(program.frontend().slept_ms(), 0);
  EXPECT_EQ(program.frontend().pending_keys(), 1u);
  std::string error;
  const auto image = ReadSaveFile(program.folder() / "Save", "Вася", &error);
  ASSERT_TRUE(image.has_value()) << error;
  EXPECT_EQ(image->hero.equipment[equipment_slot::kAmmunition].count, arrows - 1);
  EXPECT_EQ(image->hero.x, 4);
}

// With nothing to save -- no game, a sandbox, a dead hero -- a hang-up ends the program as a key
// would, at once.
TEST(Closing, AHangupWithNothingToSaveJustEnds) {
  ProgramHarness no_game;
  EXPECT_EQ(no_game.Keys("{Hangup}").Run(), 0);
  ProgramHarness choosing;
  EXPECT_EQ(choosing.Keys("{F10}{Enter}{Hangup}").Run(), 0) << "in the new-game window";
  const SandboxLevel sandbox = testing::PictureLevel({"AAAA", "A@CA", "AAAA"});
  ProgramHarness trying;
  EXPECT_EQ(trying.Keys("{Hangup}").Run(1, &sandbox), 0);
  for (const ProgramHarness* program : {&no_game, &choosing, &trying}) {
    EXPECT_TRUE(fs::is_empty(program->folder() / "Save"));
  }

  ProgramHarness dead;
  EXPECT_EQ(dead.Keys(kCreate).Run(), -1);
  dead.game().control.prompt_state = prompt::kGameOver;
  dead.game().control.end_reason = 9;
  EXPECT_EQ(dead.Keys("{Hangup}").Run(), 0);
  EXPECT_FALSE(fs::exists(SaveOf(dead, "Вася")));
  EXPECT_NE(ReadFileText(dead.folder() / "Вася.txt").find("умер от голода"), std::string::npos);
}

// Entering another level leaves a checkpoint: a crash after it loses nothing, and loading it
// says where the game resumes. A save made with S is no checkpoint; Q removes it all.
TEST(Closing, EnteringAnotherLevelLeavesACheckpoint) {
  ProgramHarness fresh;
  EXPECT_EQ(fresh.Keys(kCreate).Keys("{Right}").Run(), -1);
  EXPECT_FALSE(fs::exists(SaveOf(fresh, "Вася"))) << "the first level of a new game is not saved";
  // The program dies (the keys run out) in the village it has just entered.
  ProgramHarness first;
  EXPECT_EQ(first.Keys(kCreate).Keys("{PgDn}{Right}{Right}{Right}{Right}{Right}{Right}>").Run(),
            -1);
  const Game& crashed = first.game();
  ASSERT_FALSE(crashed.world.OnOverworld());
  const fs::path save_folder = first.folder() / "Save";
  ASSERT_TRUE(SaveIsCheckpoint(save_folder, "Вася"));

  ProgramHarness restored;
  UseFolderOf(restored, first);
  EXPECT_EQ(restored.Keys(kLoadFirst).Run(), -1);
  EXPECT_EQ(restored.game().world.hero.x, crashed.world.hero.x);
  EXPECT_EQ(restored.game().world.hero.y, crashed.world.hero.y);
  EXPECT_TRUE(restored.ScreenHas(kRestoredFromCheckpoint)) << restored.ScreenText();

  ProgramHarness saved;
  UseFolderOf(saved, first);
  EXPECT_EQ(saved.Keys(kLoadFirst).Keys("Sy").Run(), -1);
  EXPECT_FALSE(SaveIsCheckpoint(save_folder, "Вася"));
  ProgramHarness quitter;
  UseFolderOf(quitter, first);
  EXPECT_EQ(quitter.Keys(kLoadFirst).Keys("Qy").Run(), -1);
  EXPECT_EQ(
      ReadFileText(first.folder() / "Messages.log").find(Utf8ToCp1251(kRestoredFromCheckpoint)),
      std::string::npos)
      << "an S save is no checkpoint";
  EXPECT_TRUE(fs::is_empty(save_folder)) << "no save, backup or mark is left";
}

// Quitting a loaded hero with Q: e2e/save_load_terminal.sh.
TEST(Closing, TheWindowsCloseButtonAsksToSave) {
  ProgramHarness asked;
  EXPECT_EQ(asked.Keys(kCreate).Keys("{Close}").Run(), -1);
  EXPECT_TRUE(asked.ScreenHas("Сохранить игру?(Y/N)"));

  ProgramHarness answered;
  EXPECT_EQ(answered.Keys(kCreate).Keys("{Close}y").Run(), 0);
  EXPECT_TRUE(fs::exists(SaveOf(answered, "Вася")));
  EXPECT_FALSE(fs::exists(answered.folder() / "Вася.txt"));

  ProgramHarness no;
  EXPECT_EQ(no.Keys(kCreate).Keys("{Close}n").Run(), 0);
  EXPECT_FALSE(fs::exists(SaveOf(no, "Вася")));
  EXPECT_NE(ReadFileText(no.folder() / "Вася.txt").find("просто вышел из игры"), std::string::npos);
}

TEST(Closing, AfterDeathNothingIsAskedAndTheRecordTellsHowTheHeroDied) {
  ProgramHarness program;
  EXPECT_EQ(program.Keys(kCreate).Run(), -1);
  // The hero starves to death.
  program.game().control.prompt_state = prompt::kGameOver;
  program.game().control.end_reason = 9;
  EXPECT_EQ(program.Keys("{Close}").Run(), 0);
  EXPECT_FALSE(program.ScreenHas("Сохранить игру?"));
  EXPECT_FALSE(fs::exists(SaveOf(program, "Вася")));
  EXPECT_NE(ReadFileText(program.folder() / "Вася.txt").find("Вася, Человек Воин, умер от голода."),
            std::string::npos);
}

TEST(Closing, AFailedSaveSaysSoAndTheGameGoesOn) {
  ProgramHarness program;
  EXPECT_EQ(program.Keys(kCreate).Keys("Sy").Run(), -1);
  const std::string old_save = ReadFileText(SaveOf(program, "Вася"));

  // The disk refuses the new save: the temporary file cannot be made.
  fs::create_directory(program.folder() / "Save" / "Вася.sav.tmp");
  ProgramHarness again;
  UseFolderOf(again, program);
  EXPECT_EQ(again.Keys(kLoadFirst).Keys("{Right}Sy").Run(), -1);  // waits on the message box
  EXPECT_TRUE(again.ScreenHas("Игра не сохранена")) << again.ScreenText();
  EXPECT_TRUE(again.game().session.game_in_progress);
  EXPECT_FALSE(again.game().session.saved);
  EXPECT_FALSE(again.game().session.unload_requested);
  EXPECT_EQ(ReadFileText(SaveOf(program, "Вася")), old_save);
}

TEST(Closing, ARecordThatCannotBeWrittenIsReportedAndTheRestIsDone) {
  ProgramHarness program;
  fs::create_directory(program.folder() / "Вася.txt.tmp");  // the record cannot be made
  EXPECT_EQ(program.Keys(kCreate).Keys(kVillageAndBack).Keys("Qy").Run(), -1);  // the end screen
  EXPECT_TRUE(program.ScreenHas("Не удалось записать историю героя")) << program.ScreenText();
  EXPECT_FALSE(AnyLevelFiles(program));
  EXPECT_FALSE(fs::exists(SaveOf(program, "Вася")));
}

// Death, Q and S each end the hero, not the program: the end screen tells how, then the menu is
// open on "Начать Игру". A hero who died or quit enters the hall of fame with his record; a
// second hero of his name gets a record of his own.
TEST(Closing, EveryEndOfTheHeroShowsTheEndScreenThenTheMenu) {
  const struct {
    bool starves;
    const char* keys;
    const char* title;
    const char* told;
    bool famous;
  } kCases[] = {
      {true, "{Space}", kEndTitle, "Вася, Человек Воин, умер от голода.", true},
      {false, "Qy", kEndTitle, "Вася, Человек Воин, просто вышел из игры.", true},
      {false, "Sy", kSavedTitle, "Он проснётся там, где уснул: Окрестные земли.", false},
  };
  // The keys run out where the program waits: a run for each step, each in a folder of its own.
  const auto run = [](ProgramHarness& program, bool starves, std::string_view keys) {
    EXPECT_EQ(program.Keys(kCreate).Keys("{Right}").Run(), -1);
    if (starves) {
      program.game().control.prompt_state = prompt::kGameOver;
      program.game().control.end_reason = end_reason::kStarved;
    }
    EXPECT_EQ(program.Keys(keys).Run(), -1) << keys;
  };
  for (const auto& c : kCases) {
    ProgramHarness ended;
    run(ended, c.starves, c.keys);
    for (const char* told : {c.title, c.told, "Ходов: 1", "Место: Окрестные земли"}) {
      EXPECT_TRUE(ended.ScreenHas(told)) << told << "\n" << ended.ScreenText();
    }
    EXPECT_EQ(ended.ScreenHas("«Вася.txt»"), c.famous);
    EXPECT_TRUE(ended.game().session.game_in_progress) << "the map stays behind the end screen";

    ProgramHarness menu;
    run(menu, c.starves, std::string(c.keys) + "{Enter}");
    EXPECT_TRUE(menu.ScreenHas(MainWindow::kMenuOpenHint)) << menu.ScreenText();
    EXPECT_FALSE(menu.game().session.game_in_progress);
    std::string error;
    const auto hall = ReadHallOfFame(menu.folder().path(), &error);
    ASSERT_TRUE(hall) << error;
    ASSERT_EQ(hall->size(), c.famous ? 1u : 0u) << c.title;
    if (!c.famous) continue;
    EXPECT_EQ((*hall)[0].record, "Вася.txt");

    // A new hero of the same name from the menu, without starting the program again.
    ProgramHarness again;
    run(again, c.starves, std::string(c.keys) + "{Enter}{Enter}{Enter}{Right}Qy{Enter}{Esc}");
    EXPECT_TRUE(fs::exists(again.folder() / "Вася (2).txt"));
    const auto later = ReadHallOfFame(again.folder().path(), &error);
    ASSERT_TRUE(later && later->size() == 2u) << error;
    EXPECT_TRUE((*later)[0].record == "Вася (2).txt" || (*later)[1].record == "Вася (2).txt");
  }
}

TEST(Closing, QWarnsThatTheHeroIsLostAndNamesTheSaveKey) {
  ProgramHarness program;
  EXPECT_EQ(program.Keys(kCreate).Keys("Q").Run(), -1);
  EXPECT_TRUE(program.ScreenHas("герой будет потерян навсегда")) << program.ScreenText();
  EXPECT_TRUE(program.ScreenHas("нажми S.")) << program.ScreenText();
  EXPECT_TRUE(program.ScreenHas("Действительно выйти?(Y/N)"));
}

}  // namespace
}  // namespace zaldrun
