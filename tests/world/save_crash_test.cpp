// A save cut short by a crash: the program is killed at random moments while it saves again and
// again, or while it changes levels with a checkpoint at each; every time the save file on disk
// must load, holding the new game or the one before it.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <random>

#include "levelgen/places.hpp"
#include "model/game.hpp"
#include "platform/hangup_signals.hpp"
#include "platform/headless/headless_frontend.hpp"
#include "support/temp_folder.hpp"
#include "ui/screen.hpp"
#include "world/game_data.hpp"
#include "world/level_change.hpp"
#include "world/new_hero.hpp"
#include "world/save_game.hpp"

namespace zaldrun {
namespace {

namespace fs = std::filesystem;

constexpr int kRounds = 100;

// Вася's new game on the overworld, in the folder.
std::unique_ptr<Game> NewGameIn(const testing::TempFolder& folder, uint64_t seed) {
  auto game = std::make_unique<Game>();
  game->session.folder = folder.path();
  game->session.data_folder = ZALDRUN_BINARY_DIR;
  game->random.Seed(seed);
  fs::create_directories(game->session.SaveFolder());
  EXPECT_EQ(LoadGameData(*game), "");
  game->world.hero.name = "Вася";
  SetUpNewHero(*game, HeroChoice{1, 1, 1, 0});
  EXPECT_TRUE(ChangeLevel(*game, kOverworldPlace, kOverworldLevel, 4, 20));
  return game;
}

// The level changes of the checkpoint test: 10 kills by default, more with
// ZALDRUN_CHECKPOINT_KILLS (100 for the long run).
int CheckpointKills() {
  const char* wanted = std::getenv("ZALDRUN_CHECKPOINT_KILLS");
  return wanted != nullptr ? std::max(1, std::atoi(wanted)) : 10;
}

TEST(SaveCrash, KilledWhileSavingTheSaveOnDiskAlwaysLoads) {
  testing::TempFolder folder;
  auto game = NewGameIn(folder, 11);
  std::string error;
  ASSERT_TRUE(SaveCurrentGame(*game, &error)) << error;

  std::mt19937 chance(20241207);
  int32_t last_money = game->world.hero.money;
  for (int round = 0; round < kRounds; ++round) {
    int done[2];
    ASSERT_EQ(::pipe(done), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      // Saves for ever, each time with one coin more, and tells of every save finished.
      for (int32_t money = last_money + 1;; ++money) {
        game->world.hero.money = money;
        if (!SaveCurrentGame(*game, nullptr)) ::_exit(1);
        if (::write(done[1], "s", 1) != 1) ::_exit(1);
      }
    }
    ::close(done[1]);
    // After the first save of the round, the kill comes at a random moment of the ones after.
    char note = 0;
    ASSERT_EQ(::read(done[0], &note, 1), 1) << "round " << round << ": no save finished";
    ::usleep(std::uniform_int_distribution<useconds_t>(0, 30000)(chance));
    ::kill(child, SIGKILL);
    int status = 0;
    ::waitpid(child, &status, 0);
    ::close(done[0]);
    ASSERT_TRUE(WIFSIGNALED(status)) << "round " << round << ": the saving child failed";

    const auto image = ReadSaveFile(game->session.SaveFolder(), "Вася", &error);
    ASSERT_TRUE(image.has_value()) << "round " << round << ": " << error;
    EXPECT_GT(image->hero.money, last_money) << "round " << round << ": an older save came back";
    last_money = image->hero.money;
  }
}

// The checkpoint of every level change, with hang-up signals landing while it is written and the
// kill at a random moment: a signal never makes a save fail, and the save on disk always loads,
// on one of the two levels.
TEST(SaveCrash, KilledWhileChangingLevelsTheCheckpointOnDiskAlwaysLoads) {
  testing::TempFolder folder;
  auto game = NewGameIn(folder, 12);
  std::string error;
  ASSERT_TRUE(SaveCheckpoint(*game, &error)) << error;

  std::mt19937 chance(20250611);
  std::uniform_int_distribution<useconds_t> moment(0, 20000);
  const int kills = CheckpointKills();
  for (int round = 0; round < kills; ++round) {
    int done[2];
    ASSERT_EQ(::pipe(done), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      platform::InstallHangupSignals();
      for (bool village = true;; village = !village) {
        const bool entered = village ? ChangeLevel(*game, place::kWorld, place::kVillage, 0, 0)
                                     : ChangeLevel(*game, kOverworldPlace, kOverworldLevel, 11, 21);
        if (!entered || !SaveCheckpoint(*game, nullptr)) ::_exit(1);
        if (::write(done[1], "s", 1) != 1) ::_exit(1);
      }
    }
    ::close(done[1]);
    char note = 0;
    ASSERT_EQ(::read(done[0], &note, 1), 1) << "round " << round << ": no checkpoint finished";
    for (int signals = std::uniform_int_distribution(0, 3)(chance); signals > 0; --signals) {
      ::usleep(moment(chance));
      ::kill(child, SIGTERM);
    }
    ::usleep(moment(chance));
    ::kill(child, SIGKILL);
    int status = 0;
    ::waitpid(child, &status, 0);
    ::close(done[0]);
    ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL)
        << "round " << round << ": the child failed or died of a hang-up signal";

    auto loaded = std::make_unique<Game>();
    loaded->session.folder = folder.path();
    loaded->session.data_folder = ZALDRUN_BINARY_DIR;
    platform::HeadlessFrontend frontend;
    Screen screen(frontend);
    loaded->session.io = &screen;
    frontend.PushScript("{Space}{Space}");
    ASSERT_TRUE(LoadGame(*loaded, "Вася", &error)) << "round " << round << ": " << error;
    EXPECT_TRUE(loaded->world.OnOverworld() || loaded->world.current_level == place::kVillage);
  }
}

}  // namespace
}  // namespace zaldrun
