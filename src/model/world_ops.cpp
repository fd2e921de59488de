#include "model/world_ops.hpp"

#include "base/byte_record.hpp"
#include "model/game.hpp"

namespace zaldrun {

bool AddEvent(Game& game, std::string_view name, int countdown, int parameter) {
  if (game.world.event_count >= kMaxEvents) return false;
  EventSlot& slot = game.world.events[static_cast<size_t>(game.world.event_count) + 1];
  slot.name = std::string(TrimRight(name.substr(0, 12)));
  slot.countdown = Clamp16(countdown);
  slot.parameter = Clamp16(parameter);
  ++game.world.event_count;
  return true;
}

void RemoveEvent(Game& game, int slot) {
  if (slot < 1 || slot > game.world.event_count) return;
  for (int i = slot; i < game.world.event_count; ++i) {
    game.world.events[static_cast<size_t>(i)] = game.world.events[static_cast<size_t>(i) + 1];
  }
  game.world.events[game.world.event_count] = EventSlot{};
  --game.world.event_count;
}

int FindEvent(const Game& game, std::string_view name) {
  for (int i = 1; i <= game.world.event_count; ++i) {
    if (TrimRight(game.world.events[static_cast<size_t>(i)].name) == name) return i;
  }
  return 0;
}

int FindMonsterOfType(const Game& game, int type) {
  for (int slot = 1; slot <= game.world.level.monster_count; ++slot) {
    if (game.world.level.Monster(slot).type == type) return slot;
  }
  return 0;
}

}  // namespace zaldrun
