#include "engine/dispatch.hpp"

#include <string>

#include "base/byte_record.hpp"
#include "base/cp1251.hpp"
#include "base/file_io.hpp"
#include "model/game.hpp"
#include "model/monster_types.hpp"

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

namespace {

const Registry<BehaviourHandler>& Behaviours(const Game& game) {
  return game.session.behaviours != nullptr ? *game.session.behaviours : BehaviourRegistry();
}

}  // namespace

void ResolveBehaviours(Game& game) {
  const auto& registry = Behaviours(game);
  ResolvedBehaviours& resolved = game.data.behaviours;
  resolved.resolved = true;
  resolved.session_table = game.session.behaviours;
  for (int type = 1; type <= kMonsterTypeCount; ++type) {
    const MonsterTypeRecord* record = FindMonsterType(game, type);
    const auto* entry = record != nullptr ? registry.Find(record->behaviour) : nullptr;
    resolved.handlers[static_cast<size_t>(type)] = entry != nullptr ? entry->fn : nullptr;
  }
}

bool CallMonsterBehaviour(Game& game, int type, int slot) {
  const ResolvedBehaviours& resolved = game.data.behaviours;
  if (!resolved.resolved || resolved.session_table != game.session.behaviours) {
    ResolveBehaviours(game);
  }
  const BehaviourHandler handler =
      type >= 1 && type <= kMonsterTypeCount ? resolved.handlers[static_cast<size_t>(type)] : nullptr;
  if (handler == nullptr) {
    // No handler: the by-name call reports the name once.
    const MonsterTypeRecord* record = FindMonsterType(game, type);
    return CallBehaviour(game, record != nullptr ? record->behaviour : std::string(), slot);
  }
  handler(game, slot);
  return true;
}

bool CallBehaviour(Game& game, std::string_view name, int slot) {
  const auto& registry = Behaviours(game);
  const auto* entry = registry.Find(name);
  if (entry == nullptr || entry->fn == nullptr) {
    ReportOnce(game, "Нет поведения \"" + std::string(TrimRight(name)) + "\".");
    return false;
  }
  entry->fn(game, slot);
  return true;
}

}  // namespace zaldrun
