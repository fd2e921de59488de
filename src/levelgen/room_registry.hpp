// The special rooms the level generator builds by name ("SpecRoom1".."SpecRoom3").
#pragma once

#include "base/registry.hpp"

namespace zaldrun {

struct Game;

using RoomHandler = void (*)(Game& game);

const Registry<RoomHandler>& RoomRegistry();

}  // namespace zaldrun
