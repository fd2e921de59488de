// Naming and valuing items: what the inventory lists and the pile views cost per redraw.
#include <benchmark/benchmark.h>

#include <memory>
#include <stdexcept>
#include <vector>

#include "items/item_maker.hpp"
#include "items/item_names.hpp"
#include "items/item_types.hpp"
#include "model/game.hpp"

namespace zaldrun {
namespace {

constexpr int kItems = 10000;

std::unique_ptr<Game> ItemGame() {
  auto game = std::make_unique<Game>();
  game->session.data_folder = ZALDRUN_BINARY_DIR;
  const std::string error = LoadItemFiles(*game);
  if (!error.empty()) throw std::runtime_error(error);
  InitItemTable(*game);
  game->world.hero.price_factor = 1.0f;
  return game;
}

// Random items as the levels make them, half of them known, some of them shop goods.
std::vector<ItemRecord> RandomItems(Game& game) {
  std::vector<ItemRecord> items;
  while (static_cast<int>(items.size()) < kItems) {
    const int type = ChooseItemType(game, 1, 50, kAnyCategory, 0, 100000);
    const int n = static_cast<int>(items.size());
    auto item = MakeItem(game, {.type = type,
                                .count = n % 7 == 0 ? -3 : -1,
                                .identified = n % 2,
                                .flags = n % 5 == 0 ? item_flag::kUnpaid : 0});
    if (item) items.push_back(*item);
  }
  return items;
}

void BM_NameTenThousandItems(benchmark::State& state) {
  auto game = ItemGame();
  const std::vector<ItemRecord> items = RandomItems(*game);
  for (auto _ : state) {
    size_t letters = 0;
    for (const ItemRecord& item : items) letters += ItemName(*game, item).size();
    benchmark::DoNotOptimize(letters);
  }
  state.SetItemsProcessed(state.iterations() * kItems);
}
BENCHMARK(BM_NameTenThousandItems)->Unit(benchmark::kMillisecond);

void BM_ValueTenThousandItems(benchmark::State& state) {
  auto game = ItemGame();
  const std::vector<ItemRecord> items = RandomItems(*game);
  for (auto _ : state) {
    int64_t total = 0;
    for (const ItemRecord& item : items) total += ItemValue(*game, item);
    benchmark::DoNotOptimize(total);
  }
  state.SetItemsProcessed(state.iterations() * kItems);
}
BENCHMARK(BM_ValueTenThousandItems)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace zaldrun
