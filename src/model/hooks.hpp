// Scaffolding: calls into subsystems that are not built yet (traps, rooms, items, level
// changes, the hero's windows, saving). An empty entry means the subsystem is not part of the game
// yet, and the caller goes on without that call. The change that builds a subsystem replaces its
// entries here with direct calls and deletes them; no entry is added for a subsystem that exists.
#pragma once

#include <cstdint>

namespace zaldrun {

struct Game;

struct Hooks {
  // The hero steps into room `room` at (x, y).
  void (*enter_room)(Game& game, int room, int x, int y) = nullptr;

  // Talking at a cell.
  void (*talk_at)(Game& game, int x, int y) = nullptr;
};

}  // namespace zaldrun
