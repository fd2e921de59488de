#include "engine/dispatch.hpp"
#include "events/heartbeat.hpp"
#include "events/monster_events.hpp"
#include "events/quest_checks.hpp"
#include "events/timed_effects.hpp"
#include "quests/talk_handlers.hpp"

namespace zaldrun {

namespace {

// Every timed handler, sorted by name; records/handler_names lists every name. The table sits with
// the quests because the demon-summoner's scene is one of them.
constexpr RegistryEntry<EventHandler> kHandlers[] = {
    {"ArakTalk", ArakTalk},        // the scene in Аракус's hall
    {"CheckAra", CheckAra},        // Аракус dead: the hall's stairs come back
    {"CheckGobs", CheckGobs},      // the goblin camp turns hostile together
    {"CheckWitch", CheckWitch},    // the witch of the cave is dead
    {"Consumption", Consumption},  // hunger
    {"CountMons", CountMons},      // a catacomb tier cleared
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
    {"TombTrap", TombTrap},        // the golem rooms of the tomb open
    {"UnBless", UnBless},          // a blessing ends
};

constexpr Registry<EventHandler> kRegistry{kHandlers};
static_assert(kRegistry.IsSorted());

}  // namespace

const Registry<EventHandler>& EventRegistry() { return kRegistry; }

}  // namespace zaldrun
