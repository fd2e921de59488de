// The turn cycle, sight and screen composition on full levels.
#include <benchmark/benchmark.h>

#include <array>
#include <memory>

#include "engine/monsters_on_level.hpp"
#include "engine/turn.hpp"
#include "field/field.hpp"
#include "field/sight.hpp"
#include "platform/headless/headless_frontend.hpp"
#include "model/game.hpp"
#include "model/world_ops.hpp"
#include "ui/main_window.hpp"
#include "ui/screen.hpp"

namespace zaldrun {
namespace {

// Behaviours and handlers that only do what the benchmark measures around them.
void Idle(Game&, int) {}
void Rearm(Game& game) { game.world.events[static_cast<size_t>(game.control.current_slot)].countdown = 30000; }
constexpr std::array<RegistryEntry<void (*)(Game&, int)>, 1> kBehaviours = {{{"StndAI", Idle}}};
constexpr Registry<void (*)(Game&, int)> kBehaviourRegistry(kBehaviours);
constexpr std::array<RegistryEntry<void (*)(Game&)>, 1> kEvents = {{{"Regen", Rearm}}};
constexpr Registry<void (*)(Game&)> kEventRegistry(kEvents);

std::unique_ptr<Game> OpenLevel(bool walled) {
  auto game = std::make_unique<Game>();
  for (int y = 0; y < kMapHeight; ++y) {
    for (int x = 0; x < kMapWidth; ++x) {
      const bool wall = walled && (x % 6 == 0 || y % 5 == 0) && (x + y) % 4 != 0;
      game->world.level.SetTerrain(x, y, wall ? 'A' : 'C');
    }
  }
  game->world.hero.x = 40;
  game->world.hero.y = 20;
  game->world.level.SetTerrain(40, 20, 'C');
  game->world.hero.sight_radius = 8;
  game->world.hero.speed_base = 100;
  game->session.event_handlers = &kEventRegistry;
  game->session.behaviours = &kBehaviourRegistry;
  game->data.monsters.loaded = true;
  for (auto& record : game->data.monsters.records) record.behaviour = "StndAI";
  return game;
}

void BM_AdvanceTime300Monsters(benchmark::State& state) {
  auto game = OpenLevel(false);
  for (int i = 0; i < kMaxMonsters; ++i) {
    MonsterRecord monster;
    monster.type = static_cast<int16_t>(1 + i % 85);
    monster.x = static_cast<uint8_t>(i % 80);
    monster.y = static_cast<uint8_t>(i / 80);
    monster.speed = 100;
    PlaceMonster(*game, monster);
  }
  for (auto _ : state) {
    for (int slot = 1; slot <= game->world.level.monster_count; ++slot)
      game->world.level.Monster(slot).energy = 0;
    AdvanceTime(*game, 1000);
  }
}
BENCHMARK(BM_AdvanceTime300Monsters);

void BM_AdvanceTime100Events(benchmark::State& state) {
  auto game = OpenLevel(false);
  for (int i = 0; i < kMaxEvents; ++i) AddEvent(*game, "Regen", 30000, 0);
  for (auto _ : state) AdvanceTime(*game, 1000);
}
BENCHMARK(BM_AdvanceTime100Events);

void BM_LOSRound(benchmark::State& state) {
  auto game = OpenLevel(state.range(1) != 0);
  const int radius = static_cast<int>(state.range(0));
  for (auto _ : state) {
    LOSRound(*game, game->world.hero.x, game->world.hero.y, radius);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_LOSRound)
    ->ArgNames({"radius", "walled"})
    ->Args({8, 0})
    ->Args({8, 1})
    ->Args({20, 0})
    ->Args({20, 1});

void BM_ComposeScreen(benchmark::State& state) {
  auto game = OpenLevel(false);
  platform::HeadlessFrontend frontend;
  Screen screen(frontend);
  MainWindow window(*game, screen);
  screen.Push(&window);
  game->session.game_in_progress = true;
  ShowMap(*game);
  game->view.message_line = " Ты открыл дверь. Здесь лежит Длинный меч.";
  for (auto _ : state) benchmark::DoNotOptimize(&screen.Compose());
}
BENCHMARK(BM_ComposeScreen);

}  // namespace
}  // namespace zaldrun
