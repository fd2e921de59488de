// The item operations and effect handlers that item types name in Items.dat.
#pragma once

#include "base/registry.hpp"

namespace zaldrun {

struct Game;

// How an aimed handler was aimed: not at all, by a direction (dx, dy each -1..1), or at the
// hero's own cell (x, y) from the centre key of the direction prompt.
struct EffectAim {
  enum class Kind { kNone, kDirection, kPosition } kind = Kind::kNone;
  int x = 0;
  int y = 0;
};

using EffectHandler = void (*)(Game& game, const EffectAim& aim);

const Registry<EffectHandler>& EffectRegistry();

}  // namespace zaldrun
