#include "state/world_ops.hpp"

#include <algorithm>
#include <cmath>

#include "state/byte_record.hpp"
#include "state/game.hpp"

namespace zaldrun {

bool AddEvent(Game& game, std::string_view name, int countdown, int parameter) {
  if (game.event_count >= kMaxEvents) return false;
  EventSlot& slot = game.events[static_cast<size_t>(game.event_count) + 1];
  slot.name = std::string(TrimRight(name.substr(0, 12)));
  slot.countdown = Clamp16(countdown);
  slot.parameter = Clamp16(parameter);
  ++game.event_count;
  return true;
}

void RemoveEvent(Game& game, int slot) {
  if (slot < 1 || slot > game.event_count) return;
  for (int i = slot; i < game.event_count; ++i) {
    game.events[static_cast<size_t>(i)] = game.events[static_cast<size_t>(i) + 1];
  }
  game.events[game.event_count] = EventSlot{};
  --game.event_count;
}

int FindEvent(const Game& game, std::string_view name) {
  for (int i = 1; i <= game.event_count; ++i) {
    if (TrimRight(game.events[static_cast<size_t>(i)].name) == name) return i;
  }
  return 0;
}

int FindMonsterOfType(const Game& game, int type) {
  for (int slot = 1; slot <= game.level.monster_count; ++slot) {
    if (game.level.Monster(slot).type == type) return slot;
  }
  return 0;
}

uint8_t Distance(int x1, int y1, int x2, int y2) {
  const double dx = x2 - x1;
  const double dy = y2 - y1;
  return static_cast<uint8_t>(std::min(255.0, RoundHalfEven(std::sqrt(dx * dx + dy * dy))));
}

double RoundHalfEven(double value) {
  const double rounded = std::round(value);
  if (std::fabs(value - std::trunc(value)) == 0.5) return 2.0 * std::round(value / 2.0);
  return rounded;
}

int16_t Clamp16(long long value) {
  return static_cast<int16_t>(std::clamp<long long>(value, INT16_MIN, INT16_MAX));
}

}  // namespace zaldrun
