#include "quests/talk.hpp"
#include "quests/talk_handlers.hpp"

namespace zaldrun {
namespace {

// Sorted by name; records/handler_names lists every name a monster type may use.
constexpr RegistryEntry<TalkHandler> kHandlers[] = {
    {"Balbes", Balbes},     {"Chukcha", nullptr},   {"Dedok", Dedok},    {"Fermer", nullptr},
    {"Gobagoba", Gobagoba}, {"Kornavin", Kornavin}, {"Kva", nullptr},    {"Lekar", nullptr},
    {"Muzhik", nullptr},    {"Ohotnik", Ohotnik},   {"Priest", nullptr}, {"Starosta", Starosta},
    {"Trader", nullptr},
};

constexpr Registry<TalkHandler> kRegistry{kHandlers};
static_assert(kRegistry.IsSorted());

}  // namespace

const Registry<TalkHandler>& TalkRegistry() { return kRegistry; }

}  // namespace zaldrun
