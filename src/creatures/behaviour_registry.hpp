// The monster behaviours that monster types name in Monsters.dat; each acts for one monster slot.
#pragma once

#include "state/registry.hpp"

namespace zaldrun {

struct Game;

using BehaviourHandler = void (*)(Game& game, int slot);

const Registry<BehaviourHandler>& BehaviourRegistry();

}  // namespace zaldrun
