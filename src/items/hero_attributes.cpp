#include "items/hero_attributes.hpp"

#include <algorithm>

#include "base/numbers.hpp"
#include "engine/attributes.hpp"
#include "items/hand_figures.hpp"
#include "items/pack.hpp"
#include "model/game.hpp"

namespace zaldrun {

void ReapplyAttribute(Game& game, int attribute) {
  if (attribute < 0 || attribute >= kAttributeCount) return;
  RecomputeDerived(game, attribute);
  if (attribute != attribute::kStrength) return;
  ReweighBurden(game);
  RebuildHands(game);
}

void DrainAttribute(Game& game, int attribute, int amount) {
  if (attribute < 0 || attribute >= kAttributeCount || amount <= 0) return;
  int16_t& loss = game.world.hero.attributes.temporary_a[static_cast<size_t>(attribute)];
  loss = Clamp16(static_cast<long long>(loss) - amount);
  ReapplyAttribute(game, attribute);
}

int DrainedFrom(const Game& game, int attribute) {
  if (attribute < 0 || attribute >= kAttributeCount) return 0;
  return std::max(0, -game.world.hero.attributes.temporary_a[static_cast<size_t>(attribute)]);
}

}  // namespace zaldrun
