#include "engine/dispatch.hpp"

#include <string>

#include "creatures/behaviour_registry.hpp"
#include "events/event_registry.hpp"
#include "state/byte_record.hpp"
#include "state/cp1251.hpp"
#include "state/file_io.hpp"
#include "state/game.hpp"

namespace zaldrun {

void ReportOnce(Game& game, const std::string& text) {
  if (!game.reported_names.insert(text).second) return;
  std::string error;
  AppendToFile(game.LogPath(), Utf8ToCp1251(text) + "\r\n", &error);
}

bool CallEventHandler(Game& game, std::string_view name) {
  const auto& registry = game.event_handlers != nullptr ? *game.event_handlers : EventRegistry();
  const auto* entry = registry.Find(name);
  if (entry == nullptr || entry->fn == nullptr) {
    ReportOnce(game, "Нет обработчика события \"" + std::string(TrimRight(name)) + "\".");
    return false;
  }
  entry->fn(game);
  return true;
}

bool CallBehaviour(Game& game, std::string_view name, int slot) {
  const auto& registry = game.behaviours != nullptr ? *game.behaviours : BehaviourRegistry();
  const auto* entry = registry.Find(name);
  if (entry == nullptr || entry->fn == nullptr) {
    ReportOnce(game, "Нет поведения \"" + std::string(TrimRight(name)) + "\".");
    return false;
  }
  entry->fn(game, slot);
  return true;
}

}  // namespace zaldrun
