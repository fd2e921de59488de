#include "engine/dispatch.hpp"

#include <string>

#include "base/byte_record.hpp"
#include "base/cp1251.hpp"
#include "base/file_io.hpp"
#include "model/game.hpp"

namespace zaldrun {

void ReportOnce(Game& game, const std::string& text) {
  if (!game.session.reported_faults.insert(text).second) return;
  std::string error;
  AppendToFile(game.session.LogPath(), Utf8ToCp1251(text) + "\r\n", &error);
}

bool CallEventHandler(Game& game, std::string_view name) {
  const auto& registry = game.session.event_handlers != nullptr ? *game.session.event_handlers : EventRegistry();
  const auto* entry = registry.Find(name);
  if (entry == nullptr || entry->fn == nullptr) {
    ReportOnce(game, "Нет обработчика события \"" + std::string(TrimRight(name)) + "\".");
    return false;
  }
  entry->fn(game);
  return true;
}

bool CallBehaviour(Game& game, std::string_view name, int slot) {
  const auto& registry = game.session.behaviours != nullptr ? *game.session.behaviours : BehaviourRegistry();
  const auto* entry = registry.Find(name);
  if (entry == nullptr || entry->fn == nullptr) {
    ReportOnce(game, "Нет поведения \"" + std::string(TrimRight(name)) + "\".");
    return false;
  }
  entry->fn(game, slot);
  return true;
}

}  // namespace zaldrun
