// Opening the inventory window on a full pack: a hundred stacks in every category, the list drawn
// with every name and the chosen stack's description.
#include <benchmark/benchmark.h>

#include <memory>

#include "items/piles.hpp"
#include "model/game.hpp"
#include "platform/grid.hpp"
#include "ui/inventory_window.hpp"
#include "ui/layout.hpp"
#include "world/game_data.hpp"

namespace zaldrun {
namespace {

// One type of each category to fill it with, varied by the bonus so no two stacks merge (there
// are no books).
constexpr int kTypeOfCategory[kPileGroups] = {57, 24, 14, 34, 30, 49, 0, 78, 28, 98};

std::unique_ptr<Game> FullPack() {
  auto game = std::make_unique<Game>();
  game->session.data_folder = ZALDRUN_BINARY_DIR;
  if (!LoadGameData(*game).empty()) return nullptr;
  for (int c = 0; c < kPileGroups; ++c) {
    const int type = kTypeOfCategory[c];
    if (type == 0) continue;
    for (int i = 0; i < kGroupPlaces; ++i) {
      ItemRecord item;
      item.type = static_cast<int16_t>(type);
      item.count = 1 + i % 7;
      item.blessing = static_cast<uint8_t>(i % 6);
      item.material = 5;
      item.identified = static_cast<uint8_t>(i % 2);
      item.bonus1 = static_cast<int16_t>(i);
      AddToPile(*game, 0, item);
    }
  }
  game->control.inventory.category = 0;
  game->control.inventory.place = 50;
  return game;
}

void BM_OpenInventoryOnAFullPack(benchmark::State& state) {
  auto game = FullPack();
  if (!game) {
    state.SkipWithError("the data files are missing");
    return;
  }
  platform::Grid grid(layout::kGridWidth, layout::kGridHeight);
  for (auto _ : state) {
    InventoryWindow window(*game);
    window.Draw(grid);
    benchmark::DoNotOptimize(grid.cells().data());
  }
}
BENCHMARK(BM_OpenInventoryOnAFullPack)->Unit(benchmark::kMicrosecond);

void BM_EquipmentList(benchmark::State& state) {
  auto game = FullPack();
  if (!game) {
    state.SkipWithError("the data files are missing");
    return;
  }
  game->control.inventory.equipment_list = true;
  platform::Grid grid(layout::kGridWidth, layout::kGridHeight);
  for (auto _ : state) {
    InventoryWindow window(*game);
    window.Draw(grid);
    benchmark::DoNotOptimize(grid.cells().data());
  }
}
BENCHMARK(BM_EquipmentList)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace zaldrun
