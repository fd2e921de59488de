#include "creatures/monster_steps.hpp"

#include <array>

#include "base/numbers.hpp"
#include "combat/traps.hpp"
#include "engine/monsters_on_level.hpp"
#include "field/free_cells.hpp"
#include "model/game.hpp"

namespace zaldrun {

namespace {

constexpr int kStepCost = 1000;
// Below this a step costs nothing more: energy stays within 16 bits.
constexpr int kLowestEnergyToPay = -31768;

int Sign(int value) { return (value > 0) - (value < 0); }

}  // namespace

void SpendEnergy(Game& game, int slot, int amount) {
  if (slot < 1 || slot > game.world.level.monster_count) return;
  MonsterRecord& monster = game.world.level.Monster(slot);
  monster.energy = Clamp16(static_cast<long long>(monster.energy) - amount);
}

void MoveToHero(Game& game, int slot, int direction) {
  if (slot < 1 || slot > game.world.level.monster_count) return;
  const MonsterRecord& monster = game.world.level.Monster(slot);
  const Hero& hero = game.world.hero;
  const int x = monster.x;
  const int y = monster.y;
  const int sx = Sign(hero.x - x) * direction;
  const int sy = Sign(hero.y - y) * direction;
  std::array<std::array<int, 2>, 3> tries{};
  if (hero.x != x && hero.y != y) {
    tries = {{{x + sx, y + sy}, {x + sx, y}, {x, y + sy}}};
  } else if (hero.y == y) {
    tries = {{{x + sx, y}, {x + sx, y + 1}, {x + sx, y - 1}}};
  } else {
    tries = {{{x, y + sy}, {x + 1, y + sy}, {x - 1, y + sy}}};
  }
  MonsterFollower follower(game, slot);
  if (sx != 0 || sy != 0) {
    for (const auto& [tx, ty] : tries) {
      if (!CellIsFree(game, tx, ty, false)) continue;
      StepMonster(game, slot, tx, ty);
      break;
    }
  }
  // A trap on the new cell may have taken the monster off the level.
  const int now = follower.Slot(game);
  if (now != 0 && game.world.level.Monster(now).energy >= kLowestEnergyToPay) {
    SpendEnergy(game, now, kStepCost);
  }
}

void RandStep(Game& game, int slot) {
  if (slot < 1 || slot > game.world.level.monster_count) return;
  const MonsterRecord& monster = game.world.level.Monster(slot);
  const int r = static_cast<int>(game.random.Next() * 9);
  const int x = monster.x + r / 3 - 1;
  const int y = monster.y + r % 3 - 1;
  if (CellIsFree(game, x, y, false)) StepMonster(game, slot, x, y);
}

}  // namespace zaldrun
