// The command keys of play: directions and waiting, and the bound character commands.
#pragma once

#include "platform/key.hpp"

namespace zaldrun {

struct Game;
class Screen;

// Handles one key while a game is in progress and nothing else waits for keys; a window the
// command asks for (the inventory) opens on `screen`.
void HandleGameKey(Game& game, Screen& screen, const platform::Key& key);

}  // namespace zaldrun
