// The main window's start-up and unload steps: the program folder's files and the settings.
#pragma once

#include <cstdint>
#include <optional>

namespace zaldrun {

struct Game;
class Io;

// Start-up, in order: old level files deleted, the generator seeded (from the clock unless a seed
// is given), default settings written when Zaldrun.ini is missing, the Save folder created, an old
// Messages.log deleted, the settings read (a bad file is replaced by the defaults, with a message).
// Returns false, after telling the player why, when the program folder cannot be used.
bool StartUp(Game& game, Io& io, std::optional<uint64_t> seed);

}  // namespace zaldrun
