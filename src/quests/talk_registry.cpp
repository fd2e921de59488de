#include "quests/talk.hpp"
#include "quests/talk_handlers.hpp"

namespace zaldrun {
namespace {

// Sorted by name; records/handler_names lists every name a monster type may use.
constexpr RegistryEntry<TalkHandler> kHandlers[] = {
    {"Balbes", Balbes},     {"Chukcha", Chukcha},   {"Dedok", Dedok},   {"Fermer", Fermer},
    {"Gobagoba", Gobagoba}, {"Kornavin", Kornavin}, {"Kva", Kva},       {"Lekar", Lekar},
    {"Muzhik", Muzhik},     {"Ohotnik", Ohotnik},   {"Priest", Priest}, {"Starosta", Starosta},
    {"Trader", Trader},
};

constexpr Registry<TalkHandler> kRegistry{kHandlers};
static_assert(kRegistry.IsSorted());

}  // namespace

const Registry<TalkHandler>& TalkRegistry() { return kRegistry; }

}  // namespace zaldrun
