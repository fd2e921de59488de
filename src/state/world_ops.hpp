// Small operations on the world used everywhere: event slots, monster lookup, distance.
#pragma once

#include <cstdint>
#include <string_view>

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
// The straight-line distance rounded to the nearest whole number (ties to even), capped at 255.
uint8_t Distance(int x1, int y1, int x2, int y2);

// Rounds to the nearest whole number with ties to even.
double RoundHalfEven(double value);
// Stores a wide value into a 16-bit field, clamping it into range.
int16_t Clamp16(long long value);

}  // namespace zaldrun
