// The command keys of play: directions and waiting, and the bound character commands.
#pragma once

#include "platform/key.hpp"

namespace zaldrun {

struct Game;

// Handles one key while a game is in progress and nothing else waits for keys.
void HandleGameKey(Game& game, const platform::Key& key);

}  // namespace zaldrun
