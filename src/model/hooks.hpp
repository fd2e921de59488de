// Scaffolding: calls into subsystems that are not built yet (talk). An empty entry means the
// subsystem is not part of the game yet, and the caller goes on without that call. The change that
// builds a subsystem replaces its entries here with direct calls and deletes them; no entry is
// added for a subsystem that exists.
#pragma once

#include <cstdint>

namespace zaldrun {

struct Game;

struct Hooks {
  // Talking at a cell.
  void (*talk_at)(Game& game, int x, int y) = nullptr;
};

}  // namespace zaldrun
