#include "engine/dispatch.hpp"
#include "events/heartbeat.hpp"
#include "events/monster_events.hpp"

namespace zaldrun {

namespace {

// The handlers built so far, sorted by name; records/handler_names lists every name.
constexpr RegistryEntry<EventHandler> kHandlers[] = {
    {"Consumption", Consumption},  // hunger
    {"CreateMon", CreateMon},      // wandering monsters
    {"EnemyRegen", EnemyRegen},    // monsters heal, plants grow
    {"Regen", Regen},              // the hero heals, poison works
};

constexpr Registry<EventHandler> kRegistry{kHandlers};
static_assert(kRegistry.IsSorted());

}  // namespace

const Registry<EventHandler>& EventRegistry() { return kRegistry; }

}  // namespace zaldrun
