#include "events/event_registry.hpp"

#include "events/heartbeat.hpp"

namespace zaldrun {

namespace {

// Every name an event slot or a monster type may carry, sorted by name: the timed handlers, the
// scheduled checks, and the talk handlers (called with the monster talked to in CurrentSlot).
// Each gets its function when it is built; until then the name is known and the call is skipped.
constexpr RegistryEntry<EventHandler> kHandlers[] = {
    {"ArakTalk", nullptr},         // the demon-summoner's scene in his hall; becomes "CheckAra"
    {"Balbes", nullptr},           // talk: Кычкыдум, the bracelet
    {"CheckAra", nullptr},         // waits for Аракус to die
    {"CheckGobs", nullptr},        // the goblin camp turns hostile together
    {"CheckWitch", nullptr},       // the witch of the cave is dead
    {"Chukcha", nullptr},          // talk: a goblin
    {"Consumption", Consumption},  // hunger
    {"CountMons", nullptr},        // a catacomb level cleared
    {"CreateMon", nullptr},        // wandering monsters
    {"DamageAtr", nullptr},        // an attribute lowered
    {"Dedok", nullptr},            // talk: old Чупакабра and his ghost
    {"DrainAtr", nullptr},         // an attribute's base lowered
    {"EnemyRegen", nullptr},       // monsters heal, plants grow
    {"Fermer", nullptr},           // talk: Негиф the farmer
    {"Gobagoba", nullptr},         // talk: the goblin chief
    {"Kornavin", nullptr},         // talk: the traveller in the town
    {"Kva", nullptr},              // talk: the bewitched frog
    {"Lekar", nullptr},            // talk: Дарон the healer
    {"Muzhik", nullptr},           // talk: a villager
    {"Ohotnik", nullptr},          // talk: Каргуд the hunter
    {"Priest", nullptr},           // talk: the priest
    {"RaiseAtr", nullptr},         // an attribute raised
    {"Regen", Regen},              // the hero heals, poison works
    {"RemColdRes", nullptr},       // cold protection ends
    {"RemConfuse", nullptr},       // confusion ends
    {"RemFireRes", nullptr},       // fire protection ends
    {"RemParIm", nullptr},         // paralysis resistance ends
    {"RemSpeed", nullptr},         // a speed change ends
    {"RemWeak", nullptr},          // weakness ends
    {"Rvota", nullptr},            // vomiting
    {"SoftSkin", nullptr},         // stone skin ends
    {"Starosta", nullptr},         // talk: Браннус the elder
    {"TombTrap", nullptr},         // the golem rooms of the tomb open
    {"Trader", nullptr},           // talk: a shopkeeper
    {"UnBless", nullptr},          // a blessing ends
};

constexpr Registry<EventHandler> kRegistry{kHandlers};
static_assert(kRegistry.IsSorted());

}  // namespace

const Registry<EventHandler>& EventRegistry() { return kRegistry; }

}  // namespace zaldrun
