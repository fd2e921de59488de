// Small operations on the world used everywhere: event slots and monster lookup.
#pragma once

#include <cstdint>
#include <string_view>

#include "base/numbers.hpp"

namespace zaldrun {

struct Game;

// Adds an event in slot EventCount + 1. Refused (returns false, nothing changes) with 100 in use.
bool AddEvent(Game& game, std::string_view name, int countdown, int parameter);
// Removes a slot; the later slots move down one place. A slot outside 1..EventCount is ignored.
void RemoveEvent(Game& game, int slot);
// The first slot whose name equals `name` (case-sensitive, trailing blanks cut), or 0.
int FindEvent(const Game& game, std::string_view name);
// The first monster slot of the given type, or 0.
int FindMonsterOfType(const Game& game, int type);
}  // namespace zaldrun
