#include "events/monster_events.hpp"

#include <algorithm>
#include <cmath>

#include "base/numbers.hpp"
#include "creatures/monster_table.hpp"
#include "model/game.hpp"

namespace zaldrun {

namespace {

constexpr int kRegenInterval = 160;
constexpr int kSpawnSteps = 34;
constexpr int kSpawnStep = 10;
constexpr int kSpawnBase = 280;
constexpr float kSpawnScale = 30.0f;

EventSlot* OwnSlot(Game& game) {
  if (game.control.current_slot < 1 || game.control.current_slot > game.world.event_count) {
    return nullptr;
  }
  return &game.world.events[static_cast<size_t>(game.control.current_slot)];
}

// A growing plant ripens by 4..12; a withering one (40..89) loses ground but may recover.
void GrowPlants(Game& game) {
  for (MapCell& cell : game.world.level.cells) {
    if (cell.feature != feature::kPlant) continue;
    int16_t& growth = cell.params[3];
    if (growth >= 90 && growth <= 380) {
      growth = Clamp16(static_cast<int>(game.random.Next() * 9) + growth + 4);
    } else if (growth >= 40 && growth <= 89) {
      growth = Clamp16(static_cast<long long>(
          RoundHalfEven(std::floor((game.random.Next() + 1.0) * growth) - 20)));
    }
  }
}

}  // namespace

void EnemyRegen(Game& game) {
  Level& level = game.world.level;
  for (int slot = 1; slot <= level.monster_count; ++slot) {
    MonsterRecord& monster = level.Monster(slot);
    const long long healed = monster.max_hp / 35 + static_cast<long long>(monster.hp) + 1;
    monster.hp = Clamp16(std::min<long long>(healed, monster.max_hp));
  }
  if ((level.level_flags & kLevelHasPlants) != 0) GrowPlants(game);
  if (EventSlot* slot = OwnSlot(game)) slot->countdown = kRegenInterval;
}

void CreateMon(Game& game) {
  if (game.world.level.spawn_rate / kSpawnScale >= game.random.Next()) PlaceRandomMonster(game, -1);
  const int wait = static_cast<int>(game.random.Next() * kSpawnSteps) * kSpawnStep + kSpawnBase;
  if (EventSlot* slot = OwnSlot(game)) slot->countdown = static_cast<int16_t>(wait);
}

}  // namespace zaldrun
