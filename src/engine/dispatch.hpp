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

// Writes a line about a data fault to Messages.log, once per distinct text.
void ReportOnce(Game& game, const std::string& text);

}  // namespace zaldrun
