// A save cut short by a crash: the program is killed at random moments while it saves again and
// again; every time the save file on disk must load, holding the new game or the one before it.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <memory>
#include <random>

#include "model/game.hpp"
#include "support/temp_folder.hpp"
#include "world/game_data.hpp"
#include "world/level_change.hpp"
#include "world/new_hero.hpp"
#include "world/save_game.hpp"

namespace zaldrun {
namespace {

namespace fs = std::filesystem;

constexpr int kRounds = 100;

TEST(SaveCrash, KilledWhileSavingTheSaveOnDiskAlwaysLoads) {
  testing::TempFolder folder;
  auto game = std::make_unique<Game>();
  game->session.folder = folder.path();
  game->session.data_folder = ZALDRUN_BINARY_DIR;
  game->random.Seed(11);
  fs::create_directories(game->session.SaveFolder());
  ASSERT_EQ(LoadGameData(*game), "");
  game->world.hero.name = "Вася";
  SetUpNewHero(*game, HeroChoice{1, 1, 1, 0});
  ASSERT_TRUE(ChangeLevel(*game, kOverworldPlace, kOverworldLevel, 4, 20));
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

}  // namespace
}  // namespace zaldrun
