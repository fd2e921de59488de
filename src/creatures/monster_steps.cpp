#include "creatures/monster_steps.hpp"

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
  Level& level = game.world.level;
  if (slot < 1 || slot > level.monster_count) return;
  const MonsterRecord& monster = level.Monster(slot);
  const Hero& hero = game.world.hero;
  const int x = monster.x;
  const int y = monster.y;
  const int sx = Sign(hero.x - x) * direction;
  const int sy = Sign(hero.y - y) * direction;
  // The straight step first, then the two beside it. In a crowd most cells are refused, and
  // only a monster that steps can be taken off the level (by a trap) and need following.
  int now = slot;
  const auto step = [&](int tx, int ty) {
    if (!CellIsFree(game, tx, ty, false)) return false;
    MonsterFollower follower(game, slot);
    StepMonster(game, slot, tx, ty);
    now = follower.Slot(game);
    return true;
  };
  if (sx != 0 && sy != 0) {
    step(x + sx, y + sy) || step(x + sx, y) || step(x, y + sy);
  } else if (sx != 0) {
    step(x + sx, y) || step(x + sx, y + 1) || step(x + sx, y - 1);
  } else if (sy != 0) {
    step(x, y + sy) || step(x + 1, y + sy) || step(x - 1, y + sy);
  }
  if (now == 0) return;
  MonsterRecord& stepped = level.Monster(now);
  // At or above the lowest payable energy the step's cost stays within 16 bits.
  if (stepped.energy >= kLowestEnergyToPay) {
    stepped.energy = static_cast<int16_t>(stepped.energy - kStepCost);
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
