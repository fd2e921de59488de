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
#include <functional>
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

useconds_t RandomMoment(std::mt19937& chance) {
  return std::uniform_int_distribution<useconds_t>(0, 30000)(chance);
}

// Runs `save` over and over in a child process that takes hang-up signals as the game does. Once
// the first save has finished, `meanwhile` may signal the child; then the kill comes at a random
// moment. True when that kill ended the child (not a failed save, nor another signal).
bool KilledWhileSaving(std::mt19937& chance, const std::function<bool()>& save,
                       const std::function<void(pid_t)>& meanwhile = {}) {
  int done[2];
  if (::pipe(done) != 0) return false;
  const pid_t child = ::fork();
  if (child < 0) return false;
  if (child == 0) {
    platform::InstallHangupSignals();
    while (save() && ::write(done[1], "s", 1) == 1) {
    }
    ::_exit(1);
  }
  ::close(done[1]);
  char note = 0;
  const bool saved_once = ::read(done[0], &note, 1) == 1;
  if (saved_once && meanwhile) meanwhile(child);
  ::usleep(RandomMoment(chance));
  ::kill(child, SIGKILL);
  int status = 0;
  ::waitpid(child, &status, 0);
  ::close(done[0]);
  return saved_once && WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL;
}

TEST(SaveCrash, KilledWhileSavingTheSaveOnDiskAlwaysLoads) {
  testing::TempFolder folder;
  auto game = NewGameIn(folder, 11);
  std::string error;
  ASSERT_TRUE(SaveCurrentGame(*game, &error)) << error;

  std::mt19937 chance(20241207);
  int32_t last_money = game->world.hero.money;
  for (int round = 0; round < kRounds; ++round) {
    // Each save has one coin more.
    const auto save = [&game, money = last_money]() mutable {
      game->world.hero.money = ++money;
      return SaveCurrentGame(*game, nullptr);
    };
    ASSERT_TRUE(KilledWhileSaving(chance, save)) << "round " << round << ": the child failed";
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
  const auto change_level = [&game, village = false]() mutable {
    village = !village;
    const bool entered = village ? ChangeLevel(*game, place::kWorld, place::kVillage, 0, 0)
                                 : ChangeLevel(*game, kOverworldPlace, kOverworldLevel, 11, 21);
    return entered && SaveCheckpoint(*game, nullptr);
  };
  const auto hang_up = [&chance](pid_t child) {
    for (int signals = std::uniform_int_distribution(0, 3)(chance); signals > 0; --signals) {
      ::usleep(RandomMoment(chance));
      ::kill(child, SIGTERM);
    }
  };
  const int kills = CheckpointKills();
  for (int round = 0; round < kills; ++round) {
    ASSERT_TRUE(KilledWhileSaving(chance, change_level, hang_up))
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
