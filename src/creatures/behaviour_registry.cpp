#include "creatures/behaviour_registry.hpp"

namespace zaldrun {

namespace {

// The behaviours a monster type may name, sorted by name. Each gets its function when the
// behaviour is built; until then the name is known and the call is skipped.
constexpr RegistryEntry<BehaviourHandler> kBehaviours[] = {
    {"HoldStill", nullptr},   // stands still while peaceful, else as StndAI
    {"ShopKeeper", nullptr},  // keeps its post at the shop door while peaceful, else as StndAI
    {"StndAI", nullptr},      // the standard behaviour: wakes, picks an action, approaches
};

constexpr Registry<BehaviourHandler> kRegistry{kBehaviours};
static_assert(kRegistry.IsSorted());

}  // namespace

const Registry<BehaviourHandler>& BehaviourRegistry() { return kRegistry; }

}  // namespace zaldrun
