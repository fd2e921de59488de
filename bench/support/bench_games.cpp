#include "support/bench_games.hpp"

#include "creatures/monster_table.hpp"
#include "engine/turn.hpp"
#include "world/game_data.hpp"

namespace zaldrun::bench {
namespace {

constexpr int kBigRat = 2;  // the standard behaviour, bites and claws

}  // namespace

std::unique_ptr<Game> GameWithData(const std::filesystem::path& folder, uint32_t seed) {
  auto game = std::make_unique<Game>();
  std::filesystem::create_directories(folder);
  game->session.folder = folder;
  game->session.data_folder = ZALDRUN_BINARY_DIR;
  game->random.Seed(seed);
  if (!LoadGameData(*game).empty()) return nullptr;
  return game;
}

std::unique_ptr<Game> CrowdedLevel(bool awake) {
  auto game = GameWithData(std::filesystem::temp_directory_path(), 42);
  if (game == nullptr) return nullptr;
  for (int y = 0; y < kMapHeight; ++y) {
    for (int x = 0; x < kMapWidth; ++x) game->world.level.SetTerrain(x, y, 'C');
  }
  Hero& hero = game->world.hero;
  hero.x = 40;
  hero.y = 38;
  hero.sight_radius = 8;
  hero.speed_base = 100;
  hero.hp = hero.max_hp = 1000;
  for (int i = 0; i < kMaxMonsters; ++i) {
    const int slot = CreateMonster(*game, 1 + i % 78, 1 + i / 78, kBigRat, 0, 0);
    game->world.level.Monster(slot).speed = 100;
    if (awake) game->world.level.Monster(slot).state = -1;
  }
  return game;
}

void CrowdedTurn(Game& game) { AdvanceTime(game, 1000); }

}  // namespace zaldrun::bench
