// Calling event handlers and monster behaviours by the names the world stores.
#pragma once

#include <string>
#include <string_view>

#include "base/registry.hpp"
#include "model/game.hpp"

namespace zaldrun {

// The tables of the handlers built so far, each defined beside its handlers (quests/, creatures/).
// Every name the data may use is listed in records/handler_names; one without a handler yet is
// written once to Messages.log when called.
const Registry<EventHandler>& EventRegistry();
const Registry<BehaviourHandler>& BehaviourRegistry();

// Calls the event (or talk) handler of that name. A name no handler answers to is written once to
// Messages.log and skipped. Returns true when a handler ran.
bool CallEventHandler(Game& game, std::string_view name);
// Calls the behaviour of that name for the monster in `slot`, likewise.
bool CallBehaviour(Game& game, std::string_view name, int slot);
// Calls the behaviour of monster type `type` for the monster in `slot`, likewise. The names of all
// types are looked up once, on the first call after the monster data are loaded or the behaviour
// table is changed, so a turn of many monsters compares no names.
bool CallMonsterBehaviour(Game& game, int type, int slot);
// The same, inline for the monster pass: a resolved behaviour is called at once.
inline bool CallResolvedBehaviour(Game& game, int type, int slot) {
  const ResolvedBehaviours& resolved = game.data.behaviours;
  if (resolved.resolved && resolved.session_table == game.session.behaviours && type >= 1 &&
      type <= kMonsterTypeCount) {
    if (const BehaviourHandler handler = resolved.handlers[static_cast<size_t>(type)]) {
      handler(game, slot);
      return true;
    }
  }
  return CallMonsterBehaviour(game, type, slot);
}
// Looks up the behaviour of every monster type now (the data loading does, so that no turn pays
// for it).
void ResolveBehaviours(Game& game);

// Writes a line about a data fault to Messages.log, once per distinct text.
void ReportOnce(Game& game, const std::string& text);

}  // namespace zaldrun
