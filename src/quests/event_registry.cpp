#include "engine/dispatch.hpp"
#include "events/heartbeat.hpp"
#include "events/monster_events.hpp"
#include "events/timed_effects.hpp"
#include "quests/talk_handlers.hpp"

namespace zaldrun {

namespace {

// Every timed handler, sorted by name; records/handler_names lists every name. The table sits with
// the quests because the demon-summoner's scene is one of them.
constexpr RegistryEntry<EventHandler> kHandlers[] = {
    {"ArakTalk", ArakTalk},        // the scene in Аракус's hall
    {"Consumption", Consumption},  // hunger
    {"CreateMon", CreateMon},      // wandering monsters
    {"DamageAtr", DamageAtr},      // an attribute lowered
    {"DrainAtr", DrainAtr},        // an attribute's base lowered
    {"EnemyRegen", EnemyRegen},    // monsters heal, plants grow
    {"RaiseAtr", RaiseAtr},        // an attribute raised
    {"Regen", Regen},              // the hero heals, poison works
    {"RemColdRes", RemColdRes},    // cold protection ends
    {"RemConfuse", RemConfuse},    // confusion ends
    {"RemFireRes", RemFireRes},    // fire protection ends
    {"RemParIm", RemParIm},        // paralysis resistance ends
    {"RemSpeed", RemSpeed},        // a speed change ends
    {"RemWeak", RemWeak},          // weakness ends
    {"Rvota", Rvota},              // vomiting
    {"SoftSkin", SoftSkin},        // stone skin ends
    {"UnBless", UnBless},          // a blessing ends
};

constexpr Registry<EventHandler> kRegistry{kHandlers};
static_assert(kRegistry.IsSorted());

}  // namespace

const Registry<EventHandler>& EventRegistry() { return kRegistry; }

}  // namespace zaldrun
