// The timed-event handlers and the talk handlers, called by the names event slots and monster
// types carry.
#pragma once

#include "state/registry.hpp"

namespace zaldrun {

struct Game;

using EventHandler = void (*)(Game& game);

const Registry<EventHandler>& EventRegistry();

}  // namespace zaldrun
