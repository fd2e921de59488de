#include "quests/talk.hpp"
#include "quests/talk_handlers.hpp"

namespace zaldrun {
namespace {

// Sorted by name; records/handler_names lists every name a monster type may use.
constexpr RegistryEntry<TalkHandler> kHandlers[] = {
    {"Balbes", nullptr},   {"Chukcha", Chukcha},  {"Dedok", nullptr}, {"Fermer", Fermer},
    {"Gobagoba", nullptr}, {"Kornavin", nullptr}, {"Kva", Kva},       {"Lekar", Lekar},
    {"Muzhik", Muzhik},    {"Ohotnik", nullptr},  {"Priest", Priest}, {"Starosta", nullptr},
    {"Trader", Trader},
};

constexpr Registry<TalkHandler> kRegistry{kHandlers};
static_assert(kRegistry.IsSorted());

}  // namespace

const Registry<TalkHandler>& TalkRegistry() { return kRegistry; }

}  // namespace zaldrun
